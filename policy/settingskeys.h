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

// What the lid does when it closes on battery, on line power and with
// another screen connected, and what the power and suspend keys do: each
// a LidKeys::identifier(); none stored means "system".
QString lidOnBattery();
QString lidOnLinePower();
QString lidDocked();
QString powerKey();
QString suspendKey();
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

inline QString defaultLidOrKey()
{
    return QStringLiteral("system");
}

// What happens when the person is away, separately on battery and on line
// power: seconds of idleness (0: never), the percentage of the screen's
// range to dim to, and the action identifier of the sleep.
QString idleDimAfter(bool onBattery);
QString idleDimTo(bool onBattery);
QString idleScreenOffAfter(bool onBattery);
QString idleSleepAfter(bool onBattery);
QString idleSleepAction(bool onBattery);

constexpr int defaultIdleDimAfter(bool onBattery)
{
    return onBattery ? 120 : 300;
}
constexpr int defaultIdleDimTo = 30;
constexpr int defaultIdleScreenOffAfter(bool onBattery)
{
    return onBattery ? 300 : 600;
}
// Off: a program that starts suspending machines after an upgrade
// surprises people.
constexpr int defaultIdleSleepAfter = 0;
inline QString defaultIdleSleepAction()
{
    return QStringLiteral("suspend");
}

// The action identifier that means "do nothing".
inline QString nothingAction()
{
    return QStringLiteral("*");
}

} // namespace SettingsKeys
