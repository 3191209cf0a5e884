#pragma once

#include <QStringList>
#include <QSystemTrayIcon>
#include <optional>

class BrightnessControl;
class PowerProfiles;
class QAction;
class QMenu;

// The window's own tray icon: the "power" image, or a warning sign while
// line power is down, and the program's messages under one title. A click
// on it brings the window to the front, and its menu shows the window,
// switches the power profile and ends the program.
class WindowTray : public QSystemTrayIcon
{
    Q_OBJECT

public:
    WindowTray(const QString &messageTitle, const QIcon &powerIcon, QWidget *window);
    ~WindowTray() override;

    // Shows the warning sign while the power is down.
    void showPowerDown(bool down);
    void showMessage(const QString &message, bool warning);
    // The batteries of the machine's devices, a line each under the title,
    // the first few of them.
    void showDeviceCharges(const QStringList &lines);
    // Who keeps the machine awake, a line each, above the devices.
    void showKeptAwakeBy(const QStringList &lines);

    // The context menu: "Show window", the profiles while the daemon offers
    // some, the screen's and the keyboard light's steps while there are such
    // lights, and exit. Refused switches of the profile and levels that
    // could not be set are told as messages.
    void offerMenu(QAction *exit, PowerProfiles *profiles, BrightnessControl *lights);
    // For a program in the background: a click on the window's tray icon
    // while the window is in front hides it again, as closing does.
    void setHidesOnClick(bool hides);
    // A checkable entry above "Exit"; called after offerMenu().
    void offerKeepAwake(QAction *keepAwake);

public slots:
    void showWindow();
    // A click on one of the program's tray icons. The window comes to the
    // front; when it already is there and shows what was clicked, it is
    // hidden, if the program runs in the background.
    void toggleWindow(bool showsClicked = true);

private:
    QWidget *window() const;
    void offerBrightness(QMenu *menu, BrightnessControl *lights);
    QString forHost(const QString &text);
    void showToolTip();

    QString messageTitle;
    QIcon powerIcon;
    bool showsPowerDown = false;
    bool hidesOnClick = false;
    // Whether the tray host reads messages and tooltips as markup; asked
    // when the first is shown.
    std::optional<bool> hostReadsMarkup;
    QStringList deviceLines;
    QStringList keeperLines;
};
