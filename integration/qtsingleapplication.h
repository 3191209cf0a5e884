#pragma once

#include <QApplication>
#include <QLockFile>
#include <QPointer>
#include <memory>

class LocalMessageServer;

// A QApplication that knows whether another instance of the same program
// already runs for this user, and can hand that instance a message.
//
// Identity: one per user and per executable path. The first instance holds
// a lock file and listens on a local socket in the user's runtime folder
// (without one, in a folder of the user's own inside the temporary folder);
// later instances find the lock held and talk to the socket. A lock or
// socket that another user made is never taken for a running instance.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    QtSingleApplication(int &argc, char **argv);
    ~QtSingleApplication() override;

    // True when another instance was there first; this one should hand over
    // its request with sendMessage() and quit.
    bool isRunning() const;
    // Delivers message to the first instance within timeout milliseconds
    // (it may still be starting, so connecting is retried until then) and
    // returns whether that instance acknowledged it.
    bool sendMessage(const QString &message, int timeout = 5000);
    // For a command that only hands a request over and must not become the
    // first instance itself: delivers message to the instance of this
    // user and program that runs, if one does, and returns whether it
    // acknowledged it within timeout milliseconds. False at once when
    // none runs. Needs only a QCoreApplication.
    static bool sendToRunning(const QString &message, int timeout = 5000);

    // The window that activateWindow() brings forward; with activateOnMessage
    // every received message does so.
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);

    // Where the first instance listens.
    QString socketPath() const;

public slots:
    void activateWindow();

signals:
    void messageReceived(const QString &message);

private:
    void claimInstance(const QString &folder);
    void startUnguarded(const char *reason, const QString &path);
    void becomePrimary();
    void receiveMessage(const QString &message);

    QString m_id;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    bool m_primary = false;
    LocalMessageServer *m_server = nullptr;
    QPointer<QWidget> m_window;
    bool m_activateOnMessage = false;
};
