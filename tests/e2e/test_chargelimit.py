'''The charge limit of UPower 1.90.5 and later, as its owner meets it in the
real program: a box on the battery's page, turned on and off with the
pointer, whose mark is what the daemon reports, never what was asked for;
a refusal told once; nothing where the daemon offers no limit; odd values
shown sensibly. A battery that rests at its limit on line power, even one
that says it discharges, is not the machine on battery.'''

import os
import sys
import time
import unittest

import dbus

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

VERSION = '1.90.6'
DEVICE_IFACE = 'org.freedesktop.UPower.Device'
BOX = 'Limit charging to preserve the battery'
STATE_CHECKED = 4
STATE_INDETERMINATE = 32
PENDING_CHARGE = 5
# EnableChargeThreshold as upowerd answers it: the limit is set and announced.
APPLY = "self.UpdateProperties('%s', {'ChargeThresholdEnabled': args[0]})" % DEVICE_IFACE


def setUpModule():
    w.install_icon_theme()
    w.expose_accessibility()


def limit(enabled, start, end, **more):
    props = {'ChargeThresholdSupported': dbus.Boolean(True), 'ChargeThresholdEnabled': enabled,
             'ChargeStartThreshold': start, 'ChargeEndThreshold': end}
    props.update(more)
    return props


def add_line_power(upower, online):
    return upower.add_battery('AC', 0, 0, w.LINE_POWER, Online=dbus.Boolean(online))


class ChargeLimit(unittest.TestCase):
    '''A battery with a limit, one without, and two with odd values.'''

    @classmethod
    def setUpClass(cls):
        cls.desktop = w.Desktop()
        cls.upower = w.UPower(DaemonVersion=VERSION)
        add_line_power(cls.upower, True)
        cls.bat0 = cls.upower.add_battery(
            'BAT0', 80, PENDING_CHARGE,
            **limit(dbus.Boolean(False), dbus.UInt32(75), dbus.UInt32(80),
                    ChargeThresholdSettingsSupported=dbus.UInt32(3)))
        cls.bat1 = cls.upower.add_battery(
            'BAT1', 60, w.CHARGING, **dict(limit(dbus.Boolean(True), dbus.UInt32(75),
                                                 dbus.UInt32(80)),
                                           ChargeThresholdSupported=dbus.Boolean(False)))
        # Reversed, and a mark of another type than a boolean.
        cls.upower.add_battery('BAT2', 60, w.CHARGING,
                               **limit(dbus.String('yes'), dbus.UInt32(90), dbus.UInt32(80)))
        # Thresholds of other types than integers.
        cls.upower.add_battery('BAT3', 60, w.CHARGING,
                               **limit(dbus.Boolean(True), dbus.Double(75.0), dbus.String('80')))
        cls.upower.mock(cls.bat0).AddMethod(DEVICE_IFACE, 'EnableChargeThreshold', 'b', '', APPLY)
        cls.program = w.Program()
        # Wide enough for the five tabs.
        w.xdotool('windowsize', '--sync', cls.program.window(), 900, 500)
        cls.root = cls.program.accessible()

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.upower.stop()
        cls.desktop.stop()

    def open_tab(self, name):
        tab = w.wait_until(lambda: self.root.find_all(role='page tab', name=name, showing=True),
                           10, what='the tab %r' % name)[0]
        tab.click()
        w.wait_until(lambda: w.STATE_FOCUSED in tab.states(), 5, what='the tab %r' % name)

    def shown_boxes(self):
        return self.root.find_all(role='check box', name=BOX, showing=True)

    def box(self):
        return w.wait_until(self.shown_boxes, 10, what='the charge limit box')[0]

    def words(self):
        return [node.name() for node in self.root.find_all(role='label', showing=True)
                if node.name().startswith('Charging ')]

    def mark(self):
        states = self.box().states()
        return 'unknown' if STATE_INDETERMINATE in states else STATE_CHECKED in states

    def wait_for_mark(self, mark):
        w.wait_until(lambda: self.mark() == mark, 5, what='the mark %s (have %s)' % (
            mark, self.mark()))

    def limit_off(self):
        '''The daemon says the limit is off, whatever the program showed.'''
        self.upower.announce(self.bat0, ChargeThresholdEnabled=dbus.Boolean(True))
        self.wait_for_mark(True)
        self.upower.announce(self.bat0, ChargeThresholdEnabled=dbus.Boolean(False))
        self.wait_for_mark(False)

    def enable_calls(self):
        return self.upower.calls('EnableChargeThreshold', self.bat0)

    def test_1_nothing_without_a_limit_and_odd_values_shown_sensibly(self):
        self.open_tab('Model BAT1')
        w.wait_until(lambda: self.root.find_all(role='label', name='60%', showing=True), 5,
                     what='the page of BAT1')
        self.assertEqual(self.shown_boxes(), [])
        self.assertEqual(self.words(), [])

        self.open_tab('Model BAT2')
        self.assertEqual(self.mark(), 'unknown')
        self.assertEqual(self.words(), ['Charging stops at 80\u00a0%'])
        self.open_tab('Model BAT3')
        self.assertEqual(self.mark(), True)
        self.assertEqual(self.words(), [])

    def test_2_the_pointer_turns_it_on_and_off(self):
        self.open_tab('Model BAT0')
        self.assertEqual(self.mark(), False)
        self.assertEqual(self.words(),
                         ['Charging stops at 80\u00a0% and starts again below 75\u00a0%'])
        self.box().click(0.02)
        w.wait_until(lambda: self.enable_calls() == [[True]], 5,
                     what='EnableChargeThreshold(true) (have %s)' % self.enable_calls())
        self.wait_for_mark(True)
        self.box().click(0.02)
        w.wait_until(lambda: self.enable_calls() == [[True], [False]], 5,
                     what='EnableChargeThreshold(false) (have %s)' % self.enable_calls())
        self.wait_for_mark(False)

    def test_3_a_change_made_elsewhere_moves_the_mark(self):
        self.open_tab('Model BAT0')
        self.upower.announce(self.bat0, ChargeThresholdEnabled=dbus.Boolean(True),
                             ChargeEndThreshold=dbus.UInt32(90),
                             ChargeStartThreshold=dbus.UInt32(4294967295))
        self.wait_for_mark(True)
        w.wait_until(lambda: self.words() == ['Charging stops at 90\u00a0%'], 5,
                     what='the new threshold (have %s)' % self.words())
        self.upower.announce(self.bat0, ChargeThresholdEnabled=dbus.Boolean(False),
                             ChargeEndThreshold=dbus.UInt32(80),
                             ChargeStartThreshold=dbus.UInt32(75))
        self.wait_for_mark(False)

    def test_4_a_refusal_is_told_once_and_the_mark_stays(self):
        self.open_tab('Model BAT0')
        self.limit_off()
        self.upower.mock(self.bat0).AddMethod(
            DEVICE_IFACE, 'EnableChargeThreshold', 'b', '',
            "raise dbus.exceptions.DBusException('Not authorized by polkit', "
            "name='org.freedesktop.DBus.Error.AccessDenied')")
        calls = len(self.enable_calls())
        self.box().click(0.02)
        message = 'Power manager|The charge limit of Model BAT0 could not be turned on: ' \
                  'Not authorized by polkit'
        w.wait_until(lambda: message in self.desktop.messages(), 5,
                     what='the refusal (have %s)' % self.desktop.messages())
        time.sleep(2)
        self.assertEqual(self.desktop.messages().count(message), 1)
        self.assertEqual(len(self.enable_calls()), calls + 1)
        self.assertEqual(self.mark(), False)

    def test_5_a_call_that_hangs_leaves_the_mark_as_the_daemon_has_it(self):
        self.open_tab('Model BAT0')
        self.limit_off()
        self.upower.mock(self.bat0).AddMethod(DEVICE_IFACE, 'EnableChargeThreshold', 'b', '',
                                              'time.sleep(6)')
        messages = len(self.desktop.messages())
        self.box().click(0.02)
        # The stand-in answers nothing for a while; the program is not held up.
        for _ in range(4):
            time.sleep(1)
            self.assertEqual(self.mark(), False)
        w.wait_until(lambda: len(self.enable_calls()) == 4, 10, what='the call to end')
        time.sleep(1)
        self.assertEqual(self.mark(), False)
        self.assertEqual(len(self.desktop.messages()), messages)
        self.assertTrue(self.program.running())


class AtItsLimitOnLinePower(unittest.TestCase):
    '''A battery held at 80 % on line power, whose critical level is 90 %:
    "pending-charge", then "discharging" while the adapter is online, is no
    power cut; the adapter unplugged is one.'''

    def setUp(self):
        self.desktop = w.Desktop()
        self.addCleanup(self.desktop.stop)
        self.consolekit = w.ConsoleKit()
        self.addCleanup(self.consolekit.stop)
        self.upower = w.UPower(DaemonVersion=VERSION)
        self.addCleanup(self.upower.stop)
        self.ac = add_line_power(self.upower, True)
        self.bat0 = self.upower.add_battery(
            'BAT0', 80, PENDING_CHARGE,
            **limit(dbus.Boolean(True), dbus.UInt32(75), dbus.UInt32(80)))
        w.write_settings({w.battery_key(self.bat0, 'CriticalChargeLevel'): '90',
                          w.battery_key(self.bat0, 'CriticalAction'): 'shutdown'})
        self.program = w.Program()
        self.addCleanup(self.program.stop)
        self.program.window()

    def power_down(self):
        return [m for m in self.desktop.messages() if m == 'Power manager|Power is down']

    def test_no_power_cut_until_the_adapter_is_unplugged(self):
        time.sleep(2 * w.MONITOR_SECONDS + 1)
        self.upower.announce(self.bat0, State=dbus.UInt32(w.DISCHARGING))
        time.sleep(2 * w.MONITOR_SECONDS + 1)
        self.assertEqual(self.power_down(), [])
        self.assertEqual(self.consolekit.stops(), 0)

        self.upower.announce(self.ac, Online=dbus.Boolean(False))
        w.wait_until(self.power_down, 2 * w.MONITOR_SECONDS, what='"Power is down"')
        w.wait_until(self.consolekit.stops, 2 * w.MONITOR_SECONDS, what='the critical action')


if __name__ == '__main__':
    w.main()
