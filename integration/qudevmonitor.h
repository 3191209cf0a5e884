#pragma once

#include <QObject>
#include <QString>

struct udev;
struct udev_monitor;
class QSocketNotifier;

// udev's announcements of the devices of one subsystem ("backlight",
// "leds", ...): a device that comes, goes or changes (the kernel announces
// a backlight's new level as "change"). The monitor's socket wakes the
// event loop; nothing is polled. Events come after udev has handled them,
// as desktops take them.
class QUdevMonitor : public QObject
{
    Q_OBJECT

public:
    explicit QUdevMonitor(const QString &subsystem, QObject *parent = nullptr);
    ~QUdevMonitor() override;

    QString subsystem() const { return m_subsystem; }
    // Whether it listens: false when udev could not be reached (no netlink
    // socket, a sandbox), in which case no event ever comes.
    bool isListening() const { return m_notifier != nullptr; }

Q_SIGNALS:
    // sysPath is the device's folder under /sys/devices; action is
    // "change", "add", "remove", or another that udev names ("bind", ...).
    void deviceEvent(const QString &sysPath, const QString &action);

private:
    void readEvents();

    QString m_subsystem;
    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
