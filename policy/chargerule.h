#pragma once

#include <limits>

class DeviceProperties;

// What chargePercent() answers for a device whose charge cannot be known
// (no usable design energy and no percentage, or an energy that is not a
// number, is negative or cannot be read). Callers must never act on it.
constexpr int UnknownCharge = std::numeric_limits<int>::min();

// The charge of a device in percent: 100 when fully charged, 0 when empty,
// otherwise Energy * 100 / EnergyFullDesign rounded half up (not clamped: a
// battery above its design energy reads above 100). Without a usable design
// energy the daemon's own Percentage is used when it is above 0; failing
// that the charge is UnknownCharge.
int chargePercent(const DeviceProperties &device);
