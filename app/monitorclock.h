#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The power monitor's clock: ticks on a fixed grid, one every interval from
// the start, so that every decision falls on a tick of the same grid.
//
// Where the monitor knows that the coming ticks could decide nothing (every
// value it reads is announced when it changes), it sleeps through them to a
// later tick of the grid; anything announced brings back the grid's next
// tick. A sleeping program wakes no processor.
class MonitorClock : public QObject
{
    Q_OBJECT

public:
    explicit MonitorClock(int intervalMs, QObject *parent = nullptr);

    void start();
    void stop();

    // The next tick is the grid's next one, however long the last tick
    // said to sleep.
    void tickSoon();
    // Said by a tick: the next tick is the first of the grid at least
    // waitMs after this one, unless tickSoon() comes first.
    void sleepFor(qint64 waitMs);

    // How long after the tick before it the tick now running was due, in
    // milliseconds: the interval, unless the clock slept.
    qint64 plannedGapMs() const { return plannedGap; }

signals:
    void tick();

private:
    void fire();
    qint64 firstGridTickFrom(qint64 ms) const;
    void arm(qint64 dueMs);

    const int interval;
    QTimer *timer;
    QElapsedTimer sinceStart;
    // The grid: a tick every interval from here, on sinceStart.
    qint64 origin = 0;
    qint64 lastDue = 0;
    qint64 nextDue = 0;
    qint64 plannedGap;
};
