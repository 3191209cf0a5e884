#include "sessioninhibitions.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <optional>
#include <vector>

namespace {

const QString powerManagement = QStringLiteral("org.freedesktop.PowerManagement");
const QString powerManagementPath = QStringLiteral("/org/freedesktop/PowerManagement/Inhibit");
const QString powerManagementInterface = QStringLiteral("org.freedesktop.PowerManagement.Inhibit");
const QString screenSaver = QStringLiteral("org.freedesktop.ScreenSaver");

constexpr int patience = 20000;

// Another program on the session bus: a connection of its own, so the bus
// tells the inhibitions apart by its unique name.
class Client
{
public:
    explicit Client(const QString &name)
        : m_name(name), m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name))
    {
    }
    ~Client() { leave(); }

    QDBusConnection &bus() { return *m_bus; }
    // Closes the connection, which needs its last handle gone.
    void leave()
    {
        m_bus.reset();
        QDBusConnection::disconnectFromBus(m_name);
    }

    QDBusPendingCall send(const QString &service, const QString &path, const QString &interface,
                          const QString &method, const QVariantList &args = {})
    {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
        call.setArguments(args);
        return m_bus->asyncCall(call);
    }
    // The service answers in this thread: wait without blocking it.
    QDBusMessage call(const QString &service, const QString &path, const QString &interface,
                      const QString &method, const QVariantList &args = {})
    {
        QDBusPendingCall pending = send(service, path, interface, method, args);
        if (!QTest::qWaitFor([&pending] { return pending.isFinished(); }, patience))
            return QDBusMessage::createError(QStringLiteral("test.NoAnswer"), QString());
        return pending.reply();
    }
    QDBusMessage pm(const QString &method, const QVariantList &args = {})
    {
        return call(powerManagement, powerManagementPath, powerManagementInterface, method, args);
    }
    QDBusMessage ss(const QString &path, const QString &method, const QVariantList &args = {})
    {
        return call(screenSaver, path, screenSaver, method, args);
    }

private:
    QString m_name;
    std::optional<QDBusConnection> m_bus;
};

// What a program hears of HasInhibitChanged.
class HasInhibitListener : public QObject
{
    Q_OBJECT

public:
    QList<bool> heard;

public slots:
    void hasInhibitChanged(bool hasInhibit) { heard << hasInhibit; }
};

QStringList describe(const QList<SessionInhibitions::Inhibition> &inhibitions)
{
    QStringList lines;
    for (const SessionInhibitions::Inhibition &inhibition : inhibitions)
        lines << inhibition.application + QLatin1Char('|') + inhibition.reason
                        + (inhibition.screen ? QLatin1String("|screen") : QLatin1String(""));
    return lines;
}

} // namespace

// The inhibitions served on the session bus, asked for by other
// connections as browsers and players ask: what they keep awake, how
// they end, and what one caller cannot do to the rest.
class TestSessionInhibitions : public QObject
{
    Q_OBJECT

private slots:
    void inhibitAndGiveBack();
    void callerLeavingEndsItsInhibitions_data();
    void callerLeavingEndsItsInhibitions();
    void floodIsBounded();
    void screenSaverLeftToItsOwner();
};

void TestSessionInhibitions::inhibitAndGiveBack()
{
    SessionInhibitions inhibitions;
    inhibitions.serve();
    QVERIFY(inhibitions.servesPowerManagement() && inhibitions.servesScreenSaver());
    QSignalSpy changed(&inhibitions, &SessionInhibitions::inhibitionsChanged);
    Client player(QStringLiteral("player")), other(QStringLiteral("other"));
    HasInhibitListener listener;
    QVERIFY(other.bus().connect(powerManagement, powerManagementPath, powerManagementInterface,
                                QStringLiteral("HasInhibitChanged"), &listener,
                                SLOT(hasInhibitChanged(bool))));

    const QDBusMessage inhibited =
            player.pm(QStringLiteral("Inhibit"), {"Firefox", "Playing video"});
    QCOMPARE(inhibited.signature(), QStringLiteral("u"));
    const uint cookie = inhibited.arguments().at(0).toUInt();
    QVERIFY(inhibitions.inhibitsSleep());
    QVERIFY(!inhibitions.inhibitsScreen());
    QCOMPARE(describe(inhibitions.inhibitions()), QStringList{"Firefox|Playing video"});
    QCOMPARE(other.pm(QStringLiteral("HasInhibit")).arguments(), QVariantList{true});
    QTRY_COMPARE_WITH_TIMEOUT(listener.heard, QList<bool>{true}, patience);

    const QDBusMessage screen = player.ss(QStringLiteral("/ScreenSaver"), QStringLiteral("Inhibit"),
                                          {"mpv", "Full screen"});
    QCOMPARE(screen.type(), QDBusMessage::ReplyMessage);
    const uint screenCookie = screen.arguments().at(0).toUInt();
    QVERIFY(inhibitions.inhibitsScreen());
    QCOMPARE(describe(inhibitions.inhibitions()),
             (QStringList{"Firefox|Playing video", "mpv|Full screen|screen"}));
    QCOMPARE(changed.count(), 2);

    // Another program's cookie, an unknown one, one of the other interface:
    // refused, and nothing changes.
    const QList<QDBusMessage> refused{
            other.pm(QStringLiteral("UnInhibit"), {cookie}),
            other.ss(QStringLiteral("/ScreenSaver"), QStringLiteral("UnInhibit"), {screenCookie}),
            player.pm(QStringLiteral("UnInhibit"), {screenCookie + cookie + 1000}),
            player.pm(QStringLiteral("UnInhibit"), {screenCookie}),
            player.ss(QStringLiteral("/ScreenSaver"), QStringLiteral("UnInhibit"), {cookie}),
            player.pm(QStringLiteral("UnInhibit"), {"not a cookie"})};
    for (const QDBusMessage &answer : refused)
        QCOMPARE(answer.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    QCOMPARE(changed.count(), 2);
    QVERIFY(inhibitions.inhibitsSleep() && inhibitions.inhibitsScreen());

    // Given back, each where it came from: the screen saver's two paths are one.
    QCOMPARE(player.pm(QStringLiteral("UnInhibit"), {cookie}).type(), QDBusMessage::ReplyMessage);
    QVERIFY(inhibitions.inhibitsSleep());
    QCOMPARE(player.ss(QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("UnInhibit"),
                       {screenCookie})
                     .type(),
             QDBusMessage::ReplyMessage);
    QVERIFY(!inhibitions.inhibitsSleep() && !inhibitions.inhibitsScreen());
    QVERIFY(inhibitions.inhibitions().isEmpty());
    QCOMPARE(changed.count(), 4);
    QCOMPARE(other.pm(QStringLiteral("HasInhibit")).arguments(), QVariantList{false});
    QTRY_COMPARE_WITH_TIMEOUT(listener.heard, (QList<bool>{true, false}), patience);
}

void TestSessionInhibitions::callerLeavingEndsItsInhibitions_data()
{
    QTest::addColumn<bool>("beforeTheAnswer");
    QTest::newRow("after the answer") << false;
    QTest::newRow("before the answer") << true;
}

void TestSessionInhibitions::callerLeavingEndsItsInhibitions()
{
    QFETCH(bool, beforeTheAnswer);
    SessionInhibitions inhibitions;
    inhibitions.serve();
    QSignalSpy changed(&inhibitions, &SessionInhibitions::inhibitionsChanged);
    Client stays(QStringLiteral("stays"));
    QCOMPARE(stays.pm(QStringLiteral("Inhibit"), {"Backup", "Copying"}).type(),
             QDBusMessage::ReplyMessage);

    if (beforeTheAnswer) {
        // A program that sends Inhibit and is gone before this process
        // reads the call: it waits here, not reading, until the program
        // has left the bus.
        const int status = QProcess::execute(
                QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"),
                 QStringLiteral("import dbus, dbus.lowlevel\n"
                                "bus = dbus.SessionBus()\n"
                                "call = dbus.lowlevel.MethodCallMessage('%1', '%2', '%3', "
                                "'Inhibit')\n"
                                "call.append('Crashed player', 'Playing', signature='ss')\n"
                                "bus.send_message(call)\n"
                                "bus.flush()\n")
                         .arg(screenSaver, QStringLiteral("/ScreenSaver"), screenSaver)});
        QCOMPARE(status, 0);
        // Taken, then dropped once the bus says the caller is gone.
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 3, patience);
    } else {
        Client player(QStringLiteral("player"));
        QVERIFY(player.pm(QStringLiteral("Inhibit"), {"Firefox", "Playing video"}).type()
                == QDBusMessage::ReplyMessage);
        QVERIFY(player.ss(QStringLiteral("/ScreenSaver"), QStringLiteral("Inhibit"),
                          {"Firefox", "Full screen"})
                        .type()
                == QDBusMessage::ReplyMessage);
        QVERIFY(inhibitions.inhibitsScreen());
        player.leave();
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 4, patience);
    }
    // The one who stays keeps its inhibition.
    QCOMPARE(describe(inhibitions.inhibitions()), QStringList{"Backup|Copying"});
    QVERIFY(!inhibitions.inhibitsScreen());
}

// One caller asking 10,000 times holds no more than its share, the texts
// it gives are kept short and plain, and the number of callers is bounded
// too without one caller's share counting against another's.
void TestSessionInhibitions::floodIsBounded()
{
    SessionInhibitions inhibitions;
    inhibitions.serve();
    Client flood(QStringLiteral("flood"));
    const QString longName = QStringLiteral("<b>Flood</b>\nplayer\u202e") + QString(1000, 'x');

    // In rounds well below the bus's own limit of calls awaiting answers.
    int answered = 0;
    int tooMany = 0;
    QSet<uint> cookies;
    for (int round = 0; round < 200; ++round) {
        QList<QDBusPendingCall> calls;
        for (int i = 0; i < 50; ++i) {
            calls << flood.send(powerManagement, powerManagementPath, powerManagementInterface,
                                QStringLiteral("Inhibit"), {longName, QString::number(i)});
        }
        for (QDBusPendingCall &call : calls) {
            QVERIFY(QTest::qWaitFor([&call] { return call.isFinished(); }, patience));
            if (call.isError()) {
                QCOMPARE(call.error().type(), QDBusError::LimitsExceeded);
                ++tooMany;
            } else {
                cookies << call.reply().arguments().at(0).toUInt();
                ++answered;
            }
        }
    }
    QCOMPARE(answered, SessionInhibitions::maxCookiesPerCaller);
    QCOMPARE(cookies.size(), answered);
    QCOMPARE(tooMany, 10000 - answered);
    const QList<SessionInhibitions::Inhibition> held = inhibitions.inhibitions();
    QCOMPARE(held.size(), answered);
    const QString kept = held.first().application;
    QVERIFY(kept.size() <= SessionInhibitions::maxTextLength);
    QVERIFY2(kept.startsWith(QStringLiteral("<b>Flood</b> player x")), qPrintable(kept));

    // Others still get their share, up to the number of callers.
    std::vector<std::unique_ptr<Client>> others;
    for (int i = 1; i <= SessionInhibitions::maxCallers; ++i) {
        others.push_back(std::make_unique<Client>(QStringLiteral("other%1").arg(i)));
        const QDBusMessage answer =
                others.back()->pm(QStringLiteral("Inhibit"), {"Player", "Playing"});
        const bool within = i < SessionInhibitions::maxCallers;
        QCOMPARE(answer.type(), within ? QDBusMessage::ReplyMessage : QDBusMessage::ErrorMessage);
    }
    QCOMPARE(inhibitions.inhibitions().size(), answered + SessionInhibitions::maxCallers - 1);

    // The flood ends with its caller, and a place is free again.
    flood.leave();
    QTRY_COMPARE_WITH_TIMEOUT(inhibitions.inhibitions().size(), SessionInhibitions::maxCallers - 1,
                              patience);
    QCOMPARE(others.back()->pm(QStringLiteral("Inhibit"), {"Player", "Playing"}).type(),
             QDBusMessage::ReplyMessage);
}

// A screen locker that has the screen saver's name keeps it: the program
// neither replaces it nor waits in line, takes the name when it falls free,
// and gives it up to a locker that asks to replace it.
void TestSessionInhibitions::screenSaverLeftToItsOwner()
{
    Client locker(QStringLiteral("locker"));
    QCOMPARE(locker.bus().interface()->registerService(screenSaver).value(),
             QDBusConnectionInterface::ServiceRegistered);

    SessionInhibitions inhibitions;
    QSignalSpy serving(&inhibitions, &SessionInhibitions::servingChanged);
    inhibitions.serve();
    QVERIFY(inhibitions.servesPowerManagement());
    QVERIFY(!inhibitions.servesScreenSaver());
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    QCOMPARE(bus->serviceOwner(screenSaver).value(), locker.bus().baseService());
    const QDBusMessage queued = QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(
                    QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                    QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListQueuedOwners"))
            << screenSaver);
    QCOMPARE(queued.arguments().value(0).toStringList(), QStringList{locker.bus().baseService()});
    const int servingChanges = serving.count();

    locker.leave();
    QTRY_VERIFY_WITH_TIMEOUT(inhibitions.servesScreenSaver(), patience);
    QCOMPARE(serving.count(), servingChanges + 1);
    QCOMPARE(bus->serviceOwner(screenSaver).value(), QDBusConnection::sessionBus().baseService());

    Client newLocker(QStringLiteral("new locker"));
    QCOMPARE(newLocker.bus()
                     .interface()
                     ->registerService(screenSaver, QDBusConnectionInterface::DontQueueService,
                                       QDBusConnectionInterface::DontAllowReplacement)
                     .value(),
             QDBusConnectionInterface::ServiceNotRegistered);
    QCOMPARE(newLocker.bus()
                     .interface()
                     ->registerService(screenSaver,
                                       QDBusConnectionInterface::ReplaceExistingService,
                                       QDBusConnectionInterface::DontAllowReplacement)
                     .value(),
             QDBusConnectionInterface::ServiceRegistered);
    QTRY_VERIFY_WITH_TIMEOUT(!inhibitions.servesScreenSaver(), patience);
    QCOMPARE(bus->serviceOwner(screenSaver).value(), newLocker.bus().baseService());
}

QTEST_GUILESS_MAIN(TestSessionInhibitions)
#include "tst_sessioninhibitions.moc"
