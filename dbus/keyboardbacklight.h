#pragma once

#include <QObject>
#include <QString>

class QDBusMessage;
class QDBusPendingCallWatcher;

// The keyboard's light as UPower offers it (its KbdBacklight object, which
// the daemon makes from the first /sys/class/leds/*kbd_backlight* device).
//
// Everything is asked without waiting: the maximum, then the level, once
// when the daemon is found and again whenever it restarts (followed through
// its bus name). Later levels come from the daemon's BrightnessChanged
// signals. A daemon without the object, or with a maximum of 0, has no
// light to show: that is no error, and nothing more is asked of it until
// it restarts.
class KeyboardBacklight : public QObject
{
    Q_OBJECT

public:
    enum class Presence {
        Asking, // the daemon's answer has not come yet
        Absent, // no daemon, or no light
        Present,
    };
    Q_ENUM(Presence)

    explicit KeyboardBacklight(QObject *parent = nullptr);
    ~KeyboardBacklight() override;

    Presence presence() const { return m_presence; }
    bool isAvailable() const { return m_presence == Presence::Present; }
    // 0 unless present.
    int maxBrightness() const { return m_maximum; }
    // 0..maxBrightness(); -1 unless present.
    int brightness() const { return m_level; }

    // Asks the daemon for a level, held to 0..maxBrightness(); nothing
    // while the light is not present. Levels asked for while one is on its
    // way are merged: only the last is sent. A refusal is told by refused()
    // and what was merged behind it is dropped.
    void setBrightness(int level);

Q_SIGNALS:
    // presence() changed, and with it maxBrightness().
    void presenceChanged();
    void brightnessChanged(int brightness);
    // The daemon did not set the level; reason is one short line.
    void refused(const QString &reason);

private Q_SLOTS:
    void levelAnnounced(const QDBusMessage &message);

private:
    void ask();
    void maximumAnswered(QDBusPendingCallWatcher *call, quint64 asked);
    void levelAnswered(QDBusPendingCallWatcher *call, quint64 asked, const QString &owner,
                       int maximum);
    void setAnswered(QDBusPendingCallWatcher *call, int level, quint64 asked);
    void ownerChanged(const QString &newOwner);
    void send(int level);
    void become(Presence presence, int maximum, int level);
    void takeLevel(int level);

    Presence m_presence = Presence::Asking;
    int m_maximum = 0;
    int m_level = -1;
    // The daemon answering, by its unique name: only its signals count.
    QString m_owner;
    // Answers to questions put to an earlier daemon are dropped.
    quint64 m_generation = 0;
    bool m_sending = false;
    int m_waitingLevel = -1;
};
