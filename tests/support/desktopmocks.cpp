#include "desktopmocks.h"

bool DesktopMocks::start()
{
    watcher = std::make_unique<MockService>(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                            QStringLiteral("/StatusNotifierWatcher"),
                                            QStringLiteral("statusnotifierwatcher.py"),
                                            QVariantMap(), MockService::SessionBus);
    notifier = std::make_unique<MockService>(QStringLiteral("org.freedesktop.Notifications"),
                                             QStringLiteral("/org/freedesktop/Notifications"),
                                             QStringLiteral("notification_daemon"), QVariantMap(),
                                             MockService::SessionBus);
    return watcher->start() && notifier->start();
}

QList<DesktopMocks::Notification> DesktopMocks::notifications() const
{
    // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, timeout)
    QList<Notification> result;
    for (const QVariantList &args : notifier->methodCalls(QStringLiteral("Notify"))) {
        if (args.size() < 8)
            continue;
        result.append({args.at(3).toString(), args.at(4).toString(), args.at(2).toString(),
                       args.at(7).toInt()});
    }
    return result;
}

void DesktopMocks::clearNotifications() const
{
    notifier->clearCalls();
}
