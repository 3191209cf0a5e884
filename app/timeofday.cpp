#include "timeofday.h"

static TimeOfDaySource timeOfDaySource = nullptr;

QTime currentTimeOfDay()
{
    return timeOfDaySource ? timeOfDaySource() : QTime::currentTime();
}

void setTimeOfDaySource(TimeOfDaySource source)
{
    timeOfDaySource = source;
}
