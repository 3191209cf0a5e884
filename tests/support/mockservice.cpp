#include "mockservice.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

static const auto mockInterface = QStringLiteral("org.freedesktop.DBus.Mock");

MockService::MockService(const QString &busName, const QString &mainPath,
                         const QString &templateName, const QVariantMap &parameters, Bus bus,
                         QObject *parent)
    : QObject(parent), m_busName(busName), m_mainPath(mainPath), m_template(templateName),
      m_parameters(parameters), m_bus(bus), m_process(this)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&m_process, &QProcess::readyReadStandardOutput, this,
            [this] { m_output += m_process.readAllStandardOutput(); });
}

MockService::~MockService()
{
    kill();
}

QDBusConnection MockService::connection() const
{
    return m_bus == SystemBus ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
}

bool MockService::start(int timeoutMs)
{
    QString templatePath = m_template;
    if (m_template.endsWith(QLatin1String(".py")) && QFileInfo(m_template).isRelative())
        templatePath = QStringLiteral(WEX_MOCK_TEMPLATES "/") + m_template;

    QStringList args{QStringLiteral("-m"), QStringLiteral("dbusmock"),
                     m_bus == SystemBus ? QStringLiteral("--system") : QStringLiteral("--session"),
                     QStringLiteral("--template"), templatePath,
                     // The call log is read over D-Bus; keep the file out of the output.
                     QStringLiteral("-l"), logFile()};
    if (!m_parameters.isEmpty()) {
        args << QStringLiteral("-p")
             << QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(m_parameters))
                                          .toJson(QJsonDocument::Compact));
    }
    m_output.clear();
    m_process.start(QStringLiteral("/usr/bin/python3"), args);
    if (!m_process.waitForStarted(timeoutMs))
        return false;
    return waitForOwner(true, timeoutMs);
}

void MockService::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        kill();
    waitForOwner(false, 5000);
}

void MockService::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
    waitForOwner(false, 5000);
}

bool MockService::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

bool MockService::waitForOwner(bool present, int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    QDBusConnectionInterface *bus = connection().interface();
    while (!deadline.hasExpired()) {
        if (bus && bus->isServiceRegistered(m_busName).value() == present)
            return true;
        if (present && m_process.state() == QProcess::NotRunning)
            return false;
        QTest::qWait(20);
    }
    return false;
}

QDBusMessage MockService::mock(const QString &method, const QVariantList &args,
                               const QString &path) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(
            m_busName, path.isEmpty() ? m_mainPath : path, mockInterface, method);
    call.setArguments(args);
    return connection().call(call);
}

// GetCalls answers a(tsav), GetMethodCalls a(tav): both lists are read
// here, the method name only where there is one.
static QList<QPair<QString, QVariantList>> readCallLog(const QDBusMessage &reply, bool withNames)
{
    QList<QPair<QString, QVariantList>> calls;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return calls;
    const auto list = reply.arguments().at(0).value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        quint64 timestamp = 0;
        QString name;
        QVariantList args;
        list.beginStructure();
        list >> timestamp;
        if (withNames)
            list >> name;
        list >> args;
        list.endStructure();
        calls.append({name, args});
    }
    list.endArray();
    return calls;
}

QList<QVariantList> MockService::methodCalls(const QString &method, const QString &path) const
{
    QList<QVariantList> calls;
    const auto log = readCallLog(mock(QStringLiteral("GetMethodCalls"), {method}, path), false);
    for (const auto &call : log)
        calls << call.second;
    return calls;
}

QStringList MockService::callNames(const QString &path) const
{
    QStringList names;
    for (const auto &call : readCallLog(mock(QStringLiteral("GetCalls"), {}, path), true))
        names << call.first;
    return names;
}

int MockService::callCount(const QString &method, const QString &path) const
{
    return methodCalls(method, path).size();
}

bool MockService::waitForCalls(const QString &method, int count, int timeoutMs,
                               const QString &path) const
{
    QDeadlineTimer deadline(timeoutMs);
    do {
        if (callCount(method, path) >= count)
            return true;
        QTest::qWait(20);
    } while (!deadline.hasExpired());
    return callCount(method, path) >= count;
}

void MockService::clearCalls(const QString &path) const
{
    mock(QStringLiteral("ClearCalls"), {}, path);
}

QByteArray MockService::output()
{
    m_output += m_process.readAllStandardOutput();
    return m_output;
}

QString MockService::logFile() const
{
    return QDir::temp().filePath(m_busName + QStringLiteral(".log"));
}
