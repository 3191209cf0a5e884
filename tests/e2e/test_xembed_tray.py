'''The tray of the real program in the background (--hidden) under an XEmbed
tray, trayer, with no StatusNotifier host on the session bus: its icons are
X windows docked in trayer's panel, and the real pointer clicks them.'''

import ctypes
import os
import subprocess
import sys
import time
import unittest

import dbus
import dbus.lowlevel

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

REGISTRY = 'org.a11y.atspi.Registry'
EVENT_OBJECT = 'org.a11y.atspi.Event.Object'
DOUBLE_CLICK_GAP = 1.0


def setUpModule():
    w.install_icon_theme()
    w.expose_accessibility()


def tray_selection_owned():
    '''Whether an XEmbed tray owns the screen's tray selection.'''
    x11 = ctypes.CDLL('libX11.so.6')
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    try:
        return x11.XGetSelectionOwner(display, x11.XInternAtom(display, b'_NET_SYSTEM_TRAY_S0', 0))
    finally:
        x11.XCloseDisplay(display)


def windows_of(pid):
    out = subprocess.run(['xdotool', 'search', '--pid', str(pid)], capture_output=True,
                         text=True).stdout
    return [int(window) for window in out.split()]


def docked_icons(tray_pid, program_pid):
    '''The program's windows inside trayer's, in the order the program made
    them (X hands a client rising window ids).'''
    ours = set(windows_of(program_pid))
    found = set()
    for window in windows_of(tray_pid):
        tree = subprocess.run(['xwininfo', '-tree', '-id', str(window)], capture_output=True,
                              text=True).stdout
        found |= {int(line.split()[0], 16) for line in tree.splitlines()
                  if line.strip().startswith('0x')} & ours
    return sorted(found)


def click(window, button=1):
    '''A click with the real pointer in the middle of a window.'''
    # Two presses on one spot within the double-click interval (Qt's is 400
    # ms) are a double click, not two clicks; a pause only lengthens it.
    time.sleep(DOUBLE_CLICK_GAP)
    x, y, width, height = w.geometry(window)
    # Without --sync, which waits long for a move when the pointer is there
    # already; the X server takes the move and the click in their order.
    w.xdotool('mousemove', x + width // 2, y + height // 2, 'click', button)


class UnderXEmbed(unittest.TestCase):
    '''Two batteries, trayer, and no StatusNotifierWatcher or profiles daemon.'''

    @classmethod
    def setUpClass(cls):
        assert not w.name_has_owner(w.session_bus(), 'org.kde.StatusNotifierWatcher')
        cls.tray = subprocess.Popen(['trayer', '--edge', 'top', '--align', 'right',
                                     '--widthtype', 'request', '--height', '24',
                                     '--SetDockType', 'true'],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The program looks for a tray as it starts.
        w.wait_until(tray_selection_owned, 10, what='trayer to own the tray selection')
        cls.start_registry()
        cls.upower = w.UPower()
        cls.upower.add_battery('BAT0', 80, w.CHARGING)
        cls.upower.add_battery('BAT1', 60, w.CHARGING)
        cls.program = w.Program('--hidden')

        def docked():
            icons = docked_icons(cls.tray.pid, cls.program.pid)
            return len(icons) == 3 and all(map(w.is_viewable, icons)) and icons
        # The window's icon first, then the gauges in UPower's order.
        cls.icon, cls.gauge0, cls.gauge1 = w.wait_until(docked, 10, what='three icons in trayer')

    @classmethod
    def start_registry(cls):
        '''A popup menu is no child of the accessibility tree's root: the test
        learns of it from the event Qt sends as it shows, which Qt sends only
        once the registry (a stand-in) says someone listens to such events.'''
        cls.registry = subprocess.Popen(['/usr/bin/python3', '-m', 'dbusmock', '--session',
                                         REGISTRY, '/org/a11y/atspi/registry', REGISTRY],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def listens():
            try:
                registry = w.session_bus().get_object(REGISTRY, '/org/a11y/atspi/registry',
                                                      introspect=False)
                registry.AddMethod(REGISTRY, 'GetRegisteredEvents', '', 'a(ss)',
                                   'ret = [(":1.0", "Object:StateChanged")]',
                                   dbus_interface=w.MOCK_IFACE)
                return True
            except dbus.DBusException:
                return False
        w.wait_until(listens, 15, 0.1, 'the accessibility registry stand-in')
        cls.events = w.temporary_path('atspi-events') + '.log'
        with open(cls.events, 'w') as out:
            cls.monitor = subprocess.Popen(
                ['dbus-monitor', '--session', "type='signal',interface='%s'" % EVENT_OBJECT],
                stdout=out, stderr=subprocess.STDOUT)
        marker = dbus.lowlevel.SignalMessage('/wex/marker', EVENT_OBJECT, 'StateChanged')

        def heard():
            w.session_bus().send_message(marker)
            with open(cls.events) as f:
                return 'path=/wex/marker;' in f.read()
        w.wait_until(heard, 5, 0.2, 'dbus-monitor to listen')

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.upower.stop()
        for process in (cls.monitor, cls.registry, cls.tray):
            w.stop_process(process)

    def main_window(self):
        '''The main window, titled as the icons are, or None.'''
        icons = {self.icon, self.gauge0, self.gauge1}
        windows = [x for x in w.find_windows(self.program.pid) if x not in icons]
        return windows[0] if windows else None

    def shown_window(self):
        window = self.main_window()
        return window if window and w.is_viewable(window) else None

    def window_in_front(self):
        window = w.wait_until(self.shown_window, 3, what='the window to show')
        w.wait_until(lambda: w.xdotool('getwindowfocus') == str(window), 3,
                     what='the window to have the focus')
        return window

    def assert_hidden(self, window):
        w.wait_until(lambda: not w.is_viewable(window), 3, what='the window to hide')

    def showing_label(self, text):
        root = self.program.accessible()
        return w.wait_until(lambda: root.find_all(role='label', name=text, showing=True), 3,
                            what='the page showing %s' % text)

    def test_1_clicks_show_and_hide_the_window(self):
        self.assertIsNone(self.shown_window())
        click(self.icon)
        window = self.window_in_front()
        click(self.icon)
        self.assert_hidden(window)
        click(self.icon)
        self.window_in_front()
        click(self.icon)
        self.assert_hidden(window)

    def test_2_a_gauge_click_shows_its_battery(self):
        click(self.gauge1)
        window = self.window_in_front()
        self.showing_label('60%')
        # Another battery's gauge turns the page rather than hiding the window.
        click(self.gauge0)
        self.showing_label('80%')
        self.assertTrue(w.is_viewable(window))
        click(self.icon)
        self.assert_hidden(window)

    def popup_menu(self):
        '''The tray menu's accessible node once it shows.'''
        service = self.program.accessible().service
        with open(self.events) as f:
            paths = [line.split(' path=')[1].split(';')[0] for line in f if ' path=' in line]
        for path in paths:
            node = w.Accessible(w.session_bus(), service, path)
            try:
                if node.role() == 'popup menu' and node.showing():
                    return node
            except dbus.DBusException:
                pass  # the marker's path, or a node gone since
        return None

    def test_3_the_menu_and_exit(self):
        click(self.icon, 3)
        menu = w.wait_until(self.popup_menu, 3, what='the tray menu to pop up')
        entries = menu.children()
        self.assertEqual([e.name() for e in entries if e.showing() and e.role() == 'menu item'],
                         ['Show window', 'Keep awake', 'Exit'])
        # Without a profiles daemon the profile submenu is there but hidden.
        self.assertIn('Power profile', [e.name() for e in entries if not e.showing()])
        [e for e in entries if e.name() == 'Exit'][0].click()
        self.assertEqual(self.program.wait(5), 0)


if __name__ == '__main__':
    w.main()
