#include "timeofday.h"

#include <QDateTime>
#include <time.h>

static TimeOfDaySource timeOfDaySource = nullptr;
static ClockSource clockSource = nullptr;

// The monitor asks on every tick. QTime::currentTime() goes through
// QDateTime's whole local-time conversion, which reads the zone three
// times; tzset() once still sees a zone set anew.
static QTime wallTimeOfDay()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tzset();
    tm local{};
    if (!localtime_r(&now.tv_sec, &local))
        return QTime::currentTime();
    // A leap second is no time QTime knows.
    return QTime(local.tm_hour, local.tm_min, qMin(local.tm_sec, 59), int(now.tv_nsec / 1000000));
}

QTime currentTimeOfDay()
{
    return timeOfDaySource ? timeOfDaySource() : wallTimeOfDay();
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
