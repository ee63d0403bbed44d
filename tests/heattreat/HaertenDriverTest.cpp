// The hardening lesson through the headless driver, opened from the main menu of the whole
// program: run lengths, end points, the order of the runs, resetting, Esc and the page colour.
#include "tests/heattreat/ProcessDriverTest.h"

#include <string>
#include <vector>

// Pixels are given in the form's client area: PaintBoxHaupt lies at (5, 5), PaintBoxLog at
// (445, 115).
using processtest::kGold;
using processtest::kRed;
using wbtest::ProgramRun;
using wbtest::StateView;

namespace {

ProgramRun run(const std::string& script, bool keepGoing = false)
{
    return processtest::runFromMenu(script, keepGoing);
}

// The state of the form at rest: unlocked, both run items enabled, both timers stopped.
void expectIdle(const StateView& state)
{
    processtest::expectIdle(state, { "Austenitisierung", "ZTUWasserabkuehlung" }, { "TimerZTA", "Timer600" });
}

} // namespace

TEST(HaertenDriver, AustenitisingRunIsLockedAfter172TicksAndDoneAfter173)
{
    const ProgramRun r = run("menu Haerten\n"
                             "menu Austenitisierung\n"
                             "state FormHaerten\n"
                             "advance 8600\n" // 172 ticks of 50 ms
                             "state FormHaerten\n"
                             "advance 50\n"
                             "state FormHaerten\n"
                             "pixel 220 296\n" // the quench's end (215, 291)
                             "pixel 220 298\n" // two pixels below it
                             "pixel 155 116\n" // the holding line at (150, 111)
                             "advance 1000\n"
                             "state FormHaerten\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 7u);
    for (int i : { 0, 1 }) {
        const StateView s = StateView(r.lines[i]);
        EXPECT_FALSE(s.enabled()) << "locked from the click on, state " << i;
        EXPECT_TRUE(s.raw().value(QStringLiteral("busy")).toBool()) << "the busy cursor while locked, state " << i;
        EXPECT_TRUE(s.timerEnabled("TimerZTA"));
        EXPECT_FALSE(s.itemEnabled("Austenitisierung"));
    }
    for (int i : { 2, 6 }) {
        const StateView s = StateView(r.lines[i]);
        EXPECT_TRUE(s.enabled()) << "state " << i;
        EXPECT_FALSE(s.raw().value(QStringLiteral("busy")).toBool()) << "state " << i;
        EXPECT_FALSE(s.timerEnabled("TimerZTA"));
        EXPECT_FALSE(s.itemEnabled("Austenitisierung")) << "until Löschen / Neu or closing";
        EXPECT_TRUE(s.itemEnabled("ZTUWasserabkuehlung"));
    }
    EXPECT_EQ(r.lines[3], kRed);
    EXPECT_EQ(r.lines[4], kGold) << "the 3-pixel pen reaches one pixel past the end";
    EXPECT_EQ(r.lines[5], kRed);
}

TEST(HaertenDriver, QuenchRunIsDoneAfterExactly33TicksOfOneMillisecond)
{
    const ProgramRun r = run("menu Haerten\n"
                             "menu ZTUWasserabkuehlung\n"
                             "advance 32\n"
                             "state FormHaerten\n"
                             "advance 1\n"
                             "state FormHaerten\n"
                             "pixel 544 299\n" // the curve's end (99, 184) of PaintBoxLog
                             "pixel 544 302\n" // three pixels below it
                             "pixel 510 227\n" // the mark (65, 110, 71, 116): left edge at mid-height
                             "pixel 512 227\n" // inside it
                             "pixel 515 227\n" // right edge
                             "pixel 516 227\n"); // the martensite start line beside it
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 8u);
    const StateView during = StateView(r.lines[0]);
    EXPECT_FALSE(during.enabled());
    EXPECT_TRUE(during.timerEnabled("Timer600"));
    const StateView after = StateView(r.lines[1]);
    EXPECT_TRUE(after.enabled());
    EXPECT_FALSE(after.timerEnabled("Timer600"));
    EXPECT_FALSE(after.itemEnabled("ZTUWasserabkuehlung"));
    EXPECT_TRUE(after.itemEnabled("Austenitisierung"));
    const std::vector<std::string> pixels(r.lines.begin() + 2, r.lines.end());
    EXPECT_EQ(pixels, (std::vector<std::string> { kRed, kGold, "#0000FF", "#000000", "#0000FF", "#010000" }));
}

TEST(HaertenDriver, BothRunsInEitherOrder)
{
    const std::string aust = "menu Austenitisierung\nadvance 8650\n";
    const std::string quench = "menu ZTUWasserabkuehlung\nadvance 33\n";
    const std::string look = "state FormHaerten\n"
                             "pixel 220 296\n" // austenitising end point
                             "pixel 544 299\n" // quench end point
                             "pixel 512 227\n" // inside the mark
                             "pixel 295 279\n"; // " Martensit " cell under the process diagram's martensite frame
    const ProgramRun ab = run("menu Haerten\n" + aust + quench + look);
    const ProgramRun ba = run("menu Haerten\n" + quench + aust + look);
    ASSERT_EQ(ab.code, 0) << ab.err;
    ASSERT_EQ(ba.code, 0) << ba.err;
    ASSERT_EQ(ab.lines.size(), 5u);
    EXPECT_EQ(ab.lines, ba.lines);
    const StateView s = StateView(ab.lines[0]);
    EXPECT_TRUE(s.enabled());
    EXPECT_FALSE(s.itemEnabled("Austenitisierung"));
    EXPECT_FALSE(s.itemEnabled("ZTUWasserabkuehlung"));
    EXPECT_EQ(std::vector<std::string>(ab.lines.begin() + 1, ab.lines.begin() + 4),
        (std::vector<std::string> { kRed, kRed, "#000000" }));
}

TEST(HaertenDriver, LoeschenNeuIsOutOfReachDuringARunAndClearsAfterIt)
{
    const ProgramRun r = run("menu Haerten\n"
                             "menu Austenitisierung\n"
                             "advance 3000\n"
                             "menu NEU\n" // refused: the form is locked
                             "close\n" // refused as well
                             "advance 5650\n"
                             "menu ZTUWasserabkuehlung\n"
                             "advance 33\n"
                             "menu NEU\n"
                             "state FormHaerten\n"
                             "pixel 220 296\n"
                             "pixel 155 116\n"
                             "pixel 544 299\n",
        true);
    EXPECT_NE(r.err.find("line 5: FormHaerten is disabled"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 6: FormHaerten is disabled"), std::string::npos) << r.err;
    ASSERT_EQ(r.lines.size(), 4u);
    expectIdle(StateView(r.lines[0]));
    // The static picture again: gold inside both diagrams where the curves were.
    EXPECT_EQ(r.lines[1], kGold);
    EXPECT_EQ(r.lines[2], kGold);
    EXPECT_EQ(r.lines[3], kGold);
}

TEST(HaertenDriver, EscMidRunLeavesACleanFormForTheNextOpening)
{
    struct Case {
        const char* start;
        int ms;
    };
    for (const Case c : { Case { "Austenitisierung", 3000 }, Case { "ZTUWasserabkuehlung", 20 } }) {
        SCOPED_TRACE(c.start);
        const ProgramRun r = run(std::string("menu Haerten\nmenu ") + c.start + "\nadvance " + std::to_string(c.ms)
            + "\n"
              "key Esc\n"
              "state FormHaerten\n"
              "advance 10000\n"
              "menu Haerten\n"
              "state FormHaerten\n"
              "pixel 155 116\n" // the holding line's place
              "pixel 481 147\n" // the quench curve's place, (36, 32) of PaintBoxLog
              "menu Austenitisierung\n"
              "advance 50\n"
              "pixel 45 305\n" // a new run starts at (40, 300)
              "pixel 105 269\n"); // with the first frame at (90, 180)
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 6u);
        const StateView closed = StateView(r.lines[0]);
        EXPECT_FALSE(closed.visible());
        expectIdle(closed);
        expectIdle(StateView(r.lines[1]));
        EXPECT_EQ(r.lines[2], kGold);
        EXPECT_EQ(r.lines[3], kGold);
        EXPECT_EQ(r.lines[4], kRed);
        EXPECT_NE(r.lines[5], kGold) << "the frame covers the diagram there";
    }
}

TEST(HaertenDriver, PageColourChosenInTheMainMenuShowsAroundTheDiagram)
{
    const ProgramRun r
        = run("color #123456\n"
              "menu Farbewaehlen\n"
              "menu Haerten\n"
              "pixel 2 2\n" // above and left of PaintBoxHaupt
              "pixel 7 100\n" // inside PaintBoxHaupt, left of the colour bands (they start at x = 3 of it)
              "pixel 780 200\n" // right of it
              "pixel 100 525\n" // below the definition panel
              "pixel 8 100\n" // the first band column
              "menu Austenitisierung\n"
              "advance 8650\n"
              "pixel 2 2\n");
    ASSERT_EQ(r.code, 0) << r.err;
    // Row 95 of the paint box shows band 96, drawn after band 95: G = 255 − 2 · 96 = 63. The
    // run's end leaves the colour as it was.
    const std::vector<std::string> want = { "#123456", "#123456", "#123456", "#123456", "#FF3F00", "#123456" };
    EXPECT_EQ(r.lines, want);
}
