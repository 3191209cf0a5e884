#include "chargelimit.h"

#include "wirenames.h"

namespace {

using namespace UPowerWire;

std::optional<bool> flag(const DeviceProperties &device, QLatin1String name)
{
    const QVariant value = device.value(name);
    if (value.userType() != QMetaType::Bool)
        return std::nullopt;
    return value.toBool();
}

// A threshold within [lowest, highest] percent, of any integer type.
std::optional<int> threshold(const DeviceProperties &device, QLatin1String name, int lowest,
                             int highest)
{
    // enumeration() reads 0 for anything but an integer in range.
    const uint percent = device.enumeration(name);
    if (percent < uint(lowest) || percent > uint(highest))
        return std::nullopt;
    return int(percent);
}

// Whether the daemon says the hardware lacks this threshold; where it says
// nothing (no such property, or no value of it), both are taken as there.
bool lacks(const DeviceProperties &device, uint setting)
{
    const uint settings = device.enumeration(chargeThresholdSettingsSupportedProperty);
    return settings != 0 && !(settings & setting);
}

} // namespace

ChargeLimit ChargeLimit::of(const DeviceProperties &device)
{
    ChargeLimit limit;
    limit.supported = flag(device, chargeThresholdSupportedProperty).value_or(false);
    if (!limit.supported)
        return limit;
    limit.enabled = flag(device, chargeThresholdEnabledProperty);
    if (!lacks(device, endThresholdSetting))
        limit.stopsAt = threshold(device, chargeEndThresholdProperty, 1, 100);
    if (!lacks(device, startThresholdSetting))
        limit.startsBelow = threshold(device, chargeStartThresholdProperty, 1, 99);
    if (limit.stopsAt && limit.startsBelow && *limit.startsBelow >= *limit.stopsAt)
        limit.startsBelow.reset();
    return limit;
}
