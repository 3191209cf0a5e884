#pragma once

#include "powerrefusal.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <optional>

// Tells that the system refused an action while there is still time to
// save one's work: once per run-down of a battery for its critical action,
// once per schedule window for a scheduled one. A refusal is told on the
// run after it came, and only if that run still asks for the action: a
// battery that charges again, or whose charge rose above its level, has
// nothing more to fear, and its next refusal is told again.
class RefusalNotice
{
    Q_DECLARE_TR_FUNCTIONS(RefusalNotice)

public:
    void refused(const PowerRefusal &refusal);

    // One battery on a run: whether it asks for its critical action now;
    // model: the battery's, as the daemon gives it.
    std::optional<QString> observeBattery(const QString &path, const QString &action,
                                          bool requesting, int level, int percent,
                                          const QString &model);
    // A schedule asks for its action on this run.
    std::optional<QString> observeSchedule(const QString &action, qint64 wallMs);
    // The run is over: refusals that nobody asks for any more are dropped.
    void runDone() { pending.clear(); }

    // Why, in a few words: who holds logind's block, or the error's text.
    static QString reason(const PowerRefusal &refusal);

private:
    QHash<QString, PowerRefusal> pending; // by action
    QSet<QString> toldBatteries;
    QHash<QString, qint64> toldSchedules; // when, on the wall clock
};
