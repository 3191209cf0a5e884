#pragma once

#include "powermonitor.h"
#include "ui_wmain.h"

#include <QMainWindow>
#include <QMap>

class ChargeHistory;
class DeviceProperties;
class DevicesPage;
class MonitorClock;
class PowerServices;
class QSettings;
class SettingsStoreWatch;
class WBattery;
class WControl;
class WindowTray;

// The application's window: a "No batteries detected" page, or the
// "Settings" tab followed by a tab per battery of the machine, and its own
// tray icon with the power messages. It wires the power services, which
// hand it the devices, to the power monitor, which decides on each tick.
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
    void timeout();

private slots:
    void deviceAdded(const QString &path);
    void deviceChanged(const QString &path);
    void deviceRemoved(const QString &path);
    void followReloadedDevices();
    void machineWoke();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void registerBattery(const DeviceProperties &device);
    void removeBattery(const QString &path);
    void showPageForRegistry();
    void followDeviceBattery(const QString &path);
    void tickIfMonitorSeesChange(const QString &path);
    PowerMonitor::Run currentRun();
    void reportLinePower(bool discharging);

    bool powerDown = false;
    bool keepRunning = false;
    WindowTray *trayIcon;
    Ui::WMain ui;
    WControl *control;
    DevicesPage *devicesPage;
    PowerServices *services;
    ChargeHistory *history;
    QMap<QString, WBattery *> batteries;
    QSettings *settings;
    SettingsStoreWatch *storeWatch;
    MonitorClock *clock;
    PowerMonitor monitor;
};
