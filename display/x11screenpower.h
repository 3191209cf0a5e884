#pragma once

#include "screenpower.h"

class XcbConnection;

// The screen's power on X11, through DPMS. DPMS must be enabled for the
// screen to be forced off; when the program had to enable it, turnOn()
// disables it again, so the X server's own DPMS timeouts stay as the person
// set them.
class X11ScreenPower : public ScreenPower
{
    Q_OBJECT

public:
    // connection must be connected.
    explicit X11ScreenPower(XcbConnection *connection, QObject *parent = nullptr);

    bool turnOff() override;
    bool turnOn() override;

private:
    bool isCapable() const;
    bool forceLevel(quint16 level);

    XcbConnection *m_connection;
    bool m_enabledDpms = false;
};
