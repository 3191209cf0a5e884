#include "logindinhibitor.h"

#include "systempower.h"
#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

#include <fcntl.h>

namespace {

// A refusal is told on one line of a message or tooltip.
constexpr int maxRefusalLength = 120;

// libdbus already receives descriptors close-on-exec; a child the program
// starts must never keep the inhibitor alive, so make sure of it.
void keepFromChildren(int fd)
{
    const int flags = fcntl(fd, F_GETFD);
    if (flags >= 0 && !(flags & FD_CLOEXEC))
        fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
}

} // namespace

LogindInhibitor::LogindInhibitor(const QString &what, const QString &why, Mode mode,
                                 QObject *parent)
    : QObject(parent), m_what(what), m_why(why), m_mode(mode)
{
}

// The descriptor closes with m_fd; an answer still on its way is dropped
// with its watcher, a child, and what it carries is closed with it.
LogindInhibitor::~LogindInhibitor() = default;

void LogindInhibitor::acquire()
{
    m_wanted = true;
    if (m_state == Held)
        return;
    if (m_pending) {
        // Released and wanted again before logind answered: that answer
        // serves.
        setState(Asking);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(LogindWire::service, LogindWire::path,
                                                       LogindWire::managerInterface,
                                                       LogindInhibitWire::inhibitMethod);
    // The program's name, as logind lists it to other programs and to
    // whoever reads systemd-inhibit --list: the same in every language.
    call << m_what << QStringLiteral("Power manager") << m_why
         << QString(m_mode == Block ? LogindInhibitWire::blockMode : LogindInhibitWire::delayMode);
    m_pending = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), this);
    connect(m_pending, &QDBusPendingCallWatcher::finished, this, &LogindInhibitor::answered);
    setState(Asking);
}

void LogindInhibitor::release()
{
    m_wanted = false;
    m_fd = QDBusUnixFileDescriptor();
    setState(NotHeld);
}

void LogindInhibitor::answered(QDBusPendingCallWatcher *call)
{
    // The reply holds copies of the descriptor until the watcher goes.
    call->deleteLater();
    m_pending = nullptr;
    const QDBusMessage reply = call->reply();
    QDBusUnixFileDescriptor fd;
    if (reply.type() == QDBusMessage::ReplyMessage)
        fd = qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().value(0));

    if (!m_wanted)
        return; // fd, if any, closes with the last copy
    if (!fd.isValid()) {
        m_missing =
                reply.type() == QDBusMessage::ErrorMessage && isServiceMissing(reply.errorName());
        m_refusal = reply.type() == QDBusMessage::ErrorMessage
                ? refusalOf(reply.errorName(), reply.errorMessage())
                : tr("logind gave no inhibitor");
        setState(Refused);
        return;
    }
    keepFromChildren(fd.fileDescriptor());
    m_fd = fd;
    setState(Held);
}

void LogindInhibitor::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

QString LogindInhibitor::refusalOf(const QString &errorName, const QString &errorMessage)
{
    if (isServiceMissing(errorName))
        return tr("logind is not running");
    QString text = errorMessage.isEmpty() ? errorName : errorMessage;
    text = text.simplified();
    if (text.size() > maxRefusalLength)
        text = text.left(maxRefusalLength - 1) + QChar(0x2026);
    return text;
}
