#include "programparts.h"
#include "upowermock.h"
#include "wbattery.h"
#include "wmain.h"

#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QtTest>
#include <memory>

// The main window's battery registry: which devices get a tab and a tray
// icon, at start and as UPower adds and removes them.
class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void noBatteryShowsFirstPage_data();
    void noBatteryShowsFirstPage();
    void batteriesAndUpsAtStartGetTabs();
    void addedBatteryBecomesLastTab();
    void upsAddedLaterIsIgnored();
    void removingLastBatteryShowsFirstPage();
    void removeThenAddGivesFreshObject();
    void unknownRemovalChangesNothing();
    void repeatedPathsKeepOneTab();
    void failedEnumerationShowsFirstPage();

private:
    static int page(WMain &w)
    {
        return w.findChild<QStackedWidget *>(QStringLiteral("stack"))->currentIndex();
    }
    static int batteryTrayIcons(WMain &w)
    {
        int count = 0;
        for (WBattery *battery : w.findChildren<WBattery *>())
            count += battery->findChildren<QSystemTrayIcon *>().size();
        return count;
    }
    QString addBattery(const QString &name, uint state = 2, uint type = 2)
    {
        return upower->addDevice(name, UPowerMock::battery(name, 30.0, 50.0, state, type));
    }

    std::unique_ptr<UPowerMock> upower;
};

void TestRegistry::init()
{
    upower = std::make_unique<UPowerMock>();
    QVERIFY(upower->start());
}

void TestRegistry::cleanup()
{
    upower.reset();
}

void TestRegistry::noBatteryShowsFirstPage_data()
{
    QTest::addColumn<bool>("withOtherDevices");
    QTest::newRow("no device") << false;
    QTest::newRow("line power, mouse, monitor") << true;
}

void TestRegistry::noBatteryShowsFirstPage()
{
    QFETCH(bool, withOtherDevices);
    if (withOtherDevices) {
        upower->addDevice(QStringLiteral("line_power_AC"), UPowerMock::linePower(true));
        upower->addDevice(QStringLiteral("mouse"),
                          UPowerMock::battery(QStringLiteral("M"), 1, 2, 2, 5));
        upower->addDevice(QStringLiteral("monitor"),
                          UPowerMock::battery(QStringLiteral("D"), 1, 2, 2, 4));
    }
    WMain w;
    QCOMPARE(page(w), 0);
    QCOMPARE(tabTitles(w), QStringList{QStringLiteral("Settings")});
    QCOMPARE(batteryTrayIcons(w), 0);
}

void TestRegistry::batteriesAndUpsAtStartGetTabs()
{
    addBattery(QStringLiteral("BAT0"));
    upower->addDevice(QStringLiteral("line_power_AC"), UPowerMock::linePower(false));
    addBattery(QStringLiteral("UPS1"), 4, 3);
    WMain w;
    QCOMPARE(page(w), 1);
    QCOMPARE(tabTitles(w),
             (QStringList{QStringLiteral("Settings"), QStringLiteral("BAT0"),
                          QStringLiteral("UPS1")}));
    QCOMPARE(mainTabs(w)->currentIndex(), 0);
    QCOMPARE(batteryTrayIcons(w), 2);
}

void TestRegistry::addedBatteryBecomesLastTab()
{
    addBattery(QStringLiteral("BAT0"));
    WMain w;
    mainTabs(w)->setCurrentIndex(1);
    upower->emitDeviceAdded(addBattery(QStringLiteral("BAT1"), 1));
    QTRY_COMPARE(mainTabs(w)->count(), 3);
    QCOMPARE(mainTabs(w)->tabText(2), QStringLiteral("BAT1"));
    QCOMPARE(mainTabs(w)->currentIndex(), 1);
    QCOMPARE(batteryTrayIcons(w), 2);
}

void TestRegistry::upsAddedLaterIsIgnored()
{
    WMain w;
    upower->emitDeviceAdded(addBattery(QStringLiteral("UPS1"), 2, 3));
    upower->emitDeviceAdded(upower->addDevice(QStringLiteral("AC"), UPowerMock::linePower(true)));
    // A battery announced afterwards proves both announcements were handled.
    upower->emitDeviceAdded(addBattery(QStringLiteral("BAT9")));
    QTRY_COMPARE(mainTabs(w)->count(), 2);
    QCOMPARE(mainTabs(w)->tabText(1), QStringLiteral("BAT9"));
    QCOMPARE(page(w), 1);
}

void TestRegistry::removingLastBatteryShowsFirstPage()
{
    const QString path = addBattery(QStringLiteral("BAT0"));
    WMain w;
    QCOMPARE(batteryTrayIcons(w), 1);
    QPointer<WBattery> battery = w.findChild<WBattery *>();
    upower->removeDevice(path);
    QTRY_COMPARE(page(w), 0);
    QVERIFY(battery.isNull());
    QCOMPARE(batteryTrayIcons(w), 0);
    QCOMPARE(tabTitles(w), QStringList{QStringLiteral("Settings")});
}

void TestRegistry::removeThenAddGivesFreshObject()
{
    const QString first = addBattery(QStringLiteral("BAT0"));
    addBattery(QStringLiteral("BAT1"));
    WMain w;
    QPointer<WBattery> old = qobject_cast<WBattery *>(mainTabs(w)->widget(1));
    upower->removeDevice(first);
    QTRY_VERIFY(old.isNull());
    upower->emitDeviceAdded(addBattery(QStringLiteral("BAT0")));
    QTRY_COMPARE(tabTitles(w),
                 (QStringList{QStringLiteral("Settings"), QStringLiteral("BAT1"),
                              QStringLiteral("BAT0")}));
    QCOMPARE(batteryTrayIcons(w), 2);
}

void TestRegistry::unknownRemovalChangesNothing()
{
    addBattery(QStringLiteral("BAT0"));
    const QString ac = upower->addDevice(QStringLiteral("AC"), UPowerMock::linePower(true));
    WMain w;
    upower->removeDevice(ac);
    upower->removeDevice(UPowerMock::devicePath(QStringLiteral("never_seen")));
    // Removing and re-adding a real battery afterwards shows the signals
    // before it were delivered.
    const QString probe = addBattery(QStringLiteral("PROBE"));
    upower->emitDeviceAdded(probe);
    QTRY_COMPARE(mainTabs(w)->count(), 3);
    QCOMPARE(tabTitles(w).mid(0, 2),
             (QStringList{QStringLiteral("Settings"), QStringLiteral("BAT0")}));
    QCOMPARE(page(w), 1);
}

void TestRegistry::repeatedPathsKeepOneTab()
{
    const QString path = addBattery(QStringLiteral("BAT0"));
    upower->setEnumeration({path, path});
    WMain w;
    QCOMPARE(mainTabs(w)->count(), 2);
    QCOMPARE(batteryTrayIcons(w), 1);
    QPointer<WBattery> battery = qobject_cast<WBattery *>(mainTabs(w)->widget(1));

    upower->emitDeviceAdded(path);
    upower->emitDeviceAdded(addBattery(QStringLiteral("BAT1")));
    QTRY_COMPARE(mainTabs(w)->count(), 3);
    QCOMPARE(batteryTrayIcons(w), 2);
    QCOMPARE(mainTabs(w)->widget(1), battery.data());

    // The registry still knows the first object: removing it takes its tab.
    upower->removeDevice(path);
    QTRY_COMPARE(mainTabs(w)->count(), 2);
    QVERIFY(battery.isNull());
    QCOMPARE(batteryTrayIcons(w), 1);
}

void TestRegistry::failedEnumerationShowsFirstPage()
{
    addBattery(QStringLiteral("BAT0"));
    upower->setEnumerateFails(true);
    WMain w;
    QCOMPARE(page(w), 0);
    QCOMPARE(mainTabs(w)->count(), 1);
}

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
