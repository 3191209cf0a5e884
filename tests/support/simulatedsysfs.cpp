#include "simulatedsysfs.h"

#include <QDeadlineTimer>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstring>
#include <link.h>
#include <unistd.h>

namespace {

const char preloadLibrary[] = "libumockdev-preload.so.0";

// The sanitizer runtime, when this build has one: it must come first among
// the preloaded libraries, and so before umockdev's.
QByteArray sanitizerRuntime()
{
    QByteArray found;
    dl_iterate_phdr(
            [](dl_phdr_info *info, size_t, void *data) {
                const char *name = info->dlpi_name;
                if (name && std::strstr(name, "/libasan.so")) {
                    *static_cast<QByteArray *>(data) = name;
                    return 1;
                }
                return 0;
            },
            &found);
    return found;
}

} // namespace

SimulatedSysfs::SimulatedSysfs()
{
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(WEX_SIMULATED_SYSFS)});
}

SimulatedSysfs::~SimulatedSysfs()
{
    // End of input stops the helper and its daemon; the harness catches
    // what is left.
    helper.closeWriteChannel();
    if (!helper.waitForFinished(10000))
        helper.kill();
}

bool SimulatedSysfs::command(const QString &line, QString *result, int timeoutMs)
{
    helper.write(line.toUtf8() + '\n');
    QDeadlineTimer deadline(timeoutMs);
    while (!helper.canReadLine()) {
        if (deadline.hasExpired() || helper.state() == QProcess::NotRunning) {
            qWarning("no answer to \"%s\"", qPrintable(line));
            return false;
        }
        helper.waitForReadyRead(100);
    }
    const QByteArray reply = helper.readLine().trimmed();
    if (reply != "ok" && !reply.startsWith("ok ")) {
        qWarning("%s", reply.constData());
        return false;
    }
    if (result)
        *result = QString::fromUtf8(reply.mid(3));
    return true;
}

QString SimulatedSysfs::attribute(const QString &device, const QString &name)
{
    QString value;
    return command(QStringLiteral("get '%1' %2").arg(device, name), &value) ? value : QString();
}

bool SimulatedSysfs::useHere()
{
    QString root;
    if (!command(QStringLiteral("root"), &root) || root.isEmpty())
        return false;
    return qputenv("UMOCKDEV_DIR", root.toLocal8Bit());
}

void SimulatedSysfs::reexecUnderPreload(char **argv)
{
    const QByteArray preload = qgetenv("LD_PRELOAD");
    if (preload.contains(preloadLibrary))
        return;
    QByteArrayList libraries{sanitizerRuntime(), preload, preloadLibrary};
    libraries.removeAll(QByteArray());
    qputenv("LD_PRELOAD", libraries.join(' '));
    execv("/proc/self/exe", argv);
    std::perror("cannot run the test again under umockdev's preload library");
    _exit(1);
}
