#include "qudevmonitor.h"
#include "simulatedsysfs.h"

#include <QSignalSpy>
#include <QtTest>

// udev's events, as umockdev sends them over its simulated netlink socket.
class TestQUdevMonitor : public QObject
{
    Q_OBJECT

private slots:
    void eventsOfItsSubsystemArrive();
};

void TestQUdevMonitor::eventsOfItsSubsystemArrive()
{
    SimulatedSysfs sysfs;
    QVERIFY(sysfs.useHere());
    QVERIFY(sysfs.command("add backlight panel type raw max_brightness 100 brightness 50"));
    QVERIFY(sysfs.command("add leds input3::capslock max_brightness 1 brightness 0"));

    QUdevMonitor monitor(QStringLiteral("backlight"));
    QVERIFY(monitor.isListening());
    QSignalSpy events(&monitor, &QUdevMonitor::deviceEvent);

    // Another subsystem's change is filtered out; this one's arrives, in
    // order, with every action.
    QVERIFY(sysfs.command("uevent input3::capslock change"));
    QVERIFY(sysfs.command("set panel brightness 70"));
    QVERIFY(sysfs.command("uevent panel change"));
    QVERIFY(sysfs.command("add backlight second type firmware max_brightness 7 brightness 7"));
    QVERIFY(sysfs.command("remove second"));
    QTRY_COMPARE(events.count(), 3);
    const QList<QVariantList> expected{{"/sys/devices/panel", "change"},
                                       {"/sys/devices/second", "add"},
                                       {"/sys/devices/second", "remove"}};
    QCOMPARE(QList<QVariantList>(events), expected);
}

WEX_UMOCKDEV_TEST_MAIN(TestQUdevMonitor)
#include "tst_qudevmonitor.moc"
