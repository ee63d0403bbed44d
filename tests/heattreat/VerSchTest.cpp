// The tempering chart of C 45 on the virtual clock: its static chart, the four property lines
// at their end ticks, running together, again, after a repaint, "Neu" and closing mid-line.
#include "framework/FormAccess.h"
#include "framework/Timers.h"
#include "heattreat/UnitVerSch.h"
#include "tests/support/Program.h"

#include <vector>

using namespace wb;

namespace {

constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);
constexpr TColor kFrame = RGB(0x01, 0x00, 0x00);
constexpr TColor kPurple = RGB(0x80, 0x00, 0x80);
constexpr TColor kGreen = RGB(0x00, 0x80, 0x00);
constexpr TColor kBlue = RGB(0x00, 0x00, 0xFF);
constexpr int kInterval = 50;

struct Pixel {
    int x, y; // in PaintBoxHaupt
    TColor color;
    const char* why;
};

class VerSch : public wbtest::LessonTest<TFormVerSch> {
protected:
    ::testing::AssertionResult shows(const Pixel& p) { return showsIn(f.PaintBoxHaupt, p); }
    ::testing::AssertionResult showsIn(const TPaintBox& box, const Pixel& p)
    {
        const TColor got = at(box, p.x, p.y);
        if (got == p.color)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
            << box.Name().toStdString() << " (" << p.x << ", " << p.y << ") is " << colorToHex(got).toStdString()
            << ", expected " << colorToHex(p.color).toStdString() << ": " << p.why;
    }
    bool showsChart() { return FormAccess::surface(f) == opened; }
    void ticks(int n) { Scheduler::instance().advance(qint64(n) * kInterval); }
};

// One line: its item, timer and state, and what it looks like when it is done.
struct LineCase {
    const char* name;
    TMenuItem TFormVerSch::*item;
    TTimer TFormVerSch::*timer;
    TPoint TFormVerSch::ModuleState::*punkt;
    int segments; // ticks that draw; the next one writes the label and stops the timer
    TPoint end;
    Pixel onLine; // a pixel in the middle of the first segment
    Pixel label; // the label cell's first pixel, in the line's colour
    Pixel beside; // left of the label: the chart
};

// clang-format off
// Each line draws while its x ≤ its limit: 185 + 12 · 36 = 617 ≤ 620 draws a 37th segment, to
// 629; 185 + 15 · 28 = 605 ≤ 610 a 29th, to 620; 185 + 12 · 35 = 605 ≤ 610 a 36th, to 617. The
// labels stand at Round(2.27 · 147 + 35 − 7) = 362, 485 − offset.
const LineCase kLines[] = {
    { "tensile strength", &TFormVerSch::Zugfestigkeit1, &TFormVerSch::TimerZug, &TFormVerSch::ModuleState::ZugPunkt,
      37, { 629, 307 }, { 191, 270, kPurple, "(185, 270)–(197, 271)" },
      { 362, 263, kPurple, "\" Zugfestigkeit \" at (362, 485 − 222)" }, { 361, 263, kGold, "left of the label" } },
    { "reduction of area", &TFormVerSch::Brucheinschnrung1, &TFormVerSch::TimerBruchein,
      &TFormVerSch::ModuleState::BrucheinPunkt,
      29, { 620, 326 }, { 192, 355, kGreen, "(185, 355)–(200, 354)" },
      { 362, 315, kGreen, "\" Brucheinschnürung \" at (362, 485 − 170)" }, { 361, 315, kGold, "left of the label" } },
    { "yield strength", &TFormVerSch::Streckgrenze1, &TFormVerSch::TimerStreck, &TFormVerSch::ModuleState::StreckPunkt,
      36, { 617, 396 }, { 191, 360, kBlue, "(185, 360)–(197, 361)" },
      { 362, 355, kBlue, "\" Streckgrenze \" at (362, 485 − 130)" }, { 361, 355, kGold, "left of the label" } },
    { "elongation at fracture", &TFormVerSch::Bruchdehnung1, &TFormVerSch::TimerBruchde,
      &TFormVerSch::ModuleState::BruchdePunkt,
      29, { 620, 416 }, { 192, 445, clRed, "(185, 445)–(200, 444)" },
      { 362, 440, clRed, "\" Bruchdehnung \" at (362, 485 − 50), below its line" },
      { 361, 440, kGold, "left of the label" } },
};
// clang-format on

} // namespace

// Caption, size, colour and status bar are checked for every form by the shell tests.
TEST_F(VerSch, ComponentsMenuAndTimersAsDescribed)
{
    EXPECT_EQ(f.PaintBoxHaupt.BoundsRect(), QRect(0, 0, 792, 535)) << "the client area above the status bar";
    EXPECT_EQ(f.PaintBoxTitel.BoundsRect(), QRect(35, 4, 735, 30));
    EXPECT_EQ(f.moduleState().geometry, (versch::Chart { 35, 65, 772, 485, 84, 147 }));
    EXPECT_EQ(f.StatusBarHint.Font.Height(), -10) << "the form's font";
    EXPECT_FALSE(f.StatusBarHint.Font.Bold());
    for (const LineCase& l : kLines) {
        EXPECT_EQ((f.*l.timer).Interval(), 50) << l.name;
        EXPECT_FALSE((f.*l.timer).Enabled()) << l.name;
    }
    EXPECT_EQ(f.moduleState().ZugPunkt, (TPoint { 185, 270 }));
    EXPECT_EQ(f.moduleState().BrucheinPunkt, (TPoint { 185, 355 }));
    EXPECT_EQ(f.moduleState().StreckPunkt, (TPoint { 185, 360 }));
    EXPECT_EQ(f.moduleState().BruchdePunkt, (TPoint { 185, 445 }));
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Zugfestigkeit1", "Zugfestigkeit" }, { "Brucheinschnrung1", "Brucheinschnürung" },
            { "Streckgrenze1", "Streckgrenze" }, { "Bruchdehnung1", "Bruchdehnung" }, { "Neu1", "Neu" },
            { "ESC", "ESC", "Esc", false } }));
}

TEST_F(VerSch, GeometryFollowsThePaintBox)
{
    // The labels' place is computed from the geometry the last paint left.
    EXPECT_EQ(versch::chart(792, 535), (versch::Chart { 35, 65, 772, 485, 84, 147 }));
    EXPECT_EQ(versch::chart(700, 400), (versch::Chart { 35, 65, 680, 350, 57, 129 })) << "285 div 5, 645 div 5";
    EXPECT_EQ(versch::labelPos(versch::chart(792, 535), versch::kZug), (TPoint { 362, 263 })) << "Round(361.69)";
    EXPECT_EQ(versch::labelPos(versch::chart(700, 400), versch::kBruchde), (TPoint { 321, 300 }))
        << "Round(2.27 · 129 + 28) = Round(320.83)";
}

TEST_F(VerSch, StaticChart)
{
    // clang-format off
    const Pixel haupt[] = {
        // Background lines of width 3 at y = 3i in R = 255 − i.
        { 10, 30, RGB(245, 0, 0), "line 10" },
        { 780, 534, RGB(77, 0, 0), "line 178, the last row of the box" },
        { 10, 58, RGB(236, 0, 0), "row 58 lies on line 19 (rows 56 … 58)" },
        // The frame (35, 65)–(772, 485): pen #010000 of width 2, gold inside.
        { 34, 200, kFrame, "left edge: columns 34 and 35" },
        { 36, 200, kGold, "inside" },
        { 771, 200, kFrame, "right edge path x = 771" },
        { 700, 484, kFrame, "bottom edge path y = 484" },
        { 700, 487, RGB(93, 0, 0), "below the frame, row 487 on line 162" },
        // The dotted grid: dots of 3, gaps of 3 from each line's start.
        { 42, 401, kFrame, "y = 401 from x = 35: dots 35 … 37, 41 … 43" },
        { 39, 401, kGold, "a gap" },
        { 182, 72, kFrame, "x = 182 from y = 65: dots 65 … 67, 71 … 73" },
        { 182, 69, kGold, "a gap" },
        { 623, 150, kFrame, "x = 623 crosses y = 149 on a dot" },
        { 767, 100, kGold, "no vertical at the right edge: the grid has five columns" },
    };
    const Pixel titel[] = {
        { 0, 15, clBlack, "the default black pen" },
        { 734, 15, clBlack, "the right edge inside the strip" },
        { 5, 5, kGold, "gold inside" },
        { 66, 2, kGold, "the title's cell is filled gold" },
    };
    // clang-format on
    for (const Pixel& p : haupt)
        EXPECT_TRUE(shows(p));
    for (const Pixel& p : titel)
        EXPECT_TRUE(showsIn(f.PaintBoxTitel, p));

    // The labels: white, transparent, where the geometry puts them.
    struct Label {
        int x, y;
        const char* text;
    };
    const Label labels[] = { { 5, 43, "Streckgrenze+Zugfestigkeit / N/qmm " }, { 5, 59, "1500" }, { 5, 395, " 300" },
        { 520, 43, "Bruchdehnung+Brucheinschnürung/%" }, { 770, 227, " 90" }, { 28, 490, "450" }, { 763, 490, "700" },
        { 483, 507, "Anlasstemperatur / °C" } };
    TCanvas& c = f.PaintBoxHaupt.Canvas();
    for (const Label& l : labels) {
        const QString text = QString::fromUtf8(l.text);
        int white = 0, other = 0;
        for (int y = l.y; y < l.y + c.TextHeight(text); ++y)
            for (int x = l.x; x < l.x + c.TextWidth(text); ++x)
                (at(f.PaintBoxHaupt, x, y) == clWhite ? white : other)++;
        EXPECT_GT(white, 0) << l.text;
        EXPECT_GT(other, white) << l.text << ": the background shows between the strokes";
    }
    EXPECT_EQ(c.Font.Height(), 18);
}

TEST_F(VerSch, EachLineEndsAtItsTickWithItsLabel)
{
    for (const LineCase& l : kLines) {
        SCOPED_TRACE(l.name);
        (f.*l.item).Click();
        EXPECT_TRUE((f.*l.timer).Enabled());
        ticks(l.segments);
        EXPECT_EQ(f.moduleState().*l.punkt, l.end);
        EXPECT_TRUE((f.*l.timer).Enabled()) << "the last segment is drawn, the label not yet";
        EXPECT_TRUE(shows({ l.label.x, l.label.y, kGold, "no label before the line is done" }));
        EXPECT_TRUE(shows(l.onLine));
        EXPECT_TRUE(shows({ l.end.X - 1, l.end.Y, l.onLine.color, "the line's end" }));
        ticks(1);
        EXPECT_FALSE((f.*l.timer).Enabled()) << "done";
        EXPECT_EQ(f.moduleState().*l.punkt, l.end);
        EXPECT_TRUE(shows(l.label));
        EXPECT_TRUE(shows(l.beside));
        ticks(20);
        EXPECT_EQ(f.moduleState().*l.punkt, l.end) << "nothing more happens";
    }
}

TEST_F(VerSch, AllFourLinesRunTogetherEachInItsColour)
{
    for (const LineCase& l : kLines)
        (f.*l.item).Click();
    ticks(10);
    for (const LineCase& l : kLines) {
        EXPECT_TRUE((f.*l.timer).Enabled()) << l.name;
        EXPECT_TRUE(shows(l.onLine)) << l.name;
    }
    ticks(30);
    for (const LineCase& l : kLines) {
        EXPECT_FALSE((f.*l.timer).Enabled()) << l.name;
        EXPECT_EQ(f.moduleState().*l.punkt, l.end) << l.name;
        EXPECT_TRUE(shows(l.label)) << l.name;
    }
}

TEST_F(VerSch, ChoosingARunningLineAgainChangesNothing)
{
    f.Zugfestigkeit1.Click();
    ticks(10);
    f.Zugfestigkeit1.Click();
    ticks(10);
    EXPECT_EQ(f.moduleState().ZugPunkt, (TPoint { 185 + 20 * 12, 270 + 20 }));
}

TEST_F(VerSch, AFinishedLineOnlyWritesItsLabelAgain)
{
    f.Zugfestigkeit1.Click();
    ticks(38);
    f.Refresh();
    Application.flushPendingPaints();
    ASSERT_TRUE(showsChart()) << "a repaint erases the lines";
    f.Zugfestigkeit1.Click();
    ticks(1);
    EXPECT_FALSE(f.TimerZug.Enabled()) << "one tick";
    EXPECT_EQ(f.moduleState().ZugPunkt, (TPoint { 629, 307 }));
    EXPECT_TRUE(shows(kLines[0].label));
    EXPECT_TRUE(shows({ 191, 270, kGold, "the line stays erased" }));
}

TEST_F(VerSch, ARepaintErasesARunningLineWhichGoesOnFromItsEnd)
{
    f.Streckgrenze1.Click();
    ticks(10);
    f.Refresh();
    Application.flushPendingPaints();
    EXPECT_TRUE(showsChart());
    ticks(1);
    // The eleventh segment: (305, 370)–(317, 371).
    EXPECT_TRUE(shows({ 311, 370, kBlue, "the segment after the repaint" }));
    EXPECT_TRUE(shows({ 191, 360, kGold, "the first segment is gone" }));
}

TEST_F(VerSch, NeuDrawsTheChartOverTheLinesAndRestartsThem)
{
    f.Zugfestigkeit1.Click();
    f.Bruchdehnung1.Click();
    ticks(40);
    f.Streckgrenze1.Click();
    ticks(5);
    f.Neu1.Click();
    EXPECT_TRUE(showsChart());
    for (const LineCase& l : kLines)
        EXPECT_FALSE((f.*l.timer).Enabled()) << l.name;
    EXPECT_EQ(f.moduleState().ZugPunkt, (TPoint { 185, 270 }));
    EXPECT_EQ(f.moduleState().BrucheinPunkt, (TPoint { 185, 355 }));
    EXPECT_EQ(f.moduleState().StreckPunkt, (TPoint { 185, 360 }));
    EXPECT_EQ(f.moduleState().BruchdePunkt, (TPoint { 185, 445 }));
    f.Zugfestigkeit1.Click();
    ticks(1);
    EXPECT_TRUE(shows(kLines[0].onLine)) << "a new line from its start";
}

TEST_F(VerSch, ClosingMidLineStopsItAndTheNextOpeningStartsAfresh)
{
    f.Bruchdehnung1.Click();
    ticks(12);
    EXPECT_TRUE(f.pressKey(VK_ESCAPE));
    EXPECT_FALSE(f.Visible());
    EXPECT_FALSE(f.TimerBruchde.Enabled());
    EXPECT_EQ(f.moduleState().BruchdePunkt, (TPoint { 185, 445 }));
    f.Show();
    Application.flushPendingPaints();
    EXPECT_TRUE(showsChart());
    f.Bruchdehnung1.Click();
    ticks(1);
    EXPECT_EQ(f.moduleState().BruchdePunkt, (TPoint { 200, 444 }));
}
