#include "clock.h"
#include "consolekitmock.h"
#include "desktopmocks.h"
#include "monitorclock.h"
#include "powercontroller.h"
#include "powerservices.h"
#include "programparts.h"
#include "settingskeys.h"
#include "testicontheme.h"
#include "upowermock.h"
#include "wmain.h"

#include <QDBusVariant>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QtTest>
#include <memory>

namespace {
QTime fakeNow;
MachineClocks fakeMachine;
// The time as the tests set it.
class FakeClock : public Clock
{
public:
    MachineClocks now() const override { return fakeMachine; }
    QTime timeOfDay() const override { return fakeNow; }
    qint64 msUntilOffsetChange(qint64 horizonMs) const override { return horizonMs; }
};
const FakeClock fakeClock;
// Time passes: seconds on the time of day and the wall clock; boot time
// with them unless the machine slept through it.
void advance(int seconds, bool asleep = false)
{
    fakeNow = fakeNow.addSecs(seconds);
    fakeMachine.wallMs += seconds * 1000;
    if (!asleep)
        fakeMachine.bootMs += seconds * 1000;
}
} // namespace

// The power monitor, one run at a time (the slot is driven directly, never
// the clock): critical charge, line-power messages and schedules, observed
// through the calls the mocked services record and the notifications the
// mocked desktop receives.
class TestMonitor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void criticalCharge_data();
    void criticalCharge();
    void defaultsShutDownAtTenPercent();
    void twoCriticalBatteriesInDeviceOrder();
    void unknownChargeNeverActsButCountsForLinePower();
    void linePowerMessagesOnChangeOnly();
    void startingOnBatteryShowsNoMessage();
    void startingAtItsLimitOnLinePowerShowsNoMessage();
    void failedEnumerationCountsAsLinePower();
    void scheduleWindow_data();
    void scheduleWindow();
    void scheduleSkipsWhatIsNotOffered();
    void scheduleIsNotRepeatedAfterAWake();
    void clockKeepsItsGrid();
    void runAsksEachPropertyOnlyWhenNeeded();
    void settingsWrittenBetweenRunsAreRead();
    void settingsEditedOutsideTheProgramAreRead();

private:
    QString addBattery(const QString &name, double percent, uint state, uint type = 2)
    {
        return upower->addDevice(name, UPowerMock::battery(name, percent / 2.0, 50.0, state, type));
    }
    static QStringList messages(const DesktopMocks &desktop)
    {
        QStringList result;
        for (const auto &n : desktop.notifications())
            result << n.summary + QLatin1Char('|') + n.body;
        return result;
    }
    QStringList upowerRequests() const
    {
        QStringList requests = upower->callNames();
        requests.removeAll(QStringLiteral("EnumerateDevices"));
        return requests;
    }

    DesktopMocks desktop;
    std::unique_ptr<UPowerMock> upower;
    std::unique_ptr<ConsoleKitMock> consoleKit;
};

void TestMonitor::initTestCase()
{
    QVERIFY(TestIconTheme::install());
    QVERIFY(desktop.start());
}

void TestMonitor::init()
{
    QSettings().clear();
    fakeNow = QTime(12, 0);
    fakeMachine = {1000000000, 1000};
    upower = std::make_unique<UPowerMock>(QVariantMap{{QStringLiteral("CanHibernate"), true},
                                                      {QStringLiteral("CanSuspend"), true}});
    consoleKit = std::make_unique<ConsoleKitMock>();
    QVERIFY(upower->start());
    QVERIFY(consoleKit->start());
    desktop.clearNotifications();
}

void TestMonitor::cleanup()
{
    upower.reset();
    consoleKit.reset();
}

void TestMonitor::criticalCharge_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<uint>("state");
    QTest::addColumn<uint>("type");
    QTest::addColumn<QString>("storedAction");
    QTest::addColumn<int>("stops");

    QTest::newRow("at level, discharging") << 25 << 2u << 2u << "shutdown" << 1;
    QTest::newRow("below level") << 3 << 2u << 2u << "shutdown" << 1;
    QTest::newRow("level + 1") << 26 << 2u << 2u << "shutdown" << 0;
    QTest::newRow("charging") << 25 << 1u << 2u << "shutdown" << 0;
    QTest::newRow("fully charged") << 25 << 4u << 2u << "shutdown" << 0;
    QTest::newRow("pending") << 25 << 5u << 2u << "shutdown" << 0;
    QTest::newRow("nothing") << 5 << 2u << 2u << "*" << 0;
    QTest::newRow("empty action stops") << 5 << 2u << 2u << "" << 1;
    QTest::newRow("UPS like a battery") << 25 << 2u << 3u << "shutdown" << 1;
    QTest::newRow("line power ignored") << 5 << 2u << 1u << "shutdown" << 0;
}

void TestMonitor::criticalCharge()
{
    QFETCH(int, percent);
    QFETCH(uint, state);
    QFETCH(uint, type);
    QFETCH(QString, storedAction);
    QFETCH(int, stops);

    const QString path = addBattery(QStringLiteral("BAT0"), percent, state, type);
    QSettings settings;
    settings.setValue(SettingsKeys::criticalChargeLevel(path), 25);
    settings.setValue(SettingsKeys::criticalAction(path), storedAction);
    settings.sync();

    WMain w;
    w.controller()->useClock(&fakeClock);
    w.controller()->tick();
    QCOMPARE(consoleKit->stops(), stops);
    // Nothing is marked as done: every run asks again.
    w.controller()->tick();
    QCOMPARE(consoleKit->stops(), 2 * stops);
}

void TestMonitor::defaultsShutDownAtTenPercent()
{
    const QString low = addBattery(QStringLiteral("LOW"), 10, 2);
    addBattery(QStringLiteral("OK"), 11, 2);
    WMain w;
    w.controller()->useClock(&fakeClock);
    w.controller()->tick();
    QCOMPARE(consoleKit->stops(), 1);
    QVERIFY(!QSettings().contains(SettingsKeys::criticalAction(low)));
}

void TestMonitor::twoCriticalBatteriesInDeviceOrder()
{
    const QString first = addBattery(QStringLiteral("B1"), 20, 2);
    const QString second = addBattery(QStringLiteral("B2"), 20, 2, 3);
    QSettings settings;
    settings.setValue(SettingsKeys::criticalChargeLevel(first), 25);
    settings.setValue(SettingsKeys::criticalAction(first), QStringLiteral("suspend"));
    settings.setValue(SettingsKeys::criticalChargeLevel(second), 50);
    settings.setValue(SettingsKeys::criticalAction(second), QStringLiteral("hibernate"));
    settings.sync();

    WMain w;
    w.controller()->useClock(&fakeClock);
    upower->clearCalls();
    w.controller()->tick();
    QVERIFY(upower->waitForCalls(QStringLiteral("Hibernate"), 1));
    QCOMPARE(upowerRequests(), (QStringList{"Suspend", "Hibernate"}));
    QCOMPARE(consoleKit->stops(), 0);
}

void TestMonitor::unknownChargeNeverActsButCountsForLinePower()
{
    QVariantMap broken = UPowerMock::battery(QStringLiteral("X"), 0.0, 0.0, 1);
    broken.insert(QStringLiteral("Percentage"), 0.0);
    const QString path = upower->addDevice(QStringLiteral("X"), broken);
    WMain w;
    w.controller()->useClock(&fakeClock);
    w.controller()->tick();
    upower->setDeviceProperties(path, {{QStringLiteral("State"), 2u}});
    w.controller()->tick();
    QCOMPARE(consoleKit->stops(), 0);
    QCOMPARE(messages(desktop), QStringList{"Power manager|Power is down"});
}

void TestMonitor::linePowerMessagesOnChangeOnly()
{
    const QString path = addBattery(QStringLiteral("BAT0"), 80, 1);
    WMain w;
    w.controller()->useClock(&fakeClock);
    QSystemTrayIcon *tray = windowTray(w);
    w.controller()->tick();
    QCOMPARE(messages(desktop), QStringList());
    QCOMPARE(tray->icon().name(), QStringLiteral("power"));

    upower->setDeviceProperties(path, {{QStringLiteral("State"), 2u}});
    w.controller()->tick();
    QCOMPARE(tray->icon().name(), QStringLiteral("dialog-warning"));
    QTRY_COMPARE(messages(desktop), QStringList{"Power manager|Power is down"});
    const auto down = desktop.notifications().constFirst();
    QCOMPARE(down.icon, QStringLiteral("dialog-warning"));
    QCOMPARE(down.timeout, 10000);
    w.controller()->tick();
    QTest::qWait(200);
    QCOMPARE(messages(desktop).size(), 1);

    upower->setDeviceProperties(path, {{QStringLiteral("State"), 4u}});
    w.controller()->tick();
    QCOMPARE(tray->icon().name(), QStringLiteral("power"));
    QTRY_COMPARE(messages(desktop),
                 (QStringList{"Power manager|Power is down", "Power manager|Power is up"}));
    QCOMPARE(desktop.notifications().constLast().icon, QStringLiteral("dialog-information"));
    w.controller()->tick();
    QTest::qWait(200);
    QCOMPARE(messages(desktop).size(), 2);
}

void TestMonitor::startingOnBatteryShowsNoMessage()
{
    addBattery(QStringLiteral("BAT0"), 80, 2);
    WMain w;
    w.controller()->useClock(&fakeClock);
    w.controller()->tick();
    QCOMPARE(windowTray(w)->icon().name(), QStringLiteral("dialog-warning"));
    QTest::qWait(300);
    QCOMPARE(messages(desktop), QStringList());
}

// Today's daemon says it is on line power, though its battery (held at its
// charge limit) says it discharges; with no line-power device to read with
// the batteries, its word comes a moment later and still counts for where
// the machine starts from.
void TestMonitor::startingAtItsLimitOnLinePowerShowsNoMessage()
{
    upower.reset();
    upower = std::make_unique<UPowerMock>(QVariantMap{{QStringLiteral("DaemonVersion"), "1.90.6"}});
    QVERIFY(upower->start());
    addBattery(QStringLiteral("BAT0"), 80, 2);
    QDBusMessage set = QDBusMessage::createMethodCall(
            upower->busName(), upower->mainPath(),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
    set << upower->busName() << QStringLiteral("OnBattery")
        << QVariant::fromValue(QDBusVariant(false));
    QCOMPARE(upower->connection().call(set).type(), QDBusMessage::ReplyMessage);

    WMain w;
    w.controller()->useClock(&fakeClock);
    QSignalSpy heard(w.controller()->findChild<PowerServices *>(), &PowerServices::managerChanged);
    QVERIFY(heard.wait());
    w.controller()->tick();
    QCOMPARE(windowTray(w)->icon().name(), QStringLiteral("power"));
    QTest::qWait(300);
    QCOMPARE(messages(desktop), QStringList());
}

void TestMonitor::failedEnumerationCountsAsLinePower()
{
    addBattery(QStringLiteral("BAT0"), 80, 2);
    WMain w;
    w.controller()->useClock(&fakeClock);
    upower->setEnumerateFails(true);
    w.controller()->tick();
    QCOMPARE(windowTray(w)->icon().name(), QStringLiteral("power"));
    QTRY_COMPARE(messages(desktop), QStringList{"Power manager|Power is up"});
}

void TestMonitor::scheduleWindow_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("due");

    const QVariant ten = QTime(22, 0, 0);
    QTest::newRow("59 s before") << QTime(21, 59, 1) << ten << true << true;
    QTest::newRow("on time") << QTime(22, 0, 0) << ten << true << true;
    QTest::newRow("59 s after") << QTime(22, 0, 59) << ten << true << true;
    QTest::newRow("60 s before") << QTime(21, 59, 0) << ten << true << false;
    QTest::newRow("60 s after") << QTime(22, 1, 0) << ten << true << false;
    QTest::newRow("disabled") << QTime(22, 0, 0) << ten << false << false;
    QTest::newRow("no midnight wrap")
            << QTime(23, 59, 50) << QVariant(QTime(0, 0, 30)) << true << false;
    QTest::newRow("missing time") << QTime(22, 0, 0) << QVariant() << true << false;
    QTest::newRow("unreadable time")
            << QTime(22, 0, 0) << QVariant(QStringLiteral("soon")) << true << false;
}

void TestMonitor::scheduleWindow()
{
    QFETCH(QTime, now);
    QFETCH(QVariant, stored);
    QFETCH(bool, enabled);
    QFETCH(bool, due);

    QSettings settings;
    settings.setValue(SettingsKeys::scheduleEnabled(QStringLiteral("shutdown")), enabled);
    if (stored.isValid())
        settings.setValue(SettingsKeys::scheduleTime(QStringLiteral("shutdown")), stored);
    settings.sync();

    WMain w;
    w.controller()->useClock(&fakeClock);
    fakeNow = now;
    w.controller()->tick();
    QCOMPARE(consoleKit->stops(), due ? 1 : 0);
}

// A machine woken inside the window of the schedule that put it to sleep
// must stay awake; one that merely missed a tick under load, or a battery
// still critical after the wake, is acted on as before.
void TestMonitor::scheduleIsNotRepeatedAfterAWake()
{
    const QString path = addBattery(QStringLiteral("BAT0"), 5, 2);
    QSettings settings;
    settings.setValue(SettingsKeys::criticalAction(path), QStringLiteral("hibernate"));
    settings.setValue(SettingsKeys::scheduleEnabled(QStringLiteral("suspend")), true);
    settings.setValue(SettingsKeys::scheduleTime(QStringLiteral("suspend")), QTime(22, 0));
    settings.sync();
    auto suspends = [this] {
        return upower->callNames().count(QStringLiteral("Suspend"));
    };
    auto hibernates = [this] {
        return upower->callNames().count(QStringLiteral("Hibernate"));
    };

    fakeNow = QTime(21, 59, 10);
    WMain w;
    w.controller()->useClock(&fakeClock);
    w.controller()->tick();
    QVERIFY(upower->waitForCalls(QStringLiteral("Suspend"), 1));
    // A late tick, as on a loaded machine, is no sleep.
    advance(12);
    w.controller()->tick();
    QVERIFY(upower->waitForCalls(QStringLiteral("Suspend"), 2));

    // Asleep for 30 s by both clocks that go on in sleep; the monotonic
    // clock of the program's timer did not move.
    advance(30, true);
    w.controller()->tick();
    advance(5);
    w.controller()->tick();
    QVERIFY(upower->waitForCalls(QStringLiteral("Hibernate"), 4));
    QCOMPARE(suspends(), 2);
    QCOMPARE(hibernates(), 4);

    // The wall clock alone tells too (CLOCK_BOOTTIME may be missing).
    fakeNow = QTime(21, 59, 10);
    fakeMachine.wallMs += 24 * 3600 * 1000;
    w.controller()->tick();
    QVERIFY(upower->waitForCalls(QStringLiteral("Suspend"), 3));
    fakeMachine.wallMs += 20000;
    fakeNow = fakeNow.addSecs(20);
    w.controller()->tick();
    advance(5);
    w.controller()->tick();
    QTest::qWait(200);
    QCOMPARE(suspends(), 3);
}

// The clock sleeps as long as told, wakes on the grid's next tick when
// asked, and after a stall (a stopped process) ticks once, not once for
// every tick it missed. Timers only ever fire late, so load cannot make
// these checks fail.
void TestMonitor::clockKeepsItsGrid()
{
    MonitorClock clock(100);
    QSignalSpy ticks(&clock, &MonitorClock::tick);
    clock.start();
    QVERIFY(ticks.wait());
    QCOMPARE(clock.plannedGapMs(), 100);

    clock.sleepFor(1000);
    QVERIFY(!ticks.wait(300));
    clock.tickSoon();
    QVERIFY(ticks.wait());
    // Before the sleep was over, on the grid.
    QVERIFY(clock.plannedGapMs() < 1000);
    QCOMPARE(clock.plannedGapMs() % 100, 0);

    QThread::msleep(1050);
    ticks.clear();
    QElapsedTimer since;
    since.start();
    while (since.elapsed() < 150)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QVERIFY2(ticks.count() <= 1 + int(since.elapsed()) / 100 + 1,
             qPrintable(QString::number(ticks.count())));
}

// Others may rely on the traffic of a run on this stack: each property read
// that the rules need, in their order, and nothing more.
void TestMonitor::runAsksEachPropertyOnlyWhenNeeded()
{
    const QString path = addBattery(QStringLiteral("BAT0"), 60, 1);
    // A lid the program answers itself: it is read after the daemon's
    // Changed, never by a run.
    upower->mock(QStringLiteral("SetManagerProperties"),
                 {QVariantMap{{QStringLiteral("LidIsPresent"), true}}});
    QSettings().setValue(SettingsKeys::lidOnBattery(), QStringLiteral("suspend"));
    QFile log(QDir::temp().filePath(QStringLiteral("org.freedesktop.UPower.log")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    WMain w;
    w.controller()->useClock(&fakeClock);
    // Whether there is a lid, and whether it is closed, are asked once at
    // load without waiting: in the log (which may come in pieces) before
    // the runs are counted.
    QByteArray seen;
    QTRY_VERIFY((seen += log.readAll()).contains("LidIsClosed"));
    for (int run = 1; run <= 2; ++run) {
        log.seek(log.size());
        w.controller()->tick();
        QStringList reads;
        const QRegularExpression get(QStringLiteral(" Get (\\S+) \\S+\\.(\\w+)\n"));
        for (auto match = get.globalMatch(QString::fromUtf8(log.readAll())); match.hasNext();) {
            const auto read = match.next();
            reads << (read.captured(1) == path ? QString() : QStringLiteral("UPower."))
                            + read.captured(2);
        }
        QCOMPARE(reads,
                 (QStringList{"Type", "State", "Energy", "EnergyFullDesign", "State",
                              "UPower.CanHibernate", "UPower.CanSuspend"}));
    }
}

void TestMonitor::scheduleSkipsWhatIsNotOffered()
{
    upower->setCanSleep(false, true);
    QSettings settings;
    for (const QString &action : {QStringLiteral("hibernate"), QStringLiteral("suspend")}) {
        settings.setValue(SettingsKeys::scheduleEnabled(action), true);
        settings.setValue(SettingsKeys::scheduleTime(action), QTime(8, 30));
    }
    settings.setValue(SettingsKeys::scheduleEnabled(QStringLiteral("*")), true);
    settings.setValue(SettingsKeys::scheduleTime(QStringLiteral("*")), QTime(8, 30));
    settings.sync();

    WMain w;
    w.controller()->useClock(&fakeClock);
    fakeNow = QTime(8, 30, 10);
    upower->clearCalls();
    w.controller()->tick();
    QVERIFY(upower->waitForCalls(QStringLiteral("Suspend"), 1));
    QTest::qWait(200);
    QCOMPARE(upowerRequests(), QStringList{"Suspend"});
    QCOMPARE(consoleKit->stops(), 0);
}

void TestMonitor::settingsWrittenBetweenRunsAreRead()
{
    const QString path = addBattery(QStringLiteral("BAT0"), 40, 2);
    WMain w;
    w.controller()->useClock(&fakeClock);
    w.controller()->tick();
    QCOMPARE(consoleKit->stops(), 0);

    {
        QSettings writer;
        writer.setValue(SettingsKeys::criticalChargeLevel(path), 50);
    }
    w.controller()->tick();
    QCOMPARE(consoleKit->stops(), 1);

    // The store folds the double slash of the key built from the path: this
    // is the name the settings file holds.
    QVERIFY(QSettings().allKeys().contains(QStringLiteral(
            "Control/Battery/org/freedesktop/UPower/devices/BAT0/CriticalChargeLevel")));
}

// An editor or another program replaces the store's file behind the
// program's back: the first run after that acts on the new value.
void TestMonitor::settingsEditedOutsideTheProgramAreRead()
{
    const QString path = addBattery(QStringLiteral("BAT0"), 40, 2);
    const QString storeFile = QSettings().fileName();
    WMain w;
    w.controller()->useClock(&fakeClock);
    w.controller()->tick();
    QCOMPARE(consoleKit->stops(), 0);

    // Written past this process's QSettings, which would share the value
    // in memory, and moved into place as editors save.
    const QString edited = storeFile + QStringLiteral(".edited");
    {
        QSettings editor(edited, QSettings::IniFormat);
        editor.setValue(SettingsKeys::criticalChargeLevel(path), 50);
    }
    QFile::remove(storeFile);
    QVERIFY(QFile::rename(edited, storeFile));
    // The program learns of the edit through its event loop.
    QTRY_VERIFY((w.controller()->tick(), consoleKit->stops() > 0));

    // The replaced file is watched again: a later edit written into it in
    // place counts too.
    // Staged outside the watched folders, so that only the write is seen.
    QTemporaryDir stage;
    const QString staging = stage.filePath(QStringLiteral("wex-power.conf"));
    QVERIFY(QFile::copy(storeFile, staging));
    QSettings(staging, QSettings::IniFormat)
            .setValue(SettingsKeys::criticalAction(path), QStringLiteral("hibernate"));
    QFile staged(staging);
    QVERIFY(staged.open(QIODevice::ReadOnly));
    const QByteArray contents = staged.readAll();
    staged.remove();
    QFile file(storeFile);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    file.close();
    QTRY_VERIFY((w.controller()->tick(), upowerRequests().contains(QStringLiteral("Hibernate"))));
}

QTEST_MAIN(TestMonitor)
#include "tst_monitor.moc"
