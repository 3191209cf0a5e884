#include "logindblockers.h"
#include "logindinhibitor.h"
#include "mockservice.h"

#include <QDBusArgument>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <signal.h>

// The program's own logind inhibitors, and who else blocks what, against
// dbusmock's logind template: its Inhibit hands out the write end of a pipe
// and lists the inhibitor until every copy of that end is closed.
class TestLogindInhibitor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<LogindInhibitor::State>(); }
    void cleanup() { logind.reset(); }

    void heldUntilReleased();
    void lateAnswerIsClosed_data();
    void lateAnswerIsClosed();
    void killedHolderLetsGoAtOnce();
    void refusal_data();
    void refusal();
    void blockersAreOthersBlocks();

private:
    bool startLogind()
    {
        logind = std::make_unique<MockService>(QStringLiteral("org.freedesktop.login1"),
                                               QStringLiteral("/org/freedesktop/login1"),
                                               QStringLiteral("logind"));
        return logind->start();
    }
    void replaceMethod(const QString &method, const QString &in, const QString &out,
                       const QString &code) const
    {
        logind->mock(QStringLiteral("AddMethod"),
                     {QStringLiteral("org.freedesktop.login1.Manager"), method, in, out, code});
    }

    // What the stand-in lists now, as "what|who|why|mode" each.
    static QStringList listed()
    {
        const QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("ListInhibitors"));
        const QDBusMessage reply = QDBusConnection::systemBus().call(call);
        QStringList entries;
        if (reply.type() != QDBusMessage::ReplyMessage)
            return {QStringLiteral("error: ") + reply.errorName()};
        const auto list = reply.arguments().value(0).value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            QString what, who, why, mode;
            uint uid, pid;
            list.beginStructure();
            list >> what >> who >> why >> mode >> uid >> pid;
            list.endStructure();
            entries << QStringList{what, who, why, mode}.join(QLatin1Char('|'));
        }
        list.endArray();
        return entries;
    }

    std::unique_ptr<MockService> logind;
};

// Short waits for the stand-in, which shares two cores with a build.
constexpr int patience = 20000;

void TestLogindInhibitor::heldUntilReleased()
{
    QVERIFY(startLogind());
    LogindInhibitor lid(QStringLiteral("handle-lid-switch"), QStringLiteral("Handles the lid"));
    QSignalSpy states(&lid, &LogindInhibitor::stateChanged);
    lid.acquire();
    // Asked, not waited for.
    QCOMPARE(lid.state(), LogindInhibitor::Asking);
    QTRY_COMPARE_WITH_TIMEOUT(lid.state(), LogindInhibitor::Held, patience);
    QCOMPARE(listed(), QStringList{"handle-lid-switch|Power manager|Handles the lid|block"});

    lid.acquire(); // held already: nothing more is asked
    lid.release();
    QCOMPARE(lid.state(), LogindInhibitor::NotHeld);
    QTRY_COMPARE_WITH_TIMEOUT(listed(), QStringList(), patience);
    QCOMPARE(states.size(), 3); // asking, held, not held

    // Taken again, and let go with the object.
    auto idle = std::make_unique<LogindInhibitor>(QStringLiteral("idle:sleep"),
                                                  QStringLiteral("Handles idleness"),
                                                  LogindInhibitor::Delay);
    idle->acquire();
    QTRY_VERIFY_WITH_TIMEOUT(idle->isHeld(), patience);
    QCOMPARE(listed(), QStringList{"idle:sleep|Power manager|Handles idleness|delay"});
    idle.reset();
    QTRY_COMPARE_WITH_TIMEOUT(listed(), QStringList(), patience);
}

void TestLogindInhibitor::lateAnswerIsClosed_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("released") << "release";
    QTest::newRow("destroyed") << "destroy";
    QTest::newRow("released, then wanted again") << "release, acquire";
}

// The caller changes its mind before logind's answer is read: what logind
// gives is closed at once, or, when wanted again, held once.
void TestLogindInhibitor::lateAnswerIsClosed()
{
    QFETCH(QString, change);
    QVERIFY(startLogind());
    auto key = std::make_unique<LogindInhibitor>(QStringLiteral("handle-power-key"),
                                                 QStringLiteral("Handles the power key"));
    QSignalSpy states(key.get(), &LogindInhibitor::stateChanged);
    key->acquire();
    if (change == QLatin1String("destroy"))
        key.reset();
    else
        key->release();
    const bool wantedAgain = change.endsWith(QLatin1String("acquire"));
    if (wantedAgain)
        key->acquire();

    // logind did hand out an inhibitor. (Whether it is still listed depends
    // on how soon the dropped answer's descriptor was closed.)
    QTRY_COMPARE_WITH_TIMEOUT(logind->callCount(QStringLiteral("Inhibit")), 1, patience);
    if (wantedAgain) {
        QTRY_COMPARE_WITH_TIMEOUT(key->state(), LogindInhibitor::Held, patience);
        QCOMPARE(listed().size(), 1);
        key->release();
    }
    QTRY_COMPARE_WITH_TIMEOUT(listed(), QStringList(), patience);
    if (key) {
        QCOMPARE(key->state(), LogindInhibitor::NotHeld);
        // Told held only when wanted when the answer came.
        const int held = int(std::count_if(states.cbegin(), states.cend(), [](const auto &state) {
            return state.at(0).template value<LogindInhibitor::State>() == LogindInhibitor::Held;
        }));
        QCOMPARE(held, wantedAgain ? 1 : 0);
    }
}

// The inhibitor lives in the descriptor: a holder that is killed lets go
// at once, even though a child it started runs on (no child inherits it).
void TestLogindInhibitor::killedHolderLetsGoAtOnce()
{
    QVERIFY(startLogind());
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold")});
    QTRY_VERIFY_WITH_TIMEOUT(holder.canReadLine() || holder.state() == QProcess::NotRunning,
                             patience);
    const QList<QByteArray> said = holder.readLine().trimmed().split(' ');
    QCOMPARE(said.value(0), QByteArray("held"));
    const pid_t child = said.value(1).toInt();
    QVERIFY(child > 0);
    const auto reap = qScopeGuard([child] { ::kill(child, SIGKILL); });
    QCOMPARE(listed(), QStringList{"sleep|Power manager|Holds on|block"});

    holder.kill(); // SIGKILL: nothing of the program runs any more
    QVERIFY(holder.waitForFinished(patience));
    QTRY_COMPARE_WITH_TIMEOUT(listed(), QStringList(), patience);
    QVERIFY2(::kill(child, 0) == 0, "the holder's child ended with it: inheritance was not tried");
}

void TestLogindInhibitor::refusal_data()
{
    QTest::addColumn<bool>("withLogind");
    QTest::newRow("refused") << true;
    QTest::newRow("no logind") << false;
}

void TestLogindInhibitor::refusal()
{
    QFETCH(bool, withLogind);
    if (withLogind) {
        QVERIFY(startLogind());
        replaceMethod(QStringLiteral("Inhibit"), QStringLiteral("ssss"), QStringLiteral("h"),
                      QStringLiteral("raise dbus.exceptions.DBusException('Not allowed\\nhere', "
                                     "name='org.freedesktop.DBus.Error.AccessDenied')"));
    }
    LogindInhibitor lid(QStringLiteral("handle-lid-switch"), QStringLiteral("Handles the lid"));
    lid.acquire();
    QTRY_COMPARE_WITH_TIMEOUT(lid.state(), LogindInhibitor::Refused, patience);
    QVERIFY(!lid.refusal().isEmpty());
    QVERIFY(!lid.refusal().contains(QLatin1Char('\n')));
    if (withLogind) {
        QCOMPARE(lid.refusal(), QStringLiteral("Not allowed here"));
        QCOMPARE(logind->methodCalls(QStringLiteral("Inhibit")),
                 (QList<QVariantList>{
                         {"handle-lid-switch", "Power manager", "Handles the lid", "block"}}));
    }

    // Asked again on request.
    lid.acquire();
    QCOMPARE(lid.state(), LogindInhibitor::Asking);
    QTRY_COMPARE_WITH_TIMEOUT(lid.state(), LogindInhibitor::Refused, patience);
    if (withLogind)
        QCOMPARE(logind->callCount(QStringLiteral("Inhibit")), 2);
}

void TestLogindInhibitor::blockersAreOthersBlocks()
{
    auto whos = [](const QList<LogindBlockers::Blocker> &blockers) {
        QStringList names;
        for (const LogindBlockers::Blocker &blocker : blockers)
            names << blocker.who + QLatin1Char(':') + blocker.why;
        return names;
    };
    std::optional<LogindBlockers> answer;
    QObject context;
    LogindBlockers::ask(&context, [&answer](const LogindBlockers &blockers) { answer = blockers; });
    QTRY_VERIFY_WITH_TIMEOUT(answer, patience);
    QVERIFY(!answer->isKnown());
    QVERIFY(!answer->blocksIdle() && !answer->blocksSleep());

    QVERIFY(startLogind());
    // The program's own block, told by its process id, and a delay do not
    // keep the machine awake.
    replaceMethod(QStringLiteral("ListInhibitors"), QString(), QStringLiteral("a(ssssuu)"),
                  QStringLiteral("ret = [('idle', 'Firefox', 'Playing video', 'block', 1000, 4242),"
                                 " ('sleep:shutdown', 'Backup', 'Copying', 'block', 1000, 4343),"
                                 " ('idle:sleep', 'Power manager', 'Ours', 'block', 1000, %1),"
                                 " ('sleep', 'Updater', 'Saving', 'delay', 0, 99)]")
                          .arg(QCoreApplication::applicationPid()));
    answer.reset();
    LogindBlockers::ask(&context, [&answer](const LogindBlockers &blockers) { answer = blockers; });
    QTRY_VERIFY_WITH_TIMEOUT(answer, patience);
    QVERIFY(answer->isKnown());
    QCOMPARE(whos(answer->all()), (QStringList{"Firefox:Playing video", "Backup:Copying"}));
    QCOMPARE(whos(answer->of(QStringLiteral("idle"))), QStringList{"Firefox:Playing video"});
    QCOMPARE(whos(answer->of(QStringLiteral("sleep"))), QStringList{"Backup:Copying"});
    QVERIFY(answer->blocksIdle() && answer->blocksSleep());

    replaceMethod(
            QStringLiteral("ListInhibitors"), QString(), QStringLiteral("a(ssssuu)"),
            QStringLiteral("ret = [('idle:sleep', 'Power manager', 'Ours', 'block', 1000, %1)]")
                    .arg(QCoreApplication::applicationPid()));
    answer.reset();
    LogindBlockers::ask(&context, [&answer](const LogindBlockers &blockers) { answer = blockers; });
    QTRY_VERIFY_WITH_TIMEOUT(answer, patience);
    QVERIFY(answer->isKnown());
    QVERIFY(!answer->blocksIdle() && !answer->blocksSleep());
}

// Run as the holder of killedHolderLetsGoAtOnce: holds a sleep inhibitor,
// starts a child that would inherit it were it not closed on exec, and
// says so.
static int holdInhibitor(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    LogindInhibitor inhibitor(QStringLiteral("sleep"), QStringLiteral("Holds on"));
    QObject::connect(&inhibitor, &LogindInhibitor::stateChanged, &app,
                     [](LogindInhibitor::State state) {
                         if (state == LogindInhibitor::Refused)
                             QCoreApplication::exit(1);
                         if (state != LogindInhibitor::Held)
                             return;
                         qint64 child = 0;
                         QProcess::startDetached(QStringLiteral("sleep"), {QStringLiteral("600")},
                                                 QString(), &child);
                         printf("held %lld\n", static_cast<long long>(child));
                         fflush(stdout);
                     });
    inhibitor.acquire();
    return app.exec();
}

int main(int argc, char **argv)
{
    if (argc == 2 && qstrcmp(argv[1], "--hold") == 0)
        return holdInhibitor(argc, argv);
    QCoreApplication app(argc, argv);
    TestLogindInhibitor test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_logindinhibitor.moc"
