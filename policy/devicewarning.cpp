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
    const uint warning = device.enumeration(UPowerWire::warningLevelProperty);
    const uint level = device.enumeration(UPowerWire::batteryLevelProperty);
    return warning == WarningLow || warning == WarningCritical || warning == WarningAction
            || level == LevelLow || level == LevelCritical;
}

bool isCharging(const DeviceProperties &device)
{
    return device.state() == Charging || device.state() == FullyCharged;
}

} // namespace

bool DeviceWarning::observe(const DeviceProperties &device, bool enabled)
{
    if (isCharging(device) || !isLow(device)) {
        warned.remove(device.path());
        return false;
    }
    if (!enabled || warned.contains(device.path()))
        return false;
    warned.insert(device.path());
    return true;
}

void DeviceWarning::keepOnly(const QStringList &paths)
{
    for (auto it = warned.begin(); it != warned.end();)
        it = paths.contains(*it) ? std::next(it) : warned.erase(it);
}

QString DeviceWarning::message(const QList<DeviceProperties> &devices)
{
    // One pass over each text: a model may hold "%1" itself.
    if (devices.size() == 1) {
        const DeviceProperties &device = devices.constFirst();
        const QString name = DeviceBattery::name(device);
        const int percent = DeviceBattery::percent(device);
        if (percent == UnknownCharge)
            return tr("%1 is running low. Charge it or change its battery soon.").arg(name);
        return tr("%1 is at %2\u00a0%. Charge it or change its battery soon.")
                .arg(name, QString::number(percent));
    }
    QStringList named;
    for (const DeviceProperties &device : devices.mid(0, namedDevices)) {
        //: A device in the list of those that are low: its name and its charge.
        named << tr("%1 (%2)").arg(DeviceBattery::name(device), DeviceBattery::chargeText(device));
    }
    //: Between the devices named in a list.
    QString list = named.join(tr(", "));
    const int more = int(devices.size()) - namedDevices;
    if (more > 0)
        list = tr("%1 and %n more", nullptr, more).arg(list);
    return tr("%n devices are low: %1. Charge them or change their batteries soon.", nullptr,
              int(devices.size()))
            .arg(list);
}
