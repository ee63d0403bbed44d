#include "Timers.h"

#include <algorithm>
#include <cassert>

namespace wb {

Scheduler& Scheduler::instance()
{
    static Scheduler s;
    return s;
}

Scheduler::Scheduler()
{
    m_realClock.start();
    m_wakeTimer.setSingleShot(true);
    m_wakeTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_wakeTimer, &QTimer::timeout, this, [this] { runDue(); });
}

void Scheduler::setVirtual(bool on)
{
    assert(!anyEnabled() && "switch clocks only while no timer runs");
    m_virtual = on;
    m_virtualNowUs = 0;
    m_wakeTimer.stop();
}

qint64 Scheduler::nowUs() const
{
    if (m_virtual)
        return m_virtualNowUs;
    return m_clock ? m_clock() : m_realClock.nsecsElapsed() / 1000;
}

void Scheduler::add(TTimer* t)
{
    m_timers.push_back(t);
}

void Scheduler::remove(TTimer* t)
{
    m_timers.erase(std::remove(m_timers.begin(), m_timers.end(), t), m_timers.end());
    changed();
}

bool Scheduler::anyEnabled() const
{
    return std::any_of(m_timers.begin(), m_timers.end(), [](const TTimer* t) { return t->m_enabled; });
}

TTimer* Scheduler::nextDue(qint64 limitUs) const
{
    // Earliest due time first; m_timers is in creation order, so the first of equals wins.
    TTimer* best = nullptr;
    for (TTimer* t : m_timers) {
        if (!t->m_enabled || t->m_inHandler || t->m_interval <= 0 || t->m_dueUs > limitUs)
            continue;
        if (!best || t->m_dueUs < best->m_dueUs)
            best = t;
    }
    return best;
}

void Scheduler::fire(TTimer* t, qint64 nowUs)
{
    const qint64 period = qint64(t->m_interval) * 1000;
    qint64 next = t->m_dueUs + period;
    if (!m_virtual) {
        // After a long stall catch up with at most a couple of ticks, not with a burst.
        next = std::max(next, nowUs - period);
    }
    t->m_dueUs = next;
    if (m_beforeTick)
        m_beforeTick();
    // A handler may have switched the timer off while forms were painted.
    if (!t->m_enabled)
        return;
    t->m_inHandler = true;
    // The handler may open a modal form: the other timers keep their wake-ups meanwhile.
    if (!m_virtual)
        arm();
    if (t->OnTimer)
        t->OnTimer();
    t->m_inHandler = false;
}

void Scheduler::advance(qint64 ms)
{
    assert(m_virtual);
    const qint64 target = m_virtualNowUs + ms * 1000;
    while (TTimer* t = nextDue(target)) {
        if (m_cancelled && m_cancelled())
            return;
        m_virtualNowUs = std::max(m_virtualNowUs, t->m_dueUs);
        fire(t, m_virtualNowUs);
    }
    // A handler may have opened a modal form whose own commands moved time further on.
    m_virtualNowUs = std::max(m_virtualNowUs, target);
}

qint64 Scheduler::runUntilIdle(qint64 maxMs)
{
    assert(m_virtual);
    const qint64 start = m_virtualNowUs;
    const qint64 limit = start + maxMs * 1000;
    while (anyEnabled()) {
        TTimer* t = nextDue(limit);
        if (!t || (m_cancelled && m_cancelled()))
            break;
        m_virtualNowUs = std::max(m_virtualNowUs, t->m_dueUs);
        fire(t, m_virtualNowUs);
    }
    if (anyEnabled())
        m_virtualNowUs = std::max(m_virtualNowUs, limit);
    return (m_virtualNowUs - start) / 1000;
}

void Scheduler::changed()
{
    if (!m_virtual)
        arm();
}

void Scheduler::arm()
{
    qint64 earliest = -1;
    for (const TTimer* t : m_timers) {
        // A timer whose handler still runs (a modal form opened from a tick) is not due.
        if (!t->m_enabled || t->m_interval <= 0 || t->m_inHandler)
            continue;
        if (earliest < 0 || t->m_dueUs < earliest)
            earliest = t->m_dueUs;
    }
    if (earliest < 0) {
        m_wakeTimer.stop();
        return;
    }
    const qint64 waitUs = earliest - nowUs();
    // Qt timers count whole milliseconds; waking a little early is harmless, runDue() simply
    // arms again.
    m_wakeTimer.start(int(std::max<qint64>(0, waitUs / 1000)));
}

void Scheduler::runDue()
{
    // Bounded, so that a flood of 1 ms ticks never starves painting and input.
    for (int fired = 0; fired < 64; ++fired) {
        const qint64 now = nowUs();
        TTimer* t = nextDue(now);
        if (!t)
            break;
        fire(t, now);
    }
    arm();
}

TTimer::TTimer(TForm* owner, const QString& name, int interval, bool enabled)
    : TComponent(owner, name)
    , m_interval(interval)
{
    Scheduler::instance().add(this);
    if (enabled)
        SetEnabled(true);
}

TTimer::~TTimer()
{
    Scheduler::instance().remove(this);
}

void TTimer::restart()
{
    m_dueUs = Scheduler::instance().nowUs() + qint64(m_interval) * 1000;
    Scheduler::instance().changed();
}

void TTimer::SetInterval(int ms)
{
    if (ms == m_interval)
        return;
    m_interval = ms;
    if (m_enabled)
        restart();
}

void TTimer::SetEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    if (on)
        restart();
    else
        Scheduler::instance().changed();
}

} // namespace wb
