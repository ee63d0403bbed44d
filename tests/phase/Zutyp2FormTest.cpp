// The type 2 lesson driven directly: its lever strips, edits and layer pens, and the start items
// when every alloy has run.
#include "phase/UnitZutyp2.h"
#include "tests/phase/LessonMoments.h"
#include "tests/support/Program.h"

using namespace wb;
using wbtest::runToEnd;

namespace {

class ZuTyp2 : public wbtest::LessonTest<TFormZuTyp2> {
protected:
    TColor at(int x, int y) { return LessonTest::at(f.PaintBoxHaupt, x, y); }
};

} // namespace

// Caption, size, colour and status text are checked for every form by the shell tests; where
// the components sit, the timers and the picture series by the table of the type lessons.
TEST_F(ZuTyp2, LeverStripsEditsAndLayerPensAreAsFormCreateSetsThem)
{
    EXPECT_FALSE(f.KeyPreview());
    EXPECT_EQ(f.PaintBoxHebel1.Color(), RGB(0x40, 0x00, 0x80));
    EXPECT_EQ(f.PaintBoxHebel2.Color(), RGB(0x00, 0x80, 0x40));
    EXPECT_EQ(f.cursorAt(QPoint(266 + 100, 412 + 30)), crHandPoint);
    EXPECT_EQ(f.cursorAt(QPoint(518 + 100, 412 + 30)), crHandPoint);
    for (const TEdit* e : { &f.EditA, &f.EditSch1, &f.EditB, &f.EditSch2 }) {
        EXPECT_EQ(e->Text(), QString());
    }
    // Before the first tick the layer pens are as FormCreate left them.
    EXPECT_EQ(f.PaintBoxHilfslinien.Canvas().Pen.Color(), clRed);
    EXPECT_EQ(f.PaintBoxHilfslinien.Canvas().Pen.Width(), 1);
    EXPECT_EQ(f.PaintBoxUmwandlung.Canvas().Pen.Width(), 2);
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
