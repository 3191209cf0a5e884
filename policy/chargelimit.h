#pragma once

#include "deviceproperties.h"

#include <optional>

// A battery's charge limit as UPower (1.90.5 and later) reports it: whether
// the battery has one, whether it is on, and the charges at which charging
// stops and starts again. A value of another type than UPower declares
// reads as unknown, never as false or 0.
struct ChargeLimit
{
    static ChargeLimit of(const DeviceProperties &device);

    // ChargeThresholdSupported is true: only then is anything shown or asked.
    bool supported = false;
    // ChargeThresholdEnabled; none when it cannot be read.
    std::optional<bool> enabled;
    // In percent; none where that end is not used (4294967295), cannot be
    // read, lies outside 1 to 100 (a start below 100), or is one the
    // daemon says the hardware lacks (ChargeThresholdSettingsSupported,
    // where present). A start at or above the stop is not used: charging
    // starts again as soon as the charge falls below the stop.
    std::optional<int> stopsAt;
    std::optional<int> startsBelow;
};
