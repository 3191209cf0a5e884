#include "qudevmonitor.h"

#include <QDebug>
#include <QFile>
#include <QSocketNotifier>
#include <libudev.h>

QUdevMonitor::QUdevMonitor(const QString &subsystem, QObject *parent)
    : QObject(parent), m_subsystem(subsystem)
{
    m_udev = udev_new();
    if (m_udev)
        m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    // The filter runs in the kernel: events of other subsystems never wake
    // the program.
    if (!m_monitor
        || udev_monitor_filter_add_match_subsystem_devtype(m_monitor,
                                                           subsystem.toUtf8().constData(), nullptr)
                < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qWarning().noquote() << "Cannot follow the devices of" << subsystem
                             << "through udev: their changes are not seen";
        return;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QUdevMonitor::readEvents);
}

QUdevMonitor::~QUdevMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

void QUdevMonitor::readEvents()
{
    // The socket does not block: read until it is empty, so that a burst
    // costs one wake-up.
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const char *subsystem = udev_device_get_subsystem(device);
        const char *sysPath = udev_device_get_syspath(device);
        const char *action = udev_device_get_action(device);
        // Checked again: the kernel's filter compares hashes only.
        if (sysPath && action && subsystem && m_subsystem == QLatin1String(subsystem)) {
            Q_EMIT deviceEvent(QFile::decodeName(sysPath), QString::fromLatin1(action));
        }
        udev_device_unref(device);
    }
}
