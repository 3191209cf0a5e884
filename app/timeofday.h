#pragma once

#include <QTime>

// The time of day the power monitor compares its schedules with. It is the
// wall clock; tests replace the source so that they never wait for a time.
QTime currentTimeOfDay();

using TimeOfDaySource = QTime (*)();
// Replaces the source; nullptr restores the wall clock.
void setTimeOfDaySource(TimeOfDaySource source);
