// The power monitor (WMain::timeout) on the mocked UPower with 1, 8 and 64
// batteries, next to the floor: the D-Bus round trips the monitor has to
// make by its own rules, each sent as a bare synchronous call of a prebuilt
// message on the connection the monitor reads with (DirectSystemBus). The
// same calls through QtDBus are timed too, for comparison. All three are
// timed run by run in a rotating order, so that the mock and the machine's
// load weigh on all alike. A bus monitor (dbus-monitor in a child process)
// then counts the method calls this process sends during a number of runs
// of each.
// Last, the parts of a run other than its round trips (a device proxy made
// for one run, the action catalogue, the settings) are timed on their own,
// each next to the bare calls it makes.
//
// Run it under tests/harness/run-with-buses: it refuses to start without
// the private system bus the harness provides.

#include "directsystembus.h"
#include "monitorclock.h"
#include "poweractions.h"
#include "powericon.h"
#include "qtcompat.h"
#include "settingskeys.h"
#include "upowerdeviceinterface.h"
#include "upowerinterface.h"
#include "upowermock.h"
#include "wirenames.h"
#include "wmain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QIcon>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSystemTrayIcon>
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

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

double percentile(QVector<double> values, double p)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int index = qBound(0, int(p * (values.size() - 1) + 0.5), values.size() - 1);
    return values.at(index);
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
// Percentage), no State for the critical action (the charge is above the
// level), State for line power; then CanHibernate and CanSuspend for the
// action catalogue.
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
    for (const QDBusMessage &message : messages)
        DirectSystemBus::call(message);
}

void runFloorThroughQtDBus(const QList<QDBusMessage> &messages)
{
    const QDBusConnection bus = QDBusConnection::systemBus();
    for (const QDBusMessage &message : messages)
        bus.call(message);
}

// Counts the method calls the process's connections send, with
// dbus-monitor on the system bus filtered to those senders. Marker pings
// to the bus driver, sent and answered before and after the work, bracket
// it, so that neither the monitor's start nor its output buffering can
// lose or add a message.
class CallCounter
{
public:
    explicit CallCounter(const QStringList &senders) : m_senders(senders) { }

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
        const auto flush = [&] {
            if (inside && !pending.isEmpty())
                calls << pending;
            pending.clear();
        };
        for (const QString &line : qAsConst(m_lines)) {
            if (line.startsWith(QLatin1String("method call "))) {
                flush();
                const QString path = field(line, QStringLiteral("path"));
                if (path == begin) {
                    inside = true;
                    continue;
                }
                if (path == end) {
                    inside = false;
                    continue;
                }
                if (!m_senders.contains(field(line, QStringLiteral("sender"))))
                    continue;
                pending = field(line, QStringLiteral("member"));
                m_getArguments = 0;
            } else if (!pending.isEmpty() && pending == QLatin1String("Get")
                       && line.startsWith(QLatin1String("   string \""))) {
                // Get's arguments: the interface, then the property.
                if (++m_getArguments == 2)
                    pending = QStringLiteral("Get(%1)").arg(line.mid(11).chopped(1));
            } else if (!line.startsWith(QLatin1Char(' '))) {
                flush();
            }
        }
        flush();
        if (qEnvironmentVariableIsSet("BENCH_MONITOR_DUMP")) {
            for (const QString &line : qAsConst(m_lines))
                std::fprintf(stderr, "%s\n", qPrintable(line));
        }
        m_lines.clear();
        return calls;
    }

private:
    bool start()
    {
        m_lines.clear();
        const QString address = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
        m_monitor.setProcessChannelMode(QProcess::SeparateChannels);
        QStringList arguments{QStringLiteral("-oL"), QStringLiteral("dbus-monitor"),
                              QStringLiteral("--address"), address};
        for (const QString &sender : qAsConst(m_senders))
            arguments << QStringLiteral("type='method_call',sender='%1'").arg(sender);
        m_monitor.start(QStringLiteral("stdbuf"), arguments);
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
    QStringList m_senders;
    QStringList m_lines;
    int m_marks = 0;
    int m_getArguments = 0;
};

// One way of doing a run: the monitor, or the floor on either connection.
struct Contender
{
    Contender(const QString &contenderName, std::function<void()> runOnce)
        : name(contenderName), run(std::move(runOnce))
    {
    }

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
    QList<Contender> contenders; // monitor, floor, floor through QtDBus
};

QMap<QString, double> tally(const QStringList &calls, int runs)
{
    QMap<QString, double> byName;
    for (const QString &call : calls)
        byName[call] += 1.0 / runs;
    return byName;
}

QString tallyText(const QMap<QString, double> &byName)
{
    QStringList parts;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        parts << QStringLiteral("%1 %2").arg(it.key()).arg(it.value(), 0, 'g', 4);
    return parts.join(QStringLiteral(", "));
}

Result measure(UPowerMock &upower, const QStringList &paths, int runs, int countedRuns,
               CallCounter *counter)
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
        const QDBusMessage reply = DirectSystemBus::call(message);
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
    result.contenders = {
            Contender(QStringLiteral("monitor"),
                      [&] {
                          window->timeout();
                          QCoreApplication::processEvents();
                      }),
            Contender(QStringLiteral("floor"),
                      [&] {
                          runFloor(floor);
                          QCoreApplication::processEvents();
                      }),
            Contender(QStringLiteral("floor through QtDBus"),
                      [&] {
                          runFloorThroughQtDBus(floor);
                          QCoreApplication::processEvents();
                      }),
    };
    QList<Contender> &contenders = result.contenders;
    for (int i = 0; i < 5; ++i) {
        for (Contender &contender : contenders)
            contender.run();
    }

    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        // Rotate the order, so that none always follows the same one.
        for (int k = 0; k < contenders.size(); ++k) {
            Contender &contender = contenders[(i + k) % contenders.size()];
            const double cpu = processCpuNs();
            timer.start();
            contender.run();
            contender.wallNs << double(timer.nsecsElapsed());
            contender.cpuNs << processCpuNs() - cpu;
        }
    }

    if (counter) {
        for (Contender &contender : contenders) {
            bool ok = false;
            contender.calls = counter->record(
                    [&] {
                        for (int i = 0; i < countedRuns; ++i)
                            contender.run();
                    },
                    &ok);
            if (!ok)
                qFatal("the bus monitor lost track of the %s runs", qPrintable(contender.name));
        }
        // The floors send exactly their messages: anything else means the
        // counting itself is off.
        for (int k : {1, 2}) {
            const int floorCalls = contenders.at(k).calls.size();
            if (floorCalls != floor.size() * countedRuns)
                qFatal("the bus monitor saw %d calls of the %s, not %d", floorCalls,
                       qPrintable(contenders.at(k).name), int(floor.size() * countedRuns));
        }
    }
    return result;
}

// Where the monitor's time goes beside its round trips, each part timed
// alternately with the bare calls it makes (or with nothing, for a part
// that makes none).
struct Part
{
    explicit Part(const QString &partName) : name(partName) { }

    QString name;
    QVector<double> wallNs, cpuNs, bareWallNs, bareCpuNs;
    int messages = -1; // method calls for ten, when counted
};

void timePart(Part &part, int repetitions, const std::function<void()> &work,
              const std::function<void()> &bare)
{
    QElapsedTimer timer;
    for (int i = 0; i < repetitions; ++i) {
        double cpu = processCpuNs();
        timer.start();
        work();
        part.wallNs << double(timer.nsecsElapsed());
        part.cpuNs << processCpuNs() - cpu;
        cpu = processCpuNs();
        timer.start();
        bare();
        part.bareWallNs << double(timer.nsecsElapsed());
        part.bareCpuNs << processCpuNs() - cpu;
    }
}

// The method calls the bus sees for ten times work.
int countCalls(CallCounter *counter, const std::function<void()> &work)
{
    bool ok = false;
    const QStringList calls = counter->record(
            [&] {
                for (int i = 0; i < 10; ++i)
                    work();
            },
            &ok);
    if (!ok)
        qFatal("the bus monitor lost track of the calls");
    if (qEnvironmentVariableIsSet("BENCH_MONITOR_DUMP"))
        std::fprintf(stderr, "%s\n", qPrintable(tallyText(tally(calls, 10))));
    return calls.size();
}

// A device proxy made and dropped with no other proxy for UPower alive in
// the process: nothing watches the name then.
Part measureLoneProxy(const QString &devicePath, CallCounter *counter)
{
    Part proxy(QStringLiteral("device proxy made and dropped, no call, while no other UPower "
                              "proxy lives"));
    const auto makeProxy = [&devicePath] {
        OrgFreedesktopUPowerDeviceInterface device(upowerService, devicePath,
                                                   QDBusConnection::systemBus());
        Q_UNUSED(device)
    };
    timePart(proxy, 500, makeProxy, [] {});
    proxy.messages = countCalls(counter, makeProxy);
    return proxy;
}

// The parts, measured while the main window (and so its proxies) lives.
QList<Part> measureParts(const QString &devicePath, CallCounter *counter)
{
    QList<Part> parts;
    const QDBusConnection bus = QDBusConnection::systemBus();

    Part proxy(QStringLiteral("device proxy made and dropped, no call"));
    const auto makeProxy = [&devicePath] {
        OrgFreedesktopUPowerDeviceInterface device(upowerService, devicePath,
                                                   QDBusConnection::systemBus());
        Q_UNUSED(device)
    };
    timePart(proxy, 2000, makeProxy, [] {});
    parts << proxy;

    Part type(QStringLiteral("type() on a proxy made for it (1 Get)"));
    const QDBusMessage getType = propertyGet(devicePath, deviceInterface, QStringLiteral("Type"));
    const auto readType = [&devicePath] {
        OrgFreedesktopUPowerDeviceInterface device(upowerService, devicePath,
                                                   QDBusConnection::systemBus());
        volatile uint type = device.type();
        Q_UNUSED(type)
    };
    timePart(type, 500, readType, [&] { bus.call(getType); });
    parts << type;

    OrgFreedesktopUPowerDeviceInterface kept(upowerService, devicePath, bus);
    Part typeKept(QStringLiteral("type() on a kept proxy (1 Get)"));
    timePart(
            typeKept, 500,
            [&] {
                volatile uint type = kept.type();
                Q_UNUSED(type)
            },
            [&] { bus.call(getType); });
    parts << typeKept;

    Part actions(QStringLiteral("powerActions() (2 Get)"));
    const QDBusMessage canHibernate =
            propertyGet(upowerPath, upowerInterface, QStringLiteral("CanHibernate"));
    const QDBusMessage canSuspend =
            propertyGet(upowerPath, upowerInterface, QStringLiteral("CanSuspend"));
    timePart(
            actions, 500, [] { powerActions(); },
            [&] {
                DirectSystemBus::call(canHibernate);
                DirectSystemBus::call(canSuspend);
            });
    parts << actions;

    OrgFreedesktopUPowerInterface manager(upowerService, upowerPath, bus);
    const QDBusMessage enumerate = QDBusMessage::createMethodCall(
            upowerService, upowerPath, upowerInterface, QStringLiteral("EnumerateDevices"));
    Part devices(QStringLiteral("EnumerateDevices() of a kept manager proxy into a QDBusReply"));
    timePart(
            devices, 500,
            [&] {
                QDBusReply<QList<QDBusObjectPath>> reply = manager.EnumerateDevices();
                Q_UNUSED(reply)
            },
            [&] { bus.call(enumerate); });
    parts << devices;

    const bool themed = QIcon::hasThemeIcon(QStringLiteral("power"));
    Part icon(themed ? QStringLiteral("tray image: the theme's \"power\"")
                     : QStringLiteral("tray image: no \"power\" in the theme, a battery drawn"));
    timePart(
            icon, 500, [] { powerIcon(); }, [] {});
    parts << icon;

    QSystemTrayIcon tray(powerIcon());
    tray.setVisible(true);
    Part trayIcon(QStringLiteral("tray image made and set on a tray icon"));
    timePart(
            trayIcon, 500, [&] { tray.setIcon(powerIcon()); }, [] {});
    parts << trayIcon;

    Part settings(QStringLiteral("QSettings opened, 2 battery keys and 6 schedule keys read"));
    timePart(
            settings, 2000,
            [&devicePath] {
                QSettings store;
                volatile int n = store.value(SettingsKeys::criticalAction(devicePath)).toInt()
                        + store.value(SettingsKeys::criticalChargeLevel(devicePath)).toInt();
                for (const char *action : {"hibernate", "shutdown", "suspend"}) {
                    n = n
                            + store.value(SettingsKeys::scheduleEnabled(QLatin1String(action)))
                                      .toInt()
                            + store.value(SettingsKeys::scheduleTime(QLatin1String(action)))
                                      .toInt();
                }
            },
            [] {});
    parts << settings;

    parts[0].messages = countCalls(counter, makeProxy);
    return parts;
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

    // The monitor reads over a connection of its own, opened on its first call.
    DirectSystemBus::call(propertyGet(upowerPath, upowerInterface, QStringLiteral("CanSuspend")));
    CallCounter counter(
            {QDBusConnection::systemBus().baseService(), DirectSystemBus::uniqueName()});

    QStringList paths;
    QList<Result> results;
    for (int count : qAsConst(counts)) {
        while (paths.size() < count) {
            const QString name = QStringLiteral("BAT%1").arg(paths.size());
            // 30 of 50 Wh and charging: 60 %, so no action is ever due.
            paths << upower.addDevice(name, UPowerMock::battery(name, 30, 50, 1));
        }
        // A short probe sizes the number of runs to the time given.
        QElapsedTimer probe;
        probe.start();
        const QList<QDBusMessage> floor = floorMessages(paths);
        upower.setEnumeration(paths);
        for (int i = 0; i < 3; ++i)
            runFloor(floor);
        const double perRun = double(probe.nsecsElapsed()) / 3 / 1e9;
        const int runs = qBound(15, int(seconds / (2.2 * perRun)), 2000);
        std::fprintf(stderr, "bench_monitor: %d batteries, %d runs each\n", count, runs);
        results << measure(upower, paths, runs, countedRuns, &counter);
    }

    // Units in the headers, plain numbers in the cells.
    const auto wall = [](const Result &r, int k) {
        return median(r.contenders.at(k).wallNs) / 1000;
    };
    const auto cpu = [](const Result &r, int k) {
        return median(r.contenders.at(k).cpuNs) / 1000;
    };
    const auto calls = [](const Result &r, int k) {
        return double(r.contenders.at(k).calls.size()) / r.countedRuns;
    };
    out() << QString::fromUtf8(
            "| batteries | runs | monitor run, median (µs) | floor, median (µs) | ratio | "
            "monitor p90 (µs) | floor p90 (µs) | client CPU monitor (µs) | client CPU floor "
            "(µs) | messages per run | required round trips |\n");
    out() << "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (const Result &r : qAsConst(results)) {
        out() << "| " << r.devices << " | " << r.runs << " | " << number(wall(r, 0)) << " | "
              << number(wall(r, 1)) << " | " << number(wall(r, 0) / wall(r, 1), 3) << " | "
              << number(percentile(r.contenders.at(0).wallNs, 0.9) / 1000) << " | "
              << number(percentile(r.contenders.at(1).wallNs, 0.9) / 1000) << " | "
              << number(cpu(r, 0)) << " | " << number(cpu(r, 1)) << " | " << number(calls(r, 0), 2)
              << " | " << r.requiredCalls << " |\n";
    }
    out() << "\n";
    if (results.size() >= 2) {
        out() << QString::fromUtf8(
                "| batteries | monitor per battery (µs) | floor per battery (µs) | ratio | "
                "monitor CPU per battery (µs) | floor CPU per battery (µs) | messages per "
                "battery |\n");
        out() << "|---|---:|---:|---:|---:|---:|---:|\n";
        for (int i = 1; i < results.size(); ++i) {
            const Result &a = results.at(i - 1);
            const Result &b = results.at(i);
            const double n = b.devices - a.devices;
            const double monitor = (wall(b, 0) - wall(a, 0)) / n;
            const double floor = (wall(b, 1) - wall(a, 1)) / n;
            out() << "| " << a.devices << QString::fromUtf8(" → ") << b.devices << " | "
                  << number(monitor) << " | " << number(floor) << " | "
                  << number(monitor / floor, 3) << " | " << number((cpu(b, 0) - cpu(a, 0)) / n)
                  << " | " << number((cpu(b, 1) - cpu(a, 1)) / n) << " | "
                  << number((calls(b, 0) - calls(a, 0)) / n, 2) << " |\n";
        }
        out() << "\n";
    }
    out() << "Method calls per run seen by the bus monitor:\n\n";
    for (const Result &r : qAsConst(results)) {
        for (const Contender &contender : r.contenders) {
            out() << "- " << r.devices << " batteries, " << contender.name << " (" << r.countedRuns
                  << " runs): " << tallyText(tally(contender.calls, r.countedRuns)) << "\n";
        }
    }
    out() << "\n";

    out() << QString::fromUtf8("The same calls through QtDBus, timed in the same rotation:\n\n"
                               "| batteries | floor (µs) | through QtDBus (µs) | client CPU floor "
                               "(µs) | client CPU through QtDBus (µs) |\n");
    out() << "|---:|---:|---:|---:|---:|\n";
    for (const Result &r : qAsConst(results)) {
        out() << "| " << r.devices << " | " << number(wall(r, 1)) << " | " << number(wall(r, 2))
              << " | " << number(cpu(r, 1)) << " | " << number(cpu(r, 2)) << " |\n";
    }
    out() << "\n";

    // With no window left, nothing in the process watches UPower's name.
    const Part lone = measureLoneProxy(paths.constFirst(), &counter);
    QList<Part> parts;
    {
        upower.setEnumeration({paths.constFirst()});
        WMain window;
        window.findChild<MonitorClock *>()->stop();
        parts = measureParts(paths.constFirst(), &counter);
    }
    parts << lone;
    out() << QString::fromUtf8("| part of a run (main window alive, 1 battery) | wall, median (µs) "
                               "| the bare calls (µs) | CPU, median (µs) | CPU of the bare calls "
                               "(µs) | method calls per 10 |\n");
    out() << "|---|---:|---:|---:|---:|---:|\n";
    for (const Part &part : qAsConst(parts)) {
        out() << "| " << part.name << " | " << number(median(part.wallNs) / 1000, 1) << " | "
              << number(median(part.bareWallNs) / 1000, 1) << " | "
              << number(median(part.cpuNs) / 1000, 1) << " | "
              << number(median(part.bareCpuNs) / 1000, 1) << " | "
              << (part.messages >= 0 ? QString::number(part.messages) : QString::fromUtf8("–"))
              << " |\n";
    }
    out().flush();
    return 0;
}
