#include "qtsingleapplication.h"

#include "localmessageserver.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>
#include <QSysInfo>
#include <QWidget>

#include <cerrno>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// sockaddr_un::sun_path holds 108 bytes, the terminating zero included.
constexpr int MaxSocketPathLength = 107;

bool fitsSocketPath(const QString &folder, const QString &id)
{
    return QFile::encodeName(folder).size() + 1 + id.size() <= MaxSocketPathLength;
}

// True when something is at path that this user did not make as a file of
// the given kind: it belongs to another user, or it is of another kind (a
// symbolic link, say). Links are not followed.
bool isForeign(const QString &path, mode_t kind)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return (info.st_mode & S_IFMT) != kind || info.st_uid != ::geteuid();
}

// The user's runtime folder, or empty when there is none or the socket path
// would not fit. Without XDG_RUNTIME_DIR Qt would make one up in the shared
// temporary folder, checked through symbolic links: not good enough.
QString runtimeFolder(const QString &id)
{
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QString();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return fitsSocketPath(runtime, id) ? runtime : QString();
}

// The temporary folder is shared between users: any of them may create the
// names there first. So the lock and socket go into a folder of this user's
// alone.
QString privateTempFolder()
{
    return QDir::tempPath() + QStringLiteral("/qtsingleapp-") + QString::number(::geteuid());
}

// Whether folder is a folder of this user's alone (not another user's
// folder, a symbolic link, a folder that others may enter).
bool isPrivateFolder(const QString &folder)
{
    struct stat info;
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode)
            && info.st_uid == ::geteuid() && (info.st_mode & 07777) == 0700;
}

// Makes folder if need be; false when the name is taken by anything but a
// folder of this user's alone.
bool makePrivateFolder(const QString &folder)
{
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return isPrivateFolder(folder);
}

// One per user and per executable path. The same program started from two
// places, or by two users, must not find each other; the path goes through
// a hash to keep the socket path short whatever the install location.
QString instanceId()
{
    const QString uid = QString::number(::getuid());
    const QByteArray identity =
            QCoreApplication::applicationFilePath().toUtf8() + '\0' + uid.toLatin1();
    const QByteArray hash =
            QCryptographicHash::hash(identity, QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("qtsingleapp-%1-%2").arg(uid, QString::fromLatin1(hash));
}

// Whether the lock at lockPath is held by a process that runs: QLockFile
// writes the holder's process id and host into it, and removes it when
// released.
bool isHeld(const QString &lockPath)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!QLockFile(lockPath).getLockInfo(&pid, &host, &application) || pid <= 0
        || host != QSysInfo::machineHostName())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

QtSingleApplication::QtSingleApplication(int &argc, char **argv)
    : QApplication(argc, argv), m_id(instanceId())
{
    QString folder = runtimeFolder(m_id);
    if (folder.isEmpty()) {
        folder = privateTempFolder();
        if (!makePrivateFolder(folder)) {
            startUnguarded("not using a folder that is not this user's alone:", folder);
            return;
        }
    }
    claimInstance(folder);
}

void QtSingleApplication::claimInstance(const QString &folder)
{
    m_socketPath = folder + QLatin1Char('/') + m_id;

    const QString lockPath = m_socketPath + QStringLiteral(".lock");
    m_lock = std::make_unique<QLockFile>(lockPath);
    // A lock is stale only when its process is gone (QLockFile checks the
    // pid); however long the first instance runs, its lock holds.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        becomePrimary();
    } else if (m_lock->error() != QLockFile::LockFailedError) {
        // Without a usable lock there is no telling whether another instance
        // runs; starting without the guarantee beats not starting at all.
        qWarning("QtSingleApplication: cannot create the lock file %s",
                 qPrintable(QDir::toNativeSeparators(lockPath)));
        m_primary = true;
    } else if (isForeign(lockPath, S_IFREG)) {
        startUnguarded("ignoring another user's lock file", lockPath);
    } else if (isForeign(m_socketPath, S_IFSOCK)) {
        startUnguarded("ignoring another user's socket", m_socketPath);
    }
}

// Whatever another user left there says nothing about this user's
// instances; not starting at all would be worse than running twice.
void QtSingleApplication::startUnguarded(const char *reason, const QString &path)
{
    qWarning("QtSingleApplication: %s %s; starting as the first instance", reason,
             qPrintable(QDir::toNativeSeparators(path)));
    m_primary = true;
}

QtSingleApplication::~QtSingleApplication()
{
    // Stop listening before the lock goes: once it is released a new first
    // instance may create a socket at the same path, and closing the server
    // afterwards would remove that one.
    delete m_server;
    m_server = nullptr;
    if (m_lock)
        m_lock->unlock();
}

void QtSingleApplication::becomePrimary()
{
    m_primary = true;
    m_server = new LocalMessageServer(m_socketPath, this);
    connect(m_server, &LocalMessageServer::messageReceived, this,
            &QtSingleApplication::receiveMessage);
    m_server->listen();
}

bool QtSingleApplication::isRunning() const
{
    return !m_primary;
}

bool QtSingleApplication::sendToRunning(const QString &message, int timeout)
{
    const QString id = instanceId();
    QString folder = runtimeFolder(id);
    if (folder.isEmpty()) {
        folder = privateTempFolder();
        if (!isPrivateFolder(folder))
            return false;
    }
    const QString socketPath = folder + QLatin1Char('/') + id;
    const QString lockPath = socketPath + QStringLiteral(".lock");
    // Whatever another user left there is no instance of this user's.
    if (isForeign(lockPath, S_IFREG) || isForeign(socketPath, S_IFSOCK) || !isHeld(lockPath))
        return false;
    return sendLocalMessage(socketPath, message, QDeadlineTimer(timeout));
}

bool QtSingleApplication::sendMessage(const QString &message, int timeout)
{
    if (m_primary)
        return false;
    return sendLocalMessage(m_socketPath, message,
                            timeout < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                        : QDeadlineTimer(timeout));
}

void QtSingleApplication::receiveMessage(const QString &message)
{
    emit messageReceived(message);
    if (m_activateOnMessage)
        activateWindow();
}

void QtSingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    m_window = window;
    m_activateOnMessage = activateOnMessage;
}

QString QtSingleApplication::socketPath() const
{
    return m_socketPath;
}

void QtSingleApplication::activateWindow()
{
    if (!m_window)
        return;
    // Only a minimised window changes state; a maximised one stays so.
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
    m_window->activateWindow();
}
