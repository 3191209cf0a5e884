#include "statusnotifierhost.h"

#include "systempower.h"
#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

bool statusNotifierHostRegistered()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(StatusNotifierWire::service))
        return false;
    QDBusMessage get =
            QDBusMessage::createMethodCall(StatusNotifierWire::service, StatusNotifierWire::path,
                                           DBusWire::propertiesInterface, DBusWire::getMethod);
    get << QString(StatusNotifierWire::interface) << QString(StatusNotifierWire::hostRegistered);
    const QDBusMessage reply = bus.call(get, QDBus::Block, answerCapMs);
    return reply.type() == QDBusMessage::ReplyMessage
            && qvariant_cast<QDBusVariant>(reply.arguments().value(0)).variant().toBool();
}
