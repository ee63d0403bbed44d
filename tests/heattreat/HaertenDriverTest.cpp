// The hardening lesson through the headless driver, opened from the main menu of the whole
// program: run lengths, end points, the order of the runs, resetting, Esc and the page colour.
#include "app/Program.h"
#include "tests/support/Harness.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Pixels are given in the form's client area: PaintBoxHaupt lies at (5, 5), PaintBoxLog at
// (445, 115).
constexpr const char* kGold = "#FFD700";
constexpr const char* kRed = "#FF0000";

struct ScriptRun {
    int code = 0;
    std::vector<std::string> lines;
    std::string err;
};

ScriptRun run(const std::string& script, bool keepGoing = false)
{
    ScriptRun r;
    std::string out;
    r.code = wbtest::runScript("skip-cover\n" + script, wb::createAllForms, &out, &r.err, keepGoing);
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        r.lines.push_back(line);
    return r;
}

QJsonObject json(const std::string& line)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

// Whether the named item, timer or the form itself is enabled in a `state` answer.
bool enabled(const QJsonObject& state, const char* list, const char* name)
{
    for (const QJsonValue& v : state.value(QLatin1String(list)).toArray())
        if (v.toObject().value(QStringLiteral("name")).toString() == QLatin1String(name))
            return v.toObject().value(QStringLiteral("enabled")).toBool();
    ADD_FAILURE() << "no " << name << " in " << list;
    return false;
}

// The state of a form at rest: unlocked, both run items enabled, both timers stopped.
void expectIdle(const QJsonObject& state)
{
    EXPECT_TRUE(state.value(QStringLiteral("enabled")).toBool());
    EXPECT_TRUE(enabled(state, "items", "Austenitisierung"));
    EXPECT_TRUE(enabled(state, "items", "ZTUWasserabkuehlung"));
    EXPECT_FALSE(enabled(state, "timers", "TimerZTA"));
    EXPECT_FALSE(enabled(state, "timers", "Timer600"));
}

} // namespace

TEST(HaertenDriver, AustenitisingRunIsLockedAfter172TicksAndDoneAfter173)
{
    const ScriptRun r = run("menu Haerten\n"
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
        const QJsonObject s = json(r.lines[i]);
        EXPECT_FALSE(s.value(QStringLiteral("enabled")).toBool()) << "locked from the click on, state " << i;
        EXPECT_TRUE(enabled(s, "timers", "TimerZTA"));
        EXPECT_FALSE(enabled(s, "items", "Austenitisierung"));
    }
    for (int i : { 2, 6 }) {
        const QJsonObject s = json(r.lines[i]);
        EXPECT_TRUE(s.value(QStringLiteral("enabled")).toBool()) << "state " << i;
        EXPECT_FALSE(enabled(s, "timers", "TimerZTA"));
        EXPECT_FALSE(enabled(s, "items", "Austenitisierung")) << "until Löschen / Neu or closing";
        EXPECT_TRUE(enabled(s, "items", "ZTUWasserabkuehlung"));
    }
    EXPECT_EQ(r.lines[3], kRed);
    EXPECT_EQ(r.lines[4], kGold) << "the 3-pixel pen reaches one pixel past the end";
    EXPECT_EQ(r.lines[5], kRed);
}

TEST(HaertenDriver, QuenchRunIsDoneAfterExactly33TicksOfOneMillisecond)
{
    const ScriptRun r = run("menu Haerten\n"
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
    const QJsonObject during = json(r.lines[0]);
    EXPECT_FALSE(during.value(QStringLiteral("enabled")).toBool());
    EXPECT_TRUE(enabled(during, "timers", "Timer600"));
    const QJsonObject after = json(r.lines[1]);
    EXPECT_TRUE(after.value(QStringLiteral("enabled")).toBool());
    EXPECT_FALSE(enabled(after, "timers", "Timer600"));
    EXPECT_FALSE(enabled(after, "items", "ZTUWasserabkuehlung"));
    EXPECT_TRUE(enabled(after, "items", "Austenitisierung"));
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
    const ScriptRun ab = run("menu Haerten\n" + aust + quench + look);
    const ScriptRun ba = run("menu Haerten\n" + quench + aust + look);
    ASSERT_EQ(ab.code, 0) << ab.err;
    ASSERT_EQ(ba.code, 0) << ba.err;
    ASSERT_EQ(ab.lines.size(), 5u);
    EXPECT_EQ(ab.lines, ba.lines);
    const QJsonObject s = json(ab.lines[0]);
    EXPECT_TRUE(s.value(QStringLiteral("enabled")).toBool());
    EXPECT_FALSE(enabled(s, "items", "Austenitisierung"));
    EXPECT_FALSE(enabled(s, "items", "ZTUWasserabkuehlung"));
    EXPECT_EQ(std::vector<std::string>(ab.lines.begin() + 1, ab.lines.begin() + 4),
        (std::vector<std::string> { kRed, kRed, "#000000" }));
}

TEST(HaertenDriver, LoeschenNeuIsOutOfReachDuringARunAndClearsAfterIt)
{
    const ScriptRun r = run("menu Haerten\n"
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
    expectIdle(json(r.lines[0]));
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
        const ScriptRun r = run(std::string("menu Haerten\nmenu ") + c.start + "\nadvance " + std::to_string(c.ms)
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
        const QJsonObject closed = json(r.lines[0]);
        EXPECT_FALSE(closed.value(QStringLiteral("visible")).toBool());
        expectIdle(closed);
        expectIdle(json(r.lines[1]));
        EXPECT_EQ(r.lines[2], kGold);
        EXPECT_EQ(r.lines[3], kGold);
        EXPECT_EQ(r.lines[4], kRed);
        EXPECT_NE(r.lines[5], kGold) << "the frame covers the diagram there";
    }
}

TEST(HaertenDriver, PageColourChosenInTheMainMenuShowsAroundTheDiagram)
{
    const ScriptRun r
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
