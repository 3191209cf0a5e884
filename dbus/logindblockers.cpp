#include "logindblockers.h"

#include "wirenames.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QObject>

void LogindBlockers::ask(QObject *context,
                         const std::function<void(const LogindBlockers &)> &answered)
{
    const QDBusMessage call = QDBusMessage::createMethodCall(
            LogindWire::service, LogindWire::path, LogindWire::managerInterface,
            LogindInhibitWire::listInhibitorsMethod);
    auto *watcher =
            new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [answered](QDBusPendingCallWatcher *finished) {
                         finished->deleteLater();
                         answered(fromReply(finished->reply()));
                     });
}

LogindBlockers LogindBlockers::fromReply(const QDBusMessage &reply)
{
    LogindBlockers blockers;
    if (reply.type() != QDBusMessage::ReplyMessage)
        return blockers;
    const QVariant list = reply.arguments().value(0);
    if (list.userType() != qMetaTypeId<QDBusArgument>())
        return blockers;
    const auto argument = qvariant_cast<QDBusArgument>(list);
    if (argument.currentSignature() != QLatin1String("a(ssssuu)"))
        return blockers;
    blockers.m_known = true;
    const qint64 ownPid = QCoreApplication::applicationPid();
    argument.beginArray();
    while (!argument.atEnd()) {
        QString what, who, why, mode;
        uint uid = 0, pid = 0;
        argument.beginStructure();
        argument >> what >> who >> why >> mode >> uid >> pid;
        argument.endStructure();
        if (mode == LogindInhibitWire::blockMode && qint64(pid) != ownPid)
            blockers.m_blockers.append({what.split(QLatin1Char(':')), who, why, uid, pid});
    }
    argument.endArray();
    return blockers;
}

QList<LogindBlockers::Blocker> LogindBlockers::of(const QString &what) const
{
    QList<Blocker> found;
    for (const Blocker &blocker : m_blockers) {
        if (blocker.what.contains(what))
            found.append(blocker);
    }
    return found;
}

bool LogindBlockers::blocksIdle() const
{
    return !of(LogindInhibitWire::idle).isEmpty();
}

bool LogindBlockers::blocksSleep() const
{
    return !of(LogindInhibitWire::sleep).isEmpty();
}
