#pragma once

#include "ui_wmain.h"
#include "upowerinterface.h"

#include <QDBusObjectPath>
#include <QMainWindow>
#include <QMap>

class QSettings;
class QSystemTrayIcon;
class QTimer;
class CriticalWarning;
class WBattery;
class WControl;

// The application's window: a "No batteries detected" page, or the
// "Settings" tab followed by a tab per battery. It owns the UPower proxy,
// the battery registry, its own tray icon and the power monitor's timer.
class WMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit WMain(QWidget *parent = nullptr);
    ~WMain() override;

    void executeAction(const QString &action);

    // For a program that runs in the background: closing the window only
    // hides it, and File > Exit ends the program.
    void keepRunningWhenClosed();

public slots:
    void load();
    void DeviceAdded(QDBusObjectPath objectPath);
    void DeviceRemoved(QDBusObjectPath objectPath);
    void timeout();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool isBatteryType(uint type, bool includeUps) const;
    void registerBattery(const QString &path);
    void showPageForRegistry();
    void reportLinePower(bool discharging);
    void runSchedules(const QSettings &settings);
    void showCriticalWarning(const QString &message);

    bool powerDown;
    bool keepRunning = false;
    QSystemTrayIcon *trayIcon;
    QTimer *timer;
    CriticalWarning *criticalWarning;
    Ui::WMain ui;
    WControl *control;
    OrgFreedesktopUPowerInterface upower;
    QMap<QString, WBattery *> batteries;
};
