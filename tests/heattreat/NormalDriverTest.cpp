// The normalising lesson through the headless driver, opened from the main menu of the whole
// program: the lengths of both runs and F2 during the ZTU run. F2 on the process run, "Löschen /
// Neu" and Esc are tested with the quench-and-temper lesson's (PausableLessonDriverTest.cpp).
#include "tests/heattreat/ProcessDriverTest.h"

#include <string>
#include <vector>

// Pixels are given in the form's client area: PaintBoxHaupt lies at (5, 5), PaintBoxLog at
// (445, 115).
using processtest::kRed;
using wbtest::ProgramRun;
using wbtest::StateView;

namespace {

ProgramRun run(const std::string& script)
{
    return processtest::runFromMenu(script);
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
