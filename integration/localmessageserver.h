#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class QSocketNotifier;

// Receives short messages on a local (AF_UNIX) stream socket of this user's.
//
// Each message travels as: magic, payload length (both big-endian 32-bit),
// UTF-8 payload. Every whole message is acknowledged with one byte before
// messageReceived() is emitted. Connections of other users, garbage and
// oversized headers are dropped; so are clients that take too long.
//
// Whoever creates the server must own the socket path (hold the lock that
// guards it): listen() removes what is there, and destruction removes the
// socket file.
class LocalMessageServer : public QObject
{
    Q_OBJECT

public:
    explicit LocalMessageServer(const QString &socketPath, QObject *parent = nullptr);
    ~LocalMessageServer() override;

    // Replaces whatever is at the socket path with a new listening socket;
    // false, with a warning, when it cannot.
    bool listen();

signals:
    void messageReceived(const QString &message);

private:
    struct Connection
    {
        int fd = -1;
        QSocketNotifier *notifier = nullptr;
        QByteArray buffer;
    };

    void closeListener();
    void acceptConnection();
    void pauseAccepting();
    void resumeAccepting();
    void addConnection(int fd);
    void readFrom(QSocketNotifier *notifier);
    void deliverMessages(QSocketNotifier *notifier);
    void forgetConnection(QSocketNotifier *notifier);
    Connection *find(QSocketNotifier *notifier);

    QString m_socketPath;
    int m_listenFd = -1;
    QSocketNotifier *m_listener = nullptr;
    // Brings back a listener paused for want of descriptors.
    QTimer m_acceptRetry;
    // Open client connections, oldest first; each is known by its notifier,
    // which outlives it until the event loop deletes it.
    std::vector<Connection> m_connections;
};

// Sends message to the server listening at socketPath and returns whether
// it acknowledged it before deadline. The server may not listen yet, so
// connecting is retried until then. Blocks the calling thread.
bool sendLocalMessage(const QString &socketPath, const QString &message, QDeadlineTimer deadline);
