// What wex-power costs while it only watches: CPU time and memory over
// windows of a minute with two batteries on the mocked UPower and the power
// monitor running every 5 s as it does by itself. The smallest Qt window
// program runs beside it, started the same way, as the yardstick.
//
// CPU time is utime + stime of /proc/<pid>/stat (clock ticks, counting the
// threads that ended too); the run time in /proc/<pid>/task/*/schedstat
// (nanoseconds, the threads alive at the time) is given beside it for its
// finer resolution, with the number of times the threads were put on the
// CPU (wake-ups). Memory is VmRSS and VmHWM of /proc/<pid>/status and Pss
// and Private_Dirty of /proc/<pid>/smaps_rollup at the end of each window.
// Pss splits every shared page among the processes that map it, so it moves
// with whatever else runs on the machine; the private dirty pages (heap,
// written data) are the program's own. The monitor's
// runs in a window are the EnumerateDevices calls the stand-in recorded.
//
// Run it under tests/harness/run-with-buses.

#include "qtcompat.h"
#include "upowermock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// utime + stime in seconds.
double statCpuSeconds(qint64 pid)
{
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    // The command name may hold spaces; the fields after it may not.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    // After the name: state is field 3, utime 14 and stime 15 (1-based).
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks / double(sysconf(_SC_CLK_TCK));
}

struct Schedstat
{
    double seconds = 0; // on the CPU
    double slices = 0; // times put on the CPU: the wake-ups, near enough
};

Schedstat schedstat(qint64 pid)
{
    Schedstat sum;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QList<QByteArray> fields =
                readFile(tasks.filePath(task) + QStringLiteral("/schedstat")).split(' ');
        sum.seconds += fields.value(0).toDouble() / 1e9;
        sum.slices += fields.value(2).toDouble();
    }
    return sum;
}

// A "Name:   1234 kB" line of a /proc file, in MiB.
double kibField(const QByteArray &text, const QByteArray &name)
{
    for (const QByteArray &line : text.split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return -1;
}

struct Window
{
    double cpuSeconds = 0;
    double schedSeconds = 0;
    double slices = 0;
    double monitorRuns = 0;
    double rssMiB = 0, hwmMiB = 0, pssMiB = 0, privateMiB = 0;
};

struct Watched
{
    QString name;
    QString path;
    QProcess *process = nullptr;
    QList<Window> windows;
    double cpuStart = 0;
    Schedstat schedStart;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("WEX_TEST_HARNESS")) {
        std::fprintf(stderr, "bench_idle: run me under tests/harness/run-with-buses\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           QStringLiteral("length of one window"),
                                           QStringLiteral("s"), QStringLiteral("60"));
    const QCommandLineOption windowsOption(QStringLiteral("windows"),
                                           QStringLiteral("windows in a row"), QStringLiteral("n"),
                                           QStringLiteral("3"));
    const QCommandLineOption warmupOption(QStringLiteral("warmup"),
                                          QStringLiteral("seconds before the first window"),
                                          QStringLiteral("s"), QStringLiteral("10"));
    // Other builds of wex-power, watched in the same windows: side by side
    // in one run, whatever the machine is doing meanwhile.
    const QCommandLineOption programOption(QStringLiteral("program"),
                                           QStringLiteral("another wex-power to watch too"),
                                           QStringLiteral("path"));
    parser.addOptions({secondsOption, windowsOption, warmupOption, programOption});
    parser.process(app);
    const double seconds = qMax(1.0, parser.value(secondsOption).toDouble());
    const int windows = qMax(1, parser.value(windowsOption).toInt());
    const double warmup = qMax(0.0, parser.value(warmupOption).toDouble());

    UPowerMock upower(
            {{QStringLiteral("CanHibernate"), true}, {QStringLiteral("CanSuspend"), true}});
    if (!upower.start())
        qFatal("the UPower stand-in did not start");
    upower.addDevice(QStringLiteral("BAT0"), UPowerMock::battery(QStringLiteral("A"), 30, 50, 1));
    upower.addDevice(QStringLiteral("BAT1"), UPowerMock::battery(QStringLiteral("B"), 40, 50, 2));

    QList<Watched> programs;
    const QStringList names =
            QStringList{QStringLiteral("wex-power"), QStringLiteral("baseline Qt window")}
            + parser.values(programOption);
    const QStringList paths =
            QStringList{QStringLiteral(WEX_POWER_BINARY), QStringLiteral(BENCH_BASELINE_PROGRAM)}
            + parser.values(programOption);
    for (int i = 0; i < names.size(); ++i) {
        Watched watched;
        watched.name = names.at(i);
        watched.path = paths.at(i);
        programs << watched;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (Watched &program : programs) {
        program.process = new QProcess(&app);
        program.process->setProcessEnvironment(environment);
        program.process->setStandardOutputFile(QDir::temp().filePath(QStringLiteral("idle.log")),
                                               QIODevice::Append);
        program.process->setStandardErrorFile(QDir::temp().filePath(QStringLiteral("idle.log")),
                                              QIODevice::Append);
        program.process->start(program.path, QStringList());
        if (!program.process->waitForStarted(10000))
            qFatal("%s did not start", qPrintable(program.name));
    }

    QThread::msleep(qint64(warmup * 1000));
    int enumerations = upower.callCount(QStringLiteral("EnumerateDevices"));
    for (Watched &program : programs) {
        if (program.process->state() != QProcess::Running)
            qFatal("%s ended", qPrintable(program.name));
        program.cpuStart = statCpuSeconds(program.process->processId());
        program.schedStart = schedstat(program.process->processId());
    }
    for (int w = 0; w < windows; ++w) {
        QThread::msleep(qint64(seconds * 1000));
        const int nowEnumerations = upower.callCount(QStringLiteral("EnumerateDevices"));
        for (Watched &program : programs) {
            const qint64 pid = program.process->processId();
            if (program.process->state() != QProcess::Running)
                qFatal("%s ended", qPrintable(program.name));
            Window window;
            const double cpu = statCpuSeconds(pid);
            const Schedstat sched = schedstat(pid);
            window.cpuSeconds = cpu - program.cpuStart;
            window.schedSeconds = sched.seconds - program.schedStart.seconds;
            window.slices = sched.slices - program.schedStart.slices;
            program.cpuStart = cpu;
            program.schedStart = sched;
            // Only wex-power asks UPower anything.
            window.monitorRuns =
                    program.name == QLatin1String("wex-power") ? nowEnumerations - enumerations : 0;
            const QByteArray status = readFile(QStringLiteral("/proc/%1/status").arg(pid));
            window.rssMiB = kibField(status, "VmRSS");
            window.hwmMiB = kibField(status, "VmHWM");
            const QByteArray rollup = readFile(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
            window.pssMiB = kibField(rollup, "Pss");
            window.privateMiB = kibField(rollup, "Private_Dirty");
            program.windows << window;
        }
        enumerations = nowEnumerations;
    }

    for (Watched &program : programs) {
        program.process->terminate();
        if (!program.process->waitForFinished(5000)) {
            program.process->kill();
            program.process->waitForFinished(5000);
        }
    }

    QTextStream out(stdout);
    QtCompat::writeUtf8(out);
    const double perHour = 3600 / seconds;
    out << "| program | windows of " << seconds
        << " s | CPU, stat (s/h) | CPU, schedstat (s/h) | wake-ups per s | monitor runs per "
           "window | CPU per monitor run (ms) | VmRSS (MiB) | Pss (MiB) | private dirty (MiB) | "
           "VmHWM "
           "(MiB) |\n";
    out << "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (const Watched &program : qAsConst(programs)) {
        QVector<double> cpu, sched, wakeups, runs, rss, pss, own, hwm;
        for (const Window &window : program.windows) {
            cpu << window.cpuSeconds * perHour;
            sched << window.schedSeconds * perHour;
            wakeups << window.slices / seconds;
            runs << window.monitorRuns;
            rss << window.rssMiB;
            pss << window.pssMiB;
            own << window.privateMiB;
            hwm << window.hwmMiB;
        }
        const double runsPerWindow = median(runs);
        out << "| " << program.name << " | " << program.windows.size() << " | "
            << QString::number(median(cpu), 'f', 2) << " | "
            << QString::number(median(sched), 'f', 2) << " | "
            << QString::number(median(wakeups), 'f', 1) << " | "
            << QString::number(runsPerWindow, 'f', 0) << " | "
            << (runsPerWindow > 0
                        ? QString::number(median(sched) / perHour / runsPerWindow * 1e3, 'f', 2)
                        : QString::fromUtf8("–"))
            << " | " << QString::number(median(rss), 'f', 1) << " | "
            << QString::number(median(pss), 'f', 1) << " | " << QString::number(median(own), 'f', 1)
            << " | " << QString::number(median(hwm), 'f', 1) << " |\n";
    }
    out << "\nEach window: CPU s/h by stat and by schedstat, wake-ups, monitor runs; VmRSS, "
           "Pss and private dirty MiB:\n\n";
    for (const Watched &program : qAsConst(programs)) {
        QStringList values;
        for (const Window &window : program.windows) {
            values << QStringLiteral("%1 / %2 s/h, %3 wake-ups, %4 runs; %5 / %6 / %7 MiB")
                              .arg(window.cpuSeconds * perHour, 0, 'f', 2)
                              .arg(window.schedSeconds * perHour, 0, 'f', 2)
                              .arg(window.slices, 0, 'f', 0)
                              .arg(window.monitorRuns, 0, 'f', 0)
                              .arg(window.rssMiB, 0, 'f', 1)
                              .arg(window.pssMiB, 0, 'f', 1)
                              .arg(window.privateMiB, 0, 'f', 1);
        }
        out << "- " << program.name << ": " << values.join(QStringLiteral("; ")) << "\n";
    }
    return 0;
}
