#pragma once

#include "scheduledrequests.h"
#include "ui_wmain.h"
#include "upowerinterface.h"

#include <QDBusObjectPath>
#include <QHash>
#include <QMainWindow>
#include <QMap>
#include <tuple>

class DeviceProperties;
class MonitorClock;
class QSettings;
class SettingsStoreWatch;
class QSystemTrayIcon;
class UPowerView;
class CriticalWarning;
class WBattery;
class WControl;

// The application's window: a "No batteries detected" page, or the
// "Settings" tab followed by a tab per battery. It owns the UPower proxy,
// the battery registry, its own tray icon and the power monitor's clock.
//
// With a UPower that announces every change (0.99 and later) the registry
// and the monitor work from the view of the devices those announcements
// keep current: a tick of the monitor sends nothing, and the monitor sleeps
// through the ticks that could only repeat the last one. With an older
// UPower every tick asks the daemon afresh.
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

private slots:
    void deviceAppeared(const QString &path);
    void deviceChanged(const QString &path);
    void daemonRestarted();
    void tickIfMonitorSeesChange(const QString &path);
    void prepareForSleep(bool starting);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void registerBattery(const DeviceProperties &device);
    void removeBattery(const QString &path);
    void showPageForRegistry();
    void followLogind();
    QStringList monitorDevices(QStringList &dischargingDevices);
    void checkCriticalCharge(const DeviceProperties &device, QStringList &dischargingDevices);
    void forgetVanishedBatteries(const QStringList &present);
    void followRestartedDaemon();
    void reportLinePower(bool discharging);
    qint64 runSchedules();
    void planNextTick(qint64 untilNextSchedule);
    void showCriticalWarning(const QString &message);

    bool powerDown;
    bool keepRunning = false;
    QSystemTrayIcon *trayIcon;
    MonitorClock *clock;
    CriticalWarning *criticalWarning;
    Ui::WMain ui;
    WControl *control;
    OrgFreedesktopUPowerInterface upower;
    QMap<QString, WBattery *> batteries;

    UPowerView *view;
    QSettings *settings;
    SettingsStoreWatch *storeWatch;
    ScheduledRequests scheduled;
    // What the last tick read of each device (type, state, charge): a
    // change to anything else decides nothing.
    using MonitoredValues = std::tuple<uint, uint, int>;
    QHash<QString, MonitoredValues> monitored;
    // The last tick asked for an action, which is asked for again on every
    // tick while its reason holds.
    bool actionRequested = false;
    bool trayShowsPowerDown = false;
    bool followingLogind = false;
    // The daemon got a new owner: the next look at the device list brings
    // the registry in line with it.
    bool registryStale = false;
    // UPower has a new owner. A daemon may own its name before it lists
    // its devices, so it is looked at on the next tick.
    bool restarted = false;
};
