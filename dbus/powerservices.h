#pragma once

#include "deviceproperties.h"
#include "systempower.h"

#include <QObject>
#include <QStringList>
#include <optional>

class UPowerDevices;

// The power services of the machine, whichever generation runs: UPower
// 0.99 or later with logind, which announce every change, or an older
// UPower with ConsoleKit, which must be asked. This is the one place that
// knows which: it tells by UPower's DaemonVersion, and again whenever
// UPower gets a new owner. Everything else is handed values and signals.
class PowerServices : public QObject
{
    Q_OBJECT

public:
    explicit PowerServices(QObject *parent = nullptr);
    ~PowerServices() override;

    // Finds out which generation runs and reads its devices.
    void load();

    // The devices, in the daemon's order, and what is known of each.
    QStringList devices() const;
    bool contains(const QString &path) const;
    DeviceProperties device(const QString &path) const;

    // The batteries of the machine's devices (a mouse, a keyboard...) whose
    // values are kept current; none where they would have to be asked for.
    QList<DeviceProperties> deviceBatteries() const;
    bool followsDeviceBattery(const QString &path) const;

    // Whether the machine runs on its batteries, as the daemon says; none
    // where it does not tell (the older daemon is not asked).
    std::optional<bool> onBattery() const;
    // The line-power devices (Type 1) whose values are kept current; none
    // where they would have to be asked for.
    QList<DeviceProperties> linePowers() const;
    // Whether the machine has a lid, and whether it is closed; a value of
    // another type than the daemon declares reads as none.
    std::optional<bool> hasLid() const;
    std::optional<bool> isLidClosed() const;

    // Reads what a run of the power monitor decides on: on the older
    // daemon the device list and each device's charge and state, and what
    // the machine can do; on today's, nothing. After a restart of the
    // daemon it first reads its devices anew (see devicesReloaded()).
    void refresh();

    // What the machine can do: as the last refresh read it on the older
    // daemon, asked now on today's.
    SleepSupport sleepSupport();
    // A battery's time to empty; may ask the daemon.
    qlonglong secondsToEmpty(const QString &path);

    // A device's page is shown: see UPowerDevices::readDetails().
    void readDetails(const QString &path);

    // Requests a power action; see requestPowerAction(). A refusal is told
    // by refused(), with who holds logind's block on it where logind said no.
    void request(const QString &action);

    // Asks the daemon to turn a battery's charge limit on or off, without
    // waiting; the device announces the outcome. A refusal is told by
    // chargeLimitRefused(), with the daemon's reason on one short line.
    void enableChargeLimit(const QString &path, bool enabled);

signals:
    void chargeLimitRefused(const QString &path, bool enabled, const QString &reason);
    // A device announced while running has been read.
    void deviceAdded(const QString &path);
    void deviceChanged(const QString &path);
    void deviceRemoved(const QString &path);
    // What a run reads may differ from what the last one read, though no
    // device said so (the older daemon announces nothing).
    void valuesOutdated();
    // One of the daemon's own values above changed.
    void managerChanged();
    // The daemon has a new owner; the next refresh reads its devices.
    void restarted();
    // After a restart, the devices have been read anew: devices() may hold
    // others than before.
    void devicesReloaded();
    // The machine has woken from sleep.
    void woke();
    void refused(const PowerRefusal &refusal);

private slots:
    void ownerChanged(const QString &service, const QString &oldOwner, const QString &newOwner);
    void prepareForSleep(bool starting);

private:
    bool readAnnouncesChanges() const;
    bool followsDeviceBatteries() const;
    std::optional<bool> managerFlag(const QString &name) const;
    void followLogind();

    UPowerDevices *generation = nullptr;
    bool restartPending = false;
    bool followingLogind = false;
};
