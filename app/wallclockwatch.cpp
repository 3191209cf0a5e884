#include "wallclockwatch.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// The time zone is the link /etc/localtime; tools replace the link rather
// than write through it, so its folder is watched for the name.
constexpr char zoneFolder[] = "/etc";
constexpr char zoneFile[] = "localtime";
// A wall-clock time the timer never reaches: the year 2096.
constexpr time_t neverSeconds = 4000000000;

} // namespace

WallClockWatch::WallClockWatch(QObject *parent) : QObject(parent)
{
    clockFd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (clockFd >= 0) {
        armClockTimer();
        clockNotifier = new QSocketNotifier(clockFd, QSocketNotifier::Read, this);
        connect(clockNotifier, &QSocketNotifier::activated, this, &WallClockWatch::clockSet);
    }
    zoneFd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (zoneFd >= 0
        && inotify_add_watch(zoneFd, zoneFolder, IN_CREATE | IN_MOVED_TO | IN_CLOSE_WRITE) >= 0) {
        zoneNotifier = new QSocketNotifier(zoneFd, QSocketNotifier::Read, this);
        connect(zoneNotifier, &QSocketNotifier::activated, this,
                &WallClockWatch::zoneFolderChanged);
    }
}

WallClockWatch::~WallClockWatch()
{
    delete clockNotifier;
    delete zoneNotifier;
    if (clockFd >= 0)
        close(clockFd);
    if (zoneFd >= 0)
        close(zoneFd);
}

// A timer on the wall clock that never expires, but is cancelled whenever
// the wall clock jumps, which wakes its reader.
void WallClockWatch::armClockTimer()
{
    itimerspec never{};
    never.it_value.tv_sec = neverSeconds;
    timerfd_settime(clockFd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr);
}

void WallClockWatch::clockSet()
{
    quint64 expirations = 0;
    const ssize_t got = read(clockFd, &expirations, sizeof expirations);
    if (got < 0 && errno != ECANCELED)
        return;
    armClockTimer();
    emit jumped();
}

void WallClockWatch::zoneFolderChanged()
{
    alignas(inotify_event) char buffer[4096];
    bool zoneChanged = false;
    ssize_t got;
    while ((got = read(zoneFd, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < got;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            zoneChanged = zoneChanged || (event->len && std::strcmp(event->name, zoneFile) == 0);
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    if (zoneChanged)
        emit jumped();
}
