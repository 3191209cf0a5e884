'''The tray of the real program in the background (--hidden), used the way a
StatusNotifier panel uses it: a click on an item is the panel calling its
Activate, and its menu is read and clicked over com.canonical.dbusmenu.'''

import os
import subprocess
import sys
import time
import unittest

import dbus

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

DBUSMENU_IFACE = 'com.canonical.dbusmenu'
PROFILES = 'net.hadess.PowerProfiles'
PROFILES_PATH = '/net/hadess/PowerProfiles'
STATE_ACTIVE = 1
ENTRIES = {'power-saver': 'Power Saver', 'balanced': 'Balanced', 'performance': 'Performance'}


def setUpModule():
    w.install_icon_theme()
    w.expose_accessibility()


def click(item):
    '''A left click on a tray item, as a panel hands it on.'''
    obj = w.session_bus().get_object(item.service, w.SNI_PATH, introspect=False)
    obj.Activate(dbus.Int32(10), dbus.Int32(10), dbus_interface=w.SNI_IFACE)


def label(properties):
    '''An entry's text without its mnemonic marks ("E_xit": "Exit").'''
    text = str(properties.get('label', ''))
    return text.replace('__', '\0').replace('_', '').replace('\0', '_')


class Menu:
    '''A tray item's exported menu, as a panel reads it.'''

    def __init__(self, item):
        path = item.prop('Menu')
        self.object = w.session_bus().get_object(item.service, path, introspect=False)

    def layout(self):
        '''[(text, id, properties, children)] of the shown entries, with
        children in the same form; separators left out.'''
        def entries(node):
            result = []
            for child in node[2]:
                ident, properties, _ = child
                if not properties.get('visible', True) or properties.get('type') == 'separator':
                    continue
                result.append((label(properties), int(ident), properties, entries(child)))
            return result
        _, root = self.object.GetLayout(dbus.Int32(0), dbus.Int32(-1), dbus.Array([], 's'),
                                        dbus_interface=DBUSMENU_IFACE)
        return entries(root)

    def texts(self):
        return [(text, [child[0] for child in children]) if children else text
                for text, _, _, children in self.layout()]

    def find(self, *texts):
        '''The entry reached through the texts, submenu by submenu.'''
        entries = self.layout()
        for text in texts:
            entry = next((e for e in entries if e[0] == text), None)
            if entry is None:
                raise AssertionError('no entry %r in %s' % (text, [e[0] for e in entries]))
            entries = entry[3]
        return entry

    def click(self, *texts):
        ident = self.find(*texts)[1]
        self.object.Event(dbus.Int32(ident), 'clicked', dbus.Int32(0, variant_level=1),
                          dbus.UInt32(0), dbus_interface=DBUSMENU_IFACE)

    def checked(self, *texts):
        return [e[0] for e in self.find(*texts)[3] if int(e[2].get('toggle-state', 0)) == 1]


class InTheBackground(unittest.TestCase):
    '''Two batteries and no profiles daemon.'''

    @classmethod
    def setUpClass(cls):
        cls.desktop = w.Desktop()
        cls.upower = w.UPower()
        cls.upower.add_battery('BAT0', 80, w.CHARGING)
        cls.upower.add_battery('BAT1', 60, w.CHARGING)
        cls.program = w.Program('--hidden')
        cls.item = w.wait_until(cls.desktop.window_items, 10, what="the window's tray item")[0]
        cls.gauges = w.wait_until(lambda: len(cls.desktop.battery_items()) == 2 and
                                  cls.desktop.battery_items(), 10, what='the battery items')

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.upower.stop()
        cls.desktop.stop()

    def window_in_front(self):
        '''The window, once it shows and has the input focus; the window
        manager's _NET_ACTIVE_WINDOW may still name a window it hid.'''
        window = self.program.window()
        w.wait_until(lambda: w.xdotool('getwindowfocus') == str(window), 3,
                     what='the window to have the focus')
        return window

    def assert_hidden(self, window):
        w.wait_until(lambda: not w.is_viewable(window), 3, what='the window to hide')

    def shows_charge(self, text):
        root = self.program.accessible()
        return w.wait_until(lambda: root.find_all(role='label', name=text, showing=True), 3,
                            what='the page showing %s' % text)

    def test_1_clicks_show_and_hide_the_window(self):
        self.assertEqual(w.find_windows(self.program.pid), [])
        click(self.item)
        window = self.window_in_front()
        # Minimised, it is not in front: a click brings it back.
        w.xdotool('windowminimize', '--sync', window)
        frame = [node for node in self.program.accessible().children() if node.role() == 'frame']
        w.wait_until(lambda: STATE_ACTIVE not in frame[0].states(), 3,
                     what='the program to see its window inactive')
        click(self.item)
        self.window_in_front()
        click(self.item)
        self.assert_hidden(window)
        # At once again, and hidden again.
        click(self.item)
        self.window_in_front()
        click(self.item)
        self.assert_hidden(window)
        self.assertTrue(self.program.running())

    def test_2_a_gauge_click_shows_its_battery(self):
        click(self.gauges['Model BAT1'])
        window = self.window_in_front()
        self.shows_charge('60%')
        # Another battery's gauge turns the page rather than hiding it.
        click(self.gauges['Model BAT0'])
        self.shows_charge('80%')
        self.assertTrue(w.is_viewable(window))
        click(self.gauges['Model BAT0'])
        self.assert_hidden(window)

    def test_3_the_menu_without_profiles(self):
        menu = Menu(self.item)
        self.assertEqual(menu.texts(), ['Show window', 'Keep awake', 'Exit'])
        menu.click('Show window')
        window = self.window_in_front()
        self.assertEqual(menu.texts(), ['Show window', 'Keep awake', 'Exit'])
        # The panel's click hides it again; the menu stays as it was.
        click(self.item)
        self.assert_hidden(window)

    def test_4_exit_ends_the_program(self):
        Menu(self.item).click('Exit')
        self.assertEqual(self.program.wait(5), 0)


def system_bus_messages_from(pid, seconds):
    '''The messages process pid sends on the system bus in the next seconds,
    as dbus-monitor shows them; the monitor is known to be listening once it
    shows a call of this test's own.'''
    bus = w.system_bus()
    daemon = w.bus_daemon(bus)
    senders = {str(name) for name in daemon.ListNames()
               if name.startswith(':') and daemon.GetConnectionUnixProcessID(name) == pid}
    log = w.temporary_path('dbus-monitor') + '.log'
    with open(log, 'w') as out:
        monitor = subprocess.Popen(['dbus-monitor', '--system'], stdout=out,
                                   stderr=subprocess.STDOUT)
    try:
        def marked(marker):
            daemon.NameHasOwner(marker)
            with open(log) as f:
                return marker in f.read()
        w.wait_until(lambda: marked('wex.start.marker'), 5, 0.2, 'dbus-monitor to listen')
        time.sleep(seconds)
        w.wait_until(lambda: marked('wex.end.marker'), 5, 0.2, 'dbus-monitor to catch up')
    finally:
        w.stop_process(monitor)
    with open(log) as f:
        text = f.read()
    idle = text[text.index('wex.start.marker'):text.index('wex.end.marker')]
    return [line for line in idle.splitlines()
            if any(' sender=%s ' % sender in line for sender in senders)]


class WithProfiles(unittest.TestCase):
    '''python3-dbusmock's power-profiles-daemon on the system bus.'''

    @classmethod
    def setUpClass(cls):
        cls.desktop = w.Desktop()
        cls.upower = w.UPower(DaemonVersion='0.99.20')
        cls.upower.add_battery('BAT0', 80, w.CHARGING)
        cls.daemon = w.Mock('power_profiles_daemon', PROFILES, PROFILES_PATH, True)
        cls.program = w.Program('--hidden')
        cls.item = w.wait_until(cls.desktop.window_items, 10, what="the window's tray item")[0]
        cls.menu = Menu(cls.item)

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.daemon.stop()
        cls.upower.stop()
        cls.desktop.stop()

    def active_profile(self):
        return str(self.daemon.object().Get(PROFILES, 'ActiveProfile',
                                            dbus_interface=w.PROPS_IFACE))

    def test_1_the_menu_lists_the_profiles(self):
        entries = ['Show window', ('Power profile', ['Power Saver', 'Balanced', 'Performance']),
                   'Keep awake', 'Exit']
        w.wait_until(lambda: self.menu.texts() == entries, 10,
                     what='the profiles in the menu (have %s)' % self.menu.texts())
        self.assertEqual(self.menu.checked('Power profile'), ['Balanced'])

    def test_2_a_click_on_a_profile_sets_it(self):
        self.menu.click('Power profile', 'Power Saver')
        w.wait_until(lambda: self.active_profile() == 'power-saver', 5,
                     what='the daemon to switch to power-saver')
        w.wait_until(lambda: self.menu.checked('Power profile') == ['Power Saver'], 5,
                     what='the check mark on Power Saver')

    def test_3_idle_ticks_send_nothing_on_the_system_bus(self):
        # Once the start-up reads are over: the gauge shows, the menu is full.
        w.wait_until(self.desktop.battery_items, 10, what='the battery item')
        w.wait_until(lambda: len(self.menu.texts()) == 4, 10, what='the profiles in the menu')
        self.assertEqual(system_bus_messages_from(self.program.pid, 3 * w.MONITOR_SECONDS), [])

    def test_4_a_refused_switch_is_told(self):
        # As polkit's refusal reaches the program: an error answer to Set.
        self.daemon.mock().AddMethod(
            w.PROPS_IFACE, 'Set', 'ssv', '',
            "raise dbus.exceptions.DBusException('Not allowed by policy', "
            "name='org.freedesktop.DBus.Error.AccessDenied')")
        before = self.active_profile()
        self.menu.click('Power profile', 'Performance')
        message = 'Power manager|The power profile could not be changed to Performance: ' \
                  'Not allowed by policy'
        w.wait_until(lambda: message in self.desktop.messages(), 5,
                     what='the message (have %s)' % self.desktop.messages())
        self.assertEqual(self.active_profile(), before)
        self.assertEqual(self.menu.checked('Power profile'), [ENTRIES[before]])


if __name__ == '__main__':
    w.main()
