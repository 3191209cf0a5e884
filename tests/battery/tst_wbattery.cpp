#include "programparts.h"
#include "testicontheme.h"
#include "upowermock.h"
#include "wbattery.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>
#include <cmath>
#include <limits>
#include <memory>

Q_DECLARE_METATYPE(QSystemTrayIcon::ActivationReason)

// The battery page and its tray gauge against a mocked UPower device.
class TestWBattery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(TestIconTheme::install()); }

    void chargePercent_data();
    void chargePercent();
    void gaugeRowsAndColours_data();
    void gaugeRowsAndColours();
    void gaugeSizesAndOutOfRange();
    void pageShowsChargeStateAndTexts();
    void unknownChargeShowsQuestionMark();
    void newValuesRefreshPage();
    void infoLinesAndDeviceNode();
    void healthLinesFollowValues();
    void deviceStringsAreEscaped();
    void trayActivationIsReEmitted();
    void remainingFollowsState();
    void chargeLimit_data();
    void chargeLimit();

private:
    // A battery's values as UPower gives them, with the overrides.
    DeviceProperties addBattery(const QVariantMap &overrides);
    static QImage gaugeImage(const QIcon &icon, int side);

    int devices = 0;
};

DeviceProperties TestWBattery::addBattery(const QVariantMap &overrides)
{
    QVariantMap properties = UPowerMock::battery(QStringLiteral("Model-X"), 30.0, 50.0, 2);
    properties.insert(overrides);
    return DeviceProperties(UPowerMock::devicePath(QStringLiteral("battery_%1").arg(++devices)),
                            properties);
}

QImage TestWBattery::gaugeImage(const QIcon &icon, int side)
{
    return icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
}

void TestWBattery::chargePercent_data()
{
    QTest::addColumn<QVariantMap>("properties");
    QTest::addColumn<int>("expected");

    auto energies = [](double energy, double design, uint state) {
        return QVariantMap{{QStringLiteral("Energy"), energy},
                           {QStringLiteral("EnergyFullDesign"), design},
                           {QStringLiteral("State"), state},
                           {QStringLiteral("Percentage"), 0.0}};
    };
    QTest::newRow("37 of 50") << energies(37.0, 50.0, 2) << 74;
    QTest::newRow("74.5 rounds up") << energies(37.25, 50.0, 2) << 75;
    QTest::newRow("above design") << energies(51.5, 50.0, 1) << 103;
    QTest::newRow("fully charged wins") << energies(10.0, 50.0, 4) << 100;
    QTest::newRow("empty wins") << energies(40.0, 50.0, 3) << 0;
    QTest::newRow("state 0 from energies") << energies(25.0, 50.0, 0) << 50;
    QTest::newRow("state 6 from energies") << energies(5.0, 50.0, 6) << 10;

    QVariantMap withPercentage = energies(10.0, 0.0, 2);
    withPercentage.insert(QStringLiteral("Percentage"), 42.5);
    QTest::newRow("no design, percentage") << withPercentage << 43;
    QTest::newRow("no design, no percentage") << energies(10.0, 0.0, 2) << UnknownCharge;
    QVariantMap negativeDesign = energies(10.0, -5.0, 2);
    negativeDesign.insert(QStringLiteral("Percentage"), 12.0);
    QTest::newRow("negative design, percentage") << negativeDesign << 12;
    QTest::newRow("NaN energy") << energies(std::nan(""), 50.0, 2) << UnknownCharge;
    QTest::newRow("infinite design")
            << energies(10.0, std::numeric_limits<double>::infinity(), 2) << UnknownCharge;
    QTest::newRow("huge ratio is held in range")
            << energies(1e300, 1.0, 2) << std::numeric_limits<int>::max();

    // Daemons that send another type than UPower declares: numbers are
    // taken as numbers, anything else is unknown, never an empty battery.
    auto energy = [&](const QVariant &value) {
        QVariantMap map = energies(0, 50.0, 2);
        map.insert(QStringLiteral("Energy"), value);
        return map;
    };
    QTest::newRow("int32 energy") << energy(40) << 80;
    QTest::newRow("uint64 energy") << energy(qulonglong(40)) << 80;
    QTest::newRow("byte energy") << energy(QVariant::fromValue(uchar(40))) << 80;
    QTest::newRow("string energy") << energy(QStringLiteral("40")) << UnknownCharge;
    QTest::newRow("boolean energy") << energy(true) << UnknownCharge;
    QTest::newRow("array energy") << energy(QVariantList{40.0}) << UnknownCharge;
    QTest::newRow("negative energy") << energy(-5.0) << UnknownCharge;
    QTest::newRow("zero energy is empty") << energy(0.0) << 0;
    QTest::newRow("tiny energy is empty") << energy(1e-9) << 0;
    QVariantMap int16Design = energies(40.0, 0, 2);
    int16Design.insert(QStringLiteral("EnergyFullDesign"), QVariant::fromValue(short(50)));
    QTest::newRow("int16 design") << int16Design << 80;
    QVariantMap int64Percentage = energies(10.0, 0.0, 2);
    int64Percentage.insert(QStringLiteral("Percentage"), qlonglong(33));
    QTest::newRow("no design, int64 percentage") << int64Percentage << 33;
    QVariantMap int32State = energies(10.0, 50.0, 0);
    int32State.insert(QStringLiteral("State"), 4);
    QTest::newRow("int32 fully charged") << int32State << 100;
}

void TestWBattery::chargePercent()
{
    QFETCH(QVariantMap, properties);
    QFETCH(int, expected);
    QCOMPARE(::chargePercent(addBattery(properties)), expected);
}

void TestWBattery::gaugeRowsAndColours_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("chargedRows");
    QTest::addColumn<QColor>("charged");

    QTest::newRow("57") << 57 << 9 << QColor(219, 255, 0);
    QTest::newRow("100") << 100 << 16 << QColor(0, 255, 0);
    QTest::newRow("75") << 75 << 12 << QColor(127, 255, 0);
    QTest::newRow("50") << 50 << 8 << QColor(255, 255, 0);
    QTest::newRow("25") << 25 << 4 << QColor(255, 127, 0);
    QTest::newRow("0") << 0 << 0 << QColor(255, 0, 0);
    QTest::newRow("103 is all green") << 103 << 16 << QColor(0, 255, 0);
}

void TestWBattery::gaugeRowsAndColours()
{
    QFETCH(int, percent);
    QFETCH(int, chargedRows);
    QFETCH(QColor, charged);

    const QImage image = gaugeImage(WBattery::chargeGauge(percent), 16);
    QCOMPARE(image.size(), QSize(16, 16));
    const QColor uncharged(0, 0, 255, 128);
    for (int y = 0; y < 16; ++y) {
        const QColor expected = y < 16 - chargedRows ? uncharged : charged;
        for (int x = 0; x < 16; ++x) {
            if (image.pixelColor(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(image.pixelColor(x, y).name(QColor::HexArgb))
                                         .arg(expected.name(QColor::HexArgb))));
        }
    }
}

void TestWBattery::gaugeSizesAndOutOfRange()
{
    const QList<QSize> sizes = WBattery::chargeGauge(40).availableSizes();
    QCOMPARE(sizes, (QList<QSize>{{16, 16}, {22, 22}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));

    // 128 * 0.4 = 51.2: 51 charged rows at the bottom.
    const QImage large = gaugeImage(WBattery::chargeGauge(40), 128);
    QCOMPARE(large.pixelColor(64, 128 - 51), QColor(255, 204, 0));
    QCOMPARE(large.pixelColor(64, 128 - 52), QColor(0, 0, 255, 128));

    // Values a broken daemon may produce paint inside the square and keep
    // the two-part look.
    const QImage negative = gaugeImage(WBattery::chargeGauge(-40), 16);
    QCOMPARE(negative.pixelColor(0, 15), QColor(0, 0, 255, 128));
    const QImage huge = gaugeImage(WBattery::chargeGauge(std::numeric_limits<int>::max()), 16);
    QCOMPARE(huge.pixelColor(0, 0), QColor(0, 255, 0));
}

void TestWBattery::pageShowsChargeStateAndTexts()
{
    DeviceProperties device = addBattery({{QStringLiteral("Energy"), 28.5},
                                          {QStringLiteral("Technology"), 2u},
                                          {QStringLiteral("Model"), QStringLiteral("Bat A")}});
    WBattery battery(device);
    QCOMPARE(battery.windowTitle(), QStringLiteral("Bat A"));
    QCOMPARE(chargeLabel(battery)->text(), QStringLiteral("57%"));
    QCOMPARE(battery.technologyText(), QStringLiteral("Lithium polymer"));
    QCOMPARE(battery.typeText(), QStringLiteral("Battery"));
    QVERIFY(batteryTray(battery)->isVisible());
    QCOMPARE(gaugeImage(batteryTray(battery)->icon(), 16),
             gaugeImage(WBattery::chargeGauge(57), 16));
    QCOMPARE(stateIconName(battery), QStringLiteral("connect_no"));

    device.update({{QStringLiteral("Technology"), 7u}, {QStringLiteral("Type"), 9u}});
    battery.setProperties(device);
    QCOMPARE(battery.technologyText(), QStringLiteral("Unknown"));
    QCOMPARE(battery.typeText(), QStringLiteral("Unknown"));
    device.update({{QStringLiteral("Technology"), 6u}, {QStringLiteral("Type"), 3u}});
    battery.setProperties(device);
    QCOMPARE(battery.technologyText(), QStringLiteral("Nickel metal hydride"));
    QCOMPARE(battery.typeText(), QStringLiteral("UPS"));
}

void TestWBattery::unknownChargeShowsQuestionMark()
{
    DeviceProperties device = addBattery(
            {{QStringLiteral("EnergyFullDesign"), 0.0}, {QStringLiteral("Percentage"), 0.0}});
    WBattery battery(device);
    QCOMPARE(chargeLabel(battery)->text(), QStringLiteral("?%"));
    QCOMPARE(gaugeImage(batteryTray(battery)->icon(), 16),
             gaugeImage(WBattery::chargeGauge(0), 16));
}

void TestWBattery::newValuesRefreshPage()
{
    DeviceProperties device = addBattery({});
    WBattery battery(device);
    QCOMPARE(chargeLabel(battery)->text(), QStringLiteral("60%"));
    const QImage before = gaugeImage(batteryTray(battery)->icon(), 16);

    device.update({{QStringLiteral("Energy"), 10.0}, {QStringLiteral("State"), 1u}});
    battery.setProperties(device);
    QCOMPARE(chargeLabel(battery)->text(), QStringLiteral("20%"));
    QCOMPARE(gaugeImage(batteryTray(battery)->icon(), 16),
             gaugeImage(WBattery::chargeGauge(20), 16));
    QVERIFY(gaugeImage(batteryTray(battery)->icon(), 16) != before);
    QCOMPARE(stateIconName(battery), QStringLiteral("connect_established"));
}

void TestWBattery::infoLinesAndDeviceNode()
{
    const DeviceProperties unknown = addBattery(
            {{QStringLiteral("NativePath"), QStringLiteral("/sys/devices/no/such/battery")}});
    WBattery plain(unknown);
    QTextEdit *info = batteryInfo(plain);
    QCOMPARE(info->document()->blockCount(), 7);
    const QStringList lines = info->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("Model: Model-X"));
    QCOMPARE(lines.value(1), QStringLiteral("Serial number: SN-Model-X"));
    QCOMPARE(lines.value(2), QStringLiteral("Vendor: ACME"));
    QCOMPARE(lines.value(3), QStringLiteral("Technology: Lithium ion"));
    QCOMPARE(lines.value(4), QStringLiteral("Type: Battery"));
    QCOMPARE(lines.value(5), QStringLiteral("Sysfs path: /sys/devices/no/such/battery"));
    QCOMPARE(lines.value(6), QStringLiteral("Capacity: 100 % (50.0 of 50.0 Wh)"));
    QVERIFY(info->isReadOnly());
    // The tray host shows the same lines, their labels in the bold that
    // Qt 5 builds have always sent (Qt 6 would write 700).
    const QString toolTip = batteryTray(plain)->toolTip();
    QTextDocument shown;
    shown.setHtml(toolTip);
    QCOMPARE(shown.toPlainText(), info->toPlainText());
    QCOMPARE(toolTip.count(QStringLiteral("font-weight:600;")), 7);
    QVERIFY(!toolTip.contains(QStringLiteral("font-weight:700")));

    // Any device of this machine that udev gives a node serves to show the
    // line after the sysfs path.
    const QString nullDevice = QStringLiteral("/sys/class/mem/null");
    if (!QFileInfo::exists(nullDevice))
        QSKIP("this machine has no /sys/class/mem/null to look up");
    const DeviceProperties known = addBattery({{QStringLiteral("NativePath"), nullDevice}});
    WBattery withNode(known);
    QTextEdit *nodeInfo = batteryInfo(withNode);
    QCOMPARE(nodeInfo->document()->blockCount(), 8);
    QCOMPARE(nodeInfo->toPlainText().split(QLatin1Char('\n')).value(6),
             QStringLiteral("Device: /dev/null"));
}

// The daemon's wear and draw figures follow the values handed in, on the
// page and in the tray tooltip alike; a value that is no number is left out.
// (Plain text has spaces for the lines' non-breaking ones.)
void TestWBattery::healthLinesFollowValues()
{
    DeviceProperties device = addBattery({{QStringLiteral("EnergyFull"), 37.5},
                                          {QStringLiteral("ChargeCycles"), 312},
                                          {QStringLiteral("EnergyRate"), 12.0}});
    WBattery battery(device);
    const auto shown = [&battery] {
        QTextDocument toolTip;
        toolTip.setHtml(batteryTray(battery)->toolTip());
        const QString page = batteryInfo(battery)->toPlainText();
        return toolTip.toPlainText() == page ? page.split(QLatin1Char('\n')).mid(6)
                                             : QStringList{QStringLiteral("tooltip differs")};
    };
    QCOMPARE(shown(),
             (QStringList{"Capacity: 75 % (37.5 of 50.0 Wh)", "Charge cycles: 312",
                          "Energy rate: 12.0 W"}));

    device.update({{QStringLiteral("EnergyRate"), 8.0},
                   {QStringLiteral("ChargeCycles"), QStringLiteral("312")}});
    battery.setProperties(device);
    QCOMPARE(shown(), (QStringList{"Capacity: 75 % (37.5 of 50.0 Wh)", "Energy rate: 8.0 W"}));

    device.update({{QStringLiteral("State"), 4u}, {QStringLiteral("EnergyFull"), std::nan("")}});
    battery.setProperties(device);
    QCOMPARE(shown(), QStringList());
}

void TestWBattery::deviceStringsAreEscaped()
{
    const DeviceProperties device =
            addBattery({{QStringLiteral("Model"), QStringLiteral("<b>x</b>")},
                        {QStringLiteral("Vendor"), QStringLiteral("A & B <i>")},
                        {QStringLiteral("NativePath"), QStringLiteral("<img src=y>")}});
    WBattery battery(device);
    const QString text = batteryInfo(battery)->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("Model: <b>x</b>")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Vendor: A & B <i>")));
    QVERIFY(text.contains(QStringLiteral("Sysfs path: <img src=y>")));
    QVERIFY(batteryTray(battery)->toolTip().contains(QStringLiteral("&lt;b&gt;x&lt;/b&gt;")));
    QVERIFY(!batteryTray(battery)->toolTip().contains(QStringLiteral("<b>x</b>")));
}

void TestWBattery::trayActivationIsReEmitted()
{
    qRegisterMetaType<QSystemTrayIcon::ActivationReason>();
    WBattery battery(addBattery({}));
    QSignalSpy spy(&battery, &WBattery::trayActivated);
    const auto reasons = {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick,
                          QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Context};
    for (auto reason : reasons)
        emit batteryTray(battery)->activated(reason);
    QCOMPARE(spy.count(), 4);
    QCOMPARE(spy.at(1).at(0).value<QSystemTrayIcon::ActivationReason>(),
             QSystemTrayIcon::DoubleClick);
    QCOMPARE(chargeLabel(battery)->text(), QStringLiteral("60%"));
}

void TestWBattery::remainingFollowsState()
{
    DeviceProperties device = addBattery({{QStringLiteral("TimeToEmpty"), qlonglong(605)},
                                          {QStringLiteral("TimeToFull"), qlonglong(6000)}});
    WBattery battery(device);
    QCOMPARE(battery.remaining(), qlonglong(605));
    for (uint state : {0u, 1u, 3u, 4u, 5u, 6u}) {
        device.update({{QStringLiteral("State"), state}});
        battery.setProperties(device);
        QCOMPARE(battery.remaining(), qlonglong(6000));
    }
    device.update({{QStringLiteral("TimeToFull"), QStringLiteral("soon")}});
    battery.setProperties(device);
    QCOMPARE(battery.remaining(), qlonglong(0));
}

void TestWBattery::chargeLimit_data()
{
    QTest::addColumn<QVariantMap>("values");
    QTest::addColumn<int>("mark"); // a Qt::CheckState, -1 for no box
    QTest::addColumn<QString>("words"); // empty: none shown

    const uint unused = 4294967295u;
    const auto limit = [](const QVariant &enabled, const QVariant &start, const QVariant &end) {
        return QVariantMap{{"ChargeThresholdSupported", true},
                           {"ChargeThresholdEnabled", enabled},
                           {"ChargeStartThreshold", start},
                           {"ChargeEndThreshold", end}};
    };
    const QString both = QString::fromUtf8("Charging stops at 80\u00a0% and starts again below "
                                           "75\u00a0%");
    const QString stops = QString::fromUtf8("Charging stops at 80\u00a0%");
    const QString starts = QString::fromUtf8("Charging starts again below 75\u00a0%");

    QTest::newRow("no such property") << QVariantMap() << -1 << QString();
    QVariantMap unsupported = limit(true, 75u, 80u);
    unsupported.insert("ChargeThresholdSupported", false);
    QTest::newRow("not supported") << unsupported << -1 << QString();
    unsupported.insert("ChargeThresholdSupported", "true");
    QTest::newRow("supported, not a boolean") << unsupported << -1 << QString();
    QTest::newRow("on") << limit(true, 75u, 80u) << int(Qt::Checked) << both;
    QTest::newRow("off") << limit(false, 75u, 80u) << int(Qt::Unchecked) << both;
    QTest::newRow("other integer types")
            << limit(false, qint16(75), qint64(80)) << int(Qt::Unchecked) << both;
    QTest::newRow("enabled, not a boolean")
            << limit(1u, 75u, 80u) << int(Qt::PartiallyChecked) << both;
    QTest::newRow("no start") << limit(true, unused, 80u) << int(Qt::Checked) << stops;
    QTest::newRow("no end") << limit(true, 75u, unused) << int(Qt::Checked) << starts;
    QTest::newRow("neither") << limit(true, unused, unused) << int(Qt::Checked) << QString();
    QTest::newRow("reversed") << limit(true, 90u, 80u) << int(Qt::Checked) << stops;
    QTest::newRow("end a text") << limit(true, 75u, "80") << int(Qt::Checked) << starts;
    QTest::newRow("end a fraction") << limit(true, 75u, 80.0) << int(Qt::Checked) << starts;
    QTest::newRow("end above 100") << limit(true, 75u, 150u) << int(Qt::Checked) << starts;
    QVariantMap endOnly = limit(true, 75u, 80u);
    endOnly.insert("ChargeThresholdSettingsSupported", 2u);
    QTest::newRow("hardware lacks the start") << endOnly << int(Qt::Checked) << stops;
}

// What a battery page shows of the charge limit, from values as odd as a
// daemon may send; the mark is the daemon's, unknown when it cannot be read.
void TestWBattery::chargeLimit()
{
    QFETCH(QVariantMap, values);
    QFETCH(int, mark);
    QFETCH(QString, words);

    WBattery page(addBattery(values));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *box = page.findChild<QCheckBox *>("chargeLimit");
    QCOMPARE(box && box->isVisible() ? int(box->checkState()) : -1, mark);
    auto *label = page.findChild<QLabel *>("chargeLimitWords");
    QCOMPARE(label && label->isVisible() ? label->text() : QString(), words);
    if (!box)
        return;

    // A click asks for the other state, and leaves the mark to the daemon.
    QSignalSpy wanted(&page, &WBattery::chargeLimitWanted);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    QCOMPARE(wanted.count(), 1);
    QCOMPARE(wanted.at(0).at(0).toString(), page.path());
    QCOMPARE(wanted.at(0).at(1).toBool(), mark != Qt::Checked);
    QCOMPARE(int(box->checkState()), mark);

    // Support withdrawn: nothing shown.
    values.insert("ChargeThresholdSupported", false);
    page.setProperties(DeviceProperties(page.path(), values));
    QVERIFY(!box->isVisible());
}

QTEST_MAIN(TestWBattery)
#include "tst_wbattery.moc"
