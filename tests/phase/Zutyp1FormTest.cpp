// The type 1 lesson driven directly: its components and texts, the stepping of the cooling
// marker, the microstructure frames, the lever-rule values, the exact erasing of every tie-line
// step and which keys start and pause the animation.
#include "framework/FormAccess.h"
#include "framework/Timers.h"
#include "phase/UnitZutyp1.h"
#include "resources/Pictures.h"
#include "tests/support/Program.h"

#include <QColor>
#include <span>

using namespace wb;

namespace {

std::string hex(TColor c)
{
    return colorToHex(c).toStdString();
}

class ZuTyp1 : public wbtest::LessonTest<TFormZuTyp1> {
protected:
    // A pixel of the diagram boxes, now and in the static picture the form opened with.
    TColor at(int x, int y) { return LessonTest::at(f.PaintBoxHaupt, x, y); }
    TColor stillAt(int x, int y) const { return openedAt(f.PaintBoxHaupt, x, y); }
    int markeY() const { return f.moduleState().MarkeY; }
    static void tick() { Scheduler::instance().advance(100); }
    std::pair<std::string, std::string> edits() const
    {
        return { f.EditMK.Text().toStdString(), f.EditSch.Text().toStdString() };
    }
};

} // namespace

// Caption, size, colour and status text are checked for every form by the shell tests; where
// the components sit, the timer and the picture series by the table of the type lessons.
TEST_F(ZuTyp1, LeverStripEditsAndLayerPensAreAsFormCreateSetsThem)
{
    EXPECT_TRUE(f.KeyPreview());
    EXPECT_EQ(f.PaintBoxHebel.Color(), RGB(0x80, 0x00, 0xFF));
    EXPECT_EQ(f.PaintBoxHand.Cursor(), crHandPoint);
    EXPECT_EQ(f.cursorAt(QPoint(265 + 100, 440 + 30)), crHandPoint);
    for (TEdit* e : { &f.EditMK, &f.EditSch }) {
        EXPECT_TRUE(e->ReadOnly());
        EXPECT_EQ(e->Font.Height(), -13);
        EXPECT_EQ(e->Text(), QString());
    }

    // Before the first tick the layer pens are as FormCreate left them.
    EXPECT_EQ(f.PaintBoxHilfslinien.Canvas().Pen.Color(), clRed);
    EXPECT_EQ(f.PaintBoxHilfslinien.Canvas().Pen.Width(), 1);
    EXPECT_EQ(f.PaintBoxUmwandlung.Canvas().Pen.Color(), clBlue);
    EXPECT_EQ(f.PaintBoxUmwandlung.Canvas().Pen.Width(), 2);
    EXPECT_EQ(f.PaintBoxUmwandlung.Canvas().Pen.Mode(), pmCopy);
    f.pressKey(VK_SPACE);
    tick();
    for (TPaintBox* layer : { &f.PaintBoxHilfslinien, &f.PaintBoxUmwandlung }) {
        EXPECT_EQ(layer->Canvas().Pen.Width(), 3);
        EXPECT_EQ(layer->Canvas().Pen.Mode(), pmNotXor);
    }
}

TEST_F(ZuTyp1, MemoHoldsItsTwentyNineLinesAndScrollsBothWays)
{
    const TMemo& m = f.MemoErlaeuterung;
    ASSERT_EQ(m.Lines.Count(), 29);
    EXPECT_EQ(m.Lines[0], QStringLiteral(" Beide Komponenten (A und B) bilden"));
    EXPECT_EQ(m.Lines[1], QStringLiteral(" bei diesem Diagrammtyp eine ")) << "ends with a blank";
    EXPECT_EQ(m.Lines[11], QStringLiteral(" Waagerechten mit der Soliduslinie(1*)."));
    EXPECT_EQ(m.Lines[21], QStringLiteral(" punkt der Waagerechten mit der "));
    EXPECT_EQ(m.Lines[25], QStringLiteral(" erreicht wird (2), so besitzt der "));
    EXPECT_EQ(m.Lines[27], QStringLiteral(" die ursprüngliche Zusammensetzung "));
    EXPECT_EQ(m.Lines[28], QStringLiteral(" (A = 60%, B = 40%)."));
    for (int i = 0; i < m.Lines.Count(); ++i)
        EXPECT_TRUE(m.Lines[i].startsWith(QLatin1Char(' '))) << "line " << i + 1;
    // 29 lines of 18 pixels are 522 pixels, more than the memo's 494: a vertical scroll bar
    // besides the horizontal one, so the last lines can be read.
    EXPECT_EQ(m.ScrollBars(), ssBoth);
    EXPECT_TRUE(m.ReadOnly());
    EXPECT_EQ(m.Color(), RGB(0xFF, 0xBF, 0xBF));
    EXPECT_EQ(m.Font.Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(m.Font.Height(), 18);
}

TEST_F(ZuTyp1, MarkeYStepsByThreeThenBySixAndTheRunEndsAtTheEightyFirstTick)
{
    // 23, 26, ..., 158 in 46 ticks; the 47th passes 161 and lands on 167; then by 6 up to 365
    // at the 80th tick and 371 at the 81st, which stops the timer.
    std::vector<int> expected;
    for (int y = 23; y <= 158; y += 3)
        expected.push_back(y);
    for (int y = 167; y <= 371; y += 6)
        expected.push_back(y);
    ASSERT_EQ(expected.size(), 81u);

    f.pressKey(VK_SPACE);
    std::vector<int> seen;
    for (int i = 0; i < 90 && f.TimerHaupt.Enabled(); ++i) {
        tick();
        seen.push_back(markeY());
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(seen[2], 29) << "keyframe 29 is the third tick";
    EXPECT_EQ(seen[23], 92) << "keyframe 92 is the 24th tick";
    EXPECT_EQ(seen[46], 167) << "161 is passed within one tick";
    EXPECT_FALSE(f.TimerHaupt.Enabled());
    tick();
    EXPECT_EQ(markeY(), 371) << "nothing runs after the end";
}

TEST_F(ZuTyp1, TheCrossingTickDrawsTheCoolingLineDownTo167)
{
    f.pressKey(VK_SPACE);
    Scheduler::instance().advance(4600);
    ASSERT_EQ(markeY(), 158);
    // The 3-pixel line's round end reaches one row past its end point; (198, 165) lies on the
    // alloy line below 158 + 1 and is still the static picture.
    const TColor before = at(198, 165);
    EXPECT_NE(before, clBlue);
    tick();
    EXPECT_EQ(markeY(), 167);
    EXPECT_EQ(at(198, 165), clBlue);
    EXPECT_EQ(at(198, 168), clBlue) << "the line's round end one row below 167";
    EXPECT_EQ(at(198, 169), stillAt(198, 169)) << "and no further";
}

TEST_F(ZuTyp1, BuiltInFramesAreDrawnAtTheirPlace)
{
    const QImage strip = pictures::strip(QStringLiteral("FormZuTyp1.ImageListMkBildung"));
    ASSERT_EQ(strip.size(), QSize(19 * 100, 100));
    EXPECT_EQ(f.ImageListMkBildung.Count(), 19);
    // Frame i covers (370, 260) ... (469, 359) exactly, pixel for pixel (the frames are opaque).
    auto showsFrame = [&](int i) -> ::testing::AssertionResult {
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                if (at(370 + x, 260 + y) != fromPixel(strip.pixel(i * 100 + x, y)))
                    return ::testing::AssertionFailure() << "frame " << i << " differs at (" << x << ", " << y << ")";
        return ::testing::AssertionSuccess();
    };
    f.pressKey(VK_SPACE);
    Scheduler::instance().advance(300);
    EXPECT_TRUE(showsFrame(0)) << "the melt at MarkeY 29";
    Scheduler::instance().advance(2100);
    EXPECT_TRUE(showsFrame(1)) << "point 1 at MarkeY 92";
    Scheduler::instance().advance(1700);
    EXPECT_TRUE(showsFrame(18)) << "the homogeneous crystals at point 2, MarkeY 143";
}

TEST_F(ZuTyp1, EditsShowTheLeverRuleAtEveryStepOfTheRun)
{
    struct Row {
        int markeY;
        const char* mk;
        const char* sch;
    };
    // clang-format off
    const Row rows[] = {
        { 29, "0", "100" }, { 92, "0", "100" },
        { 95, "7", "93" }, { 98, "14", "86" }, { 101, "22", "78" }, { 104, "29", "71" },
        { 107, "36", "64" }, { 110, "42", "58" }, { 113, "47", "53" }, { 116, "52", "48" },
        { 119, "58", "42" }, { 122, "64", "36" }, { 125, "70", "30" }, { 128, "75", "25" },
        { 131, "80", "20" }, { 134, "85", "15" }, { 137, "90", "10" }, { 140, "95", "5" },
        { 143, "100", "0" },
    };
    // clang-format on
    f.pressKey(VK_SPACE);
    std::pair<std::string, std::string> last { "", "" };
    size_t next = 0;
    while (f.TimerHaupt.Enabled()) {
        tick();
        if (next < std::size(rows) && markeY() == rows[next].markeY) {
            last = { rows[next].mk, rows[next].sch };
            ++next;
        }
        // Between the keyframes the edits keep what the last one wrote.
        EXPECT_EQ(edits(), last) << "MarkeY = " << markeY();
    }
    EXPECT_EQ(next, std::size(rows));
}

TEST_F(ZuTyp1, EachTieLineStepErasesExactlyWhatThePreviousStepDrew)
{
    // The lesson's own table says where each step draws; its agreement with the diagram is
    // checked in the geometry tests.
    const std::span<const zutyp1::TieLineStep> steps = zutyp1::tieLineSteps();
    const TColor red = clRed, blue = clBlue;
    f.pressKey(VK_SPACE);
    while (markeY() < 143) {
        tick();
        int row = -1;
        for (int i = 0; i < int(steps.size()); ++i)
            if (steps[i].T == markeY())
                row = i;
        if (row < 0 && markeY() != 143)
            continue;
        SCOPED_TRACE("MarkeY = " + std::to_string(markeY()));
        if (row >= 0) {
            // The new step's lines, drawn with pmNotXor over the picture: the verticals at xh
            // (3 pixels wide: xh - 1 ... xh + 1) and at KonodeRechts, the horizontal from xw to
            // the left edge, the blue tie line between its ends (its middle is clear of the
            // curves traced on the main layer).
            const zutyp1::TieLineStep& s = steps[row];
            const int mid = (s.KonodeLinks + 198) / 2;
            EXPECT_EQ(hex(at(s.xh - 1, 300)), hex(wbtest::notXor(red, stillAt(s.xh - 1, 300))));
            EXPECT_EQ(hex(at(s.xh + 1, 300)), hex(wbtest::notXor(red, stillAt(s.xh + 1, 300))));
            EXPECT_EQ(hex(at(s.KonodeRechts, 300)), hex(wbtest::notXor(red, stillAt(s.KonodeRechts, 300))));
            EXPECT_EQ(hex(at(60, s.T)), hex(wbtest::notXor(red, stillAt(60, s.T))));
            EXPECT_EQ(hex(at(mid, s.T)), hex(wbtest::notXor(blue, stillAt(mid, s.T))));
        }
        if (row == 0)
            continue; // the first step erases nothing
        // The previous step's lines are gone: the same lines drawn again. Around the ends of
        // the old tie line every pixel is the static picture again, or blue where the curves
        // are traced on the main layer; an erase one pixel off would leave a NOT-XOR colour.
        const zutyp1::TieLineStep& p = steps[row < 0 ? steps.size() - 1 : row - 1];
        EXPECT_EQ(hex(at(p.xh - 1, 300)), hex(stillAt(p.xh - 1, 300)));
        EXPECT_EQ(hex(at(p.xh + 1, 300)), hex(stillAt(p.xh + 1, 300)));
        EXPECT_EQ(hex(at(p.KonodeRechts, 300)), hex(stillAt(p.KonodeRechts, 300)));
        EXPECT_EQ(hex(at(60, p.T)), hex(stillAt(60, p.T)));
        const int left = std::min({ p.KonodeLinks, p.xh, p.xw }) - 3,
                  right = std::max({ p.KonodeLinks, p.xh, p.xw }) + 3;
        for (int y = p.T - 1; y <= p.T + 1; ++y) {
            for (int x = left; x <= right; ++x)
                EXPECT_TRUE(at(x, y) == stillAt(x, y) || at(x, y) == blue)
                    << "(" << x << ", " << y << ") " << hex(at(x, y));
            for (int x = p.KonodeRechts - 3; x <= p.KonodeRechts + 3; ++x)
                EXPECT_TRUE(at(x, y) == stillAt(x, y) || at(x, y) == blue)
                    << "(" << x << ", " << y << ") " << hex(at(x, y));
        }
    }
}

TEST_F(ZuTyp1, ModifierKeysAreNoKeysAndAltSRunsStartStopOnce)
{
    // Alt+S: the Alt key goes down first, then S with Alt held, and the menu bar runs
    // "&Start/Stop". Neither key press may toggle the animation on its own, or the Alt would
    // start it and the menu command stop it again.
    EXPECT_FALSE(f.pressKey(VK_MENU, { .alt = true }));
    EXPECT_FALSE(f.pressKey('S', { .alt = true }));
    EXPECT_FALSE(f.TimerHaupt.Enabled());
    EXPECT_TRUE(f.StartStop.Click());
    EXPECT_TRUE(f.TimerHaupt.Enabled());
    tick();
    EXPECT_EQ(markeY(), 23);

    // Shift or Ctrl alone, and Ctrl with a letter, leave the run alone too.
    EXPECT_FALSE(f.pressKey(VK_SHIFT, { .shift = true }));
    EXPECT_FALSE(f.pressKey(VK_CONTROL, { .ctrl = true }));
    EXPECT_FALSE(f.pressKey('S', { .ctrl = true }));
    EXPECT_TRUE(f.TimerHaupt.Enabled());
    // A capital letter with Shift is a key.
    f.pressKey('S', { .shift = true });
    EXPECT_FALSE(f.TimerHaupt.Enabled());
}

TEST_F(ZuTyp1, AnyOtherKeyStartsPausesAndResumes)
{
    const int keys[] = { VK_SPACE, VK_RETURN, 'A', '7', VK_F1, VK_LEFT };
    int expectedY = 20;
    for (int key : keys) {
        SCOPED_TRACE(key);
        f.pressKey(key);
        ASSERT_TRUE(f.TimerHaupt.Enabled());
        tick();
        expectedY += 3;
        EXPECT_EQ(markeY(), expectedY);
        f.pressKey(key);
        EXPECT_FALSE(f.TimerHaupt.Enabled());
        Scheduler::instance().advance(500);
        EXPECT_EQ(markeY(), expectedY) << "paused";
    }
}

TEST_F(ZuTyp1, ClickingTheDiagramAboveTheStripDrawsNothing)
{
    // Only the strip at the bottom (y 440 ... 499 on the form) takes the click.
    EXPECT_TRUE(f.clickAt(QPoint(265 + 160, 5 + 300)));
    EXPECT_EQ(FormAccess::surface(f), opened);
    EXPECT_TRUE(f.clickAt(QPoint(265 + 100, 440 + 30)));
    EXPECT_NE(FormAccess::surface(f), opened);
}
