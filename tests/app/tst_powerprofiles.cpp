#include "mockservice.h"
#include "powerprofilemenu.h"
#include "powerprofiles.h"

#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QtTest>
#include <memory>

// The power profiles against python3-dbusmock's power-profiles-daemon, and a
// template of the newer daemon's name, on the harness's private system bus.
namespace {
const QString legacyService = "net.hadess.PowerProfiles";
const QString legacyPath = "/net/hadess/PowerProfiles";
const QString newerService = "org.freedesktop.UPower.PowerProfiles";
const QString newerPath = "/org/freedesktop/UPower/PowerProfiles";
const QStringList standardProfiles{"power-saver", "balanced", "performance"};
const QStringList standardEntries{"Power Saver", "Balanced", "Performance"};
constexpr int patience = 20000;

std::unique_ptr<MockService> startDaemon(const QVariantMap &parameters,
                                         const QString &service = legacyService)
{
    auto daemon = service == legacyService
            ? std::make_unique<MockService>(legacyService, legacyPath, "power_profiles_daemon",
                                            parameters)
            : std::make_unique<MockService>(newerService, newerPath, "power_profiles_upower.py",
                                            parameters);
    return daemon->start() ? std::move(daemon) : nullptr;
}

QVariant daemonProperty(const MockService &daemon, const QString &name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(daemon.busName(), daemon.mainPath(),
                                                      "org.freedesktop.DBus.Properties", "Get");
    get << daemon.busName() << name;
    const QDBusMessage reply = daemon.connection().call(get);
    return qvariant_cast<QDBusVariant>(reply.arguments().value(0)).variant();
}

void updateProperties(const MockService &daemon, const QVariantMap &values)
{
    daemon.mock("UpdateProperties", {QString(), values});
}

// Runs Python in the daemon, for values of D-Bus types QtDBus would not send.
bool runInDaemon(const MockService &daemon, const QString &code)
{
    daemon.mock("AddMethod", {"org.freedesktop.DBus.Mock", "Poke", "", "", code});
    return daemon.mock("Poke").type() == QDBusMessage::ReplyMessage;
}

// The times the daemon was asked for all its properties.
int readsOfAll(const MockService &daemon)
{
    QFile log(daemon.logFile());
    if (!log.open(QIODevice::ReadOnly))
        return -1;
    // dbusmock answers each Get through its GetAll, and logs both.
    const QString calls = QString::fromUtf8(log.readAll());
    return calls.count(" GetAll ") - calls.count(" Get ");
}

QStringList entries(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        texts << action->text();
    return texts;
}

QStringList checkedEntries(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions()) {
        if (action->isChecked())
            texts << action->text();
    }
    return texts;
}

QAction *entry(const QMenu &menu, const QString &text)
{
    for (QAction *action : menu.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// The method calls this process sends on the system bus while it runs
// events for ms, seen by dbus-monitor between two calls of its own that mark
// the start and the end.
QStringList callsWhileIdle(int ms)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    QProcess monitor;
    monitor.start("dbus-monitor", {"--system", "sender='" + bus.baseService() + "'"});
    if (!monitor.waitForStarted())
        return {"dbus-monitor did not start"};
    QByteArray seen;
    auto mark = [&](const QString &marker) {
        QDBusMessage ping =
                QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                               "org.freedesktop.DBus", "NameHasOwner");
        ping << marker;
        do {
            bus.call(ping);
            QTest::qWait(50);
            seen += monitor.readAllStandardOutput();
        } while (!seen.contains(marker.toUtf8()) && monitor.state() == QProcess::Running);
    };
    mark("wex.start.marker");
    seen.clear();
    QTest::qWait(ms);
    mark("wex.end.marker");
    monitor.kill();
    monitor.waitForFinished();
    // Everything before the first ping of the end marker was sent while idle.
    QStringList calls;
    for (const QByteArray &line : seen.left(seen.indexOf("wex.end.marker")).split('\n')) {
        if (line.startsWith("method call") && !line.contains("member=NameHasOwner"))
            calls << QString::fromUtf8(line);
    }
    return calls;
}
} // namespace

class TestPowerProfiles : public QObject
{
    Q_OBJECT

private slots:
    void choosingAndFollowing();
    void degradedPerformance_data();
    void degradedPerformance();
    void refusedWrite();
    void daemonComesAndGoes();
    void newerDaemonPreferred();
    void badInput_data();
    void badInput();
};

void TestPowerProfiles::choosingAndFollowing()
{
    auto daemon = startDaemon({{"ActiveProfile", "power-saver"}});
    QVERIFY(daemon);
    PowerProfiles profiles;
    // One for the menu bar and one for the tray.
    PowerProfileMenu bar(&profiles), tray(&profiles);
    QTRY_VERIFY_WITH_TIMEOUT(profiles.isAvailable(), patience);
    QCOMPARE(profiles.profiles(), standardProfiles);
    for (const PowerProfileMenu *menu : {&bar, &tray}) {
        QCOMPARE(menu->title(), QString("Power profile"));
        QVERIFY(menu->menuAction()->isVisible());
        QCOMPARE(entries(*menu), standardEntries);
        QCOMPARE(checkedEntries(*menu), QStringList{"Power Saver"});
    }

    QAction *performance = entry(bar, "Performance");
    QVERIFY(performance);
    performance->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(daemonProperty(*daemon, "ActiveProfile").toString(),
                              QString("performance"), patience);
    QTRY_COMPARE_WITH_TIMEOUT(checkedEntries(tray), QStringList{"Performance"}, patience);
    QCOMPARE(checkedEntries(bar), QStringList{"Performance"});

    // Switched elsewhere, e.g. by another program or the daemon itself.
    QSignalSpy changed(&profiles, &PowerProfiles::changed);
    updateProperties(*daemon, {{"ActiveProfile", "balanced"}});
    QTRY_COMPARE_WITH_TIMEOUT(profiles.activeProfile(), QString("balanced"), patience);
    QCOMPARE(checkedEntries(bar), QStringList{"Balanced"});
    QCOMPARE(checkedEntries(tray), QStringList{"Balanced"});
    // A value said again is no change.
    updateProperties(*daemon, {{"ActiveProfile", "balanced"}});
    updateProperties(*daemon, {{"PerformanceDegraded", "lap-detected"}});
    QTRY_COMPARE_WITH_TIMEOUT(profiles.performanceDegraded(), QString("lap-detected"), patience);
    QCOMPARE(changed.count(), 2);
    // Read once when it appeared, followed by its signals since.
    QCOMPARE(readsOfAll(*daemon), 1);
}

void TestPowerProfiles::degradedPerformance_data()
{
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("text");
    QTest::newRow("hot") << "high-operating-temperature"
                         << "Performance (limited: the machine is hot)";
    QTest::newRow("lap") << "lap-detected"
                         << "Performance (limited: the lap is detected)";
    QTest::newRow("another") << "fan & dust"
                             << "Performance (limited: fan && dust)";
    QTest::newRow("a megabyte") << "\u202e" + QString(1024 * 1024, 'x')
                                << "Performance (limited: " + QString(159, 'x') + QChar(0x2026)
                    + ")";
}

void TestPowerProfiles::degradedPerformance()
{
    QFETCH(QString, reason);
    QFETCH(QString, text);
    auto daemon = startDaemon({});
    QVERIFY(daemon);
    PowerProfiles profiles;
    PowerProfileMenu menu(&profiles);
    QTRY_COMPARE_WITH_TIMEOUT(entries(menu), standardEntries, patience);
    updateProperties(*daemon, {{"PerformanceDegraded", reason}});
    QTRY_COMPARE_WITH_TIMEOUT(entries(menu).value(2), text, patience);
    QCOMPARE(entries(menu).mid(0, 2), standardEntries.mid(0, 2));
    updateProperties(*daemon, {{"PerformanceDegraded", ""}});
    QTRY_COMPARE_WITH_TIMEOUT(entries(menu), standardEntries, patience);
}

void TestPowerProfiles::refusedWrite()
{
    auto daemon = startDaemon({});
    QVERIFY(daemon);
    // As polkit's refusal reaches the program: an error answer to Set.
    daemon->mock("AddMethod",
                 {"org.freedesktop.DBus.Properties", "Set", "ssv", "",
                  "raise dbus.exceptions.DBusException('Switching is not allowed\\nby policy '"
                  " + 'x' * 500, name='org.freedesktop.DBus.Error.AccessDenied')"});
    PowerProfiles profiles;
    PowerProfileMenu menu(&profiles);
    QTRY_COMPARE_WITH_TIMEOUT(checkedEntries(menu), QStringList{"Balanced"}, patience);
    QSignalSpy refused(&profiles, &PowerProfiles::refused);
    entry(menu, "Performance")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(refused.count(), 1, patience);
    QCOMPARE(refused.at(0).at(0).toString(), QString("performance"));
    const QString reason = refused.at(0).at(1).toString();
    QVERIFY2(reason.startsWith("Switching is not allowed by policy xxx"), qPrintable(reason));
    QVERIFY2(reason.size() <= 200, qPrintable(reason));
    QCOMPARE(daemon->callCount("Set"), 1);
    QCOMPARE(daemonProperty(*daemon, "ActiveProfile").toString(), QString("balanced"));
    QCOMPARE(checkedEntries(menu), QStringList{"Balanced"});
}

void TestPowerProfiles::daemonComesAndGoes()
{
    PowerProfiles profiles;
    PowerProfileMenu menu(&profiles);
    QSignalSpy changed(&profiles, &PowerProfiles::changed);
    QSignalSpy refused(&profiles, &PowerProfiles::refused);
    profiles.setActiveProfile("balanced");
    QTRY_COMPARE_WITH_TIMEOUT(refused.count(), 1, patience);
    QVERIFY(!profiles.isAvailable());
    QVERIFY(profiles.profiles().isEmpty());
    QVERIFY(!menu.menuAction()->isVisible());
    QVERIFY(menu.actions().isEmpty());
    // Nothing is asked while there is no daemon.
    QCOMPARE(callsWhileIdle(1500), QStringList());
    QCOMPARE(changed.count(), 0);

    auto daemon = startDaemon({{"ActiveProfile", "performance"}});
    QVERIFY(daemon);
    QTRY_VERIFY_WITH_TIMEOUT(menu.menuAction()->isVisible(), patience);
    QCOMPARE(checkedEntries(menu), QStringList{"Performance"});
    QCOMPARE(changed.count(), 1);

    daemon->stop();
    QTRY_VERIFY_WITH_TIMEOUT(!profiles.isAvailable(), patience);
    QVERIFY(!menu.menuAction()->isVisible());
    QVERIFY(menu.actions().isEmpty());
    QCOMPARE(profiles.activeProfile(), QString());
    QCOMPARE(changed.count(), 2);
}

void TestPowerProfiles::newerDaemonPreferred()
{
    auto legacy = startDaemon({{"ActiveProfile", "power-saver"}});
    QVERIFY(legacy);
    PowerProfiles profiles;
    QTRY_COMPARE_WITH_TIMEOUT(profiles.activeProfile(), QString("power-saver"), patience);

    auto newer = startDaemon({{"ActiveProfile", "performance"}}, newerService);
    QVERIFY(newer);
    QTRY_COMPARE_WITH_TIMEOUT(profiles.activeProfile(), QString("performance"), patience);
    profiles.setActiveProfile("balanced");
    QTRY_COMPARE_WITH_TIMEOUT(profiles.activeProfile(), QString("balanced"), patience);
    QCOMPARE(daemonProperty(*newer, "ActiveProfile").toString(), QString("balanced"));
    QCOMPARE(daemonProperty(*legacy, "ActiveProfile").toString(), QString("power-saver"));
    // The one not followed is not listened to.
    updateProperties(*legacy, {{"ActiveProfile", "performance"}});
    updateProperties(*newer, {{"PerformanceDegraded", "lap-detected"}});
    QTRY_COMPARE_WITH_TIMEOUT(profiles.performanceDegraded(), QString("lap-detected"), patience);
    QCOMPARE(profiles.activeProfile(), QString("balanced"));

    // Back to the older daemon, read anew.
    newer->stop();
    QTRY_COMPARE_WITH_TIMEOUT(profiles.activeProfile(), QString("performance"), patience);
    QCOMPARE(profiles.performanceDegraded(), QString());
    QVERIFY(profiles.isAvailable());
}

void TestPowerProfiles::badInput_data()
{
    QTest::addColumn<QString>("profilesValue");
    QTest::addColumn<QString>("activeValue");
    QTest::addColumn<QStringList>("expectedEntries");
    QTest::addColumn<QString>("expectedActive");

    const QString standard = "dbus.Array([{'Profile': 'power-saver'}, {'Profile': 'balanced'},"
                             " {'Profile': 'performance'}], signature='a{sv}')";
    QTest::newRow("Profiles a string") << "dbus.String('balanced')"
                                       << "'balanced'" << QStringList() << QString();
    QTest::newRow("Profiles a list of names") << "dbus.Array(['balanced'], signature='s')"
                                              << "'balanced'" << QStringList() << QString();
    QTest::newRow("a Profile not a text")
            << "dbus.Array([{'Profile': dbus.Int32(5)}, {'Driver': 'x'}, {'Profile': "
               "'balanced'}], signature='a{sv}')"
            << "'balanced'" << QStringList{"Balanced"} << "balanced";
    QTest::newRow("empty, repeated and odd names")
            << "dbus.Array([{'Profile': ''}, {'Profile': 'a&b'}, {'Profile': 'balanced'}, "
               "{'Profile': 'a&b'}], signature='a{sv}')"
            << "'a&b'" << QStringList{"a&&b", "Balanced"} << "a&b";
    QTest::newRow("ActiveProfile not offered")
            << standard << "'turbo'" << standardEntries << QString();
    QTest::newRow("ActiveProfile empty") << standard << "''" << standardEntries << QString();
    QTest::newRow("ActiveProfile not a text")
            << standard << "dbus.Int32(1)" << standardEntries << QString();
    QStringList many;
    for (int i = 0; i < PowerProfiles::maxProfiles; ++i)
        many << QString("p%1").arg(i);
    QTest::newRow("a megabyte of name")
            << "dbus.Array([{'Profile': '\\x1b' + 'q' * 1048576}, {'Profile': 'balanced'}],"
               " signature='a{sv}')"
            << "'balanced'" << QStringList{QString(63, 'q') + QChar(0x2026), "Balanced"}
            << "balanced";
    QTest::newRow("1,000 profiles")
            << "dbus.Array([{'Profile': 'p%d' % i} for i in range(1000)], signature='a{sv}')"
            << "'p3'" << many << "p3";
}

void TestPowerProfiles::badInput()
{
    QFETCH(QString, profilesValue);
    QFETCH(QString, activeValue);
    QFETCH(QStringList, expectedEntries);
    QFETCH(QString, expectedActive);
    auto daemon = startDaemon({});
    QVERIFY(daemon);
    PowerProfiles following;
    PowerProfileMenu menu(&following);
    QTRY_COMPARE_WITH_TIMEOUT(checkedEntries(menu), QStringList{"Balanced"}, patience);

    QVERIFY(runInDaemon(*daemon,
                        QString("self.UpdateProperties('', dbus.Dictionary({'Profiles': %1, "
                                "'ActiveProfile': %2}, signature='sv'))")
                                .arg(profilesValue, activeValue)));
    QTRY_COMPARE_WITH_TIMEOUT(entries(menu), expectedEntries, patience);
    const QStringList checked = expectedActive.isEmpty()
            ? QStringList()
            : QStringList{expectedEntries.value(following.profiles().indexOf(expectedActive))};
    QTRY_COMPARE_WITH_TIMEOUT(checkedEntries(menu), checked, patience);
    QCOMPARE(following.activeProfile(), expectedActive);
    QCOMPARE(menu.menuAction()->isVisible(), !expectedEntries.isEmpty());
    // Read from PropertiesChanged above, from GetAll here: both alike.
    PowerProfiles reading;
    QTRY_VERIFY_WITH_TIMEOUT(reading.isAvailable(), patience);
    QCOMPARE(reading.profiles(), following.profiles());
    QCOMPARE(reading.activeProfile(), expectedActive);
}

QTEST_MAIN(TestPowerProfiles)
#include "tst_powerprofiles.moc"
