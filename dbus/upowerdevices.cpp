#include "upowerdevices.h"

#include "upowertypes.h"
#include "wirenames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

QDBusPendingCall askGetAll(const QString &path, int timeoutMs = -1)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
            UPowerWire::service, path, DBusWire::propertiesInterface, DBusWire::getAllMethod);
    call << QString(UPowerWire::deviceInterface);
    return QDBusConnection::systemBus().asyncCall(call, timeoutMs);
}

} // namespace

UPowerDevices::UPowerDevices(QObject *parent) : QObject(parent)
{
    registerUPowerMetaTypes();
    auto bus = QDBusConnection::systemBus();
    bus.connect(UPowerWire::service, UPowerWire::path, UPowerWire::interface,
                UPowerWire::deviceAddedSignal, this, SLOT(announcedAdded(QDBusObjectPath)));
    bus.connect(UPowerWire::service, UPowerWire::path, UPowerWire::interface,
                UPowerWire::deviceRemovedSignal, this, SLOT(announcedRemoved(QDBusObjectPath)));
}

void UPowerDevices::load()
{
    listing = enumerateDevices(answerCapMs);
    // Every question goes out before any answer is awaited, so that a slow
    // daemon costs its delay once.
    QList<QPair<QString, QDBusPendingCall>> questions;
    for (const QString &path : qAsConst(listing)) {
        if (pending.contains(path))
            continue;
        pending.insert(path);
        questions.append({path, askGetAll(path, answerCapMs)});
    }
    for (auto &question : questions) {
        QDBusPendingReply<QVariantMap> reply = question.second;
        reply.waitForFinished();
        pending.remove(question.first);
        if (reply.isValid()) {
            take(question.first, reply.value());
        } else if (reply.error().type() == QDBusError::NoReply
                   || reply.error().type() == QDBusError::Timeout) {
            // Busy, not gone: it appears once it answers.
            readDevice(question.first);
        }
    }
}

QStringList UPowerDevices::paths() const
{
    QStringList read;
    for (const QString &path : listing) {
        if (devices.contains(path) && !read.contains(path))
            read.append(path);
    }
    return read;
}

void UPowerDevices::take(const QString &path, const QVariantMap &values)
{
    const bool known = devices.contains(path);
    devices.insert(path, DeviceProperties(path, values));
    if (!listing.contains(path))
        listing.append(path);
    if (!known)
        follow(path);
}

void UPowerDevices::readDevice(const QString &path)
{
    if (pending.contains(path) || devices.contains(path))
        return;
    pending.insert(path);
    auto *watcher = new QDBusPendingCallWatcher(askGetAll(path), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, path](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                // Removed while the question was out.
                if (!pending.remove(path))
                    return;
                QDBusPendingReply<QVariantMap> reply = *call;
                if (!reply.isValid())
                    return;
                take(path, reply.value());
                emit deviceAdded(path);
            });
}

void UPowerDevices::reread(const QString &path)
{
    auto *watcher = new QDBusPendingCallWatcher(askGetAll(path), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, path](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<QVariantMap> reply = *call;
                const auto it = devices.find(path);
                if (!reply.isValid() || it == devices.end())
                    return;
                it->update(reply.value());
                emit deviceChanged(path);
            });
}

void UPowerDevices::announcedAdded(const QDBusObjectPath &path)
{
    readDevice(path.path());
}

void UPowerDevices::announcedRemoved(const QDBusObjectPath &path)
{
    pending.remove(path.path());
    listing.removeAll(path.path());
    if (devices.remove(path.path()))
        emit deviceRemoved(path.path());
}
