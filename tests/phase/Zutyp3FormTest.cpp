// The type 3 lesson driven directly: its components, menu and memo, the picture series of the
// alloys whose frames repeat, and the start items once every alloy has run.
#include "phase/UnitZutyp3.h"
#include "tests/phase/LessonMoments.h"
#include "tests/support/Program.h"

#include <QScrollBar>
#include <QTextEdit>

using namespace wb;

namespace {

class ZuTyp3 : public wbtest::LessonTest<TFormZuTyp3> {
protected:
    TColor at(int x, int y) { return LessonTest::at(f.PaintBoxHaupt, x, y); }
    void runToEnd(TMenuItem& start, const TTimer& timer)
    {
        ASSERT_TRUE(start.Click());
        for (int t = 0; t < 100 && timer.Enabled(); ++t)
            Scheduler::instance().advance(100);
        ASSERT_FALSE(timer.Enabled());
    }
    // The tick at which a mark is reached: 19 + 4 per tick.
    static int tickOf(int marke) { return (marke - 19) / 4; }
};

} // namespace

// Caption, size, colour and status text are checked for every form by the shell tests.
TEST_F(ZuTyp3, ComponentsSitWhereFormCreatePutsThem)
{
    EXPECT_EQ(f.PaintBoxUmwandlung.BoundsRect(), QRect(270, 10, 490, 500));
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(270, 10, 490, 500));
    // 270 - 266, 10 - 2, height 500 + 2: it overlaps the left 18 pixels of the paint boxes.
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(4, 8, 284, 502));
    std::vector<QString> order;
    for (TComponent* c : f.components())
        if (dynamic_cast<TPaintBox*>(c))
            order.push_back(c->Name());
    EXPECT_EQ(order, (std::vector<QString> { QStringLiteral("PaintBoxUmwandlung"), QStringLiteral("PaintBoxHaupt") }));
    for (const TTimer* t : { &f.TimerL1, &f.TimerL2, &f.TimerL3, &f.TimerL4 }) {
        EXPECT_EQ(t->Interval(), 100);
        EXPECT_FALSE(t->Enabled());
    }
    EXPECT_EQ(f.ImageListL1.Count(), 16);
    EXPECT_EQ(f.ImageListL2.Count(), 30);
    EXPECT_EQ(f.ImageListL3.Count(), 2);
    EXPECT_EQ(f.ImageListL4.Count(), 22);
}

TEST_F(ZuTyp3, MenuBarHoldsTheFourStartItemsWithEscHidden)
{
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "StartL1", "Start /Stop L&1" }, { "StartL2", "Start /Stop L&2" },
            { "StartL3", "Start/Stop L&3" }, { "StartL4", "Start/Stop L&4" }, { "Neu", "&Löschen/Neu" },
            { "ESCAPE", "ESCAPE", "Esc", false } }));
}

TEST_F(ZuTyp3, MemoScrollsSoThatEveryLineCanBeRead)
{
    const TMemo& m = f.MemoErlaeuterung;
    ASSERT_EQ(m.Lines.Count(), 26);
    EXPECT_EQ(m.Lines[0], QStringLiteral(" Bei diesem Zustandsdiagramm entsteht ")) << "ends with a blank";
    EXPECT_EQ(m.Lines[14], QStringLiteral(" "));
    EXPECT_EQ(m.Lines[22], QStringLiteral(" Die Grafik zeigt vier für diesen \"Typ\""));
    EXPECT_EQ(m.Lines[25], QStringLiteral(" tration der Komponenten A und B."));
    EXPECT_EQ(m.Font.Height(), 18);
    EXPECT_EQ(m.ScrollBars(), ssBoth);
    // The base text fits; an alloy's lines appended at its melt keyframe do not: the vertical
    // scroll bar then reaches them.
    ASSERT_TRUE(f.StartL4.Click());
    Scheduler::instance().advance(300);
    ASSERT_EQ(m.Lines.Count(), 36);
    EXPECT_EQ(m.Lines[35], QStringLiteral(" ausscheiden."));
    auto* edit = qobject_cast<QTextEdit*>(f.MemoErlaeuterung.widget());
    ASSERT_NE(edit, nullptr);
    EXPECT_GT(edit->document()->size().height(), edit->viewport()->height());
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_GT(edit->verticalScrollBar()->maximum(), 0);
}

TEST_F(ZuTyp3, L2AndL4ShowTheirFramesInOrderAndRepeatTheLastOnesWithoutSkipping)
{
    // L2: 0 at the melt (31), 1 at 147, one per tie line from 151 to 219, 20 at 223, then 21 …
    // 28 at 231, 259, 275, 291, 307, 323, 339, 347 and 29 at 355 (and once more at 371).
    std::vector<std::pair<int, int>> l2 { { tickOf(31), 0 }, { tickOf(147), 1 } };
    for (int i = 0; i < 18; ++i)
        l2.emplace_back(tickOf(151 + 4 * i), 2 + i);
    const int l2Later[] = { 223, 231, 259, 275, 291, 307, 323, 339, 347, 355 };
    for (int i = 0; i < 10; ++i)
        l2.emplace_back(tickOf(l2Later[i]), 20 + i);
    // L4: 0 at 31, 1 at 123, 2 … 9 at 127 … 155, then 10 … 18 at 163, 179, 191, 207, 287, 299,
    // 311, 323, 335; 19 at 343 (and again at 351), 20 at 359, 21 at the end.
    std::vector<std::pair<int, int>> l4 { { tickOf(31), 0 }, { tickOf(123), 1 } };
    for (int i = 0; i < 8; ++i)
        l4.emplace_back(tickOf(127 + 4 * i), 2 + i);
    const int l4Later[] = { 163, 179, 191, 207, 287, 299, 311, 323, 335, 343, 359, 371 };
    for (int i = 0; i < 12; ++i)
        l4.emplace_back(tickOf(l4Later[i]), 10 + i);

    f.ImageListL2.SetStrip(wbtest::codedStrip(30, 80, 80));
    ASSERT_TRUE(f.StartL2.Click());
    EXPECT_EQ(wbtest::frameChanges(f.TimerL2, [&] { return at(170 + 40, 417 + 40); }), l2);
    EXPECT_EQ(f.moduleState().BildNrL2, 29) << "the last frame, shown twice, leaves the counter where it was";

    f.ImageListL4.SetStrip(wbtest::codedStrip(22, 80, 80));
    ASSERT_TRUE(f.StartL4.Click());
    EXPECT_EQ(wbtest::frameChanges(f.TimerL4, [&] { return at(385 + 40, 417 + 40); }), l4);
    EXPECT_EQ(f.moduleState().BildNrL4, 22);
}

TEST_F(ZuTyp3, AfterEveryAlloyHasRunNoStartItemIsOnUntilLoeschenNeu)
{
    runToEnd(f.StartL1, f.TimerL1);
    runToEnd(f.StartL2, f.TimerL2);
    // L3 runs the tie lines L2 drew for good below the eutectic: its NOT-XOR lines cross them
    // and erase only themselves, so L2's final line at 369 is still there after L3.
    runToEnd(f.StartL3, f.TimerL3);
    EXPECT_EQ(at(200, 369), clGreen) << "L3's own end line over L2's";
    runToEnd(f.StartL4, f.TimerL4);
    for (const TMenuItem* i : { &f.StartL1, &f.StartL2, &f.StartL3, &f.StartL4 })
        EXPECT_FALSE(i->Enabled()) << i->Name().toStdString();
    EXPECT_TRUE(f.moduleState().Konoden.empty()) << "every run erased its last tie line";
    ASSERT_TRUE(f.Neu.Click());
    for (const TMenuItem* i : { &f.StartL1, &f.StartL2, &f.StartL3, &f.StartL4 })
        EXPECT_TRUE(i->Enabled()) << i->Name().toStdString();
    EXPECT_EQ(f.moduleState().MarkeL4, 19);
}
