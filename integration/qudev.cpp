#include "qudev.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

// A device is a folder below /sys with a uevent file; links (the class
// folders are made of them) lead to the device's own folder.
QString devicePath(const QString &candidate)
{
    const QString path = QFileInfo(candidate).canonicalFilePath();
    if (!path.startsWith(QLatin1String("/sys/"))
        || !QFileInfo(path + QStringLiteral("/uevent")).isFile())
        return QString();
    return path;
}

// The node as udev names it: DEVNAME of the uevent file, below /dev.
QString deviceNode(const QString &path)
{
    QFile uevent(path + QStringLiteral("/uevent"));
    if (!uevent.open(QIODevice::ReadOnly))
        return QString();
    // A uevent file is a few hundred bytes; the cap keeps a strange one small.
    const QList<QByteArray> lines = uevent.read(64 * 1024).split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith("DEVNAME=") || line.size() == 8)
            continue;
        const QString name = QFile::decodeName(line.mid(8));
        return name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
    }
    return QString();
}

} // namespace

QUdevDevice QUdev::deviceFromSysPath(const QString &sysPath) const
{
    const QString path = sysPath.trimmed();
    if (path.isEmpty() || path.contains(QChar(0)))
        return QUdevDevice();

    // UPower reports power supplies by their name in the power_supply class
    // ("BAT0") or by a path below /sys; try the readings that make sense.
    QStringList candidates{path};
    if (QDir::isRelativePath(path)) {
        candidates = QStringList{QStringLiteral("/sys/class/power_supply/") + path,
                                 QStringLiteral("/sys/") + path};
    }
    for (const QString &candidate : qAsConst(candidates)) {
        const QString found = devicePath(candidate);
        if (!found.isEmpty()) {
            const QString subsystem =
                    QFileInfo(found + QStringLiteral("/subsystem")).canonicalFilePath();
            return QUdevDevice(found, QFileInfo(subsystem).fileName(), deviceNode(found));
        }
    }
    return QUdevDevice();
}
