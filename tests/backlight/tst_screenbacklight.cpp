#include "screenbacklight.h"
#include "simulatedsysfs.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

// The screen's backlight read through libudev from a sysfs that umockdev
// simulates, and followed through the uevents it sends.
class TestScreenBacklight : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void choosesAsDesktopsDo_data();
    void choosesAsDesktopsDo();
    void followsTheLevelOfItsDevice();
    void followsDevicesThatComeAndGo();

private:
    // Adds /sys/class/backlight/NAME; an empty level leaves out
    // actual_brightness, as some drivers do.
    bool addPanel(const QString &name, const QString &type, const QString &maximum,
                  const QString &level = QStringLiteral("1"))
    {
        QString line = QStringLiteral("add backlight %1 type %2 max_brightness '%3' brightness 1")
                               .arg(name, type, maximum);
        if (!level.isEmpty())
            line += QStringLiteral(" actual_brightness '%1'").arg(level);
        return sysfs->command(line);
    }
    // The device's new level and the uevent the kernel sends with it.
    bool changeLevel(const QString &name, const QString &level)
    {
        return sysfs->command(QStringLiteral("set %1 actual_brightness '%2'").arg(name, level))
                && sysfs->command(QStringLiteral("uevent %1 change").arg(name));
    }

    std::unique_ptr<SimulatedSysfs> sysfs;
};

void TestScreenBacklight::init()
{
    sysfs = std::make_unique<SimulatedSysfs>();
    QVERIFY(sysfs->useHere());
}

void TestScreenBacklight::cleanup()
{
    sysfs.reset();
}

void TestScreenBacklight::choosesAsDesktopsDo_data()
{
    // "name type max_brightness" each; the device chosen, with its maximum.
    QTest::addColumn<QStringList>("panels");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("maximum");

    QTest::newRow("firmware over platform and raw")
            << QStringList{"intel_backlight raw 937", "dell_backlight platform 15",
                           "acpi_video0 firmware 7"}
            << "acpi_video0" << 7;
    QTest::newRow("platform over raw")
            << QStringList{"amdgpu_bl0 raw 255", "thinkpad_screen platform 15"} << "thinkpad_screen"
            << 15;
    QTest::newRow("raw over a type not known")
            << QStringList{"odd new_kind 50", "intel_backlight raw 937"} << "intel_backlight"
            << 937;
    QTest::newRow("several of each type: the first by name of the best")
            << QStringList{"raw_b raw 9",
                           "raw_a raw 9",
                           "platform_b platform 9",
                           "platform_a platform 9",
                           "acpi_video1 firmware 9",
                           "acpi_video0 firmware 9"}
            << "acpi_video0" << 9;
    QTest::newRow("maximum 0 and garbage passed over")
            << QStringList{"acpi_video0 firmware 0", "acpi_video1 firmware lots",
                           "dell_backlight platform -3", "intel_backlight raw 937"}
            << "intel_backlight" << 937;
    QTest::newRow("none usable") << QStringList{"acpi_video0 firmware 0", "broken raw ''"} << ""
                                 << 0;
    QTest::newRow("no device") << QStringList{} << "" << 0;
}

void TestScreenBacklight::choosesAsDesktopsDo()
{
    QFETCH(QStringList, panels);
    QFETCH(QString, chosen);
    QFETCH(int, maximum);
    for (const QString &panel : panels) {
        const QStringList words = panel.split(QLatin1Char(' '));
        QVERIFY(addPanel(words.at(0), words.at(1), words.at(2) == "''" ? "" : words.at(2)));
    }

    const ScreenBacklight backlight;
    QCOMPARE(backlight.name(), chosen);
    QCOMPARE(backlight.maxBrightness(), maximum);
    QCOMPARE(backlight.isAvailable(), maximum > 0);
    QCOMPARE(backlight.brightness(), maximum > 0 ? 1 : -1);
    QCOMPARE(ScreenBacklight::subsystem(), QStringLiteral("backlight"));
}

void TestScreenBacklight::followsTheLevelOfItsDevice()
{
    QVERIFY(addPanel("intel_backlight", "raw", "937", "400"));
    QVERIFY(addPanel("other_panel", "raw", "937", "10"));
    ScreenBacklight backlight;
    QCOMPARE(backlight.name(), QStringLiteral("intel_backlight"));
    QCOMPARE(backlight.brightness(), 400);
    QSignalSpy levels(&backlight, &ScreenBacklight::brightnessChanged);
    QSignalSpy devices(&backlight, &ScreenBacklight::deviceChanged);

    // What the panel shows counts, not what was asked of it.
    QVERIFY(sysfs->command("set intel_backlight brightness 600"));
    QVERIFY(changeLevel("intel_backlight", "590"));
    QTRY_COMPARE(levels.count(), 1);
    QCOMPARE(levels.takeFirst().constFirst().toInt(), 590);

    // Another panel's level is not this one's. Garbage, or a level past the
    // maximum, is no level; a real one afterwards is read again. Each is
    // read before the next comes: a burst is read once, at its end.
    QVERIFY(changeLevel("other_panel", "20"));
    const QList<QPair<QString, int>> readings{
            {"bright", -1}, {"937", 937}, {"938", -1}, {" 12 ", 12}, {"0", 0}};
    for (const auto &reading : readings) {
        QVERIFY(changeLevel("intel_backlight", reading.first));
        QTRY_COMPARE(backlight.brightness(), reading.second);
    }
    QCOMPARE(QList<QVariantList>(levels), (QList<QVariantList>{{-1}, {937}, {-1}, {12}, {0}}));
    QCOMPARE(backlight.brightness(), 0);
    QCOMPARE(devices.count(), 0);
}

void TestScreenBacklight::followsDevicesThatComeAndGo()
{
    // A driver without actual_brightness: its brightness is read instead.
    QVERIFY(addPanel("intel_backlight", "raw", "937", ""));
    ScreenBacklight backlight;
    QCOMPARE(backlight.name(), QStringLiteral("intel_backlight"));
    QCOMPARE(backlight.brightness(), 1);
    QSignalSpy devices(&backlight, &ScreenBacklight::deviceChanged);
    QSignalSpy levels(&backlight, &ScreenBacklight::brightnessChanged);

    // The firmware's device, loaded later, is taken over the GPU's.
    QVERIFY(addPanel("acpi_video0", "firmware", "7", "5"));
    QTRY_COMPARE(devices.count(), 1);
    QCOMPARE(backlight.name(), QStringLiteral("acpi_video0"));
    QCOMPARE(backlight.maxBrightness(), 7);
    QCOMPARE(backlight.brightness(), 5);

    // It goes: back to the other.
    QVERIFY(sysfs->command("remove acpi_video0"));
    QTRY_COMPARE(devices.count(), 2);
    QCOMPARE(backlight.name(), QStringLiteral("intel_backlight"));
    QCOMPARE(backlight.maxBrightness(), 937);
    QCOMPARE(backlight.brightness(), 1);

    // Gone by the time its change is read: nothing is left to show.
    QVERIFY(sysfs->command("uevent intel_backlight change"));
    QVERIFY(sysfs->command("vanish intel_backlight"));
    QTRY_COMPARE(devices.count(), 3);
    QVERIFY(!backlight.isAvailable());
    QCOMPARE(backlight.name(), QString());
    QCOMPARE(backlight.brightness(), -1);
    QCOMPARE(QList<QVariantList>(levels), (QList<QVariantList>{{5}, {1}, {-1}}));

    // A device that becomes usable is taken.
    QVERIFY(addPanel("amdgpu_bl0", "raw", "0"));
    QVERIFY(sysfs->command("set amdgpu_bl0 max_brightness 255"));
    QVERIFY(sysfs->command("uevent amdgpu_bl0 change"));
    QTRY_COMPARE(backlight.name(), QStringLiteral("amdgpu_bl0"));
    QCOMPARE(backlight.maxBrightness(), 255);
}

WEX_UMOCKDEV_TEST_MAIN(TestScreenBacklight)
#include "tst_screenbacklight.moc"
