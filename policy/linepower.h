#pragma once

#include "deviceproperties.h"

#include <QList>
#include <optional>

// Whether the machine runs on line power, as far as the daemon tells it
// where it keeps that current: one of its line-power devices is online, or
// its own OnBattery is false. Without either (the older daemon, which is
// not asked), nothing is told and the batteries' states alone decide.
bool toldOnLinePower(std::optional<bool> daemonOnBattery,
                     const QList<DeviceProperties> &linePowers);

// Whether one of the machine's batteries counts as discharging: it says
// so, unless it is a battery (not a UPS) and line power is told to be
// there. A battery held at its charge limit on line power may report
// "discharging" while the adapter feeds the machine; a UPS that discharges
// feeds the line power itself, which then looks online.
bool dischargesMachine(const DeviceProperties &battery, bool onLinePower);
