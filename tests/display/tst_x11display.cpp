// The display server's parts on X11, against the harness's Xvfb (no window
// manager): idle time from SYNC alarms, key grabs, RandR monitors and the
// missing DPMS. Input comes from xdotool, as from a person.
#include "displayserver.h"
#include "globalkeys.h"
#include "idlewatch.h"
#include "monitors.h"
#include "screenpower.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include <memory>

class TestX11Display : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void idleTimeoutIsReachedAndInputResumes();
    void steadyInputKeepsTimeoutAway();
    void heldKeyIsPressedWithLocksOn();
    void grabFollowsKeyboardRemap();
    void keyHeldByAnotherClientIsLeftAlone();
    void monitorsFollowSetMonitor();
    void screenPowerWithoutDpmsSaysWhy();
    void cleanupTestCase();

private:
    static bool run(const QString &program, const QStringList &arguments);
    bool moveMouse();
    bool lockIsOn(const QString &name);
    void settle();

    std::unique_ptr<DisplayServer> m_server;
    int m_moves = 0;
};

bool TestX11Display::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        qWarning() << program << arguments << process.readAllStandardError();
        return false;
    }
    return true;
}

bool TestX11Display::moveMouse()
{
    // To another place each time: a move to where the pointer is may be no input.
    const int x = 100 + (m_moves++ % 2) * 50;
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QString::number(x), QStringLiteral("100")});
}

bool TestX11Display::lockIsOn(const QString &name)
{
    QProcess xset;
    xset.start(QStringLiteral("xset"), {QStringLiteral("q")});
    xset.waitForFinished(-1);
    const QString state = QString::fromLatin1(xset.readAllStandardOutput());
    return QRegularExpression(name + QStringLiteral(":\\s+on")).match(state).hasMatch();
}

void TestX11Display::settle()
{
    // xdotool has synchronised with the server before it exits: whatever
    // its input sent this program came before the reply to this request.
    m_server->idleWatch()->idleTime();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void TestX11Display::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    m_server = std::make_unique<DisplayServer>();
    QCOMPARE(m_server->kind(), DisplayServer::X11);
    QVERIFY2(m_server->idleWatch()->isAvailable(),
             qPrintable(m_server->idleWatch()->unavailableReason()));
    QVERIFY(m_server->idleWatch()->unavailableReason().isEmpty());
    QVERIFY(m_server->globalKeys()->isAvailable());
}

void TestX11Display::idleTimeoutIsReachedAndInputResumes()
{
    IdleWatch *idle = m_server->idleWatch();
    QSignalSpy reached(idle, &IdleWatch::timeoutReached);
    QSignalSpy resumed(idle, &IdleWatch::resumingFromIdle);
    QVERIFY(moveMouse());
    const int id = idle->addIdleTimeout(1500);
    QVERIFY(id > 0);

    QVERIFY(reached.wait(60000));
    QCOMPARE(reached.size(), 1);
    QCOMPARE(reached.at(0).at(0).toInt(), id);
    QCOMPARE(reached.at(0).at(1).toInt(), 1500);
    QVERIFY(idle->idleTime() >= 1500);

    idle->catchNextResumeEvent();
    QVERIFY(moveMouse());
    QVERIFY(resumed.wait(60000));

    // The server disarms an alarm once it fired: the watch must arm it again
    // at the input, for the next idle period.
    QVERIFY(reached.wait(60000));
    QCOMPARE(reached.size(), 2);
    QCOMPARE(resumed.size(), 1);
    idle->removeIdleTimeout(id);
}

void TestX11Display::steadyInputKeepsTimeoutAway()
{
    IdleWatch *idle = m_server->idleWatch();
    QSignalSpy reached(idle, &IdleWatch::timeoutReached);
    const int timeout = 2000;
    QVERIFY(moveMouse());
    const int id = idle->addIdleTimeout(timeout);

    // The longest the server can have gone without input: from the start of
    // one xdotool to the end of the next.
    QElapsedTimer clock;
    clock.start();
    qint64 longestGap = 0;
    qint64 previousStart = 0;
    while (clock.elapsed() < 3 * timeout) {
        const qint64 start = clock.elapsed();
        QVERIFY(moveMouse());
        longestGap = qMax(longestGap, clock.elapsed() - previousStart);
        previousStart = start;
        QTest::qWait(200);
    }
    settle();
    idle->removeIdleTimeout(id);
    if (longestGap >= timeout)
        QSKIP(qPrintable(
                QStringLiteral("the machine left %1 ms between two inputs").arg(longestGap)));
    QVERIFY2(reached.isEmpty(), qPrintable(QString::number(longestGap)));
}

void TestX11Display::heldKeyIsPressedWithLocksOn()
{
    GlobalKeys *keys = m_server->globalKeys();
    QSignalSpy pressed(keys, &GlobalKeys::pressed);
    QVERIFY(keys->grab(GlobalKeys::MonBrightnessDown));
    QVERIFY(keys->isHeld(GlobalKeys::MonBrightnessDown));

    const QStringList press{QStringLiteral("key"), QStringLiteral("XF86MonBrightnessDown")};
    QVERIFY(run(QStringLiteral("xdotool"), press));
    QVERIFY(pressed.wait(60000));
    QCOMPARE(pressed.at(0).at(0).value<quint32>(), quint32(GlobalKeys::MonBrightnessDown));

    QVERIFY(run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Num_Lock")}));
    QVERIFY(lockIsOn(QStringLiteral("Num Lock")));
    QVERIFY(run(QStringLiteral("xdotool"), press));
    QTRY_COMPARE_WITH_TIMEOUT(pressed.size(), 2, 60000);

    QVERIFY(run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Caps_Lock")}));
    QVERIFY(lockIsOn(QStringLiteral("Caps Lock")));
    QVERIFY(run(QStringLiteral("xdotool"), press));
    QTRY_COMPARE_WITH_TIMEOUT(pressed.size(), 3, 60000);

    QVERIFY(run(QStringLiteral("xdotool"),
                {QStringLiteral("key"), QStringLiteral("Caps_Lock"), QStringLiteral("Num_Lock")}));
    QVERIFY(!lockIsOn(QStringLiteral("Num Lock")));

    keys->ungrab(GlobalKeys::MonBrightnessDown);
    QVERIFY(!keys->isHeld(GlobalKeys::MonBrightnessDown));
    QVERIFY(run(QStringLiteral("xdotool"), press));
    settle();
    QCOMPARE(pressed.size(), 3);
}

void TestX11Display::grabFollowsKeyboardRemap()
{
    // The keysym moves from its keycode (233 in Xvfb's keymap) to a spare
    // one (248); xdotool then presses the new keycode.
    GlobalKeys *keys = m_server->globalKeys();
    QSignalSpy pressed(keys, &GlobalKeys::pressed);
    QSignalSpy remapped(keys, &GlobalKeys::keyboardMappingChanged);
    QVERIFY(keys->grab(GlobalKeys::MonBrightnessUp));

    const QString xmodmap = QStringLiteral("xmodmap");
    QVERIFY(run(xmodmap,
                {QStringLiteral("-e"), QStringLiteral("keycode 248 = XF86MonBrightnessUp")}));
    QVERIFY(remapped.wait(60000));
    QVERIFY(run(xmodmap, {QStringLiteral("-e"), QStringLiteral("keycode 233 = NoSymbol")}));
    QTRY_COMPARE_WITH_TIMEOUT(remapped.size(), 2, 60000);
    QVERIFY(keys->isHeld(GlobalKeys::MonBrightnessUp));

    QVERIFY(run(QStringLiteral("xdotool"),
                {QStringLiteral("key"), QStringLiteral("XF86MonBrightnessUp")}));
    QVERIFY(pressed.wait(60000));
    QCOMPARE(pressed.at(0).at(0).value<quint32>(), quint32(GlobalKeys::MonBrightnessUp));

    QVERIFY(run(xmodmap,
                {QStringLiteral("-e"), QStringLiteral("keycode 233 = XF86MonBrightnessUp"),
                 QStringLiteral("-e"), QStringLiteral("keycode 248 = NoSymbol")}));
    keys->ungrab(GlobalKeys::MonBrightnessUp);
}

void TestX11Display::keyHeldByAnotherClientIsLeftAlone()
{
    QProcess holder;
    holder.start(QStringLiteral(KEYGRABHOLDER), {QStringLiteral("0x1008FF03")});
    QVERIFY(holder.waitForReadyRead(60000));
    QCOMPARE(holder.readLine(), QByteArray("held\n"));

    GlobalKeys *keys = m_server->globalKeys();
    QSignalSpy pressed(keys, &GlobalKeys::pressed);
    QVERIFY(!keys->grab(GlobalKeys::MonBrightnessDown));
    QVERIFY(!keys->isHeld(GlobalKeys::MonBrightnessDown));
    QVERIFY(keys->isAvailable());

    const QStringList press{QStringLiteral("key"), QStringLiteral("XF86MonBrightnessDown")};
    QVERIFY(run(QStringLiteral("xdotool"), press));
    QVERIFY(holder.waitForReadyRead(60000));
    QCOMPARE(holder.readLine(), QByteArray("pressed\n"));
    settle();
    QCOMPARE(pressed.size(), 0);

    // The watch had the lock variants before the refusal came; it must have
    // let them go, or with Caps Lock or Num Lock on the key would reach
    // nobody, the holder being kept from taking them.
    holder.write("locks\n");
    QVERIFY(holder.waitForReadyRead(60000));
    QCOMPARE(holder.readLine(), QByteArray("held\n"));

    // Once the holder is gone, the key is free to take.
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(60000));
    QCOMPARE(holder.exitCode(), 0);
    QVERIFY(keys->grab(GlobalKeys::MonBrightnessDown));
    keys->ungrab(GlobalKeys::MonBrightnessDown);
}

void TestX11Display::monitorsFollowSetMonitor()
{
    Monitors *monitors = m_server->monitors();
    QCOMPARE(monitors->count(), 1);
    const QString xrandr = QStringLiteral("xrandr");
    QVERIFY(run(xrandr,
                {QStringLiteral("--setmonitor"), QStringLiteral("wex-second"),
                 QStringLiteral("640/100x480/100+1280+0"), QStringLiteral("none")}));
    QCOMPARE(monitors->count(), 2);
    QVERIFY(run(xrandr, {QStringLiteral("--delmonitor"), QStringLiteral("wex-second")}));
    QCOMPARE(monitors->count(), 1);
}

void TestX11Display::screenPowerWithoutDpmsSaysWhy()
{
    // Xvfb has no DPMS.
    ScreenPower *power = m_server->screenPower();
    QVERIFY(!power->isAvailable());
    QCOMPARE(power->unavailableReason(),
             QStringLiteral("This X server cannot turn the screen off (no DPMS)"));
    QVERIFY(!power->turnOff());
    QVERIFY(!power->turnOn());
}

void TestX11Display::cleanupTestCase()
{
    m_server.reset();
}

QTEST_MAIN(TestX11Display)
#include "tst_x11display.moc"
