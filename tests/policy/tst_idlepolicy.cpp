#include "idlepolicy.h"
#include "settingskeys.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// What happens while the person is away, from tables: the choices read from
// the store, the timeouts armed, what blocks which step, and stretches of
// idleness told as events.
class TestIdlePolicy : public QObject
{
    Q_OBJECT

private slots:
    void choices_data();
    void choices();
    void timeouts_data();
    void timeouts();
    void blocks_data();
    void blocks();
    void stretches_data();
    void stretches();
    void dimLevel_data();
    void dimLevel();
    void keptAwakeBy_data();
    void keptAwakeBy();
};

using Stored = QMap<QString, QString>;

static QString stepName(IdlePolicy::Step step)
{
    switch (step) {
    case IdlePolicy::Dim:
        return QStringLiteral("Dim");
    case IdlePolicy::ScreenOff:
        return QStringLiteral("ScreenOff");
    case IdlePolicy::Sleep:
        return QStringLiteral("Sleep");
    }
    return {};
}

static IdlePolicy::Step step(const QString &name)
{
    return name == QLatin1String("Dim")          ? IdlePolicy::Dim
            : name == QLatin1String("ScreenOff") ? IdlePolicy::ScreenOff
                                                 : IdlePolicy::Sleep;
}

static QString described(const IdleChoices &c)
{
    return QStringLiteral("%1/%2/%3/%4/%5")
            .arg(c.dimAfter)
            .arg(c.dimTo)
            .arg(c.screenOffAfter)
            .arg(c.sleepAfter)
            .arg(c.sleepAction);
}

static QString described(const QList<IdlePolicy::Timeout> &timeouts)
{
    QStringList parts;
    for (const IdlePolicy::Timeout &t : timeouts)
        parts << stepName(t.step) + QLatin1Char('@') + QString::number(t.msec);
    return parts.join(QLatin1Char(','));
}

void TestIdlePolicy::choices_data()
{
    QTest::addColumn<bool>("onBattery");
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<QString>("expected"); // dim after/dim to/off after/sleep after/action

    QTest::newRow("battery defaults: sleep off") << true << Stored{} << "120/30/300/0/suspend";
    QTest::newRow("line power defaults") << false << Stored{} << "300/30/600/0/suspend";
    QTest::newRow("stored, each source its own")
            << false << Stored{{"Control/Idle/LinePower/DimAfter", "60"},
                               {"Control/Idle/LinePower/DimTo", "50"},
                               {"Control/Idle/LinePower/ScreenOffAfter", "0"},
                               {"Control/Idle/LinePower/SleepAfter", "900"},
                               {"Control/Idle/LinePower/SleepAction", "hibernate"},
                               {"Control/Idle/Battery/SleepAfter", "5"}}
            << "60/50/0/900/hibernate";
    QTest::newRow("the other source's sleep does not count")
            << true << Stored{{"Control/Idle/LinePower/SleepAfter", "60"}}
            << "120/30/300/0/suspend";
    QTest::newRow("negative: never") << true
                                     << Stored{{"Control/Idle/Battery/DimAfter", "-5"},
                                               {"Control/Idle/Battery/SleepAfter", "-1"}}
                                     << "0/30/300/0/suspend";
    QTest::newRow("text: the default") << true
                                       << Stored{{"Control/Idle/Battery/DimAfter", "soon"},
                                                 {"Control/Idle/Battery/DimTo", "dark"},
                                                 {"Control/Idle/Battery/ScreenOffAfter", "2.5"},
                                                 {"Control/Idle/Battery/SleepAfter", "ten"}}
                                       << "120/30/300/0/suspend";
    QTest::newRow("10^12 seconds: never")
            << true
            << Stored{{"Control/Idle/Battery/DimAfter", "1000000000000"},
                      {"Control/Idle/Battery/SleepAfter", "1000000000000"},
                      {"Control/Idle/Battery/DimTo", "1000000000000"}}
            << "0/30/300/0/suspend";
    QTest::newRow("the longest wait taken")
            << true << Stored{{"Control/Idle/Battery/SleepAfter", "2000000"}}
            << "120/30/300/2000000/suspend";
    QTest::newRow("percent out of range: the default")
            << true << Stored{{"Control/Idle/Battery/DimTo", "0"}} << "120/30/300/0/suspend";
    QTest::newRow("unknown action: nothing")
            << true
            << Stored{{"Control/Idle/Battery/SleepAction", "reboot"},
                      {"Control/Idle/Battery/SleepAfter", "60"}}
            << "120/30/300/60/*";
    QTest::newRow("actions are case-sensitive")
            << true << Stored{{"Control/Idle/Battery/SleepAction", "Suspend"}} << "120/30/300/0/*";
}

void TestIdlePolicy::choices()
{
    QFETCH(bool, onBattery);
    QFETCH(Stored, stored);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Written as text, the way a hand-edited file holds them.
    QFile file(dir.filePath(QStringLiteral("store.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QMap<QString, QStringList> sections;
    for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
        const int slash = it.key().indexOf(QLatin1Char('/'));
        sections[it.key().left(slash)]
                << QString(it.key().mid(slash + 1)).replace(QLatin1Char('/'), QLatin1Char('\\'))
                        + QLatin1Char('=') + it.value();
    }
    for (auto it = sections.cbegin(); it != sections.cend(); ++it)
        file.write(('[' + it.key() + "]\n" + it.value().join(QLatin1Char('\n')) + "\n").toUtf8());
    file.close();

    const QSettings store(file.fileName(), QSettings::IniFormat);
    QCOMPARE(described(IdleChoices::read(store, onBattery)), expected);
}

void TestIdlePolicy::timeouts_data()
{
    QTest::addColumn<QString>("choices"); // as choices() describes them
    QTest::addColumn<bool>("canDim");
    QTest::addColumn<bool>("canTurnScreenOff");
    QTest::addColumn<qint64>("wokeAtMs"); // -1: no wake
    QTest::addColumn<QString>("expected");

    QTest::newRow("battery defaults") << "120/30/300/0/suspend" << true << true << qint64(-1)
                                      << "Dim@120000,ScreenOff@300000";
    QTest::newRow("no backlight, no DPMS: nothing to arm")
            << "120/30/300/0/suspend" << false << false << qint64(-1) << "";
    QTest::newRow("sleep") << "0/30/0/900/hibernate" << true << true << qint64(-1)
                           << "Sleep@900000";
    QTest::newRow("sleep doing nothing is no timeout")
            << "0/30/0/900/*" << true << true << qint64(-1) << "";
    QTest::newRow("after a wake, counted from it")
            << "10/30/20/30/suspend" << true << true << qint64(31000)
            << "Dim@41000,ScreenOff@51000,Sleep@61000";
    QTest::newRow("the longest wait after a long wake stays in range")
            << "0/30/0/2000000/suspend" << true << true << qint64(1000000000) << "Sleep@2147483647";
}

static IdleChoices parsed(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    IdleChoices c;
    c.dimAfter = parts.at(0).toInt();
    c.dimTo = parts.at(1).toInt();
    c.screenOffAfter = parts.at(2).toInt();
    c.sleepAfter = parts.at(3).toInt();
    c.sleepAction = parts.at(4);
    return c;
}

void TestIdlePolicy::timeouts()
{
    QFETCH(QString, choices);
    QFETCH(bool, canDim);
    QFETCH(bool, canTurnScreenOff);
    QFETCH(qint64, wokeAtMs);
    QFETCH(QString, expected);

    IdlePolicy policy;
    policy.setChoices(parsed(choices));
    policy.setAbilities(canDim, canTurnScreenOff);
    if (wokeAtMs >= 0)
        policy.woke(wokeAtMs);
    QCOMPARE(described(policy.timeouts()), expected);
}

static IdlePolicy::Blocks blocksFrom(const QStringList &names)
{
    IdlePolicy::Blocks blocks;
    blocks.keptAwake = names.contains(QLatin1String("tray"));
    blocks.logindIdle = names.contains(QLatin1String("logind-idle"));
    blocks.logindSleep = names.contains(QLatin1String("logind-sleep"));
    blocks.sessionSleep = names.contains(QLatin1String("power-management"));
    blocks.sessionScreen = names.contains(QLatin1String("screen-saver"));
    return blocks;
}

void TestIdlePolicy::blocks_data()
{
    QTest::addColumn<QStringList>("blocks");
    QTest::addColumn<QString>("blocked"); // the steps it stops

    QTest::newRow("nothing") << QStringList{} << "";
    QTest::newRow("Keep awake") << QStringList{"tray"} << "Dim,ScreenOff,Sleep";
    QTest::newRow("logind idle") << QStringList{"logind-idle"} << "Dim,ScreenOff,Sleep";
    QTest::newRow("logind sleep: dimming still") << QStringList{"logind-sleep"} << "Sleep";
    QTest::newRow("PowerManagement.Inhibit") << QStringList{"power-management"} << "Sleep";
    // Every screen saver cookie also counts as keeping the machine from
    // sleeping, as SessionInhibitions tells it.
    QTest::newRow("ScreenSaver.Inhibit")
            << QStringList{"screen-saver", "power-management"} << "Dim,ScreenOff,Sleep";
}

void TestIdlePolicy::blocks()
{
    QFETCH(QStringList, blocks);
    QFETCH(QString, blocked);

    QStringList stopped;
    for (IdlePolicy::Step s : {IdlePolicy::Dim, IdlePolicy::ScreenOff, IdlePolicy::Sleep}) {
        if (IdlePolicy::isBlocked(s, blocksFrom(blocks)))
            stopped << stepName(s);
    }
    QCOMPARE(stopped.join(QLatin1Char(',')), blocked);
}

// Events, one a word, played the way the idle controller plays them: after
// each, the steps that are due and free are carried out.
//   battery, line          the power source (and its choices) now
//   Dim, ScreenOff, Sleep  that step's timeout is reached
//   +BLOCK, -BLOCK         a block (as in blocks()) begins or ends
//   input                  the person is back
//   wake:MS                the machine woke MS after the last input
//   refused                the system refused the sleep (nothing is
//                          carried out until the next event)
//   retry                  the controller tries the due steps again
//   timeouts               notes the timeouts to arm
// The outcome: what was carried out, "told" for a refusal told, and the
// noted timeouts in brackets.
void TestIdlePolicy::stretches_data()
{
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no input: each step in turn") << "battery Dim ScreenOff Sleep"
                                                 << "Dim ScreenOff Sleep";
    QTest::newRow("each step once a stretch, again after input")
            << "battery Sleep Sleep input Sleep"
            << "Sleep Sleep";
    QTest::newRow("line power without sleep: never") << "line Dim Sleep"
                                                     << "Dim";
    QTest::newRow("a player holds sleep, not dimming, until it lets go")
            << "battery +power-management Dim Sleep -power-management"
            << "Dim Sleep";
    QTest::newRow("a screen saver inhibition holds every step")
            << "battery +screen-saver +power-management Dim ScreenOff Sleep "
               "-screen-saver -power-management"
            << "Dim ScreenOff Sleep";
    QTest::newRow("logind sleep block: dimmed, no sleep") << "battery +logind-sleep Dim Sleep"
                                                          << "Dim";
    QTest::newRow("Keep awake, then released within the stretch") << "battery +tray Dim Sleep -tray"
                                                                  << "Dim Sleep";
    QTest::newRow("a block outlasting the stretch: never")
            << "battery +power-management Sleep input -power-management"
            << "";
    QTest::newRow("to line power while held: the battery's sleep is dropped")
            << "battery +power-management Sleep line -power-management"
            << "";
    QTest::newRow("to line power: a step done is not done again") << "battery Dim line Dim"
                                                                  << "Dim";
    QTest::newRow("to battery while idle: its timeouts from the last input")
            << "line timeouts battery timeouts Sleep"
            << "[Dim@60000] [Dim@10000,ScreenOff@20000,Sleep@30000] Sleep";
    QTest::newRow("a wake counts afresh")
            << "battery Dim ScreenOff Sleep wake:30500 timeouts Dim Sleep"
            << "Dim ScreenOff Sleep [Dim@40500,ScreenOff@50500,Sleep@60500] Dim Sleep";
    QTest::newRow("input after a wake counts from the input")
            << "battery wake:30500 input timeouts"
            << "[Dim@10000,ScreenOff@20000,Sleep@30000]";
    QTest::newRow("a refusal is told once a stretch, and asked again")
            << "battery Sleep refused retry refused input Sleep refused"
            << "Sleep told Sleep Sleep told";
}

void TestIdlePolicy::stretches()
{
    QFETCH(QString, events);
    QFETCH(QString, expected);

    IdleChoices battery = parsed(QStringLiteral("10/30/20/30/suspend"));
    IdleChoices line = parsed(QStringLiteral("60/30/0/0/suspend"));
    IdlePolicy policy;
    policy.setAbilities(true, true);
    QStringList blocks;
    QStringList outcome;
    auto carryOut = [&] {
        for (IdlePolicy::Step s : policy.dueAndFree(blocksFrom(blocks))) {
            policy.carriedOut(s);
            outcome << stepName(s);
        }
    };
    for (const QString &event : events.split(QLatin1Char(' '))) {
        if (event == QLatin1String("battery") || event == QLatin1String("line"))
            policy.setChoices(event == QLatin1String("battery") ? battery : line);
        else if (event.startsWith(QLatin1Char('+')))
            blocks << event.mid(1);
        else if (event.startsWith(QLatin1Char('-')))
            blocks.removeAll(event.mid(1));
        else if (event == QLatin1String("input"))
            policy.inputCame();
        else if (event.startsWith(QLatin1String("wake:")))
            policy.woke(event.mid(5).toLongLong());
        else if (event == QLatin1String("timeouts"))
            outcome << QLatin1Char('[') + described(policy.timeouts()) + QLatin1Char(']');
        else if (event == QLatin1String("Dim") || event == QLatin1String("ScreenOff")
                 || event == QLatin1String("Sleep"))
            policy.reached(step(event));
        if (event != QLatin1String("refused"))
            carryOut();
        else if (policy.sleepRefused())
            outcome << QStringLiteral("told");
    }
    QCOMPARE(outcome.join(QLatin1Char(' ')), expected);
}

void TestIdlePolicy::dimLevel_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("expected");

    QTest::newRow("full to 30 %") << 255 << 255 << 30 << 76;
    QTest::newRow("never above the current level") << 50 << 255 << 30 << -1;
    QTest::newRow("at the level already") << 76 << 255 << 30 << -1;
    QTest::newRow("never to black") << 8 << 8 << 1 << 1;
    QTest::newRow("a level that cannot be read") << -1 << 255 << 30 << -1;
    QTest::newRow("no backlight") << 0 << 0 << 30 << -1;
    QTest::newRow("a large range") << 120000 << 120000 << 30 << 36000;
}

void TestIdlePolicy::dimLevel()
{
    QFETCH(int, current);
    QFETCH(int, maximum);
    QFETCH(int, percent);
    QFETCH(int, expected);
    QCOMPARE(IdlePolicy::dimLevel(current, maximum, percent), expected);
}

void TestIdlePolicy::keptAwakeBy_data()
{
    QTest::addColumn<bool>("fromTray");
    QTest::addColumn<QStringList>("keepers"); // who|why each
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nobody") << false << QStringList{} << QStringList{};
    QTest::newRow("a player") << false << QStringList{"Firefox|Playing video"}
                              << QStringList{"Kept awake by Firefox: Playing video"};
    QTest::newRow("the same through both interfaces: once")
            << true << QStringList{"Firefox|Playing video", "Firefox|Playing video", "mpv|"}
            << QStringList{"Kept awake from the tray menu", "Kept awake by Firefox: Playing video",
                           "Kept awake by mpv"};
    QTest::newRow("names chosen by others: one bounded line")
            << false << QStringList{"Evil\nApp\u202e|" + QString(300, QLatin1Char('x')), "|why"}
            << QStringList{"Kept awake by Evil App: " + QString(159, QLatin1Char('x'))
                                   + QChar(0x2026),
                           "Kept awake by an application: why"};
    QTest::newRow("three named, then counted")
            << true << QStringList{"a|", "b|", "c|", "d|"}
            << QStringList{"Kept awake from the tray menu", "Kept awake by a", "Kept awake by b",
                           "and 2 more keeping it awake"};
}

void TestIdlePolicy::keptAwakeBy()
{
    QFETCH(bool, fromTray);
    QFETCH(QStringList, keepers);
    QFETCH(QStringList, expected);

    QList<IdlePolicy::Keeper> list;
    for (const QString &keeper : keepers)
        list.append({keeper.section(QLatin1Char('|'), 0, 0), keeper.section(QLatin1Char('|'), 1)});
    QCOMPARE(IdlePolicy::keptAwakeBy(fromTray, list), expected);
}

QTEST_GUILESS_MAIN(TestIdlePolicy)
#include "tst_idlepolicy.moc"
