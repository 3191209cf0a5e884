#pragma once

#include "qudevdevice.h"

// Looks devices up by their sysfs path. It reads what udev itself reads
// (the device's folder and its uevent file), so the program needs no udev
// library for the one thing it asks: a battery's device node.
class QUdev
{
public:
    // sysPath may be a full path under /sys or, as UPower reports some, a
    // path relative to it. An unknown path gives an invalid device.
    QUdevDevice deviceFromSysPath(const QString &sysPath) const;
};
