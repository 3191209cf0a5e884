#pragma once

#include <QTime>

// The time of day the power monitor compares its schedules with. It is the
// wall clock; tests replace the source so that they never wait for a time.
QTime currentTimeOfDay();

using TimeOfDaySource = QTime (*)();
// Replaces the source; nullptr restores the wall clock.
void setTimeOfDaySource(TimeOfDaySource source);

// The clocks that tell whether the machine has slept between two ticks:
// the wall clock and CLOCK_BOOTTIME, which both go on while the machine
// sleeps, in milliseconds.
struct MachineClocks
{
    qint64 wallMs;
    qint64 bootMs;
};
MachineClocks currentClocks();

using ClockSource = MachineClocks (*)();
// Replaces the source; nullptr restores the machine's clocks.
void setClockSource(ClockSource source);
