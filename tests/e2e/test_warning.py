'''The warning the real program gives before a battery's critical action,
as the notification service receives it: once per run-down, only within
five points above the level, never for "Nothing", an unknown charge or a
charge at or below the level.'''

import os
import sys
import unittest

import dbus

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

NBSP = '\u00a0'  # between a number and its unit, so that they never wrap apart


def warning(text):
    return 'Power manager|' + text.replace(' %', NBSP + '%').replace(' min', NBSP + 'min')


class CriticalWarning(unittest.TestCase):
    '''One program with a battery for each rule. All discharge from the
    start except WARN, which the tests run down, charge and run down again.'''

    @classmethod
    def setUpClass(cls):
        w.install_icon_theme()
        cls.desktop = w.Desktop()
        cls.upower = w.UPower()
        cls.consolekit = w.ConsoleKit()
        up = cls.upower
        cls.warn = up.add_battery('WARN', 40, w.CHARGING, TimeToEmpty=dbus.Int64(1190))
        # Its own level and action, and no time left known.
        cls.hib = up.add_battery('HIB', 30, w.DISCHARGING, TimeToEmpty=dbus.Int64(0))
        cls.nothing = up.add_battery('NOTHING', 12, w.DISCHARGING)
        cls.low = up.add_battery('LOW', 10, w.DISCHARGING)
        cls.high = up.add_battery('HIGH', 16, w.DISCHARGING)
        cls.unknown = up.add_battery('UNKNOWN', 0, w.DISCHARGING,
                                     EnergyFullDesign=dbus.Double(0), Percentage=dbus.Double(0))
        w.write_settings({
            w.battery_key(cls.hib, 'CriticalChargeLevel'): '25',
            w.battery_key(cls.hib, 'CriticalAction'): 'hibernate',
            w.battery_key(cls.nothing, 'CriticalAction'): '*',
        })
        cls.program = w.Program()
        cls.program.window()

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.consolekit.stop()
        cls.upower.stop()
        cls.desktop.stop()

    def messages_after_a_run(self, expected_count):
        self.upower.wait_for_monitor_run()
        w.wait_until(lambda: len(self.desktop.messages()) >= expected_count, 3,
                     what='%d messages' % expected_count)
        return self.desktop.messages()

    def run_down(self, percent):
        self.upower.set_state(self.warn, w.DISCHARGING, percent)

    def test_1_only_within_the_band_and_once(self):
        hib = warning('Model HIB is at 30 %. Hibernate at 25 %.')
        self.assertEqual(self.messages_after_a_run(1), [hib])
        notification = self.desktop.notifications()[0]
        self.assertEqual(notification[2:], ('dialog-warning', 10000))
        # LOW is at its level: its action, and no word more.
        self.assertGreater(self.consolekit.stops(), 0)

        self.assertEqual(self.messages_after_a_run(1), [hib])

    def test_2_a_run_down_warns_once(self):
        before = self.desktop.messages()
        self.run_down(14)
        expected = warning('Model WARN is at 14 %, about 20 min left. Shutdown at 10 %.')
        self.assertEqual(self.messages_after_a_run(len(before) + 1), before + [expected])
        for percent in (13, 11):
            self.run_down(percent)
            self.assertEqual(self.messages_after_a_run(len(before) + 1), before + [expected])

    def test_3_charging_ends_the_episode(self):
        before = self.desktop.messages()
        self.upower.set_state(self.warn, w.CHARGING, 12)
        self.assertEqual(self.messages_after_a_run(len(before)), before)
        self.run_down(15)
        expected = warning('Model WARN is at 15 %, about 20 min left. Shutdown at 10 %.')
        self.assertEqual(self.messages_after_a_run(len(before) + 1), before + [expected])

    def test_4_rising_above_the_band_ends_it(self):
        before = self.desktop.messages()
        self.run_down(16)
        self.assertEqual(self.messages_after_a_run(len(before)), before)
        self.run_down(12)
        expected = warning('Model WARN is at 12 %, about 20 min left. Shutdown at 10 %.')
        self.assertEqual(self.messages_after_a_run(len(before) + 1), before + [expected])

    def test_5_none_at_the_level(self):
        before = self.desktop.messages()
        stops = self.consolekit.stops()
        self.upower.set_state(self.warn, w.CHARGING, 40)
        self.assertEqual(self.messages_after_a_run(len(before)), before)
        self.run_down(10)
        self.assertEqual(self.messages_after_a_run(len(before)), before)
        self.assertGreater(self.consolekit.stops(), stops)
        self.assertNotIn('NOTHING', ' '.join(before))
        self.assertNotIn('HIGH', ' '.join(before))
        self.assertNotIn('UNKNOWN', ' '.join(before))
        self.assertNotIn('LOW', ' '.join(before))


if __name__ == '__main__':
    w.main()
