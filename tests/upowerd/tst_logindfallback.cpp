#include "consolekitmock.h"
#include "poweractions.h"
#include "powercontroller.h"
#include "settingskeys.h"
#include "systempower.h"
#include "testicontheme.h"
#include "upowermock.h"
#include "wmain.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QtTest>
#include <memory>

// When the catalogue and the requests go to logind, and that they never do
// while the old UPower and ConsoleKit answer. "UPower 0.99" is dbusmock's
// own upower template: no Can* properties, no Hibernate or Suspend.
class TestLogindFallback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(TestIconTheme::install()); }
    void init();
    void cleanup();

    void catalogueAsksLogind_data();
    void catalogueAsksLogind();
    void requestsGoToLogindWithoutWaiting_data();
    void requestsGoToLogindWithoutWaiting();
    void oldStackNeverReachesLogind_data();
    void oldStackNeverReachesLogind();
    void refusalsAreNotHandedOver_data();
    void refusalsAreNotHandedOver();

private:
    static std::unique_ptr<MockService> newUPower()
    {
        return std::make_unique<MockService>(QStringLiteral("org.freedesktop.UPower"),
                                             QStringLiteral("/org/freedesktop/UPower"),
                                             QStringLiteral("upower"));
    }
    bool startLogind(const QString &canHibernate, const QString &canSuspend)
    {
        logind = std::make_unique<MockService>(
                QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("logind"),
                QVariantMap{{QStringLiteral("CanHibernate"), canHibernate},
                            {QStringLiteral("CanSuspend"), canSuspend}});
        return logind->start();
    }
    // Replaces a method of a running mock with one that runs the code.
    static void replaceMethod(MockService &service, const QString &interface, const QString &method,
                              const QString &in, const QString &code)
    {
        service.mock(QStringLiteral("AddMethod"), {interface, method, in, QString(), code});
    }

    std::unique_ptr<MockService> logind;
};

void TestLogindFallback::init()
{
    QSettings().clear();
}

void TestLogindFallback::cleanup()
{
    logind.reset();
}

void TestLogindFallback::catalogueAsksLogind_data()
{
    QTest::addColumn<bool>("withUPower");
    QTest::addColumn<QString>("canHibernate"); // logind's answers; empty: no logind
    QTest::addColumn<QString>("canSuspend");
    QTest::addColumn<QStringList>("identifiers");

    QTest::newRow("yes, no") << true << "yes"
                             << "no" << QStringList{"*", "hibernate", "shutdown"};
    QTest::newRow("challenge") << true << "challenge"
                               << "challenge"
                               << QStringList{"*", "hibernate", "shutdown", "suspend"};
    QTest::newRow("na, yes") << true << "na"
                             << "yes" << QStringList{"*", "shutdown", "suspend"};
    QTest::newRow("no logind") << true << ""
                               << "" << QStringList{"*", "shutdown"};
    QTest::newRow("no UPower") << false << "yes"
                               << "yes" << QStringList{"*", "hibernate", "shutdown", "suspend"};
}

void TestLogindFallback::catalogueAsksLogind()
{
    QFETCH(bool, withUPower);
    QFETCH(QString, canHibernate);
    QFETCH(QString, canSuspend);
    QFETCH(QStringList, identifiers);

    auto upower = newUPower();
    if (withUPower)
        QVERIFY(upower->start());
    if (!canHibernate.isEmpty())
        QVERIFY(startLogind(canHibernate, canSuspend));

    const QMap<QString, QString> actions = powerActions(readSleepSupport());
    QCOMPARE(actions.keys(), identifiers);
    if (actions.contains(QStringLiteral("hibernate")))
        QCOMPARE(actions.value(QStringLiteral("hibernate")), QStringLiteral("Hibernate"));
    if (logind)
        QCOMPARE(logind->callNames(), (QStringList{"CanHibernate", "CanSuspend"}));
}

void TestLogindFallback::requestsGoToLogindWithoutWaiting_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("withUPower");
    QTest::addColumn<QString>("method");

    QTest::newRow("hibernate, UPower 0.99") << "hibernate" << true << "Hibernate";
    QTest::newRow("suspend, UPower 0.99") << "suspend" << true << "Suspend";
    QTest::newRow("suspend, no UPower") << "suspend" << false << "Suspend";
    QTest::newRow("shutdown, no ConsoleKit") << "shutdown" << true << "PowerOff";
}

void TestLogindFallback::requestsGoToLogindWithoutWaiting()
{
    QFETCH(QString, action);
    QFETCH(bool, withUPower);
    QFETCH(QString, method);

    auto upower = newUPower();
    if (withUPower)
        QVERIFY(upower->start());
    QVERIFY(startLogind(QStringLiteral("yes"), QStringLiteral("yes")));
    replaceMethod(*logind, QStringLiteral("org.freedesktop.login1.Manager"), method,
                  QStringLiteral("b"), QStringLiteral("time.sleep(5)"));

    QObject requests;
    QElapsedTimer clock;
    clock.start();
    requestPowerAction(&requests, action);
    // Long enough for UPower's answer and the request to logind. Only a
    // wait for logind's answer can hold this loop for its five seconds.
    QTest::qWait(1000);
    QVERIFY2(clock.elapsed() < 5000, "the interface waited for logind");

    QVERIFY(logind->waitForCalls(method, 1));
    QCOMPARE(logind->methodCalls(method), QList<QVariantList>{{false}});
    QCOMPARE(logind->callNames(), QStringList{method});
}

void TestLogindFallback::oldStackNeverReachesLogind_data()
{
    QTest::addColumn<bool>("canSleep");
    QTest::newRow("can sleep") << true;
    // A UPower saying no is an answer: logind is not asked instead.
    QTest::newRow("cannot sleep") << false;
}

void TestLogindFallback::oldStackNeverReachesLogind()
{
    QFETCH(bool, canSleep);

    UPowerMock upower(
            {{QStringLiteral("CanHibernate"), canSleep}, {QStringLiteral("CanSuspend"), canSleep}});
    ConsoleKitMock consoleKit;
    QVERIFY(upower.start());
    QVERIFY(consoleKit.start());
    QVERIFY(startLogind(QStringLiteral("yes"), QStringLiteral("yes")));

    QCOMPARE(powerActions(readSleepSupport()).contains(QStringLiteral("hibernate")), canSleep);
    QObject requests;
    for (const char *action : {"hibernate", "suspend", "shutdown"})
        requestPowerAction(&requests, QString::fromLatin1(action));
    QVERIFY(upower.waitForCalls(QStringLiteral("Suspend"), 1));

    // The monitor: one battery at its critical level with the default
    // action, one with a stored suspend.
    upower.addDevice(QStringLiteral("BAT0"),
                     UPowerMock::battery(QStringLiteral("BAT0"), 2.5, 50.0, 2));
    const QString second = upower.addDevice(
            QStringLiteral("BAT1"), UPowerMock::battery(QStringLiteral("BAT1"), 2.5, 50.0, 2));
    QSettings settings;
    settings.setValue(SettingsKeys::criticalAction(second), QStringLiteral("suspend"));
    settings.sync();
    WMain w;
    w.controller()->tick();
    QVERIFY(upower.waitForCalls(QStringLiteral("Suspend"), 2));
    QCOMPARE(consoleKit.stops(), 2);
    QCOMPARE(upower.callCount(QStringLiteral("Hibernate")), 1);

    QTest::qWait(500);
    QCOMPARE(logind->callNames(), QStringList());
}

void TestLogindFallback::refusalsAreNotHandedOver_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("UPower refuses to hibernate") << "hibernate";
    QTest::newRow("ConsoleKit refuses to stop") << "shutdown";
}

void TestLogindFallback::refusalsAreNotHandedOver()
{
    QFETCH(QString, action);

    UPowerMock upower;
    ConsoleKitMock consoleKit;
    QVERIFY(upower.start());
    QVERIFY(consoleKit.start());
    QVERIFY(startLogind(QStringLiteral("yes"), QStringLiteral("yes")));
    const QString refusal =
            QStringLiteral("raise dbus.exceptions.DBusException('not allowed', name='%1')");
    replaceMethod(upower, QStringLiteral("org.freedesktop.UPower"), QStringLiteral("Hibernate"),
                  QString(), refusal.arg(QStringLiteral("org.freedesktop.UPower.GeneralError")));
    replaceMethod(consoleKit, QStringLiteral("org.freedesktop.ConsoleKit.Manager"),
                  QStringLiteral("Stop"), QString(),
                  refusal.arg(QStringLiteral("org.freedesktop.DBus.Error.AccessDenied")));

    QObject requests;
    requestPowerAction(&requests, action);
    if (action == QLatin1String("hibernate"))
        QVERIFY(upower.waitForCalls(QStringLiteral("Hibernate"), 1));
    else
        QCOMPARE(consoleKit.stops(), 1);
    QTest::qWait(500);
    QCOMPARE(logind->callNames(), QStringList());
}

QTEST_MAIN(TestLogindFallback)
#include "tst_logindfallback.moc"
