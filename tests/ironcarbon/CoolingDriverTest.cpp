// The cooling lessons at 0.6, 1.2 and 3.0 % C through the headless driver, as a user meets them:
// opened from the main menu, started from their menu, pixels read off the diagram at the ticks
// where the run draws, erases or ends.
#include "tests/support/Program.h"

#include <algorithm>
#include <vector>

using namespace wb;
using wbtest::Script;
using wbtest::StateView;

namespace {

// The diagram lies at (10, 30) in the client area; a start runs at 500 ms per tick, the first
// tick 500 ms after the start.
constexpr int kLinks = 10;
constexpr int kOben = 30;
constexpr int kTakt = 500;

constexpr TColor kGrau = RGB(0x80, 0x80, 0x80); // the moving tie line's pen, in NOT-XOR
constexpr TColor kGelb = RGB(0xFF, 0xFF, 0x00); // the field above its shading

// The field's shading: lines of width 3 at y = 3i + 40 (i = 20 … 136) in red 255, green 275 − i,
// so that row y (99 … 449) has the colour of line (y − 39) div 3; above them the field is yellow.
constexpr TColor shade(int y)
{
    return y < 99 ? kGelb : RGB(255, 275 - (y - 39) / 3, 0);
}
constexpr TColor konode(TColor under)
{
    return wbtest::notXor(under, kGrau);
}

// A pixel of the diagram just after a tick, counted from 0 after the start.
struct Sample {
    int tick;
    int x, y;
    TColor expected;
    const char* why;
};

// Opens the lesson, starts it and reads every sample just after its tick.
void expectSamples(const char* menuItem, std::vector<Sample> samples)
{
    std::stable_sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.tick < b.tick; });
    Script s { "screen 1024 768", "skip-cover", std::string("menu ") + menuItem, "menu Start" };
    int now = 0;
    std::vector<int> queries;
    for (const Sample& p : samples) {
        const int due = kTakt * (p.tick + 1);
        if (due > now)
            s << "advance " + std::to_string(due - now);
        now = due;
        queries.push_back(s.pixel(kLinks + p.x, kOben + p.y));
    }
    s << "key Esc"
      << "key Esc";
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    for (size_t i = 0; i < samples.size(); ++i) {
        const Sample& p = samples[i];
        EXPECT_EQ(s.color(queries[i]), p.expected)
            << p.why << " — (" << p.x << ", " << p.y << ") after tick " << p.tick << ": " << s.answer(queries[i]);
    }
}

std::string advanceTo(int tick, int& now)
{
    const int due = kTakt * (tick + 1);
    const std::string line = "advance " + std::to_string(due - now);
    now = due;
    return line;
}

} // namespace

// 0.6 % C: the marker's end is 22 + 2·tick; solidification rows 70 … 104 (ticks 24 … 41), ferrite
// rows 384 … 394 (ticks 181 … 186), the jump to 448 at tick 187.
TEST(CoolingDriver, At06TheTieLinesOfEachStageComeGoAndStayAtTheirTicks)
{
    expectSamples("C06",
        {
            { 23, 95, 70, kGelb, "before the first tie line" },
            { 24, 95, 70, clBlack, "the first solidification tie line (77, 70)-(113, 70), on the diagram" },
            { 25, 95, 70, clBlack, "it stays: the next row's erase does not touch it" },
            { 23, 115, 56, kGelb, "before the point label" },
            { 24, 115, 56, clWhite, "the cell of \"1\" on the white brush of the tick" },
            { 28, 120, 80, kGelb, "before row 80" },
            { 29, 120, 80, konode(kGelb), "row 80's tie line (87, 80)-(150, 80) on the overlay" },
            { 30, 120, 80, kGelb, "erased by drawing it again at row 82" },
            { 26, 335, 115, shade(115), "before the captions" },
            { 27, 335, 115, clRed, "the blanks of \"1-2  Schmelze       \" on red" },
            { 27, 347, 109, RGB(0x80, 0x00, 0x00), "the leading blank of \" Austenit \" on brown" },
            { 40, 200, 102, konode(shade(102)), "row 102's moving tie line" },
            { 40, 200, 104, shade(104), "row 104 not yet" },
            { 41, 200, 102, shade(102), "erased at the last row of the stage" },
            { 41, 200, 104, clBlack, "the last tie line (112, 104)-(238, 104) stays on the diagram" },
            { 42, 200, 104, clBlack, "and nothing takes it away" },
            { 180, 80, 384, shade(384), "before the ferrite stage" },
            { 181, 80, 384, clBlack, "the first ferrite tie line (55, 384)-(110, 384)" },
            { 182, 80, 388, shade(388), "row 388 not yet" },
            { 183, 80, 388, konode(shade(388)), "row 388's moving tie line" },
            { 184, 80, 388, shade(388), "erased at row 390" },
            { 185, 120, 394, shade(394), "before the last ferrite row" },
            { 186, 120, 394, clBlack, "the last ferrite tie line ends at (126, 394) and stays" },
            { 185, 54, 394, shade(394), "" },
            { 186, 54, 394, clBlack, "it starts at 55, a pixel left of where the ferrite trace ends (56, 394)" },
            { 186, 110, 420, shade(420), "the marker still ends at 394" },
            { 187, 110, 420, clBlack, "the marker jumps: (110, 396)-(110, 448)" },
        });
}

// 1.2 % C: solidification rows 86 … 156 (ticks 32 … 67), cementite rows 324 … 394 (ticks 151 …
// 186) and the final tie line on P-S-K at tick 187.
TEST(CoolingDriver, At12TheTieLinesOfEachStageComeGoAndStayAtTheirTicks)
{
    expectSamples("C12",
        {
            { 31, 130, 86, kGelb, "before the first tie line" },
            { 32, 130, 86, clBlack, "the first tie line (92, 86)-(170, 86)" },
            { 33, 130, 86, clBlack, "stays" },
            { 33, 130, 88, konode(kGelb), "row 88: only the moving tie line" },
            { 33, 174, 87, konode(kGelb), "no trace from (170, 86) under it at row 88" },
            { 34, 130, 88, kGelb, "erased at row 90" },
            { 34, 174, 87, clBlack, "the liquidus trace starts at row 90, from (171, 86)" },
            { 66, 250, 156, shade(156), "before the last solidification row" },
            { 67, 250, 156, clBlack, "the last tie line (170, 156)-(365, 156) stays" },
            { 68, 250, 156, clBlack, "and nothing takes it away" },
            { 150, 600, 324, shade(324), "before the cementite stage" },
            { 151, 600, 324, clBlack, "the first cementite tie line (170, 324)-(717, 324)" },
            { 151, 214, 324, RGB(0x80, 0x80, 0x80), "\" Zementit \" is written over it, on grey" },
            { 168, 600, 360, shade(360), "row 360 not yet" },
            { 169, 600, 360, konode(shade(360)), "row 360's moving tie line" },
            { 170, 600, 360, shade(360), "erased at row 362" },
            { 186, 600, 393, konode(shade(393)), "row 394's moving tie line" },
            { 186, 600, 396, shade(396), "" },
            { 187, 600, 393, shade(393), "erased at the end of the stage" },
            { 187, 600, 396, clBlack, "the final tie line one pixel higher, (130, 395)-(717, 395)" },
            { 186, 170, 440, shade(440), "the marker still ends at 394" },
            { 187, 170, 440, clBlack, "the marker runs to the bottom: (170, 396)-(170, 450)" },
            { 187, 261, 470, clSilver, "\"  Perlit \" on silver" },
            { 187, 304, 470, RGB(0x80, 0x80, 0x80), "\" Zementit \" on grey" },
        });
}

// 3.0 % C: the marker's end is 23 + 2·tick, every row four pixels below the last, so the
// keyframes fall on every other tick; solidification rows 149 … 213 (ticks 63 … 95), the eutectic
// at tick 97, cementite rows 217 … 393 (ticks 97 … 185), the final tie line at tick 187.
TEST(CoolingDriver, At30TheTieLinesOfEachStageComeGoAndStayAtTheirTicks)
{
    expectSamples("C30",
        {
            { 62, 250, 149, shade(149), "before the first tie line" },
            { 63, 250, 149, clBlack, "the first tie line (163, 149)-(350, 149)" },
            { 65, 250, 149, clBlack, "stays" },
            { 62, 355, 131, shade(131), "before the point label" },
            { 63, 355, 131, clYellow, "the cell of \"1\" on the yellow brush of this lesson's tick" },
            { 78, 300, 181, shade(181), "row 181 not yet" },
            { 79, 300, 181, konode(shade(181)), "row 181's moving tie line" },
            { 80, 300, 181, konode(shade(181)), "the tick between two rows leaves it" },
            { 81, 300, 181, shade(181), "erased at row 185" },
            { 64, 97, 110, shade(110), "before the captions" },
            { 65, 97, 110, RGB(0x80, 0x00, 0x00), "the leading blank of \" Austenit \" on brown" },
            { 96, 400, 213, konode(shade(213)), "row 213's moving tie line" },
            { 97, 400, 213, shade(213), "erased when the melt turns into ledeburite" },
            { 96, 600, 218, shade(218), "" },
            { 97, 600, 218, clBlack, "the first cementite tie line (256, 217)-(717, 217) stays" },
            { 99, 600, 218, clBlack, "also after the next row" },
            { 96, 24, 226, RGB(255, 325 - 226, 0), "the background left of the field" },
            { 97, 24, 226, RGB(0x80, 0x80, 0x80), "the blanks of \"2     Ledeburit \" on grey" },
            { 138, 700, 301, shade(301), "row 301 not yet" },
            { 139, 700, 301, konode(shade(301)), "row 301's moving tie line" },
            { 141, 700, 301, shade(301), "erased at row 305" },
            { 186, 600, 393, konode(shade(393)), "row 393's moving tie line" },
            { 187, 600, 393, shade(393), "erased at the end of the stage" },
            { 187, 600, 396, clBlack, "the final tie line (130, 395)-(717, 395)" },
            { 188, 350, 430, shade(430), "the marker still ends at 399" },
            { 189, 350, 430, clBlack, "the last tick: (350, 397)-(350, 451)" },
        });
}

// The last tick stops the timer; one tick earlier it still runs. A start after the end stops again
// at its first tick and draws nothing; the mend matters in the cast-iron lesson, whose marker
// would otherwise step past its end and tick on for ever.
TEST(CoolingDriver, RunsEndAtTheirLastTickAndAStartAfterTheEndStopsAtOnce)
{
    struct Case {
        const char* menuItem;
        const char* form;
        int lastTick;
        int x, y; // a pixel only the marker's last step reaches
    };
    const Case cases[] = {
        { "C06", "FormEKD06", 188, 110, 450 }, // (110, 448)-(110, 450); the jump reached 449
        { "C12", "FormEKD12", 187, 170, 450 }, // (170, 396)-(170, 450), drawn by the last tick itself
        { "C30", "FormEKD30", 189, 350, 451 }, // (350, 397)-(350, 451)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        Script s { "screen 1024 768", "skip-cover", std::string("menu ") + c.menuItem, "menu Start" };
        int now = 0;
        s << advanceTo(c.lastTick - 1, now);
        const int running = s.state(c.form);
        const int notYet = s.pixel(kLinks + c.x, kOben + c.y);
        s << advanceTo(c.lastTick, now);
        const int ended = s.state(c.form);
        const int last = s.pixel(kLinks + c.x, kOben + c.y);
        s << "menu Start";
        const int restarted = s.state(c.form);
        s << "advance 500";
        const int stoppedAgain = s.state(c.form);
        const int still = s.pixel(kLinks + c.x, kOben + c.y);
        const int below = s.pixel(kLinks + c.x, kOben + 453);
        s << "advance 5000";
        const int later = s.state(c.form);
        s << "key Esc"
          << "key Esc";
        s.run();
        ASSERT_EQ(s.code(), 0) << s.err();
        EXPECT_TRUE(s.stateView(running).timerEnabled("TimerHaupt"));
        EXPECT_NE(s.color(notYet), clBlack);
        EXPECT_FALSE(s.stateView(ended).timerEnabled("TimerHaupt"));
        EXPECT_EQ(s.color(last), clBlack);
        EXPECT_TRUE(s.stateView(restarted).timerEnabled("TimerHaupt")) << "a start after the end enables the timer";
        EXPECT_FALSE(s.stateView(stoppedAgain).timerEnabled("TimerHaupt")) << "whose first tick ends the run";
        EXPECT_EQ(s.color(still), clBlack);
        EXPECT_NE(s.color(below), clBlack) << "the marker did not step on below the field";
        EXPECT_FALSE(s.stateView(later).timerEnabled("TimerHaupt"));
    }
}

// "Löschen/Neu" stops the run, erases it and starts the next run from the top; the speed bar moves
// the next keyframe's tick by restarting the period at the new interval.
TEST(CoolingDriver, NeuRestartsFromTheTopAndTheSpeedBarChangesTheIntervalAtOnce)
{
    struct Case {
        const char* menuItem;
        const char* form;
        int firstTie; // the tick of the first tie line
        int x, y; // a pixel of it
        int markerX; // the alloy's vertical
    };
    const Case cases[] = {
        { "C06", "FormEKD06", 24, 95, 70, 110 },
        { "C12", "FormEKD12", 32, 130, 86, 170 },
        { "C30", "FormEKD30", 63, 250, 149, 350 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        const std::string tie = "pixel " + std::to_string(kLinks + c.x) + " " + std::to_string(kOben + c.y);
        Script s { "screen 1024 768", "skip-cover", std::string("menu ") + c.menuItem, "menu Start" };
        int now = 0;
        s << advanceTo(c.firstTie + 5, now);
        const int drawn = s.pixel(kLinks + c.x, kOben + c.y);
        s << "menu Neu";
        const int reset = s.state(c.form);
        const int erased = s.pixel(kLinks + c.x, kOben + c.y);
        const int marker = s.pixel(kLinks + c.markerX, kOben + 25);
        s << "menu Start"
          << "advance " + std::to_string(kTakt * (c.firstTie + 1) - 1);
        const int beforeTie = s.pixel(kLinks + c.x, kOben + c.y);
        s << "advance 1";
        const int atTie = s.pixel(kLinks + c.x, kOben + c.y);
        s << "menu Neu"
          << "menu Start"
          << "advance 5500"; // just after tick 10
        s << "scroll ScrollBarVAb 100";
        const int scrolled = s.state(c.form);
        // The ticks from 11 on now come every 100 ms from the scroll.
        s << "advance " + std::to_string(100 * (c.firstTie - 10) - 1);
        const int fastBefore = s.pixel(kLinks + c.x, kOben + c.y);
        s << "advance 1";
        const int fastAt = s.pixel(kLinks + c.x, kOben + c.y);
        s << "menu Start";
        const int startedAgain = s.state(c.form);
        s << "key Esc"
          << "key Esc";
        s.run();
        ASSERT_EQ(s.code(), 0) << s.err();
        EXPECT_EQ(s.color(drawn), clBlack);
        EXPECT_FALSE(s.stateView(reset).timerEnabled("TimerHaupt"));
        EXPECT_EQ(s.color(erased), shade(c.y)) << "the repaint took the run away";
        EXPECT_EQ(s.color(marker), kGelb) << "and the marker with it";
        EXPECT_EQ(s.color(beforeTie), shade(c.y)) << "the new run starts at the top, not where the old one stood";
        EXPECT_EQ(s.color(atTie), clBlack);
        const StateView fast = s.stateView(scrolled);
        EXPECT_EQ(fast.timer("TimerHaupt").value(QStringLiteral("interval")).toInt(), 100);
        EXPECT_EQ(fast.component("ScrollBarVAb").value(QStringLiteral("position")).toInt(), 100);
        EXPECT_EQ(s.color(fastBefore), shade(c.y));
        EXPECT_EQ(s.color(fastAt), clBlack);
        const StateView again = s.stateView(startedAgain);
        EXPECT_EQ(again.timer("TimerHaupt").value(QStringLiteral("interval")).toInt(), 500) << "a start runs at 500";
        EXPECT_EQ(again.component("ScrollBarVAb").value(QStringLiteral("position")).toInt(), 100)
            << "and leaves the thumb where it was";
    }
}

// Closing during a run with the text shown (Esc, "Ende" or the close box, which here does the same
// on purpose): the next opening is idle, without the text and at the top.
TEST(CoolingDriver, ClosingResetsTheRunAndHidesTheText)
{
    struct Case {
        const char* menuItem;
        const char* form;
        int x, y; // a pixel of the marker by tick 99, away from the tie lines that cross it
        const char* closing;
    };
    const Case cases[] = {
        { "C06", "FormEKD06", 110, 200, "key Esc" },
        { "C12", "FormEKD12", 170, 200, "key Esc" },
        { "C30", "FormEKD30", 350, 191, "key Esc" },
        { "C12", "FormEKD12", 170, 200, "menu Ende" },
        { "C30", "FormEKD30", 350, 191, "close" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.form) + ", " + c.closing);
        Script s { "screen 1024 768", "skip-cover", std::string("menu ") + c.menuItem, "menu Start", "key F1",
            "advance 50000" };
        const int running = s.state(c.form);
        const int drawn = s.pixel(kLinks + c.x, kOben + c.y);
        s << c.closing;
        const int top = s.forms();
        s << "advance 5000" << std::string("menu ") + c.menuItem;
        const int reopened = s.state(c.form);
        const int clean = s.pixel(kLinks + c.x, kOben + c.y);
        s << "key Esc"
          << "key Esc";
        s.run();
        ASSERT_EQ(s.code(), 0) << s.err();
        EXPECT_TRUE(s.stateView(running).visible("MemoErlaeuterung"));
        EXPECT_EQ(s.color(drawn), clBlack);
        EXPECT_EQ(s.json(top).value(QStringLiteral("top")).toString(), QStringLiteral("FormMenue"));
        const StateView idle = s.stateView(reopened);
        EXPECT_FALSE(idle.visible("MemoErlaeuterung"));
        EXPECT_FALSE(idle.timerEnabled("TimerHaupt"));
        EXPECT_EQ(s.color(clean), shade(c.y)) << "the static diagram only";
    }
}

// A repaint during a run (the driver's repaint, as uncovering the window) erases everything drawn
// so far; the run goes on, and its next erase draws the tie line it meant to take away, which then
// stays as a grey line.
TEST(CoolingDriver, ARepaintMidRunLosesTheTracesAndLeavesTheNextErasedTieLine)
{
    Script s { "screen 1024 768", "skip-cover", "menu C06", "menu Start" };
    int now = 0;
    s << advanceTo(30, now) << "repaint";
    const int firstTie = s.pixel(kLinks + 95, kOben + 70);
    const int row82 = s.pixel(kLinks + 120, kOben + 82);
    s << advanceTo(31, now);
    const int erased = s.pixel(kLinks + 120, kOben + 82);
    const int row84 = s.pixel(kLinks + 120, kOben + 84);
    s << advanceTo(33, now);
    const int stays = s.pixel(kLinks + 120, kOben + 82);
    const int state = s.state("FormEKD06");
    s << "key Esc"
      << "key Esc";
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(s.color(firstTie), kGelb) << "the first tie line is gone with the repaint";
    EXPECT_EQ(s.color(row82), kGelb) << "and so is row 82's moving line";
    EXPECT_EQ(s.color(erased), konode(kGelb)) << "the erase at row 84 draws row 82's line instead";
    EXPECT_EQ(s.color(row84), konode(kGelb));
    EXPECT_EQ(s.color(stays), konode(kGelb)) << "nothing erases it again";
    EXPECT_TRUE(s.stateView(state).timerEnabled("TimerHaupt"));
}
