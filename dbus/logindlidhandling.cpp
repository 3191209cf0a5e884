#include "logindlidhandling.h"

#include "systempower.h"
#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

QString text(const QVariantMap &values, const QString &name)
{
    const QVariant value = values.value(name);
    return value.userType() == QMetaType::QString ? value.toString() : QString();
}

} // namespace

void LogindLidHandling::ask(QObject *context,
                            const std::function<void(const LidKeys::LogindHandling &)> &answered)
{
    QDBusMessage getAll =
            QDBusMessage::createMethodCall(LogindWire::service, LogindWire::path,
                                           DBusWire::propertiesInterface, DBusWire::getAllMethod);
    getAll << QString(LogindWire::managerInterface);
    // The lid has closed: a logind that hangs must not keep the program
    // from acting for long.
    auto *call = new QDBusPendingCallWatcher(
            QDBusConnection::systemBus().asyncCall(getAll, answerCapMs), context);
    QObject::connect(
            call, &QDBusPendingCallWatcher::finished, context,
            [answered](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<QVariantMap> reply = *call;
                const QVariantMap values = reply.isValid() ? reply.value() : QVariantMap();
                answered({text(values, LogindHandleWire::handleLidSwitchProperty),
                          text(values, LogindHandleWire::handleLidSwitchExternalPowerProperty),
                          text(values, LogindHandleWire::handleLidSwitchDockedProperty)});
            });
}
