#pragma once

#include <QObject>

#include <xcb/xcb.h>

class QSocketNotifier;

// The program's own connection to the X server ($DISPLAY), shared by the X11
// parts. Its events are read when its socket has some, and handed to every
// part through eventReceived(); nothing is read otherwise. A connection of
// its own keeps the parts away from Qt's private platform code, the same on
// Qt 5 and Qt 6.
class XcbConnection : public QObject
{
    Q_OBJECT

public:
    explicit XcbConnection(QObject *parent = nullptr);
    ~XcbConnection() override;

    // False when the X server could not be reached or has gone away.
    bool isConnected() const;
    xcb_connection_t *connection() const { return m_connection; }
    xcb_window_t rootWindow() const { return m_root; }

    // Sends the requests made so far. Waiting for a reply may have read
    // events from the socket, which then no longer wakes the program up for
    // them: they are handed out on the next turn of the event loop.
    void flush();

Q_SIGNALS:
    // Valid only during the call: every event, errors of unchecked
    // requests included.
    void eventReceived(const xcb_generic_event_t *event);

private:
    void dispatchEvents();

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
    QSocketNotifier *m_notifier = nullptr;
    bool m_dispatchPending = false;
};
