// Timers on the virtual clock: periods, order of due timers, restarts, no re-entry.
#include "framework/Forms.h"
#include "framework/Timers.h"
#include "tests/support/Harness.h"

using namespace wb;

namespace {

struct Log {
    std::vector<std::string> entries;
    void add(const std::string& what) { entries.push_back(what + "@" + std::to_string(Scheduler::instance().nowMs())); }
};

class TimerForm : public TForm {
public:
    TimerForm()
        : TForm(QStringLiteral("TimerForm"))
    {
    }
    TTimer A { this, QStringLiteral("A"), 50 };
    TTimer B { this, QStringLiteral("B"), 100 };
    TTimer C { this, QStringLiteral("C"), 30 };
};

class Timers : public ::testing::Test {
protected:
    void SetUp() override { wbtest::resetApplication(); }
    void TearDown() override
    {
        for (TTimer* t : { &f.A, &f.B, &f.C })
            t->SetEnabled(false);
    }
    TimerForm f;
    Log log;
};

} // namespace

TEST_F(Timers, EnabledAtTFiresAtTPlusMultiplesOfTheInterval)
{
    f.A.OnTimer = [&] { log.add("A"); };
    const qint64 t0 = Scheduler::instance().nowMs();
    Scheduler::instance().advance(10);
    f.A.SetEnabled(true); // at t0 + 10
    Scheduler::instance().advance(160);
    auto at = [t0](int ms) { return "A@" + std::to_string(t0 + ms); };
    EXPECT_EQ(log.entries, (std::vector<std::string> { at(60), at(110), at(160) }));
}

TEST_F(Timers, DueTimersFireInTimeOrderTiesInCreationOrder)
{
    f.A.OnTimer = [&] { log.add("A"); };
    f.B.OnTimer = [&] { log.add("B"); };
    f.C.OnTimer = [&] { log.add("C"); };
    const qint64 t0 = Scheduler::instance().nowMs();
    f.C.SetEnabled(true);
    f.B.SetEnabled(true);
    f.A.SetEnabled(true);
    Scheduler::instance().advance(100);
    // C at 30, 60, 90; A at 50, 100; B at 100 — at 100 A comes before B (created first).
    auto at = [t0](const char* n, int ms) { return std::string(n) + "@" + std::to_string(t0 + ms); };
    EXPECT_EQ(log.entries,
        (std::vector<std::string> { at("C", 30), at("A", 50), at("C", 60), at("C", 90), at("A", 100), at("B", 100) }));
}

TEST_F(Timers, AHandlerEnablingAnotherTimerStartsItsPeriodAtTheCurrentTime)
{
    const qint64 t0 = Scheduler::instance().nowMs();
    f.A.OnTimer = [&] {
        log.add("A");
        f.A.SetEnabled(false);
        f.B.SetEnabled(true); // chained stage: starts at t0 + 50
    };
    f.B.OnTimer = [&] { log.add("B"); };
    f.A.SetEnabled(true);
    Scheduler::instance().advance(260);
    EXPECT_EQ(log.entries,
        (std::vector<std::string> {
            "A@" + std::to_string(t0 + 50), "B@" + std::to_string(t0 + 150), "B@" + std::to_string(t0 + 250) }));
}

TEST_F(Timers, RestartRules)
{
    f.A.OnTimer = [&] { log.add("A"); };
    const qint64 t0 = Scheduler::instance().nowMs();
    f.A.SetEnabled(true);
    Scheduler::instance().advance(40);
    f.A.SetEnabled(true); // already running: nothing changes
    f.A.SetInterval(50); // the same interval: nothing changes
    Scheduler::instance().advance(10); // fires at t0 + 50
    Scheduler::instance().advance(20);
    f.A.SetInterval(30); // a different interval restarts the period at t0 + 70
    Scheduler::instance().advance(30); // fires at t0 + 100
    Scheduler::instance().advance(5);
    f.A.SetEnabled(false);
    f.A.SetEnabled(true); // disabled and enabled again: restarts at t0 + 105
    Scheduler::instance().advance(30); // fires at t0 + 135
    auto at = [t0](int ms) { return "A@" + std::to_string(t0 + ms); };
    EXPECT_EQ(log.entries, (std::vector<std::string> { at(50), at(100), at(135) }));
}

TEST_F(Timers, AHandlerIsNeverReentered)
{
    // A handler that pumps events (as a modal form opened from a tick does) must not see its
    // own timer fire again inside.
    int depth = 0, maxDepth = 0, ticks = 0;
    f.C.OnTimer = [&] {
        ++ticks;
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (ticks == 1)
            Scheduler::instance().advance(100); // time passes inside the handler
        --depth;
    };
    f.C.SetEnabled(true);
    Scheduler::instance().advance(30);
    EXPECT_EQ(maxDepth, 1);
    // The tick at 30 only: inside its handler the timer is not due, and the outer advance ends
    // at 30, before its next period.
    EXPECT_EQ(ticks, 1);
}

// The real clock, given by the test: after a stall the timer catches up with at most a couple of
// ticks instead of a burst, and late wake-ups do not shift its period.
TEST_F(Timers, OnTheRealClockAStallCostsAtMostTwoCatchUpTicksAndLateWakeUpsAddNoLag)
{
    Scheduler& s = Scheduler::instance();
    s.setVirtual(false);
    qint64 nowUs = 0;
    s.setRealClock([&] { return nowUs; });
    f.A.SetInterval(10);
    f.A.OnTimer = [&] { log.add("A"); };
    f.A.SetEnabled(true); // due at 10 ms
    auto at = [](qint64 ms) { return "A@" + std::to_string(ms); };

    nowUs = 5'000;
    s.runDue();
    EXPECT_TRUE(log.entries.empty()) << "not due before 10 ms";

    nowUs = 1'000'000; // a stall of almost a second
    s.runDue();
    // The late tick, then one at now - period and one at now; 99 missed periods are not replayed.
    EXPECT_EQ(log.entries, (std::vector<std::string> { at(1000), at(1000), at(1000) }));

    log.entries.clear();
    nowUs = 1'012'000; // woken 2 ms late for the tick due at 1010
    s.runDue();
    nowUs = 1'019'000;
    s.runDue();
    nowUs = 1'020'000; // the next one is due at 1020, not at 1022
    s.runDue();
    EXPECT_EQ(log.entries, (std::vector<std::string> { at(1012), at(1020) }));

    f.A.SetEnabled(false);
    s.setRealClock({});
    s.setVirtual(true);
}

TEST_F(Timers, RunUntilIdleStopsWhenTheLastTimerSwitchesOff)
{
    int n = 0;
    f.A.OnTimer = [&] {
        if (++n == 7)
            f.A.SetEnabled(false);
    };
    f.A.SetEnabled(true);
    const qint64 spent = Scheduler::instance().runUntilIdle(100000);
    EXPECT_EQ(n, 7);
    EXPECT_EQ(spent, 350);
    EXPECT_FALSE(Scheduler::instance().anyEnabled());
}

TEST_F(Timers, TimersOfHiddenFormsKeepTicking)
{
    ASSERT_FALSE(f.Visible());
    int n = 0;
    f.A.OnTimer = [&] { ++n; };
    f.A.SetEnabled(true);
    Scheduler::instance().advance(500);
    EXPECT_EQ(n, 10);
}
