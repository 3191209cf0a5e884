#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class OrgFreedesktopUPowerInterface;

// The power actions the machine offers now, from identifier to display
// text, in identifier order: "*" (nothing) and "shutdown" always,
// "hibernate" and "suspend" when UPower says it can. A UPower without the
// CanHibernate/CanSuspend properties (0.99 and later) or no UPower at all
// leaves the answer to logind, whose "yes" or "challenge" offers the action;
// logind is never asked while UPower answers. Asks afresh on every call.
QMap<QString, QString> powerActions();

// The display text of an action, whether the machine offers it now or not;
// an identifier of no action is shown as it is. Asks nobody.
QString powerActionName(const QString &identifier);

// Every action that can have a schedule, in the catalogue's order: all
// but "*". Asks nobody.
QStringList schedulableActions();

// Carries out one action: "hibernate" and "suspend" are requested from
// UPower without waiting for its answer, and from logind when that answer
// says UPower has no such request or is not there; anything else shuts the
// machine down through ConsoleKit, waiting for the answer, or through
// logind when no ConsoleKit is there. Case-sensitive. logind is never
// waited for. Answers that come later are taken by objects owned by
// upower: the fallback to logind needs the proxy to live until then.
void executePowerAction(OrgFreedesktopUPowerInterface &upower, const QString &action);
