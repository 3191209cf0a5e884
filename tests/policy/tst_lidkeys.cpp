#include "lidkeys.h"

#include <QtTest>

// What the lid and the keys do, from tables: what a stored value stands
// for, which case applies when the lid closes, what "Let the system decide"
// means while the program holds the lid, what it takes from logind on
// which stack, and what each row offers.
class TestLidKeys : public QObject
{
    Q_OBJECT

private slots:
    void storedValues_data();
    void storedValues();
    void lidCase_data();
    void lidCase();
    void systemAction_data();
    void systemAction();
    void whatIsTakenAndAnswered_data();
    void whatIsTakenAndAnswered();
    void offers_data();
    void offers();
};

using Choice = LidKeys::Choice;
using Stack = LidKeys::Stack;
Q_DECLARE_METATYPE(LidKeys::Choice)
Q_DECLARE_METATYPE(LidKeys::Stack)
Q_DECLARE_METATYPE(LidKeys::LidCase)

namespace {

// The stored identifiers of a list of choices, joined: easy to read in a table.
QString identifiers(const QList<Choice> &choices)
{
    QStringList names;
    for (Choice choice : choices)
        names << LidKeys::identifier(choice);
    return names.join(QLatin1Char(' '));
}

QString orNone(const std::optional<Choice> &choice)
{
    return choice ? LidKeys::identifier(*choice) : QStringLiteral("-");
}

} // namespace

void TestLidKeys::storedValues_data()
{
    QTest::addColumn<QVariant>("stored");
    // What the lid, the power key and the suspend key go by.
    QTest::addColumn<QString>("lid");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("suspendKey");

    QTest::newRow("nothing stored") << QVariant() << "system"
                                    << "system"
                                    << "system";
    QTest::newRow("system") << QVariant("system") << "system"
                            << "system"
                            << "system";
    QTest::newRow("nothing") << QVariant("nothing") << "nothing"
                             << "nothing"
                             << "nothing";
    QTest::newRow("the action catalogue's nothing") << QVariant("*") << "nothing"
                                                    << "nothing"
                                                    << "nothing";
    QTest::newRow("screen-off: the lid's only") << QVariant("screen-off") << "screen-off"
                                                << "system"
                                                << "system";
    QTest::newRow("lock: the lid's only") << QVariant("lock") << "lock"
                                          << "system"
                                          << "system";
    QTest::newRow("ask: the power key's only") << QVariant("ask") << "system"
                                               << "ask"
                                               << "system";
    QTest::newRow("suspend") << QVariant("suspend") << "suspend"
                             << "suspend"
                             << "suspend";
    QTest::newRow("hibernate") << QVariant("hibernate") << "hibernate"
                               << "hibernate"
                               << "hibernate";
    QTest::newRow("shutdown") << QVariant("shutdown") << "shutdown"
                              << "shutdown"
                              << "shutdown";
    // Never a wrong action: whatever the program cannot read stays the
    // system's, and is not taken as a shutdown.
    QTest::newRow("another case") << QVariant("Suspend") << "system"
                                  << "system"
                                  << "system";
    QTest::newRow("a blank after it") << QVariant("suspend ") << "system"
                                      << "system"
                                      << "system";
    QTest::newRow("empty") << QVariant("") << "system"
                           << "system"
                           << "system";
    QTest::newRow("reboot") << QVariant("reboot") << "system"
                            << "system"
                            << "system";
    QTest::newRow("a list") << QVariant(QStringList{"suspend", "shutdown"}) << "system"
                            << "system"
                            << "system";
    QTest::newRow("a number") << QVariant(3) << "system"
                              << "system"
                              << "system";
    QTest::newRow("a boolean") << QVariant(true) << "system"
                               << "system"
                               << "system";
    QTest::newRow("control characters") << QVariant("sus\npend") << "system"
                                        << "system"
                                        << "system";
}

void TestLidKeys::storedValues()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, lid);
    QFETCH(QString, power);
    QFETCH(QString, suspendKey);
    QCOMPARE(LidKeys::identifier(LidKeys::lidChoice(stored)), lid);
    QCOMPARE(LidKeys::identifier(LidKeys::keyChoice(LidKeys::Key::Power, stored)), power);
    QCOMPARE(LidKeys::identifier(LidKeys::keyChoice(LidKeys::Key::Suspend, stored)), suspendKey);
    // What a row shows as chosen: a value it does not offer shows none.
    const bool storedSystem =
            stored.userType() == QMetaType::QString && stored.toString() == QLatin1String("system");
    QCOMPARE(LidKeys::storedLidChoice(stored).has_value(),
             lid != QLatin1String("system") || storedSystem);
}

void TestLidKeys::lidCase_data()
{
    QTest::addColumn<bool>("onBattery");
    QTest::addColumn<int>("monitors");
    QTest::addColumn<LidKeys::LidCase>("expected");
    QTest::newRow("battery, the laptop's screen") << true << 1 << LidKeys::LidCase::OnBattery;
    QTest::newRow("line power, the laptop's screen") << false << 1 << LidKeys::LidCase::OnLinePower;
    QTest::newRow("battery, another screen") << true << 2 << LidKeys::LidCase::Docked;
    QTest::newRow("line power, two more screens") << false << 3 << LidKeys::LidCase::Docked;
    QTest::newRow("no monitor known") << true << 0 << LidKeys::LidCase::OnBattery;
}

void TestLidKeys::lidCase()
{
    QFETCH(bool, onBattery);
    QFETCH(int, monitors);
    QFETCH(LidKeys::LidCase, expected);
    QCOMPARE(LidKeys::lidCase(onBattery, monitors), expected);
}

void TestLidKeys::systemAction_data()
{
    QTest::addColumn<QString>("lidSwitch");
    QTest::addColumn<QString>("externalPower");
    QTest::addColumn<QString>("docked");
    // What the program does on battery, on line power and docked.
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing could be read: logind's defaults") << ""
                                                              << ""
                                                              << ""
                                                              << "suspend suspend nothing";
    QTest::newRow("logind's defaults, read") << "suspend"
                                             << "suspend"
                                             << "ignore"
                                             << "suspend suspend nothing";
    QTest::newRow("external power hibernates") << "suspend"
                                               << "hibernate"
                                               << "ignore"
                                               << "suspend hibernate nothing";
    QTest::newRow("external power unread: the same as the lid") << "poweroff"
                                                                << ""
                                                                << ""
                                                                << "shutdown shutdown nothing";
    QTest::newRow("halt is a shutdown") << "halt"
                                        << "lock"
                                        << "suspend"
                                        << "shutdown lock suspend";
    QTest::newRow("the sleeps the program can only suspend for") << "hybrid-sleep"
                                                                 << "suspend-then-hibernate"
                                                                 << "sleep"
                                                                 << "suspend suspend suspend";
    QTest::newRow("ignore is nothing") << "ignore"
                                       << "ignore"
                                       << "ignore"
                                       << "nothing nothing nothing";
    QTest::newRow("what it cannot carry out: the defaults") << "reboot"
                                                            << "kexec"
                                                            << "factory-reset"
                                                            << "suspend suspend nothing";
    QTest::newRow("garbage in external power falls back to the lid's")
            << "hibernate"
            << "HIBERNATE"
            << "lock"
            << "hibernate hibernate lock";
}

void TestLidKeys::systemAction()
{
    QFETCH(QString, lidSwitch);
    QFETCH(QString, externalPower);
    QFETCH(QString, docked);
    QFETCH(QString, expected);
    const LidKeys::LogindHandling handling{lidSwitch, externalPower, docked};
    QStringList actions;
    for (auto lidCase :
         {LidKeys::LidCase::OnBattery, LidKeys::LidCase::OnLinePower, LidKeys::LidCase::Docked})
        actions << LidKeys::identifier(LidKeys::systemAction(lidCase, handling));
    QCOMPARE(actions.join(QLatin1Char(' ')), expected);
}

void TestLidKeys::whatIsTakenAndAnswered_data()
{
    QTest::addColumn<bool>("logindKnown");
    QTest::addColumn<bool>("logindRuns");
    QTest::addColumn<bool>("refusedAsMissing");
    // On battery (the case that applies), on line power, docked.
    QTest::addColumn<QString>("lidChoices");
    QTest::addColumn<bool>("lidInhibitorHeld");
    QTest::addColumn<QString>("keyChoice");
    QTest::addColumn<bool>("grabHeld");
    QTest::addColumn<bool>("keyInhibitorHeld");
    // Whether the lid is taken, the key grabbed and its inhibitor held.
    QTest::addColumn<QString>("taken");
    // What the program does as the lid closes ("-": nothing of its own;
    // "system": logind's handling) and as the key is pressed.
    QTest::addColumn<QString>("lidDoes");
    QTest::addColumn<QString>("keyDoes");

    QTest::newRow("all the system's: nothing taken")
            << true << true << false << "system system system" << false << "system" << false
            << false << "- - -"
            << "-"
            << "-";
    QTest::newRow("the lid taken: its case chosen")
            << true << true << false << "suspend system system" << true << "system" << false
            << false << "lid - -"
            << "suspend"
            << "-";
    QTest::newRow("the lid taken for another case: logind's handling")
            << true << true << false << "system hibernate system" << true << "system" << false
            << false << "lid - -"
            << "system"
            << "-";
    QTest::newRow("the lid's inhibitor not held yet: logind acts")
            << true << true << false << "suspend system system" << false << "system" << false
            << false << "lid - -"
            << "-"
            << "-";
    QTest::newRow("a key grabbed and given: the program answers it")
            << true << true << false << "system system system" << false << "suspend" << true << true
            << "- key inhibitor"
            << "-"
            << "suspend";
    QTest::newRow("a key another program holds: no inhibitor, logind answers it")
            << true << true << false << "system system system" << false << "ask" << false << false
            << "- key -"
            << "-"
            << "-";
    QTest::newRow("a key whose inhibitor is not given yet: logind answers it")
            << true << true << false << "system system system" << false << "ask" << true << false
            << "- key inhibitor"
            << "-"
            << "-";
    QTest::newRow("logind not known yet: nothing is taken or done")
            << false << false << false << "suspend nothing lock" << true << "suspend" << true
            << true << "- - -"
            << "-"
            << "-";
    QTest::newRow("no logind: the program answers the lid itself, not the keys")
            << true << false << false << "hibernate system system" << false << "suspend" << true
            << true << "- - -"
            << "hibernate"
            << "-";
    QTest::newRow("no logind, the system's choice: the program does nothing")
            << true << false << false << "system suspend system" << false << "system" << false
            << false << "- - -"
            << "-"
            << "-";
    QTest::newRow("logind went away after it was known")
            << true << true << true << "nothing system system" << true << "suspend" << true << true
            << "- - -"
            << "nothing"
            << "-";
}

void TestLidKeys::whatIsTakenAndAnswered()
{
    QFETCH(bool, logindKnown);
    QFETCH(bool, logindRuns);
    QFETCH(bool, refusedAsMissing);
    QFETCH(QString, lidChoices);
    QFETCH(bool, lidInhibitorHeld);
    QFETCH(QString, keyChoice);
    QFETCH(bool, grabHeld);
    QFETCH(bool, keyInhibitorHeld);
    QFETCH(QString, taken);
    QFETCH(QString, lidDoes);
    QFETCH(QString, keyDoes);

    const Stack stack = LidKeys::stackOf(logindKnown, logindRuns, refusedAsMissing);
    QList<Choice> lid;
    for (const QString &stored : lidChoices.split(QLatin1Char(' ')))
        lid << LidKeys::lidChoice(stored);
    const Choice key = LidKeys::keyChoice(LidKeys::Key::Power, keyChoice);

    const QStringList parts{
            LidKeys::takesLid(stack, lid) ? QStringLiteral("lid") : QStringLiteral("-"),
            LidKeys::takesKey(stack, key) ? QStringLiteral("key") : QStringLiteral("-"),
            LidKeys::holdsKeyInhibitor(stack, key, grabHeld) ? QStringLiteral("inhibitor")
                                                             : QStringLiteral("-")};
    QCOMPARE(parts.join(QLatin1Char(' ')), taken);
    QCOMPARE(orNone(LidKeys::lidAction(stack, lidInhibitorHeld, lid.constFirst())), lidDoes);
    QCOMPARE(orNone(LidKeys::keyAction(stack, keyInhibitorHeld, key)), keyDoes);
}

void TestLidKeys::offers_data()
{
    QTest::addColumn<LidKeys::Stack>("stack");
    QTest::addColumn<bool>("canSleep");
    QTest::addColumn<bool>("screenCanTurnOff");
    QTest::addColumn<QString>("lid");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("suspendKey");
    QTest::addColumn<QString>("asked");

    QTest::newRow("logind, everything")
            << Stack::Logind << true << true
            << "system nothing screen-off lock suspend hibernate shutdown"
            << "system ask suspend hibernate shutdown nothing"
            << "system suspend hibernate shutdown nothing"
            << "suspend hibernate shutdown";
    QTest::newRow("logind, no sleep, no screen power (Wayland)")
            << Stack::Logind << false << false << "system nothing lock shutdown"
            << "system ask shutdown nothing"
            << "system shutdown nothing"
            << "shutdown";
    QTest::newRow("not known yet: as with logind")
            << Stack::Unknown << true << false << "system nothing lock suspend hibernate shutdown"
            << "system ask suspend hibernate shutdown nothing"
            << "system suspend hibernate shutdown nothing"
            << "suspend hibernate shutdown";
    QTest::newRow("the older stack: what UPower and ConsoleKit do, the keys the system's")
            << Stack::WithoutLogind << true << true
            << "system nothing screen-off suspend hibernate shutdown"
            << "system"
            << "system"
            << "suspend hibernate shutdown";
}

void TestLidKeys::offers()
{
    QFETCH(LidKeys::Stack, stack);
    QFETCH(bool, canSleep);
    QFETCH(bool, screenCanTurnOff);
    QFETCH(QString, lid);
    QFETCH(QString, power);
    QFETCH(QString, suspendKey);
    QFETCH(QString, asked);
    QMap<QString, QString> offered{{"*", "Nothing"}, {"shutdown", "Shutdown"}};
    if (canSleep) {
        offered.insert("suspend", "Suspend");
        offered.insert("hibernate", "Hibernate");
    }
    QCOMPARE(identifiers(LidKeys::lidChoices(stack, offered, screenCanTurnOff)), lid);
    QCOMPARE(identifiers(LidKeys::keyChoices(LidKeys::Key::Power, stack, offered)), power);
    QCOMPARE(identifiers(LidKeys::keyChoices(LidKeys::Key::Suspend, stack, offered)), suspendKey);
    QCOMPARE(identifiers(LidKeys::askedChoices(offered)), asked);
    // Whatever a row offers, it can store and read back.
    for (Choice choice : LidKeys::lidChoices(stack, offered, screenCanTurnOff))
        QCOMPARE(LidKeys::lidChoice(LidKeys::identifier(choice)), choice);
    for (Choice choice : LidKeys::keyChoices(LidKeys::Key::Power, stack, offered))
        QCOMPARE(LidKeys::keyChoice(LidKeys::Key::Power, LidKeys::identifier(choice)), choice);
}

QTEST_GUILESS_MAIN(TestLidKeys)
#include "tst_lidkeys.moc"
