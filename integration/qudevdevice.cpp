#include "qudevdevice.h"

#include <QFile>

#include <libudev.h>

namespace {

QString decoded(const char *value)
{
    return value ? QFile::decodeName(value) : QString();
}

} // namespace

QUdevDevice::QUdevDevice(struct udev_device *device) : m_device(device) { }

QUdevDevice::QUdevDevice(const QUdevDevice &other)
    : m_device(other.m_device ? udev_device_ref(other.m_device) : nullptr)
{
}

QUdevDevice &QUdevDevice::operator=(const QUdevDevice &other)
{
    // Take the new reference first so that self-assignment cannot drop the
    // last one.
    udev_device *device = other.m_device ? udev_device_ref(other.m_device) : nullptr;
    if (m_device)
        udev_device_unref(m_device);
    m_device = device;
    return *this;
}

QUdevDevice::~QUdevDevice()
{
    if (m_device)
        udev_device_unref(m_device);
}

QString QUdevDevice::sysPath() const
{
    return m_device ? decoded(udev_device_get_syspath(m_device)) : QString();
}

QString QUdevDevice::subsystem() const
{
    return m_device ? decoded(udev_device_get_subsystem(m_device)) : QString();
}

QString QUdevDevice::devnode() const
{
    return m_device ? decoded(udev_device_get_devnode(m_device)) : QString();
}
