#include "upowermock.h"

#include <QDBusObjectPath>

QString UPowerMock::devicePath(const QString &name)
{
    return QStringLiteral("/org/freedesktop/UPower/devices/") + name;
}

QVariantMap UPowerMock::battery(const QString &model, double energy, double energyFullDesign,
                                uint state, uint type)
{
    return {
            {QStringLiteral("Type"), type},
            {QStringLiteral("State"), state},
            {QStringLiteral("Model"), model},
            {QStringLiteral("Serial"), QStringLiteral("SN-") + model},
            {QStringLiteral("Vendor"), QStringLiteral("ACME")},
            {QStringLiteral("NativePath"), QStringLiteral("/sys/devices/test/") + model},
            {QStringLiteral("Technology"), 1u},
            {QStringLiteral("Energy"), energy},
            {QStringLiteral("EnergyFull"), energyFullDesign},
            {QStringLiteral("EnergyFullDesign"), energyFullDesign},
            {QStringLiteral("Percentage"),
             energyFullDesign > 0 ? energy * 100.0 / energyFullDesign : 0.0},
            {QStringLiteral("TimeToEmpty"), qlonglong(3600)},
            {QStringLiteral("TimeToFull"), qlonglong(1800)},
            {QStringLiteral("IsPresent"), true},
    };
}

OrgFreedesktopUPowerInterface UPowerMock::managerProxy()
{
    return OrgFreedesktopUPowerInterface(QStringLiteral("org.freedesktop.UPower"),
                                         QStringLiteral("/org/freedesktop/UPower"),
                                         QDBusConnection::systemBus());
}

QVariantMap UPowerMock::linePower(bool online)
{
    return {
            {QStringLiteral("Type"), 1u},
            {QStringLiteral("Online"), online},
            {QStringLiteral("NativePath"), QStringLiteral("AC")},
    };
}

UPowerMock::UPowerMock(const QVariantMap &parameters, QObject *parent)
    : MockService(QStringLiteral("org.freedesktop.UPower"),
                  QStringLiteral("/org/freedesktop/UPower"), QStringLiteral("upower_old.py"),
                  parameters, SystemBus, parent)
{
}

QString UPowerMock::addDevice(const QString &name, const QVariantMap &properties)
{
    const QString path = devicePath(name);
    mock(QStringLiteral("AddDevice"), {path, properties});
    return path;
}

void UPowerMock::emitDeviceAdded(const QString &path)
{
    mock(QStringLiteral("EmitDeviceAdded"), {path});
}

void UPowerMock::removeDevice(const QString &path)
{
    mock(QStringLiteral("RemoveDevice"), {path});
}

void UPowerMock::changeDevice(const QString &path, const QVariantMap &properties)
{
    mock(QStringLiteral("ChangeDevice"), {path, properties});
}

void UPowerMock::setDeviceProperties(const QString &path, const QVariantMap &properties)
{
    mock(QStringLiteral("SetDeviceProperties"), {path, properties});
}

void UPowerMock::setEnumeration(const QStringList &paths)
{
    mock(QStringLiteral("SetEnumeration"), {paths});
}

void UPowerMock::setEnumerateFails(bool fails)
{
    mock(QStringLiteral("SetEnumerateFails"), {fails});
}

void UPowerMock::setSleepDelay(double seconds)
{
    mock(QStringLiteral("SetSleepDelay"), {seconds});
}

void UPowerMock::setCanSleep(bool canHibernate, bool canSuspend)
{
    mock(QStringLiteral("UpdateProperties"),
         {QStringLiteral("org.freedesktop.UPower"),
          QVariantMap{{QStringLiteral("CanHibernate"), canHibernate},
                      {QStringLiteral("CanSuspend"), canSuspend}}});
}
