#include "consolekitmock.h"
#include "desktopmocks.h"
#include "mockservice.h"
#include "powercontroller.h"
#include "settingskeys.h"
#include "testicontheme.h"
#include "upowermock.h"
#include "wmain.h"

#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QSettings>
#include <QtTest>
#include <memory>

// A critical action the system refuses is told, once per run-down, while
// the monitor goes on asking for it on every tick.
class TestRefusal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void refusedShutdownNamesWhoIsInTheWay();
    void refusalWithoutInhibitorGivesTheError_data();
    void refusalWithoutInhibitorGivesTheError();
    void refusalAfterChargingAgainIsNotTold();
    void olderStackConsoleKitRefusal();

private:
    // dbusmock's UPower 0.99 with a battery at 8 %, discharging, and so on
    // battery as upowerd would say; logind answers method with the error.
    QString startTodaysStack(const QString &method, const QString &error, double delay = 0)
    {
        upower = std::make_unique<MockService>(
                QStringLiteral("org.freedesktop.UPower"), QStringLiteral("/org/freedesktop/UPower"),
                QStringLiteral("upower"), QVariantMap{{QStringLiteral("OnBattery"), true}});
        logind = std::make_unique<MockService>(
                QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("logind"), QVariantMap{{QStringLiteral("CanSuspend"), "yes"}});
        if (!upower->start() || !logind->start())
            return QString();
        logind->mock(QStringLiteral("AddMethod"),
                     {QStringLiteral("org.freedesktop.login1.Manager"), method, QStringLiteral("b"),
                      QString(),
                      QStringLiteral("import time; time.sleep(%1); raise "
                                     "dbus.exceptions.DBusException(%2, "
                                     "name='org.freedesktop.DBus.Error.AccessDenied')")
                              .arg(delay)
                              .arg(error)});
        const QDBusMessage added = upower->mock(
                QStringLiteral("AddDischargingBattery"),
                {QStringLiteral("BAT0"), QStringLiteral("Demo Battery 1"), 8.0, qlonglong(600)});
        return added.type() == QDBusMessage::ReplyMessage
                ? QStringLiteral("/org/freedesktop/UPower/devices/BAT0")
                : QString();
    }
    void setState(const QString &path, uint state)
    {
        upower->mock(QStringLiteral("SetDeviceProperties"),
                     {QVariant::fromValue(QDBusObjectPath(path)),
                      QVariantMap{{QStringLiteral("State"), state}}});
    }
    QStringList refusals() const
    {
        QStringList told;
        for (const auto &notification : desktop.notifications()) {
            if (notification.body.contains(QStringLiteral("was refused")))
                told << notification.body;
        }
        return told;
    }
    bool told(const QString &message) const
    {
        for (const auto &notification : desktop.notifications()) {
            if (notification.body == message)
                return true;
        }
        return false;
    }
    // Runs the monitor until the refusal of its request has come back and
    // been looked at by one more run.
    void runPastRefusal(WMain &w, const QString &method)
    {
        const int before = logind->callCount(method);
        w.controller()->tick();
        QVERIFY(logind->waitForCalls(method, before + 1));
        QTest::qWait(300);
        w.controller()->tick();
    }

    DesktopMocks desktop;
    std::unique_ptr<MockService> upower;
    std::unique_ptr<MockService> logind;
};

void TestRefusal::initTestCase()
{
    QVERIFY(TestIconTheme::install());
    QVERIFY(desktop.start());
}

void TestRefusal::init()
{
    QSettings().clear();
    desktop.clearNotifications();
}

void TestRefusal::cleanup()
{
    upower.reset();
    logind.reset();
}

void TestRefusal::refusedShutdownNamesWhoIsInTheWay()
{
    const QString path = startTodaysStack(QStringLiteral("PowerOff"), QStringLiteral("'Denied'"));
    QVERIFY(!path.isEmpty());
    // A backup holds logind's block on shutdown and sleep while it runs.
    const QDBusMessage held = logind->connection().call(
            QDBusMessage::createMethodCall(logind->busName(), logind->mainPath(),
                                           QStringLiteral("org.freedesktop.login1.Manager"),
                                           QStringLiteral("Inhibit"))
            << QStringLiteral("shutdown:sleep") << QStringLiteral("Backup Tool")
            << QStringLiteral("Copying files") << QStringLiteral("block"));
    const auto inhibitor = held.arguments().value(0).value<QDBusUnixFileDescriptor>();
    QVERIFY(inhibitor.isValid());

    WMain w;
    runPastRefusal(w, QStringLiteral("PowerOff"));
    QTRY_COMPARE(refusals(),
                 QStringList{QString::fromUtf8(
                         "Shutdown at 10\u00a0% was refused: Backup Tool is keeping the machine on "
                         "(Copying files). Demo Battery 1 is at 8\u00a0%: save your work.")});

    // Still asked for on every tick, and told no more in this run-down.
    for (int run = 0; run < 3; ++run)
        runPastRefusal(w, QStringLiteral("PowerOff"));
    QTest::qWait(300);
    QCOMPARE(refusals().size(), 1);

    // The power came back and went again: a new run-down, told anew.
    setState(path, 1);
    QTRY_VERIFY((w.controller()->tick(), told(QStringLiteral("Power is up"))));
    setState(path, 2);
    QTRY_VERIFY((w.controller()->tick(), told(QStringLiteral("Power is down"))));
    runPastRefusal(w, QStringLiteral("PowerOff"));
    QTRY_COMPARE(refusals().size(), 2);
}

void TestRefusal::refusalWithoutInhibitorGivesTheError_data()
{
    QTest::addColumn<QString>("error"); // as Python
    QTest::addColumn<QString>("shown"); // in the notification, whose body is markup
    QTest::newRow("its text") << "'Sleep is not allowed on this seat'"
                              << "Sleep is not allowed on this seat";
    QTest::newRow("markup, two lines")
            << "'<b>Not</b> <i>now</i>\\nsecond line'"
            << "&lt;b&gt;Not&lt;/b&gt; &lt;i&gt;now&lt;/i&gt; second line";
    QTest::newRow("a megabyte") << "'x' * (1024 * 1024)"
                                << QString(159, QLatin1Char('x')) + QChar(0x2026);
}

void TestRefusal::refusalWithoutInhibitorGivesTheError()
{
    QFETCH(QString, error);
    QFETCH(QString, shown);
    const QString path = startTodaysStack(QStringLiteral("Suspend"), error);
    QVERIFY(!path.isEmpty());
    QSettings().setValue(SettingsKeys::criticalAction(path), QStringLiteral("suspend"));

    WMain w;
    runPastRefusal(w, QStringLiteral("Suspend"));
    QTRY_COMPARE(refusals().size(), 1);
    QCOMPARE(refusals().constFirst(),
             QString::fromUtf8("Suspend at 10\u00a0% was refused: %1. Demo Battery 1 is at "
                               "8\u00a0%: save your work.")
                     .arg(shown));
}

void TestRefusal::refusalAfterChargingAgainIsNotTold()
{
    // logind takes a while to say no; meanwhile the plug goes back in.
    const QString path =
            startTodaysStack(QStringLiteral("PowerOff"), QStringLiteral("'Denied'"), 1.5);
    QVERIFY(!path.isEmpty());
    WMain w;
    w.controller()->tick();
    QVERIFY(logind->waitForCalls(QStringLiteral("PowerOff"), 1));
    setState(path, 1);
    QTest::qWait(2500);
    w.controller()->tick();
    QTest::qWait(300);
    QCOMPARE(refusals(), QStringList());
    QCOMPARE(logind->callCount(QStringLiteral("PowerOff")), 1);
}

void TestRefusal::olderStackConsoleKitRefusal()
{
    UPowerMock oldUPower;
    ConsoleKitMock consoleKit;
    QVERIFY(oldUPower.start());
    QVERIFY(consoleKit.start());
    consoleKit.mock(QStringLiteral("AddMethod"),
                    {QStringLiteral("org.freedesktop.ConsoleKit.Manager"), QStringLiteral("Stop"),
                     QString(), QString(),
                     QStringLiteral("raise dbus.exceptions.DBusException('Not authorized', "
                                    "name='org.freedesktop.ConsoleKit.Manager.NotPrivileged')")});
    oldUPower.addDevice(QStringLiteral("BAT0"),
                        UPowerMock::battery(QStringLiteral("Old Cell"), 4, 50, 2));
    WMain w;
    for (int run = 1; run <= 3; ++run) {
        w.controller()->tick();
        QCOMPARE(consoleKit.stops(), run);
    }
    QTRY_COMPARE(refusals(),
                 QStringList{QString::fromUtf8("Shutdown at 10\u00a0% was refused: Not authorized. "
                                               "Old Cell is at 8\u00a0%: save your work.")});
}

QTEST_MAIN(TestRefusal)
#include "tst_refusal.moc"
