#pragma once

#include "systempower.h"

#include <QMap>
#include <QString>
#include <QStringList>

// The power actions the machine offers now, from identifier to display
// text, in identifier order: "*" (nothing) and "shutdown" always,
// "hibernate" and "suspend" when UPower says it can. A UPower without the
// CanHibernate/CanSuspend properties (0.99 and later) or no UPower at all
// leaves the answer to logind, whose "yes" or "challenge" offers the action;
// logind is never asked while UPower answers. Asks afresh on every call.
QMap<QString, QString> powerActions();
// The same catalogue from answers already in hand.
QMap<QString, QString> powerActions(const SleepSupport &support);

// The display text of an action, whether the machine offers it now or not;
// an identifier of no action is shown as it is. Asks nobody.
QString powerActionName(const QString &identifier);

// Every action that can have a schedule, in the catalogue's order: all
// but "*". Asks nobody.
QStringList schedulableActions();
