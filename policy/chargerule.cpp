#include "chargerule.h"

#include "deviceproperties.h"
#include "wirenames.h"

#include <QtGlobal>
#include <cmath>

namespace {

// Rounds half up into an int, or UnknownCharge when x is not a number; huge
// values are held just inside the int range rather than overflowing.
int roundedPercent(double x)
{
    if (!std::isfinite(x))
        return UnknownCharge;
    const double rounded = std::floor(x + 0.5);
    constexpr double lowest = double(std::numeric_limits<int>::min()) + 1;
    constexpr double highest = double(std::numeric_limits<int>::max());
    return int(qBound(lowest, rounded, highest));
}

} // namespace

int chargePercent(const DeviceProperties &device)
{
    const uint state = device.state();
    if (state == UPowerWire::FullyCharged)
        return 100;
    if (state == UPowerWire::Empty)
        return 0;

    const std::optional<double> energy = device.amount(UPowerWire::energyProperty);
    const std::optional<double> design = device.amount(UPowerWire::energyFullDesignProperty);
    // Without a design energy the ratio means nothing; fall back on the
    // daemon's own percentage rather than dividing by zero.
    if (design && *design > 0)
        return energy ? roundedPercent(*energy * 100.0 / *design) : UnknownCharge;
    const std::optional<double> percentage = device.amount(UPowerWire::percentageProperty);
    if (percentage && *percentage > 0)
        return roundedPercent(*percentage);
    return UnknownCharge;
}
