#pragma once

#include <QTime>

// The clocks that tell whether the machine has slept between two runs of
// the monitor: the wall clock and CLOCK_BOOTTIME, which both go on while
// the machine sleeps, in milliseconds.
struct MachineClocks
{
    qint64 wallMs;
    qint64 bootMs;
};

// The time as the power monitor reads it: the machine's clocks and the
// time of day its schedules are compared with. Tests hand the monitor one
// of their own, so that they never wait for a time.
class Clock
{
public:
    virtual ~Clock() = default;

    virtual MachineClocks now() const;
    virtual QTime timeOfDay() const;
    // How long from now until the time of day jumps as local time changes
    // its offset (daylight saving time), if that is within horizonMs;
    // horizonMs otherwise. A sleep timed by the time of day ends there.
    virtual qint64 msUntilOffsetChange(qint64 horizonMs) const;
};
