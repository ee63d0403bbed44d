// Timers and the one scheduler that runs them, on the real clock in the program and on a
// virtual clock in tests and the headless driver.
#pragma once

#include "Component.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

namespace wb {

class TTimer;

// Decides when timers fire. In real time one precise Qt timer wakes it for the earliest due
// timer; each timer keeps its own due time (next due = previous due + interval), so late
// wake-ups do not add up to lag. In virtual time nothing happens until `advance` is called.
class Scheduler : public QObject {
    Q_OBJECT
public:
    static Scheduler& instance();

    // Switches between the real clock and a virtual clock starting at 0 ms. Only while no
    // timer is enabled.
    void setVirtual(bool on);
    bool isVirtual() const { return m_virtual; }

    // Current time in microseconds (virtual or since the scheduler started).
    qint64 nowUs() const;
    // The real clock in microseconds: the monotonic clock since the scheduler started, or the
    // one given here (a test's; an empty function restores the monotonic clock).
    void setRealClock(std::function<qint64()> nowUs) { m_clock = std::move(nowUs); }
    // Real time: fires the timers due now, at most a bounded number, and arms the wake-up for
    // the next one (what the wake-up timer runs).
    void runDue();
    qint64 nowMs() const { return nowUs() / 1000; }

    // Virtual time: advances by `ms`, firing every timer due up to and including the new time,
    // in time order, ties in creation order.
    void advance(qint64 ms);
    // Virtual time: advances until no timer is enabled, at most `maxMs`. Returns the time spent.
    qint64 runUntilIdle(qint64 maxMs);

    bool anyEnabled() const;

    // Runs before every tick; the application uses it to paint forms that wait for a paint.
    void setBeforeTick(std::function<void()> hook) { m_beforeTick = std::move(hook); }
    // Once this says so (the program has ended), virtual time fires no more ticks.
    void setCancelled(std::function<bool()> cancelled) { m_cancelled = std::move(cancelled); }

    // Bookkeeping called by TTimer.
    void add(TTimer* t);
    void remove(TTimer* t);
    void changed();

private:
    Scheduler();
    TTimer* nextDue(qint64 limitUs) const;
    void fire(TTimer* t, qint64 nowUs);
    void arm();

    std::vector<TTimer*> m_timers; // creation order
    bool m_virtual = false;
    qint64 m_virtualNowUs = 0;
    QElapsedTimer m_realClock;
    std::function<qint64()> m_clock;
    QTimer m_wakeTimer;
    std::function<void()> m_beforeTick;
    std::function<bool()> m_cancelled;
};

class TTimer : public TComponent {
public:
    TTimer(TForm* owner, const QString& name, int interval = 1000, bool enabled = false);
    // The same with the tick handler given at the declaration.
    template <class Form>
    TTimer(TForm* owner, const QString& name, FormHandler<Form> onTimer, int interval = 1000, bool enabled = false)
        : TTimer(owner, name, interval, enabled)
    {
        OnTimer = bindHandler(owner, onTimer);
    }
    ~TTimer() override;

    QString kind() const override { return QStringLiteral("timer"); }

    int Interval() const { return m_interval; }
    // A different interval restarts the period; the same one changes nothing.
    void SetInterval(int ms);
    bool Enabled() const { return m_enabled; }
    // Enabling a disabled timer starts its period now; enabling a running one changes nothing.
    void SetEnabled(bool on);

    std::function<void()> OnTimer;

private:
    friend class Scheduler;
    void restart();

    int m_interval;
    bool m_enabled = false;
    bool m_inHandler = false;
    qint64 m_dueUs = 0;
};

} // namespace wb
