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
        return qMetaTypeId<QList<QDBusObjectPath>>();
    }();
    return listTypeId;
}

QStringList enumerateDevices(int timeoutMs)
{
    registerUPowerMetaTypes();
    const QDBusMessage call = QDBusMessage::createMethodCall(UPowerWire::service, UPowerWire::path,
                                                             UPowerWire::interface,
                                                             QStringLiteral("EnumerateDevices"));
    const QDBusReply<QList<QDBusObjectPath>> reply =
            QDBusConnection::systemBus().call(call, QDBus::Block, timeoutMs);
    QStringList paths;
    if (reply.isValid()) {
        for (const QDBusObjectPath &path : reply.value())
            paths.append(path.path());
    }
    return paths;
}
