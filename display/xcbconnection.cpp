#include "xcbconnection.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <cstdlib>

Q_LOGGING_CATEGORY(lcXcbConnection, "wex.display.xcb")

XcbConnection::XcbConnection(QObject *parent) : QObject(parent)
{
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection)) {
        qCWarning(lcXcbConnection) << "cannot connect to the X server";
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i)
        xcb_screen_next(&screens);
    m_root = screens.data->root;

    m_notifier =
            new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &XcbConnection::dispatchEvents);
}

XcbConnection::~XcbConnection()
{
    xcb_disconnect(m_connection);
}

bool XcbConnection::isConnected() const
{
    return m_root != XCB_NONE && !xcb_connection_has_error(m_connection);
}

void XcbConnection::flush()
{
    if (!isConnected())
        return;
    xcb_flush(m_connection);
    if (m_dispatchPending)
        return;
    m_dispatchPending = true;
    QMetaObject::invokeMethod(
            this,
            [this] {
                m_dispatchPending = false;
                dispatchEvents();
            },
            Qt::QueuedConnection);
}

void XcbConnection::dispatchEvents()
{
    if (!isConnected())
        return;
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
        Q_EMIT eventReceived(event);
        std::free(event);
    }
    if (xcb_connection_has_error(m_connection)) {
        qCWarning(lcXcbConnection) << "the connection to the X server was lost";
        m_notifier->setEnabled(false);
    }
}
