#include "upowertypes.h"

#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>

int registerUPowerMetaTypes()
{
    static const int listTypeId = [] {
        qRegisterMetaType<QDBusObjectPath>();
        // Registering the list also registers its sequential-iterable converter.
        qDBusRegisterMetaType<QList<QDBusObjectPath>>();
        qDBusRegisterMetaType<UPowerHistoryItem>();
        qDBusRegisterMetaType<UPowerHistory>();
        qDBusRegisterMetaType<UPowerStatisticsItem>();
        qDBusRegisterMetaType<UPowerStatistics>();
        return qMetaTypeId<QList<QDBusObjectPath>>();
    }();
    return listTypeId;
}

QDBusArgument &operator<<(QDBusArgument &argument, const UPowerHistoryItem &item)
{
    argument.beginStructure();
    argument << item.time << item.value << item.state;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, UPowerHistoryItem &item)
{
    argument.beginStructure();
    argument >> item.time >> item.value >> item.state;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const UPowerStatisticsItem &item)
{
    argument.beginStructure();
    argument << item.value << item.accuracy;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, UPowerStatisticsItem &item)
{
    argument.beginStructure();
    argument >> item.value >> item.accuracy;
    argument.endStructure();
    return argument;
}

QStringList enumerateDevices(int timeoutMs)
{
    registerUPowerMetaTypes();
    const QDBusMessage call = QDBusMessage::createMethodCall(UPowerWire::service, UPowerWire::path,
                                                             UPowerWire::interface,
                                                             UPowerWire::enumerateDevicesMethod);
    const QDBusReply<QList<QDBusObjectPath>> reply =
            QDBusConnection::systemBus().call(call, QDBus::Block, timeoutMs);
    QStringList paths;
    if (reply.isValid()) {
        for (const QDBusObjectPath &path : reply.value())
            paths.append(path.path());
    }
    return paths;
}
