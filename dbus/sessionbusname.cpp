#include "sessionbusname.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>

SessionBusName::SessionBusName(const QString &name, const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_name(name), m_bus(bus),
      m_watcher(name, bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &SessionBusName::ownerChanged);
}

SessionBusName::~SessionBusName()
{
    if (m_owned && m_bus.interface())
        m_bus.interface()->unregisterService(m_name);
}

void SessionBusName::claim()
{
    m_claimed = true;
    tryToOwn();
}

void SessionBusName::ownerChanged(const QString &, const QString &, const QString &newOwner)
{
    setOwned(!newOwner.isEmpty() && newOwner == m_bus.baseService());
    if (newOwner.isEmpty() && m_claimed)
        tryToOwn();
}

void SessionBusName::tryToOwn()
{
    QDBusConnectionInterface *bus = m_bus.interface();
    if (!bus || m_owned)
        return;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
            bus->registerService(m_name, QDBusConnectionInterface::DontQueueService,
                                 QDBusConnectionInterface::AllowReplacement);
    setOwned(reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered);
}

void SessionBusName::setOwned(bool owned)
{
    if (owned == m_owned)
        return;
    m_owned = owned;
    emit ownedChanged(owned);
}
