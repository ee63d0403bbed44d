// The type 4 lesson driven directly: its components, menu and memo, the picture series of an
// alloy and of the inset, and two alloys' lines on one diagram.
#include "phase/UnitZutyp4.h"
#include "tests/phase/LessonMoments.h"
#include "tests/support/Program.h"

#include <QScrollBar>
#include <QTextEdit>

using namespace wb;

namespace {

class ZuTyp4 : public wbtest::LessonTest<TFormZuTyp4> {
protected:
    TColor at(int x, int y) { return LessonTest::at(f.PaintBoxHaupt, x, y); }
    // The tick at which a mark is reached: 20 + 4 per tick.
    static int tickOf(int marke) { return (marke - 20) / 4; }
};

} // namespace

// Caption, size, colour and status text are checked for every form by the shell tests.
TEST_F(ZuTyp4, ComponentsSitWhereFormCreatePutsThem)
{
    EXPECT_EQ(f.PaintBoxUmwandlung.BoundsRect(), QRect(270, 10, 500, 500));
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(270, 10, 500, 500));
    EXPECT_EQ(f.MemoErlaeuterung.BoundsRect(), QRect(7, 9, 263, 501)); // 270 - 263, 10 - 1, height 500 + 1
    for (const TTimer* t : { &f.TimerL1, &f.TimerL2, &f.TimerL3, &f.TimerAinB }) {
        EXPECT_EQ(t->Interval(), 100);
        EXPECT_FALSE(t->Enabled());
    }
    EXPECT_EQ(f.ImageListL1.Count(), 21);
    EXPECT_EQ(f.ImageListL2.Count(), 16);
    EXPECT_EQ(f.ImageListL3.Count(), 12);
    EXPECT_EQ(f.ImageListAinB.Count(), 17);
}

TEST_F(ZuTyp4, MenuBarHoldsTheStartItemsAndTheInsetWithEscHidden)
{
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "StartL1", "Start/Stop L&1" }, { "StartL2", "Start/Stop L&2" },
            { "StartL3", "Start/Stop L&3" }, { "AinB", "&Start/Stop Alpha in Beta " }, { "Neu", "&Löschen/Neu" },
            { "ESCAPE", "ESCAPE", "Esc", false } }));
}

TEST_F(ZuTyp4, MemoScrollsSoThatAnAlloysLinesCanBeRead)
{
    const TMemo& m = f.MemoErlaeuterung;
    ASSERT_EQ(m.Lines.Count(), 26);
    EXPECT_EQ(m.Lines[2], QStringLiteral(" neuen Kristallart (z. B. Beta-MK) umge-, ")) << "ends with a blank";
    EXPECT_EQ(m.Lines[7], QStringLiteral(" beginnt an der Öberfläche der zuerst"));
    EXPECT_EQ(m.Lines[18], QStringLiteral(" "));
    EXPECT_EQ(m.ScrollBars(), ssBoth);
    ASSERT_TRUE(f.StartL2.Click());
    Scheduler::instance().advance(300);
    ASSERT_EQ(m.Lines.Count(), 26 + 13);
    EXPECT_EQ(m.Lines[38], QStringLiteral(" sind."));
    auto* edit = qobject_cast<QTextEdit*>(f.MemoErlaeuterung.widget());
    ASSERT_NE(edit, nullptr);
    EXPECT_GT(edit->document()->size().height(), edit->viewport()->height());
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_GT(edit->verticalScrollBar()->maximum(), 0);
}

TEST_F(ZuTyp4, L1AndTheInsetShowTheirFramesInOrderWithoutGaps)
{
    // L1: 0 at the melt (32), 1 at the first tie line (92), 2 … 5 at 96 … 108, then 6 … 20 at
    // the marks below; the inset: one frame per tick, 17 of them.
    std::vector<std::pair<int, int>> l1 { { tickOf(32), 0 }, { tickOf(92), 1 } };
    for (int i = 0; i < 4; ++i)
        l1.emplace_back(tickOf(96 + 4 * i), 2 + i);
    const int later[] = { 116, 124, 132, 144, 152, 164, 172, 180, 184, 216, 244, 276, 308, 336, 368 };
    for (int i = 0; i < 15; ++i)
        l1.emplace_back(tickOf(later[i]), 6 + i);
    f.ImageListL1.SetStrip(wbtest::codedStrip(21, 80, 80));
    ASSERT_TRUE(f.StartL1.Click());
    EXPECT_EQ(wbtest::frameChanges(f.TimerL1, [&] { return at(20 + 40, 417 + 40); }), l1);

    std::vector<std::pair<int, int>> inset;
    for (int i = 0; i < 17; ++i)
        inset.emplace_back(i + 1, i);
    f.ImageListAinB.SetStrip(wbtest::codedStrip(17, 80, 80));
    ASSERT_TRUE(f.AinB.Click());
    EXPECT_EQ(wbtest::frameChanges(f.TimerAinB, [&] { return at(380 + 40, 80 + 40); }), inset);
    EXPECT_FALSE(f.AinB.Enabled());
    EXPECT_FALSE(f.AinB.Click()) << "until Löschen/Neu";
    ASSERT_TRUE(f.Neu.Click());
    EXPECT_TRUE(f.AinB.Enabled());
    EXPECT_EQ(f.moduleState().BildNrAinB, 0);
}

TEST_F(ZuTyp4, L1AndL2LeaveTheirPermanentLinesOnOneDiagram)
{
    for (auto [start, timer] : { std::pair { &f.StartL1, &f.TimerL1 }, std::pair { &f.StartL2, &f.TimerL2 } }) {
        ASSERT_TRUE(start->Click());
        for (int t = 0; t < 100 && timer->Enabled(); ++t)
            Scheduler::instance().advance(100);
    }
    EXPECT_EQ(at(150, 88), clBlue) << "L1's line to the liquidus at 88";
    EXPECT_EQ(at(150, 132), clPurple) << "L2's at 132";
    EXPECT_EQ(at(204, 300), clBlue) << "L1's cooling line";
    EXPECT_EQ(at(296, 300), clPurple) << "L2's cooling line";
    EXPECT_TRUE(f.moduleState().Konoden.empty()) << "each run erased its last tie line";
}
