#include "monitorclock.h"

#include <algorithm>

MonitorClock::MonitorClock(int intervalMs, QObject *parent)
    : QObject(parent), interval(intervalMs), timer(new QTimer(this)), plannedGap(intervalMs)
{
    timer->setSingleShot(true);
    // A coarse timer may fire early by a twentieth of a long sleep, which
    // would be before the tick it sleeps to.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &MonitorClock::fire);
}

void MonitorClock::start()
{
    sinceStart.start();
    origin = 0;
    lastDue = 0;
    arm(interval);
}

void MonitorClock::stop()
{
    timer->stop();
    sinceStart.invalidate();
}

void MonitorClock::tickSoon()
{
    if (!sinceStart.isValid())
        return;
    const qint64 due = firstGridTickFrom(sinceStart.elapsed() + 1);
    if (!timer->isActive() || due < nextDue)
        arm(due);
}

void MonitorClock::sleepFor(qint64 waitMs)
{
    if (!sinceStart.isValid())
        return;
    // Counted from the tick that says so, which ran a little after its time.
    arm(std::max(firstGridTickFrom(sinceStart.elapsed() + 1), firstGridTickFrom(lastDue + waitMs)));
}

void MonitorClock::fire()
{
    plannedGap = nextDue - lastDue;
    // The grid's time, not the timer's: a timer fires a little late, and
    // the next tick stays on the grid. A tick that comes later than the
    // one after it was due (the process was stopped, the machine slept)
    // starts the grid anew, as a repeating timer would: the ticks missed
    // are not made up in a burst.
    const qint64 now = sinceStart.elapsed();
    if (now - nextDue >= interval)
        origin = now;
    lastDue = std::max(nextDue, origin);
    arm(lastDue + interval);
    emit tick();
}

qint64 MonitorClock::firstGridTickFrom(qint64 ms) const
{
    return origin + (ms - origin + interval - 1) / interval * interval;
}

void MonitorClock::arm(qint64 dueMs)
{
    nextDue = dueMs;
    timer->start(int(std::max<qint64>(0, dueMs - sinceStart.elapsed())));
}
