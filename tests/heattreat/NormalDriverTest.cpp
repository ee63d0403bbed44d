// The normalising lesson through the headless driver, opened from the main menu of the whole
// program: the lengths of both runs, F2, "Löschen / Neu" and Esc.
#include "tests/support/Program.h"

#include <string>
#include <vector>

namespace {

// Pixels are given in the form's client area: PaintBoxHaupt lies at (5, 5), PaintBoxLog at
// (445, 115).
constexpr const char* kGold = "#FFD700";
constexpr const char* kRed = "#FF0000";

using wbtest::ProgramRun;
using wbtest::StateView;

ProgramRun run(const std::string& script, bool keepGoing = false)
{
    return wbtest::runProgram("skip-cover\n" + script, keepGoing);
}

void expectIdle(const StateView& state)
{
    EXPECT_TRUE(state.enabled());
    EXPECT_TRUE(state.itemEnabled("Austenitisierung"));
    EXPECT_TRUE(state.itemEnabled("ZTULuftab"));
    EXPECT_TRUE(state.itemEnabled("Prozessanhalten"));
    EXPECT_FALSE(state.timerEnabled("TimerZTA"));
    EXPECT_FALSE(state.timerEnabled("Timer15"));
}

} // namespace

TEST(NormalDriver, ProcessRunIsLockedAtItsTick247AndDoneAtIts248th)
{
    const ProgramRun r = run("menu Normal\n"
                             "menu Austenitisierung\n"
                             "advance 12350\n" // 247 ticks of 50 ms
                             "state FormNormal\n"
                             "advance 50\n"
                             "state FormNormal\n"
                             "pixel 294 276\n" // the cooling line's end (289, 271)
                             "pixel 295 278\n" // " Ferrit/Perlit " at (290, 273), white on black
                             "pixel 150 116\n" // the hold at (145, 111)
                             "advance 1000\n"
                             "state FormNormal\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 6u);
    const StateView during(r.lines[0]);
    EXPECT_FALSE(during.enabled());
    EXPECT_TRUE(during.timerEnabled("TimerZTA"));
    EXPECT_TRUE(during.itemEnabled("Prozessanhalten"));
    for (int i : { 1, 5 }) {
        const StateView s(r.lines[i]);
        EXPECT_TRUE(s.enabled()) << "state " << i;
        EXPECT_FALSE(s.timerEnabled("TimerZTA"));
        EXPECT_FALSE(s.itemEnabled("Austenitisierung"));
        EXPECT_FALSE(s.itemEnabled("Prozessanhalten"));
        EXPECT_TRUE(s.itemEnabled("ZTULuftab"));
    }
    EXPECT_EQ(std::vector<std::string>(r.lines.begin() + 2, r.lines.begin() + 5),
        (std::vector<std::string> { kRed, "#000000", kRed }));
}

TEST(NormalDriver, ZtuRunIsDoneAfter73Ticks)
{
    const ProgramRun r = run("menu Normal\n"
                             "menu ZTULuftab\n"
                             "advance 3600\n" // 72 ticks
                             "state FormNormal\n"
                             "advance 50\n"
                             "state FormNormal\n"
                             "pixel 641 268\n" // the last step through (196, 153)
                             "pixel 594 278\n" // the caption at (149, 163) on #800080
                             "pixel 585 142\n" // inside the first mark, (140, 27)
                             "pixel 603 156\n"); // inside the white mark, (158, 41)
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 6u);
    const StateView during(r.lines[0]);
    EXPECT_FALSE(during.enabled());
    EXPECT_TRUE(during.timerEnabled("Timer15"));
    const StateView after(r.lines[1]);
    EXPECT_TRUE(after.enabled());
    EXPECT_FALSE(after.timerEnabled("Timer15"));
    EXPECT_FALSE(after.itemEnabled("ZTULuftab"));
    EXPECT_TRUE(after.itemEnabled("Austenitisierung"));
    EXPECT_EQ(std::vector<std::string>(r.lines.begin() + 2, r.lines.end()),
        (std::vector<std::string> { kRed, "#800080", "#000000", "#FFFFFF" }));
}

TEST(NormalDriver, F2PausesAndResumesTheProcessRun)
{
    const ProgramRun r = run("menu Normal\n"
                             "menu Austenitisierung\n"
                             "advance 10000\n" // 200 ticks: cooling at (242, 177)
                             "key F2\n"
                             "state FormNormal\n"
                             "advance 3000\n"
                             "pixel 248 184\n" // (243, 179): not reached while paused
                             "key F2\n"
                             "advance 50\n"
                             "pixel 248 183\n" // now drawn
                             "advance 2350\n" // the remaining 47 ticks
                             "state FormNormal\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 4u);
    const StateView paused(r.lines[0]);
    EXPECT_FALSE(paused.timerEnabled("TimerZTA"));
    EXPECT_FALSE(paused.enabled());
    EXPECT_EQ(r.lines[1], kGold);
    EXPECT_EQ(r.lines[2], kRed);
    const StateView done(r.lines[3]);
    EXPECT_TRUE(done.enabled());
    EXPECT_FALSE(done.timerEnabled("TimerZTA"));
}

TEST(NormalDriver, F2DoesNothingWithoutAProcessRunUnderWay)
{
    struct Case {
        const char* when;
        const char* before;
    };
    const Case cases[] = {
        { "never started", "" },
        { "finished", "menu Austenitisierung\nadvance 12400\n" },
        { "after Löschen / Neu", "menu Austenitisierung\nadvance 12400\nmenu NEU\n" },
        { "after the ZTU run", "menu ZTULuftab\nadvance 3650\n" },
        { "after Esc mid-run", "menu Austenitisierung\nadvance 3000\nkey Esc\nmenu Normal\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        const ProgramRun r = run(std::string("menu Normal\n") + c.before
            + "pixel 50 116\n" // the holding line's height at x = 45
              "pixel 100 200\n" // the heating line's way
              "key F2\n"
              "advance 3000\n"
              "state FormNormal\n"
              "pixel 50 116\n"
              "pixel 100 200\n");
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 5u);
        const StateView s(r.lines[2]);
        EXPECT_FALSE(s.timerEnabled("TimerZTA"));
        EXPECT_FALSE(s.timerEnabled("Timer15"));
        EXPECT_TRUE(s.enabled());
        EXPECT_EQ(r.lines[3], r.lines[0]) << "nothing drawn";
        EXPECT_EQ(r.lines[4], r.lines[1]) << "nothing drawn";
    }
}

TEST(NormalDriver, F2DuringTheZtuRunStartsNoSecondTimer)
{
    const ProgramRun r = run("menu Normal\n"
                             "menu ZTULuftab\n"
                             "advance 1000\n"
                             "key F2\n"
                             "state FormNormal\n"
                             "advance 2650\n"
                             "state FormNormal\n"
                             "pixel 641 268\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 3u);
    const StateView during(r.lines[0]);
    EXPECT_FALSE(during.timerEnabled("TimerZTA"));
    EXPECT_TRUE(during.timerEnabled("Timer15"));
    EXPECT_FALSE(StateView(r.lines[1]).timerEnabled("Timer15")) << "done after its 73 ticks";
    EXPECT_EQ(r.lines[2], kRed) << "the curve ends where it would have";
}

TEST(NormalDriver, LoeschenNeuAfterEachRunAndEscMidEither)
{
    const ProgramRun r = run("menu Normal\n"
                             "menu Austenitisierung\n"
                             "advance 12400\n"
                             "menu NEU\n"
                             "state FormNormal\n"
                             "pixel 150 116\n"
                             "menu ZTULuftab\n"
                             "advance 3650\n"
                             "menu NEU\n"
                             "state FormNormal\n"
                             "pixel 641 268\n"
                             "menu Austenitisierung\n"
                             "advance 3000\n"
                             "key Esc\n"
                             "menu Normal\n"
                             "state FormNormal\n"
                             "menu ZTULuftab\n"
                             "advance 1000\n"
                             "key Esc\n"
                             "menu Normal\n"
                             "state FormNormal\n"
                             "pixel 50 116\n"
                             "pixel 500 118\n"); // the ZTU curve's place, (55, 3) of PaintBoxLog
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 8u);
    expectIdle(StateView(r.lines[0]));
    EXPECT_EQ(r.lines[1], kGold);
    expectIdle(StateView(r.lines[2]));
    EXPECT_EQ(r.lines[3], kGold);
    expectIdle(StateView(r.lines[4]));
    expectIdle(StateView(r.lines[5]));
    EXPECT_EQ(r.lines[6], kGold);
    EXPECT_EQ(r.lines[7], kGold);
}
