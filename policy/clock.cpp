#include "clock.h"

#include <QDateTime>
#include <ctime>

namespace {

qint64 bootTimeMs()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

long offsetAt(time_t when)
{
    tm local{};
    return localtime_r(&when, &local) ? local.tm_gmtoff : 0;
}

} // namespace

MachineClocks Clock::now() const
{
    return {QDateTime::currentMSecsSinceEpoch(), bootTimeMs()};
}

// The monitor asks on every run. QTime::currentTime() goes through
// QDateTime's whole local-time conversion, which reads the zone three
// times; tzset() once still sees a zone set anew.
QTime Clock::timeOfDay() const
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

qint64 Clock::msUntilOffsetChange(qint64 horizonMs) const
{
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    const time_t start = time_t(nowMs / 1000);
    const time_t end = time_t((nowMs + horizonMs) / 1000);
    const long offset = offsetAt(start);
    if (offsetAt(end) == offset)
        return horizonMs;
    // The first second of the new offset, by halving: a few dozen
    // conversions, once per long sleep.
    time_t before = start;
    time_t after = end;
    while (after - before > 1) {
        const time_t middle = before + (after - before) / 2;
        (offsetAt(middle) == offset ? before : after) = middle;
    }
    return qMax<qint64>(0, qint64(after) * 1000 - nowMs);
}
