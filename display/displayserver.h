#pragma once

#include <QObject>
#include <QString>

#include <memory>

class IdleWatch;
class GlobalKeys;
class ScreenPower;
class Monitors;
class XcbConnection;
class WaylandConnection;

// What the program needs from the display server, chosen once from the
// platform Qt runs on: X11 ("xcb"), Wayland ("wayland") or anything else,
// where none of it is available. Every part is always there; one that is not
// available says why, in a line the settings pages can show. Code using the
// parts never needs to know which display server it runs on.
class DisplayServer : public QObject
{
    Q_OBJECT

public:
    enum Kind { X11, Wayland, Other };

    // Needs the QGuiApplication; connects to its display server at once.
    explicit DisplayServer(QObject *parent = nullptr);
    ~DisplayServer() override;

    // For logs and tests only: nothing should depend on it.
    Kind kind() const { return m_kind; }

    IdleWatch *idleWatch() const { return m_idleWatch.get(); }
    GlobalKeys *globalKeys() const { return m_globalKeys.get(); }
    ScreenPower *screenPower() const { return m_screenPower.get(); }
    Monitors *monitors() const { return m_monitors.get(); }

private:
    void setUpX11();
    void setUpWayland();
    void setUpNothing(const QString &idleReason, const QString &keysReason,
                      const QString &screenReason);

    Kind m_kind = Other;
    // Declared before the parts, so that the parts, destroyed first, give
    // back what they hold (grabs, alarms, notifications) on an open
    // connection.
    std::unique_ptr<XcbConnection> m_xcb;
    std::unique_ptr<WaylandConnection> m_wayland;
    std::unique_ptr<IdleWatch> m_idleWatch;
    std::unique_ptr<GlobalKeys> m_globalKeys;
    std::unique_ptr<ScreenPower> m_screenPower;
    std::unique_ptr<Monitors> m_monitors;
};
