#pragma once

#include <QObject>
#include <QString>

struct udev;
class QUdevMonitor;

// The screen's backlight as the kernel shows it in /sys/class/backlight,
// read through libudev. Of several devices the one desktops and logind
// prefer is taken: type "firmware" (ACPI), then "platform", then "raw" (the
// GPU's own), then any other; of one type the first by name. A device
// without a usable max_brightness (missing, not a number, 0 or less) is
// passed over.
//
// Its level is followed from udev's "change" events of that device (the
// kernel sends one for every new level, from whatever source) and the
// choice from devices that come and go; nothing is polled. The level is
// read from actual_brightness, which is what the panel shows, or from
// brightness where the driver has no actual_brightness.
//
// It only reads: a new level is set through logind (LogindSession), which
// lets the session in front do so without privileges.
class ScreenBacklight : public QObject
{
    Q_OBJECT

public:
    explicit ScreenBacklight(QObject *parent = nullptr);
    ~ScreenBacklight() override;

    // The kernel subsystem of the device, as logind's SetBrightness takes it.
    static QString subsystem();

    bool isAvailable() const { return m_maximum > 0; }
    // The device's name under the subsystem ("intel_backlight"); empty
    // while none is usable.
    QString name() const { return m_name; }
    QString type() const { return m_type; }
    // 0 while no device is usable.
    int maxBrightness() const { return m_maximum; }
    // The raw level 0..maxBrightness(); -1 while it cannot be read (no
    // device, or the driver gives something that is not a level).
    int brightness() const { return m_level; }

Q_SIGNALS:
    // Another device is used, or none, or its maximum changed: name(),
    // type() and maxBrightness() are new. brightnessChanged follows when
    // the level differs too.
    void deviceChanged();
    void brightnessChanged(int brightness);

private:
    void choose();
    void use(const QString &sysPath, const QString &name, const QString &type, int maximum);
    void refresh();
    void readLevel();
    void deviceEvent(const QString &sysPath, const QString &action);

    udev *m_udev = nullptr;
    QUdevMonitor *m_monitor = nullptr;
    QString m_sysPath;
    QString m_name;
    QString m_type;
    int m_maximum = 0;
    int m_level = -1;
};
