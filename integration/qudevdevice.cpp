#include "qudevdevice.h"

QUdevDevice::QUdevDevice(const QString &sysPath, const QString &subsystem, const QString &devnode)
    : m_sysPath(sysPath), m_subsystem(subsystem), m_devnode(devnode)
{
}
