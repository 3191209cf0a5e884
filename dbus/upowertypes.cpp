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
        return qMetaTypeId<QList<QDBusObjectPath>>();
    }();
    return listTypeId;
}

QList<QDBusObjectPath> enumerateDevices(OrgFreedesktopUPowerInterface &upower)
{
    QDBusReply<QList<QDBusObjectPath>> reply = upower.EnumerateDevices();
    return reply.isValid() ? reply.value() : QList<QDBusObjectPath>();
}
