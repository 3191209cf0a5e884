#include "x11idlewatch.h"

#include "xcbconnection.h"

#include <cstdlib>
#include <cstring>

namespace {

qint64 fromSyncValue(const xcb_sync_int64_t &value)
{
    return (qint64(value.hi) << 32) | value.lo;
}

xcb_sync_int64_t toSyncValue(qint64 value)
{
    return xcb_sync_int64_t{qint32(value >> 32), quint32(value & 0xffffffffu)};
}

} // namespace

X11IdleWatch::X11IdleWatch(XcbConnection *connection, QObject *parent)
    : IdleWatch(parent), m_connection(connection)
{
    if (!findIdleCounter()) {
        setUnavailable(tr("This X server does not report idle time"));
        return;
    }
    connect(m_connection, &XcbConnection::eventReceived, this, &X11IdleWatch::handleEvent);
}

X11IdleWatch::~X11IdleWatch()
{
    if (!m_connection->isConnected())
        return;
    removeAllIdleTimeouts();
    if (m_resetAlarm != XCB_NONE)
        xcb_sync_destroy_alarm(m_connection->connection(), m_resetAlarm);
    m_connection->flush();
}

bool X11IdleWatch::findIdleCounter()
{
    if (!m_connection->isConnected())
        return false;
    xcb_connection_t *c = m_connection->connection();
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(c, &xcb_sync_id);
    if (!extension || !extension->present)
        return false;
    // The extension must be told which version the client speaks before use.
    std::free(xcb_sync_initialize_reply(c, xcb_sync_initialize(c, 3, 1), nullptr));
    m_alarmNotifyEvent = extension->first_event + XCB_SYNC_ALARM_NOTIFY;

    xcb_sync_list_system_counters_reply_t *reply =
            xcb_sync_list_system_counters_reply(c, xcb_sync_list_system_counters(c), nullptr);
    if (!reply)
        return false;
    // Walked by hand: libxcb's iterator pads each name on its own, but the
    // wire pads the whole entry (14 bytes, then the name) to 4 bytes.
    static const char idleTimeName[] = "IDLETIME";
    const auto *entry = reinterpret_cast<const quint8 *>(
            xcb_sync_list_system_counters_counters_iterator(reply).data);
    const quint8 *end =
            reinterpret_cast<const quint8 *>(reply) + sizeof *reply + 4 * size_t(reply->length);
    for (quint32 i = 0; i < reply->counters_len && entry + 14 <= end; ++i) {
        xcb_sync_counter_t counter;
        quint16 nameLength;
        std::memcpy(&counter, entry, sizeof counter);
        std::memcpy(&nameLength, entry + 12, sizeof nameLength);
        const quint8 *name = entry + 14;
        if (name + nameLength > end)
            break;
        if (nameLength == sizeof idleTimeName - 1
            && std::memcmp(name, idleTimeName, nameLength) == 0) {
            m_idleCounter = counter;
            break;
        }
        entry += (14 + nameLength + 3) & ~size_t(3);
    }
    std::free(reply);
    return m_idleCounter != XCB_NONE;
}

int X11IdleWatch::addIdleTimeout(int msec)
{
    if (!isAvailable() || msec <= 0)
        return 0;
    Timeout timeout;
    timeout.msec = msec;
    timeout.alarm = xcb_generate_id(m_connection->connection());
    setAlarm(timeout.alarm, true, msec, XCB_SYNC_TESTTYPE_POSITIVE_COMPARISON);
    m_timeouts.insert(++m_lastId, timeout);
    m_connection->flush();
    return m_lastId;
}

void X11IdleWatch::removeIdleTimeout(int id)
{
    const auto it = m_timeouts.constFind(id);
    if (it == m_timeouts.constEnd())
        return;
    xcb_sync_destroy_alarm(m_connection->connection(), it->alarm);
    m_timeouts.erase(it);
    m_connection->flush();
}

void X11IdleWatch::removeAllIdleTimeouts()
{
    const QList<int> ids = m_timeouts.keys();
    for (int id : ids)
        removeIdleTimeout(id);
}

void X11IdleWatch::catchNextResumeEvent()
{
    if (!isAvailable())
        return;
    m_catchingResume = true;
    if (!m_resetArmed)
        armResetAlarm(idleTime());
}

void X11IdleWatch::stopCatchingResumeEvent()
{
    // The reset alarm stays armed if it is: the reached timeouts need it.
    m_catchingResume = false;
}

qint64 X11IdleWatch::idleTime() const
{
    if (!isAvailable())
        return -1;
    xcb_connection_t *c = m_connection->connection();
    xcb_sync_query_counter_reply_t *reply =
            xcb_sync_query_counter_reply(c, xcb_sync_query_counter(c, m_idleCounter), nullptr);
    m_connection->flush();
    if (!reply)
        return -1;
    const qint64 idle = fromSyncValue(reply->counter_value);
    std::free(reply);
    return idle;
}

void X11IdleWatch::handleEvent(const xcb_generic_event_t *event)
{
    if ((event->response_type & 0x7f) != m_alarmNotifyEvent)
        return;
    const auto *notify = reinterpret_cast<const xcb_sync_alarm_notify_event_t *>(event);
    if (notify->state == XCB_SYNC_ALARMSTATE_DESTROYED)
        return;
    if (notify->alarm == m_resetAlarm) {
        resetAlarmFired();
        return;
    }
    for (auto it = m_timeouts.cbegin(); it != m_timeouts.cend(); ++it) {
        if (it->alarm == notify->alarm) {
            timeoutAlarmFired(it.key(), fromSyncValue(notify->counter_value));
            return;
        }
    }
}

void X11IdleWatch::timeoutAlarmFired(int id, qint64 idleNow)
{
    // With a delta of 0 the server left the alarm inactive; the reset alarm
    // arms it again at the next input.
    Timeout &timeout = m_timeouts[id];
    timeout.reached = true;
    if (!m_resetArmed)
        armResetAlarm(idleNow);
    Q_EMIT timeoutReached(id, timeout.msec);
}

void X11IdleWatch::resetAlarmFired()
{
    m_resetArmed = false;
    for (Timeout &timeout : m_timeouts) {
        if (timeout.reached) {
            timeout.reached = false;
            setAlarm(timeout.alarm, false, timeout.msec, XCB_SYNC_TESTTYPE_POSITIVE_COMPARISON);
        }
    }
    m_connection->flush();
    if (m_catchingResume) {
        m_catchingResume = false;
        Q_EMIT resumingFromIdle();
    }
}

void X11IdleWatch::armResetAlarm(qint64 idleNow)
{
    // Fires as soon as the counter is below where it is now, that is at the
    // next input. Right after an input (0) it fires at once: that input is
    // the person being back.
    const bool create = m_resetAlarm == XCB_NONE;
    if (create)
        m_resetAlarm = xcb_generate_id(m_connection->connection());
    setAlarm(m_resetAlarm, create, qMax<qint64>(idleNow - 1, 0),
             XCB_SYNC_TESTTYPE_NEGATIVE_COMPARISON);
    m_resetArmed = true;
    m_connection->flush();
}

void X11IdleWatch::setAlarm(xcb_sync_alarm_t alarm, bool create, qint64 value,
                            xcb_sync_testtype_t test)
{
    const uint32_t mask = XCB_SYNC_CA_COUNTER | XCB_SYNC_CA_VALUE_TYPE | XCB_SYNC_CA_VALUE
            | XCB_SYNC_CA_TEST_TYPE | XCB_SYNC_CA_DELTA | XCB_SYNC_CA_EVENTS;
    xcb_connection_t *c = m_connection->connection();
    xcb_sync_create_alarm_value_list_t values{};
    values.counter = m_idleCounter;
    values.valueType = XCB_SYNC_VALUETYPE_ABSOLUTE;
    values.value = toSyncValue(value);
    values.testType = test;
    values.delta = toSyncValue(0);
    values.events = 1;
    if (create) {
        xcb_sync_create_alarm_aux(c, alarm, mask, &values);
    } else {
        xcb_sync_change_alarm_value_list_t change{};
        change.counter = values.counter;
        change.valueType = values.valueType;
        change.value = values.value;
        change.testType = values.testType;
        change.delta = values.delta;
        change.events = values.events;
        xcb_sync_change_alarm_aux(c, alarm, mask, &change);
    }
}
