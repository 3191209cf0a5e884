#include "powerservices.h"

#include "announcedupower.h"
#include "foreigntext.h"
#include "polledupower.h"
#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QVersionNumber>
#include <utility>

PowerServices::PowerServices(QObject *parent) : QObject(parent)
{
    auto *watcher = new QDBusServiceWatcher(UPowerWire::service, QDBusConnection::systemBus(),
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &PowerServices::ownerChanged);
}

PowerServices::~PowerServices() = default;

// UPower 0.99 made PropertiesChanged the way every change is told; before
// it, devices only said "Changed" and had to be asked.
bool PowerServices::readAnnouncesChanges() const
{
    QDBusMessage get =
            QDBusMessage::createMethodCall(UPowerWire::service, UPowerWire::path,
                                           DBusWire::propertiesInterface, DBusWire::getMethod);
    get << QString(UPowerWire::interface) << QString(UPowerWire::daemonVersionProperty);
    // Asked when the program starts or the daemon restarts.
    const QDBusMessage reply = QDBusConnection::systemBus().call(get, QDBus::Block, answerCapMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    const QVariant version = qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
    if (version.userType() != QMetaType::QString)
        return false;
    return QVersionNumber::fromString(version.toString()) >= QVersionNumber(0, 99);
}

void PowerServices::load()
{
    delete generation;
    if (readAnnouncesChanges()) {
        generation = new AnnouncedUPower(this);
        followLogind();
    } else {
        generation = new PolledUPower(this);
    }
    connect(generation, &UPowerDevices::deviceAdded, this, &PowerServices::deviceAdded);
    connect(generation, &UPowerDevices::deviceChanged, this, &PowerServices::deviceChanged);
    connect(generation, &UPowerDevices::deviceRemoved, this, &PowerServices::deviceRemoved);
    connect(generation, &UPowerDevices::valuesOutdated, this, &PowerServices::valuesOutdated);
    connect(generation, &UPowerDevices::managerChanged, this, &PowerServices::managerChanged);
    generation->load();
    generation->followManager();
}

// On today's stack logind says when the machine wakes up.
void PowerServices::followLogind()
{
    if (std::exchange(followingLogind, true))
        return;
    QDBusConnection::systemBus().connect(
            LogindWire::service, LogindWire::path, LogindWire::managerInterface,
            LogindWire::prepareForSleepSignal, this, SLOT(prepareForSleep(bool)));
}

void PowerServices::prepareForSleep(bool starting)
{
    if (!starting)
        emit woke();
}

QStringList PowerServices::devices() const
{
    return generation ? generation->paths() : QStringList();
}

bool PowerServices::contains(const QString &path) const
{
    return generation && generation->contains(path);
}

DeviceProperties PowerServices::device(const QString &path) const
{
    return generation ? generation->device(path) : DeviceProperties(path);
}

void PowerServices::refresh()
{
    // A daemon may own its name before it lists its devices, so a new one
    // is looked at when the monitor next runs.
    if (std::exchange(restartPending, false)) {
        load();
        emit devicesReloaded();
    }
    if (generation)
        generation->refresh();
}

bool PowerServices::followsDeviceBatteries() const
{
    return generation && generation->followsDeviceBatteries();
}

QList<DeviceProperties> PowerServices::deviceBatteries() const
{
    QList<DeviceProperties> batteries;
    if (!followsDeviceBatteries())
        return batteries;
    for (const QString &path : generation->paths()) {
        const DeviceProperties device = generation->device(path);
        if (device.isDeviceBattery())
            batteries.append(device);
    }
    return batteries;
}

std::optional<bool> PowerServices::managerFlag(const QString &name) const
{
    const QVariant value = generation ? generation->managerValues().value(name) : QVariant();
    if (value.userType() != QMetaType::Bool)
        return std::nullopt;
    return value.toBool();
}

std::optional<bool> PowerServices::onBattery() const
{
    return managerFlag(UPowerWire::onBatteryProperty);
}

QList<DeviceProperties> PowerServices::linePowers() const
{
    QList<DeviceProperties> found;
    // Kept current where the devices' own batteries are.
    if (!followsDeviceBatteries())
        return found;
    for (const QString &path : generation->paths()) {
        const DeviceProperties device = generation->device(path);
        if (device.type() == UPowerWire::LinePower)
            found.append(device);
    }
    return found;
}

void PowerServices::enableChargeLimit(const QString &path, bool enabled)
{
    QDBusMessage call =
            QDBusMessage::createMethodCall(UPowerWire::service, path, UPowerWire::deviceInterface,
                                           UPowerWire::enableChargeThresholdMethod);
    call << enabled;
    // polkit may ask the user first.
    call.setInteractiveAuthorizationAllowed(true);
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, path, enabled](QDBusPendingCallWatcher *answer) {
                answer->deleteLater();
                const QDBusMessage reply = answer->reply();
                if (reply.type() == QDBusMessage::ReplyMessage)
                    return;
                const QString text = reply.errorMessage().trimmed().isEmpty()
                        ? reply.errorName()
                        : reply.errorMessage();
                emit chargeLimitRefused(path, enabled, ForeignText::reason(text));
            });
}

std::optional<bool> PowerServices::hasLid() const
{
    return managerFlag(UPowerWire::lidIsPresentProperty);
}

std::optional<bool> PowerServices::isLidClosed() const
{
    return managerFlag(UPowerWire::lidIsClosedProperty);
}

bool PowerServices::followsDeviceBattery(const QString &path) const
{
    return followsDeviceBatteries() && generation->contains(path)
            && generation->device(path).isDeviceBattery();
}

SleepSupport PowerServices::sleepSupport()
{
    return generation ? generation->sleepSupport() : readSleepSupport();
}

qlonglong PowerServices::secondsToEmpty(const QString &path)
{
    return generation ? generation->secondsToEmpty(path) : 0;
}

void PowerServices::readDetails(const QString &path)
{
    if (generation)
        generation->readDetails(path);
}

void PowerServices::request(const QString &action)
{
    requestPowerAction(this, action, [this](const PowerRefusal &refusal) {
        // logind is asked who is in the way only after it said no.
        if (refusal.fromLogind)
            findInhibitors(this, refusal,
                           [this](const PowerRefusal &found) { emit refused(found); });
        else
            emit refused(refusal);
    });
}

void PowerServices::ownerChanged(const QString &, const QString &, const QString &newOwner)
{
    // A daemon that has gone leaves the last values in place until
    // another one takes the name.
    if (newOwner.isEmpty())
        return;
    restartPending = true;
    emit restarted();
}
