#include "deviceproperties.h"

#include "wirenames.h"

#include <cmath>

namespace {

bool isInteger(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

} // namespace

DeviceProperties::DeviceProperties(const QString &path, const QVariantMap &values)
    : devicePath(path), known(values)
{
}

void DeviceProperties::update(const QVariantMap &changed, const QStringList &invalidated)
{
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        known.insert(it.key(), it.value());
    for (const QString &name : invalidated)
        known.remove(name);
}

std::optional<double> DeviceProperties::amount(const QString &name) const
{
    const QVariant v = value(name);
    if (!isInteger(v) && v.userType() != QMetaType::Double)
        return std::nullopt;
    const double x = v.toDouble();
    if (!std::isfinite(x) || x < 0)
        return std::nullopt;
    return x;
}

uint DeviceProperties::enumeration(const QString &name) const
{
    const QVariant v = value(name);
    if (!isInteger(v))
        return 0;
    const qulonglong n = v.toULongLong();
    // Negative or huge numbers name no value UPower defines.
    return v.toLongLong() < 0 || n > 0xffffffffu ? 0 : uint(n);
}

qlonglong DeviceProperties::seconds(const QString &name) const
{
    const QVariant v = value(name);
    return isInteger(v) ? v.toLongLong() : 0;
}

QString DeviceProperties::text(const QString &name) const
{
    const QVariant v = value(name);
    return v.userType() == QMetaType::QString ? v.toString() : QString();
}

uint DeviceProperties::type() const
{
    return enumeration(UPowerWire::typeProperty);
}

uint DeviceProperties::state() const
{
    return enumeration(UPowerWire::stateProperty);
}

bool DeviceProperties::isMachineBattery(bool includeUps) const
{
    const uint kind = type();
    if (kind == UPowerWire::Ups)
        return includeUps;
    if (kind != UPowerWire::Battery)
        return false;
    const QVariant supply = value(UPowerWire::powerSupplyProperty);
    return supply.userType() != QMetaType::Bool || supply.toBool();
}

bool DeviceProperties::isDeviceBattery() const
{
    const uint kind = type();
    return kind != 0 && kind != UPowerWire::LinePower && kind != UPowerWire::Ups
            && !isMachineBattery();
}
