#pragma once

#include <QMap>
#include <QString>

class OrgFreedesktopUPowerInterface;

// The power actions the machine offers now, from identifier to display
// text, in identifier order: "*" (nothing) and "shutdown" always,
// "hibernate" and "suspend" when UPower says it can. Asks the daemon afresh
// on every call.
QMap<QString, QString> powerActions();

// Carries out one action: "hibernate" and "suspend" are requested from
// UPower without waiting for its answer; anything else shuts the machine
// down through ConsoleKit and waits for the answer. Case-sensitive.
void executePowerAction(OrgFreedesktopUPowerInterface &upower, const QString &action);
