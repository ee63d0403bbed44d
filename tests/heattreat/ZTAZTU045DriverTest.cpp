// The lesson on the isothermal ZTA and continuous ZTU diagram at 0.45 % C through the headless
// driver, opened from the main menu: the stages' end ticks, the marks of every cooling curve, the
// run lock, "Löschen / Neu" and Esc during each stage.
#include "tests/support/Program.h"

#include <string>

using namespace wb;
using wbtest::StateView;

namespace {

// Pixels are given in the form's client area: PaintBoxHaupt lies at (5, 5), PaintBoxLog at
// (417, 161).
constexpr TColor kGold = RGB(0xFF, 0xD7, 0x00);
constexpr TColor kPurple = RGB(0x80, 0x00, 0x80);
constexpr TColor kDunkel = RGB(0x01, 0x00, 0x00);

QPoint haupt(int x, int y)
{
    return { 5 + x, 5 + y };
}

QPoint log(int x, int y)
{
    return { 417 + x, 161 + y };
}

class Script : public wbtest::Script {
public:
    Script()
        : wbtest::Script { "skip-cover", "menu ZTAZTUSchaubildC0451" }
    {
    }
    std::string refused(int line) const { return "line " + std::to_string(line) + ": FormZTAZTU045 is disabled"; }
    int state() { return wbtest::Script::state("FormZTAZTU045"); }
    Script& ticks(int n)
    {
        *this << "advance " + std::to_string(n * 50);
        return *this;
    }
};

const char* const kTimers[] = { "TimerZTA", "Timer004", "Timer06", "Timer20", "Timer60", "Timer600" };

::testing::AssertionResult idle(const StateView& s)
{
    if (!s.enabled())
        return ::testing::AssertionFailure() << "the form is locked";
    if (!s.itemEnabled("Austenitisierung"))
        return ::testing::AssertionFailure() << "the start item is disabled";
    for (const char* timer : kTimers)
        if (s.timerEnabled(timer))
            return ::testing::AssertionFailure() << timer << " runs";
    if (s.visible("MemoErlaeuterung"))
        return ::testing::AssertionFailure() << "the memo is shown";
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(ZTAZTU045Driver, EachStageEndsAtItsTickAndTheNextTakesOver)
{
    // The stages take 319, 165, 139, 60, 51 and 26 ticks. One tick before a stage's end its own
    // timer runs and its end pixel is not yet drawn; at the end the next timer runs. The cooling
    // stages' end pixel lies in the leading blank of their rate label, 11 rows down its cell.
    struct Stage {
        int ticks;
        QPoint endPixel;
        TColor before;
        TColor after;
        const char* why;
    };
    const Stage stages[] = {
        { 319, haupt(413, 158), kDunkel, clRed, "the holding line reaches the ZTU diagram (a grid dot before)" },
        { 165, log(247, 242), kGold, kPurple, "\" v = 0.04°C/s \" at (246, 231)" },
        { 139, log(206, 216), kGold, kPurple, "\" v = 0.6°C/s \" at (205, 205)" },
        { 60, log(164, 250), kGold, kPurple, "\" v = 15°C/s \" at (163, 239)" },
        { 51, log(102, 268), kGold, kPurple, "\" v = 60°C/s \" at (101, 257)" },
        { 26, log(12, 252), kGold, kPurple, "\" v = 600°C/s \" at (11, 241)" },
    };
    Script s;
    s << "menu Austenitisierung";
    const int started = s.state();
    struct Queries {
        int before, pixelBefore, after, pixelAfter;
    };
    std::vector<Queries> q;
    for (const Stage& st : stages) {
        Queries one {};
        s.ticks(st.ticks - 1);
        one.before = s.state();
        one.pixelBefore = s.pixel(st.endPixel);
        s.ticks(1);
        one.after = s.state();
        one.pixelAfter = s.pixel(st.endPixel);
        q.push_back(one);
    }
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();

    const StateView first = s.stateView(started);
    EXPECT_FALSE(first.enabled()) << "locked from the click on";
    EXPECT_FALSE(first.itemEnabled("Austenitisierung"));
    EXPECT_TRUE(first.timerEnabled("TimerZTA"));
    for (size_t i = 0; i < q.size(); ++i) {
        SCOPED_TRACE(kTimers[i]);
        const StateView b = s.stateView(q[i].before), a = s.stateView(q[i].after);
        EXPECT_TRUE(b.timerEnabled(kTimers[i]));
        EXPECT_FALSE(b.enabled()) << "still locked one tick before the end";
        EXPECT_TRUE(b.raw().value(QStringLiteral("busy")).toBool());
        EXPECT_FALSE(a.timerEnabled(kTimers[i]));
        if (i + 1 < q.size()) {
            EXPECT_TRUE(a.timerEnabled(kTimers[i + 1]));
            EXPECT_FALSE(a.enabled());
        } else {
            EXPECT_TRUE(a.enabled()) << "the last stage lifts the lock";
            EXPECT_FALSE(a.raw().value(QStringLiteral("busy")).toBool());
            EXPECT_FALSE(a.itemEnabled("Austenitisierung")) << "until Löschen / Neu or closing";
        }
        EXPECT_EQ(s.color(q[i].pixelBefore), stages[i].before) << stages[i].why;
        EXPECT_EQ(s.color(q[i].pixelAfter), stages[i].after) << stages[i].why;
    }
}

TEST(ZTAZTU045Driver, EveryCoolingCurveHasItsMarks)
{
    // Each mark is a 6 × 6 ellipse with a blue outline: its left edge at mid-height is blue, two
    // pixels in it shows its fill, black where the curve enters a region and white where it
    // leaves the last one.
    struct MarkCase {
        int x1, y1; // the box's top-left on PaintBoxLog
        TColor fill;
        const char* curve;
    };
    const MarkCase marks[] = {
        { 224, 19, clBlack, "0.04 °C/s: ferrite start" },
        { 238, 33, clBlack, "0.04 °C/s: pearlite start" },
        { 242, 39, clWhite, "0.04 °C/s: pearlite end" },
        { 154, 27, clBlack, "0.6 °C/s" },
        { 167, 43, clBlack, "0.6 °C/s" },
        { 170, 51, clWhite, "0.6 °C/s" },
        { 87, 39, clBlack, "15 °C/s" },
        { 97, 55, clBlack, "15 °C/s: its level part starts" },
        { 111, 60, clWhite, "15 °C/s" },
        { 62, 54, clBlack, "60 °C/s" },
        { 73, 77, clBlack, "60 °C/s" },
        { 83, 97, clBlack, "60 °C/s" },
        { 102, 166, clWhite, "60 °C/s: into martensite" },
        { 42, 156, clBlack, "600 °C/s: martensite start" },
    };
    Script s;
    s << "menu Austenitisierung";
    s.ticks(760);
    std::vector<std::pair<int, int>> q;
    for (const MarkCase& m : marks)
        q.push_back({ s.pixel(log(m.x1, m.y1 + 3)), s.pixel(log(m.x1 + 2, m.y1 + 3)) });
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    for (size_t i = 0; i < q.size(); ++i) {
        SCOPED_TRACE(marks[i].curve);
        EXPECT_EQ(s.color(q[i].first), clBlue) << "outline of the mark at " << marks[i].x1 << ", " << marks[i].y1;
        EXPECT_EQ(s.color(q[i].second), marks[i].fill) << "fill of the mark at " << marks[i].x1 << ", " << marks[i].y1;
    }
}

TEST(ZTAZTU045Driver, LoeschenNeuIsOutOfReachDuringTheRunAndClearsAfterIt)
{
    Script s;
    s << "menu Austenitisierung";
    s.ticks(400);
    s << "menu NEU";
    const int refusedNeu = s.line();
    s << "key F1"; // keys still reach the locked form
    const int duringRun = s.state();
    s.ticks(360);
    s << "menu NEU";
    const int cleared = s.state();
    const int holding = s.pixel(haupt(300, 158));
    const int label = s.pixel(log(12, 242));
    s.run(true);
    EXPECT_NE(s.err().find(s.refused(refusedNeu)), std::string::npos) << s.err();
    EXPECT_TRUE(s.stateView(duringRun).visible("MemoErlaeuterung")) << "F1 shows the memo during the run";
    EXPECT_TRUE(s.stateView(duringRun).timerEnabled("Timer004"));
    const StateView c = s.stateView(cleared);
    EXPECT_TRUE(c.enabled());
    EXPECT_TRUE(c.itemEnabled("Austenitisierung"));
    EXPECT_EQ(s.color(holding), kGold);
    EXPECT_EQ(s.color(label), kGold);
}

TEST(ZTAZTU045Driver, EscDuringAnyStageLeavesAnIdleFormForTheNextOpening)
{
    // 100 ticks: holding; 400: 0.04 °C/s; 700: 15 °C/s; 750: 600 °C/s.
    for (int t : { 100, 400, 700, 750 }) {
        SCOPED_TRACE(t);
        Script s;
        s << "menu Austenitisierung"
          << "key F1";
        s.ticks(t);
        s << "key Esc";
        const int closed = s.state();
        s.ticks(100);
        s << "menu ZTAZTUSchaubildC0451";
        const int reopened = s.state();
        const int holding = s.pixel(haupt(130, 159));
        const int curve = s.pixel(log(20, 3)); // the 0.04 °C/s curve's start, 2 pixels low
        s << "menu Austenitisierung";
        s.ticks(1);
        const int again = s.pixel(haupt(94, 429));
        s.run();
        ASSERT_EQ(s.code(), 0) << s.err();
        EXPECT_FALSE(s.stateView(closed).visible());
        EXPECT_TRUE(idle(s.stateView(closed)));
        EXPECT_TRUE(idle(s.stateView(reopened)));
        EXPECT_EQ(s.color(holding), kGold);
        EXPECT_EQ(s.color(curve), kGold);
        EXPECT_EQ(s.color(again), clRed) << "a new run starts at (93, 430)";
    }
}
