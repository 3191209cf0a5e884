#include "batterycontrolwidget.h"
#include "consolekitmock.h"
#include "powercontroller.h"
#include "programparts.h"
#include "settingskeys.h"
#include "testicontheme.h"
#include "upowermock.h"
#include "wbattery.h"
#include "wexintegration.h"
#include "wmain.h"

#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>
#include <cmath>
#include <limits>
#include <memory>

// What a power manager meets on real machines over months: a daemon that
// reports nonsense, a daemon that goes away and comes back, settings files
// that are damaged.
class TestRobustness : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void hostileDeviceValues();
    void powerSupplyOfAnotherType();
    void deviceBatteryNonsense();
    void daemonGoesAndComesBack();
    void shutdownWithoutConsoleKitReturnsPromptly();
    void damagedSettings_data();
    void damagedSettings();

private:
    static QString settingsFile()
    {
        return QProcessEnvironment::systemEnvironment().value("XDG_CONFIG_HOME")
                + "/wex/wex-power.conf";
    }
    QVariantMap battery(double energy, double design, uint state, const QVariantMap &more = {})
    {
        QVariantMap properties = UPowerMock::battery("B", energy, design, state);
        properties.insert("Percentage", 0.0);
        properties.insert(more);
        return properties;
    }

    std::unique_ptr<UPowerMock> upower;
    std::unique_ptr<ConsoleKitMock> consoleKit;
};

void TestRobustness::initTestCase()
{
    // The settings file the program itself uses.
    QCoreApplication::setApplicationName("wex-power");
    wexInit("1.2.1-1", "Power management\nApplication for power management");
    QVERIFY(TestIconTheme::install());
}

void TestRobustness::init()
{
    QFile::remove(settingsFile());
    QSettings().clear();
    upower = std::make_unique<UPowerMock>();
    consoleKit = std::make_unique<ConsoleKitMock>();
    QVERIFY(upower->start());
    QVERIFY(consoleKit->start());
}

void TestRobustness::cleanup()
{
    upower.reset();
    consoleKit.reset();
}

void TestRobustness::hostileDeviceValues()
{
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    const QString huge(1024 * 1024, QLatin1Char('W'));
    const QString markup = "<script>alert(1)</script><b>bold</b>";
    const QString control = QString::fromUtf8("A\x01\x07\x1b[31mred\x7f\xc2\x85Z");

    // Every device discharges at a charge that is not a number, or sends
    // values of the wrong type: none of them may lead to an action.
    const QList<QVariantMap> devices = {
            battery(nan, 50, 2),
            battery(inf, 50, 2),
            battery(10, -inf, 2, {{"Percentage", nan}}),
            battery(10, nan, 2, {{"Percentage", inf}}),
            battery(10, 0, 2, {{"Percentage", -inf}}),
            battery(1e308, 1e-308, 2),
            battery(0, 0, 2),
            battery(40, 50, 2,
                    {{"State", QString("2")},
                     {"Energy", true},
                     {"EnergyFullDesign", false},
                     {"Percentage", QString("5")},
                     {"TimeToEmpty", QString("x")},
                     {"Technology", -1.5},
                     {"Model", 12},
                     {"Serial", true}}),
            battery(45, 50, 2,
                    {{"TimeToEmpty", std::numeric_limits<qlonglong>::max()},
                     {"TimeToFull", std::numeric_limits<qlonglong>::min()}}),
            battery(45, 50, 1,
                    {{"TimeToFull", std::numeric_limits<qlonglong>::max()},
                     {"TimeToEmpty", std::numeric_limits<qlonglong>::min()}}),
            battery(45, 50, 1,
                    {{"Model", markup},
                     {"Serial", huge},
                     {"Vendor", control},
                     {"NativePath", control + markup}}),
            battery(45, 50, 2, {{"Type", QString("2")}}),
            battery(45, 50, 2,
                    {{"Type", std::numeric_limits<uint>::max()},
                     {"State", std::numeric_limits<uint>::max()}}),
    };
    QStringList paths;
    for (int i = 0; i < devices.size(); ++i)
        paths << upower->addDevice(QString("hostile_%1").arg(i), devices[i]);

    WMain w;
    QTabWidget *tabs = mainTabs(w);
    // The last two are no batteries: a Type of the wrong type reads as 0.
    QCOMPARE(tabs->count(), 1 + devices.size() - 2);

    for (int round = 0; round < 3; ++round) {
        for (const QString &path : paths)
            upower->changeDevice(path, {{"UpdateTime", qulonglong(round)}});
        QTest::qWait(100);
        w.controller()->tick();
    }
    QCOMPARE(consoleKit->stops(), 0);
    QCOMPARE(upower->callCount("Hibernate") + upower->callCount("Suspend"), 0);

    // Texts from the daemon are shown as they are, never as markup.
    WBattery *marked = qobject_cast<WBattery *>(tabs->widget(11));
    QCOMPARE(marked->windowTitle(), markup);
    const QString info = batteryInfo(*marked)->toPlainText();
    QVERIFY(info.contains("Model: " + markup));
    // A megabyte of serial number is shown as its first line's worth.
    QVERIFY(info.contains("Serial number: " + huge.left(63) + QChar(0x2026) + '\n'));
    QVERIFY(!batteryTray(*marked)->toolTip().contains("<script>"));

    // A real critical battery next to them still gets its action.
    upower->setEnumeration(paths + QStringList{upower->addDevice("real", battery(4, 50, 2))});
    w.controller()->tick();
    QCOMPARE(consoleKit->stops(), 1);
}

// Today's UPower tells the batteries of the machine from those of its
// devices by PowerSupply; one that says it in another type than a boolean
// is taken for the machine's, as every battery was before.
void TestRobustness::powerSupplyOfAnotherType()
{
    upower.reset();
    upower = std::make_unique<UPowerMock>(QVariantMap{{"DaemonVersion", "0.99.20"}});
    QVERIFY(upower->start());
    const QVariantList supplies = {"no", 0u, QVariantList{false}};
    for (int i = 0; i < supplies.size(); ++i)
        upower->addDevice(QString("odd_%1").arg(i),
                          battery(2.5, 50, 2, {{"PowerSupply", supplies[i]}}));
    upower->addDevice("mouse", battery(2.5, 50, 2, {{"PowerSupply", false}}));

    WMain w;
    // Three batteries of the machine, and the mouse's on the devices' page.
    QCOMPARE(tabTitles(w).mid(4), QStringList{"Devices"});
    w.controller()->tick();
    QTRY_COMPARE(consoleKit->stops(), 3);
}

// The batteries of a machine's devices, as nonsense: none of it acts on
// the machine, and a charge that cannot be read shows "?".
void TestRobustness::deviceBatteryNonsense()
{
    upower.reset();
    upower = std::make_unique<UPowerMock>(QVariantMap{{"DaemonVersion", "0.99.20"}});
    QVERIFY(upower->start());
    const QVariantMap device{{"PowerSupply", false}, {"Model", QString()}};
    QVariantMap level = battery(0.5, 50, 2, device);
    level.insert({{"Type", 5u}, {"BatteryLevel", 99u}, {"Percentage", 1.0}});
    QVariantMap kind = battery(0.5, 50, 2, device);
    kind.insert({{"Type", 999u}, {"WarningLevel", 4u}, {"Percentage", -3.0}});
    QVariantMap text = battery(0.5, 50, 2, device);
    text.insert({{"Type", 13u}, {"Percentage", "five"}, {"BatteryLevel", QString("low")}});
    for (const QVariantMap &values : {level, kind, text})
        upower->addDevice(QString("odd_%1").arg(values.value("Type").toUInt()), values);

    WMain w;
    QStringList rows;
    auto *list = w.findChild<QTreeWidget *>("devices");
    for (int i = 0; list && i < list->topLevelItemCount(); ++i)
        rows << list->topLevelItem(i)->text(1) + "=" + list->topLevelItem(i)->text(2);
    QCOMPARE(rows, (QStringList{QString::fromUtf8("Mouse=1\u00a0%"), "Device=?", "Pen=?"}));
    for (int run = 0; run < 3; ++run)
        w.controller()->tick();
    QTest::qWait(200);
    QCOMPARE(consoleKit->stops(), 0);
    QCOMPARE(upower->callCount("Hibernate") + upower->callCount("Suspend"), 0);
}

void TestRobustness::daemonGoesAndComesBack()
{
    const QVariantMap properties = battery(40, 50, 2);
    const QString path = upower->addDevice("BAT0", properties);
    WMain w;
    w.controller()->tick();
    QCOMPARE(windowTray(w)->icon().name(), QString("dialog-warning"));
    QLabel *charge = chargeLabel(*w.findChild<WBattery *>());
    QCOMPARE(charge->text(), QString("80%"));

    upower->kill();
    w.controller()->tick();
    QCOMPARE(windowTray(w)->icon().name(), QString("power"));
    QCOMPARE(consoleKit->stops(), 0);

    upower = std::make_unique<UPowerMock>();
    QVERIFY(upower->start());
    QCOMPARE(upower->addDevice("BAT0", properties), path);
    w.controller()->tick();
    QCOMPARE(windowTray(w)->icon().name(), QString("dialog-warning"));

    upower->changeDevice(path, {{"Energy", 15.0}});
    QTRY_COMPARE(charge->text(), QString("30%"));
}

void TestRobustness::shutdownWithoutConsoleKitReturnsPromptly()
{
    consoleKit.reset();
    WMain w;
    QElapsedTimer clock;
    clock.start();
    w.controller()->request("shutdown");
    // A wait for the missing ConsoleKit would take the bus's 25 s time-out.
    QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
}

void TestRobustness::damagedSettings_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("stops");
    // What the battery row shows: level and action, empty for no entry.
    QTest::addColumn<QString>("shown");

    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919) % 256));
    QTest::newRow("binary garbage") << garbage << "" << 1 << "10%|Shutdown";
    QTest::newRow("broken syntax") << QByteArray("[Control\n==\n\\\\\\\n[[[]]\nTime=@Variant(\\0\n")
                                   << "" << 1 << "10%|Shutdown";
    const QByteArray wrongTypes =
            "[Control]\n"
            "Battery\\org\\freedesktop\\UPower\\devices\\BAT0\\CriticalChargeLevel=abc\n"
            "Battery\\org\\freedesktop\\UPower\\devices\\BAT0\\CriticalAction=@Variant("
            "\\0\\0\\0\\x7f)\n"
            "Scheduling\\shutdown\\Enabled=maybe\n"
            "Scheduling\\shutdown\\Time=25:99\n"
            "[WexIntegration]\nGeometry\\WMain=@ByteArray(nonsense)\n";
    // The level reads as 0: a battery at 5 % is above it.
    QTest::newRow("wrong types") << wrongTypes << "" << 0 << "|";
    QTest::newRow("out of range") << QByteArray(
            "[Control]\n"
            "Battery\\org\\freedesktop\\UPower\\devices\\BAT0\\CriticalChargeLevel=-2147483648\n"
            "Scheduling\\shutdown\\Enabled=true\n"
            "Scheduling\\shutdown\\Time=@Variant(\\0\\0\\0\\xf\\xff\\xff\\xff\\xff)\n")
                                  << "" << 0 << "|Shutdown";
    QTest::newRow("file is a folder") << QByteArray() << "folder" << 1 << "10%|Shutdown";
    QTest::newRow("read-only settings folder") << QByteArray() << "blocked" << 1 << "10%|Shutdown";
}

void TestRobustness::damagedSettings()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, damage);
    QFETCH(int, stops);
    QFETCH(QString, shown);

    const QString file = settingsFile();
    const QString folder = QFileInfo(file).absolutePath();
    QDir(folder).removeRecursively();
    QFile::remove(folder);
    if (damage == "blocked") {
        // A plain file where the folder should be: nothing can be written.
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(folder));
        if (damage == "folder") {
            QVERIFY(QDir().mkpath(file));
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
    }

    const QString path = upower->addDevice("BAT0", battery(2.5, 50, 2)); // 5 %
    {
        WMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.controller()->tick();
        auto *row = w.findChild<BatteryControlWidget *>();
        QVERIFY(row);
        // A stored value the lists do not offer shows no entry rather than
        // a neighbour that a later change would write back.
        QCOMPARE(levelList(*row)->currentText() + '|' + actionList(*row)->currentText(), shown);
    }
    // No row was touched, so nothing but the window's geometry was written.
    QSettings settings;
    QStringList written = settings.allKeys();
    written.removeAll("WexIntegration/Geometry/WMain");
    for (const QString &key : written)
        QVERIFY2(contents.contains(key.section('/', -1).toUtf8()), qPrintable(key));
    QCOMPARE(consoleKit->stops(), stops);
}

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
