#include "upowertypes.h"

#include <QDBusMetaType>

int registerUPowerMetaTypes()
{
    static const int listTypeId = [] {
        qRegisterMetaType<QDBusObjectPath>();
        // Registering the list also registers its sequential-iterable converter.
        return qDBusRegisterMetaType<QList<QDBusObjectPath>>();
    }();
    return listTypeId;
}
