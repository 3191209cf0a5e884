#include "upowerview.h"

#include "upowertypes.h"
#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QVersionNumber>
#include <utility>

namespace {

// Questions asked while the program starts or the daemon restarts wait no
// longer than this for a daemon that hangs.
constexpr int answerCap = 2000;

QDBusMessage upowerCall(const QString &path, const QString &interface, const QString &method)
{
    return QDBusMessage::createMethodCall(UPowerWire::service, path, interface, method);
}

QDBusMessage getAll(const QString &path)
{
    QDBusMessage call = upowerCall(path, DBusWire::propertiesInterface, QStringLiteral("GetAll"));
    call << QString(UPowerWire::deviceInterface);
    return call;
}

} // namespace

UPowerView::UPowerView(QObject *parent) : QObject(parent)
{
    registerUPowerMetaTypes();
    auto *watcher = new QDBusServiceWatcher(UPowerWire::service, QDBusConnection::systemBus(),
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &UPowerView::ownerChanged);
}

// UPower 0.99 made PropertiesChanged the way every change is told; before
// it, devices only said "Changed" and had to be asked.
bool UPowerView::readEventDriven() const
{
    QDBusMessage get =
            upowerCall(UPowerWire::path, DBusWire::propertiesInterface, QStringLiteral("Get"));
    get << QString(UPowerWire::interface) << QStringLiteral("DaemonVersion");
    const QDBusMessage reply = QDBusConnection::systemBus().call(get, QDBus::Block, answerCap);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    const QVariant version = qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
    if (version.userType() != QMetaType::QString)
        return false;
    return QVersionNumber::fromString(version.toString()) >= QVersionNumber(0, 99);
}

void UPowerView::load()
{
    clear();
    eventDriven = readEventDriven();
    if (!eventDriven)
        return;

    auto bus = QDBusConnection::systemBus();
    if (!subscribed) {
        subscribed = true;
        bus.connect(UPowerWire::service, UPowerWire::path, UPowerWire::interface,
                    QStringLiteral("DeviceAdded"), this, SLOT(deviceAdded(QDBusObjectPath)));
        bus.connect(UPowerWire::service, UPowerWire::path, UPowerWire::interface,
                    QStringLiteral("DeviceRemoved"), this, SLOT(deviceRemoved(QDBusObjectPath)));
        bus.connect(UPowerWire::service, QString(), DBusWire::propertiesInterface,
                    QStringLiteral("PropertiesChanged"), this,
                    SLOT(propertiesChanged(QString, QVariantMap, QStringList, QDBusMessage)));
    }

    const QDBusMessage list = bus.call(
            upowerCall(UPowerWire::path, UPowerWire::interface, QStringLiteral("EnumerateDevices")),
            QDBus::Block, answerCap);
    const QList<QDBusObjectPath> paths =
            QDBusPendingReply<QList<QDBusObjectPath>>(list).argumentAt<0>();

    // Every question goes out before any answer is awaited, so that a slow
    // daemon costs its delay once.
    QList<QPair<QString, QDBusPendingCall>> questions;
    for (const QDBusObjectPath &path : paths) {
        if (pending.contains(path.path()))
            continue;
        pending.insert(path.path());
        questions.append({path.path(), bus.asyncCall(getAll(path.path()), answerCap)});
    }
    for (auto &question : questions) {
        QDBusPendingReply<QVariantMap> reply = question.second;
        reply.waitForFinished();
        if (reply.isValid()) {
            take(question.first, reply.value());
        } else if (reply.error().type() == QDBusError::NoReply
                   || reply.error().type() == QDBusError::Timeout) {
            // Busy, not gone: it appears once it answers.
            pending.remove(question.first);
            readDevice(question.first);
        } else {
            pending.remove(question.first);
        }
    }
}

void UPowerView::clear()
{
    devices.clear();
    order.clear();
    pending.clear();
    changedPaths.clear();
}

void UPowerView::readDevice(const QString &path)
{
    if (pending.contains(path) || devices.contains(path))
        return;
    pending.insert(path);
    auto *watcher =
            new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(getAll(path)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, path](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                // Removed, or the daemon restarted, while the question was out.
                if (!pending.remove(path))
                    return;
                QDBusPendingReply<QVariantMap> reply = *call;
                if (!reply.isValid())
                    return;
                take(path, reply.value());
                emit deviceAppeared(path);
            });
}

void UPowerView::take(const QString &path, const QVariantMap &values)
{
    pending.remove(path);
    devices.insert(path, DeviceProperties(path, values));
    order.append(path);
}

void UPowerView::deviceAdded(const QDBusObjectPath &path)
{
    if (eventDriven)
        readDevice(path.path());
}

void UPowerView::deviceRemoved(const QDBusObjectPath &path)
{
    pending.remove(path.path());
    changedPaths.remove(path.path());
    if (!devices.remove(path.path()))
        return;
    order.removeOne(path.path());
    emit deviceGone(path.path());
}

void UPowerView::propertiesChanged(const QString &interface, const QVariantMap &changed,
                                   const QStringList &invalidated, const QDBusMessage &message)
{
    const auto it = devices.find(message.path());
    if (interface != UPowerWire::deviceInterface || it == devices.end())
        return;
    it->update(changed, invalidated);
    // Signals that queue up before the program gets to them are told on
    // once per device.
    if (changedPaths.isEmpty())
        QMetaObject::invokeMethod(this, &UPowerView::announceChanges, Qt::QueuedConnection);
    changedPaths.insert(message.path());
}

void UPowerView::announceChanges()
{
    const QSet<QString> paths = std::exchange(changedPaths, {});
    for (const QString &path : order) {
        if (paths.contains(path))
            emit deviceChanged(path);
    }
}

void UPowerView::ownerChanged(const QString &, const QString &, const QString &newOwner)
{
    // A daemon that has gone leaves the last values in place until
    // another one takes the name.
    if (!newOwner.isEmpty())
        emit daemonRestarted();
}
