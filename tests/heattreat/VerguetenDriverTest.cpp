// The quench-and-temper lesson and the tempering chart through the headless driver, opened from
// the main menu of the whole program: the run's length, and the chart opened above the lesson and
// from the main menu. F2, "Löschen / Neu" and Esc are tested with the normalising lesson's
// (PausableLessonDriverTest.cpp).
#include "tests/heattreat/ProcessDriverTest.h"

#include <string>
#include <vector>

// Pixels are given in the form's client area: the lesson's PaintBoxHaupt lies at (5, 5), the
// chart's at (0, 0).
using processtest::kGold;
using processtest::kRed;
using wbtest::ProgramRun;
using wbtest::StateView;

namespace {

constexpr const char* kPurple = "#800080";

ProgramRun run(const std::string& script)
{
    return processtest::runFromMenu(script);
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
