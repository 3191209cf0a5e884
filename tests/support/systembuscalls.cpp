#include "systembuscalls.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTest>

SystemBusCalls::~SystemBusCalls()
{
    if (monitor.state() != QProcess::NotRunning) {
        monitor.kill();
        monitor.waitForFinished();
    }
}

bool SystemBusCalls::start()
{
    const QString self = QDBusConnection::systemBus().baseService();
    monitor.start(QStringLiteral("dbus-monitor"),
                  {QStringLiteral("--system"), QStringLiteral("sender='%1'").arg(self)});
    if (!monitor.waitForStarted())
        return false;
    mark(QStringLiteral("wex.start.marker"));
    seen.clear();
    return true;
}

void SystemBusCalls::mark(const QString &marker)
{
    QDBusMessage ping = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    ping << marker;
    do {
        QDBusConnection::systemBus().call(ping);
        QTest::qWait(50);
        seen += monitor.readAllStandardOutput();
    } while (!seen.contains(marker.toUtf8()) && monitor.state() == QProcess::Running);
}

QStringList SystemBusCalls::stop()
{
    mark(QStringLiteral("wex.end.marker"));
    monitor.kill();
    monitor.waitForFinished();
    // Everything before the first ping of the end marker was sent meanwhile.
    QStringList calls;
    for (const QByteArray &line : seen.left(seen.indexOf("wex.end.marker")).split('\n')) {
        if (line.startsWith("method call") && !line.contains("member=NameHasOwner"))
            calls << QString::fromUtf8(line);
        else if (line.startsWith("   string ") && !calls.isEmpty())
            calls.last() += QStringLiteral(" | ") + QString::fromUtf8(line.trimmed());
    }
    return calls;
}
