#include "clock.h"
#include "monitorrules.h"
#include "scheduledrequests.h"
#include "settingskeys.h"

#include <QDateTime>
#include <QScopeGuard>
#include <QSettings>
#include <QtTest>
#include <ctime>

// When the schedules are due, by which clock, and when the machine was away.
class TestSchedules : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void dueAgainIn_data();
    void dueAgainIn();
    void awayMeansLaterThanPlanned();
    void timeOfDayIsTheZonesWallClock();
    void sleepEndsWhereTheOffsetChanges();
};

namespace {
// Sets the zone for the block; the one before comes back after.
auto zone(const QByteArray &name)
{
    const QByteArray before = qgetenv("TZ");
    qputenv("TZ", name);
    tzset();
    return qScopeGuard([before] {
        if (before.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", before);
        tzset();
    });
}
} // namespace

// The monitor sleeps until a schedule is due: exactly until the first
// moment the window's rule holds, never past it.
void TestSchedules::dueAgainIn_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<qint64>("waitMs");

    QTest::newRow("due") << QTime(22, 0, 30) << QTime(22, 0) << qint64(0);
    QTest::newRow("opens 59 s before, on the second")
            << QTime(21, 58, 0, 500) << QTime(22, 0) << qint64(60500);
    QTest::newRow("passed: tomorrow")
            << QTime(22, 1) << QTime(22, 0) << qint64(24 * 3600 - 119) * 1000;
    QTest::newRow("in the first minute: from midnight")
            << QTime(23, 59, 50) << QTime(0, 0, 30) << qint64(10000);
}

void TestSchedules::dueAgainIn()
{
    QFETCH(QTime, now);
    QFETCH(QTime, time);
    QFETCH(qint64, waitMs);

    const QString shutdown = QStringLiteral("shutdown");
    QSettings settings;
    settings.setValue(SettingsKeys::scheduleTime(shutdown), time);
    QCOMPARE(msUntilScheduleDue(settings, shutdown, now), std::nullopt);
    settings.setValue(SettingsKeys::scheduleEnabled(shutdown), true);
    QCOMPARE(msUntilScheduleDue(settings, shutdown, now), waitMs);

    const QTime then = now.addMSecs(int(waitMs));
    QCOMPARE(msUntilScheduleDue(settings, shutdown, then), 0);
    if (waitMs > 0)
        QVERIFY(msUntilScheduleDue(settings, shutdown, then.addMSecs(-1)) > 0);
}

// A monitor that slept through its idle ticks planned the long gap; only a
// tick later than planned had the machine away.
void TestSchedules::awayMeansLaterThanPlanned()
{
    const QString suspend = QStringLiteral("suspend");
    ScheduledRequests requests(10000);
    requests.tick({0, 0}, 5000);
    requests.requested(suspend, 0);
    requests.tick({30000, 30000}, 30000);
    QVERIFY(requests.mayRequest(suspend, 30000));
    requests.tick({50000, 50000}, 5000);
    QVERIFY(!requests.mayRequest(suspend, 50000));
    QVERIFY(requests.mayRequest(suspend, 120000));
}

// The schedules' own reading of the time of day, against Qt's, in two
// zones set one after the other while the program runs.
void TestSchedules::timeOfDayIsTheZonesWallClock()
{
    const Clock clock;
    for (const char *place : {"Asia/Kathmandu", "America/St_Johns"}) {
        const auto restore = zone(place);
        // Ours first: Qt's reading would set the zone for it.
        const QTime ours = clock.timeOfDay();
        const int apart = qAbs(ours.msecsTo(QTime::currentTime()));
        QVERIFY2(apart < 2000 || apart > 86398000, place);
    }
}

// A sleep timed by the time of day must end where daylight saving time
// moves the time of day: here in a zone whose summer time starts two
// hours from now.
void TestSchedules::sleepEndsWhereTheOffsetChanges()
{
    const Clock clock;
    const qint64 day = 24 * 3600 * 1000;
    {
        const auto restore = zone("UTC");
        QCOMPARE(clock.msUntilOffsetChange(day), day);
    }
    // The rule names the day of the year (1 to 365, no leap day) and the
    // hour in standard time, which is UTC here.
    const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(2 * 3600);
    const QDate date = start.date();
    int dayOfYear = date.dayOfYear();
    if (QDate::isLeapYear(date.year()) && date.month() > 2)
        --dayOfYear;
    if (dayOfYear > 364 || start.time().hour() == 0)
        QSKIP("the rule cannot name the next two hours today");
    const QByteArray rule = QStringLiteral("AAA0BBB-1,J%1/%2,J365")
                                    .arg(dayOfYear)
                                    .arg(start.time().hour())
                                    .toLatin1();
    const auto restore = zone(rule);
    const qint64 expected =
            QDateTime(date, QTime(start.time().hour(), 0), Qt::UTC).toMSecsSinceEpoch()
            - QDateTime::currentMSecsSinceEpoch();
    const qint64 found = clock.msUntilOffsetChange(day);
    QVERIFY2(qAbs(found - expected) <= 2000,
             qPrintable(QStringLiteral("%1 against %2").arg(found).arg(expected)));
    QCOMPARE(clock.msUntilOffsetChange(expected - 60000), expected - 60000);
}

QTEST_GUILESS_MAIN(TestSchedules)
#include "tst_schedules.moc"
