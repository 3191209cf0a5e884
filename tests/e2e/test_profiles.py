'''The power profile that follows the power source, in the real program
against python3-dbusmock's power-profiles-daemon: the choices on a page of
the Settings tab that is there only with a daemon, made with the pointer;
the chosen profile set when "Power is down" and "Power is up" are told; a
profile picked meanwhile kept; power-saver held while the battery is low and
released when it charges; a stored profile the daemon does not offer shown
and never sent.'''

import os
import sys
import time
import unittest

import dbus

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402
from test_traymenu import Menu  # noqa: E402

PROFILES = 'net.hadess.PowerProfiles'
PROFILES_PATH = '/net/hadess/PowerProfiles'
VERSION = '1.90.6'
DOWN, UP = 'Power manager|Power is down', 'Power manager|Power is up'


def setUpModule():
    w.install_icon_theme()
    w.expose_accessibility()


class Machine:
    '''A laptop on line power with one battery at 80 %, charging.'''

    def start_machine(self):
        self.desktop = w.Desktop()
        self.addCleanup(self.desktop.stop)
        self.upower = w.UPower(DaemonVersion=VERSION)
        self.addCleanup(self.upower.stop)
        self.ac = self.upower.add_battery('AC', 0, 0, w.LINE_POWER, Online=dbus.Boolean(True))
        self.bat0 = self.upower.add_battery('BAT0', 80, w.CHARGING)

    def start_profiles(self):
        self.daemon = w.Mock('power_profiles_daemon', PROFILES, PROFILES_PATH, True)
        self.addCleanup(self.daemon.stop)

    def start_program(self):
        self.program = w.Program()
        self.addCleanup(self.program.stop)
        self.program.window()
        self.root = self.program.accessible()

    def unplug(self, percent):
        self.upower.announce(self.ac, Online=dbus.Boolean(False))
        self.upower.announce(self.bat0, State=dbus.UInt32(w.DISCHARGING),
                             **w.charge_properties(percent))

    def plug_in(self):
        self.upower.announce(self.ac, Online=dbus.Boolean(True))
        self.upower.announce(self.bat0, State=dbus.UInt32(w.CHARGING))

    def told(self, message, count=1):
        w.wait_until(lambda: self.desktop.messages().count(message) >= count,
                     3 * w.MONITOR_SECONDS,
                     what='%r (have %s)' % (message, self.desktop.messages()))

    def active_profile(self):
        return str(self.daemon.object().Get(PROFILES, 'ActiveProfile',
                                            dbus_interface=w.PROPS_IFACE))

    def profile_writes(self):
        '''How often the daemon's ActiveProfile was set.'''
        with open(self.daemon.log_path) as f:
            return f.read().count(' Set %s %s.ActiveProfile' % (PROFILES_PATH, PROFILES))

    def holds(self):
        return [dict(hold) for hold in self.daemon.object().Get(
            PROFILES, 'ActiveProfileHolds', dbus_interface=w.PROPS_IFACE)]

    def open_tab(self, name):
        tab = w.wait_until(lambda: self.root.find_all(role='page tab', name=name, showing=True),
                           10, what='the tab %r' % name)[0]
        tab.click()
        w.wait_until(lambda: w.STATE_FOCUSED in tab.states(), 5, what='the tab %r' % name)

    def lists(self):
        '''The combo boxes of the page in front: line power, battery, level.'''
        return w.wait_until(lambda: self.root.find_all(role='combo box', showing=True), 5,
                            what='the lists of the page')


class FollowingTheSource(Machine, unittest.TestCase):
    def setUp(self):
        self.start_machine()
        self.start_program()

    def test_chosen_set_picked_kept_low_held_and_released(self):
        self.open_tab('Settings')
        self.assertNotIn('Power profile', sum(w.tab_names(self.root), []))
        self.start_profiles()
        w.wait_until(lambda: 'Power profile' in sum(w.tab_names(self.root), []), 10,
                     what='the Power profile page')
        self.open_tab('Power profile')
        line, battery, _ = self.lists()
        line.choose('Performance')
        battery.choose('Power Saver')
        w.wait_until(lambda: self.root.find_all(role='check box', showing=True), 5,
                     what='the low battery box')[0].click()
        w.wait_until(lambda: w.read_settings().get('Control/Profile/Low') == 'true', 5,
                     what='the low battery hold stored')
        self.assertEqual(w.read_settings().get('Control/Profile/LinePower'), 'performance')
        self.assertEqual(w.read_settings().get('Control/Profile/Battery'), 'power-saver')
        self.assertEqual(self.active_profile(), 'balanced')

        self.unplug(60)
        self.told(DOWN)
        w.wait_until(lambda: self.active_profile() == 'power-saver', 5, what='power-saver')
        # Picked from the tray menu meanwhile: it stays while the source does.
        tray = Menu(w.wait_until(self.desktop.window_items, 10, what="the window's tray item")[0])
        w.wait_until(lambda: 'Balanced' in str(tray.texts()), 10, what='the profiles in the menu')
        tray.click('Power profile', 'Balanced')
        w.wait_until(lambda: self.active_profile() == 'balanced', 5, what='balanced')
        writes = self.profile_writes()
        self.upower.announce(self.bat0, **w.charge_properties(21))
        time.sleep(2 * w.MONITOR_SECONDS + 1)
        self.assertEqual(self.active_profile(), 'balanced')
        self.assertEqual(self.profile_writes(), writes)
        self.assertEqual(self.daemon.calls('HoldProfile'), [])

        # At the level (20 %, the default), power-saver is held.
        self.upower.announce(self.bat0, **w.charge_properties(20))
        w.wait_until(lambda: self.daemon.calls('HoldProfile'), 2 * w.MONITOR_SECONDS,
                     what='the hold')
        self.assertEqual(self.daemon.calls('HoldProfile'),
                         [['power-saver', 'The battery is low', 'wex-power']])
        self.assertEqual([h['Profile'] for h in self.holds()], ['power-saver'])

        # Charging: released, and the line power's profile set.
        self.plug_in()
        self.told(UP)
        w.wait_until(lambda: self.daemon.calls('ReleaseProfile'), 2 * w.MONITOR_SECONDS,
                     what='the release')
        self.assertEqual(self.daemon.calls('ReleaseProfile'), [[1]])
        self.assertEqual(self.holds(), [])
        w.wait_until(lambda: self.active_profile() == 'performance', 5, what='performance')


class NotOffered(Machine, unittest.TestCase):
    '''Choices stored for a daemon that offered "turbo".'''

    def setUp(self):
        self.start_machine()
        self.start_profiles()
        w.write_settings({'Control/Profile/LinePower': 'turbo',
                          'Control/Profile/Battery': 'turbo'})
        self.start_program()

    def test_kept_shown_and_never_sent(self):
        self.open_tab('Settings')
        self.open_tab('Power profile')
        names = [node.name() for node in self.lists()[:2]]
        self.assertEqual(names, ['turbo (not offered)'] * 2)
        self.unplug(60)
        self.told(DOWN)
        self.plug_in()
        self.told(UP)
        time.sleep(2)
        self.assertEqual(self.profile_writes(), 0)
        self.assertEqual(self.active_profile(), 'balanced')
        self.assertEqual([m for m in self.desktop.messages() if 'profile' in m], [])
        self.assertEqual(w.read_settings().get('Control/Profile/LinePower'), 'turbo')


if __name__ == '__main__':
    w.main()
