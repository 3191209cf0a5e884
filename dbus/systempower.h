#pragma once

#include <QString>

class QObject;

// The sleep requests the machine takes now.
struct SleepSupport
{
    bool hibernate = false;
    bool suspend = false;
};

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
// until then.
void requestPowerAction(QObject *owner, const QString &action);
