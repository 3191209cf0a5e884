#include "announcedupower.h"

#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
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

void AnnouncedUPower::followManager()
{
    QDBusMessage getAll =
            QDBusMessage::createMethodCall(UPowerWire::service, UPowerWire::path,
                                           DBusWire::propertiesInterface, DBusWire::getAllMethod);
    getAll << QString(UPowerWire::interface);
    auto *call = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(getAll), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<QVariantMap> reply = *call;
        if (!reply.isValid())
            return;
        // Announced meanwhile wins over what was read before.
        QVariantMap values = reply.value();
        values.insert(manager);
        manager = values;
        emit managerChanged();
    });
}

void AnnouncedUPower::propertiesChanged(const QString &interface, const QVariantMap &changed,
                                        const QStringList &invalidated, const QDBusMessage &message)
{
    if (interface == UPowerWire::interface && message.path() == UPowerWire::path) {
        manager.insert(changed);
        for (const QString &name : invalidated)
            manager.remove(name);
        emit managerChanged();
        return;
    }
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
