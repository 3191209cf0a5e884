// The power monitor on the older UPower stack (WMain::timeout on the mocked
// UPower 0.9 with 1, 8 and 64 batteries) against its floor: the D-Bus round
// trips a run has to make by the monitor's rules, each a prebuilt
// QDBusMessage sent as a bare synchronous call through QtDBus
// (QDBusConnection::systemBus().call()). Monitor and floor are timed run by
// run in a rotating order, so that the mock and the machine's load weigh on
// both alike. A bus monitor (dbus-monitor in a child process) then counts
// the method calls this process sends during a number of runs of each.
//
// Run it under tests/harness/run-with-buses: it refuses to start without
// the private system bus the harness provides.

#include "monitorclock.h"
#include "powercontroller.h"
#include "qtcompat.h"
#include "upowermock.h"
#include "wirenames.h"
#include "wmain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

namespace {

// The names the program itself sends.
const QString upowerService = UPowerWire::service;
const QString upowerPath = UPowerWire::path;
const QString upowerInterface = UPowerWire::interface;
const QString deviceInterface = UPowerWire::deviceInterface;
const QString propertiesInterface = DBusWire::propertiesInterface;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

double processCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
}

double percentile(QVector<double> values, double p)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int index = qBound(0, int(p * (values.size() - 1) + 0.5), values.size() - 1);
    return values.at(index);
}

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

QDBusMessage propertyGet(const QString &path, const QString &interface, const QString &name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(upowerService, path, propertiesInterface,
                                                      QStringLiteral("Get"));
    get << interface << name;
    return get;
}

// The round trips the monitor must make in one run, in its order: the
// device list; per battery its type, then the charge (State, Energy,
// EnergyFullDesign: the batteries charge and have a design energy, so no
// Percentage) and State again for whether it discharges; then UPower's
// CanHibernate and CanSuspend. No battery is at its critical level.
QList<QDBusMessage> floorMessages(const QStringList &paths)
{
    QList<QDBusMessage> messages;
    messages << QDBusMessage::createMethodCall(upowerService, upowerPath, upowerInterface,
                                               QStringLiteral("EnumerateDevices"));
    for (const QString &path : paths) {
        for (const char *name : {"Type", "State", "Energy", "EnergyFullDesign", "State"})
            messages << propertyGet(path, deviceInterface, QLatin1String(name));
    }
    messages << propertyGet(upowerPath, upowerInterface, QStringLiteral("CanHibernate"));
    messages << propertyGet(upowerPath, upowerInterface, QStringLiteral("CanSuspend"));
    return messages;
}

void runFloor(const QList<QDBusMessage> &messages)
{
    const QDBusConnection bus = QDBusConnection::systemBus();
    for (const QDBusMessage &message : messages)
        bus.call(message);
}

// Counts the method calls the process sends, with dbus-monitor on the
// system bus filtered to its connection. Marker pings to the bus driver,
// sent and answered before and after the work, bracket it, so that neither
// the monitor's start nor its output buffering can lose or add a message.
class CallCounter
{
public:
    explicit CallCounter(const QString &sender) : m_sender(sender) { }

    ~CallCounter() { stop(); }

    // The calls made during work, each as "member" or, for a property read,
    // "Get(Property)"; empty with ok false when the monitor lost track.
    //
    // The bus monitor runs only for this: left running through the timed
    // runs, its unread output would fill the pipe and the bus would have to
    // queue every message for it.
    QStringList record(const std::function<void()> &work, bool *ok)
    {
        *ok = start();
        if (!*ok) {
            stop();
            return {};
        }
        const QString begin = ping(QStringLiteral("begin"));
        work();
        const QString end = ping(QStringLiteral("end"));
        *ok = waitForMark(end, 30000);
        stop();
        QStringList calls;
        bool inside = false;
        QString pending;
        int getArguments = 0;
        const auto flush = [&] {
            if (inside && !pending.isEmpty())
                calls << pending;
            pending.clear();
        };
        for (const QString &line : qAsConst(m_lines)) {
            if (line.startsWith(QLatin1String("method call "))) {
                flush();
                const QString path = field(line, QStringLiteral("path"));
                if (path == begin || path == end) {
                    inside = path == begin;
                    continue;
                }
                if (field(line, QStringLiteral("sender")) != m_sender)
                    continue;
                pending = field(line, QStringLiteral("member"));
                getArguments = 0;
            } else if (pending == QLatin1String("Get")
                       && line.startsWith(QLatin1String("   string \""))) {
                // Get's arguments: the interface, then the property.
                if (++getArguments == 2)
                    pending = QStringLiteral("Get(%1)").arg(line.mid(11).chopped(1));
            } else if (!line.startsWith(QLatin1Char(' '))) {
                flush();
            }
        }
        flush();
        m_lines.clear();
        return calls;
    }

private:
    bool start()
    {
        m_lines.clear();
        const QString address = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
        m_monitor.setProcessChannelMode(QProcess::SeparateChannels);
        m_monitor.start(QStringLiteral("stdbuf"),
                        {QStringLiteral("-oL"), QStringLiteral("dbus-monitor"),
                         QStringLiteral("--address"), address,
                         QStringLiteral("type='method_call',sender='%1'").arg(m_sender)});
        if (!m_monitor.waitForStarted(5000))
            return false;
        // The monitor listens once it has seen one of our pings.
        for (int attempt = 0; attempt < 100; ++attempt) {
            if (waitForMark(ping(QStringLiteral("ready")), 100))
                return true;
        }
        return false;
    }

    void stop()
    {
        if (m_monitor.state() == QProcess::NotRunning)
            return;
        m_monitor.terminate();
        if (!m_monitor.waitForFinished(3000)) {
            m_monitor.kill();
            m_monitor.waitForFinished(3000);
        }
    }

    static QString field(const QString &line, const QString &name)
    {
        const QRegularExpression re(QStringLiteral("(?:^| )%1=([^ ;]*)").arg(name));
        return re.match(line).captured(1);
    }

    QString ping(const QString &what)
    {
        const QString path = QStringLiteral("/wexbench/%1/%2").arg(what).arg(++m_marks);
        QDBusConnection::systemBus().call(QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.DBus"), path,
                QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")));
        return path;
    }

    bool waitForMark(const QString &path, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        const QString needle = QStringLiteral(" path=%1;").arg(path);
        for (;;) {
            while (m_monitor.canReadLine()) {
                QString line = QString::fromUtf8(m_monitor.readLine());
                // Only the line end goes: arguments are told by their indentation.
                if (line.endsWith(QLatin1Char('\n')))
                    line.chop(1);
                m_lines << line;
                if (line.contains(needle))
                    return true;
            }
            const int left = timeoutMs - int(timer.elapsed());
            if (left <= 0 || !m_monitor.waitForReadyRead(left))
                return false;
        }
    }

    QProcess m_monitor;
    QString m_sender;
    QStringList m_lines;
    int m_marks = 0;
};

// One way of doing a run: the monitor, or the floor.
struct Contender
{
    QString name;
    std::function<void()> run;
    QVector<double> wallNs, cpuNs;
    QStringList calls; // seen by the bus monitor during the counted runs
};

struct Result
{
    int devices = 0;
    int runs = 0;
    int countedRuns = 0;
    int requiredCalls = 0;
    Contender monitor, floor;
};

QString tallyText(const QStringList &calls, int runs)
{
    QMap<QString, int> byName;
    for (const QString &call : calls)
        ++byName[call];
    QStringList parts;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        parts << QStringLiteral("%1 %2").arg(it.key()).arg(double(it.value()) / runs, 0, 'g', 4);
    return parts.join(QStringLiteral(", "));
}

Result measure(UPowerMock &upower, const QStringList &paths, int runs, int countedRuns,
               CallCounter &counter)
{
    Result result;
    result.devices = paths.size();
    result.runs = runs;
    result.countedRuns = countedRuns;
    upower.setEnumeration(paths);
    const QList<QDBusMessage> floor = floorMessages(paths);
    result.requiredCalls = floor.size();

    // The floor's messages must all succeed, or it would measure errors.
    for (const QDBusMessage &message : floor) {
        const QDBusMessage reply = QDBusConnection::systemBus().call(message);
        if (reply.type() != QDBusMessage::ReplyMessage)
            qFatal("floor call %s failed: %s", qPrintable(message.member()),
                   qPrintable(reply.errorMessage()));
    }

    auto window = std::make_unique<WMain>();
    // The window's own 5 s clock would start extra monitor runs from the
    // processEvents() calls, in the middle of whatever is being timed or
    // counted: here the monitor runs only when called.
    window->findChild<MonitorClock *>()->stop();

    // Each run ends with the events it may have posted handled, as it would
    // in the event loop.
    result.monitor.name = QStringLiteral("monitor");
    result.monitor.run = [&] {
        window->controller()->tick();
        QCoreApplication::processEvents();
    };
    result.floor.name = QStringLiteral("floor");
    result.floor.run = [&] {
        runFloor(floor);
        QCoreApplication::processEvents();
    };
    Contender *contenders[] = {&result.monitor, &result.floor};
    for (int i = 0; i < 5; ++i) {
        for (Contender *contender : contenders)
            contender->run();
    }

    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        // Alternate which goes first, so that neither always follows the other.
        for (int k = 0; k < 2; ++k) {
            Contender &contender = *contenders[(i + k) % 2];
            const double cpu = processCpuNs();
            timer.start();
            contender.run();
            contender.wallNs << double(timer.nsecsElapsed());
            contender.cpuNs << processCpuNs() - cpu;
        }
    }

    for (Contender *contender : contenders) {
        bool ok = false;
        contender->calls = counter.record(
                [&] {
                    for (int i = 0; i < countedRuns; ++i)
                        contender->run();
                },
                &ok);
        if (!ok)
            qFatal("the bus monitor lost track of the %s runs", qPrintable(contender->name));
    }
    // The floor sends exactly its messages: anything else means the
    // counting itself is off.
    if (result.floor.calls.size() != floor.size() * countedRuns)
        qFatal("the bus monitor saw %d calls of the floor, not %d", int(result.floor.calls.size()),
               int(floor.size() * countedRuns));
    // What the runs refer to ends here.
    result.monitor.run = nullptr;
    result.floor.run = nullptr;
    return result;
}

QString number(double value, int decimals = 0)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("WEX_TEST_HARNESS")) {
        std::fprintf(stderr, "bench_monitor: run me under tests/harness/run-with-buses\n");
        return 2;
    }
    QApplication app(argc, argv);
    QtCompat::writeUtf8(out());
    QCoreApplication::setOrganizationName(QStringLiteral("wex"));
    QCoreApplication::setApplicationName(QStringLiteral("wex-power"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption devicesOption(QStringLiteral("devices"),
                                           QStringLiteral("battery counts, comma separated"),
                                           QStringLiteral("list"), QStringLiteral("1,8,64"));
    const QCommandLineOption secondsOption(
            QStringLiteral("seconds"),
            QStringLiteral("time to spend on the timed runs of one battery count"),
            QStringLiteral("s"), QStringLiteral("30"));
    const QCommandLineOption countedOption(QStringLiteral("counted-runs"),
                                           QStringLiteral("runs under the bus monitor"),
                                           QStringLiteral("n"), QStringLiteral("10"));
    parser.addOptions({devicesOption, secondsOption, countedOption});
    parser.process(app);

    QList<int> counts;
    for (const QString &count : parser.value(devicesOption).split(QLatin1Char(',')))
        counts << count.toInt();
    std::sort(counts.begin(), counts.end());
    const double seconds = parser.value(secondsOption).toDouble();
    const int countedRuns = qMax(1, parser.value(countedOption).toInt());

    UPowerMock upower(
            {{QStringLiteral("CanHibernate"), true}, {QStringLiteral("CanSuspend"), true}});
    if (!upower.start())
        qFatal("the UPower stand-in did not start");
    CallCounter counter(QDBusConnection::systemBus().baseService());

    QStringList paths;
    QList<Result> results;
    for (int count : qAsConst(counts)) {
        while (paths.size() < count) {
            const QString name = QStringLiteral("BAT%1").arg(paths.size());
            // 30 of 50 Wh and charging: 60 %, so no action is ever due.
            paths << upower.addDevice(name, UPowerMock::battery(name, 30, 50, 1));
        }
        // A short probe sizes the number of runs to the time given.
        upower.setEnumeration(paths);
        const QList<QDBusMessage> floor = floorMessages(paths);
        QElapsedTimer probe;
        probe.start();
        for (int i = 0; i < 3; ++i)
            runFloor(floor);
        const double perRun = double(probe.nsecsElapsed()) / 3 / 1e9;
        const int runs = qBound(15, int(seconds / (2.2 * perRun)), 2000);
        std::fprintf(stderr, "bench_monitor: %d batteries, %d runs each\n", count, runs);
        results << measure(upower, paths, runs, countedRuns, counter);
    }

    // Units in the headers, plain numbers in the cells.
    const auto wall = [](const Contender &c) {
        return median(c.wallNs) / 1000;
    };
    const auto cpu = [](const Contender &c) {
        return median(c.cpuNs) / 1000;
    };
    const auto calls = [](const Result &r, const Contender &c) {
        return double(c.calls.size()) / r.countedRuns;
    };
    out() << QString::fromUtf8(
            "| batteries | runs | monitor run, median (µs) | floor, median (µs) | ratio | "
            "monitor p90 (µs) | floor p90 (µs) | client CPU monitor (µs) | client CPU floor "
            "(µs) | calls per run, monitor | calls per run, floor | 3 + 5N | monitor's calls "
            "= floor's, in order |\n");
    out() << "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---|\n";
    for (const Result &r : qAsConst(results)) {
        out() << "| " << r.devices << " | " << r.runs << " | " << number(wall(r.monitor)) << " | "
              << number(wall(r.floor)) << " | " << number(wall(r.monitor) / wall(r.floor), 3)
              << " | " << number(percentile(r.monitor.wallNs, 0.9) / 1000) << " | "
              << number(percentile(r.floor.wallNs, 0.9) / 1000) << " | " << number(cpu(r.monitor))
              << " | " << number(cpu(r.floor)) << " | " << number(calls(r, r.monitor), 2) << " | "
              << number(calls(r, r.floor), 2) << " | " << r.requiredCalls << " | "
              << (r.monitor.calls == r.floor.calls ? "yes" : "no") << " |\n";
    }
    out() << "\n";
    if (results.size() >= 2) {
        out() << QString::fromUtf8(
                "| batteries | monitor per battery (µs) | floor per battery (µs) | ratio | "
                "monitor CPU per battery (µs) | floor CPU per battery (µs) | calls per "
                "battery |\n");
        out() << "|---|---:|---:|---:|---:|---:|---:|\n";
        for (int i = 1; i < results.size(); ++i) {
            const Result &a = results.at(i - 1);
            const Result &b = results.at(i);
            const double n = b.devices - a.devices;
            const double monitor = (wall(b.monitor) - wall(a.monitor)) / n;
            const double floor = (wall(b.floor) - wall(a.floor)) / n;
            out() << "| " << a.devices << QString::fromUtf8(" → ") << b.devices << " | "
                  << number(monitor) << " | " << number(floor) << " | "
                  << number(monitor / floor, 3) << " | "
                  << number((cpu(b.monitor) - cpu(a.monitor)) / n) << " | "
                  << number((cpu(b.floor) - cpu(a.floor)) / n) << " | "
                  << number((calls(b, b.monitor) - calls(a, a.monitor)) / n, 2) << " |\n";
        }
        out() << "\n";
    }
    out() << "Method calls per run seen by the bus monitor:\n\n";
    for (const Result &r : qAsConst(results)) {
        for (const Contender *c : {&r.monitor, &r.floor}) {
            out() << "- " << r.devices << " batteries, " << c->name << " (" << r.countedRuns
                  << " runs): " << tallyText(c->calls, r.countedRuns) << "\n";
        }
    }
    out().flush();
    return 0;
}
