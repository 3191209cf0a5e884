#pragma once

#include "qudevdevice.h"

struct udev;

// The udev context: looks devices up by their sysfs path.
class QUdev
{
public:
    QUdev();
    ~QUdev();
    QUdev(const QUdev &) = delete;
    QUdev &operator=(const QUdev &) = delete;

    // sysPath may be a full path under /sys or, as UPower reports some, a
    // path relative to it. An unknown path gives an invalid device.
    QUdevDevice deviceFromSysPath(const QString &sysPath) const;

private:
    struct udev *m_udev;
};
