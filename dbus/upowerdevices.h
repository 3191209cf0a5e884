#pragma once

#include "deviceproperties.h"
#include "systempower.h"

#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>

class QDBusObjectPath;

// UPower's devices as one generation of the daemon tells of them: the list,
// kept current from DeviceAdded and DeviceRemoved, and each device's
// values, read with one GetAll when it appears. How the values are kept
// current after that is the generation's: see AnnouncedUPower and
// PolledUPower.
class UPowerDevices : public QObject
{
    Q_OBJECT

public:
    explicit UPowerDevices(QObject *parent = nullptr);

    // Lists and reads every device. Waits for the answers only a short
    // while: a device whose answer comes later appears then.
    void load();

    // The devices of the last listing, in its order, that have been read.
    QStringList paths() const;
    bool contains(const QString &path) const { return devices.contains(path); }
    DeviceProperties device(const QString &path) const { return devices.value(path); }

    // Whatever a run of the power monitor must read afresh.
    virtual void refresh() = 0;
    // Whether the values of the devices' own batteries (a mouse's, a
    // keyboard's) are kept current without asking.
    virtual bool followsDeviceBatteries() const = 0;
    // What the machine can do; may ask.
    virtual SleepSupport sleepSupport() = 0;
    // A battery's time to empty; may ask.
    virtual qlonglong secondsToEmpty(const QString &path) = 0;
    // The page of the device is shown: values the monitor does not read
    // (capacity, charge cycles, energy rate) are made current, if they
    // are not announced.
    virtual void readDetails(const QString &path) { Q_UNUSED(path) }

    // The daemon's own values (OnBattery, LidIsPresent, LidIsClosed), as
    // far as this generation tells them; read without waiting once the
    // devices are loaded, then followed.
    virtual void followManager() = 0;
    QVariantMap managerValues() const { return manager; }

signals:
    // A device announced while running has been read.
    void deviceAdded(const QString &path);
    void deviceChanged(const QString &path);
    void deviceRemoved(const QString &path);
    // What a run reads may differ from what the last one read, though no
    // device said so.
    void valuesOutdated();
    // Some of managerValues() changed.
    void managerChanged();

protected:
    // Called once per device when its first values arrive.
    virtual void follow(const QString &path) { Q_UNUSED(path) }
    void take(const QString &path, const QVariantMap &values);
    void setListing(const QStringList &paths) { listing = paths; }
    // Reads every value of a known device again, without waiting; tells
    // deviceChanged() when they are in.
    void reread(const QString &path);
    QMap<QString, DeviceProperties> devices;
    QVariantMap manager;

private slots:
    void announcedAdded(const QDBusObjectPath &path);
    void announcedRemoved(const QDBusObjectPath &path);

private:
    void readDevice(const QString &path);

    QStringList listing;
    QSet<QString> pending;
};
