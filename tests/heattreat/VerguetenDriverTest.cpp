// The quench-and-temper lesson and the tempering chart through the headless driver, opened from
// the main menu of the whole program: the run's length, F2, "Löschen / Neu", Esc, and the chart
// opened above the lesson and from the main menu.
#include "tests/support/Program.h"

#include <string>
#include <vector>

namespace {

// Pixels are given in the form's client area: the lesson's PaintBoxHaupt lies at (5, 5), the
// chart's at (0, 0).
constexpr const char* kGold = "#FFD700";
constexpr const char* kRed = "#FF0000";
constexpr const char* kPurple = "#800080";

using wbtest::ProgramRun;
using wbtest::StateView;

ProgramRun run(const std::string& script, bool keepGoing = false)
{
    return wbtest::runProgram("skip-cover\n" + script, keepGoing);
}

} // namespace

TEST(VerguetenDriver, RunIsLockedAfter456TicksAndDoneAfter457WithTheTemperingPictures)
{
    const ProgramRun r = run("menu Vergten\n"
                             "menu Austenitisierung\n"
                             "advance 22800\n" // 456 ticks of 50 ms
                             "state FormVergueten\n"
                             "advance 50\n"
                             "state FormVergueten\n"
                             "pixel 670 282\n" // the curve's end (665, 277)
                             "pixel 671 286\n" // below it
                             "pixel 515 151\n" // the tempering hold at (510, 146)
                             "pixel 585 120\n" // " Gefüge nach dem Anlassen " white on black at (580, 115)
                             "pixel 385 330\n" // " Martensit " at (380, 325)
                             "advance 1000\n"
                             "state FormVergueten\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 8u);
    const StateView during(r.lines[0]);
    EXPECT_FALSE(during.enabled());
    EXPECT_TRUE(during.timerEnabled("TimerProzess"));
    for (int i : { 1, 7 }) {
        const StateView s(r.lines[i]);
        EXPECT_TRUE(s.enabled()) << "state " << i;
        EXPECT_FALSE(s.timerEnabled("TimerProzess"));
        EXPECT_FALSE(s.itemEnabled("Austenitisierung")) << "until Löschen / Neu or closing";
    }
    EXPECT_EQ(std::vector<std::string>(r.lines.begin() + 2, r.lines.begin() + 7),
        (std::vector<std::string> { kRed, kGold, kRed, "#000000", "#000000" }));
}

TEST(VerguetenDriver, F2PausesAndResumesTheRun)
{
    const ProgramRun r = run("menu Vergten\n"
                             "menu Austenitisierung\n"
                             "advance 7500\n" // 150 ticks: reheating at (357, 222)
                             "key F2\n"
                             "state FormVergueten\n"
                             "advance 5000\n"
                             "pixel 364 225\n" // (359, 220): not reached while paused
                             "repaint\n"
                             "key F2\n"
                             "advance 100\n" // two ticks: (357, 222)–(358, 220)–(359, 218)
                             "state FormVergueten\n"
                             "pixel 363 225\n" // (358, 220)
                             "pixel 358 228\n" // (353, 223): erased by the repaint
                             "advance 15300\n" // the remaining 306 ticks
                             "state FormVergueten\n"
                             "pixel 670 282\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 7u);
    const StateView paused(r.lines[0]);
    EXPECT_FALSE(paused.timerEnabled("TimerProzess"));
    EXPECT_FALSE(paused.enabled()) << "the run lock stays while paused";
    EXPECT_EQ(r.lines[1], kGold);
    EXPECT_TRUE(StateView(r.lines[2]).timerEnabled("TimerProzess"));
    EXPECT_EQ(r.lines[3], kRed) << "the curve goes on from where it stopped";
    EXPECT_EQ(r.lines[4], kGold);
    const StateView done(r.lines[5]);
    EXPECT_FALSE(done.timerEnabled("TimerProzess"));
    EXPECT_TRUE(done.enabled());
    EXPECT_EQ(r.lines[6], kRed);
}

TEST(VerguetenDriver, F2DoesNothingWithoutARunUnderWay)
{
    struct Case {
        const char* when;
        const char* before;
    };
    const Case cases[] = {
        { "never started", "" },
        { "finished", "menu Austenitisierung\nadvance 22850\n" },
        { "after Löschen / Neu", "menu Austenitisierung\nadvance 22850\nmenu NEU\n" },
        { "after Esc mid-run", "menu Austenitisierung\nadvance 3000\nkey Esc\nmenu Vergten\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        const ProgramRun r = run(std::string("menu Vergten\n") + c.before
            + "pixel 200 240\n" // on the heating line's way, (195, 235)
              "pixel 20 20\n" // above the diagram's top edge
              "key F2\n"
              "advance 2000\n"
              "state FormVergueten\n"
              "pixel 200 240\n"
              "pixel 20 20\n");
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 5u);
        const StateView s(r.lines[2]);
        EXPECT_FALSE(s.timerEnabled("TimerProzess"));
        EXPECT_TRUE(s.enabled());
        EXPECT_EQ(r.lines[3], r.lines[0]) << "nothing drawn";
        EXPECT_EQ(r.lines[4], r.lines[1]) << "nothing drawn";
    }
}

TEST(VerguetenDriver, LoeschenNeuAfterTheRunAndEscMidRun)
{
    const ProgramRun r = run("menu Vergten\n"
                             "menu Austenitisierung\n"
                             "advance 22850\n"
                             "menu NEU\n"
                             "state FormVergueten\n"
                             "pixel 515 151\n"
                             "menu Austenitisierung\n"
                             "advance 5000\n"
                             "key Esc\n"
                             "state FormVergueten\n"
                             "menu Vergten\n"
                             "state FormVergueten\n"
                             "pixel 250 120\n"); // the hold at (245, 110) before Esc
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 5u);
    const StateView cleared(r.lines[0]);
    EXPECT_TRUE(cleared.enabled());
    EXPECT_TRUE(cleared.itemEnabled("Austenitisierung"));
    EXPECT_EQ(r.lines[1], kGold);
    const StateView closed(r.lines[2]);
    EXPECT_FALSE(closed.visible());
    EXPECT_FALSE(closed.timerEnabled("TimerProzess"));
    const StateView reopened(r.lines[3]);
    EXPECT_TRUE(reopened.visible());
    EXPECT_TRUE(reopened.enabled());
    EXPECT_TRUE(reopened.itemEnabled("Austenitisierung"));
    EXPECT_TRUE(reopened.itemEnabled("Prozessanhalten"));
    EXPECT_EQ(r.lines[4], kGold);
}

TEST(VerSchDriver, OpenedAboveTheLessonAndFromTheMainMenu)
{
    struct Case {
        const char* from;
        const char* open;
        const char* below; // the form that waits under the chart
    };
    const Case cases[] = {
        { "the lesson", "menu Vergten\nmenu Vergtungsschaubild1\n", "FormVergueten" },
        { "the main menu", "menu Vergtungsschaubild1\n", "FormMenue" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        const ProgramRun r = run(std::string(c.open)
            + "state FormVerSch\n"
              "menu Zugfestigkeit1\n"
              "advance 1850\n" // 37 ticks: the last segment, to (629, 307)
              "state FormVerSch\n"
              "pixel 191 270\n" // on the line's first segment
              "pixel 362 263\n" // where the label goes
              "advance 50\n"
              "state FormVerSch\n"
              "pixel 362 263\n"
              "menu Neu1\n"
              "pixel 191 270\n"
              "key Esc\n"
              "state "
            + c.below + "\n");
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 8u);
        EXPECT_TRUE(StateView(r.lines[0]).visible());
        EXPECT_TRUE(StateView(r.lines[1]).timerEnabled("TimerZug"));
        EXPECT_EQ(r.lines[2], kPurple);
        EXPECT_EQ(r.lines[3], kGold);
        EXPECT_FALSE(StateView(r.lines[4]).timerEnabled("TimerZug")) << "done at the 38th tick";
        EXPECT_EQ(r.lines[5], kPurple) << "the label, white on purple";
        EXPECT_EQ(r.lines[6], kGold) << "Neu draws the chart over the line";
        const StateView below(r.lines[7]);
        EXPECT_TRUE(below.visible());
        EXPECT_TRUE(below.enabled());
    }
}
