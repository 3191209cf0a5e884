// Start-up time up to the main window being mapped on the X server, for
// wex-power (two batteries on the mocked UPower) and for the smallest Qt
// window program, started alternately in the same way.
//
// The clock starts right before fork() and exec() of the program and stops
// when the X server's MapNotify for the program's top-level window arrives.
// This process selects SubstructureNotify on the root window, so the server
// sends it the MapNotify of every child of the root as it maps it; without
// a window manager nothing redirects the map, so the event is generated
// when the program's MapWindow request is processed. The event is read as
// soon as poll() wakes on the connection: the resolution is that of
// CLOCK_MONOTONIC plus one wake-up, some microseconds. The window is
// matched to the program by its _NET_WM_PID, which Qt sets before mapping.
// Each start is ended (SIGTERM, then waited for) before the next, as the
// program is single-instance and would otherwise hand over to the one
// running.
//
// Run it under tests/harness/run-with-buses --xvfb.

#include "upowermock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

struct Program
{
    QString name;
    QByteArray path;
    QVector<double> startMs;
    QString windowTitle;
};

class MapWatcher
{
public:
    bool open()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            return false;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_void_cookie_t cookie = xcb_change_window_attributes_checked(m_connection, m_root,
                                                                        XCB_CW_EVENT_MASK, &mask);
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
            free(error);
            return false;
        }
        m_pidAtom = atom("_NET_WM_PID");
        m_nameAtom = atom("_NET_WM_NAME");
        m_utf8Atom = atom("UTF8_STRING");
        return true;
    }

    ~MapWatcher()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
    }

    void drain()
    {
        xcb_flush(m_connection);
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            free(event);
    }

    // Waits for the first top-level window of pid to be mapped; answers the
    // CLOCK_MONOTONIC time in ms when its MapNotify was read, or -1.
    double waitForMap(pid_t pid, double deadlineMs, xcb_window_t *window)
    {
        const int fd = xcb_get_file_descriptor(m_connection);
        for (;;) {
            const int left = int(deadlineMs - nowMs());
            if (left <= 0)
                return -1;
            pollfd pfd{fd, POLLIN, 0};
            const int ready = poll(&pfd, 1, qMin(left, 100));
            const double when = nowMs();
            if (ready < 0 && errno != EINTR)
                return -1;
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid)
                return -1; // it ended without a window
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                    const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                    if (!map->override_redirect && windowPid(map->window) == pid) {
                        *window = map->window;
                        free(event);
                        return when;
                    }
                }
                free(event);
            }
            if (xcb_connection_has_error(m_connection))
                return -1;
        }
    }

    QString title(xcb_window_t window)
    {
        const QByteArray bytes = property(window, m_nameAtom, m_utf8Atom);
        return QString::fromUtf8(bytes);
    }

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
                m_connection, xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name),
                nullptr);
        const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return result;
    }

    QByteArray property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
    {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, 0, window, name, type, 0, 1024),
                nullptr);
        QByteArray bytes;
        if (reply) {
            bytes = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
            free(reply);
        }
        return bytes;
    }

    pid_t windowPid(xcb_window_t window)
    {
        const QByteArray bytes = property(window, m_pidAtom, XCB_ATOM_CARDINAL);
        if (bytes.size() != 4)
            return -1;
        uint32_t pid = 0;
        memcpy(&pid, bytes.constData(), 4);
        return pid_t(pid);
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = 0, m_nameAtom = 0, m_utf8Atom = 0;
};

pid_t launch(const QByteArray &path, const QByteArray &log)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = ::open(log.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd >= 0) {
            dup2(fd, STDOUT_FILENO);
            dup2(fd, STDERR_FILENO);
            close(fd);
        }
        char *const argv[] = {const_cast<char *>(path.constData()), nullptr};
        execv(path.constData(), argv);
        _exit(127);
    }
    return pid;
}

void end(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 300; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return;
        QThread::msleep(10);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("WEX_TEST_HARNESS") || qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_startup: run me under tests/harness/run-with-buses --xvfb\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"),
                                        QStringLiteral("starts of each program"),
                                        QStringLiteral("n"), QStringLiteral("15"));
    const QCommandLineOption settleOption(QStringLiteral("settle-ms"),
                                          QStringLiteral("pause after ending a start"),
                                          QStringLiteral("ms"), QStringLiteral("300"));
    // Other builds of wex-power, started in the same rounds: side by side
    // in one run, whatever the machine is doing meanwhile.
    const QCommandLineOption programOption(QStringLiteral("program"),
                                           QStringLiteral("another wex-power to start too"),
                                           QStringLiteral("path"));
    parser.addOptions({runsOption, settleOption, programOption});
    parser.process(app);
    const int runs = qMax(1, parser.value(runsOption).toInt());
    const int settleMs = qMax(0, parser.value(settleOption).toInt());

    // Both programs draw on the X server; nothing may pick another platform.
    qputenv("QT_QPA_PLATFORM", "xcb");

    UPowerMock upower(
            {{QStringLiteral("CanHibernate"), true}, {QStringLiteral("CanSuspend"), true}});
    if (!upower.start())
        qFatal("the UPower stand-in did not start");
    upower.addDevice(QStringLiteral("BAT0"), UPowerMock::battery(QStringLiteral("A"), 30, 50, 1));
    upower.addDevice(QStringLiteral("BAT1"), UPowerMock::battery(QStringLiteral("B"), 40, 50, 2));

    MapWatcher watcher;
    if (!watcher.open())
        qFatal("cannot watch the X server's root window");

    QList<Program> programs{
            {QStringLiteral("wex-power"), QByteArrayLiteral(WEX_POWER_BINARY), {}, {}},
            {QStringLiteral("baseline Qt window"),
             QByteArrayLiteral(BENCH_BASELINE_PROGRAM),
             {},
             {}},
    };
    for (const QString &path : parser.values(programOption))
        programs.append({path, path.toLocal8Bit(), {}, {}});
    const QByteArray log = qgetenv("TMPDIR") + "/bench_startup.log";

    // One start of each that is not counted: the first start pays for
    // loading the libraries from disk.
    for (int round = -1; round < runs; ++round) {
        for (int k = 0; k < programs.size(); ++k) {
            // Alternate the order, so that neither always follows the other.
            Program &program = programs[(round + 2 + k) % programs.size()];
            watcher.drain();
            const double started = nowMs();
            const pid_t pid = launch(program.path, log);
            xcb_window_t window = 0;
            const double mapped = watcher.waitForMap(pid, started + 30000, &window);
            if (mapped < 0) {
                end(pid);
                qFatal("%s showed no window (see %s)", qPrintable(program.name), log.constData());
            }
            if (program.windowTitle.isEmpty())
                program.windowTitle = watcher.title(window);
            end(pid);
            if (round >= 0)
                program.startMs << mapped - started;
            watcher.drain();
            QThread::msleep(settleMs);
        }
    }

    QTextStream out(stdout);
    const double baseline = median(programs.at(1).startMs);
    out << "| program | window | starts | median | min | max | ratio to baseline |\n";
    out << "|---|---|---:|---:|---:|---:|---:|\n";
    for (const Program &program : qAsConst(programs)) {
        const auto [lo, hi] = std::minmax_element(program.startMs.cbegin(), program.startMs.cend());
        out << "| " << program.name << " | \"" << program.windowTitle << "\" | "
            << program.startMs.size() << " | " << QString::number(median(program.startMs), 'f', 1)
            << " ms | " << QString::number(*lo, 'f', 1) << " ms | " << QString::number(*hi, 'f', 1)
            << " ms | " << QString::number(median(program.startMs) / baseline, 'f', 2) << " |\n";
    }
    out << "\nEach start in ms, in order:\n\n";
    for (const Program &program : qAsConst(programs)) {
        QStringList values;
        for (double ms : program.startMs)
            values << QString::number(ms, 'f', 1);
        out << "- " << program.name << ": " << values.join(QStringLiteral(", ")) << "\n";
    }
    return 0;
}
