// The normalising and the quench-and-temper lessons through the headless driver, opened from the
// main menu of the whole program: F2 pausing and resuming the process run, F2 doing nothing at
// every other time, "Löschen / Neu" after each run and Esc in the middle of each.
#include "tests/heattreat/ProcessDriverTest.h"

#include <string>
#include <vector>

using processtest::expectIdle;
using processtest::kGold;
using processtest::kRed;
using processtest::runFromMenu;
using wbtest::ProgramRun;
using wbtest::StateView;

namespace {

// A run of a lesson: its item and timer, how long it takes in all, a pixel of its curve once it
// has ended, and a time in the middle of it with a pixel its curve has reached by then.
struct LessonRun {
    const char* item;
    const char* timer;
    int ms;
    const char* drawn;
    int midMs;
    const char* drawnByMid;
};

struct Lesson {
    const char* form;
    const char* menu; // of the main menu
    std::vector<LessonRun> runs; // the process run first
    // Pausing the process run: after `pauseMs` a pixel its next step reaches and one next to it
    // the step covers only partly, a pixel its curve reached before the pause, and the end of
    // the whole run.
    int pauseMs;
    const char* notReached;
    const char* nextStep;
    const char* drawnBefore;
    const char* end;
    int runTicks;
    // Two pixels on the process run's way.
    const char* onTheWay[2];
};

// clang-format off
const std::vector<Lesson>& lessons()
{
    static const std::vector<Lesson> l = {
        // PaintBoxHaupt lies at (5, 5), PaintBoxLog at (445, 115).
        { "FormNormal", "Normal",
          { { "Austenitisierung", "TimerZTA", 12400, "150 116", 3000, "103 116" }, // the hold at (145, 111), (98, 111)
            { "ZTULuftab", "Timer15", 3650, "641 268", 1000, "500 118" } }, // the ZTU curve at (196, 153), (55, 3)
          // 200 ticks: the cooling line at (242, 177); the next step to (243, 179), the line
          // through (230, 153) before it; the run's end at (289, 271) after 248 ticks.
          10000, "248 184", "248 183", "235 158", "294 276", 248,
          { "50 116", "100 200" } },
        // PaintBoxHaupt lies at (5, 5).
        { "FormVergueten", "Vergten",
          { { "Austenitisierung", "TimerProzess", 22850, "515 151", 5000, "250 115" } }, // the holds at (510, 146), (245, 110)
          // 150 ticks: reheating at (357, 222); the next step to (358, 220), the line through
          // (350, 236) before it; the run's end at (665, 277) after 457 ticks.
          7500, "364 225", "363 225", "355 241", "670 282", 457,
          { "200 240", "20 20" } },
    };
    return l;
}
// clang-format on

class PausableLessonDriver : public ::testing::TestWithParam<Lesson> {
protected:
    const Lesson& lesson() const { return GetParam(); }
    std::string open() const { return std::string("menu ") + lesson().menu + "\n"; }
    std::string state() const { return std::string("state ") + lesson().form + "\n"; }
    void expectStopped(const StateView& s) const
    {
        for (const LessonRun& run : lesson().runs)
            EXPECT_FALSE(s.timerEnabled(run.timer)) << run.timer;
    }
    void expectAtRest(const StateView& s) const
    {
        EXPECT_TRUE(s.enabled());
        EXPECT_TRUE(s.itemEnabled("Prozessanhalten"));
        for (const LessonRun& run : lesson().runs)
            EXPECT_TRUE(s.itemEnabled(run.item)) << run.item;
        expectStopped(s);
    }
};

std::string nameOf(const ::testing::TestParamInfo<Lesson>& info)
{
    return info.param.menu;
}

} // namespace

TEST_P(PausableLessonDriver, F2PausesAndResumesTheProcessRunFromItsEnd)
{
    const Lesson& l = lesson();
    const int pauseTicks = l.pauseMs / 50;
    const int remainingMs = (l.runTicks - pauseTicks - 2) * 50 + 50;
    std::string script = open() + "menu Austenitisierung\n";
    script += "advance " + std::to_string(l.pauseMs) + "\nkey F2\n" + state();
    script += "advance 5000\n";
    script += std::string("pixel ") + l.notReached + "\n"; // not reached while paused
    script += std::string("pixel ") + l.drawnBefore + "\n";
    script += "repaint\nkey F2\nadvance 100\n" + state(); // two ticks
    script += std::string("pixel ") + l.nextStep + "\n";
    script += std::string("pixel ") + l.drawnBefore + "\n"; // erased by the repaint
    script += "advance " + std::to_string(remainingMs) + "\n" + state();
    script += std::string("pixel ") + l.end + "\n";
    const ProgramRun r = runFromMenu(script);
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 8u);
    const StateView paused(r.lines[0]);
    EXPECT_FALSE(paused.timerEnabled(l.runs[0].timer));
    EXPECT_FALSE(paused.enabled()) << "the run lock stays while paused";
    EXPECT_EQ(r.lines[1], kGold);
    EXPECT_EQ(r.lines[2], kRed);
    EXPECT_TRUE(StateView(r.lines[3]).timerEnabled(l.runs[0].timer));
    EXPECT_EQ(r.lines[4], kRed) << "the curve goes on from where it stopped";
    EXPECT_EQ(r.lines[5], kGold);
    const StateView done(r.lines[6]);
    EXPECT_FALSE(done.timerEnabled(l.runs[0].timer));
    EXPECT_TRUE(done.enabled());
    EXPECT_EQ(r.lines[7], kRed) << "the paused ticks are not lost";
}

TEST_P(PausableLessonDriver, F2DoesNothingWithoutAProcessRunUnderWay)
{
    const Lesson& l = lesson();
    const LessonRun& process = l.runs[0];
    struct Case {
        std::string when;
        std::string before;
    };
    std::vector<Case> cases = {
        { "never started", "" },
        { "finished", "menu Austenitisierung\nadvance " + std::to_string(l.runTicks * 50) + "\n" },
        { "after Löschen / Neu", "menu Austenitisierung\nadvance " + std::to_string(process.ms) + "\nmenu NEU\n" },
        { "after Esc mid-run", "menu Austenitisierung\nadvance 3000\nkey Esc\n" + open() },
    };
    for (size_t i = 1; i < l.runs.size(); ++i)
        cases.push_back({ std::string("after ") + l.runs[i].item,
            std::string("menu ") + l.runs[i].item + "\nadvance " + std::to_string(l.runs[i].ms) + "\n" });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        const std::string look = std::string("pixel ") + l.onTheWay[0] + "\npixel " + l.onTheWay[1] + "\n";
        const ProgramRun r = runFromMenu(open() + c.before + look + "key F2\nadvance 3000\n" + state() + look);
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 5u);
        const StateView s(r.lines[2]);
        expectStopped(s);
        EXPECT_TRUE(s.enabled());
        EXPECT_EQ(r.lines[3], r.lines[0]) << "nothing drawn";
        EXPECT_EQ(r.lines[4], r.lines[1]) << "nothing drawn";
    }
}

TEST_P(PausableLessonDriver, LoeschenNeuAfterEachRunAndEscInTheMiddleOfEach)
{
    const Lesson& l = lesson();
    std::string script = open();
    for (const LessonRun& run : l.runs)
        script += std::string("menu ") + run.item + "\nadvance " + std::to_string(run.ms) + "\npixel " + run.drawn
            + "\nmenu NEU\n" + state() + "pixel " + run.drawn + "\n";
    for (const LessonRun& run : l.runs)
        script += std::string("menu ") + run.item + "\nadvance " + std::to_string(run.midMs) + "\npixel "
            + run.drawnByMid + "\nkey Esc\n" + state() + open() + state() + "pixel " + run.drawnByMid + "\n";
    const ProgramRun r = runFromMenu(script);
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 3 * l.runs.size() + 4 * l.runs.size());
    size_t line = 0;
    for (const LessonRun& run : l.runs) {
        SCOPED_TRACE(std::string("Löschen / Neu after ") + run.item);
        EXPECT_EQ(r.lines[line++], kRed) << "the run's curve";
        expectAtRest(StateView(r.lines[line++]));
        EXPECT_EQ(r.lines[line++], kGold) << "the curve is erased";
    }
    for (const LessonRun& run : l.runs) {
        SCOPED_TRACE(std::string("Esc in the middle of ") + run.item);
        EXPECT_EQ(r.lines[line++], kRed) << "drawn by then";
        const StateView closed(r.lines[line++]);
        EXPECT_FALSE(closed.visible());
        expectStopped(closed);
        const StateView reopened(r.lines[line++]);
        EXPECT_TRUE(reopened.visible());
        expectAtRest(reopened);
        EXPECT_EQ(r.lines[line++], kGold) << "the next opening shows the static picture";
    }
}

INSTANTIATE_TEST_SUITE_P(Lessons, PausableLessonDriver, ::testing::ValuesIn(lessons()), nameOf);
