#include "qtsingleapplication.h"

#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

// One start of the probe program, its output collected line by line. Waits
// run the event loop, so that every probe's output is drained meanwhile: a
// primary blocked on a full pipe could not answer anyone.
class Probe
{
public:
    explicit Probe(
            const QString &program, const QString &message = QStringLiteral("raise"),
            const QStringList &moreArguments = {},
            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
    {
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput,
                         [this] { m_output += m_process.readAllStandardOutput(); });
        QObject::connect(&m_process, &QProcess::readyReadStandardError,
                         [this] { m_errors += m_process.readAllStandardError(); });
        m_process.setProcessEnvironment(environment);
        m_clock.start();
        m_process.start(program,
                        QStringList{QString::fromLatin1(message.toUtf8().toPercentEncoding())}
                                + moreArguments);
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

    QStringList errorLines()
    {
        m_errors += m_process.readAllStandardError();
        return QString::fromUtf8(m_errors).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
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
    QByteArray m_errors;
};

// Well below the probe's 5 s timeout: a start that waited for it is too slow.
constexpr int QuickMs = 3000;

// A user other than the one running the tests, as whom files are made.
constexpr uid_t OtherUid = 65534; // nobody

// The descriptor soft limit, raised or lowered within the hard limit (which
// root may raise as well).
bool setOpenFileLimit(rlim_t soft)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return false;
    limit.rlim_cur = soft;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < soft)
        limit.rlim_max = soft;
    return ::setrlimit(RLIMIT_NOFILE, &limit) == 0;
}

sockaddr_un socketAddress(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    return address;
}

// A client connection that connects and then says nothing. Connecting
// blocks while the listener's backlog is full, up to a generous time-out.
int connectIdle(const QString &socketPath)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const timeval patience{30, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
    const sockaddr_un address = socketAddress(socketPath);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

struct FileInfo
{
    bool exists = false;
    uid_t owner = 0;
    mode_t mode = 0;
};

FileInfo lstatInfo(const QString &path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true, info.st_uid, info.st_mode};
}

// Leaves a socket file at path, as a server that has gone does.
bool makeSocketFile(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = socketAddress(path);
    const bool bound = fd >= 0
            && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

bool giveToOtherUser(const QString &path)
{
    return ::lchown(QFile::encodeName(path).constData(), OtherUid, OtherUid) == 0;
}

// Prepares the shared temporary folder, given the per-user folder and the
// socket path that a start uses there; false when it could not.
using Plant = std::function<bool(const QString &folder, const QString &socketPath)>;

} // namespace

Q_DECLARE_METATYPE(Plant)

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
    void connectionFloodLeavesThePrimaryListening();
    void removedSocketIsMadeAnew();
    void othersFilesInTheSharedFolderAreNoInstance_data();
    void othersFilesInTheSharedFolderAreNoInstance();
    void messageActivatesTheWindow();

private:
    QString copyProbe(const QString &folder = QStringLiteral("bin"));
    static bool isPrimary(Probe &probe)
    {
        return probe.waitForLine(QStringLiteral("primary")) && probe.isRunning();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QLockFile> m_heldLock;
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

void TestSingleApplication::connectionFloodLeavesThePrimaryListening()
{
    // The primary gets the usual soft limit of 1,024 descriptors, fewer than
    // the connections held against it; this process needs more than them.
    constexpr int Connections = 3000;
    rlimit original{};
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &original), 0);
    QVERIFY(setOpenFileLimit(1024));
    const QString program = copyProbe();
    Probe primary(program);
    const bool raised = setOpenFileLimit(Connections + 1024);
    const auto restoreLimit = qScopeGuard([&original] { ::setrlimit(RLIMIT_NOFILE, &original); });
    QVERIFY(raised);
    QVERIFY(isPrimary(primary));
    const QString socketPath = primary.value(QStringLiteral("socket:"));

    std::vector<int> clients;
    const auto closeClients = qScopeGuard([&clients] {
        for (const int fd : clients)
            ::close(fd);
    });
    for (int i = 0; i < Connections; ++i) {
        const int fd = connectIdle(socketPath);
        if (fd < 0)
            break;
        clients.push_back(fd);
    }
    QCOMPARE(int(clients.size()), Connections);
    QVERIFY(lstatInfo(socketPath).exists);

    // With every idle connection still open, a later start gets through.
    Probe secondary(program, QStringLiteral("raise"), {QStringLiteral("30000")});
    QVERIFY(secondary.waitForCleanExit(40000));
    QCOMPARE(secondary.count(QStringLiteral("sent:1")), 1);
    QVERIFY(primary.waitForLine(QStringLiteral("message:raise")));
    QVERIFY(primary.isRunning());
    QVERIFY(lstatInfo(socketPath).exists);
}

void TestSingleApplication::removedSocketIsMadeAnew()
{
    const QString program = copyProbe();
    Probe primary(program);
    QVERIFY(isPrimary(primary));
    const QString socketPath = primary.value(QStringLiteral("socket:"));
    const int client = connectIdle(socketPath);
    QVERIFY(client >= 0);

    // A cleaner of the temporary folder takes the socket away; the next
    // connection the primary forgets makes it listen again.
    QVERIFY(QFile::remove(socketPath));
    ::close(client);
    Probe secondary(program);
    QVERIFY(secondary.waitForCleanExit());
    QCOMPARE(secondary.count(QStringLiteral("sent:1")), 1);
    QVERIFY(primary.waitForLine(QStringLiteral("message:raise")));
    const FileInfo made = lstatInfo(socketPath);
    QVERIFY(S_ISSOCK(made.mode));
    QCOMPARE(made.mode & 077, mode_t(0)); // for this user only
}

void TestSingleApplication::othersFilesInTheSharedFolderAreNoInstance_data()
{
    // How another user (or a careless one) prepares the shared temporary
    // folder before the first start, given the per-user folder and the
    // socket path that a start uses there.
    QTest::addColumn<Plant>("plant");
    QTest::addColumn<bool>("meetsThem");

    const auto garbageLock = [](const QString &path) {
        QFile lock(path);
        return lock.open(QIODevice::WriteOnly) && lock.write("garbage\n") > 0
                && lock.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
                && giveToOtherUser(path);
    };

    const auto privateFolder = [](const QString &path, mode_t mode) {
        return QDir().mkdir(path) && ::chmod(QFile::encodeName(path).constData(), mode) == 0;
    };

    // The lock at the path that earlier releases used, straight in the
    // shared folder: it held off every start.
    QTest::newRow("lock of another user in the shared folder")
            << Plant([garbageLock](const QString &folder, const QString &socketPath) {
                   const QString shared = QFileInfo(folder).path();
                   return garbageLock(shared + QLatin1Char('/') + QFileInfo(socketPath).fileName()
                                      + QStringLiteral(".lock"));
               })
            << false;
    QTest::newRow("per-user folder made by another user")
            << Plant([privateFolder](const QString &folder, const QString &) {
                   return QDir(folder).removeRecursively() && privateFolder(folder, 0700)
                           && giveToOtherUser(folder);
               })
            << true;
    QTest::newRow("per-user folder open to all")
            << Plant([privateFolder](const QString &folder, const QString &) {
                   return QDir(folder).removeRecursively() && privateFolder(folder, 0777);
               })
            << true;
    QTest::newRow("per-user folder a symbolic link to a private one")
            << Plant([privateFolder](const QString &folder, const QString &) {
                   const QString target = folder + QStringLiteral("-target");
                   return QDir(folder).removeRecursively() && privateFolder(target, 0700)
                           && QFile::link(target, folder);
               })
            << true;
    QTest::newRow("garbage lock of another user in the per-user folder")
            << Plant([garbageLock](const QString &, const QString &socketPath) {
                   return garbageLock(socketPath + QStringLiteral(".lock"));
               })
            << true;
    QTest::newRow("socket of another user beside a held lock")
            << Plant([this](const QString &, const QString &socketPath) {
                   // The lock is this process's own and stays held until the
                   // row ends; only the socket is someone else's.
                   m_heldLock = std::make_unique<QLockFile>(socketPath + QStringLiteral(".lock"));
                   QFile::remove(socketPath);
                   return m_heldLock->tryLock(0) && makeSocketFile(socketPath)
                           && giveToOtherUser(socketPath);
               })
            << true;
}

void TestSingleApplication::othersFilesInTheSharedFolderAreNoInstance()
{
    QFETCH(Plant, plant);
    QFETCH(bool, meetsThem);
    if (::geteuid() != 0)
        QSKIP("making files of another user needs root");

    // No runtime folder: the lock and socket go to the shared temporary one
    // (a short path, as the socket's must fit).
    QTemporaryDir sharedFolder(QDir::tempPath() + QStringLiteral("/shared-XXXXXX"));
    QVERIFY(sharedFolder.isValid());
    const QString shared = sharedFolder.path();
    const auto releaseLock = qScopeGuard([this] { m_heldLock.reset(); });
    QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("TMPDIR"), shared);
    const QString program = copyProbe();

    // Untouched, the starts meet in a folder of this user's, closed to others.
    QString socketPath;
    {
        Probe first(program, QStringLiteral("raise"), {}, environment);
        QVERIFY(isPrimary(first));
        socketPath = first.value(QStringLiteral("socket:"));
        Probe second(program, QStringLiteral("raise"), {}, environment);
        QVERIFY(second.waitForCleanExit());
        QCOMPARE(second.count(QStringLiteral("sent:1")), 1);
    }
    const QString folder = QFileInfo(socketPath).path();
    QCOMPARE(QFileInfo(folder).path(), shared);
    const FileInfo made = lstatInfo(folder);
    QVERIFY(S_ISDIR(made.mode));
    QCOMPARE(made.owner, ::geteuid());
    QCOMPARE(made.mode & 07777, mode_t(0700));

    QVERIFY(plant(folder, socketPath));
    Probe start(program, QStringLiteral("raise"), {}, environment);
    QVERIFY(isPrimary(start));
    QTest::qWait(200);
    QVERIFY(start.isRunning());
    // What it met there, it says on one line.
    const QStringList said =
            start.errorLines().filter(QRegularExpression(QStringLiteral("^QtSingleApplication:")));
    QVERIFY2(said.size() == (meetsThem ? 1 : 0), qPrintable(said.join(QLatin1Char('\n'))));
    if (meetsThem)
        QVERIFY2(said.constFirst().contains(QStringLiteral("first instance")),
                 qPrintable(said.constFirst()));
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
