#include "settingskeys.h"

namespace SettingsKeys {

static QString batteryKey(const QString &devicePath, QLatin1String leaf)
{
    return QLatin1String("Control/Battery/") + devicePath + QLatin1Char('/') + leaf;
}

static QString schedulingKey(const QString &action, QLatin1String leaf)
{
    return QLatin1String("Control/Scheduling/") + action + QLatin1Char('/') + leaf;
}

static QString idleKey(bool onBattery, QLatin1String leaf)
{
    return (onBattery ? QLatin1String("Control/Idle/Battery/")
                      : QLatin1String("Control/Idle/LinePower/"))
            + leaf;
}

QString criticalChargeLevel(const QString &devicePath)
{
    return batteryKey(devicePath, QLatin1String("CriticalChargeLevel"));
}

QString criticalAction(const QString &devicePath)
{
    return batteryKey(devicePath, QLatin1String("CriticalAction"));
}

QString warnWhenLow(const QString &devicePath)
{
    return batteryKey(devicePath, QLatin1String("WarnWhenLow"));
}

QString scheduleEnabled(const QString &action)
{
    return schedulingKey(action, QLatin1String("Enabled"));
}

QString scheduleTime(const QString &action)
{
    return schedulingKey(action, QLatin1String("Time"));
}

QString idleDimAfter(bool onBattery)
{
    return idleKey(onBattery, QLatin1String("DimAfter"));
}

QString idleDimTo(bool onBattery)
{
    return idleKey(onBattery, QLatin1String("DimTo"));
}

QString idleScreenOffAfter(bool onBattery)
{
    return idleKey(onBattery, QLatin1String("ScreenOffAfter"));
}

QString idleSleepAfter(bool onBattery)
{
    return idleKey(onBattery, QLatin1String("SleepAfter"));
}

QString idleSleepAction(bool onBattery)
{
    return idleKey(onBattery, QLatin1String("SleepAction"));
}

QString historySpan()
{
    return QStringLiteral("Control/History/span");
}

QString lidOnBattery()
{
    return QStringLiteral("Control/Lid/Battery");
}

QString lidOnLinePower()
{
    return QStringLiteral("Control/Lid/LinePower");
}

QString lidDocked()
{
    return QStringLiteral("Control/Lid/Docked");
}

QString powerKey()
{
    return QStringLiteral("Control/Keys/Power");
}

QString suspendKey()
{
    return QStringLiteral("Control/Keys/Suspend");
}

QString profileOnLinePower()
{
    return QStringLiteral("Control/Profile/LinePower");
}

QString profileOnBattery()
{
    return QStringLiteral("Control/Profile/Battery");
}

QString profileLowHold()
{
    return QStringLiteral("Control/Profile/Low");
}

QString profileLowLevel()
{
    return QStringLiteral("Control/Profile/LowLevel");
}

} // namespace SettingsKeys
