#pragma once

#include <QString>

// Every key of the settings store that steers the power monitor, with the
// defaults its readers use. Keys are plain concatenations: a device path
// starts with "/", so battery keys hold two slashes in a row, which the
// store folds into one separator; readers and writers compose them alike.
namespace SettingsKeys {

// Per battery, by its UPower object path.
QString criticalChargeLevel(const QString &devicePath);
QString criticalAction(const QString &devicePath);
// Per device battery (a mouse, a keyboard...), by its UPower object path.
QString warnWhenLow(const QString &devicePath);

// Per power action identifier (never "*").
QString scheduleEnabled(const QString &action);
QString scheduleTime(const QString &action);

// The span of the battery page's charge history, in seconds.
QString historySpan();

// The power profile set when the machine comes to line power or to its
// batteries: one of the daemon's profiles, or empty to keep the profile.
QString profileOnLinePower();
QString profileOnBattery();
// Whether power-saver is held while a battery runs low, and at which
// charge in percent.
QString profileLowHold();
QString profileLowLevel();

constexpr int defaultCriticalChargeLevel = 10;
inline QString defaultCriticalAction()
{
    return QStringLiteral("shutdown");
}
constexpr bool defaultScheduleEnabled = false;
constexpr bool defaultWarnWhenLow = true;
constexpr int defaultHistorySpan = 24 * 3600;
constexpr bool defaultProfileLowHold = false;
constexpr int defaultProfileLowLevel = 20;

// The action identifier that means "do nothing".
inline QString nothingAction()
{
    return QStringLiteral("*");
}

} // namespace SettingsKeys
