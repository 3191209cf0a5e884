// A Wayland compositor with only what the idle watch needs: a seat and the
// ext_idle_notifier_v1 global (left out with --no-idle-notifier). Each
// notification goes idle after its timeout without input, and a line on
// standard input stands for input: every idle notification resumes and its
// timeout starts again. It prints "ready" once its socket (argv[1], in
// $XDG_RUNTIME_DIR) is up and "idled <timeout>" whenever it sends idled,
// and leaves when its standard input closes.
#include "ext-idle-notify-v1-server-protocol.h"

#include <wayland-server.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Notification
{
    wl_resource *resource = nullptr;
    wl_event_source *timer = nullptr;
    uint32_t timeout = 0;
    bool idle = false;
};

wl_event_loop *loop = nullptr;
std::vector<Notification *> notifications;

int timeoutPassed(void *data)
{
    auto *notification = static_cast<Notification *>(data);
    if (!notification->idle) {
        notification->idle = true;
        ext_idle_notification_v1_send_idled(notification->resource);
        std::printf("idled %u\n", notification->timeout);
        std::fflush(stdout);
    }
    return 0;
}

void startTimeout(Notification *notification)
{
    // A timer of 0 would be disarmed: 0 means as soon as possible.
    wl_event_source_timer_update(notification->timer, std::max<uint32_t>(notification->timeout, 1));
}

void destroyResource(wl_client *, wl_resource *resource)
{
    wl_resource_destroy(resource);
}

void notificationGone(wl_resource *resource)
{
    auto *notification = static_cast<Notification *>(wl_resource_get_user_data(resource));
    wl_event_source_remove(notification->timer);
    notifications.erase(std::find(notifications.begin(), notifications.end(), notification));
    delete notification;
}

const struct ext_idle_notification_v1_interface notificationImplementation = {&destroyResource};

void getIdleNotification(wl_client *client, wl_resource *notifier, uint32_t id, uint32_t timeout,
                         wl_resource *)
{
    auto *notification = new Notification;
    notification->timeout = timeout;
    notification->resource = wl_resource_create(client, &ext_idle_notification_v1_interface,
                                                wl_resource_get_version(notifier), id);
    wl_resource_set_implementation(notification->resource, &notificationImplementation,
                                   notification, &notificationGone);
    notification->timer = wl_event_loop_add_timer(loop, &timeoutPassed, notification);
    notifications.push_back(notification);
    startTimeout(notification);
}

const struct ext_idle_notifier_v1_interface notifierImplementation = {&destroyResource,
                                                                      &getIdleNotification};

void bindNotifier(wl_client *client, void *, uint32_t version, uint32_t id)
{
    wl_resource *resource =
            wl_resource_create(client, &ext_idle_notifier_v1_interface, version, id);
    wl_resource_set_implementation(resource, &notifierImplementation, nullptr, nullptr);
}

void ignoreDevice(wl_client *, wl_resource *, uint32_t) { }

const struct wl_seat_interface seatImplementation = {&ignoreDevice, &ignoreDevice, &ignoreDevice,
                                                     &destroyResource};

void bindSeat(wl_client *client, void *, uint32_t version, uint32_t id)
{
    wl_resource *resource = wl_resource_create(client, &wl_seat_interface, version, id);
    wl_resource_set_implementation(resource, &seatImplementation, nullptr, nullptr);
    wl_seat_send_capabilities(resource, 0);
}

int readInput(int fd, uint32_t, void *data)
{
    char buffer[256];
    if (read(fd, buffer, sizeof buffer) <= 0) {
        wl_display_terminate(static_cast<wl_display *>(data));
        return 0;
    }
    for (Notification *notification : notifications) {
        if (notification->idle) {
            notification->idle = false;
            ext_idle_notification_v1_send_resumed(notification->resource);
        }
        startTimeout(notification);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const bool offerNotifier = !(argc > 2 && std::strcmp(argv[2], "--no-idle-notifier") == 0);
    wl_display *display = wl_display_create();
    if (wl_display_add_socket(display, argv[1]) != 0)
        return 1;
    loop = wl_display_get_event_loop(display);
    wl_global_create(display, &wl_seat_interface, 1, nullptr, &bindSeat);
    if (offerNotifier)
        wl_global_create(display, &ext_idle_notifier_v1_interface, 1, nullptr, &bindNotifier);
    wl_event_source *input =
            wl_event_loop_add_fd(loop, STDIN_FILENO, WL_EVENT_READABLE, &readInput, display);
    std::printf("ready\n");
    std::fflush(stdout);
    wl_display_run(display);
    wl_event_source_remove(input);
    wl_display_destroy_clients(display);
    wl_display_destroy(display);
    return 0;
}
