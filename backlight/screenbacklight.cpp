#include "screenbacklight.h"

#include "qudevmonitor.h"

#include <QFile>
#include <QVector>
#include <algorithm>
#include <climits>
#include <libudev.h>

namespace {

const char backlightSubsystem[] = "backlight";

// The order in which desktops and logind take the kinds of backlight: the
// firmware's knows the panel best, the GPU's raw register least.
int typeRank(const QString &type)
{
    static const char *const preferred[] = {"firmware", "platform", "raw"};
    for (int rank = 0; rank < 3; ++rank) {
        if (type == QLatin1String(preferred[rank]))
            return rank;
    }
    return 3;
}

// An attribute as a number 0..limit; -1 for anything else. A freshly made
// device is read each time: libudev keeps what it read once.
int readNumber(udev_device *device, const char *attribute, int limit)
{
    const char *value = udev_device_get_sysattr_value(device, attribute);
    if (!value)
        return -1;
    bool ok = false;
    const int number = QByteArray(value).trimmed().toInt(&ok);
    return ok && number >= 0 && number <= limit ? number : -1;
}

QString readText(udev_device *device, const char *attribute)
{
    const char *value = udev_device_get_sysattr_value(device, attribute);
    return value ? QString::fromUtf8(value).trimmed() : QString();
}

struct Candidate
{
    QString sysPath;
    QString name;
    QString type;
    int maximum;
};

} // namespace

ScreenBacklight::ScreenBacklight(QObject *parent) : QObject(parent), m_udev(udev_new())
{
    // Listening first, so that no device comes between the look and the
    // events.
    m_monitor = new QUdevMonitor(subsystem(), this);
    connect(m_monitor, &QUdevMonitor::deviceEvent, this, &ScreenBacklight::deviceEvent);
    choose();
}

ScreenBacklight::~ScreenBacklight()
{
    if (m_udev)
        udev_unref(m_udev);
}

QString ScreenBacklight::subsystem()
{
    return QString::fromLatin1(backlightSubsystem);
}

void ScreenBacklight::choose()
{
    QVector<Candidate> candidates;
    udev_enumerate *enumerate = m_udev ? udev_enumerate_new(m_udev) : nullptr;
    if (enumerate && udev_enumerate_add_match_subsystem(enumerate, backlightSubsystem) >= 0
        && udev_enumerate_scan_devices(enumerate) >= 0) {
        udev_list_entry *entry;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
        {
            udev_device *device =
                    udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
            if (!device)
                continue; // gone meanwhile
            const int maximum = readNumber(device, "max_brightness", INT_MAX);
            if (maximum > 0) {
                candidates.append({QFile::decodeName(udev_device_get_syspath(device)),
                                   QFile::decodeName(udev_device_get_sysname(device)),
                                   readText(device, "type"), maximum});
            }
            udev_device_unref(device);
        }
    }
    if (enumerate)
        udev_enumerate_unref(enumerate);

    const auto best = std::min_element(candidates.cbegin(), candidates.cend(),
                                       [](const Candidate &a, const Candidate &b) {
                                           const int rankA = typeRank(a.type);
                                           const int rankB = typeRank(b.type);
                                           return rankA != rankB ? rankA < rankB : a.name < b.name;
                                       });
    if (best == candidates.cend())
        use(QString(), QString(), QString(), 0);
    else
        use(best->sysPath, best->name, best->type, best->maximum);
}

void ScreenBacklight::use(const QString &sysPath, const QString &name, const QString &type,
                          int maximum)
{
    const bool changed = sysPath != m_sysPath || type != m_type || maximum != m_maximum;
    m_sysPath = sysPath;
    m_name = name;
    m_type = type;
    m_maximum = maximum;
    if (changed)
        Q_EMIT deviceChanged();
    readLevel();
}

// The device used said it changed: mostly its level, but it may have gone
// (it is looked at after the event) or changed its range.
void ScreenBacklight::refresh()
{
    udev_device *device = udev_device_new_from_syspath(m_udev, QFile::encodeName(m_sysPath));
    const int maximum = device ? readNumber(device, "max_brightness", INT_MAX) : -1;
    if (device)
        udev_device_unref(device);
    if (maximum != m_maximum)
        choose();
    else
        readLevel();
}

void ScreenBacklight::readLevel()
{
    int level = -1;
    udev_device *device = m_sysPath.isEmpty()
            ? nullptr
            : udev_device_new_from_syspath(m_udev, QFile::encodeName(m_sysPath));
    if (device) {
        const bool hasActual = udev_device_get_sysattr_value(device, "actual_brightness");
        level = readNumber(device, hasActual ? "actual_brightness" : "brightness", m_maximum);
        udev_device_unref(device);
    }
    if (level == m_level)
        return;
    m_level = level;
    Q_EMIT brightnessChanged(level);
}

void ScreenBacklight::deviceEvent(const QString &sysPath, const QString &action)
{
    if (action == QLatin1String("change")) {
        // Another device's level is not shown; one may become usable.
        if (sysPath == m_sysPath)
            refresh();
        else if (!isAvailable())
            choose();
        return;
    }
    // A device came or went, or was bound to another driver: the best one
    // may be another now.
    choose();
}
