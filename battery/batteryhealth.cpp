#include "batteryhealth.h"

#include "deviceproperties.h"
#include "wirenames.h"

#include <QLocale>

static QString oneDecimal(double x)
{
    return QLocale().toString(x, 'f', 1);
}

QList<BatteryHealth::Line> BatteryHealth::lines(const DeviceProperties &device)
{
    QList<Line> result;
    for (const std::optional<Line> &line :
         {capacity(device), chargeCycles(device), energyRate(device)}) {
        if (line)
            result.append(*line);
    }
    return result;
}

std::optional<BatteryHealth::Line> BatteryHealth::capacity(const DeviceProperties &device)
{
    const QString label = tr("<b>Capacity:</b> %1");
    const std::optional<double> full = device.amount(UPowerWire::energyFullProperty);
    const std::optional<double> design = device.amount(UPowerWire::energyFullDesignProperty);
    // 0 Wh is how the daemon says it does not know.
    if (full && design && *full > 0 && *design > 0) {
        const QString percent = QLocale().toString(qRound(*full * 100 / *design));
        return Line{label,
                    tr("%1\u00a0% (%2 of %3\u00a0Wh)")
                            .arg(percent, oneDecimal(*full), oneDecimal(*design))};
    }
    const std::optional<double> capacity = device.amount(UPowerWire::capacityProperty);
    if (capacity && *capacity > 0)
        return Line{label, tr("%1\u00a0%").arg(QLocale().toString(qRound(*capacity)))};
    return std::nullopt;
}

std::optional<BatteryHealth::Line> BatteryHealth::chargeCycles(const DeviceProperties &device)
{
    // Any integer type, but no text or fraction; UPower says -1 when the
    // battery does not count them.
    const QVariant v = device.value(UPowerWire::chargeCyclesProperty);
    switch (v.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UChar:
        break;
    default:
        return std::nullopt;
    }
    if (v.userType() != QMetaType::ULongLong && v.toLongLong() < 0)
        return std::nullopt;
    return Line{tr("<b>Charge cycles:</b> %1"), QLocale().toString(v.toULongLong())};
}

std::optional<BatteryHealth::Line> BatteryHealth::energyRate(const DeviceProperties &device)
{
    const uint state = device.state();
    if (state != UPowerWire::Charging && state != UPowerWire::Discharging)
        return std::nullopt;
    const std::optional<double> rate = device.amount(UPowerWire::energyRateProperty);
    // A battery that (dis)charges at 0 W is one whose rate the daemon lacks.
    if (!rate || *rate <= 0)
        return std::nullopt;
    return Line{tr("<b>Energy rate:</b> %1"), tr("%1\u00a0W").arg(oneDecimal(*rate))};
}
