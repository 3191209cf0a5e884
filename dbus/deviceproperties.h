#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

// The properties of one UPower device, read so that a value in another
// D-Bus type than UPower declares is converted where that is safe and
// otherwise reads as unknown, never as zero: an Energy of 0 means "empty",
// and "empty" means the critical action.
//
// Live properties ask the daemon at each read, as UPower before 0.99
// requires, whose devices only say that something changed. Kept
// properties hold what one GetAll and the PropertiesChanged signals after
// it said, as UPower 0.99 and later announce every change.
class DeviceProperties
{
public:
    // Live properties of the device at path, read on QtDBus's connection:
    // the one the device's signals come on, so that a read is answered
    // after every signal the daemon sent before it, and a burst of signals
    // that queues up while the program reads costs one more refresh.
    explicit DeviceProperties(const QString &path = QString());
    // Live properties read on the program's own connection (DirectSystemBus),
    // for the monitor's polling: a read costs half, in no order with the
    // signals.
    static DeviceProperties polled(const QString &path);
    // Kept properties, starting from values (a GetAll reply).
    DeviceProperties(const QString &path, const QVariantMap &values);

    QString path() const { return devicePath; }
    bool isLive() const { return live; }

    // A PropertiesChanged signal: changed values are taken, invalidated
    // ones are forgotten (they read as unknown until announced again).
    void update(const QVariantMap &changed, const QStringList &invalidated);

    // The raw value; invalid when it cannot be read.
    QVariant value(const QString &name) const;

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
    // that cannot be read counts as true, as it has for every battery
    // before UPower 0.99 told them apart; live properties never read it,
    // so that the older daemon's traffic stays as it is.
    // includeUps: whether a UPS counts (only those present at start do).
    bool isMachineBattery(bool includeUps = true) const;

private:
    QString devicePath;
    bool live;
    bool polledRead = false;
    QVariantMap values;
};
