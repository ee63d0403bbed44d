// Both thermal-analysis lessons in the whole program, through the headless driver: the
// milliseconds at which the run's stages hand over, the run lock, the finished diagrams,
// Esc mid-run, the close box after a run and a repaint in the middle of a run.
#include "tests/support/Program.h"

#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace {

// Pixels are given in the form's client area: PaintBoxHaupt lies at (5, 5).
using wbtest::ProgramRun;
using wbtest::StateView;
using Names = std::vector<std::string>;

ProgramRun run(const std::string& script, bool keepGoing = false)
{
    return wbtest::runProgram("skip-cover\n" + script, keepGoing);
}

// The timers that run, in the order of their names.
Names running(const StateView& state)
{
    Names names;
    for (const auto& [name, on] : state.timersEnabled())
        if (on)
            names.push_back(name);
    return names;
}

} // namespace

TEST(ThermalAnalysisDriver, StagesHandOverAtTheirMilliseconds)
{
    struct Moment {
        int ms; // after "Start"
        Names timers; // running after that millisecond's ticks
        bool locked;
    };
    struct Case {
        const char* command;
        const char* form;
        std::vector<Moment> moments;
    };
    // Each stage enables the next in its last tick, so the next one's first tick is one
    // millisecond later. Type 1: curve A takes 98 ticks, each further curve 97 (B ends at 583),
    // the connecting lines 430 (to 1013), the diagram 301 (to 1314). Type 2: A 100, then 97,
    // 97, 98, 97, 98 (B ends at 587), 545 connecting ticks (to 1132), 299 diagram ticks (to 1431).
    const Names diagram = { "TimerFest", "TimerLiquidus", "TimerSchmelze" };
    const Case cases[] = {
        { "AbTyp1", "FormAbZuTyp1",
            {
                { 97, { "Timer1" }, true },
                { 98, { "Timer2" }, true },
                { 583, { "TimerVerbindung" }, true },
                { 1012, { "TimerVerbindung" }, true },
                { 1013, diagram, true },
                { 1313, diagram, true },
                { 1314, {}, false },
            } },
        { "AbTyp2", "FormAbZuTyp2",
            {
                { 99, { "Timer1" }, true },
                { 100, { "Timer2" }, true },
                { 391, { "Timer4" }, true },
                { 392, { "Timer5" }, true },
                { 586, { "Timer6" }, true },
                { 587, { "TimerVerbindung" }, true },
                { 1131, { "TimerVerbindung" }, true },
                { 1132, diagram, true },
                { 1430, diagram, true },
                { 1431, {}, false },
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        std::string script = std::string("menu ") + c.command + "\nmenu Start\n";
        int now = 0;
        for (const Moment& m : c.moments) {
            script += "advance " + std::to_string(m.ms - now) + "\nstate " + c.form + "\n";
            now = m.ms;
        }
        const ProgramRun r = run(script);
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), c.moments.size());
        for (size_t i = 0; i < c.moments.size(); ++i) {
            const Moment& m = c.moments[i];
            SCOPED_TRACE(m.ms);
            const StateView s(r.lines[i]);
            EXPECT_EQ(running(s), m.timers);
            EXPECT_EQ(s.enabled(), !m.locked);
            EXPECT_EQ(s.raw().value(QStringLiteral("busy")).toBool(), m.locked) << "the busy cursor while locked";
            EXPECT_EQ(s.itemEnabled("Ende"), !m.locked);
            EXPECT_FALSE(s.itemEnabled("Start")) << "disabled from the click until the form is left";
        }
    }
}

TEST(ThermalAnalysisDriver, Type1PixelsAtTheHandovers)
{
    const ProgramRun r = run("menu AbTyp1\n"
                             "menu Start\n"
                             "advance 98\n"
                             "pixel 76 65\n" // L1's start (71, 60): still the yellow band
                             "advance 1\n"
                             "pixel 76 65\n" // L1's first line from (71, 60) to (72, 62), 3 pixels wide
                             "advance 913\n" // 1012: the first connecting line has reached x = 449
                             "pixel 453 105\n" // (448, 100)
                             "pixel 454 103\n" // (449, 98): no end circle yet
                             "advance 1\n" // 1013
                             "pixel 454 103\n" // inside the end circle (447, 97, 453, 103)
                             "advance 300\n" // 1313: the diagram's last columns are still to come
                             "pixel 454 305\n" // (449, 300)
                             "advance 1\n"
                             "pixel 454 305\n" // the red frame, 5 pixels wide round x = 449
                             "repaint\n" // the window uncovered after the run
                             "pixel 454 305\n"); // only the static picture again
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(
        r.lines, (Names { "#FFFF00", "#000000", "#800080", "#FFFFFF", "#0000FF", "#FFFFFF", "#FF0000", "#FFFFFF" }));
}

TEST(ThermalAnalysisDriver, Type2CurveAJumpsUpFromItsStart)
{
    // The pen starts at (9, 61); the first point is (10, 58): the first tick draws up over
    // x = 9 from 61 to 58.
    const ProgramRun r = run("menu AbTyp2\n"
                             "pixel 14 63\n"
                             "menu Start\n"
                             "advance 1\n"
                             "pixel 14 63\n" // (9, 58)
                             "pixel 14 66\n"); // (9, 61)
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.lines, (Names { "#FFFF00", "#000000", "#000000" }));
}

TEST(ThermalAnalysisDriver, FinishedDiagrams)
{
    struct Probe {
        const char* at; // client coordinates
        const char* color;
        const char* why;
    };
    struct Case {
        const char* command;
        int ms;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        { "AbTyp1", 1314,
            {
                { "205 305", "#FF1900", "band row 300: green 325 - 300 = 25" },
                { "485 85", "#FFE100", "melt field: (480, 80) above [liq(479)] - 3 = 101" },
                { "660 215", "#FF0000", "two-phase field: (655, 210) between liquidus 178 and solidus 228" },
                { "485 305", "#640000", "solid field: (480, 300) below the solidus" },
            } },
        { "AbTyp2", 1431,
            {
                { "205 305", "#FF1900", "band row 300" },
                { "485 85", "#FFE100", "melt field: (480, 80) above [liqA(379)] - 4 = 136" },
                { "525 200", "#FF0000", "two-phase field: (520, 195) between liquidus 170 and the eutectic line 268" },
                { "485 305", "#640000", "solid field: (480, 300) below the eutectic line" },
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        std::string script = std::string("menu ") + c.command + "\nmenu Start\nadvance " + std::to_string(c.ms) + "\n";
        for (const Probe& p : c.probes)
            script += std::string("pixel ") + p.at + "\n";
        const ProgramRun r = run(script);
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), c.probes.size());
        for (size_t i = 0; i < c.probes.size(); ++i)
            EXPECT_EQ(r.lines[i], c.probes[i].color) << c.probes[i].why;
    }
}

TEST(ThermalAnalysisDriver, EscMidRunResetsSoThatANewRunStartsFromTheBeginning)
{
    struct Case {
        const char* command;
        const char* form;
        const char* start; // a pixel of curve A's first line, from its start
    };
    // Type 1 draws from (11, 60) to (12, 65), type 2 from (9, 61) up to (10, 58).
    for (const Case c : { Case { "AbTyp1", "FormAbZuTyp1", "16 66" }, Case { "AbTyp2", "FormAbZuTyp2", "14 65" } }) {
        SCOPED_TRACE(c.form);
        const std::string form = c.form;
        const ProgramRun r = run(std::string("menu ") + c.command + "\n"
                + "menu Start\n"
                  "advance 300\n" // in curve L3 (type 1) or L3 (type 2)
                  "close\n" // refused: the form is locked
                  "key Esc\n" // the hidden item still acts
                  "state "
                + form + "\n" + "advance 2000\n" + "state " + form + "\n" + "menu " + c.command + "\n"
                + "pixel 25 105\n" // (20, 100), where curve A had been drawn: the band again
                  "menu Start\n"
                  "advance 1\n"
                  "state "
                + form + "\n" + "pixel " + c.start + "\n",
            true);
        EXPECT_NE(r.err.find("line 5: " + form + " is disabled"), std::string::npos) << r.err;
        ASSERT_EQ(r.lines.size(), 5u);
        for (int i : { 0, 1 }) {
            const StateView closed(r.lines[size_t(i)]);
            EXPECT_FALSE(closed.visible());
            EXPECT_TRUE(closed.enabled());
            EXPECT_TRUE(closed.itemEnabled("Start"));
            EXPECT_TRUE(closed.itemEnabled("Ende"));
            EXPECT_EQ(running(closed), Names {}) << "state " << i;
        }
        // The band colour of row 100 (green 325 - 100 = 225) in both lessons.
        EXPECT_EQ(r.lines[2], "#FFE100");
        const StateView again(r.lines[3]);
        EXPECT_EQ(running(again), Names { "Timer1" }) << "the run starts again at curve A";
        EXPECT_FALSE(again.enabled());
        EXPECT_EQ(r.lines[4], "#000000");
    }
}

TEST(ThermalAnalysisDriver, EscAfterTheFirstTickDrawsCurveAAgainFromItsStart)
{
    // Type 1: a new run's first tick draws from (11, 60) to (12, [64.93]) = (12, 65), as the
    // first run did; the pen does not continue from where the broken-off run was.
    const ProgramRun r = run("menu AbTyp1\n"
                             "menu Start\n"
                             "advance 250\n"
                             "key Esc\n"
                             "menu AbTyp1\n"
                             "menu Start\n"
                             "advance 1\n"
                             "pixel 16 66\n" // (11, 61)
                             "pixel 17 69\n" // (12, 64)
                             "pixel 100 170\n"); // (95, 165): nowhere near a curve of the broken-off run
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.lines, (Names { "#000000", "#000000", "#FFA000" }));
}

TEST(ThermalAnalysisDriver, CloseBoxAfterARunKeepsStartDisabledUntilEnde)
{
    struct Case {
        const char* command;
        const char* form;
        int ms;
    };
    for (const Case c : { Case { "AbTyp1", "FormAbZuTyp1", 1314 }, Case { "AbTyp2", "FormAbZuTyp2", 1431 } }) {
        SCOPED_TRACE(c.form);
        const std::string form = c.form;
        const ProgramRun k = run(std::string("menu ") + c.command + "\nmenu Start\nadvance " + std::to_string(c.ms)
                + "\nclose\nmenu " + c.command + "\nstate " + form
                + "\n"
                  "pixel 454 305\n" // the frame's place: the static picture again
                  "menu Start\n" // refused
                  "menu Ende\n"
                  "menu "
                + c.command + "\nstate " + form + "\n",
            true);
        EXPECT_NE(k.err.find("line 9: menu item 'Start' is disabled"), std::string::npos) << k.err;
        ASSERT_EQ(k.lines.size(), 3u) << k.err;
        const StateView reopened(k.lines[0]);
        EXPECT_TRUE(reopened.visible());
        EXPECT_TRUE(reopened.enabled());
        EXPECT_FALSE(reopened.itemEnabled("Start"));
        EXPECT_TRUE(reopened.itemEnabled("Ende"));
        EXPECT_EQ(k.lines[1], "#FFFFFF");
        EXPECT_TRUE(StateView(k.lines[2]).itemEnabled("Start"));
    }
}

TEST(ThermalAnalysisDriver, ARepaintMidRunDrawsNoStrayLineAndTheRunEndsTheSame)
{
    // The window uncovered in the middle of a run: the repaint leaves only the static picture
    // and moves the canvas pen to its last label. Every pixel of the finished picture is then
    // what a run without the repaint leaves or, where only the erased part had drawn, the
    // static picture.
    struct Case {
        const char* command;
        int repaintAt;
        int end;
    };
    const Case cases[] = {
        { "AbTyp1", 250, 1314 }, // in curve L2
        { "AbTyp1", 1100, 1314 }, // in the diagram: the red painter goes on from the solid column
        { "AbTyp2", 350, 1431 }, // in curve L3
        { "AbTyp2", 1200, 1431 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " repainted at " + std::to_string(c.repaintAt));
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const std::string still = dir.filePath(QStringLiteral("still.png")).toStdString();
        const std::string before = dir.filePath(QStringLiteral("before.png")).toStdString();
        const std::string plain = dir.filePath(QStringLiteral("plain.png")).toStdString();
        const std::string repainted = dir.filePath(QStringLiteral("repainted.png")).toStdString();
        const std::string open = std::string("menu ") + c.command + "\n";
        const std::string toRepaint = "menu Start\nadvance " + std::to_string(c.repaintAt) + "\n";
        const std::string toEnd = "advance " + std::to_string(c.end - c.repaintAt) + "\nstate\n";
        const ProgramRun a = run(open + "snapshot " + still + "\n" + toRepaint + "snapshot " + before + "\n" + toEnd
            + "snapshot " + plain + "\n");
        const ProgramRun b = run(open + toRepaint + "repaint\n" + toEnd + "snapshot " + repainted + "\n");
        ASSERT_EQ(a.code, 0) << a.err;
        ASSERT_EQ(b.code, 0) << b.err;
        ASSERT_EQ(a.lines.size(), 1u);
        ASSERT_EQ(b.lines.size(), 1u);
        EXPECT_TRUE(StateView(b.lines[0]).enabled()) << "the run ended at the same millisecond";

        const QImage s(QString::fromStdString(still)), m(QString::fromStdString(before)),
            p(QString::fromStdString(plain)), r(QString::fromStdString(repainted));
        ASSERT_FALSE(s.isNull());
        ASSERT_EQ(r.size(), p.size());
        int erased = 0;
        for (int y = 0; y < r.height(); ++y) {
            for (int x = 0; x < r.width(); ++x) {
                if (r.pixel(x, y) == p.pixel(x, y))
                    continue;
                ASSERT_EQ(r.pixel(x, y), s.pixel(x, y)) << "stray pixel at " << x << ", " << y;
                ASSERT_EQ(m.pixel(x, y), p.pixel(x, y))
                    << "at " << x << ", " << y << " more than the erased part differs";
                ++erased;
            }
        }
        EXPECT_GT(erased, 0) << "the repaint erased what was drawn before it";
    }
}
