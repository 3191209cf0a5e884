#include "consolekitmock.h"
#include "poweractions.h"
#include "systempower.h"
#include "upowermock.h"

#include <QElapsedTimer>
#include <QtTest>
#include <memory>

// Which actions the machine offers, and the requests each action sends to
// the mocked UPower and ConsoleKit.
class TestPowerActions : public QObject
{
    Q_OBJECT

private slots:
    void catalogueFollowsDaemon_data();
    void catalogueFollowsDaemon();
    void catalogueWithoutDaemon();
    void sleepRequestsDoNotWait_data();
    void sleepRequestsDoNotWait();
    void everythingElseStopsThroughConsoleKit_data();
    void everythingElseStopsThroughConsoleKit();
    void hibernateIsSentEvenWhenNotOffered();

private:
};

void TestPowerActions::catalogueFollowsDaemon_data()
{
    QTest::addColumn<bool>("canHibernate");
    QTest::addColumn<bool>("canSuspend");
    QTest::addColumn<QStringList>("identifiers");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("neither") << false << false << QStringList{"*", "shutdown"}
                             << QStringList{"Nothing", "Shutdown"};
    QTest::newRow("both") << true << true << QStringList{"*", "hibernate", "shutdown", "suspend"}
                          << QStringList{"Nothing", "Hibernate", "Shutdown", "Suspend"};
    QTest::newRow("suspend only") << false << true << QStringList{"*", "shutdown", "suspend"}
                                  << QStringList{"Nothing", "Shutdown", "Suspend"};
}

void TestPowerActions::catalogueFollowsDaemon()
{
    QFETCH(bool, canHibernate);
    QFETCH(bool, canSuspend);
    QFETCH(QStringList, identifiers);
    QFETCH(QStringList, texts);

    UPowerMock upower({{QStringLiteral("CanHibernate"), canHibernate},
                       {QStringLiteral("CanSuspend"), canSuspend}});
    QVERIFY(upower.start());
    const QMap<QString, QString> actions = powerActions(readSleepSupport());
    QCOMPARE(actions.keys(), identifiers);
    QCOMPARE(actions.values(), texts);

    // Asked afresh every time: the daemon changing its mind shows at once.
    upower.setCanSleep(!canHibernate, canSuspend);
    QCOMPARE(powerActions(readSleepSupport()).contains(QStringLiteral("hibernate")), !canHibernate);
}

void TestPowerActions::catalogueWithoutDaemon()
{
    QCOMPARE(powerActions(readSleepSupport()).keys(), (QStringList{"*", "shutdown"}));
}

void TestPowerActions::sleepRequestsDoNotWait_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("method");
    QTest::newRow("hibernate") << "hibernate"
                               << "Hibernate";
    QTest::newRow("suspend") << "suspend"
                             << "Suspend";
}

void TestPowerActions::sleepRequestsDoNotWait()
{
    QFETCH(QString, action);
    QFETCH(QString, method);

    UPowerMock upower(
            {{QStringLiteral("CanHibernate"), true}, {QStringLiteral("CanSuspend"), true}});
    ConsoleKitMock consoleKit;
    QVERIFY(upower.start());
    QVERIFY(consoleKit.start());
    constexpr int answerDelay = 5; // seconds UPower takes to answer
    upower.setSleepDelay(answerDelay);
    upower.clearCalls();

    QObject requests;
    QElapsedTimer clock;
    clock.start();
    requestPowerAction(&requests, action);
    // Only a request that waited for the answer can take that long.
    QVERIFY2(clock.elapsed() < answerDelay * 1000, "the request waited for UPower's answer");

    QVERIFY(upower.waitForCalls(method, 1));
    QTest::qWait(200);
    QCOMPARE(upower.callNames(), QStringList{method});
    QCOMPARE(consoleKit.stops(), 0);
}

void TestPowerActions::everythingElseStopsThroughConsoleKit_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("shutdown") << "shutdown";
    QTest::newRow("capital Hibernate") << "Hibernate";
    QTest::newRow("empty") << "";
    QTest::newRow("unknown") << "reboot";
    QTest::newRow("suspend with blank") << "suspend ";
}

void TestPowerActions::everythingElseStopsThroughConsoleKit()
{
    QFETCH(QString, action);

    UPowerMock upower(
            {{QStringLiteral("CanHibernate"), true}, {QStringLiteral("CanSuspend"), true}});
    ConsoleKitMock consoleKit;
    QVERIFY(upower.start());
    QVERIFY(consoleKit.start());

    QObject requests;
    requestPowerAction(&requests, action);
    // The shutdown request waits for ConsoleKit: it is there at once.
    QCOMPARE(consoleKit.stops(), 1);
    QTest::qWait(200);
    QCOMPARE(upower.callNames(), QStringList());
}

void TestPowerActions::hibernateIsSentEvenWhenNotOffered()
{
    UPowerMock upower;
    QVERIFY(upower.start());
    QVERIFY(!powerActions(readSleepSupport()).contains(QStringLiteral("hibernate")));
    QObject requests;
    requestPowerAction(&requests, QStringLiteral("hibernate"));
    QVERIFY(upower.waitForCalls(QStringLiteral("Hibernate"), 1));
}

QTEST_MAIN(TestPowerActions)
#include "tst_poweractions.moc"
