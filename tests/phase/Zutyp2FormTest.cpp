// The type 2 lesson driven directly: its components, menu and memo, the microstructure frames of
// each alloy over a whole run, and the start items when every alloy has run.
#include "phase/UnitZutyp2.h"
#include "tests/phase/LessonMoments.h"
#include "tests/support/Program.h"

#include <QScrollBar>
#include <QTextEdit>

using namespace wb;

namespace {

class ZuTyp2 : public wbtest::LessonTest<TFormZuTyp2> {
protected:
    TColor at(int x, int y) { return LessonTest::at(f.PaintBoxHaupt, x, y); }
    void runToEnd(TMenuItem& start, const TTimer& timer)
    {
        ASSERT_TRUE(start.Click());
        for (int t = 0; t < 100 && timer.Enabled(); ++t)
            Scheduler::instance().advance(100);
        ASSERT_FALSE(timer.Enabled());
    }
};

} // namespace

// Caption, size, colour and status text are checked for every form by the shell tests.
TEST_F(ZuTyp2, ComponentsSitWhereFormCreatePutsThem)
{
    struct Row {
        TControl* control;
        QRect bounds;
    };
    // clang-format off
    const Row rows[] = {
        { &f.PaintBoxHaupt, { 266, 10, 505, 492 } },
        { &f.PaintBoxHilfslinien, { 266, 10, 505, 492 } },
        { &f.PaintBoxUmwandlung, { 266, 10, 505, 492 } },
        { &f.PaintBoxHebel1, { 266, 10, 252, 492 } }, // half the width: 505 div 2
        { &f.PaintBoxHebel2, { 518, 10, 252, 492 } }, // 266 + 252
        { &f.PaintBoxHand1, { 266, 412, 252, 60 } }, // top 492 - 10 - 70
        { &f.PaintBoxHand2, { 518, 412, 252, 60 } },
        { &f.MemoErlaeuterung, { 0, 8, 266, 494 } }, // 266 - 266, 10 - 2, height 492 + 2
        { &f.EditA, { 461, 440, 50, 20 } }, // left strip + (195, 430)
        { &f.EditSch1, { 461, 470, 50, 20 } }, // left strip + (195, 460)
        { &f.EditB, { 718, 440, 50, 20 } }, // right strip + (200, 430)
        { &f.EditSch2, { 718, 470, 50, 20 } }, // right strip + (200, 460)
    };
    // clang-format on
    for (const Row& r : rows)
        EXPECT_EQ(r.control->BoundsRect(), r.bounds) << r.control->Name().toStdString();

    EXPECT_FALSE(f.KeyPreview());
    EXPECT_EQ(f.PaintBoxHebel1.Color(), RGB(0x40, 0x00, 0x80));
    EXPECT_EQ(f.PaintBoxHebel2.Color(), RGB(0x00, 0x80, 0x40));
    EXPECT_EQ(f.cursorAt(QPoint(266 + 100, 412 + 30)), crHandPoint);
    EXPECT_EQ(f.cursorAt(QPoint(518 + 100, 412 + 30)), crHandPoint);
    for (const TTimer* t : { &f.TimerUnter, &f.TimerEutek, &f.TimerUeber }) {
        EXPECT_EQ(t->Interval(), 100);
        EXPECT_FALSE(t->Enabled());
    }
    EXPECT_EQ(f.ImageListUnter.Count(), 21);
    EXPECT_EQ(f.ImageListEu.Count(), 2);
    EXPECT_EQ(f.ImageListUeber.Count(), 19);
    for (const TEdit* e : { &f.EditA, &f.EditSch1, &f.EditB, &f.EditSch2 }) {
        EXPECT_EQ(e->Text(), QString());
    }
    // Before the first tick the layer pens are as FormCreate left them.
    EXPECT_EQ(f.PaintBoxHilfslinien.Canvas().Pen.Color(), clRed);
    EXPECT_EQ(f.PaintBoxHilfslinien.Canvas().Pen.Width(), 1);
    EXPECT_EQ(f.PaintBoxUmwandlung.Canvas().Pen.Width(), 2);
}

TEST_F(ZuTyp2, MenuBarHoldsTheThreeStartItemsWithEscHidden)
{
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Startunter", "Start/Stop &untereutektisch" },
            { "Starteutektisch", "Start/Stop &eutektisch" }, { "Startueber", "Start/Stop &übereutektisch" },
            { "Neu", "&Löschen/Neu" }, { "ESCAPE", "ESCAPE", "Esc", false } }));
}

TEST_F(ZuTyp2, MemoScrollsSoThatEveryLineCanBeRead)
{
    const TMemo& m = f.MemoErlaeuterung;
    ASSERT_EQ(m.Lines.Count(), 28);
    EXPECT_EQ(m.Lines[1], QStringLiteral(" den idealen Fall ein, dass im flüssigen ")) << "ends with a blank";
    EXPECT_EQ(m.Lines[8], QStringLiteral(" lage für alle Zusammensetzungen, die  ")) << "ends with two blanks";
    EXPECT_EQ(m.Lines[18], QStringLiteral(" "));
    EXPECT_EQ(m.Lines[19], QStringLiteral(" Die Grafik zeigt drei für diesen \"Typ\""));
    EXPECT_EQ(m.Lines[27], QStringLiteral("     Bereich (B > 60%, A < 40%)"));
    EXPECT_EQ(m.Font.Height(), 18);
    EXPECT_EQ(m.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_EQ(m.ScrollBars(), ssBoth);
    // An alloy's lines appended at its melt keyframe make the text longer than the memo is
    // high: the vertical scroll bar then reaches them.
    ASSERT_TRUE(f.Startunter.Click());
    Scheduler::instance().advance(200);
    ASSERT_EQ(m.Lines.Count(), 28 + 12);
    EXPECT_EQ(m.Lines[39], QStringLiteral(" aus A = 40%, B = 60 %)."));
    auto* edit = qobject_cast<QTextEdit*>(f.MemoErlaeuterung.widget());
    ASSERT_NE(edit, nullptr);
    EXPECT_GT(edit->document()->size().height(), edit->viewport()->height());
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_GT(edit->verticalScrollBar()->maximum(), 0);
}

TEST_F(ZuTyp2, EveryAlloyShowsItsFramesInOrderWithoutGaps)
{
    struct Case {
        TMenuItem* start;
        TTimer* timer;
        TImageList* list;
        QPoint picture;
        std::vector<std::pair<int, int>> changes; // (tick, frame)
    };
    // Frame 0 with the melt at mark 30 (2nd tick); L1: 1 at point 1 (146, 31st tick), one per
    // tie-line step from 150 to 218 (32nd to 49th), 20 at the eutectic (222, 50th); L3: 1 at
    // point 2 (154, 33rd), one per step from 158 to 218, 18 at the eutectic; L2: 1 at the eutectic.
    std::vector<std::pair<int, int>> unter { { 2, 0 }, { 31, 1 } };
    for (int i = 0; i < 18; ++i)
        unter.emplace_back(32 + i, 2 + i);
    unter.emplace_back(50, 20);
    std::vector<std::pair<int, int>> ueber { { 2, 0 }, { 33, 1 } };
    for (int i = 0; i < 16; ++i)
        ueber.emplace_back(34 + i, 2 + i);
    ueber.emplace_back(50, 18);
    Case cases[] = {
        { &f.Startunter, &f.TimerUnter, &f.ImageListUnter, { 30, 265 }, unter },
        { &f.Starteutektisch, &f.TimerEutek, &f.ImageListEu, { 210, 265 }, { { 2, 0 }, { 50, 1 } } },
        { &f.Startueber, &f.TimerUeber, &f.ImageListUeber, { 395, 265 }, ueber },
    };
    for (Case& c : cases) {
        c.list->SetStrip(wbtest::codedStrip(c.list->Count(), 80, 80));
        ASSERT_TRUE(c.start->Click());
        const auto changes = wbtest::frameChanges(*c.timer, [&] { return at(c.picture.x() + 40, c.picture.y() + 40); });
        EXPECT_EQ(changes, c.changes) << c.start->Name().toStdString();
    }
}

TEST_F(ZuTyp2, AfterEveryAlloyHasRunNoStartItemIsOnUntilLoeschenNeu)
{
    runToEnd(f.Startunter, f.TimerUnter);
    runToEnd(f.Startueber, f.TimerUeber);
    // L1 and L3 both drew the vertical under the eutectic point on the NOT-XOR layer, black and
    // green: the band shows through both pens.
    EXPECT_EQ(at(296, 300), wbtest::notXor(wbtest::notXor(RGB(255, 25, 0), clBlack), clGreen));
    runToEnd(f.Starteutektisch, f.TimerEutek);
    for (const TMenuItem* i : { &f.Startunter, &f.Starteutektisch, &f.Startueber })
        EXPECT_FALSE(i->Enabled()) << i->Name().toStdString();
    ASSERT_TRUE(f.Neu.Click());
    for (const TMenuItem* i : { &f.Startunter, &f.Starteutektisch, &f.Startueber })
        EXPECT_TRUE(i->Enabled()) << i->Name().toStdString();
    EXPECT_EQ(f.moduleState().MarkeUnter, 22);
    EXPECT_EQ(f.moduleState().BildNrUeber, 0);
    EXPECT_TRUE(f.moduleState().Konoden.empty());
}
