#include "batterycontrolwidget.h"
#include "desktopmocks.h"
#include "mockservice.h"
#include "poweractions.h"
#include "powercontroller.h"
#include "programparts.h"
#include "settingskeys.h"
#include "systembuscalls.h"
#include "systempower.h"
#include "testicontheme.h"
#include "wbattery.h"
#include "wmain.h"

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTabWidget>
#include <QTextDocument>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

// Debian's upowerd (0.99: PropertiesChanged only, no sleep requests) run by
// simulated_upowerd.py against umockdev batteries, with dbusmock's logind
// and no ConsoleKit: the stack of current distributions.
class SimulatedUPower
{
public:
    SimulatedUPower()
    {
        helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        helper.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(WEX_SIMULATED_UPOWERD)});
    }
    ~SimulatedUPower()
    {
        // End of input stops the daemon; the harness catches what is left.
        helper.closeWriteChannel();
        if (!helper.waitForFinished(10000))
            helper.kill();
    }

    // Sends one command and waits for its answer; false with a warning
    // unless the helper says "ok".
    bool command(const QString &line, int timeoutMs = 30000)
    {
        helper.write(line.toUtf8() + '\n');
        QDeadlineTimer deadline(timeoutMs);
        while (!helper.canReadLine()) {
            if (deadline.hasExpired() || helper.state() == QProcess::NotRunning) {
                qWarning("no answer to \"%s\"", qPrintable(line));
                return false;
            }
            helper.waitForReadyRead(100);
        }
        const QByteArray reply = helper.readLine().trimmed();
        if (reply != "ok")
            qWarning("%s", reply.constData());
        return reply == "ok";
    }

private:
    QProcess helper;
};

class TestUPowerd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsSimulatedBattery();
    void changeRefreshesPageAndGauge();
    void criticalChargePowersOffThroughLogind();
    void storedSuspendGoesToLogind();
    void batteriesComeAndGo();
    void announcementsReachTheMonitor();
    void restartIsFollowed();
    void deviceBatteryNeverDecidesForTheMachine_data();
    void deviceBatteryNeverDecidesForTheMachine();
    void deviceBatteriesAreShownAndWarnedOf();
    void noChargeLimitAndNoMoreCalls();

private:
    static QString batteryPath(const QString &name)
    {
        return QStringLiteral("/org/freedesktop/UPower/devices/battery_") + name;
    }
    static WBattery *page(WMain &w, int index)
    {
        return qobject_cast<WBattery *>(mainTabs(w)->widget(index));
    }
    static QImage trayGauge(const WBattery &battery)
    {
        return batteryTray(battery)->icon().pixmap(16, 16).toImage();
    }
    static QImage gauge(int percent)
    {
        return WBattery::chargeGauge(percent).pixmap(16, 16).toImage();
    }
    // Starts the daemon with BAT0 at the given energy (of 60 Wh) and status.
    bool startWithBattery(int energyMicroWattHours, const QString &status)
    {
        return upower->command(QStringLiteral("add BAT0 energy_now %1 status %2")
                                       .arg(energyMicroWattHours)
                                       .arg(status))
                && upower->command(QStringLiteral("start"));
    }
    int logindCalls(const QString &method) const { return logind->callCount(method); }
    int actionRequests() const
    {
        return logindCalls(QStringLiteral("PowerOff")) + logindCalls(QStringLiteral("Suspend"))
                + logindCalls(QStringLiteral("Hibernate"));
    }

    std::unique_ptr<MockService> logind;
    std::unique_ptr<SimulatedUPower> upower;
    DesktopMocks desktop;
};

void TestUPowerd::initTestCase()
{
    QVERIFY(TestIconTheme::install());
    QVERIFY(desktop.start());
    logind = std::make_unique<MockService>(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("logind"),
            QVariantMap{{QStringLiteral("CanSuspend"), QStringLiteral("yes")},
                        {QStringLiteral("CanHibernate"), QStringLiteral("no")}});
    QVERIFY(logind->start());
}

void TestUPowerd::init()
{
    QSettings().clear();
    logind->clearCalls();
    upower = std::make_unique<SimulatedUPower>();
}

void TestUPowerd::cleanup()
{
    if (QTest::currentTestFailed())
        upower->command(QStringLiteral("log"));
    upower.reset();
}

void TestUPowerd::listsSimulatedBattery()
{
    // A worn battery that counts its cycles.
    QVERIFY(upower->command(QStringLiteral("add BAT0 energy_now 48000000 status Discharging "
                                           "energy_full 50000000 cycle_count 312")));
    QVERIFY(upower->command(QStringLiteral("start")));
    WMain w;
    QCOMPARE(tabTitles(w), (QStringList{"Settings", "Test Cell"}));
    WBattery *battery = page(w, 1);
    QVERIFY(battery);

    // The daemon's reading of the sysfs attributes, not the attributes.
    QTextDocument tooltip;
    tooltip.setHtml(batteryTray(*battery)->toolTip());
    QCOMPARE(tooltip.toPlainText().split(QLatin1Char('\n')),
             (QStringList{"Model: Test Cell", "Serial number: SN42", "Vendor: ACME",
                          "Technology: Lithium ion", "Type: Battery", "Sysfs path: BAT0",
                          "Capacity: 83 % (50.0 of 60.0 Wh)", "Charge cycles: 312",
                          "Energy rate: 10.0 W"}));
    QCOMPARE(chargeLabel(*battery)->text(), QStringLiteral("80%"));
    QCOMPARE(trayGauge(*battery), gauge(80));
    QCOMPARE(stateIconName(*battery), QStringLiteral("connect_no"));
    // 48 Wh left at 10 W.
    QCOMPARE(battery->remaining(), qlonglong(48 * 3600 / 10));
}

void TestUPowerd::changeRefreshesPageAndGauge()
{
    QVERIFY(startWithBattery(48000000, QStringLiteral("Discharging")));
    WMain w;
    WBattery *battery = page(w, 1);
    QVERIFY(battery);
    QCOMPARE(chargeLabel(*battery)->text(), QStringLiteral("80%"));

    QVERIFY(upower->command(QStringLiteral("set BAT0 energy_now 30000000")));
    QVERIFY(upower->command(QStringLiteral("set BAT0 status Charging")));
    QVERIFY(upower->command(QStringLiteral("uevent BAT0 change")));
    QTRY_COMPARE_WITH_TIMEOUT(chargeLabel(*battery)->text(), QStringLiteral("50%"), 2000);
    QCOMPARE(trayGauge(*battery), gauge(50));
    QCOMPARE(stateIconName(*battery), QStringLiteral("connect_established"));
}

void TestUPowerd::criticalChargePowersOffThroughLogind()
{
    // 9 %: under the default level of 10 %, far above upowerd's own action.
    QVERIFY(startWithBattery(5400000, QStringLiteral("Discharging")));
    WMain w;
    for (int run = 1; run <= 2; ++run) {
        w.controller()->tick();
        QVERIFY(logind->waitForCalls(QStringLiteral("PowerOff"), run));
        QTest::qWait(300);
        QCOMPARE(logindCalls(QStringLiteral("PowerOff")), run);
    }
    QCOMPARE(logind->methodCalls(QStringLiteral("PowerOff")),
             (QList<QVariantList>{{false}, {false}}));
    QCOMPARE(logindCalls(QStringLiteral("Suspend")) + logindCalls(QStringLiteral("Hibernate")), 0);
}

void TestUPowerd::storedSuspendGoesToLogind()
{
    QVERIFY(startWithBattery(5400000, QStringLiteral("Discharging")));
    // Offered on logind's word alone: this UPower has no CanSuspend.
    QCOMPARE(powerActions(readSleepSupport()).keys(), (QStringList{"*", "shutdown", "suspend"}));
    QSettings settings;
    settings.setValue(SettingsKeys::criticalAction(batteryPath(QStringLiteral("BAT0"))),
                      QStringLiteral("suspend"));
    settings.sync();

    WMain w;
    w.controller()->tick();
    QVERIFY(logind->waitForCalls(QStringLiteral("Suspend"), 1));
    QTest::qWait(300);
    QCOMPARE(logind->methodCalls(QStringLiteral("Suspend")), QList<QVariantList>{{false}});
    QCOMPARE(logindCalls(QStringLiteral("PowerOff")) + logindCalls(QStringLiteral("Hibernate")), 0);
}

void TestUPowerd::batteriesComeAndGo()
{
    // A worn battery that counts its cycles.
    QVERIFY(upower->command(QStringLiteral("add BAT0 energy_now 48000000 status Discharging "
                                           "energy_full 50000000 cycle_count 312")));
    QVERIFY(upower->command(QStringLiteral("start")));
    WMain w;
    QCOMPARE(tabTitles(w), (QStringList{"Settings", "Test Cell"}));

    QVERIFY(upower->command(QStringLiteral(
            "add BAT1 model_name 'Spare Cell' serial_number SN43 energy_now 6000000")));
    QTRY_COMPARE_WITH_TIMEOUT(tabTitles(w), (QStringList{"Settings", "Test Cell", "Spare Cell"}),
                              10000);
    QCOMPARE(chargeLabel(*page(w, 2))->text(), QStringLiteral("10%"));

    QVERIFY(upower->command(QStringLiteral("remove BAT1")));
    QTRY_COMPARE_WITH_TIMEOUT(tabTitles(w), (QStringList{"Settings", "Test Cell"}), 10000);
    QCOMPARE(w.findChildren<WBattery *>().size(), 1);
}

// What upowerd announces is all the monitor knows on this stack, and it
// must be enough: a power cut and a run-down battery are acted on at the
// first tick after the announcement.
void TestUPowerd::announcementsReachTheMonitor()
{
    QVERIFY(upower->command(QStringLiteral("set AC online 1")));
    QVERIFY(startWithBattery(48000000, QStringLiteral("Charging")));
    WMain w;
    WBattery *battery = page(w, 1);
    QVERIFY(battery);
    desktop.clearNotifications();
    w.controller()->tick();

    // The plug is pulled, and the battery has run down to 9 %.
    QVERIFY(upower->command(QStringLiteral("set AC online 0")));
    QVERIFY(upower->command(QStringLiteral("uevent AC change")));
    QVERIFY(upower->command(QStringLiteral("set BAT0 energy_now 5400000")));
    QVERIFY(upower->command(QStringLiteral("set BAT0 status Discharging")));
    QVERIFY(upower->command(QStringLiteral("uevent BAT0 change")));
    QTRY_COMPARE_WITH_TIMEOUT(chargeLabel(*battery)->text(), QStringLiteral("9%"), 10000);
    QCOMPARE(trayGauge(*battery), gauge(9));
    QCOMPARE(logindCalls(QStringLiteral("PowerOff")), 0);

    w.controller()->tick();
    QVERIFY(logind->waitForCalls(QStringLiteral("PowerOff"), 1));
    QTRY_VERIFY(!desktop.notifications().isEmpty());
    QCOMPARE(desktop.notifications().constFirst().body, QStringLiteral("Power is down"));
}

// A restarted daemon (a package upgrade) with one more battery: the known
// battery keeps its page, the new one gets a page, nothing else changes.
void TestUPowerd::restartIsFollowed()
{
    QVERIFY(startWithBattery(48000000, QStringLiteral("Charging")));
    WMain w;
    WBattery *kept = page(w, 1);
    QVERIFY(kept);

    QVERIFY(upower->command(QStringLiteral("halt")));
    QVERIFY(upower->command(QStringLiteral(
            "add BAT1 model_name 'Spare Cell' serial_number SN43 energy_now 6000000")));
    QVERIFY(upower->command(QStringLiteral("start")));
    QTRY_VERIFY_WITH_TIMEOUT((w.controller()->tick(),
                              tabTitles(w) == QStringList{"Settings", "Test Cell", "Spare Cell"}),
                             10000);
    QCOMPARE(page(w, 1), kept);

    // And the view is current again: a change reaches the kept page.
    QVERIFY(upower->command(QStringLiteral("set BAT0 energy_now 30000000")));
    QVERIFY(upower->command(QStringLiteral("uevent BAT0 change")));
    QTRY_COMPARE_WITH_TIMEOUT(chargeLabel(*kept)->text(), QStringLiteral("50%"), 10000);
}

void TestUPowerd::deviceBatteryNeverDecidesForTheMachine_data()
{
    QTest::addColumn<int>("laptopEnergy"); // of 60 Wh
    QTest::addColumn<QString>("laptopStatus");
    QTest::addColumn<bool>("online");
    QTest::addColumn<int>("powerOffs"); // in two runs

    QTest::newRow("laptop at 60 %") << 36000000 << "Discharging" << false << 0;
    QTest::newRow("laptop at 10 %") << 6000000 << "Discharging" << false << 2;
    QTest::newRow("line power") << 36000000 << "Charging" << true << 0;
}

// A wireless mouse's battery, as the kernel shows it (scope Device) and
// upowerd lists it: a battery (Type 2) that does not supply the machine.
// Such batteries always discharge.
void TestUPowerd::deviceBatteryNeverDecidesForTheMachine()
{
    QFETCH(int, laptopEnergy);
    QFETCH(QString, laptopStatus);
    QFETCH(bool, online);
    QFETCH(int, powerOffs);

    QVERIFY(upower->command(QStringLiteral("set AC online %1").arg(online ? 1 : 0)));
    QVERIFY(upower->command(
            QStringLiteral("add hidpp_battery_0 scope Device capacity 5 status Discharging "
                           "energy_now 3000000 model_name 'Wireless Mouse M185'")));
    QVERIFY(startWithBattery(laptopEnergy, laptopStatus));
    desktop.clearNotifications();
    WMain w;
    // The mouse is shown on the page of the devices' batteries only.
    QCOMPARE(tabTitles(w), (QStringList{"Settings", "Test Cell", "Devices"}));
    QStringList rows;
    for (const QLabel *label :
         w.findChildren<BatteryControlWidget *>().constFirst()->findChildren<QLabel *>())
        rows << label->text();
    QCOMPARE(w.findChildren<BatteryControlWidget *>().size(), 1);
    QVERIFY(rows.contains(QStringLiteral("Charge of Test Cell (SN42) drops bellow")));

    for (int run = 1; run <= 2; ++run) {
        w.controller()->tick();
        if (run <= powerOffs)
            QVERIFY(logind->waitForCalls(QStringLiteral("PowerOff"), run));
    }
    QTest::qWait(300);
    QCOMPARE(logindCalls(QStringLiteral("PowerOff")), powerOffs);
    QCOMPARE(actionRequests(), powerOffs);
    if (online) {
        QCOMPARE(windowTray(w)->icon().name(), QStringLiteral("power"));
        QTest::qWait(200);
        for (const auto &notification : desktop.notifications())
            QVERIFY2(notification.body != QStringLiteral("Power is down"),
                     qPrintable(notification.body));
    }
}

// A wireless mouse's battery as the kernel shows it: shown with its charge,
// warned of once each time it runs low, unless its box is cleared; it comes
// and goes with the device.
void TestUPowerd::deviceBatteriesAreShownAndWarnedOf()
{
    const auto mouseAt = [this](int percent, const QString &status) {
        return upower->command(QStringLiteral("set hidpp_battery_0 capacity %1").arg(percent))
                && upower->command(
                        QStringLiteral("set hidpp_battery_0 energy_now %1").arg(percent * 600000))
                && upower->command(QStringLiteral("set hidpp_battery_0 status ") + status)
                && upower->command(QStringLiteral("uevent hidpp_battery_0 change"));
    };
    const QString addMouse =
            QStringLiteral("add hidpp_battery_0 scope Device capacity 50 energy_now 30000000 "
                           "model_name 'Wireless Mouse M185' serial_number M1");
    QVERIFY(upower->command(addMouse));
    QVERIFY(startWithBattery(36000000, QStringLiteral("Charging")));
    desktop.clearNotifications();
    WMain w;
    const auto rows = [&w] {
        QStringList shown;
        if (auto *list = w.findChild<QTreeWidget *>(QStringLiteral("devices"))) {
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                shown << list->topLevelItem(i)->text(1) + QLatin1Char('=')
                                + list->topLevelItem(i)->text(2);
        }
        return shown;
    };
    const auto warnings = [this] {
        int count = 0;
        for (const auto &notification : desktop.notifications())
            count += notification.body.endsWith(
                    QStringLiteral("Charge it or change its battery soon."));
        return count;
    };
    const auto runs = [&w](int count) {
        for (int run = 0; run < count; ++run) {
            w.controller()->tick();
            QTest::qWait(100);
        }
    };
    QCOMPARE(rows(), QStringList{QString::fromUtf8("Wireless Mouse M185=50 %")});
    QVERIFY(windowTray(w)->toolTip().endsWith(QString::fromUtf8("Wireless Mouse M185: 50 %")));
    auto *warn = w.findChild<QCheckBox *>(QStringLiteral("warnWhenLow"));
    QVERIFY(warn && warn->isChecked());

    // Low, then lower: one warning. Charging ends the episode.
    QVERIFY(mouseAt(8, QStringLiteral("Discharging")));
    QTRY_COMPARE((runs(1), warnings()), 1);
    QCOMPARE(desktop.notifications().constLast().body,
             QString::fromUtf8("Wireless Mouse M185 is at 8 %. Charge it or change its "
                               "battery soon."));
    QVERIFY(mouseAt(5, QStringLiteral("Discharging")));
    QTRY_COMPARE(rows(), QStringList{QString::fromUtf8("Wireless Mouse M185=5 %")});
    runs(2);
    QCOMPARE(warnings(), 1);
    QVERIFY(mouseAt(5, QStringLiteral("Charging")));
    QTRY_VERIFY((runs(1), windowTray(w)->toolTip().endsWith(QString::fromUtf8(": 5 %"))));
    runs(1);
    QVERIFY(mouseAt(5, QStringLiteral("Discharging")));
    QTRY_COMPARE((runs(1), warnings()), 2);

    // Its box cleared: no warning in the next episode.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    mainTabs(w)->setCurrentIndex(0);
    QTRY_VERIFY(warn->isVisible());
    QTest::mouseClick(warn, Qt::LeftButton, {}, warn->rect().center());
    QVERIFY(!warn->isChecked());
    QVERIFY(mouseAt(5, QStringLiteral("Charging")));
    QTest::qWait(500);
    runs(1);
    QVERIFY(mouseAt(4, QStringLiteral("Discharging")));
    QTRY_COMPARE(rows(), QStringList{QString::fromUtf8("Wireless Mouse M185=4 %")});
    runs(3);
    QCOMPARE(warnings(), 2);

    // The mouse goes, and comes back.
    QVERIFY(upower->command(QStringLiteral("remove hidpp_battery_0")));
    QTRY_COMPARE(tabTitles(w), (QStringList{"Settings", "Test Cell"}));
    QVERIFY(!w.findChild<QCheckBox *>(QStringLiteral("warnWhenLow")));
    QCOMPARE(windowTray(w)->toolTip(), QStringLiteral("Power management"));
    QVERIFY(upower->command(addMouse));
    QTRY_COMPARE(tabTitles(w), (QStringList{"Settings", "Test Cell", "Devices"}));
    QCOMPARE(actionRequests(), 0);
}

// This daemon has no charge limit: the battery's page shows none, and the
// program asks it what it always has, at start, on a tick and with the page
// shown, and nothing more.
void TestUPowerd::noChargeLimitAndNoMoreCalls()
{
    QVERIFY(upower->command(QStringLiteral("set AC online 1")));
    QVERIFY(startWithBattery(48000000, QStringLiteral("Discharging")));
    SystemBusCalls calls;
    QVERIFY(calls.start());
    {
        WMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        mainTabs(w)->setCurrentIndex(1);
        w.controller()->tick();
        QTest::qWait(1000);
        QVERIFY(page(w, 1)->isVisible());
        QVERIFY(!page(w, 1)->findChild<QCheckBox *>());
        // A battery that says it discharges while the adapter is online, as
        // one held at its charge limit may: upowerd says the machine is on
        // line power, and so does the window's tray icon.
        QCOMPARE(windowTray(w)->icon().name(), QStringLiteral("power"));
    }
    QStringList toUPower;
    // The keyboard's light is another part's.
    const QRegularExpression call(
            QStringLiteral("destination=org.freedesktop.UPower serial=\\d+ "
                           "path=(/org/freedesktop/UPower(?:/devices/\\S+)?); interface=(\\S+); "
                           "member=(\\S+)(.*)"));
    for (const QString &line : calls.stop()) {
        const auto match = call.match(line);
        if (match.hasMatch())
            toUPower << match.captured(3) + QLatin1Char(' ') + match.captured(1)
                            + match.captured(4);
    }
    toUPower.sort();
    const QString manager =
            QStringLiteral(" /org/freedesktop/UPower | string \"org.freedesktop.UPower\"");
    const QString devices = QStringLiteral(" /org/freedesktop/UPower/devices/");
    const QString device = QStringLiteral(" | string \"org.freedesktop.UPower.Device\"");
    QCOMPARE(toUPower,
             (QStringList{"EnumerateDevices /org/freedesktop/UPower",
                          "Get" + manager + " | string \"CanHibernate\"",
                          "Get" + manager + " | string \"CanSuspend\"",
                          "Get" + manager + " | string \"DaemonVersion\"", "GetAll" + manager,
                          "GetAll" + devices + "battery_BAT0" + device,
                          "GetAll" + devices + "line_power_AC" + device,
                          "GetHistory" + devices + "battery_BAT0 | string \"charge\""}));
}

QTEST_MAIN(TestUPowerd)
#include "tst_upowerd.moc"
