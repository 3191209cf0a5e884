#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QProcess>
#include <QVariantMap>

// One python3-dbusmock service on the test's private bus, started from a
// template and driven over its org.freedesktop.DBus.Mock interface. The
// process is stopped when the object goes, whatever the test did.
class MockService : public QObject
{
    Q_OBJECT

public:
    enum Bus { SystemBus, SessionBus };

    // templateName: a file under tests/harness/templates (ending in .py)
    // or the name of one of dbusmock's own templates.
    MockService(const QString &busName, const QString &mainPath, const QString &templateName,
                const QVariantMap &parameters = {}, Bus bus = SystemBus, QObject *parent = nullptr);
    ~MockService() override;

    bool start(int timeoutMs = 15000);
    void stop();
    void kill();
    bool isRunning() const;

    QString busName() const { return m_busName; }
    QString mainPath() const { return m_mainPath; }
    QDBusConnection connection() const;

    // Calls a method of the Mock interface on an object of the service
    // (the main object when path is empty) and waits for the answer.
    QDBusMessage mock(const QString &method, const QVariantList &args = {},
                      const QString &path = {}) const;

    // The recorded calls of one method: each entry holds the arguments.
    QList<QVariantList> methodCalls(const QString &method, const QString &path = {}) const;
    int callCount(const QString &method, const QString &path = {}) const;
    // The names of all recorded calls, oldest first.
    QStringList callNames(const QString &path = {}) const;
    // Processes events until the method was called count times or the time
    // is up; returns whether it was.
    bool waitForCalls(const QString &method, int count, int timeoutMs = 5000,
                      const QString &path = {}) const;
    void clearCalls(const QString &path = {}) const;

    QByteArray output();
    // The file dbusmock logs every call in, property reads included.
    QString logFile() const;

private:
    bool waitForOwner(bool present, int timeoutMs) const;

    QString m_busName;
    QString m_mainPath;
    QString m_template;
    QVariantMap m_parameters;
    Bus m_bus;
    QProcess m_process;
    QByteArray m_output;
};
