#include "x11monitors.h"

#include "xcbconnection.h"

#include <xcb/randr.h>

#include <cstdlib>

X11Monitors::X11Monitors(XcbConnection *connection, QObject *parent)
    : Monitors(parent), m_connection(connection), m_hasMonitorList(hasMonitorList())
{
}

bool X11Monitors::hasMonitorList() const
{
    xcb_connection_t *c = m_connection->connection();
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(c, &xcb_randr_id);
    if (!extension || !extension->present)
        return false;
    // The server answers 1.5 requests only once the client said it speaks 1.5.
    xcb_randr_query_version_reply_t *version =
            xcb_randr_query_version_reply(c, xcb_randr_query_version(c, 1, 5), nullptr);
    const bool has = version
            && (version->major_version > 1
                || (version->major_version == 1 && version->minor_version >= 5));
    std::free(version);
    return has;
}

int X11Monitors::count() const
{
    if (!m_hasMonitorList || !m_connection->isConnected())
        return Monitors::count();
    xcb_connection_t *c = m_connection->connection();
    xcb_randr_get_monitors_reply_t *reply = xcb_randr_get_monitors_reply(
            c, xcb_randr_get_monitors(c, m_connection->rootWindow(), true), nullptr);
    m_connection->flush();
    if (!reply)
        return Monitors::count();
    const int monitors = reply->nMonitors;
    std::free(reply);
    return monitors;
}
