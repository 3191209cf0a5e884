#include "waylandidlewatch.h"

#include "ext-idle-notify-v1-client-protocol.h"
#include "waylandconnection.h"

WaylandIdleWatch::WaylandIdleWatch(WaylandConnection *connection, QObject *parent)
    : IdleWatch(parent), m_connection(connection)
{
    if (!m_connection->isConnected()) {
        setUnavailable(tr("The Wayland compositor cannot be reached"));
    } else if (!m_connection->idleNotifier()) {
        setUnavailable(tr("This Wayland compositor does not report idle time"));
    } else if (!m_connection->seat()) {
        setUnavailable(tr("This Wayland compositor has no seat whose idle time it could report"));
    } else {
        connect(m_connection, &WaylandConnection::disconnected, this,
                &WaylandIdleWatch::connectionBroke);
    }
}

WaylandIdleWatch::~WaylandIdleWatch()
{
    removeAllIdleTimeouts();
    dropResumeCatcher();
}

int WaylandIdleWatch::addIdleTimeout(int msec)
{
    if (!isAvailable() || msec <= 0)
        return 0;
    Notification notification;
    notification.msec = msec;
    notification.object = createNotification(msec);
    m_timeouts.insert(++m_lastId, notification);
    return m_lastId;
}

void WaylandIdleWatch::removeIdleTimeout(int id)
{
    const auto it = m_timeouts.constFind(id);
    if (it == m_timeouts.constEnd())
        return;
    ext_idle_notification_v1_destroy(it->object);
    m_timeouts.erase(it);
    m_connection->flush();
}

void WaylandIdleWatch::removeAllIdleTimeouts()
{
    const QList<int> ids = m_timeouts.keys();
    for (int id : ids)
        removeIdleTimeout(id);
}

void WaylandIdleWatch::catchNextResumeEvent()
{
    if (!isAvailable() || m_catchingResume)
        return;
    m_catchingResume = true;
    // A timeout that is idle now resumes at the next input too; the catcher
    // is for the case that none is.
    m_resumeCatcher = Notification();
    m_resumeCatcher.object = createNotification(0);
}

void WaylandIdleWatch::stopCatchingResumeEvent()
{
    m_catchingResume = false;
    dropResumeCatcher();
}

qint64 WaylandIdleWatch::idleTime() const
{
    if (!isAvailable())
        return -1;
    qint64 idle = 0;
    auto count = [&idle](const Notification &n) {
        if (n.idle)
            idle = qMax(idle, n.msec + n.idleSince.elapsed());
    };
    for (const Notification &notification : m_timeouts)
        count(notification);
    count(m_resumeCatcher);
    return idle;
}

void WaylandIdleWatch::idled(void *data, ext_idle_notification_v1 *object)
{
    auto *self = static_cast<WaylandIdleWatch *>(data);
    Notification *notification = self->find(object);
    if (!notification || notification->idle)
        return;
    notification->idle = true;
    notification->idleSince.start();
    for (auto it = self->m_timeouts.cbegin(); it != self->m_timeouts.cend(); ++it) {
        if (it->object == object) {
            Q_EMIT self->timeoutReached(it.key(), it->msec);
            return;
        }
    }
}

void WaylandIdleWatch::resumed(void *data, ext_idle_notification_v1 *object)
{
    auto *self = static_cast<WaylandIdleWatch *>(data);
    Notification *notification = self->find(object);
    if (!notification)
        return;
    notification->idle = false;
    if (self->m_catchingResume) {
        self->m_catchingResume = false;
        self->dropResumeCatcher();
        Q_EMIT self->resumingFromIdle();
    }
}

WaylandIdleWatch::Notification *WaylandIdleWatch::find(ext_idle_notification_v1 *object)
{
    if (m_resumeCatcher.object == object)
        return &m_resumeCatcher;
    for (Notification &notification : m_timeouts) {
        if (notification.object == object)
            return &notification;
    }
    return nullptr;
}

ext_idle_notification_v1 *WaylandIdleWatch::createNotification(int msec)
{
    static const ext_idle_notification_v1_listener listener = {&idled, &resumed};
    ext_idle_notification_v1 *object = ext_idle_notifier_v1_get_idle_notification(
            m_connection->idleNotifier(), uint32_t(msec), m_connection->seat());
    ext_idle_notification_v1_add_listener(object, &listener, this);
    m_connection->flush();
    return object;
}

void WaylandIdleWatch::dropResumeCatcher()
{
    if (!m_resumeCatcher.object)
        return;
    ext_idle_notification_v1_destroy(m_resumeCatcher.object);
    m_resumeCatcher = Notification();
    m_connection->flush();
}

void WaylandIdleWatch::connectionBroke()
{
    // The objects are gone with the connection; the proxies are freed as
    // usual.
    setUnavailable(tr("The connection to the Wayland compositor broke"));
}
