#include "devicebattery.h"

#include "chargerule.h"
#include "deviceproperties.h"
#include "foreigntext.h"
#include "wirenames.h"

#include <cmath>

namespace {

using namespace UPowerWire;

// The coarse level the device reports instead of a percentage, or 0.
uint coarseLevel(const DeviceProperties &device)
{
    const uint level = device.enumeration(UPowerWire::batteryLevelProperty);
    switch (level) {
    case LevelLow:
    case LevelCritical:
    case LevelNormal:
    case LevelHigh:
    case LevelFull:
        return level;
    default:
        return 0;
    }
}

} // namespace

QString DeviceBattery::kindName(uint type)
{
    switch (type) {
    case Mouse:
        return tr("Mouse");
    case Keyboard:
        return tr("Keyboard");
    case Pda:
        return tr("PDA");
    case Phone:
        return tr("Phone");
    case Tablet:
        return tr("Tablet");
    case GamingInput:
        return tr("Game controller");
    case Pen:
        return tr("Pen");
    case Touchpad:
        return tr("Touchpad");
    case Headset:
        return tr("Headset");
    case Speakers:
        return tr("Speakers");
    case Headphones:
        return tr("Headphones");
    case RemoteControl:
        return tr("Remote control");
    case Wearable:
        return tr("Wearable");
    case Battery:
        return tr("Battery");
    default:
        return QString();
    }
}

QString DeviceBattery::name(const DeviceProperties &device)
{
    const QString model = ForeignText::name(device.text(UPowerWire::modelProperty));
    if (!model.isEmpty())
        return model;
    const QString kind = kindName(device.type());
    return kind.isEmpty() ? tr("Device") : kind;
}

int DeviceBattery::percent(const DeviceProperties &device)
{
    const std::optional<double> percentage = device.amount(UPowerWire::percentageProperty);
    if (coarseLevel(device) || !percentage)
        return UnknownCharge;
    return int(std::lround(std::min(*percentage, 100.0)));
}

QString DeviceBattery::chargeText(const DeviceProperties &device)
{
    switch (coarseLevel(device)) {
    case LevelLow:
        return tr("Low", "battery level");
    case LevelCritical:
        return tr("Critical", "battery level");
    case LevelNormal:
        return tr("Normal", "battery level");
    case LevelHigh:
        return tr("High", "battery level");
    case LevelFull:
        return tr("Full", "battery level");
    default:
        break;
    }
    const int charge = percent(device);
    // A no-break space: "5 %" must not wrap apart.
    return charge == UnknownCharge ? QStringLiteral("?")
                                   : tr("%1\u00a0%").arg(QString::number(charge));
}
