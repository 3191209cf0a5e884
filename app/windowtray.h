#pragma once

#include <QSystemTrayIcon>

// The window's own tray icon: the "power" image, or a warning sign while
// line power is down, and the program's messages under one title.
class WindowTray : public QSystemTrayIcon
{
    Q_OBJECT

public:
    WindowTray(const QString &messageTitle, const QIcon &powerIcon, QWidget *window);

    // Shows the warning sign while the power is down.
    void showPowerDown(bool down);
    void showMessage(const QString &message, bool warning);

private:
    QString messageTitle;
    QIcon powerIcon;
    bool showsPowerDown = false;
};
