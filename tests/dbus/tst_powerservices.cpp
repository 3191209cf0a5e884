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
    void lidIsFollowed_data();
    void lidIsFollowed();
    void olderDaemonReadsNoLidItLacks_data();
    void olderDaemonReadsNoLidItLacks();

private:
    static std::unique_ptr<UPowerMock> startUPower(const QString &version)
    {
        QVariantMap parameters;
        if (!version.isEmpty())
            parameters.insert(QStringLiteral("DaemonVersion"), version);
        auto upower = std::make_unique<UPowerMock>(parameters);
        return upower->start() ? std::move(upower) : nullptr;
    }
    // How often the daemon was asked for one of its own properties.
    static int managerReads(const UPowerMock &upower, const QString &property)
    {
        QFile log(upower.logFile());
        if (!log.open(QIODevice::ReadOnly))
            return -1;
        return QString::fromUtf8(log.readAll())
                .count(QStringLiteral(" Get /org/freedesktop/UPower org.freedesktop.UPower.")
                       + property + QLatin1Char('\n'));
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

void TestPowerServices::lidIsFollowed_data()
{
    followsEitherGeneration_data();
}

// The lid as either generation tells it: a value announced, or read once
// after the older daemon's Changed; nothing read by a run of the monitor; a
// value of another type is no value; a lid that flaps ends where it ends,
// and costs the older daemon a read or two, not one per change.
void TestPowerServices::lidIsFollowed()
{
    QFETCH(QString, version);
    QFETCH(bool, announced);
    auto upower = startUPower(version);
    QVERIFY(upower);
    const QString bat0 = upower->addDevice(QStringLiteral("BAT0"),
                                           UPowerMock::battery(QStringLiteral("A"), 30, 50, 2));
    upower->mock(QStringLiteral("SetManagerProperties"),
                 {QVariantMap{{QStringLiteral("LidIsPresent"), true},
                              {QStringLiteral("LidIsClosed"), false}}});
    PowerServices services;
    services.load();
    QTRY_COMPARE(services.isLidClosed(), std::optional<bool>(false));
    QCOMPARE(services.hasLid(), std::optional<bool>(true));
    const int readsAfterLoad = managerReads(*upower, QStringLiteral("LidIsClosed"));
    QCOMPARE(readsAfterLoad, announced ? 0 : 1);

    upower->mock(QStringLiteral("SetManagerProperties"),
                 {QVariantMap{{QStringLiteral("LidIsClosed"), true}}});
    QTRY_COMPARE(services.isLidClosed(), std::optional<bool>(true));
    QCOMPARE(managerReads(*upower, QStringLiteral("LidIsClosed")), announced ? 0 : 2);
    services.refresh();
    QCOMPARE(managerReads(*upower, QStringLiteral("LidIsClosed")), announced ? 0 : 2);

    upower->mock(QStringLiteral("SetManagerProperties"),
                 {QVariantMap{{QStringLiteral("LidIsClosed"), QStringLiteral("yes")}}});
    QTRY_VERIFY(!services.isLidClosed().has_value());
    QCOMPARE(services.hasLid(), std::optional<bool>(true));

    upower->mock(QStringLiteral("FlapLid"), {100u});
    QTRY_COMPARE(services.isLidClosed(), std::optional<bool>(false));
    if (!announced) {
        // 200 Changed: the first read, and one after it for the rest. A
        // device's Changed that comes after them all, read by the program,
        // tells that every read it sent is in the log.
        QTRY_VERIFY(managerReads(*upower, QStringLiteral("LidIsClosed")) >= 4);
        QSignalSpy deviceChanged(&services, &PowerServices::deviceChanged);
        upower->changeDevice(bat0, {{QStringLiteral("State"), 1u}});
        QTRY_COMPARE(deviceChanged.count(), 1);
        QVERIFY2(managerReads(*upower, QStringLiteral("LidIsClosed")) <= 6,
                 qPrintable(QString::number(managerReads(*upower, QStringLiteral("LidIsClosed")))));
    }
}

void TestPowerServices::olderDaemonReadsNoLidItLacks_data()
{
    QTest::addColumn<QVariant>("present");
    QTest::newRow("no lid") << QVariant(false);
    QTest::newRow("a text for a boolean") << QVariant(QStringLiteral("no"));
}

void TestPowerServices::olderDaemonReadsNoLidItLacks()
{
    QFETCH(QVariant, present);
    auto upower = startUPower(QString());
    QVERIFY(upower);
    const QString bat0 = upower->addDevice(QStringLiteral("BAT0"),
                                           UPowerMock::battery(QStringLiteral("A"), 30, 50, 2));
    upower->mock(QStringLiteral("SetManagerProperties"),
                 {QVariantMap{{QStringLiteral("LidIsPresent"), present}}});
    PowerServices services;
    services.load();
    QTRY_COMPARE(managerReads(*upower, QStringLiteral("LidIsPresent")), 1);
    // A text is read, but is no answer.
    if (present.userType() == QMetaType::Bool)
        QTRY_COMPARE(services.hasLid(), std::optional<bool>(false));
    else
        QVERIFY(!services.hasLid().has_value());

    // The daemon's Changed, then a device's: once the device's is in, the
    // daemon's has been seen too.
    QSignalSpy deviceChanged(&services, &PowerServices::deviceChanged);
    upower->mock(QStringLiteral("SetManagerProperties"),
                 {QVariantMap{{QStringLiteral("LidIsClosed"), true}}});
    upower->changeDevice(bat0, {{QStringLiteral("State"), 1u}});
    QTRY_COMPARE(deviceChanged.count(), 1);
    QCOMPARE(managerReads(*upower, QStringLiteral("LidIsClosed")), 0);
    QVERIFY(!services.isLidClosed().has_value());
}

QTEST_GUILESS_MAIN(TestPowerServices)
#include "tst_powerservices.moc"
