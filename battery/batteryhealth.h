#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>

class DeviceProperties;

// What the daemon knows of a battery's wear and present draw, as lines of
// the battery page's information: each is a label with %1 (markup of the
// program's own) and a plain-text value for it, which the page escapes.
// A line whose value is unknown or no number is left out, never shown as 0.
class BatteryHealth
{
    Q_DECLARE_TR_FUNCTIONS(BatteryHealth)

public:
    struct Line
    {
        QString label;
        QString value;
    };

    // Capacity, charge cycles and energy rate, in that order, where known.
    static QList<Line> lines(const DeviceProperties &device);

private:
    static std::optional<Line> capacity(const DeviceProperties &device);
    static std::optional<Line> chargeCycles(const DeviceProperties &device);
    static std::optional<Line> energyRate(const DeviceProperties &device);
};
