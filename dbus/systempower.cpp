#include "systempower.h"

#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDebug>
#include <QList>
#include <QObject>
#include <QPair>

namespace {

// logind answers its Can* questions at once; a hung one must not hold the
// settings tab and the monitor, which ask every few seconds, for long.
constexpr int logindQueryTimeout = 2000;

const QString errorPrefix = DBusWire::errorPrefix;

// The errors of a daemon that does not have a property: GDBus, and so
// UPower 0.99, answers InvalidArgs; other bindings answer UnknownProperty,
// some of them under a name of the service's own.
bool isNoSuchProperty(const QString &error)
{
    return error == errorPrefix + QLatin1String("InvalidArgs")
            || error == errorPrefix + QLatin1String("UnknownInterface")
            || error.endsWith(QLatin1String(".UnknownProperty"));
}

// The daemon is there but does not take that request: UPower since 0.99
// for Hibernate and Suspend.
bool isNoSuchMethod(const QString &error)
{
    return error == errorPrefix + QLatin1String("UnknownMethod")
            || error == errorPrefix + QLatin1String("UnknownInterface")
            || error == errorPrefix + QLatin1String("UnknownObject");
}

// Nobody owns the name and the bus could not start anyone for it.
bool isServiceMissing(const QString &error)
{
    return error == errorPrefix + QLatin1String("ServiceUnknown")
            || error == errorPrefix + QLatin1String("NameHasNoOwner")
            || error.startsWith(errorPrefix + QLatin1String("Spawn."));
}

enum class UPowerAnswer { Yes, No, NotProvided };

// One of UPower's boolean Can* properties. Read with an explicit Get rather
// than the typed getter, which turns every error into false: the daemon
// saying no must stay apart from a daemon that has no such property.
UPowerAnswer upowerCapability(const QString &property)
{
    QDBusMessage get =
            QDBusMessage::createMethodCall(UPowerWire::service, UPowerWire::path,
                                           DBusWire::propertiesInterface, QStringLiteral("Get"));
    get << QString(UPowerWire::interface) << property;
    const QDBusMessage reply = QDBusConnection::systemBus().call(get);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        // As the typed getter read it: anything but a boolean true is no.
        const QVariant value = qvariant_cast<QDBusVariant>(reply.arguments().value(0)).variant();
        return value.userType() == QMetaType::Bool && value.toBool() ? UPowerAnswer::Yes
                                                                     : UPowerAnswer::No;
    }
    const QString error = reply.errorName();
    if (isNoSuchProperty(error) || isServiceMissing(error))
        return UPowerAnswer::NotProvided;
    return UPowerAnswer::No;
}

QDBusMessage logindCall(const QString &method)
{
    return QDBusMessage::createMethodCall(LogindWire::service, LogindWire::path,
                                          LogindWire::managerInterface, method);
}

// Sends PowerOff, Suspend or Hibernate to logind and leaves it at that; a
// refusal only ends up in the log, as there is nobody to ask again.
void requestFromLogind(QObject *owner, const QString &method)
{
    QDBusMessage call = logindCall(method);
    // Not interactive: the request usually comes from the monitor with
    // nobody at the screen to answer an authentication prompt.
    call << false;
    auto *watcher =
            new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), owner);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner,
                     [method](QDBusPendingCallWatcher *finished) {
                         if (finished->isError()) {
                             qWarning().noquote() << "logind did not" << method
                                                  << "the machine:" << finished->error().name()
                                                  << finished->error().message();
                         }
                         finished->deleteLater();
                     });
}

// Asks UPower to sleep without waiting; should its answer show that it has
// no such request (UPower 0.99 and later) or is not there, logind is asked.
void requestSleep(QObject *owner, const QString &method)
{
    const QDBusMessage call = QDBusMessage::createMethodCall(UPowerWire::service, UPowerWire::path,
                                                             UPowerWire::interface, method);
    auto *watcher =
            new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), owner);
    const QString logindMethod = method;
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner,
                     [owner, logindMethod](QDBusPendingCallWatcher *finished) {
                         finished->deleteLater();
                         if (!finished->isError())
                             return;
                         const QString error = finished->error().name();
                         if (isNoSuchMethod(error) || isServiceMissing(error))
                             requestFromLogind(owner, logindMethod);
                     });
}

} // namespace

SleepSupport readSleepSupport()
{
    SleepSupport support;
    struct Question
    {
        bool *answer;
        QString name; // the property of UPower and the method of logind
    };
    const Question questions[] = {{&support.hibernate, QStringLiteral("CanHibernate")},
                                  {&support.suspend, QStringLiteral("CanSuspend")}};

    // Every question for logind goes out before any answer is awaited, so
    // that a slow logind costs its delay once.
    QList<QPair<const Question *, QDBusPendingCall>> logindQuestions;
    for (const Question &question : questions) {
        switch (upowerCapability(question.name)) {
        case UPowerAnswer::Yes:
            *question.answer = true;
            break;
        case UPowerAnswer::No:
            break;
        case UPowerAnswer::NotProvided:
            logindQuestions.append({&question,
                                    QDBusConnection::systemBus().asyncCall(
                                            logindCall(question.name), logindQueryTimeout)});
            break;
        }
    }
    for (const auto &question : logindQuestions) {
        QDBusPendingReply<QString> reply = question.second;
        reply.waitForFinished();
        // "challenge": allowed once the user authenticates, which polkit
        // asks for when the action runs.
        *question.first->answer = reply.isValid()
                && (reply.value() == QLatin1String("yes")
                    || reply.value() == QLatin1String("challenge"));
    }
    return support;
}

void requestPowerAction(QObject *owner, const QString &action)
{
    if (action == QLatin1String("hibernate")) {
        requestSleep(owner, QStringLiteral("Hibernate"));
    } else if (action == QLatin1String("suspend")) {
        requestSleep(owner, QStringLiteral("Suspend"));
    } else {
        QDBusInterface consoleKit(ConsoleKitWire::service, ConsoleKitWire::managerPath,
                                  ConsoleKitWire::managerInterface, QDBusConnection::systemBus());
        const QDBusMessage reply = consoleKit.call(QStringLiteral("Stop"));
        // Only a missing ConsoleKit hands over to logind: one that refuses
        // has said what the machine's policy is.
        if (reply.type() == QDBusMessage::ErrorMessage && isServiceMissing(reply.errorName()))
            requestFromLogind(owner, QStringLiteral("PowerOff"));
    }
}
