#include "scheduledrequests.h"

#include "monitorrules.h"

ScheduledRequests::ScheduledRequests(qint64 longestTickDelayMs)
    : longestTickDelayMs(longestTickDelayMs)
{
}

void ScheduledRequests::tick(const MachineClocks &now, qint64 plannedGapMs)
{
    // Suspend stops the monotonic clock that timers use, but neither the
    // wall clock nor CLOCK_BOOTTIME: after a sleep the tick comes on time
    // by the first and late by the others.
    const qint64 longestGap = plannedGapMs + longestTickDelayMs;
    if (previousTick
        && (now.wallMs - previousTick->wallMs > longestGap
            || now.bootMs - previousTick->bootMs > longestGap)) {
        machineWasAway();
    }
    previousTick = now;
}

void ScheduledRequests::machineWasAway()
{
    for (Request &request : requests)
        request.awaySince = true;
}

bool ScheduledRequests::mayRequest(const QString &action, qint64 wallMs) const
{
    const auto it = requests.constFind(action);
    if (it == requests.cend() || !it->awaySince)
        return true;
    return wallMs - it->wallMs > scheduleWindowMs;
}

void ScheduledRequests::requested(const QString &action, qint64 wallMs)
{
    requests.insert(action, {wallMs, false});
}
