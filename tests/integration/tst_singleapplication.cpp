#include "qtsingleapplication.h"

#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>
#include <signal.h>
#include <vector>

namespace {

// One start of the probe program, its output collected line by line. Waits
// run the event loop, so that every probe's output is drained meanwhile: a
// primary blocked on a full pipe could not answer anyone.
class Probe
{
public:
    explicit Probe(const QString &program, const QString &message = QStringLiteral("raise"))
    {
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput,
                         [this] { m_output += m_process.readAllStandardOutput(); });
        m_clock.start();
        m_process.start(program, {QString::fromLatin1(message.toUtf8().toPercentEncoding())});
    }
    ~Probe()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    qint64 elapsed() const { return m_clock.elapsed(); }
    pid_t pid() const { return pid_t(m_process.processId()); }
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    int count(const QString &line) { return lines().count(line); }
    QString value(const QString &prefix)
    {
        return lines().filter(prefix).value(0).mid(prefix.size());
    }

    bool waitForLine(const QString &line, int times = 1, int timeoutMs = 15000)
    {
        const bool settled =
                QTest::qWaitFor([&] { return count(line) >= times || !isRunning(); }, timeoutMs);
        return settled && count(line) >= times;
    }
    // True when the start ended by itself with status 0.
    bool waitForCleanExit(int timeoutMs = 15000)
    {
        return QTest::qWaitFor([this] { return !isRunning(); }, timeoutMs)
                && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }
    void kill()
    {
        m_process.kill(); // SIGKILL: no chance to clean up
        m_process.waitForFinished(5000);
    }

private:
    QStringList lines()
    {
        m_output += m_process.readAllStandardOutput();
        return QString::fromUtf8(m_output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QProcess m_process;
    QElapsedTimer m_clock;
    QByteArray m_output;
};

// Well below the probe's 5 s timeout: a start that waited for it is too slow.
constexpr int QuickMs = 3000;

} // namespace

class TestSingleApplication : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void laterStartsHandOverTheirMessage();
    void killedPrimaryIsReplacedAtOnce();
    void senderWaitsForAPrimaryStillStarting();
    void simultaneousStartsElectOnePrimary();
    void stoppedPrimaryMakesSenderGiveUp();
    void differentExecutablesAreSeparate();
    void garbageClientsDoNotBreakThePrimary();
    void messageActivatesTheWindow();

private:
    QString copyProbe(const QString &folder = QStringLiteral("bin"));
    static bool isPrimary(Probe &probe)
    {
        return probe.waitForLine(QStringLiteral("primary")) && probe.isRunning();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSingleApplication::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// A copy of the probe at a path of its own: an instance identity that no
// other test shares.
QString TestSingleApplication::copyProbe(const QString &folder)
{
    QDir(m_dir->path()).mkpath(folder);
    const QString target = m_dir->filePath(folder + QStringLiteral("/singleapp_probe"));
    QFile::copy(QStringLiteral(SINGLEAPP_PROBE), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::ExeOwner);
    return target;
}

void TestSingleApplication::laterStartsHandOverTheirMessage()
{
    const QString program = copyProbe();
    Probe primary(program);
    QVERIFY(isPrimary(primary));

    // The long non-ASCII message needs several reads (its percent-encoded
    // argument stays below the kernel's 128 KiB limit).
    const QStringList messages{QStringLiteral("raise"),
                               QStringLiteral("größe ✓ ") + QString(12000, QChar(0x263A))};
    for (const QString &message : messages) {
        Probe secondary(program, message);
        QVERIFY(secondary.waitForCleanExit());
        QVERIFY2(secondary.elapsed() < QuickMs, qPrintable(QString::number(secondary.elapsed())));
        QCOMPARE(secondary.count(QStringLiteral("sent:1")), 1);
        QVERIFY(primary.waitForLine(QStringLiteral("message:") + message));
    }
    QVERIFY(primary.isRunning());
}

void TestSingleApplication::killedPrimaryIsReplacedAtOnce()
{
    const QString program = copyProbe();
    Probe first(program);
    QVERIFY(isPrimary(first));
    const QString socketPath = first.value(QStringLiteral("socket:"));
    first.kill();
    // Both are left behind, or this test would prove nothing.
    QVERIFY(QFile::exists(socketPath) && QFile::exists(socketPath + QStringLiteral(".lock")));

    Probe second(program);
    QVERIFY(isPrimary(second));
    QVERIFY2(second.elapsed() < QuickMs, qPrintable(QString::number(second.elapsed())));

    Probe third(program);
    QVERIFY(third.waitForCleanExit());
    QCOMPARE(third.count(QStringLiteral("sent:1")), 1);
    QVERIFY(second.waitForLine(QStringLiteral("message:raise")));
}

void TestSingleApplication::senderWaitsForAPrimaryStillStarting()
{
    const QString program = copyProbe();
    QString socketPath;
    {
        Probe first(program);
        QVERIFY(isPrimary(first));
        socketPath = first.value(QStringLiteral("socket:"));
    }

    // Stand in for a primary that holds the lock but does not listen yet.
    QLockFile lock(socketPath + QStringLiteral(".lock"));
    QVERIFY(lock.tryLock(0));
    Probe secondary(program);
    QVERIFY(secondary.waitForLine(QStringLiteral("secondary")));
    QTest::qWait(1000);
    QVERIFY(secondary.isRunning());

    lock.unlock();
    Probe primary(program);
    QVERIFY(isPrimary(primary));
    QVERIFY(secondary.waitForCleanExit());
    QCOMPARE(secondary.count(QStringLiteral("sent:1")), 1);
    QVERIFY(primary.waitForLine(QStringLiteral("message:raise")));
}

void TestSingleApplication::simultaneousStartsElectOnePrimary()
{
    const QString program = copyProbe();
    constexpr int Starts = 10;
    std::vector<std::unique_ptr<Probe>> probes;
    for (int i = 0; i < Starts; ++i)
        probes.push_back(std::make_unique<Probe>(program));

    // Settled: each start has exited or is a primary that listens.
    QVERIFY(QTest::qWaitFor(
            [&probes] {
                for (auto &probe : probes) {
                    if (probe->isRunning() && probe->count(QStringLiteral("primary")) == 0)
                        return false;
                }
                return true;
            },
            20000));
    Probe *primary = nullptr;
    for (auto &probe : probes) {
        if (probe->isRunning()) {
            QVERIFY2(!primary, "two primaries");
            primary = probe.get();
        } else {
            QVERIFY(probe->waitForCleanExit(0));
            QCOMPARE(probe->count(QStringLiteral("sent:1")), 1);
        }
    }
    QVERIFY(primary);
    QVERIFY(primary->waitForLine(QStringLiteral("message:raise"), Starts - 1, 10000));
}

void TestSingleApplication::stoppedPrimaryMakesSenderGiveUp()
{
    const QString program = copyProbe();
    Probe primary(program);
    QVERIFY(isPrimary(primary));
    QCOMPARE(::kill(primary.pid(), SIGSTOP), 0);

    Probe secondary(program);
    const bool exited = secondary.waitForCleanExit(20000);
    ::kill(primary.pid(), SIGCONT);
    QVERIFY(exited);
    QCOMPARE(secondary.count(QStringLiteral("sent:0")), 1);
    // It waited for its 5 s timeout, not much less and not much longer.
    QVERIFY2(secondary.elapsed() >= 4500 && secondary.elapsed() < 12000,
             qPrintable(QString::number(secondary.elapsed())));

    // Woken up, the primary reads the message its sender gave up on;
    // answering a client that is gone must not take it down.
    QVERIFY(primary.waitForLine(QStringLiteral("message:raise")));
    QTest::qWait(200);
    QVERIFY(primary.isRunning());
}

void TestSingleApplication::differentExecutablesAreSeparate()
{
    Probe first(copyProbe(QStringLiteral("one")));
    Probe second(copyProbe(QStringLiteral("other")));
    QVERIFY(isPrimary(first));
    QVERIFY(isPrimary(second));
}

void TestSingleApplication::garbageClientsDoNotBreakThePrimary()
{
    const QString program = copyProbe();
    Probe primary(program);
    QVERIFY(isPrimary(primary));

    QLocalSocket noise;
    QLocalSocket huge;
    QLocalSocket stalled;
    for (QLocalSocket *socket : {&noise, &huge, &stalled}) {
        socket->connectToServer(primary.value(QStringLiteral("socket:")));
        QVERIFY(socket->waitForConnected(5000));
    }
    // Random bytes, and a well-formed header announcing 4 GiB: both dropped.
    QByteArray bytes(8192, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()),
                                          bytes.size() / 4);
    noise.write(bytes);
    QDataStream(&huge) << quint32(0x57455831) << quint32(0xffffffff);
    // Half a message, then silence: the primary must serve others meanwhile.
    QDataStream(&stalled) << quint32(0x57455831) << quint32(100) << quint32(1);
    QVERIFY(stalled.waitForBytesWritten(5000));
    QVERIFY(noise.waitForDisconnected(5000));
    QVERIFY(huge.waitForDisconnected(5000));

    Probe secondary(program);
    QVERIFY(secondary.waitForCleanExit());
    QVERIFY(secondary.elapsed() < QuickMs);
    QVERIFY(primary.waitForLine(QStringLiteral("message:raise")));
    QCOMPARE(stalled.state(), QLocalSocket::ConnectedState);
    QVERIFY(primary.isRunning());
}

void TestSingleApplication::messageActivatesTheWindow()
{
    // This test process is a primary itself; a second start of the same
    // executable (see main) sends it the message.
    auto *app = qobject_cast<QtSingleApplication *>(qApp);
    QVERIFY(app && !app->isRunning());
    QWidget window;
    window.setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
    window.show();

    for (const bool activate : {false, true}) {
        app->setActivationWindow(&window, activate);
        QSignalSpy received(app, &QtSingleApplication::messageReceived);
        QProcess sender;
        sender.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--send")});
        QTRY_COMPARE_WITH_TIMEOUT(sender.state(), QProcess::NotRunning, 15000);
        QCOMPARE(sender.exitCode(), 0);
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toString(), QStringLiteral("raise"));
        // Only de-minimised: the maximised state stays.
        QCOMPARE(window.windowState(),
                 activate ? Qt::WindowStates(Qt::WindowMaximized)
                          : Qt::WindowMinimized | Qt::WindowMaximized);
    }
}

int main(int argc, char **argv)
{
    QtSingleApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--send") == 0)
        return app.isRunning() && app.sendMessage(QStringLiteral("raise"), 5000) ? 0 : 1;
    if (app.isRunning())
        qFatal("another run of this test is in progress");
    TestSingleApplication test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleapplication.moc"
