#include "announcedupower.h"

#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <utility>

AnnouncedUPower::AnnouncedUPower(QObject *parent) : UPowerDevices(parent)
{
    QDBusConnection::systemBus().connect(
            UPowerWire::service, QString(), DBusWire::propertiesInterface,
            DBusWire::propertiesChangedSignal, this,
            SLOT(propertiesChanged(QString, QVariantMap, QStringList, QDBusMessage)));
}

qlonglong AnnouncedUPower::secondsToEmpty(const QString &path)
{
    return device(path).seconds(UPowerWire::timeToEmptyProperty);
}

void AnnouncedUPower::propertiesChanged(const QString &interface, const QVariantMap &changed,
                                        const QStringList &invalidated, const QDBusMessage &message)
{
    const auto it = devices.find(message.path());
    if (interface != UPowerWire::deviceInterface || it == devices.end())
        return;
    it->update(changed, invalidated);
    // Signals that queue up before the program gets to them are told on
    // once per device.
    if (changedPaths.isEmpty())
        QMetaObject::invokeMethod(this, &AnnouncedUPower::announceChanges, Qt::QueuedConnection);
    changedPaths.insert(message.path());
}

void AnnouncedUPower::announceChanges()
{
    const QSet<QString> changed = std::exchange(changedPaths, {});
    for (const QString &path : paths()) {
        if (changed.contains(path))
            emit deviceChanged(path);
    }
}
