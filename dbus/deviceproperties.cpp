#include "deviceproperties.h"

#include "directsystembus.h"
#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <cmath>

namespace {

QVariant readFromDaemon(const QString &path, const QString &name, bool polled)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
            UPowerWire::service, path, DBusWire::propertiesInterface, QStringLiteral("Get"));
    get << QString(UPowerWire::deviceInterface) << name;
    const QDBusMessage reply =
            polled ? DirectSystemBus::call(get) : QDBusConnection::systemBus().call(get);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariant();
    return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
}

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

DeviceProperties::DeviceProperties(const QString &path) : devicePath(path), live(true) { }

DeviceProperties DeviceProperties::polled(const QString &path)
{
    DeviceProperties device(path);
    device.polledRead = true;
    return device;
}

DeviceProperties::DeviceProperties(const QString &path, const QVariantMap &values)
    : devicePath(path), live(false), values(values)
{
}

void DeviceProperties::update(const QVariantMap &changed, const QStringList &invalidated)
{
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        values.insert(it.key(), it.value());
    for (const QString &name : invalidated)
        values.remove(name);
}

QVariant DeviceProperties::value(const QString &name) const
{
    return live ? readFromDaemon(devicePath, name, polledRead) : values.value(name);
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
    return enumeration(QStringLiteral("Type"));
}

uint DeviceProperties::state() const
{
    return enumeration(QStringLiteral("State"));
}

bool DeviceProperties::isMachineBattery(bool includeUps) const
{
    const uint kind = type();
    if (kind == UPowerWire::Ups)
        return includeUps;
    if (kind != UPowerWire::Battery)
        return false;
    if (live)
        return true;
    const QVariant supply = values.value(QStringLiteral("PowerSupply"));
    return supply.userType() != QMetaType::Bool || supply.toBool();
}
