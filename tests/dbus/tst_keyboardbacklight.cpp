#include "keyboardbacklight.h"
#include "simulatedsysfs.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

// The keyboard's light through Debian's real upowerd, which serves it from
// a /sys/class/leds/*kbd_backlight* device that umockdev simulates.
class TestKeyboardBacklight : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsSetsAndFollows();
    void noLightIsNoError_data();
    void noLightIsNoError();

private:
    static const QString light;

    // Asks the daemon itself: by default from a connection of the test's
    // own, so that the class under test sees only what the daemon announces;
    // on the class's connection, to come after what it sent.
    static QDBusMessage callDaemon(
            const QString &method, const QVariantList &args = {},
            QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SystemBus, "test"))
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
                "org.freedesktop.UPower", "/org/freedesktop/UPower/KbdBacklight",
                "org.freedesktop.UPower.KbdBacklight", method);
        call.setArguments(args);
        return bus.call(call);
    }
    static int daemonLevel()
    {
        const QDBusMessage reply = callDaemon("GetBrightness", {}, QDBusConnection::systemBus());
        return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toInt() : -1;
    }

    std::unique_ptr<SimulatedSysfs> sysfs;
};

const QString TestKeyboardBacklight::light = QStringLiteral("tpacpi::kbd_backlight");

void TestKeyboardBacklight::init()
{
    sysfs = std::make_unique<SimulatedSysfs>();
}

void TestKeyboardBacklight::cleanup()
{
    if (QTest::currentTestFailed())
        sysfs->command("log");
    sysfs.reset();
}

void TestKeyboardBacklight::readsSetsAndFollows()
{
    QVERIFY(sysfs->command("add leds " + light + " max_brightness 2 brightness 1"));
    QVERIFY(sysfs->command("start"));
    KeyboardBacklight keyboard;
    QSignalSpy refusals(&keyboard, &KeyboardBacklight::refused);
    QCOMPARE(keyboard.presence(), KeyboardBacklight::Presence::Asking);
    QTRY_COMPARE(keyboard.presence(), KeyboardBacklight::Presence::Present);
    QCOMPARE(keyboard.maxBrightness(), 2);
    QCOMPARE(keyboard.brightness(), 1);

    // Set: the daemon writes the device and tells it; beyond the range is
    // held to it.
    QSignalSpy levels(&keyboard, &KeyboardBacklight::brightnessChanged);
    keyboard.setBrightness(7);
    QTRY_COMPARE(sysfs->attribute(light, "brightness"), QStringLiteral("2"));
    QTRY_COMPARE(keyboard.brightness(), 2);
    QCOMPARE(daemonLevel(), 2);

    // Set by another program: followed from the daemon's signal.
    QCOMPARE(callDaemon("SetBrightness", {0}).type(), QDBusMessage::ReplyMessage);
    QTRY_COMPARE(keyboard.brightness(), 0);
    QCOMPARE(QList<QVariantList>(levels), (QList<QVariantList>{{2}, {0}}));

    // The daemon restarts (an upgrade): nothing meanwhile, then read anew.
    QVERIFY(sysfs->command("halt"));
    QTRY_COMPARE(keyboard.presence(), KeyboardBacklight::Presence::Absent);
    QCOMPARE(keyboard.brightness(), -1);
    QCOMPARE(keyboard.maxBrightness(), 0);
    QVERIFY(sysfs->command("set " + light + " brightness 1"));
    QVERIFY(sysfs->command("start"));
    QTRY_COMPARE(keyboard.presence(), KeyboardBacklight::Presence::Present);
    QCOMPARE(keyboard.brightness(), 1);
    keyboard.setBrightness(-1);
    QTRY_COMPARE(sysfs->attribute(light, "brightness"), QStringLiteral("0"));
    QCOMPARE(refusals.count(), 0);
}

void TestKeyboardBacklight::noLightIsNoError_data()
{
    QTest::addColumn<QString>("device");
    QTest::newRow("no keyboard light") << QString();
    QTest::newRow("maximum 0") << "add leds " + light + " max_brightness 0 brightness 0";
}

void TestKeyboardBacklight::noLightIsNoError()
{
    QFETCH(QString, device);
    if (!device.isEmpty())
        QVERIFY(sysfs->command(device));
    QVERIFY(sysfs->command("start"));
    KeyboardBacklight keyboard;
    QSignalSpy refusals(&keyboard, &KeyboardBacklight::refused);
    QTRY_COMPARE(keyboard.presence(), KeyboardBacklight::Presence::Absent);
    QCOMPARE(keyboard.maxBrightness(), 0);
    QCOMPARE(keyboard.brightness(), -1);

    // Nothing is sent: a call on the class's connection, answered after
    // anything it sent, finds the daemon's level as it was (or no object),
    // and no refusal was due.
    keyboard.setBrightness(1);
    QCOMPARE(daemonLevel(), device.isEmpty() ? -1 : 0);
    QCoreApplication::processEvents();
    QCOMPARE(keyboard.presence(), KeyboardBacklight::Presence::Absent);
    QCOMPARE(refusals.count(), 0);
}

QTEST_GUILESS_MAIN(TestKeyboardBacklight)
#include "tst_keyboardbacklight.moc"
