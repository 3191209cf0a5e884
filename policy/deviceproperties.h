#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

// What the program knows of one UPower device: the values the daemon last
// gave for it. They are read so that a value in another D-Bus type than
// UPower declares is converted where that is safe and otherwise reads as
// unknown, never as zero: an Energy of 0 means "empty", and "empty" means
// the critical action. Holding values, it never asks the daemon.
class DeviceProperties
{
public:
    explicit DeviceProperties(const QString &path = QString(), const QVariantMap &values = {});

    QString path() const { return devicePath; }
    QVariantMap values() const { return known; }

    // New values (a PropertiesChanged signal, or values read afresh) are
    // taken; invalidated ones are forgotten (they read as unknown until
    // announced again).
    void update(const QVariantMap &changed, const QStringList &invalidated = {});

    // The raw value; invalid when it is not known.
    QVariant value(const QString &name) const { return known.value(name); }

    // An amount (Energy, EnergyFullDesign, Percentage) from any numeric
    // D-Bus type; none when it is not a finite number of at least zero.
    std::optional<double> amount(const QString &name) const;
    // An enumeration (Type, State, Technology) from any integer type;
    // 0, "unknown", when it is none.
    uint enumeration(const QString &name) const;
    // Seconds (TimeToEmpty, TimeToFull) from any integer type; 0 otherwise.
    qlonglong seconds(const QString &name) const;
    // A text; empty when it is none.
    QString text(const QString &name) const;

    uint type() const;
    uint state() const;

    // Whether the device is one of the machine's own power sources, whose
    // charge decides for the machine: a UPS, or a battery that UPower says
    // supplies the machine. The batteries of a mouse, a keyboard or a
    // headset do not, and must never shut the laptop down. A PowerSupply
    // that is not known as a boolean counts as true, as it has for every
    // battery before UPower 0.99 told them apart (the older daemon is
    // never asked for it).
    // includeUps: whether a UPS counts (only those present at start do).
    bool isMachineBattery(bool includeUps = true) const;
    // Whether it is the battery of one of the machine's devices (a mouse, a
    // keyboard, a headset, a pen...): a device of a known type, neither line
    // power nor a UPS, that is not the machine's own.
    bool isDeviceBattery() const;

private:
    QString devicePath;
    QVariantMap known;
};
