// Starts on whatever platform Qt is given, asks every part of the display
// server what it can do, uses each once, and prints what it found, one
// "part: answer" line each.
#include "displayserver.h"
#include "globalkeys.h"
#include "idlewatch.h"
#include "monitors.h"
#include "screenpower.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {
QString answer(bool available, const QString &reason)
{
    return available ? QStringLiteral("available") : reason;
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    DisplayServer server;
    QTextStream out(stdout);
    const char *kinds[] = {"X11", "Wayland", "Other"};
    out << "kind: " << kinds[server.kind()] << '\n';

    IdleWatch *idle = server.idleWatch();
    out << "idle: " << answer(idle->isAvailable(), idle->unavailableReason()) << '\n';
    out << "idle timeout: " << (idle->addIdleTimeout(1000) > 0 ? "added" : "refused") << '\n';
    idle->catchNextResumeEvent();
    idle->removeAllIdleTimeouts();

    GlobalKeys *keys = server.globalKeys();
    out << "keys: " << answer(keys->isAvailable(), keys->unavailableReason()) << '\n';
    out << "grab: " << (keys->grab(GlobalKeys::PowerOff) ? "held" : "not held") << '\n';

    ScreenPower *screen = server.screenPower();
    out << "screen: " << answer(screen->isAvailable(), screen->unavailableReason()) << '\n';
    out << "turn off: " << (screen->turnOff() ? "done" : "refused") << '\n';

    out << "monitors: " << server.monitors()->count() << '\n';
    return 0;
}
