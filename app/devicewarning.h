#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QStringList>
#include <optional>

class DeviceProperties;

// Warns once when the battery of one of the machine's devices (a mouse, a
// keyboard...) runs low: its charge falls to 10 %, or the device or UPower
// says its level is low or critical. Charging, or rising above that, ends
// the episode; the next time it runs low it warns again.
class DeviceWarning
{
    Q_DECLARE_TR_FUNCTIONS(DeviceWarning)

public:
    static constexpr int lowPercent = 10;

    // The warning to show now, if any; enabled: the device's "Warn when
    // low" setting.
    std::optional<QString> observe(const DeviceProperties &device, bool enabled);
    // Devices that are gone take their episodes with them.
    void keepOnly(const QStringList &paths);

private:
    QSet<QString> warned;
};
