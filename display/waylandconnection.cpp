#include "waylandconnection.h"

#include "ext-idle-notify-v1-client-protocol.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <cerrno>
#include <cstring>

Q_LOGGING_CATEGORY(lcWaylandConnection, "wex.display.wayland")

WaylandConnection::WaylandConnection(const QByteArray &socketName, QObject *parent)
    : QObject(parent)
{
    m_display = wl_display_connect(socketName.isEmpty() ? nullptr : socketName.constData());
    if (!m_display) {
        qCWarning(lcWaylandConnection) << "cannot connect to the Wayland compositor";
        return;
    }
    static const wl_registry_listener registryListener = {&registryGlobal, &registryGlobalRemove};
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &registryListener, this);
    // One round trip brings every global the compositor has now.
    if (wl_display_roundtrip(m_display) < 0) {
        m_broken = true;
        return;
    }
    m_notifier = new QSocketNotifier(wl_display_get_fd(m_display), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &WaylandConnection::readEvents);
}

WaylandConnection::~WaylandConnection()
{
    if (!m_display)
        return;
    if (m_idleNotifier)
        ext_idle_notifier_v1_destroy(m_idleNotifier);
    if (m_seat)
        wl_seat_destroy(m_seat);
    if (m_registry)
        wl_registry_destroy(m_registry);
    wl_display_flush(m_display);
    wl_display_disconnect(m_display);
}

bool WaylandConnection::isConnected() const
{
    return m_display && !m_broken;
}

void WaylandConnection::flush()
{
    if (isConnected() && wl_display_flush(m_display) < 0 && errno != EAGAIN)
        breakOff();
}

void WaylandConnection::registryGlobal(void *data, wl_registry *registry, uint32_t name,
                                       const char *interface, uint32_t)
{
    auto *self = static_cast<WaylandConnection *>(data);
    if (!self->m_seat && std::strcmp(interface, wl_seat_interface.name) == 0) {
        self->m_seat =
                static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (!self->m_idleNotifier
               && std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0) {
        self->m_idleNotifier = static_cast<ext_idle_notifier_v1 *>(
                wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
    }
}

void WaylandConnection::registryGlobalRemove(void *, wl_registry *, uint32_t)
{
    // The seat and the notifier stay usable objects; a compositor that takes
    // them away answers nothing more on them.
}

void WaylandConnection::readEvents()
{
    // Another reader (there is none in this program) may hold events for
    // this queue: those are dispatched before reading.
    while (wl_display_prepare_read(m_display) != 0) {
        if (wl_display_dispatch_pending(m_display) < 0) {
            breakOff();
            return;
        }
    }
    if (wl_display_read_events(m_display) < 0 || wl_display_dispatch_pending(m_display) < 0) {
        breakOff();
        return;
    }
    flush();
}

void WaylandConnection::breakOff()
{
    if (m_broken)
        return;
    m_broken = true;
    if (m_notifier)
        m_notifier->setEnabled(false);
    qCWarning(lcWaylandConnection) << "the connection to the Wayland compositor broke";
    Q_EMIT disconnected();
}
