#pragma once

#include "deviceproperties.h"

#include <QDBusObjectPath>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>

class QDBusMessage;
class QDBusPendingCallWatcher;

// What the program knows of UPower's devices when the daemon announces
// every change itself (UPower 0.99 and later): each device's properties,
// read with one GetAll when it appears and then kept current from its
// PropertiesChanged signals, and the device list, kept current from
// DeviceAdded and DeviceRemoved. Reading this view sends nothing.
//
// Older daemons only say that something changed; there the view stays
// empty and isEventDriven() is false, and readers ask the daemon.
class UPowerView : public QObject
{
    Q_OBJECT

public:
    explicit UPowerView(QObject *parent = nullptr);

    // Asks the daemon for its version and, on a daemon that announces its
    // changes, reads every device. Waits for the answers only a short
    // while: a device whose answer comes later appears then.
    void load();

    bool isEventDriven() const { return eventDriven; }
    // The devices read so far, in the order they came.
    QStringList paths() const { return order; }
    bool contains(const QString &path) const { return devices.contains(path); }
    DeviceProperties device(const QString &path) const { return devices.value(path); }

signals:
    // After load(): a device's properties have been read for the first time.
    void deviceAppeared(const QString &path);
    void deviceChanged(const QString &path);
    void deviceGone(const QString &path);
    // The daemon has a new owner (a restart, an upgrade): what the view
    // holds is of the old one until load() runs again.
    void daemonRestarted();

private slots:
    void deviceAdded(const QDBusObjectPath &path);
    void deviceRemoved(const QDBusObjectPath &path);
    void propertiesChanged(const QString &interface, const QVariantMap &changed,
                           const QStringList &invalidated, const QDBusMessage &message);
    void ownerChanged(const QString &service, const QString &oldOwner, const QString &newOwner);
    void announceChanges();

private:
    bool readEventDriven() const;
    void clear();
    void readDevice(const QString &path);
    void take(const QString &path, const QVariantMap &values);

    bool eventDriven = false;
    bool subscribed = false;
    QMap<QString, DeviceProperties> devices;
    QStringList order;
    QSet<QString> pending;
    QSet<QString> changedPaths;
};
