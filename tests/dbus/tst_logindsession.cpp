#include "logindsession.h"
#include "mockservice.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

// The program's own logind session against dbusmock's logind, whose session
// "auto" stands for the one logind finds for the caller.
class TestLogindSession : public QObject
{
    Q_OBJECT

private slots:
    void setsAndLocksThroughItsSession();
    void refusalIsToldOnceAndNotRetried_data();
    void refusalIsToldOnceAndNotRetried();

private:
    static const QString sessionPath;

    // logind with the session "auto"; its SetBrightness runs code (empty:
    // it takes every level), or is left out as by a logind older than 243.
    static std::unique_ptr<MockService> startLogind(bool withSession, const QString &code,
                                                    bool withSetBrightness = true)
    {
        auto logind = std::make_unique<MockService>(QStringLiteral("org.freedesktop.login1"),
                                                    QStringLiteral("/org/freedesktop/login1"),
                                                    QStringLiteral("logind"));
        if (!logind->start())
            return nullptr;
        if (withSession) {
            logind->mock(QStringLiteral("AddSession"),
                         {QStringLiteral("auto"), QStringLiteral("seat0"), 1000u,
                          QStringLiteral("someone"), true});
        }
        if (withSession && withSetBrightness) {
            logind->mock(QStringLiteral("AddMethod"),
                         {QStringLiteral("org.freedesktop.login1.Session"),
                          QStringLiteral("SetBrightness"), QStringLiteral("ssu"), QString(), code},
                         sessionPath);
        }
        return logind;
    }
};

const QString TestLogindSession::sessionPath =
        QStringLiteral("/org/freedesktop/login1/session/auto");

void TestLogindSession::setsAndLocksThroughItsSession()
{
    auto logind = startLogind(true, QString());
    QVERIFY(logind);
    LogindSession session;
    QSignalSpy refusals(&session, &LogindSession::brightnessRefused);
    QSignalSpy lockRefusals(&session, &LogindSession::lockRefused);
    QSignalSpy taken(&session, &LogindSession::brightnessSet);

    // A held key: the first level goes out, those asked for meanwhile are
    // merged into the last; another device is not held back by this one.
    for (uint level : {100u, 200u, 300u})
        session.setBrightness("backlight", "intel_backlight", level);
    session.setBrightness("leds", "tpacpi::kbd_backlight", 1);
    QVERIFY(logind->waitForCalls("SetBrightness", 3, 5000, sessionPath));
    session.lock();
    QVERIFY(logind->waitForCalls("Lock", 1, 5000, sessionPath));
    QCOMPARE(logind->methodCalls("SetBrightness", sessionPath),
             (QList<QVariantList>{{"backlight", "intel_backlight", 100u},
                                  {"leds", "tpacpi::kbd_backlight", 1u},
                                  {"backlight", "intel_backlight", 300u}}));
    // Each level logind took is told, as it answered.
    QTRY_COMPARE(taken.count(), 3);
    QCOMPARE(QList<QVariantList>(taken),
             (QList<QVariantList>{{"backlight", "intel_backlight", 100u},
                                  {"leds", "tpacpi::kbd_backlight", 1u},
                                  {"backlight", "intel_backlight", 300u}}));
    QCOMPARE(refusals.count(), 0);
    QCOMPARE(lockRefusals.count(), 0);
}

void TestLogindSession::refusalIsToldOnceAndNotRetried_data()
{
    QTest::addColumn<bool>("logindRuns");
    QTest::addColumn<bool>("withSession");
    QTest::addColumn<bool>("withSetBrightness");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("lockRefused");

    QTest::newRow("not the session in front")
            << true << true << true
            << "raise dbus.exceptions.DBusException('Session is not in foreground, refusing.', "
               "name='org.freedesktop.DBus.Error.AccessDenied')"
            << "Session is not in foreground, refusing." << false;
    QTest::newRow("another seat's device")
            << true << true << true
            << "raise dbus.exceptions.DBusException('Device\\n  not on seat', "
               "name='org.freedesktop.login1.NotOnSeat')"
            << "Device not on seat" << false;
    QTest::newRow("logind older than SetBrightness")
            << true << true << false << ""
            << "The login manager (logind) does not offer this for this session." << false;
    QTest::newRow("no session") << true << false << false << ""
                                << "The login manager (logind) does not offer this for this "
                                   "session."
                                << true;
    QTest::newRow("no logind, as on the older stack")
            << false << false << false << ""
            << "No login manager (logind) is running." << true;
}

void TestLogindSession::refusalIsToldOnceAndNotRetried()
{
    QFETCH(bool, logindRuns);
    QFETCH(bool, withSession);
    QFETCH(bool, withSetBrightness);
    QFETCH(QString, code);
    QFETCH(QString, reason);
    QFETCH(bool, lockRefused);

    std::unique_ptr<MockService> logind;
    if (logindRuns) {
        logind = startLogind(withSession, code, withSetBrightness);
        QVERIFY(logind);
    }
    LogindSession session;
    QSignalSpy refusals(&session, &LogindSession::brightnessRefused);
    QSignalSpy lockRefusals(&session, &LogindSession::lockRefused);
    QSignalSpy taken(&session, &LogindSession::brightnessSet);

    for (uint level : {100u, 200u, 300u})
        session.setBrightness("backlight", "intel_backlight", level);
    QTRY_COMPARE(refusals.count(), 1);
    QCOMPARE(refusals.constFirst().constFirst().toString(), reason);
    // Locking comes after anything the refusal could have let go out.
    session.lock();
    QTRY_VERIFY(lockRefused ? lockRefusals.count() == 1
                            : logind->callCount("Lock", sessionPath) == 1);
    if (withSetBrightness)
        QCOMPARE(logind->callCount("SetBrightness", sessionPath), 1);
    QCOMPARE(refusals.count(), 1);

    // A later request is asked again, and told again.
    session.setBrightness("backlight", "intel_backlight", 500);
    QTRY_COMPARE(refusals.count(), 2);
    QCOMPARE(taken.count(), 0);
}

QTEST_GUILESS_MAIN(TestLogindSession)
#include "tst_logindsession.moc"
