#include "inhibitobject.h"

#include "sessioninhibitions.h"
#include "wirenames.h"

#include <QDBusMessage>

InhibitObject::InhibitObject(Kind kind, SessionInhibitions *inhibitions)
    : QDBusVirtualObject(inhibitions), m_kind(kind), m_inhibitions(inhibitions)
{
}

QString InhibitObject::interfaceName() const
{
    return m_kind == PowerManagement ? QString(SessionInhibitWire::powerManagementInterface)
                                     : QString(SessionInhibitWire::screenSaverInterface);
}

QString InhibitObject::introspect(const QString &) const
{
    QString xml = QStringLiteral("<interface name=\"%1\">"
                                 "<method name=\"%2\">"
                                 "<arg name=\"application\" type=\"s\" direction=\"in\"/>"
                                 "<arg name=\"reason\" type=\"s\" direction=\"in\"/>"
                                 "<arg name=\"cookie\" type=\"u\" direction=\"out\"/>"
                                 "</method>"
                                 "<method name=\"%3\">"
                                 "<arg name=\"cookie\" type=\"u\" direction=\"in\"/>"
                                 "</method>")
                          .arg(interfaceName(), SessionInhibitWire::inhibitMethod,
                               SessionInhibitWire::unInhibitMethod);
    if (m_kind == PowerManagement) {
        xml += QStringLiteral("<method name=\"%1\">"
                              "<arg name=\"has_inhibit\" type=\"b\" direction=\"out\"/>"
                              "</method>"
                              "<signal name=\"%2\">"
                              "<arg name=\"has_inhibit_changed\" type=\"b\"/>"
                              "</signal>")
                       .arg(SessionInhibitWire::hasInhibitMethod,
                            SessionInhibitWire::hasInhibitChangedSignal);
    }
    return xml + QStringLiteral("</interface>");
}

bool InhibitObject::handleMessage(const QDBusMessage &message, const QDBusConnection &connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    // A call may leave the interface out; Introspect and the like are Qt's.
    if (!message.interface().isEmpty() && message.interface() != interfaceName())
        return false;
    connection.send(answer(message));
    return true;
}

QDBusMessage InhibitObject::answer(const QDBusMessage &call) const
{
    const QString member = call.member();
    const QString signature = call.signature();
    const bool screen = m_kind == ScreenSaver;
    const bool known = member == SessionInhibitWire::inhibitMethod
            || member == SessionInhibitWire::unInhibitMethod
            || (m_kind == PowerManagement && member == SessionInhibitWire::hasInhibitMethod);
    if (!known) {
        return call.createErrorReply(QDBusError::UnknownMethod,
                                     QStringLiteral("No method %1").arg(member));
    }
    const QList<QVariant> args = call.arguments();

    if (member == SessionInhibitWire::inhibitMethod && signature == QLatin1String("ss")) {
        const uint cookie = m_inhibitions->inhibit(call.service(), screen, args.at(0).toString(),
                                                   args.at(1).toString());
        if (cookie == 0) {
            return call.createErrorReply(QDBusError::LimitsExceeded,
                                         QStringLiteral("Too many inhibitions"));
        }
        return call.createReply(cookie);
    }
    if (member == SessionInhibitWire::unInhibitMethod && signature == QLatin1String("u")) {
        if (!m_inhibitions->unInhibit(call.service(), screen, args.at(0).toUInt())) {
            return call.createErrorReply(QDBusError::InvalidArgs,
                                         QStringLiteral("No such inhibition of this caller"));
        }
        return call.createReply();
    }
    if (member == SessionInhibitWire::hasInhibitMethod && signature.isEmpty())
        return call.createReply(m_inhibitions->inhibitsSleep());
    return call.createErrorReply(QDBusError::InvalidArgs,
                                 QStringLiteral("%1 does not take \"%2\"").arg(member, signature));
}
