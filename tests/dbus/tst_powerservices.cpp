#include "powerservices.h"
#include "upowermock.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

// The one face of the power services against both generations of the UPower
// stand-in: what it lists, how a change reaches it, what a run asks, and a
// daemon that restarts as the other generation.
class TestPowerServices : public QObject
{
    Q_OBJECT

private slots:
    void followsEitherGeneration_data();
    void followsEitherGeneration();
    void restartMayBringTheOtherGeneration();

private:
    static std::unique_ptr<UPowerMock> startUPower(const QString &version)
    {
        QVariantMap parameters;
        if (!version.isEmpty())
            parameters.insert(QStringLiteral("DaemonVersion"), version);
        auto upower = std::make_unique<UPowerMock>(parameters);
        return upower->start() ? std::move(upower) : nullptr;
    }
};

void TestPowerServices::followsEitherGeneration_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("announced");
    QTest::newRow("older") << QString() << false;
    QTest::newRow("today's") << QStringLiteral("0.99.20") << true;
}

void TestPowerServices::followsEitherGeneration()
{
    QFETCH(QString, version);
    QFETCH(bool, announced);
    auto upower = startUPower(version);
    QVERIFY(upower);
    const QString bat0 = upower->addDevice(QStringLiteral("BAT0"),
                                           UPowerMock::battery(QStringLiteral("A"), 30, 50, 2));
    const QString ac = upower->addDevice(QStringLiteral("AC"), UPowerMock::linePower(false));
    QVariantMap mouseValues = UPowerMock::battery(QStringLiteral("M"), 5, 50, 2, 5);
    mouseValues.insert(QStringLiteral("PowerSupply"), false);
    const QString mouse = upower->addDevice(QStringLiteral("MOUSE"), mouseValues);

    PowerServices services;
    services.load();
    QCOMPARE(services.devices(), (QStringList{bat0, ac, mouse}));
    QCOMPARE(services.device(bat0).text(QStringLiteral("Model")), QStringLiteral("A"));
    // A mouse's battery is followed where its values are announced.
    QCOMPARE(services.followsDeviceBattery(mouse), announced);
    QCOMPARE(services.deviceBatteries().size(), announced ? 1 : 0);
    QVERIFY(!services.followsDeviceBattery(bat0));

    // A change, told the way this generation tells it.
    QSignalSpy changed(&services, &PowerServices::deviceChanged);
    const QVariantMap charging{{QStringLiteral("State"), 1u}, {QStringLiteral("Energy"), 40.0}};
    if (announced)
        upower->mock(QStringLiteral("EmitPropertiesChanged"), {bat0, charging});
    else
        upower->changeDevice(bat0, charging);
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(changed.constFirst().constFirst().toString(), bat0);
    QCOMPARE(services.device(bat0).state(), 1u);
    QCOMPARE(services.device(bat0).amount(QStringLiteral("Energy")), 40.0);

    // The page's other values: read again after a change on the older
    // daemon; on today's, what was announced holds (a silent change is not).
    upower->setDeviceProperties(bat0, {{QStringLiteral("EnergyRate"), 7.5}});
    services.readDetails(bat0);
    QTRY_COMPARE(services.device(bat0).amount(QStringLiteral("EnergyRate")), announced ? 0.0 : 7.5);

    // A run asks the older daemon afresh, and today's not at all. What the
    // older one said holds only until it changes unannounced.
    upower->setDeviceProperties(bat0, {{QStringLiteral("State"), 4u}});
    upower->clearCalls();
    QSignalSpy outdated(&services, &PowerServices::valuesOutdated);
    services.refresh();
    QCOMPARE(upower->callCount(QStringLiteral("EnumerateDevices")), announced ? 0 : 1);
    QCOMPARE(services.device(bat0).state(), announced ? 1u : 4u);
    QCOMPARE(outdated.count(), announced ? 0 : 1);

    // Devices come and go.
    QSignalSpy added(&services, &PowerServices::deviceAdded);
    QSignalSpy removed(&services, &PowerServices::deviceRemoved);
    const QString bat1 = upower->addDevice(QStringLiteral("BAT1"),
                                           UPowerMock::battery(QStringLiteral("B"), 10, 50, 2));
    upower->emitDeviceAdded(bat1);
    QTRY_COMPARE(added.count(), 1);
    QCOMPARE(services.device(bat1).text(QStringLiteral("Model")), QStringLiteral("B"));
    upower->removeDevice(bat0);
    QTRY_COMPARE(removed.count(), 1);
    QVERIFY(!services.contains(bat0));
    QVERIFY(!services.devices().contains(bat0));
}

void TestPowerServices::restartMayBringTheOtherGeneration()
{
    auto upower = startUPower(QString());
    QVERIFY(upower);
    upower->addDevice(QStringLiteral("BAT0"), UPowerMock::battery(QStringLiteral("A"), 30, 50, 2));
    PowerServices services;
    services.load();
    QSignalSpy outdated(&services, &PowerServices::valuesOutdated);
    services.refresh();
    QCOMPARE(outdated.count(), 1);

    QSignalSpy restarted(&services, &PowerServices::restarted);
    QSignalSpy reloaded(&services, &PowerServices::devicesReloaded);
    upower.reset();
    upower = startUPower(QStringLiteral("0.99.20"));
    QVERIFY(upower);
    const QString other = upower->addDevice(QStringLiteral("BAT9"),
                                            UPowerMock::battery(QStringLiteral("Z"), 30, 50, 2));
    QTRY_VERIFY(restarted.count() >= 1);
    // Looked at when the monitor next runs, not before.
    QCOMPARE(reloaded.count(), 0);
    services.refresh();
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(outdated.count(), 1);
    QCOMPARE(services.devices(), QStringList{other});
}

QTEST_GUILESS_MAIN(TestPowerServices)
#include "tst_powerservices.moc"
