#include "qudev.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <libudev.h>

QUdev::QUdev() : m_udev(udev_new()) { }

QUdev::~QUdev()
{
    udev_unref(m_udev);
}

QUdevDevice QUdev::deviceFromSysPath(const QString &sysPath) const
{
    const QString path = sysPath.trimmed();
    if (!m_udev || path.isEmpty() || path.contains(QChar(0)))
        return QUdevDevice();

    // UPower reports power supplies by their name in the power_supply class
    // ("BAT0") or by a path below /sys; try the readings that make sense.
    QStringList candidates{path};
    if (QDir::isRelativePath(path)) {
        candidates << QStringLiteral("/sys/class/power_supply/") + path
                   << QStringLiteral("/sys/") + path;
    }
    for (const QString &candidate : qAsConst(candidates)) {
        const QByteArray encoded = QFile::encodeName(candidate);
        if (udev_device *device = udev_device_new_from_syspath(m_udev, encoded.constData()))
            return QUdevDevice(device);
    }
    return QUdevDevice();
}
