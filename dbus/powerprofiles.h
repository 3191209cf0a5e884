#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class PowerProfilesPrivate;

// The program's view of power-profiles-daemon on the system bus: the
// profiles it offers, the active one and why performance is limited.
// The daemon is followed through its bus name, so one that starts or stops
// later is seen; while there is none, nothing is asked and nothing polled.
// Everything is read asynchronously: once when the daemon appears, then
// from its PropertiesChanged signals.
class PowerProfiles : public QObject
{
    Q_OBJECT

public:
    // More would be a daemon gone wrong, not a choice to offer.
    static constexpr int maxProfiles = 32;

    explicit PowerProfiles(QObject *parent = nullptr);
    ~PowerProfiles() override;

    bool isAvailable() const;
    // In the daemon's order, without empty names or duplicates.
    QStringList profiles() const;
    // Empty when the daemon names none of profiles().
    QString activeProfile() const;
    // The daemon's reason, e.g. "lap-detected"; empty while not limited.
    QString performanceDegraded() const;

    // Asks the daemon to switch. The local state changes only when the
    // daemon announces the switch; a failure is reported by refused().
    void setActiveProfile(const QString &profile);

    // Holds a profile for as long as the program wants it: the daemon keeps
    // it active over other choices until releaseProfile(), until someone
    // chooses a profile (which ends the hold for good), or until the
    // program leaves the bus. One hold at a time, asked for only while the
    // daemon offers the profile, and asked for again of a daemon that
    // restarts meanwhile. A refusal is reported by refused() and ends it.
    void holdProfile(const QString &profile, const QString &reason, const QString &applicationId);
    void releaseProfile();

Q_SIGNALS:
    // Anything above changed, availability included.
    void changed();
    // The daemon did not switch to profile; reason is one short line.
    void refused(const QString &profile, const QString &reason);

private:
    friend class PowerProfilesPrivate;
    std::unique_ptr<PowerProfilesPrivate> d;
};
