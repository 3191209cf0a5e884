#include "localmessageserver.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The magic lets the server drop a stranger's connection on its first
// bytes, and the length cap keeps a hostile header from making it allocate
// much.
constexpr quint32 FrameMagic = 0x57455831; // "WEX1"
constexpr int HeaderSize = 8;
constexpr quint32 MaxMessageSize = 1024 * 1024;
// Sent back once a whole message has been read, so that the sender knows it
// arrived and is not merely sitting in a socket buffer.
constexpr char Acknowledgement = '\x06';
// The server may not listen yet when a sender starts.
constexpr int ConnectRetryMs = 25;
// A client that connects but never completes a message is dropped.
constexpr int ConnectionLifetimeMs = 10000;
// Client connections held open at once. Each costs a descriptor: without a
// cap, a flood of idle ones uses them all up, and a server that cannot
// accept stops listening.
constexpr int MaxConnections = 64;
// Out of descriptors with no connection of its own to give one back, the
// server tries accepting again after this long.
constexpr int AcceptRetryMs = 1000;
// Read at most this much per wake-up, so that one busy client cannot keep
// the others (and the rest of the program) waiting.
constexpr int ReadChunkSize = 64 * 1024;

bool socketAddress(const QString &path, sockaddr_un *address)
{
    const QByteArray name = QFile::encodeName(path);
    *address = {};
    address->sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, name.constData(), size_t(name.size()));
    return true;
}

const sockaddr *asSockaddr(const sockaddr_un &address)
{
    return reinterpret_cast<const sockaddr *>(&address);
}

bool isPeerThisUser(int fd)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

QByteArray encodeFrame(const QByteArray &payload)
{
    QByteArray frame(HeaderSize, Qt::Uninitialized);
    qToBigEndian<quint32>(FrameMagic, frame.data());
    qToBigEndian<quint32>(quint32(payload.size()), frame.data() + 4);
    return frame + payload;
}

enum class Frame { Incomplete, Invalid, Complete };

// Takes the first whole message out of buffer into payload.
Frame takeFrame(QByteArray &buffer, QByteArray *payload)
{
    if (buffer.size() < HeaderSize)
        return Frame::Incomplete;
    const char *header = buffer.constData();
    const quint32 length = qFromBigEndian<quint32>(header + 4);
    if (qFromBigEndian<quint32>(header) != FrameMagic || length > MaxMessageSize)
        return Frame::Invalid;
    if (quint32(buffer.size() - HeaderSize) < length)
        return Frame::Incomplete;
    *payload = buffer.mid(HeaderSize, int(length));
    buffer.remove(0, HeaderSize + int(length));
    return Frame::Complete;
}

int pollTimeout(const QDeadlineTimer &deadline)
{
    const qint64 left = deadline.remainingTime();
    return left < 0 ? -1 : int(std::min<qint64>(left, INT_MAX));
}

// False when the deadline passed first. An error or hang-up counts as
// ready: the next call on fd reports it.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, pollTimeout(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

// A non-blocking connected socket, or -1 when the deadline passed first.
int connectBefore(const sockaddr_un &address, const QDeadlineTimer &deadline)
{
    for (;;) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return -1;
        // Fails at once when nobody listens yet or the backlog is full.
        if (::connect(fd, asSockaddr(address), sizeof address) == 0)
            return fd;
        ::close(fd);
        if (deadline.hasExpired())
            return -1;
        const qint64 left = deadline.remainingTime();
        QThread::msleep(left < 0 ? ConnectRetryMs : std::min<qint64>(ConnectRetryMs, left));
    }
}

bool writeAll(int fd, const QByteArray &bytes, const QDeadlineTimer &deadline)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t sent = ::send(fd, bytes.constData() + written, size_t(bytes.size() - written),
                                    MSG_NOSIGNAL);
        if (sent >= 0) {
            written += sent;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!waitFor(fd, POLLOUT, deadline))
                return false;
        } else if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

bool receiveAcknowledgement(int fd, const QDeadlineTimer &deadline)
{
    for (;;) {
        char answer = 0;
        const ssize_t received = ::recv(fd, &answer, 1, 0);
        if (received == 1)
            return answer == Acknowledgement;
        if (received == 0)
            return false; // the server closed the connection
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!waitFor(fd, POLLIN, deadline))
                return false;
        } else if (errno != EINTR) {
            return false;
        }
    }
}

void acknowledge(int fd)
{
    // A client that has left (or stopped reading) misses the answer; that
    // must neither raise SIGPIPE nor block the server.
    while (::send(fd, &Acknowledgement, 1, MSG_NOSIGNAL | MSG_DONTWAIT) < 0 && errno == EINTR) { }
}

} // namespace

LocalMessageServer::LocalMessageServer(const QString &socketPath, QObject *parent)
    : QObject(parent), m_socketPath(socketPath)
{
    m_acceptRetry.setSingleShot(true);
    m_acceptRetry.setInterval(AcceptRetryMs);
    connect(&m_acceptRetry, &QTimer::timeout, this, &LocalMessageServer::resumeAccepting);
}

LocalMessageServer::~LocalMessageServer()
{
    for (const Connection &connection : m_connections) {
        connection.notifier->setEnabled(false);
        ::close(connection.fd);
    }
    closeListener();
}

bool LocalMessageServer::listen()
{
    closeListener();
    const QByteArray path = QFile::encodeName(m_socketPath);
    // Whatever socket is there belongs to a server that died without
    // cleaning up: the caller owns the path.
    ::unlink(path.constData());

    sockaddr_un address;
    if (!socketAddress(m_socketPath, &address)) {
        qWarning("LocalMessageServer: cannot listen on %s: the path is too long", path.constData());
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    // The folder is private already; the socket is made so too before anyone
    // can connect.
    if (fd < 0 || ::bind(fd, asSockaddr(address), sizeof address) != 0
        || ::chmod(path.constData(), 0600) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        qWarning("LocalMessageServer: cannot listen on %s: %s", path.constData(),
                 std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        ::unlink(path.constData());
        return false;
    }
    m_listenFd = fd;
    m_listener = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_listener, &QSocketNotifier::activated, this, &LocalMessageServer::acceptConnection);
    return true;
}

void LocalMessageServer::closeListener()
{
    if (m_listenFd < 0)
        return;
    // This may run while the notifier's own signal is being handled.
    m_listener->setEnabled(false);
    m_listener->deleteLater();
    m_listener = nullptr;
    ::close(m_listenFd);
    m_listenFd = -1;
    ::unlink(QFile::encodeName(m_socketPath).constData());
}

void LocalMessageServer::acceptConnection()
{
    int fd;
    do
        fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    if (fd >= 0) {
        addConnection(fd);
        return;
    }
    switch (errno) {
    case EAGAIN:
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
    case ECONNABORTED:
        return; // the client left before it was accepted
    case EMFILE:
    case ENFILE:
    case ENOBUFS:
    case ENOMEM:
        // The connection stays pending, and the notifier would fire again at
        // once: wait until a descriptor may be free.
        pauseAccepting();
        return;
    default:
        qWarning("LocalMessageServer: cannot accept on %s: %s",
                 QFile::encodeName(m_socketPath).constData(), std::strerror(errno));
        closeListener();
        pauseAccepting();
    }
}

// Until a connection is forgotten, or a while has passed when there is none.
void LocalMessageServer::pauseAccepting()
{
    if (m_listener)
        m_listener->setEnabled(false);
    m_acceptRetry.start();
}

void LocalMessageServer::resumeAccepting()
{
    // A cleaner of the temporary folder may have removed the socket file:
    // nobody could connect any more.
    m_acceptRetry.stop();
    if (m_listenFd < 0 || !QFileInfo::exists(m_socketPath))
        listen();
    else
        m_listener->setEnabled(true);
}

void LocalMessageServer::addConnection(int fd)
{
    if (!isPeerThisUser(fd)) {
        ::close(fd);
        return;
    }
    auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    m_connections.push_back({fd, notifier, QByteArray()});
    connect(notifier, &QSocketNotifier::activated, this, [this, notifier] { readFrom(notifier); });
    QTimer::singleShot(ConnectionLifetimeMs, notifier,
                       [this, notifier] { forgetConnection(notifier); });
    // The oldest goes: a sender writes its message as soon as it connects,
    // so the newest connection is the one likely to be useful, while the
    // oldest has had its time.
    if (m_connections.size() > size_t(MaxConnections))
        forgetConnection(m_connections.front().notifier);
}

void LocalMessageServer::readFrom(QSocketNotifier *notifier)
{
    Connection *connection = find(notifier);
    if (!connection)
        return;
    QByteArray &buffer = connection->buffer;
    const auto kept = buffer.size();
    buffer.resize(kept + ReadChunkSize);
    ssize_t received;
    do
        received = ::recv(connection->fd, buffer.data() + kept, ReadChunkSize, 0);
    while (received < 0 && errno == EINTR);
    const bool nothingYet = received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    buffer.resize(kept + std::max<ssize_t>(received, 0));

    if (received > 0)
        deliverMessages(notifier);
    else if (!nothingYet)
        forgetConnection(notifier); // the client left, or its connection broke
}

void LocalMessageServer::deliverMessages(QSocketNotifier *notifier)
{
    QPointer<QSocketNotifier> alive(notifier);
    while (Connection *connection = alive ? find(notifier) : nullptr) {
        QByteArray payload;
        switch (takeFrame(connection->buffer, &payload)) {
        case Frame::Incomplete:
            return;
        case Frame::Invalid:
            forgetConnection(notifier);
            return;
        case Frame::Complete:
            break;
        }
        // Answer first: whatever a receiver of the signal does (a dialog
        // with its own event loop, say) must not make the sender time out.
        acknowledge(connection->fd);
        emit messageReceived(QString::fromUtf8(payload));
    }
}

void LocalMessageServer::forgetConnection(QSocketNotifier *notifier)
{
    const auto found = std::find_if(
            m_connections.begin(), m_connections.end(),
            [notifier](const Connection &connection) { return connection.notifier == notifier; });
    if (found == m_connections.end())
        return;
    // The notifier may be the one whose signal is being handled: it goes
    // later, but it is off before its descriptor is closed.
    notifier->setEnabled(false);
    notifier->deleteLater();
    ::close(found->fd);
    m_connections.erase(found);
    resumeAccepting();
}

LocalMessageServer::Connection *LocalMessageServer::find(QSocketNotifier *notifier)
{
    for (Connection &connection : m_connections) {
        if (connection.notifier == notifier)
            return &connection;
    }
    return nullptr;
}

bool sendLocalMessage(const QString &socketPath, const QString &message, QDeadlineTimer deadline)
{
    const QByteArray payload = message.toUtf8();
    sockaddr_un address;
    if (quint32(payload.size()) > MaxMessageSize || !socketAddress(socketPath, &address))
        return false;
    const int fd = connectBefore(address, deadline);
    if (fd < 0)
        return false;
    const auto closeSocket = qScopeGuard([fd] { ::close(fd); });
    return writeAll(fd, encodeFrame(payload), deadline) && receiveAcknowledgement(fd, deadline);
}
