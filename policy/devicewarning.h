#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QStringList>

class DeviceProperties;

// Warns once when the battery of one of the machine's devices (a mouse, a
// keyboard...) runs low: its charge falls to 10 %, or the device or UPower
// says its level is low or critical. Charging, or rising above that, ends
// the episode; the next time it runs low it warns again. The devices that
// run low on one check are told in one message, however many they are.
class DeviceWarning
{
    Q_DECLARE_TR_FUNCTIONS(DeviceWarning)

public:
    static constexpr int lowPercent = 10;
    // A message names so many devices; more are counted.
    static constexpr int namedDevices = 3;

    // Whether the device is to be warned of now: it has just run low, and
    // enabled (its "Warn when low" setting) says to warn.
    bool observe(const DeviceProperties &device, bool enabled);
    // Devices that are gone take their episodes with them.
    void keepOnly(const QStringList &paths);

    // The one message for the devices that ran low on one check.
    static QString message(const QList<DeviceProperties> &devices);

private:
    QSet<QString> warned;
};
