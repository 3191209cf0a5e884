#pragma once

#include "clock.h"

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
    // How much later than planned a tick may come, on either clock, before
    // the machine must have been away: a busy machine delays a tick by far
    // less.
    explicit ScheduledRequests(qint64 longestTickDelayMs);

    // One tick of the monitor, at these clock readings, planned to come
    // plannedGapMs after the one before.
    void tick(const MachineClocks &now, qint64 plannedGapMs);
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

    qint64 longestTickDelayMs;
    std::optional<MachineClocks> previousTick;
    QHash<QString, Request> requests;
};
