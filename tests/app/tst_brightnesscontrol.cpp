#include "brightnesscontrol.h"
#include "logindsession.h"
#include "simulatedsysfs.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

// The controller of the lights on devices that umockdev simulates, with
// the simulation's stand-in for logind, which records SetBrightness and
// sets the simulated backlight as logind and the kernel do, and Debian's
// upowerd serving the keyboard light from the same sysfs. What it must
// never do with odd devices: crash, ask for a wrong level, or ask again and
// again.
class TestBrightnessControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oddBacklightsAskNothingWrong_data();
    void oddBacklightsAskNothingWrong();
    void aHeldKeyAsksEachStepOnce();
    void aRefusalIsToldOnceUntilALevelGoesThrough();
    void aKeyboardLightOfMaximumZeroIsNone();

private:
    // Every SetBrightness the stand-in received, as "subsystem name level".
    QStringList logindCalls()
    {
        QString json;
        if (!sysfs->command(QStringLiteral("logind-calls"), &json))
            return {QStringLiteral("no answer")};
        QStringList calls;
        for (const QJsonValue &call : QJsonDocument::fromJson(json.toUtf8()).array()) {
            const QJsonArray args = call.toArray();
            calls << QStringLiteral("%1 %2 %3")
                             .arg(args.at(0).toString(), args.at(1).toString())
                             .arg(args.at(2).toInt());
        }
        return calls;
    }
    // A call of the control's own on its connection, answered after all it
    // sent before: nothing it asked for can still be on its way.
    static void settle()
    {
        QDBusConnection::systemBus().call(QDBusMessage::createMethodCall(
                "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "GetId"));
        QCoreApplication::processEvents();
    }
    static void pressEveryKey(BrightnessControl &control)
    {
        control.screenUp();
        control.screenDown();
        control.keyboardUp();
        control.keyboardDown();
        control.toggleKeyboard();
    }

    std::unique_ptr<SimulatedSysfs> sysfs;
};

void TestBrightnessControl::init()
{
    sysfs = std::make_unique<SimulatedSysfs>();
    QVERIFY(sysfs->useHere());
    QVERIFY(sysfs->command(QStringLiteral("logind")));
}

void TestBrightnessControl::cleanup()
{
    sysfs.reset();
}

void TestBrightnessControl::oddBacklightsAskNothingWrong_data()
{
    // "add" commands; then what the control sees, and what 40 % asks for.
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QString>("vanishing");
    QTest::addColumn<bool>("hasScreen");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("maximum 0")
            << QStringList{"backlight acpi_video0 type firmware max_brightness 0 brightness 0"}
            << "" << false << -1 << QStringList{};
    QTest::newRow("garbage for a level: keys do nothing, a percentage is a level")
            << QStringList{"backlight intel_backlight type raw max_brightness 937 brightness "
                           "lots actual_brightness lots"}
            << "" << true << -1 << QStringList{"backlight intel_backlight 150"};
    QTest::newRow("garbage for a maximum")
            << QStringList{"backlight intel_backlight type raw max_brightness '9 7' brightness 3"}
            << "" << false << -1 << QStringList{};
    QTest::newRow("several of each type: the first firmware one")
            << QStringList{"backlight raw_a type raw max_brightness 937 brightness 600",
                           "backlight raw_b type raw max_brightness 937 brightness 600",
                           "backlight dell_a type platform max_brightness 15 brightness 9",
                           "backlight dell_b type platform max_brightness 15 brightness 9",
                           "backlight acpi_video1 type firmware max_brightness 100 brightness 49",
                           "backlight acpi_video0 type firmware max_brightness 100 brightness 49"}
            << "" << true << 49
            << QStringList{"backlight acpi_video0 64", "backlight acpi_video0 16"};
    QTest::newRow("gone between its event and its reading")
            << QStringList{"backlight intel_backlight type raw max_brightness 937 brightness 400"}
            << "intel_backlight" << false << -1 << QStringList{};
}

void TestBrightnessControl::oddBacklightsAskNothingWrong()
{
    QFETCH(QStringList, devices);
    QFETCH(QString, vanishing);
    QFETCH(bool, hasScreen);
    QFETCH(int, level);
    QFETCH(QStringList, calls);
    for (const QString &device : devices)
        QVERIFY(sysfs->command("add " + device));

    LogindSession session;
    BrightnessControl control(&session, nullptr);
    QSignalSpy changes(&control, &BrightnessControl::screenChanged);
    QSignalSpy stepped(&control, &BrightnessControl::screenStepped);
    QSignalSpy refusals(&control, &BrightnessControl::refused);
    if (!vanishing.isEmpty()) {
        QVERIFY(control.hasScreen());
        QVERIFY(sysfs->command("uevent " + vanishing + " change"));
        QVERIFY(sysfs->command("vanish " + vanishing));
        QTRY_VERIFY(!control.hasScreen());
    }
    QTRY_VERIFY(session.isAvailable());
    QCOMPARE(control.canSetScreen(), hasScreen);
    QCOMPARE(control.hasScreen(), hasScreen);
    QCOMPARE(control.screenLevel(), level);
    const int changed = changes.count();

    // A key up, a key down, and 40 %, faster than logind answers: what
    // was asked while a level was on its way is merged into the last.
    control.screenUp();
    control.screenDown();
    control.setScreenPercent(40);
    // A level past the maximum (none, without a device) is no level.
    control.setScreenLevel(control.screenMaximum() + 1);
    QTRY_COMPARE(logindCalls(), calls);
    QCOMPARE(stepped.count(), level >= 0 ? 2 : 0);
    QCOMPARE(refusals.count(), 0);
    // Nothing more is asked, nor changes on its own.
    QTest::qWait(200);
    settle();
    QCOMPARE(logindCalls(), calls);
    if (calls.isEmpty())
        QCOMPARE(changes.count(), changed);
}

void TestBrightnessControl::aHeldKeyAsksEachStepOnce()
{
    QVERIFY(sysfs->command("add backlight intel_backlight type raw max_brightness 937 "
                           "brightness 400 actual_brightness 400"));
    LogindSession session;
    BrightnessControl control(&session, nullptr);
    QTRY_VERIFY(control.canSetScreen());
    QSignalSpy stepped(&control, &BrightnessControl::screenStepped);

    // Thirty repeats of a held key, faster than logind answers: each step
    // is asked for at most once, and the top is where it ends.
    for (int repeat = 0; repeat < 30; ++repeat)
        control.screenUp();
    QTRY_COMPARE(control.screenLevel(), 937);
    settle();
    const QStringList calls = logindCalls();
    QVERIFY2(calls.size() <= 4 && calls.last() == "backlight intel_backlight 937",
             qPrintable(calls.join(", ")));
    QCOMPARE(stepped.count(), 30);
    QCOMPARE(stepped.last().constFirst().toInt(), 100);
    // At the top, up asks nothing more.
    control.screenUp();
    settle();
    QCOMPARE(logindCalls(), calls);
}

void TestBrightnessControl::aRefusalIsToldOnceUntilALevelGoesThrough()
{
    QVERIFY(sysfs->command("add backlight intel_backlight type raw max_brightness 937 "
                           "brightness 600 actual_brightness 600"));
    QVERIFY(sysfs->command("logind-refuse Session is not in foreground, refusing."));
    LogindSession session;
    BrightnessControl control(&session, nullptr);
    QTRY_VERIFY(control.canSetScreen());
    QSignalSpy refusals(&control, &BrightnessControl::refused);
    QSignalSpy changes(&control, &BrightnessControl::screenChanged);

    // Each refusal shows the device's level again; the next press comes
    // after it (one that came before would be merged behind the refused
    // level, and dropped with it).
    for (int press = 1; press <= 3; ++press) {
        control.screenDown();
        QTRY_COMPARE(changes.count(), press);
    }
    settle();
    QCOMPARE(refusals.count(), 1);
    QCOMPARE(refusals.constFirst().constFirst().toString(),
             QStringLiteral("The screen's brightness could not be changed: Session is not in "
                            "foreground, refusing."));
    // Each press stepped from the device's level, which kept still.
    QCOMPARE(logindCalls(),
             QStringList({"backlight intel_backlight 459", "backlight intel_backlight 459",
                          "backlight intel_backlight 459"}));
    QCOMPARE(control.screenLevel(), 600);

    // The session comes to the front: a level goes through, and a later
    // refusal is told again.
    QVERIFY(sysfs->command("logind-refuse"));
    control.screenDown();
    QTRY_COMPARE(control.screenLevel(), 459);
    QVERIFY(sysfs->command("logind-refuse Session is not in foreground, refusing."));
    control.screenDown();
    QTRY_COMPARE(refusals.count(), 2);
    settle();
    QCOMPARE(logindCalls().size(), 5);
}

void TestBrightnessControl::aKeyboardLightOfMaximumZeroIsNone()
{
    QVERIFY(sysfs->command("add leds tpacpi::kbd_backlight max_brightness 0 brightness 0"));
    QVERIFY(sysfs->command("start"));
    LogindSession session;
    BrightnessControl control(&session, nullptr);
    QSignalSpy stepped(&control, &BrightnessControl::keyboardStepped);
    QSignalSpy changes(&control, &BrightnessControl::keyboardChanged);
    QSignalSpy refusals(&control, &BrightnessControl::refused);
    // Known once upowerd answered: absent, as for no light at all.
    QTRY_VERIFY(changes.count() > 0);
    QTest::qWait(200);
    QVERIFY(!control.hasKeyboard());
    QVERIFY(control.keyboardSteps().isEmpty());
    QCOMPARE(control.keyboardLevel(), -1);

    pressEveryKey(control);
    control.setKeyboardLevel(1);
    settle();
    QCOMPARE(stepped.count(), 0);
    QCOMPARE(refusals.count(), 0);
    QCOMPARE(sysfs->attribute("tpacpi::kbd_backlight", "brightness"), QStringLiteral("0"));
    QCOMPARE(logindCalls(), QStringList());
}

WEX_UMOCKDEV_TEST_MAIN(TestBrightnessControl)
#include "tst_brightnesscontrol.moc"
