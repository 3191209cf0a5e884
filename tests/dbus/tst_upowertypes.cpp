#include "upowerdeviceinterface.h"
#include "upowerinterface.h"
#include "upowermock.h"
#include "upowertypes.h"

#include <QDBusReply>
#include <QMetaMethod>
#include <QtTest>

// The generated UPower proxies: their members in the declared order, the
// registered types, and how reads fail.
class TestProxies : public QObject
{
    Q_OBJECT

private slots:
    void membersInDeclaredOrder();
    void objectPathListConverts();
    void readsGoToTheDaemonAndFailToZero();

private:
    static QStringList methods(const QMetaObject &meta, QMetaMethod::MethodType type)
    {
        QStringList names;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == type)
                names << QString::fromLatin1(meta.method(i).methodSignature());
        }
        return names;
    }
    static QStringList properties(const QMetaObject &meta)
    {
        QStringList names;
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
            names << QString::fromLatin1(meta.property(i).typeName()) + QLatin1Char(' ')
                            + QString::fromLatin1(meta.property(i).name());
        return names;
    }
};

void TestProxies::membersInDeclaredOrder()
{
    const QMetaObject &manager = OrgFreedesktopUPowerInterface::staticMetaObject;
    QCOMPARE(manager.className(), "OrgFreedesktopUPowerInterface");
    QCOMPARE(methods(manager, QMetaMethod::Signal),
             (QStringList{"Changed()", "DeviceAdded(QDBusObjectPath)",
                          "DeviceChanged(QDBusObjectPath)", "DeviceRemoved(QDBusObjectPath)",
                          "Resuming()", "Sleeping()"}));
    QCOMPARE(methods(manager, QMetaMethod::Slot),
             (QStringList{"AboutToSleep()", "EnumerateDevices()", "Hibernate()",
                          "HibernateAllowed()", "Suspend()", "SuspendAllowed()"}));
    QCOMPARE(properties(manager),
             (QStringList{"bool CanHibernate", "bool CanSuspend", "QString DaemonVersion",
                          "bool LidIsClosed", "bool LidIsPresent", "bool OnBattery",
                          "bool OnLowBattery"}));

    const QMetaObject &device = OrgFreedesktopUPowerDeviceInterface::staticMetaObject;
    QCOMPARE(device.className(), "OrgFreedesktopUPowerDeviceInterface");
    QCOMPARE(methods(device, QMetaMethod::Signal), QStringList{"Changed()"});
    QCOMPARE(methods(device, QMetaMethod::Slot),
             (QStringList{"GetHistory(QString,uint,uint)", "GetStatistics(QString)", "Refresh()"}));
    const QStringList deviceProperties = properties(device);
    QCOMPARE(deviceProperties.size(), 27);
    QCOMPARE(deviceProperties.first(), QStringLiteral("double Capacity"));
    QCOMPARE(deviceProperties.mid(19, 6),
             (QStringList{"uint State", "uint Technology", "qlonglong TimeToEmpty",
                          "qlonglong TimeToFull", "uint Type", "qulonglong UpdateTime"}));
    QCOMPARE(deviceProperties.last(), QStringLiteral("double Voltage"));
}

void TestProxies::objectPathListConverts()
{
    const int id = registerUPowerMetaTypes();
    QCOMPARE(id, registerUPowerMetaTypes());
    QCOMPARE(id, qMetaTypeId<QList<QDBusObjectPath>>());
    const QVariant reply = QVariant::fromValue(
            QList<QDBusObjectPath>{QDBusObjectPath("/a"), QDBusObjectPath("/b")});
    QVERIFY(reply.canConvert<QVariantList>());
    QStringList paths;
    for (const QVariant &item : reply.value<QSequentialIterable>())
        paths << item.value<QDBusObjectPath>().path();
    QCOMPARE(paths, (QStringList{"/a", "/b"}));
}

void TestProxies::readsGoToTheDaemonAndFailToZero()
{
    UPowerMock upower;
    QVERIFY(upower.start());
    const QString path = upower.addDevice("BAT0", UPowerMock::battery("B", 10.0, 50.0, 2));
    OrgFreedesktopUPowerDeviceInterface device("org.freedesktop.UPower", path,
                                               QDBusConnection::systemBus());
    QCOMPARE(device.state(), 2u);
    // Nothing is cached: the next read sees the daemon's new value.
    upower.setDeviceProperties(path, {{"State", 1u}});
    QCOMPARE(device.state(), 1u);

    // A value of another D-Bus type reads as the type's zero value.
    upower.setDeviceProperties(
            path,
            {{"State", QStringLiteral("2")}, {"Energy", true}, {"TimeToEmpty", 1.5}, {"Model", 7}});
    QCOMPARE(device.state(), 0u);
    QCOMPARE(device.energy(), 0.0);
    QCOMPARE(device.timeToEmpty(), qlonglong(0));
    QCOMPARE(device.model(), QString());

    // A device the daemon does not know, and a daemon that is gone.
    OrgFreedesktopUPowerDeviceInterface missing("org.freedesktop.UPower", "/no/such/device",
                                                QDBusConnection::systemBus());
    QCOMPARE(missing.type(), 0u);
    upower.stop();
    QCOMPARE(device.type(), 0u);
    OrgFreedesktopUPowerInterface manager("org.freedesktop.UPower", "/org/freedesktop/UPower",
                                          QDBusConnection::systemBus());
    QVERIFY(!manager.canHibernate());
    QDBusReply<QList<QDBusObjectPath>> devices = manager.EnumerateDevices();
    QVERIFY(!devices.isValid());
}

QTEST_MAIN(TestProxies)
#include "tst_proxies.moc"
