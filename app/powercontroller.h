#pragma once

#include "chargehistorypoint.h"
#include "clock.h"
#include "deviceproperties.h"
#include "powermonitor.h"

#include <QMap>
#include <QObject>

class BrightnessControl;
class ChargeHistory;
class LidKeysControl;
class ChargeLimitControl;
class DisplayServer;
class IdleControl;
class LogindSession;
class MonitorClock;
class PowerProfiles;
class PowerServices;
class ProfileControl;
class QSettings;
class SettingsStoreWatch;
class WallClockWatch;

// Between the machine's power services and the program's decisions: it
// owns the services, the settings store, the monitor's clock and the
// policies, runs the monitor on each tick of the clock, carries out what
// it decides, and tells the window what to show through signals. It has
// no widgets.
//
// One tick: the settings store is read again if it was edited, the
// services read what a run reads (nothing on today's daemon), the monitor
// decides from those values (and again, once, with whatever it said it
// needs), the requests go out, the window hears of line power and the
// warnings, and the clock sleeps as long as the coming ticks could only
// repeat this one and nothing is announced meanwhile.
class PowerController : public QObject
{
    Q_OBJECT

public:
    explicit PowerController(QObject *parent = nullptr);
    ~PowerController() override;

    // Asks what the machine offers (before the devices: a daemon that hangs
    // on a device's values answers nothing else meanwhile), then reads the
    // devices.
    void load();
    void start();
    void stop();

    // Time as the monitor reads it; tests hand in a clock of their own,
    // which must outlive the controller.
    void useClock(const Clock *clock);

    // The settings store, read again on the first tick after an edit made
    // outside the program.
    QSettings *settings() const { return store; }
    PowerProfiles *profiles() const { return powerProfiles; }
    // What the display server offers: idle time, keys, the screen's power.
    DisplayServer *display() const { return displayServer; }
    // The program's own session in logind.
    LogindSession *session() const { return loginSession; }
    BrightnessControl *brightness() const { return lights; }
    // What happens while the person is away, and what keeps the machine awake.
    IdleControl *idle() const { return idleControl; }
    // The lid and the power and suspend keys.
    LidKeysControl *lidAndKeys() const { return lidKeys; }
    // Whether the machine ran on its batteries at the last tick.
    bool isOnBattery() const { return discharging; }
    // The batteries' charge limits.
    ChargeLimitControl *chargeLimits() const { return chargeLimitControl; }

    // The actions the machine offered when the devices were read.
    QMap<QString, QString> offeredActions() const { return offered; }
    // The devices, in the daemon's order, and what is known of each.
    QStringList devices() const;
    DeviceProperties device(const QString &path) const;
    bool contains(const QString &path) const;
    // Whether the battery of one of the machine's devices is followed.
    bool followsDeviceBattery(const QString &path) const;

public slots:
    // One run of the monitor; the clock's ticks call it.
    void tick();
    // Carries out a power action at once.
    void request(const QString &action);
    // A battery's page shows its history over the last spanSeconds.
    void showHistory(const QString &path, int spanSeconds);

signals:
    // A device announced while running, changed, or gone.
    void deviceAdded(const QString &path);
    void deviceChanged(const QString &path);
    void deviceRemoved(const QString &path);
    // After the daemon restarted, its devices were read anew.
    void devicesReloaded();

    // On every tick: whether the machine runs on its batteries.
    void onBattery(bool discharging);
    // When that changes.
    void linePowerChanged(bool discharging);
    // A warning to show: before a critical action, a device running low, an
    // action the system refused.
    void warning(const QString &text);

    void historyLoaded(const QString &path, const QList<ChargeHistoryPoint> &points);
    void historyUnavailable(const QString &path);

private:
    void tickIfMonitorSeesChange(const QString &path);
    void inputsChanged();
    PowerMonitor::Run currentRun() const;
    void supply(PowerMonitor::Run &run, const PowerMonitor::Needs &needs);
    void sleepAfter(const PowerMonitor::Decision &decision);

    QSettings *store;
    SettingsStoreWatch *storeWatch;
    PowerServices *services;
    PowerProfiles *powerProfiles;
    ChargeHistory *history;
    MonitorClock *monitorClock;
    WallClockWatch *wallClock;
    DisplayServer *displayServer;
    LogindSession *loginSession;
    BrightnessControl *lights;
    IdleControl *idleControl;
    LidKeysControl *lidKeys;
    ChargeLimitControl *chargeLimitControl;
    ProfileControl *profileControl;
    const Clock machineClock;
    const Clock *clock = &machineClock;
    PowerMonitor monitor;
    QMap<QString, QString> offered;
    bool discharging = false;
    // Until the first tick, the daemon's first word on OnBattery, which
    // comes after the devices, decides where the machine starts from.
    bool ticked = false;
    bool startHeardOnBattery = false;
    // Something a run reads was announced since the running tick began.
    bool changedSinceTick = false;
};
