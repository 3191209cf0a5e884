#include "logindsession.h"

#include "foreigntext.h"
#include "systempower.h"
#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace {

// logind answers at once; one that hangs must not hold the next level back
// for the bus's own 25 s.
constexpr int answerTimeout = 10000;

QString deviceKey(const QString &subsystem, const QString &name)
{
    return subsystem + QLatin1Char('/') + name;
}

QDBusMessage sessionCall(const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(LogindWire::service, LogindSessionWire::path,
                                                       LogindSessionWire::interface, method);
    // A stack without logind has none to start; the call fails at once.
    call.setAutoStartService(false);
    return call;
}

// What went wrong, as one short line. logind's own message says best why
// it refused (not the session in front, another seat's device); the bus's
// messages about a missing service are for developers.
QString reasonOf(const QDBusError &error)
{
    if (isServiceMissing(error.name()))
        return LogindSession::tr("No login manager (logind) is running.");
    if (error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout
        || error.type() == QDBusError::TimedOut)
        return LogindSession::tr("The login manager (logind) did not answer.");
    if (error.type() == QDBusError::UnknownObject || error.type() == QDBusError::UnknownInterface
        || error.type() == QDBusError::UnknownMethod)
        return LogindSession::tr(
                "The login manager (logind) does not offer this for this session.");
    return ForeignText::reason(error.message().isEmpty() ? error.name() : error.message());
}

} // namespace

LogindSession::LogindSession(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    auto *watcher = new QDBusServiceWatcher(LogindWire::service, bus,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &owner) {
                setAvailable(!owner.isEmpty());
            });
    if (!bus.isConnected())
        return;
    auto *asked = new QDBusPendingCallWatcher(
            bus.interface()->asyncCall(DBusWire::nameHasOwnerMethod, QString(LogindWire::service)),
            this);
    connect(asked, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<bool> reply = *call;
        if (reply.isValid())
            setAvailable(reply.value());
    });
}

void LogindSession::setAvailable(bool available)
{
    if (std::exchange(m_available, available) != available)
        Q_EMIT availabilityChanged(available);
    if (!std::exchange(m_known, true))
        Q_EMIT availabilityKnown(available);
}

LogindSession::~LogindSession() = default;

void LogindSession::setBrightness(const QString &subsystem, const QString &name, uint brightness)
{
    Device &device = m_devices[deviceKey(subsystem, name)];
    if (device.sending) {
        device.waiting = true;
        device.brightness = brightness;
        return;
    }
    send(subsystem, name, brightness);
}

void LogindSession::send(const QString &subsystem, const QString &name, uint brightness)
{
    m_devices[deviceKey(subsystem, name)] = Device{true, false, 0};
    QDBusMessage call = sessionCall(LogindSessionWire::setBrightnessMethod);
    call << subsystem << name << brightness;
    auto *watcher = new QDBusPendingCallWatcher(
            QDBusConnection::systemBus().asyncCall(call, answerTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, subsystem, name, brightness](QDBusPendingCallWatcher *call) {
                brightnessAnswered(call, subsystem, name, brightness);
            });
}

void LogindSession::brightnessAnswered(QDBusPendingCallWatcher *call, const QString &subsystem,
                                       const QString &name, uint brightness)
{
    call->deleteLater();
    const Device device = m_devices.take(deviceKey(subsystem, name));
    if (call->isError()) {
        // What was merged behind a refusal would be refused too.
        Q_EMIT brightnessRefused(reasonOf(call->error()));
        return;
    }
    Q_EMIT brightnessSet(subsystem, name, brightness);
    if (device.waiting)
        send(subsystem, name, device.brightness);
}

void LogindSession::lock()
{
    auto *watcher = new QDBusPendingCallWatcher(
            QDBusConnection::systemBus().asyncCall(sessionCall(LogindSessionWire::lockMethod),
                                                   answerTimeout),
            this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                if (call->isError())
                    Q_EMIT lockRefused(reasonOf(call->error()));
            });
}
