#pragma once

#include "mockservice.h"

#include <memory>

// What a desktop offers a tray application on the session bus: a
// StatusNotifierWatcher (so Qt shows tray icons as StatusNotifierItems) and
// a notification daemon (which receives tray messages as Notify calls).
// Start them before the first tray icon of the process is made.
class DesktopMocks
{
public:
    struct Notification
    {
        QString summary;
        QString body;
        QString icon;
        int timeout = 0;
    };

    bool start();
    QList<Notification> notifications() const;
    void clearNotifications() const;

private:
    std::unique_ptr<MockService> watcher;
    std::unique_ptr<MockService> notifier;
};
