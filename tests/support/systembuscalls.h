#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// The method calls this process sends on the system bus between start()
// and stop(), as dbus-monitor sees them; two calls of its own mark where
// the watch begins and ends, so that nothing before or after counts.
class SystemBusCalls
{
public:
    ~SystemBusCalls();

    bool start();
    // Each call as dbus-monitor prints its first line, followed by its
    // text arguments (" | string ...").
    QStringList stop();

private:
    void mark(const QString &marker);

    QProcess monitor;
    QByteArray seen;
};
