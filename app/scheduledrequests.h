#pragma once

#include "timeofday.h"

#include <QHash>
#include <QString>
#include <optional>

// Remembers when each scheduled action was last requested, and whether the
// machine has been away (asleep or hibernated) since. Requesting the
// action again in the same window after such an absence would put the
// machine straight back to sleep as soon as the user wakes it.
class ScheduledRequests
{
public:
    // The gap between two ticks, on either clock, beyond which the machine
    // must have been away: a busy machine delays a tick by far less.
    explicit ScheduledRequests(qint64 longestTickGapMs);

    // One tick of the monitor, at these clock readings.
    void tick(const MachineClocks &now);
    // The system says it has woken up.
    void machineWasAway();

    // Whether the scheduled action may be requested at wallMs.
    bool mayRequest(const QString &action, qint64 wallMs) const;
    void requested(const QString &action, qint64 wallMs);

private:
    struct Request
    {
        qint64 wallMs;
        bool awaySince;
    };

    qint64 longestTickGapMs;
    std::optional<MachineClocks> previousTick;
    QHash<QString, Request> requests;
};
