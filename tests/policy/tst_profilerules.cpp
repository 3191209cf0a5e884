#include "profilerules.h"
#include "settingskeys.h"

#include <QSettings>
#include <QtTest>

using Devices = QList<DeviceProperties>;
Q_DECLARE_METATYPE(Devices)

namespace {

const QStringList standard{"power-saver", "balanced", "performance"};

DeviceProperties battery(const QString &name, uint state, double percent, uint type = 2,
                         const QVariantMap &more = {})
{
    QVariantMap values{
            {"Type", type}, {"State", state}, {"Energy", percent / 2}, {"EnergyFullDesign", 50.0}};
    values.insert(more);
    return DeviceProperties("/org/freedesktop/UPower/devices/" + name, values);
}

} // namespace

// Which profile is set when the power source changes, and when power-saver
// is held for a low battery: from tables, no daemon.
class TestProfileRules : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void profileForSource_data();
    void profileForSource();
    void lowHold_data();
    void lowHold();
};

void TestProfileRules::profileForSource_data()
{
    QTest::addColumn<QVariant>("stored"); // for the source the machine came to
    QTest::addColumn<bool>("onBattery");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<bool>("holdingLow");
    QTest::addColumn<QString>("profile"); // empty: none is set

    QTest::newRow("keep as it is, the default")
            << QVariant() << true << standard << false << QString();
    QTest::newRow("keep as it is, chosen")
            << QVariant("") << false << standard << false << QString();
    QTest::newRow("to battery") << QVariant("power-saver") << true << standard << false
                                << "power-saver";
    QTest::newRow("to line power")
            << QVariant("performance") << false << standard << false << "performance";
    QTest::newRow("not offered") << QVariant("turbo") << false << standard << false << QString();
    QTest::newRow("no daemon") << QVariant("performance") << false << QStringList() << false
                               << QString();
    QTest::newRow("not a text") << QVariant(QStringList{"performance"}) << false << standard
                                << false << QString();
    QTest::newRow("held for a low battery")
            << QVariant("performance") << true << standard << true << QString();
}

void TestProfileRules::profileForSource()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, onBattery);
    QFETCH(QStringList, offered);
    QFETCH(bool, holdingLow);
    QFETCH(QString, profile);

    QSettings settings;
    // The other source's choice must not count.
    settings.setValue(onBattery ? SettingsKeys::profileOnLinePower()
                                : SettingsKeys::profileOnBattery(),
                      "balanced");
    if (stored.isValid())
        settings.setValue(onBattery ? SettingsKeys::profileOnBattery()
                                    : SettingsKeys::profileOnLinePower(),
                          stored);
    const auto chosen = ProfileRules::profileForSource(settings, onBattery, offered, holdingLow);
    QCOMPARE(chosen.value_or(QString()), profile);
    QCOMPARE(chosen.has_value(), !profile.isEmpty());
}

void TestProfileRules::lowHold_data()
{
    QTest::addColumn<QVariant>("enabled");
    QTest::addColumn<QVariant>("level");
    QTest::addColumn<bool>("onBattery");
    QTest::addColumn<Devices>("devices");
    QTest::addColumn<bool>("holds");

    const Devices atTwenty{battery("A", 2, 20)};
    QTest::newRow("off by default") << QVariant() << QVariant() << true << atTwenty << false;
    QTest::newRow("at the default level")
            << QVariant(true) << QVariant() << true << atTwenty << true;
    QTest::newRow("above it") << QVariant(true) << QVariant() << true
                              << Devices{battery("A", 2, 21)} << false;
    QTest::newRow("on line power") << QVariant(true) << QVariant() << false << atTwenty << false;
    QTest::newRow("the low one charging")
            << QVariant(true) << QVariant() << true
            << Devices{battery("A", 1, 10), battery("B", 2, 80)} << false;
    QTest::newRow("the second one low")
            << QVariant(true) << QVariant() << true
            << Devices{battery("A", 2, 80), battery("B", 2, 15)} << true;
    QTest::newRow("unknown charge")
            << QVariant(true) << QVariant() << true << Devices{battery("A", 2, -2)} << false;
    QTest::newRow("a mouse") << QVariant(true) << QVariant() << true
                             << Devices{battery("M", 2, 5, 2, {{"PowerSupply", false}}),
                                        battery("A", 2, 80)}
                             << false;
    QTest::newRow("a UPS") << QVariant(true) << QVariant() << true
                           << Devices{battery("U", 2, 15, 3)} << true;
    QTest::newRow("a level the list lacks")
            << QVariant(true) << QVariant(35) << true << Devices{battery("A", 2, 35)} << true;
    QTest::newRow("an unreadable level")
            << QVariant(true) << QVariant("soon") << true << Devices{battery("A", 2, 5)} << false;
    QTest::newRow("stored as text")
            << QVariant("true") << QVariant("30") << true << Devices{battery("A", 2, 30)} << true;
}

void TestProfileRules::lowHold()
{
    QFETCH(QVariant, enabled);
    QFETCH(QVariant, level);
    QFETCH(bool, onBattery);
    QFETCH(Devices, devices);
    QFETCH(bool, holds);

    QSettings settings;
    if (enabled.isValid())
        settings.setValue(SettingsKeys::profileLowHold(), enabled);
    if (level.isValid())
        settings.setValue(SettingsKeys::profileLowLevel(), level);
    QCOMPARE(ProfileRules::wantsLowHold(settings, onBattery, devices), holds);
}

QTEST_GUILESS_MAIN(TestProfileRules)
#include "tst_profilerules.moc"
