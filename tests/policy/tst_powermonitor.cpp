#include "chargerule.h"
#include "powermonitor.h"
#include "settingskeys.h"

#include <QSettings>
#include <QtTest>

// The monitor's decisions from tables: no daemon, no window.
class TestPowerMonitor : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void decides_data();
    void decides();
    void warnsOncePerRunDown();

private:
    static DeviceProperties device(const QString &name, uint type, uint state, double energy,
                                   const QVariantMap &more = {})
    {
        QVariantMap values{{"Type", type},
                           {"State", state},
                           {"Energy", energy},
                           {"EnergyFullDesign", 50.0},
                           {"Model", name}};
        values.insert(more);
        return DeviceProperties("/org/freedesktop/UPower/devices/" + name, values);
    }
    // announced: the daemon keeps its line-power devices current, and tells
    // OnBattery (invalid: it does not), as today's does.
    static PowerMonitor::Run run(const QList<DeviceProperties> &devices, bool announced = false,
                                 const QVariant &onBattery = QVariant())
    {
        PowerMonitor::Run run;
        run.devices = devices;
        for (const DeviceProperties &device : devices) {
            if (announced && device.type() == 1)
                run.linePowers.append(device);
        }
        if (onBattery.isValid())
            run.daemonOnBattery = onBattery.toBool();
        run.clocks = {1000000, 1000000};
        run.timeOfDay = QTime(12, 0);
        run.plannedGapMs = PowerMonitor::interval;
        return run;
    }
    // As the controller decides: what the monitor needs is asked for, and
    // it decides again.
    static PowerMonitor::Decision decide(PowerMonitor &monitor, PowerMonitor::Run run,
                                         const QSettings &settings, qlonglong secondsLeft = 0)
    {
        PowerMonitor::Decision decision = monitor.decide(run, settings);
        if (decision.needs.isEmpty())
            return decision;
        for (const QString &path : decision.needs.secondsToEmpty)
            run.secondsToEmpty.insert(path, secondsLeft);
        if (decision.needs.offeredActions)
            run.offeredActions = QMap<QString, QString>{{"shutdown", "Shutdown"}};
        decision = monitor.decide(run, settings);
        if (!decision.needs.isEmpty())
            qFatal("the monitor needs more than it said");
        return decision;
    }
};

using Devices = QList<DeviceProperties>;
Q_DECLARE_METATYPE(Devices)

void TestPowerMonitor::decides_data()
{
    QTest::addColumn<Devices>("devices");
    QTest::addColumn<bool>("announced");
    QTest::addColumn<QVariant>("daemonOnBattery");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<bool>("onBattery");
    QTest::addColumn<bool>("sleeps");

    const QVariantMap mouse{{"PowerSupply", false}};
    QTest::newRow("at the level") << Devices{device("A", 2, 2, 5)} << false << QVariant()
                                  << QStringList{"shutdown"} << true << false;
    QTest::newRow("above it") << Devices{device("A", 2, 2, 30)} << false << QVariant()
                              << QStringList() << true << true;
    QTest::newRow("charging below it") << Devices{device("A", 2, 1, 2)} << false << QVariant()
                                       << QStringList() << false << true;
    QTest::newRow("unknown charge") << Devices{device("A", 2, 2, -1)} << false << QVariant()
                                    << QStringList() << true << true;
    QTest::newRow("a mouse's battery") << Devices{device("M", 2, 2, 1, mouse)} << false
                                       << QVariant() << QStringList() << false << true;
    QTest::newRow("a UPS") << Devices{device("U", 3, 2, 1)} << false << QVariant()
                           << QStringList{"shutdown"} << true << false;
    QTest::newRow("line power and a keyboard")
            << Devices{device("AC", 1, 0, 0), device("K", 6, 2, 1)} << false << QVariant()
            << QStringList() << false << true;
    QTest::newRow("two at their level")
            << Devices{device("A", 2, 2, 5), device("B", 2, 2, 1)} << false << QVariant()
            << QStringList{"shutdown", "shutdown"} << true << false;

    // Line power as today's daemon tells it: a battery held at its charge
    // limit may say it discharges; at its critical level or not, the
    // machine is not on battery.
    const auto online = [](bool on) {
        return QVariantMap{{"Online", on}};
    };
    const DeviceProperties ac = device("AC", 1, 0, 0, online(true));
    QTest::newRow("discharging, line power online")
            << Devices{ac, device("A", 2, 2, 5)} << true << QVariant(true) << QStringList() << false
            << true;
    QTest::newRow("discharging, OnBattery false")
            << Devices{device("A", 2, 2, 5)} << true << QVariant(false) << QStringList() << false
            << true;
    QTest::newRow("at its limit, pending-charge")
            << Devices{ac, device("A", 2, 5, 40)} << true << QVariant(false) << QStringList()
            << false << true;
    QTest::newRow("line power offline, OnBattery true")
            << Devices{device("AC", 1, 0, 0, online(false)), device("A", 2, 2, 5)} << true
            << QVariant(true) << QStringList{"shutdown"} << true << false;
    QTest::newRow("older daemon: line power not read")
            << Devices{ac, device("A", 2, 2, 5)} << false << QVariant() << QStringList{"shutdown"}
            << true << false;
    QTest::newRow("Online not a boolean")
            << Devices{device("AC", 1, 0, 0, {{"Online", 1u}}), device("A", 2, 2, 5)} << true
            << QVariant() << QStringList{"shutdown"} << true << false;
    // A UPS that discharges feeds the line power itself.
    QTest::newRow("a UPS, line power online")
            << Devices{ac, device("U", 3, 2, 1)} << true << QVariant(false)
            << QStringList{"shutdown"} << true << false;
}

void TestPowerMonitor::decides()
{
    QFETCH(Devices, devices);
    QFETCH(bool, announced);
    QFETCH(QVariant, daemonOnBattery);
    QFETCH(QStringList, requests);
    QFETCH(bool, onBattery);
    QFETCH(bool, sleeps);

    PowerMonitor monitor;
    const PowerMonitor::Run values = run(devices, announced, daemonOnBattery);
    const auto decision = decide(monitor, values, QSettings());
    QCOMPARE(decision.requests, requests);
    QCOMPARE(decision.onBattery, onBattery);
    QCOMPARE(PowerMonitor::runsOnBattery(values), onBattery);
    QCOMPARE(decision.sleepMs.has_value(), sleeps);
    // A run that changed nothing sees no change in the same values; line
    // power that comes or goes is one.
    for (DeviceProperties d : devices) {
        QVERIFY(!monitor.seesChange(d.path(), &d));
        if (d.value("Online").userType() == QMetaType::Bool) {
            d.update({{"Online", !d.value("Online").toBool()}});
            QVERIFY(monitor.seesChange(d.path(), &d));
        }
    }
}

void TestPowerMonitor::warnsOncePerRunDown()
{
    QSettings settings;
    const QString path = device("A", 2, 2, 0).path();
    settings.setValue(SettingsKeys::criticalChargeLevel(path), 25);
    settings.setValue(SettingsKeys::criticalAction(path), "hibernate");
    PowerMonitor monitor;
    QStringList shown;
    for (const auto &[state, energy] : {std::pair{2u, 14.0}, {2u, 13.5}, {1u, 14.0}, {2u, 14.0}})
        shown << decide(monitor, run({device("A", 2, state, energy)}), settings).warnings;
    const QString warning = QString::fromUtf8("A is at 28\u00a0%. Hibernate at 25\u00a0%.");
    QCOMPARE(shown, (QStringList{warning, warning}));

    // The time left is asked for only when a warning is to be shown; until
    // it is in hand, the monitor decides nothing and keeps its state.
    PowerMonitor asking;
    const PowerMonitor::Run first = run({device("A", 2, 2, 14.0)});
    const auto needing = asking.decide(first, settings);
    QCOMPARE(needing.needs.secondsToEmpty, QStringList{path});
    QVERIFY(needing.warnings.isEmpty());
    QCOMPARE(decide(asking, first, settings, 4700).warnings,
             QStringList{QString::fromUtf8(
                     "A is at 28\u00a0%, about 78\u00a0min left. Hibernate at 25\u00a0%.")});
    // The values the last run decided on; another charge decides anew.
    const DeviceProperties lower = device("A", 2, 2, 13);
    QVERIFY(monitor.seesChange(path, &lower));
    QVERIFY(monitor.seesChange(path, nullptr));
}

QTEST_GUILESS_MAIN(TestPowerMonitor)
#include "tst_powermonitor.moc"
