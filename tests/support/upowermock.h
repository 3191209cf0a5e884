#pragma once

#include "mockservice.h"

// The UPower daemon stand-in (old API: EnumerateDevices, Hibernate, Suspend,
// CanHibernate, CanSuspend and the device Changed signal) with helpers to
// add, change and remove devices.
class UPowerMock : public MockService
{
    Q_OBJECT

public:
    static QString devicePath(const QString &name);

    // Typed properties of a typical device; callers override what they test.
    static QVariantMap battery(const QString &model, double energy, double energyFullDesign,
                               uint state, uint type = 2);
    static QVariantMap linePower(bool online);

    explicit UPowerMock(const QVariantMap &parameters = {}, QObject *parent = nullptr);

    // Adds and lists a device (no DeviceAdded); returns its object path.
    QString addDevice(const QString &name, const QVariantMap &properties);
    void emitDeviceAdded(const QString &path);
    void removeDevice(const QString &path);
    void changeDevice(const QString &path, const QVariantMap &properties);
    void setDeviceProperties(const QString &path, const QVariantMap &properties);
    void setEnumeration(const QStringList &paths);
    void setEnumerateFails(bool fails);
    void setSleepDelay(double seconds);
    void setCanSleep(bool canHibernate, bool canSuspend);
};
