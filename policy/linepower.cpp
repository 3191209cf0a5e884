#include "linepower.h"

#include "wirenames.h"

bool toldOnLinePower(std::optional<bool> daemonOnBattery, const QList<DeviceProperties> &linePowers)
{
    if (daemonOnBattery == false)
        return true;
    for (const DeviceProperties &device : linePowers) {
        const QVariant online = device.value(UPowerWire::onlineProperty);
        if (device.type() == UPowerWire::LinePower && online.userType() == QMetaType::Bool
            && online.toBool())
            return true;
    }
    return false;
}

bool dischargesMachine(const DeviceProperties &battery, bool onLinePower)
{
    if (battery.state() != UPowerWire::Discharging)
        return false;
    return !onLinePower || battery.type() != UPowerWire::Battery;
}
