#pragma once

#include "idlewatch.h"

#include <QElapsedTimer>
#include <QHash>

class WaylandConnection;
struct ext_idle_notification_v1;

// Idle time on Wayland, from the compositor's ext-idle-notify-v1: one
// notification object per timeout, which the compositor marks idle and
// resumed. The compositor also honours idle inhibitors (a playing video,
// say), which then keep the timeouts from being reached.
class WaylandIdleWatch : public IdleWatch
{
    Q_OBJECT

public:
    // connection must outlive the watch.
    explicit WaylandIdleWatch(WaylandConnection *connection, QObject *parent = nullptr);
    ~WaylandIdleWatch() override;

    int addIdleTimeout(int msec) override;
    void removeIdleTimeout(int id) override;
    void removeAllIdleTimeouts() override;
    void catchNextResumeEvent() override;
    void stopCatchingResumeEvent() override;
    qint64 idleTime() const override;

private:
    struct Notification
    {
        int msec = 0;
        ext_idle_notification_v1 *object = nullptr;
        bool idle = false;
        QElapsedTimer idleSince;
    };

    static void idled(void *data, ext_idle_notification_v1 *object);
    static void resumed(void *data, ext_idle_notification_v1 *object);
    Notification *find(ext_idle_notification_v1 *object);
    ext_idle_notification_v1 *createNotification(int msec);
    void dropResumeCatcher();
    void connectionBroke();

    WaylandConnection *m_connection;
    QHash<int, Notification> m_timeouts;
    int m_lastId = 0;
    // A notification of 0 ms while a resume is to be caught: it goes idle at
    // the first pause and resumes at the next input.
    Notification m_resumeCatcher;
    bool m_catchingResume = false;
};
