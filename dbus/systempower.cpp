#include "systempower.h"

#include "logindblockers.h"
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

using namespace DBusWire;

// The errors of a daemon that does not have a property: GDBus, and so
// UPower 0.99, answers InvalidArgs; other bindings answer UnknownProperty,
// some of them under a name of the service's own.
bool isNoSuchProperty(const QString &error)
{
    return error == errorPrefix + invalidArgsError || error == errorPrefix + unknownInterfaceError
            || error.endsWith(unknownPropertySuffix);
}

// The daemon is there but does not take that request: UPower since 0.99
// for Hibernate and Suspend.
bool isNoSuchMethod(const QString &error)
{
    return error == errorPrefix + unknownMethodError || error == errorPrefix + unknownInterfaceError
            || error == errorPrefix + unknownObjectError;
}

enum class UPowerAnswer { Yes, No, NotProvided };

// One of UPower's boolean Can* properties. Read with an explicit Get rather
// than the typed getter, which turns every error into false: the daemon
// saying no must stay apart from a daemon that has no such property.
UPowerAnswer upowerCapability(const QString &property)
{
    QDBusMessage get = QDBusMessage::createMethodCall(UPowerWire::service, UPowerWire::path,
                                                      propertiesInterface, getMethod);
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

using RefusalHandler = std::function<void(const PowerRefusal &)>;

PowerRefusal refusalOf(const QString &action, const QDBusError &error, bool fromLogind)
{
    qWarning().noquote() << "The system did not" << action << "the machine:" << error.name()
                         << error.message();
    return {action, error.message().isEmpty() ? error.name() : error.message(), fromLogind, {}};
}

void tell(const RefusalHandler &refused, const PowerRefusal &refusal)
{
    if (refused)
        refused(refusal);
}

// Sends PowerOff, Suspend or Hibernate to logind without waiting.
void requestFromLogind(QObject *owner, const QString &action, const QString &method,
                       const RefusalHandler &refused)
{
    QDBusMessage call = logindCall(method);
    // Not interactive: the request usually comes from the monitor with
    // nobody at the screen to answer an authentication prompt.
    call << false;
    auto *watcher =
            new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), owner);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner,
                     [action, refused](QDBusPendingCallWatcher *finished) {
                         finished->deleteLater();
                         if (finished->isError())
                             tell(refused, refusalOf(action, finished->error(), true));
                     });
}

// A sleep request: UPower's method, and logind's for the same.
struct SleepMethod
{
    QLatin1String upower;
    QLatin1String logind;
};

// Asks UPower to sleep without waiting; should its answer show that it has
// no such request (UPower 0.99 and later) or is not there, logind is asked.
void requestSleep(QObject *owner, const QString &action, const SleepMethod &method,
                  const RefusalHandler &refused)
{
    const QDBusMessage call = QDBusMessage::createMethodCall(UPowerWire::service, UPowerWire::path,
                                                             UPowerWire::interface, method.upower);
    auto *watcher =
            new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), owner);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner,
                     [owner, action, method, refused](QDBusPendingCallWatcher *finished) {
                         finished->deleteLater();
                         if (!finished->isError())
                             return;
                         const QString error = finished->error().name();
                         if (isNoSuchMethod(error) || isServiceMissing(error))
                             requestFromLogind(owner, action, method.logind, refused);
                         else
                             tell(refused, refusalOf(action, finished->error(), false));
                     });
}

} // namespace

bool isServiceMissing(const QString &error)
{
    return error == errorPrefix + serviceUnknownError || error == errorPrefix + nameHasNoOwnerError
            || error.startsWith(errorPrefix + spawnErrorPrefix);
}

SleepSupport readSleepSupport()
{
    SleepSupport support;
    struct Question
    {
        bool *answer;
        QLatin1String upowerProperty;
        QLatin1String logindMethod;
    };
    const Question questions[] = {
            {&support.hibernate, UPowerWire::canHibernateProperty, LogindWire::canHibernateMethod},
            {&support.suspend, UPowerWire::canSuspendProperty, LogindWire::canSuspendMethod}};

    // Every question for logind goes out before any answer is awaited, so
    // that a slow logind costs its delay once.
    QList<QPair<const Question *, QDBusPendingCall>> logindQuestions;
    for (const Question &question : questions) {
        switch (upowerCapability(question.upowerProperty)) {
        case UPowerAnswer::Yes:
            *question.answer = true;
            break;
        case UPowerAnswer::No:
            break;
        case UPowerAnswer::NotProvided:
            logindQuestions.append({&question,
                                    QDBusConnection::systemBus().asyncCall(
                                            logindCall(question.logindMethod), answerCapMs)});
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

void requestPowerAction(QObject *owner, const QString &action, const RefusalHandler &refused)
{
    if (action == QLatin1String("hibernate")) {
        requestSleep(owner, action, {UPowerWire::hibernateMethod, LogindWire::hibernateMethod},
                     refused);
    } else if (action == QLatin1String("suspend")) {
        requestSleep(owner, action, {UPowerWire::suspendMethod, LogindWire::suspendMethod},
                     refused);
    } else {
        QDBusInterface consoleKit(ConsoleKitWire::service, ConsoleKitWire::managerPath,
                                  ConsoleKitWire::managerInterface, QDBusConnection::systemBus());
        const QDBusMessage reply = consoleKit.call(ConsoleKitWire::stopMethod);
        if (reply.type() != QDBusMessage::ErrorMessage)
            return;
        // Only a missing ConsoleKit hands over to logind: one that refuses
        // has said what the machine's policy is.
        if (isServiceMissing(reply.errorName()))
            requestFromLogind(owner, action, LogindWire::powerOffMethod, refused);
        else
            tell(refused, refusalOf(action, QDBusError(reply), false));
    }
}

void findInhibitors(QObject *owner, PowerRefusal refusal, const RefusalHandler &found)
{
    const QString kind = refusal.action == QLatin1String("hibernate")
                    || refusal.action == QLatin1String("suspend")
            ? QString(LogindInhibitWire::sleep)
            : QString(LogindInhibitWire::shutdown);
    LogindBlockers::ask(owner, [refusal, kind, found](const LogindBlockers &blockers) mutable {
        for (const LogindBlockers::Blocker &blocker : blockers.of(kind))
            refusal.inhibitors.append({blocker.who, blocker.why});
        found(refusal);
    });
}
