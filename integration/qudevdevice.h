#pragma once

#include <QString>

// One device as sysfs describes it.
class QUdevDevice
{
public:
    QUdevDevice() = default;
    QUdevDevice(const QString &sysPath, const QString &subsystem, const QString &devnode);

    bool isValid() const { return !m_sysPath.isEmpty(); }
    QString sysPath() const { return m_sysPath; }
    QString subsystem() const { return m_subsystem; }
    // The device node (for example /dev/hidraw0), empty when it has none.
    QString devnode() const { return m_devnode; }

private:
    QString m_sysPath;
    QString m_subsystem;
    QString m_devnode;
};
