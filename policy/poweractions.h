#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The sleep requests the machine takes now, as its services say.
struct SleepSupport
{
    bool hibernate = false;
    bool suspend = false;
};

// The power actions the machine offers, from identifier to display text, in
// identifier order: "*" (nothing) and "shutdown" always, "hibernate" and
// "suspend" when the machine takes them.
QMap<QString, QString> powerActions(const SleepSupport &support);

// The display text of an action, whether the machine offers it now or not;
// an identifier of no action is shown as it is. Asks nobody.
QString powerActionName(const QString &identifier);

// Every action that can have a schedule, in the catalogue's order: all
// but "*". Asks nobody.
QStringList schedulableActions();
