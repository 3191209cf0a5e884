#include "upowertypes.h"

#include "upowerinterface.h"

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

QList<QDBusObjectPath> enumerateDevices(OrgFreedesktopUPowerInterface &upower)
{
    QDBusReply<QList<QDBusObjectPath>> reply = upower.EnumerateDevices();
    return reply.isValid() ? reply.value() : QList<QDBusObjectPath>();
}
