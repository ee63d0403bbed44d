// The temperature-guidance lesson through the headless driver, opened from the main menu: the
// band's and every curve's end tick, the run lock and Esc during the run.
#include "tests/support/Program.h"

#include <string>
#include <vector>

using namespace wb;
using wbtest::StateView;

namespace {

// Pixels are given in the form's client area: PaintBoxHaupt lies at (10, 5).
QPoint haupt(int x, int y)
{
    return { 10 + x, 5 + y };
}

constexpr TColor kGreen = RGB(0x00, 0xEB, 0x00);

const char* const kTimers[] = { "TimerAc", "Timer02", "Timer04", "Timer06", "Timer08", "Timer10", "Timer12", "Timer14",
    "Timer16", "Timer18", "Timer20" };

class Script : public wbtest::Script {
public:
    Script()
        : wbtest::Script { "skip-cover", "menu Temperatufhrung" }
    {
    }
    int state() { return wbtest::Script::state("FormZTAZTU"); }
    Script& ticks(int n)
    {
        *this << "advance " + std::to_string(n * 50);
        return *this;
    }
};

::testing::AssertionResult stopped(const StateView& s)
{
    for (const char* timer : kTimers)
        if (s.timerEnabled(timer))
            return ::testing::AssertionFailure() << timer << " runs";
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(ZTAZTUDriver, BandAndEveryCurveEndAtTheirTicks)
{
    // The band draws its last step to (648, 155) on tick 102 and hands over on tick 103; each
    // curve then takes 63 ticks and ends at its last point, 40 pixels right of the one before.
    struct Stage {
        int ticks; // from the start of the run to the tick that draws the end pixel
        QPoint endPixel;
        TColor after;
        const char* timer; // running one tick before
    };
    std::vector<Stage> stages = {
        { 102, haupt(656, 155), clBlue, "TimerAc" }, // the pen of width 18 reaches 9 pixels past x = 648
    };
    const int lastY[] = { 254, 269, 284, 297, 299, 299, 299, 299, 299, 299 };
    for (int k = 0; k < 10; ++k)
        stages.push_back({ 103 + 63 * (k + 1), haupt(394 + 40 * k, lastY[k]), kGreen, kTimers[k + 1] });

    Script s;
    s << "menu START";
    const int clicked = s.state();
    s.ticks(1);
    const int firstTick = s.state();
    struct Queries {
        int before, pixelBefore, after, pixelAfter;
    };
    std::vector<Queries> q;
    int done = 1;
    for (const Stage& st : stages) {
        Queries one {};
        s.ticks(st.ticks - 1 - done);
        one.before = s.state();
        one.pixelBefore = s.pixel(st.endPixel);
        s.ticks(1);
        done = st.ticks;
        one.after = s.state();
        one.pixelAfter = s.pixel(st.endPixel);
        q.push_back(one);
    }
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();

    EXPECT_TRUE(s.stateView(clicked).enabled()) << "the click itself does not lock";
    EXPECT_TRUE(s.stateView(clicked).itemEnabled("START"));
    EXPECT_FALSE(s.stateView(firstTick).enabled()) << "locked from the first tick";
    EXPECT_TRUE(s.stateView(firstTick).raw().value(QStringLiteral("busy")).toBool());
    EXPECT_TRUE(s.stateView(firstTick).visible("MemoErlaeuterung"));
    for (size_t i = 0; i < q.size(); ++i) {
        SCOPED_TRACE(stages[i].timer);
        const StateView b = s.stateView(q[i].before), a = s.stateView(q[i].after);
        EXPECT_TRUE(b.timerEnabled(stages[i].timer)) << "one tick before the end";
        EXPECT_FALSE(b.enabled());
        EXPECT_NE(s.color(q[i].pixelBefore), stages[i].after);
        EXPECT_EQ(s.color(q[i].pixelAfter), stages[i].after);
        if (i == 0) {
            EXPECT_EQ(s.color(q[i].pixelBefore), RGB(255, 100, 0)) << "row 155 of the background";
            EXPECT_TRUE(a.timerEnabled("TimerAc")) << "the band hands over on the next tick";
        } else if (i + 1 < q.size()) {
            EXPECT_FALSE(a.timerEnabled(stages[i].timer));
            EXPECT_TRUE(a.timerEnabled(stages[i + 1].timer));
            EXPECT_FALSE(a.enabled());
        } else {
            EXPECT_TRUE(stopped(a));
            EXPECT_TRUE(a.enabled()) << "the last curve lifts the lock";
            EXPECT_FALSE(a.raw().value(QStringLiteral("busy")).toBool());
        }
    }
}

TEST(ZTAZTUDriver, EscDuringTheRunStopsEverythingAndTheNextOpeningIsIdle)
{
    // 50 ticks: the band; 400: the fifth curve.
    for (int t : { 50, 400 }) {
        SCOPED_TRACE(t);
        Script s;
        const int opened = s.pixel(haupt(500, 155));
        const int openedCurve = s.pixel(haupt(394, 254));
        s << "menu START";
        s.ticks(t);
        s << "key Esc";
        const int closed = s.state();
        s.ticks(100);
        s << "menu Temperatufhrung";
        const int reopened = s.state();
        const int band = s.pixel(haupt(500, 155));
        const int curve = s.pixel(haupt(394, 254));
        s << "menu START";
        s.ticks(1);
        const int again = s.pixel(haupt(248, 103));
        s.run();
        ASSERT_EQ(s.code(), 0) << s.err();
        EXPECT_FALSE(s.stateView(closed).visible());
        EXPECT_TRUE(s.stateView(closed).enabled());
        EXPECT_TRUE(stopped(s.stateView(closed)));
        EXPECT_TRUE(s.stateView(reopened).enabled());
        EXPECT_TRUE(stopped(s.stateView(reopened)));
        EXPECT_EQ(s.answer(band), s.answer(opened)) << "the static picture again";
        EXPECT_EQ(s.answer(curve), s.answer(openedCurve)) << "no first curve";
        EXPECT_EQ(s.color(again), clBlue) << "a new run starts its band at (240, 100)";
    }
}
