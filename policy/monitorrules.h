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

// A schedule is due within so many seconds around its time, so its window
// lasts twice that and a second: two requests further apart than the
// window belong to different windows.
constexpr int scheduleReachSeconds = 59;
constexpr qint64 scheduleWindowMs = (2 * scheduleReachSeconds + 1) * 1000;

// How long until the action's schedule is due, in milliseconds from now: 0
// while it is (enabled with a readable time that lies within the minute
// around now), none while the schedule is off or has no readable time.
std::optional<qint64> msUntilScheduleDue(const QSettings &settings, const QString &action,
                                         const QTime &now);
