// Pure iron through the headless driver, as a user meets it: opened from the main menu, runs
// started from its menu, pixels read off the form's client area.
#include "tests/support/Program.h"

#include <map>

namespace {

using wbtest::ProgramRun;
using wbtest::StateView;

// Runs the whole program: opens the lesson, runs `body`, closes lesson and main menu with Esc.
ProgramRun drive(const std::string& body, bool keepGoing = false)
{
    return wbtest::runProgram("screen 1024 768\nskip-cover\nmenu Reineisen\n" + body + "key Esc\nkey Esc\n", keepGoing);
}

// The paint boxes lie at (20, 10) (the diagram) and (520, 10) (the lattice box) in the client area.
std::string diagramPixel(int x, int y)
{
    return "pixel " + std::to_string(20 + x) + " " + std::to_string(10 + y) + "\n";
}

std::string boxPixel(int x, int y)
{
    return "pixel " + std::to_string(520 + x) + " " + std::to_string(10 + y) + "\n";
}

// Advances to just after tick n of a run started at the current time, counting from 0 (tick 0
// comes 100 ms after the start item).
std::string advanceTicks(int ticks)
{
    return "advance " + std::to_string(100 * ticks) + "\n";
}

} // namespace

TEST(ReineisenDriver, FirstCoolingTickDrawsFromTheStartPointInGreen)
{
    const ProgramRun r = drive(diagramPixel(32, 20) + diagramPixel(33, 31) + "menu Abkuehlung\nadvance 99\n"
        + diagramPixel(33, 31) + "advance 1\n" + diagramPixel(32, 20) + diagramPixel(33, 31) + diagramPixel(31, 25)
        + diagramPixel(34, 26) + diagramPixel(30, 25) + diagramPixel(35, 31));
    ASSERT_EQ(r.code, 0) << r.err;
    const std::vector<std::string> expected {
        "#000000", // (32, 20) lies on the white field's 2-pixel top outline (rows 19 and 20)
        "#FFFF00", // (33, 31): the yellow band of the melt
        "#FFFF00", // 99 ms: no tick yet
        "#358200", // the line (32, 20)-(33, 31) with the 3-pixel pen covers both ends ...
        "#358200",
        "#358200", // ... and a pixel either side of its path
        "#358200",
        "#FFFF00", // two pixels beside the path: untouched
        "#FFFF00",
    };
    EXPECT_EQ(r.lines, expected);
}

TEST(ReineisenDriver, RunsEndAtTheir113thAnd110thTickAndNotOneTickEarlier)
{
    struct Case {
        const char* item;
        const char* timer;
        int lastTick; // counted from 0
        int x, y; // the run's last point
        const char* before; // that pixel before the last tick
        const char* after; // and after it
    };
    const Case cases[] = {
        // Cooling: X runs from 32 to 151 (119 steps) in 113 ticks, the joins taking two steps in
        // one tick six times; (151, 347) lies in the red band, 905 - 2 * 347 = 211 = #D3.
        { "Abkuehlung", "TimerAbkuehl", 112, 151, 347, "#D30000", "#0000FF" },
        // Heating: 320 to 438 (118 steps) in 110 ticks; (438, 20) is on the field's top outline.
        { "Aufheizung", "TimerAufheiz", 109, 438, 20, "#000000", "#358200" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const ProgramRun r = drive(std::string("menu ") + c.item + "\n" + advanceTicks(c.lastTick) + "state\n"
            + diagramPixel(c.x, c.y) + advanceTicks(1) + "state\n" + diagramPixel(c.x, c.y));
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 4u);
        const StateView running(r.lines[0]), ended(r.lines[2]);
        EXPECT_TRUE(running.timersEnabled().at(c.timer)) << "one tick before the end it still runs";
        EXPECT_FALSE(running.enabled()) << "and the form is locked";
        EXPECT_EQ(r.lines[1], c.before);
        EXPECT_FALSE(ended.timersEnabled().at(c.timer));
        EXPECT_TRUE(ended.enabled());
        EXPECT_EQ(r.lines[3], c.after);
    }
}

TEST(ReineisenDriver, LatticePicturesAppearAtTheirTicks)
{
    struct Case {
        const char* item;
        int tick;
        int x, y; // in the lattice box
        const char* before; // at the tick before
        const char* at;
        const char* why;
    };
    const Case cases[] = {
        { "Abkuehlung", 5, 170, 70, "#FFFF00", "#0000FF", "centre atom of the δ cell C(12, 20)" },
        { "Abkuehlung", 50, 100, 200, "#FFFF00", "#FF0000", "left edge of the upper fcc cube's front face" },
        { "Abkuehlung", 50, 170, 250, "#0000FF", "#0000FF", "centre atom of the blue inner cell" },
        // C(12, 400) has its left edge at x = 120 - 12; the frame before it (k = 10) at 110.
        { "Abkuehlung", 88, 108, 450, "#FFFF00", "#0000FF", "left edge of the α cell" },
        { "Aufheizung", 0, 108, 450, "#FFFF00", "#0000FF", "left edge of the α cell at the start" },
        { "Aufheizung", 30, 100, 200, "#FFFF00", "#FF0000", "the fcc figure" },
        // C(11, 20) has its left edge at x = 109; the frame before it (k = 10) at 110.
        { "Aufheizung", 69, 109, 70, "#FFFF00", "#0000FF", "left edge of the δ cell" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const ProgramRun r = drive(std::string("menu ") + c.item + "\n" + advanceTicks(c.tick) + boxPixel(c.x, c.y)
            + advanceTicks(1) + boxPixel(c.x, c.y));
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.lines, (std::vector<std::string> { c.before, c.at }));
    }
}

TEST(ReineisenDriver, ItemStatesAfterEachOrderOfRuns)
{
    const std::string cool = "menu Abkuehlung\nrun-until-idle 20000\n";
    const std::string heat = "menu Aufheizung\nrun-until-idle 20000\n";
    struct Case {
        const char* name;
        std::string script;
        bool abkuehlung, aufheizung;
    };
    const Case cases[] = {
        { "cooling only", cool, false, true },
        { "heating only", heat, true, false },
        // A run offers the other run only if that one was not completed since the last "&Neu".
        { "cooling, then heating", cool + heat, false, false },
        { "heating, then cooling", heat + cool, false, false },
        { "cooling, then Neu", cool + "menu Neu\n", true, true },
        { "cooling, Neu, heating", cool + "menu Neu\n" + heat, true, false },
        // Closing enables every item, but the completed cooling still counts at the heating's end.
        { "cooling, Esc, heating", cool + "key Esc\nmenu Reineisen\n" + heat, false, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun r = drive(c.script + "state\n");
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 1u);
        const StateView state(r.lines[0]);
        const std::map<std::string, bool> expected { { "Ende", true }, { "Abkuehlung", c.abkuehlung },
            { "Aufheizung", c.aufheizung }, { "Neu", true }, { "ESCAPE", true } };
        EXPECT_EQ(state.itemsEnabled(), expected);
        EXPECT_TRUE(state.enabled());
    }
}

TEST(ReineisenDriver, TheLockRefusesTheMouseWhileEscClosesAndTheFormReopensUnlocked)
{
    const ProgramRun r = drive("menu Abkuehlung\nadvance 500\nmenu Neu\nmenu ESCAPE\nclick PaintBoxHaupt 10 10\nclose\n"
                               "state\nkey Esc\nforms\nadvance 2000\nmenu Reineisen\nstate\n"
            + diagramPixel(33, 31),
        true);
    ASSERT_EQ(r.code, 2) << "going on past the refusals, the run ends with their exit code\n" << r.err;
    // The menu (also the visible Esc item), the paint box and the close box are all refused.
    std::istringstream errors(r.err);
    int refused = 0;
    for (std::string line; std::getline(errors, line);) {
        EXPECT_NE(line.find("FormReineisen is disabled"), std::string::npos) << line;
        ++refused;
    }
    EXPECT_EQ(refused, 4);
    ASSERT_EQ(r.lines.size(), 4u);
    const StateView locked(r.lines[0]);
    EXPECT_FALSE(locked.enabled());
    EXPECT_TRUE(locked.timersEnabled().at("TimerAbkuehl")) << "the refused clicks changed nothing";
    const std::map<std::string, bool> duringRun { { "Ende", false }, { "Abkuehlung", false }, { "Aufheizung", false },
        { "Neu", false }, { "ESCAPE", true } };
    EXPECT_EQ(locked.itemsEnabled(), duringRun);

    const QJsonObject forms = wbtest::json(r.lines[1]);
    EXPECT_EQ(forms.value(QStringLiteral("top")).toString(), QStringLiteral("FormMenue")) << "Esc closed the lesson";

    const StateView reopened(r.lines[2]);
    EXPECT_TRUE(reopened.enabled());
    for (const auto& [name, enabled] : reopened.itemsEnabled())
        EXPECT_TRUE(enabled) << name;
    for (const auto& [name, enabled] : reopened.timersEnabled())
        EXPECT_FALSE(enabled) << name;
    EXPECT_EQ(r.lines[3], "#FFFF00") << "reopening shows the static picture, the curve is gone";
}

TEST(ReineisenDriver, HalfwayPointsRoundToTheEvenPixel)
{
    // Three curve points fall exactly on a half: cooling x = 150: 1200 - 0.007 * 350^2 = 342.5;
    // heating x = 340: 505 - 0.025 * 90^2 = 302.5; heating x = 405: 547 - 0.02 * 155^2 = 66.5.
    // Rounded to the even neighbour they are 342, 302 and 66; rounding halves up would give
    // 343, 303 and 67. Each pair of pixels below is reached by the 3-pixel pen through the even
    // point only, or through the other point only (worked out from the neighbouring points
    // (149, 338), (151, 347); (339, 307), (341, 298); (404, 73), (406, 65)).
    struct Case {
        const char* item;
        int evenX, evenY; // reached only through the even point: curve colour (-1: no such pixel)
        int upX, upY; // reached only through the rounded-up point: the band's colour
        const char* curve;
        const char* band;
    };
    const Case cases[] = {
        { "Abkuehlung", 151, 340, 149, 345, "#0000FF", "#D70000" }, // band at y = 345: 905 - 690 = 215
        { "Aufheizung", 339, 300, 341, 305, "#0000FF", "#FF1400" }, // band at y = 305: green 325 - 305 = 20
        // The one pixel only the even point reaches, (404, 65), lies under the 1536 °C line.
        { "Aufheizung", -1, -1, 406, 70, "", "#FFFF00" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.upX);
        std::string script = std::string("menu ") + c.item + "\nrun-until-idle 20000\n" + diagramPixel(c.upX, c.upY);
        std::vector<std::string> expected { c.band };
        if (c.evenX >= 0) {
            script += diagramPixel(c.evenX, c.evenY);
            expected.push_back(c.curve);
        }
        const ProgramRun r = drive(script);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.lines, expected);
    }
}

TEST(ReineisenDriver, RepaintMidRunErasesAndTheRunGoesOn)
{
    // After tick 40 the cooling curve holds at 1392 °C (X = 76) and the middle box shows a frame.
    const ProgramRun r = drive("menu Abkuehlung\n" + advanceTicks(41) + diagramPixel(33, 31) + boxPixel(170, 70)
        + "repaint\n" + diagramPixel(33, 31) + boxPixel(170, 70) + diagramPixel(76, 114) + advanceTicks(1)
        + diagramPixel(76, 114) + diagramPixel(74, 114) + boxPixel(170, 250) + "state\n" + advanceTicks(70) + "state\n"
        + advanceTicks(1) + "state\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 11u);
    EXPECT_EQ(r.lines[0], "#358200") << "the curve's first piece";
    EXPECT_EQ(r.lines[1], "#0000FF") << "the δ cell";
    EXPECT_EQ(r.lines[2], "#FFFF00") << "erased";
    EXPECT_EQ(r.lines[3], "#FFFF00") << "erased";
    EXPECT_EQ(r.lines[4], "#FFD300") << "erased plateau: the band at y = 114, green 325 - 114 = 211";
    EXPECT_EQ(r.lines[5], "#000000") << "tick 41 draws (76, 113)-(77, 113) from the stored points";
    EXPECT_EQ(r.lines[6], "#FFD300") << "the plateau drawn before the repaint stays erased";
    EXPECT_EQ(r.lines[7], "#0000FF") << "the middle box draws the frame C(9, 200) again";
    // The run still ends at its 113th tick: 42 ticks done, 70 more leave one to go.
    EXPECT_TRUE(StateView(r.lines[9]).timersEnabled().at("TimerAbkuehl"));
    EXPECT_FALSE(StateView(r.lines[10]).timersEnabled().at("TimerAbkuehl"));
}
