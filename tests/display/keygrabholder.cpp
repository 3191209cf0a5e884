// Another X client that holds a key, as a desktop's own key daemon would:
// it grabs the keysym given in argv[1] without lock modifiers and prints
// "held" (or "refused"). A line on its standard input makes it grab the
// key with Caps Lock and Num Lock too, and say "held" or "refused" again.
// It prints "pressed" for each press, and leaves when its standard input
// closes.
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const xcb_keysym_t keysym = xcb_keysym_t(std::strtoul(argv[1], nullptr, 0));
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c))
        return 3;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(c);
    xcb_keycode_t *keycodes = xcb_key_symbols_get_keycode(symbols, keysym);
    auto grab = [&](std::initializer_list<uint16_t> modifierSets) {
        bool held = keycodes && *keycodes != XCB_NO_SYMBOL;
        for (xcb_keycode_t *k = keycodes; k && *k != XCB_NO_SYMBOL; ++k) {
            for (uint16_t modifiers : modifierSets) {
                xcb_generic_error_t *error = xcb_request_check(
                        c,
                        xcb_grab_key_checked(c, true, root, modifiers, *k, XCB_GRAB_MODE_ASYNC,
                                             XCB_GRAB_MODE_ASYNC));
                held = held && !error;
                std::free(error);
            }
        }
        std::printf(held ? "held\n" : "refused\n");
        std::fflush(stdout);
    };
    grab({0});

    pollfd fds[2] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    char buffer[64];
    while (poll(fds, 2, -1) > 0) {
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
                break;
            grab({XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2});
        }
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7f) == XCB_KEY_PRESS) {
                std::printf("pressed\n");
                std::fflush(stdout);
            }
            std::free(event);
        }
        if (xcb_connection_has_error(c))
            break;
    }
    std::free(keycodes);
    xcb_key_symbols_free(symbols);
    xcb_disconnect(c);
    return 0;
}
