#pragma once

#include <QObject>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct ext_idle_notifier_v1;
class QSocketNotifier;

// The program's own connection to the Wayland compositor ($WAYLAND_DISPLAY
// unless a socket is named), with the globals the program uses: the first
// seat and the idle notifier. Events are read when the socket has some, and
// dispatched to the listeners of the objects made on it.
class WaylandConnection : public QObject
{
    Q_OBJECT

public:
    explicit WaylandConnection(const QByteArray &socketName = {}, QObject *parent = nullptr);
    ~WaylandConnection() override;

    // False when no compositor answered or the connection broke.
    bool isConnected() const;
    wl_display *display() const { return m_display; }
    // Null when the compositor does not offer them.
    wl_seat *seat() const { return m_seat; }
    ext_idle_notifier_v1 *idleNotifier() const { return m_idleNotifier; }

    // Sends the requests made so far.
    void flush();

Q_SIGNALS:
    // The compositor went away or broke the connection.
    void disconnected();

private:
    static void registryGlobal(void *data, wl_registry *registry, uint32_t name,
                               const char *interface, uint32_t version);
    static void registryGlobalRemove(void *data, wl_registry *registry, uint32_t name);
    void readEvents();
    void breakOff();

    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    wl_seat *m_seat = nullptr;
    ext_idle_notifier_v1 *m_idleNotifier = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    bool m_broken = false;
};
