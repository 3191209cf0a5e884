#include "displayserver.h"

#include "monitors.h"
#include "unavailableglobalkeys.h"
#include "unavailableidlewatch.h"
#include "unavailablescreenpower.h"
#include "waylandconnection.h"
#include "waylandidlewatch.h"
#include "x11globalkeys.h"
#include "x11idlewatch.h"
#include "x11monitors.h"
#include "x11screenpower.h"
#include "xcbconnection.h"

#include <QGuiApplication>

DisplayServer::DisplayServer(QObject *parent) : QObject(parent)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        setUpX11();
    else if (platform == QLatin1String("wayland"))
        setUpWayland();
    else
        setUpNothing(tr("This display server does not report idle time"),
                     tr("Keys cannot be taken on this display server"),
                     tr("This display server cannot turn the screen off"));
}

DisplayServer::~DisplayServer() = default;

void DisplayServer::setUpX11()
{
    m_kind = X11;
    m_xcb = std::make_unique<XcbConnection>();
    if (!m_xcb->isConnected()) {
        const QString reason = tr("The X server cannot be reached");
        setUpNothing(reason, reason, reason);
        return;
    }
    m_idleWatch = std::make_unique<X11IdleWatch>(m_xcb.get());
    m_globalKeys = std::make_unique<X11GlobalKeys>(m_xcb.get());
    m_screenPower = std::make_unique<X11ScreenPower>(m_xcb.get());
    m_monitors = std::make_unique<X11Monitors>(m_xcb.get());
}

void DisplayServer::setUpWayland()
{
    m_kind = Wayland;
    m_wayland = std::make_unique<WaylandConnection>();
    m_idleWatch = std::make_unique<WaylandIdleWatch>(m_wayland.get());
    m_globalKeys = std::make_unique<UnavailableGlobalKeys>(tr("Keys cannot be taken on Wayland"));
    m_screenPower = std::make_unique<UnavailableScreenPower>(
            tr("The screen cannot be turned off on Wayland"));
    m_monitors = std::make_unique<Monitors>();
}

void DisplayServer::setUpNothing(const QString &idleReason, const QString &keysReason,
                                 const QString &screenReason)
{
    m_idleWatch = std::make_unique<UnavailableIdleWatch>(idleReason);
    m_globalKeys = std::make_unique<UnavailableGlobalKeys>(keysReason);
    m_screenPower = std::make_unique<UnavailableScreenPower>(screenReason);
    m_monitors = std::make_unique<Monitors>();
}
