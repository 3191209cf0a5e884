#pragma once

#include <QString>
#include <QTime>
#include <optional>

class QSettings;

// What the power monitor decides from the settings store on each run, apart
// from the window so that every caller applies the very same rules.

// A battery's stored critical action and level, with their defaults.
struct CriticalSetting
{
    QString action;
    int level;
};
CriticalSetting criticalSettingFor(const QSettings &settings, const QString &devicePath);

// The battery's critical action when its charge calls for it: the charge
// is known and at or below the level, and the action is not "Nothing".
// None otherwise; a stored empty action is an action (it shuts down).
// Whether the battery discharges is the caller's to ask, last, since that
// costs a call to the daemon.
std::optional<QString> criticalActionFor(const CriticalSetting &setting, int percent);

// Whether the action's schedule is enabled with a readable time that lies
// within the minute around now.
bool scheduleDue(const QSettings &settings, const QString &action, const QTime &now);

// How long until scheduleDue() next holds for the action, in milliseconds
// from now: 0 while it holds, none while the schedule is off or has no
// readable time.
std::optional<qint64> msUntilScheduleDue(const QSettings &settings, const QString &action,
                                         const QTime &now);
