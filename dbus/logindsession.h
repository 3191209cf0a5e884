#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

// The program's own session in logind: it sets a backlight's level (the
// screen's "backlight" device or a "leds" one), which logind allows the
// session in front without privileges, and locks the session.
//
// Nothing waits for logind. Levels asked for while one is on its way to a
// device are merged: only the last is sent, once logind has answered, so
// that a held key costs a few calls, not one per repeat. A refusal
// (the session is not in front, the device belongs to another seat, no
// logind runs, as on the older stack, or any other error) is reported once
// per request sent, and what was merged behind it is dropped rather than
// tried again.
class LogindSession : public QObject
{
    Q_OBJECT

public:
    explicit LogindSession(QObject *parent = nullptr);
    ~LogindSession() override;

    // Whether logind runs, so that asking it makes sense (there is none on
    // the older stack). Found out without waiting: false until it is.
    bool isAvailable() const { return m_available; }
    // Whether isAvailable() has been found out: until then neither answer
    // holds.
    bool isAvailabilityKnown() const { return m_known; }

    // subsystem: "backlight" or "leds"; name: the device's name there
    // (ScreenBacklight::name()); brightness: a raw level 0..max_brightness.
    void setBrightness(const QString &subsystem, const QString &name, uint brightness);
    // Asks logind to lock the session: its screen locker is told to.
    void lock();

Q_SIGNALS:
    void availabilityChanged(bool available);
    // Once, when isAvailable() is first found out, whichever the answer.
    void availabilityKnown(bool available);
    // logind took a level: the device's own change follows (for a screen,
    // udev's event).
    void brightnessSet(const QString &subsystem, const QString &name, uint brightness);
    // reason: one short line for the person, logind's own words where it
    // gave some.
    void brightnessRefused(const QString &reason);
    void lockRefused(const QString &reason);

private:
    struct Device
    {
        bool sending = false;
        bool waiting = false;
        uint brightness = 0;
    };

    void setAvailable(bool available);
    void send(const QString &subsystem, const QString &name, uint brightness);
    void brightnessAnswered(QDBusPendingCallWatcher *call, const QString &subsystem,
                            const QString &name, uint brightness);

    QHash<QString, Device> m_devices; // by subsystem and name
    bool m_available = false;
    bool m_known = false;
};
