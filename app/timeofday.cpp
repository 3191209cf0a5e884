#include "timeofday.h"

#include <QDateTime>
#include <time.h>

static TimeOfDaySource timeOfDaySource = nullptr;
static ClockSource clockSource = nullptr;

QTime currentTimeOfDay()
{
    return timeOfDaySource ? timeOfDaySource() : QTime::currentTime();
}

void setTimeOfDaySource(TimeOfDaySource source)
{
    timeOfDaySource = source;
}

static qint64 bootTimeMs()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

MachineClocks currentClocks()
{
    if (clockSource)
        return clockSource();
    return {QDateTime::currentMSecsSinceEpoch(), bootTimeMs()};
}

void setClockSource(ClockSource source)
{
    clockSource = source;
}
