#pragma once

#include "poweractions.h"
#include "powerrefusal.h"

#include <QString>
#include <functional>

class QObject;

// How long a question may wait for a daemon that hangs, where the program
// waits for the answer: while it starts, when a daemon restarts, or when
// logind is asked what the machine can do. They answer at once otherwise.
constexpr int answerCapMs = 2000;

// Whether a D-Bus error says that nobody owns the name asked for and the
// bus could not start anyone for it.
bool isServiceMissing(const QString &errorName);

// Asks now, and waits: UPower's CanHibernate and CanSuspend, or, when
// UPower has no such properties (0.99 and later) or is not there, logind,
// whose "yes" or "challenge" counts. logind is never asked while UPower
// answers.
SleepSupport readSleepSupport();

// Requests one action: "hibernate" and "suspend" from UPower without
// waiting for its answer, and from logind when that answer says UPower
// has no such request or is not there; anything else shuts the machine
// down through ConsoleKit, waiting for the answer, or through logind when
// no ConsoleKit is there. Case-sensitive. logind is never waited for; the
// answers that come later are taken by children of owner, which must live
// until then. A refusal is handed to refused, which may come before this
// returns.
void requestPowerAction(QObject *owner, const QString &action,
                        const std::function<void(const PowerRefusal &)> &refused = {});

// Asks logind, without waiting, who holds a block on the refused action
// ("shutdown" for a shutdown, "sleep" otherwise), the program itself
// aside, and hands the refusal on with them.
void findInhibitors(QObject *owner, PowerRefusal refusal,
                    const std::function<void(const PowerRefusal &)> &found);
