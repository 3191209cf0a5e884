#pragma once

#include <QString>

struct udev_device;

// One udev device; copies share the underlying reference-counted device.
class QUdevDevice
{
public:
    QUdevDevice() = default;
    explicit QUdevDevice(struct udev_device *device); // takes over one reference
    QUdevDevice(const QUdevDevice &other);
    QUdevDevice &operator=(const QUdevDevice &other);
    ~QUdevDevice();

    bool isValid() const { return m_device != nullptr; }
    QString sysPath() const;
    QString subsystem() const;
    // The device node (for example /dev/hidraw0), empty when it has none.
    QString devnode() const;

private:
    struct udev_device *m_device = nullptr;
};
