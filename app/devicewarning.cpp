#include "devicewarning.h"

#include "chargerule.h"
#include "devicebattery.h"
#include "deviceproperties.h"
#include "wirenames.h"

namespace {

using namespace UPowerWire;

bool isLow(const DeviceProperties &device)
{
    const int percent = DeviceBattery::percent(device);
    if (percent != UnknownCharge && percent <= DeviceWarning::lowPercent)
        return true;
    const uint warning = device.enumeration(QStringLiteral("WarningLevel"));
    const uint level = device.enumeration(QStringLiteral("BatteryLevel"));
    return warning == WarningLow || warning == WarningCritical || warning == WarningAction
            || level == LevelLow || level == LevelCritical;
}

bool isCharging(const DeviceProperties &device)
{
    return device.state() == Charging || device.state() == FullyCharged;
}

} // namespace

std::optional<QString> DeviceWarning::observe(const DeviceProperties &device, bool enabled)
{
    if (isCharging(device) || !isLow(device)) {
        warned.remove(device.path());
        return std::nullopt;
    }
    if (!enabled || warned.contains(device.path()))
        return std::nullopt;
    warned.insert(device.path());
    const QString name = DeviceBattery::name(device);
    const int percent = DeviceBattery::percent(device);
    // One pass over each text: a model may hold "%1" itself.
    if (percent == UnknownCharge)
        return tr("%1 is running low. Charge it or change its battery soon.").arg(name);
    return tr("%1 is at %2\u00a0%. Charge it or change its battery soon.")
            .arg(name, QString::number(percent));
}

void DeviceWarning::keepOnly(const QStringList &paths)
{
    for (auto it = warned.begin(); it != warned.end();)
        it = paths.contains(*it) ? std::next(it) : warned.erase(it);
}
