#include "mockservice.h"
#include "powerprofilemenu.h"
#include "powerprofiles.h"
#include "systembuscalls.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QFile>
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

// How many holds the daemon lists, whatever their signature.
int holdCount(const MockService &daemon)
{
    const QVariant holds = daemonProperty(daemon, "ActiveProfileHolds");
    if (holds.userType() != qMetaTypeId<QDBusArgument>())
        return -1;
    const auto list = holds.value<QDBusArgument>();
    int count = 0;
    list.beginArray();
    for (; !list.atEnd(); ++count)
        list.asVariant();
    list.endArray();
    return count;
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
// events for ms.
QStringList callsWhileIdle(int ms)
{
    SystemBusCalls calls;
    if (!calls.start())
        return {"dbus-monitor did not start"};
    QTest::qWait(ms);
    return calls.stop();
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
    void holds_data();
    void holds();
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

void TestPowerProfiles::holds_data()
{
    QTest::addColumn<QString>("service");
    QTest::newRow("older name") << legacyService;
    QTest::newRow("newer name") << newerService;
}

// One hold at a time, asked for only while the daemon offers its profile,
// released by its cookie, asked for again of a daemon that restarts, and
// ended for good when the daemon ends it (someone chose a profile).
void TestPowerProfiles::holds()
{
    QFETCH(QString, service);
    qDBusRegisterMetaType<QList<QVariantMap>>();
    auto daemon = startDaemon({}, service);
    QVERIFY(daemon);
    PowerProfiles profiles;
    QTRY_VERIFY_WITH_TIMEOUT(profiles.isAvailable(), patience);
    const QVariantList hold{"power-saver", "The battery is low", "wex-power"};

    profiles.holdProfile("power-saver", "The battery is low", "wex-power");
    profiles.holdProfile("power-saver", "The battery is low", "wex-power");
    QVERIFY(daemon->waitForCalls("HoldProfile", 1, patience));
    QCOMPARE(daemon->methodCalls("HoldProfile"), QList<QVariantList>{hold});
    QTRY_COMPARE_WITH_TIMEOUT(holdCount(*daemon), 1, patience);
    profiles.releaseProfile();
    QVERIFY(daemon->waitForCalls("ReleaseProfile", 1, patience));
    QCOMPARE(daemon->methodCalls("ReleaseProfile"), QList<QVariantList>{{1u}});

    // Let go before the daemon answered: released once it has.
    profiles.holdProfile("power-saver", "The battery is low", "wex-power");
    profiles.releaseProfile();
    QVERIFY(daemon->waitForCalls("ReleaseProfile", 2, patience));
    QCOMPARE(daemon->methodCalls("ReleaseProfile").constLast(), QVariantList{2u});
    QCOMPARE(holdCount(*daemon), 0);

    // Not offered: not asked for until it is.
    updateProperties(*daemon,
                     {{"Profiles",
                       QVariant::fromValue(QList<QVariantMap>{{{"Profile", "balanced"}},
                                                              {{"Profile", "performance"}}})}});
    QTRY_COMPARE_WITH_TIMEOUT(profiles.profiles(), standardProfiles.mid(1), patience);
    profiles.holdProfile("power-saver", "The battery is low", "wex-power");
    QTest::qWait(300);
    QCOMPARE(daemon->callCount("HoldProfile"), 2);
    updateProperties(*daemon,
                     {{"Profiles",
                       QVariant::fromValue(QList<QVariantMap>{{{"Profile", "power-saver"}},
                                                              {{"Profile", "balanced"}}})}});
    QVERIFY(daemon->waitForCalls("HoldProfile", 3, patience));

    // A restarted daemon lost the hold: it is asked again.
    daemon = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(!profiles.isAvailable(), patience);
    daemon = startDaemon({}, service);
    QVERIFY(daemon);
    QVERIFY(daemon->waitForCalls("HoldProfile", 1, patience));
    QCOMPARE(daemon->methodCalls("HoldProfile"), QList<QVariantList>{hold});

    // The daemon ends the hold: it stays ended, across a restart too.
    daemon->mock("EmitSignal", {service, "ProfileReleased", "u", QVariantList{1u}});
    QTest::qWait(300);
    daemon = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(!profiles.isAvailable(), patience);
    daemon = startDaemon({}, service);
    QVERIFY(daemon);
    QTRY_VERIFY_WITH_TIMEOUT(profiles.isAvailable(), patience);
    QTest::qWait(300);
    QCOMPARE(daemon->callCount("HoldProfile"), 0);
}

QTEST_MAIN(TestPowerProfiles)
#include "tst_powerprofiles.moc"
