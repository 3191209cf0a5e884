#include "profilerules.h"

#include "chargerule.h"
#include "settingskeys.h"
#include "wirenames.h"

#include <QSettings>

namespace ProfileRules {

QString lowHoldProfile()
{
    return QStringLiteral("power-saver");
}

std::optional<QString> profileForSource(const QSettings &settings, bool onBattery,
                                        const QStringList &offered, bool holdingLow)
{
    if (holdingLow)
        return std::nullopt;
    const QString key =
            onBattery ? SettingsKeys::profileOnBattery() : SettingsKeys::profileOnLinePower();
    const QVariant stored = settings.value(key);
    // A value of another type (a list, say) names no profile.
    if (stored.userType() != QMetaType::QString)
        return std::nullopt;
    const QString profile = stored.toString();
    if (profile.isEmpty() || !offered.contains(profile))
        return std::nullopt;
    return profile;
}

bool wantsLowHold(const QSettings &settings, bool onBattery, const QList<DeviceProperties> &devices)
{
    if (!onBattery
        || !settings.value(SettingsKeys::profileLowHold(), SettingsKeys::defaultProfileLowHold)
                    .toBool())
        return false;
    bool readable = false;
    const int level =
            settings.value(SettingsKeys::profileLowLevel(), SettingsKeys::defaultProfileLowLevel)
                    .toInt(&readable);
    if (!readable || level < 0 || level > 100)
        return false;
    for (const DeviceProperties &device : devices) {
        if (!device.isMachineBattery() || device.state() == UPowerWire::Charging)
            continue;
        const int percent = chargePercent(device);
        if (percent != UnknownCharge && percent <= level)
            return true;
    }
    return false;
}

} // namespace ProfileRules
