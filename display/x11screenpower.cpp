#include "x11screenpower.h"

#include "xcbconnection.h"

#include <xcb/dpms.h>

#include <cstdlib>

X11ScreenPower::X11ScreenPower(XcbConnection *connection, QObject *parent)
    : ScreenPower(parent), m_connection(connection)
{
    if (!isCapable())
        setUnavailable(tr("This X server cannot turn the screen off (no DPMS)"));
}

bool X11ScreenPower::isCapable() const
{
    xcb_connection_t *c = m_connection->connection();
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(c, &xcb_dpms_id);
    if (!extension || !extension->present)
        return false;
    xcb_dpms_capable_reply_t *reply = xcb_dpms_capable_reply(c, xcb_dpms_capable(c), nullptr);
    const bool capable = reply && reply->capable;
    std::free(reply);
    return capable;
}

bool X11ScreenPower::turnOff()
{
    if (!isAvailable())
        return false;
    xcb_connection_t *c = m_connection->connection();
    xcb_dpms_info_reply_t *info = xcb_dpms_info_reply(c, xcb_dpms_info(c), nullptr);
    if (info && !info->state) {
        xcb_dpms_enable(c);
        m_enabledDpms = true;
    }
    std::free(info);
    return forceLevel(XCB_DPMS_DPMS_MODE_OFF);
}

bool X11ScreenPower::turnOn()
{
    if (!isAvailable())
        return false;
    const bool on = forceLevel(XCB_DPMS_DPMS_MODE_ON);
    if (m_enabledDpms) {
        xcb_dpms_disable(m_connection->connection());
        m_enabledDpms = false;
        m_connection->flush();
    }
    return on;
}

bool X11ScreenPower::forceLevel(quint16 level)
{
    xcb_connection_t *c = m_connection->connection();
    xcb_generic_error_t *error = xcb_request_check(c, xcb_dpms_force_level_checked(c, level));
    std::free(error);
    m_connection->flush();
    return !error;
}
