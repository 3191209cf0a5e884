#pragma once

#include "monitors.h"

class XcbConnection;

// Monitors on X11, from RandR 1.5's list of active monitors: what the
// session shows, monitors set up with xrandr --setmonitor included. Without
// RandR 1.5 it counts Qt's screens.
class X11Monitors : public Monitors
{
    Q_OBJECT

public:
    // connection must be connected.
    explicit X11Monitors(XcbConnection *connection, QObject *parent = nullptr);

    int count() const override;

private:
    bool hasMonitorList() const;

    XcbConnection *m_connection;
    bool m_hasMonitorList = false;
};
