#pragma once

#include "idlewatch.h"

#include <QHash>

#include <xcb/sync.h>

class XcbConnection;

// Idle time on X11, from the SYNC extension's IDLETIME counter: an alarm per
// timeout fires when the counter climbs past it, and one more fires when the
// counter falls back (input). Both are the X server's doing, so the program
// is not woken up while nothing happens.
class X11IdleWatch : public IdleWatch
{
    Q_OBJECT

public:
    explicit X11IdleWatch(XcbConnection *connection, QObject *parent = nullptr);
    ~X11IdleWatch() override;

    int addIdleTimeout(int msec) override;
    void removeIdleTimeout(int id) override;
    void removeAllIdleTimeouts() override;
    void catchNextResumeEvent() override;
    void stopCatchingResumeEvent() override;
    qint64 idleTime() const override;

private:
    struct Timeout
    {
        int msec = 0;
        xcb_sync_alarm_t alarm = XCB_NONE;
        bool reached = false;
    };

    bool findIdleCounter();
    void handleEvent(const xcb_generic_event_t *event);
    void timeoutAlarmFired(int id, qint64 idleNow);
    void resetAlarmFired();
    void armResetAlarm(qint64 idleNow);
    void setAlarm(xcb_sync_alarm_t alarm, bool create, qint64 value, xcb_sync_testtype_t test);

    XcbConnection *m_connection;
    xcb_sync_counter_t m_idleCounter = XCB_NONE;
    quint8 m_alarmNotifyEvent = 0;
    QHash<int, Timeout> m_timeouts;
    int m_lastId = 0;
    // Fires at the first input after its arming; then inactive until armed again.
    xcb_sync_alarm_t m_resetAlarm = XCB_NONE;
    bool m_resetArmed = false;
    bool m_catchingResume = false;
};
