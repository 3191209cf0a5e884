#include "upowermock.h"

#include <QDBusObjectPath>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

// The description of the stand-in's devices the Python harness reads too:
// the UPower enum values, the D-Bus type of each property and the defaults.
static const QJsonObject &description()
{
    static const QJsonObject object = [] {
        QFile file(QStringLiteral(WEX_UPOWER_MOCK_DESCRIPTION));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", WEX_UPOWER_MOCK_DESCRIPTION);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        if (!document.isObject())
            qFatal("%s: %s", WEX_UPOWER_MOCK_DESCRIPTION, qPrintable(error.errorString()));
        return document.object();
    }();
    return object;
}

// Adds the fields as the variants of their D-Bus types; "{name}" in a text
// stands for name.
static void addTyped(QVariantMap *properties, const QJsonObject &fields,
                     const QString &name = QString())
{
    const QJsonObject signatures = description()[QLatin1String("signatures")].toObject();
    for (auto field = fields.begin(); field != fields.end(); ++field) {
        const QString signature = signatures[field.key()].toString();
        const QJsonValue value = field.value();
        QVariant typed;
        if (signature == QLatin1String("u"))
            typed = uint(value.toDouble());
        else if (signature == QLatin1String("d"))
            typed = value.toDouble();
        else if (signature == QLatin1String("x"))
            typed = qlonglong(value.toDouble());
        else if (signature == QLatin1String("b"))
            typed = value.toBool();
        else if (signature == QLatin1String("s"))
            typed = value.toString().replace(QLatin1String("{name}"), name);
        else
            qFatal("no D-Bus type for %s in %s", qPrintable(field.key()),
                   WEX_UPOWER_MOCK_DESCRIPTION);
        properties->insert(field.key(), typed);
    }
}

QString UPowerMock::devicePath(const QString &name)
{
    return QStringLiteral("/org/freedesktop/UPower/devices/") + name;
}

QVariantMap UPowerMock::battery(const QString &model, double energy, double energyFullDesign,
                                uint state, uint type)
{
    const QJsonObject &mock = description();
    QVariantMap properties;
    addTyped(&properties, mock[QLatin1String("battery")].toObject(), model);
    addTyped(&properties, mock[QLatin1String("c++")][QLatin1String("battery")].toObject(), model);
    addTyped(&properties,
             {{QStringLiteral("Type"), double(type)},
              {QStringLiteral("State"), double(state)},
              {QStringLiteral("Energy"), energy},
              {QStringLiteral("EnergyFull"), energyFullDesign},
              {QStringLiteral("EnergyFullDesign"), energyFullDesign},
              {QStringLiteral("Percentage"),
               energyFullDesign > 0 ? energy * 100.0 / energyFullDesign : 0.0}});
    return properties;
}

QVariantMap UPowerMock::linePower(bool online)
{
    const QJsonObject &mock = description();
    QVariantMap properties;
    addTyped(&properties,
             {{QStringLiteral("Type"),
               mock[QLatin1String("deviceTypes")][QLatin1String("line power")]},
              {QStringLiteral("Online"), online}});
    addTyped(&properties, mock[QLatin1String("c++")][QLatin1String("linePower")].toObject());
    return properties;
}

UPowerMock::UPowerMock(const QVariantMap &parameters, QObject *parent)
    : MockService(QStringLiteral("org.freedesktop.UPower"),
                  QStringLiteral("/org/freedesktop/UPower"), QStringLiteral("upower_old.py"),
                  parameters, SystemBus, parent)
{
}

QString UPowerMock::addDevice(const QString &name, const QVariantMap &properties)
{
    const QString path = devicePath(name);
    mock(QStringLiteral("AddDevice"), {path, properties});
    return path;
}

void UPowerMock::emitDeviceAdded(const QString &path)
{
    mock(QStringLiteral("EmitDeviceAdded"), {path});
}

void UPowerMock::removeDevice(const QString &path)
{
    mock(QStringLiteral("RemoveDevice"), {path});
}

void UPowerMock::changeDevice(const QString &path, const QVariantMap &properties)
{
    mock(QStringLiteral("ChangeDevice"), {path, properties});
}

void UPowerMock::setDeviceProperties(const QString &path, const QVariantMap &properties)
{
    mock(QStringLiteral("SetDeviceProperties"), {path, properties});
}

void UPowerMock::setEnumeration(const QStringList &paths)
{
    mock(QStringLiteral("SetEnumeration"), {paths});
}

void UPowerMock::setEnumerateFails(bool fails)
{
    mock(QStringLiteral("SetEnumerateFails"), {fails});
}

void UPowerMock::setSleepDelay(double seconds)
{
    mock(QStringLiteral("SetSleepDelay"), {seconds});
}

void UPowerMock::setCanSleep(bool canHibernate, bool canSuspend)
{
    mock(QStringLiteral("UpdateProperties"),
         {QStringLiteral("org.freedesktop.UPower"),
          QVariantMap{{QStringLiteral("CanHibernate"), canHibernate},
                      {QStringLiteral("CanSuspend"), canSuspend}}});
}
