#include "qtsingleapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every message travels as: magic, payload length, UTF-8 payload. The magic
// lets the first instance drop a stranger's connection on its first bytes,
// and the length cap keeps a hostile header from making it allocate much.
constexpr quint32 FrameMagic = 0x57455831; // "WEX1"
constexpr quint32 MaxMessageSize = 1024 * 1024;
// Sent back once a whole message has been read, so that the sender knows it
// arrived and is not merely sitting in a socket buffer.
constexpr char Acknowledgement = '\x06';
// The first instance may not listen yet when a second one starts.
constexpr int ConnectRetryMs = 25;
// A client that connects but never completes a message is dropped.
constexpr int ConnectionLifetimeMs = 10000;
// Client connections held open at once. Each costs a descriptor: without a
// cap, a flood of idle ones uses them all up, and a server that cannot
// accept stops listening.
constexpr int MaxConnections = 64;
// sockaddr_un::sun_path holds 108 bytes, the terminating zero included.
constexpr int MaxSocketPathLength = 107;

QDataStream::Version streamVersion()
{
    return QDataStream::Qt_5_15;
}

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

// Makes folder if need be; false when the name is taken by anything but a
// folder of this user's alone (another user's folder, a symbolic link, a
// folder that others may enter).
bool makePrivateFolder(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    ::mkdir(path.constData(), 0700);
    struct stat info;
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode)
            && info.st_uid == ::geteuid() && (info.st_mode & 07777) == 0700;
}

} // namespace

QtSingleApplication::QtSingleApplication(int &argc, char **argv, bool GUIenabled)
    : QApplication(argc, argv)
{
    // Qt 5 has no console-only QApplication any more; the flag is kept so
    // that callers written for the classic signature still compile.
    Q_UNUSED(GUIenabled);

    // The same program started from two places, or by two users, must not
    // find each other; the path goes through a hash to keep the socket path
    // short whatever the install location.
    const QString uid = QString::number(::getuid());
    const QByteArray identity =
            QCoreApplication::applicationFilePath().toUtf8() + '\0' + uid.toLatin1();
    const QByteArray hash =
            QCryptographicHash::hash(identity, QCryptographicHash::Sha256).toHex().left(24);
    m_id = QStringLiteral("qtsingleapp-%1-%2").arg(uid, QString::fromLatin1(hash));

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
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &QtSingleApplication::acceptConnections);
    listen();
}

void QtSingleApplication::listen()
{
    // Holding the lock means whatever socket is there belongs to an instance
    // that died without cleaning up.
    QLocalServer::removeServer(m_socketPath);
    if (!m_server->listen(m_socketPath)) {
        qWarning("QtSingleApplication: cannot listen on %s: %s",
                 qPrintable(QDir::toNativeSeparators(m_socketPath)),
                 qPrintable(m_server->errorString()));
    }
}

bool QtSingleApplication::isRunning() const
{
    return !m_primary;
}

bool QtSingleApplication::sendMessage(const QString &message, int timeout)
{
    if (m_primary)
        return false;

    const QByteArray payload = message.toUtf8();
    if (quint32(payload.size()) > MaxMessageSize)
        return false;

    QByteArray frame;
    {
        QDataStream out(&frame, QIODevice::WriteOnly);
        out.setVersion(streamVersion());
        out << FrameMagic << quint32(payload.size());
        out.writeRawData(payload.constData(), payload.size());
    }

    QDeadlineTimer deadline(timeout < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(timeout));
    const auto remaining = [&deadline] {
        return int(deadline.remainingTime());
    };

    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(remaining()))
            break;
        socket.abort();
        if (deadline.hasExpired())
            return false;
        const qint64 left = deadline.remainingTime();
        QThread::msleep(left < 0 ? ConnectRetryMs : qMin<qint64>(ConnectRetryMs, left));
    }

    socket.write(frame);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remaining()))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(remaining()))
            return false;
    }
    char answer = 0;
    const bool delivered = socket.getChar(&answer) && answer == Acknowledgement;
    socket.disconnectFromServer();
    return delivered;
}

void QtSingleApplication::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        // The server owns the socket; it goes when the client leaves, or when
        // a client has kept it open too long without finishing a message.
        m_connections.append(socket);
        connect(socket, &QLocalSocket::disconnected, this,
                [this, socket] { forgetConnection(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        QTimer::singleShot(ConnectionLifetimeMs, socket,
                           [this, socket] { forgetConnection(socket); });
        // The oldest goes: a later start writes its message as soon as it
        // connects, so the newest connection is the one likely to be useful,
        // while the oldest has had its time.
        if (m_connections.size() > MaxConnections)
            forgetConnection(m_connections.constFirst());
        if (socket->bytesAvailable() > 0)
            readMessage(socket);
    }
}

void QtSingleApplication::forgetConnection(QLocalSocket *socket)
{
    if (!m_connections.removeOne(socket))
        return;
    socket->abort();
    socket->deleteLater();
    // A server that failed to accept (out of descriptors, say) has closed
    // and removed its socket, though isListening() still says yes; so has
    // one whose socket a cleaner of the temporary folder removed. With a
    // descriptor free again, listen anew.
    if (!QFileInfo::exists(m_socketPath)) {
        m_server->close();
        listen();
    }
}

void QtSingleApplication::readMessage(QLocalSocket *socket)
{
    QDataStream in(socket);
    in.setVersion(streamVersion());
    for (;;) {
        in.startTransaction();
        quint32 magic = 0;
        quint32 length = 0;
        in >> magic >> length;
        if (in.status() != QDataStream::Ok) {
            in.rollbackTransaction();
            return; // the header is not complete yet
        }
        if (magic != FrameMagic || length > MaxMessageSize) {
            in.abortTransaction();
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() < qint64(length)) {
            in.rollbackTransaction();
            return; // wait for the rest of the payload
        }
        QByteArray payload(int(length), Qt::Uninitialized);
        in.readRawData(payload.data(), int(length));
        if (!in.commitTransaction())
            return;

        // Answer first: whatever a receiver of the signal does (a dialog with
        // its own event loop, say) must not make the sender time out.
        socket->putChar(Acknowledgement);
        socket->flush();

        const QString message = QString::fromUtf8(payload);
        QPointer<QLocalSocket> guard(socket);
        emit messageReceived(message);
        if (m_activateOnMessage)
            activateWindow();
        if (!guard || socket->state() != QLocalSocket::ConnectedState)
            return;
    }
}

void QtSingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    m_window = window;
    m_activateOnMessage = activateOnMessage;
}

QWidget *QtSingleApplication::activationWindow() const
{
    return m_window;
}

QString QtSingleApplication::id() const
{
    return m_id;
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
