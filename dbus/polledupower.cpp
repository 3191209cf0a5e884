#include "polledupower.h"

#include "upowertypes.h"
#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <malloc.h>
#include <utility>

namespace {

using namespace UPowerWire;

// So many signals between two refreshes make a storm.
constexpr int stormSignals = 1000;

// One property, asked of the daemon and waited for; invalid when it cannot
// be read.
QVariant readProperty(const QString &path, const QString &name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(service, path, DBusWire::propertiesInterface,
                                                      DBusWire::getMethod);
    get << QString(deviceInterface) << name;
    const QDBusMessage reply = QDBusConnection::systemBus().call(get);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariant();
    return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
}

// Reads the named properties into values, in that order.
void read(const QString &path, std::initializer_list<QLatin1String> names, QVariantMap &values)
{
    for (const QLatin1String name : names) {
        const QString property = name;
        values.insert(property, readProperty(path, property));
    }
}

// Reads what the charge is computed from, as it needs it: the state first,
// and the daemon's percentage only without a usable design energy.
void readCharge(const QString &path, QVariantMap &values)
{
    read(path, {stateProperty}, values);
    const DeviceProperties state(path, values);
    if (state.state() == FullyCharged || state.state() == Empty)
        return;
    read(path, {energyProperty, energyFullDesignProperty}, values);
    const std::optional<double> design =
            DeviceProperties(path, values).amount(energyFullDesignProperty);
    if (!design || *design <= 0)
        read(path, {percentageProperty}, values);
}

} // namespace

PolledUPower::PolledUPower(QObject *parent) : UPowerDevices(parent) { }

void PolledUPower::follow(const QString &path)
{
    QDBusConnection::systemBus().connect(service, path, deviceInterface, changedSignal, this,
                                         SLOT(changed(QDBusMessage)));
}

// Others may rely on the traffic of a run on this daemon: each read the
// monitor's rules need, in their order, and nothing more.
void PolledUPower::refresh()
{
    const QStringList listed = enumerateDevices();
    setListing(listed);
    for (const QString &path : listed) {
        const QVariantMap values = readForMonitor(path);
        const auto it = devices.find(path);
        if (it != devices.end())
            it->update(values);
        else
            devices.insert(path, DeviceProperties(path, values));
    }
    support = readSleepSupport();
    emit valuesOutdated();
}

QVariantMap PolledUPower::readForMonitor(const QString &path) const
{
    QVariantMap values;
    read(path, {typeProperty}, values);
    if (!DeviceProperties(path, values).isMachineBattery())
        return values;
    readCharge(path, values);
    // Read again for whether it discharges, as every run always has.
    read(path, {stateProperty}, values);
    return values;
}

// What the battery page has always read after a Changed, in its order: the
// charge, the time left, and the state for its icon.
QVariantMap PolledUPower::readForPage(const QString &path) const
{
    QVariantMap values;
    readCharge(path, values);
    read(path, {stateProperty}, values);
    if (DeviceProperties(path, values).state() == Discharging)
        read(path, {timeToEmptyProperty}, values);
    else
        read(path, {timeToFullProperty}, values);
    read(path, {stateProperty}, values);
    return values;
}

qlonglong PolledUPower::secondsToEmpty(const QString &path)
{
    const QString name = timeToEmptyProperty;
    return DeviceProperties(path, {{name, readProperty(path, name)}}).seconds(name);
}

void PolledUPower::followManager()
{
    readManager(lidIsPresentProperty, [this] {
        // Only a true boolean: a text such as "no" would read as true.
        const QVariant present = manager.value(lidIsPresentProperty);
        if (present.userType() != QMetaType::Bool || !present.toBool())
            return;
        QDBusConnection::systemBus().connect(service, UPowerWire::path, interface, changedSignal,
                                             this, SLOT(managerSaidChanged()));
        managerSaidChanged();
    });
}

// Changed signals that come while the lid is being read are answered by
// one more read once it is in, which sees the latest: a lid that flaps
// costs two reads, not one per signal.
void PolledUPower::managerSaidChanged()
{
    if (readingLid) {
        lidChangedMeanwhile = true;
        return;
    }
    readingLid = true;
    readManager(lidIsClosedProperty, [this] {
        readingLid = false;
        if (std::exchange(lidChangedMeanwhile, false))
            managerSaidChanged();
    });
}

// One of the daemon's own values, without waiting; told by managerChanged().
// then follows the answer, whatever it was.
void PolledUPower::readManager(const QString &name, const std::function<void()> &then)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
            service, UPowerWire::path, DBusWire::propertiesInterface, DBusWire::getMethod);
    get << QString(interface) << name;
    auto *call = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(get), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, name, then](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusMessage reply = call->reply();
                if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                    manager.insert(
                            name,
                            qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant());
                    emit managerChanged();
                }
                if (then)
                    then();
            });
}

// A burst of signals that queue up before the program gets to them costs
// one refresh per battery, not one each.
void PolledUPower::changed(const QDBusMessage &message)
{
    ++signalsSinceRefresh;
    if (changedPaths.isEmpty())
        QMetaObject::invokeMethod(this, &PolledUPower::refreshPages, Qt::QueuedConnection);
    changedPaths.insert(message.path());
    staleDetails.insert(message.path());
}

void PolledUPower::readDetails(const QString &path)
{
    if (staleDetails.remove(path))
        reread(path);
}

void PolledUPower::refreshPages()
{
    const QSet<QString> changedNow = std::exchange(changedPaths, {});
    for (const QString &path : paths()) {
        auto it = devices.find(path);
        // Only a battery has a page to show it.
        if (!changedNow.contains(path) || !it->isMachineBattery())
            continue;
        it->update(readForPage(path));
        emit deviceChanged(path);
    }
    // A storm of signals queued up while the program waited for the
    // daemon: their memory is free again, but the allocator keeps it for
    // the process unless asked to give it back.
    if (std::exchange(signalsSinceRefresh, 0) >= stormSignals)
        malloc_trim(0);
}
