'''The power monitor of the real program, run after run: line-power
messages on the desktop and the critical-charge shutdown, observed through
the notification daemon and the ConsoleKit stand-in.'''

import datetime
import os
import signal
import sys
import time
import unittest

import dbus

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

DOWN = 'Power manager|Power is down'
UP = 'Power manager|Power is up'
# The UPS runs down one point above its level: warned once, not acted upon.
WARNED = ('Power manager|Model OTHER is at 11\u00a0%, about 60\u00a0min left.'
          ' Shutdown at 10\u00a0%.')


class LinePowerAndCriticalCharge(unittest.TestCase):
    '''One program through a power cut: a battery and a UPS start charging,
    then discharge (the battery at its critical level of 10 %, the UPS just
    above it), then the power comes back.'''

    @classmethod
    def setUpClass(cls):
        w.install_icon_theme()
        cls.desktop = w.Desktop()
        cls.upower = w.UPower()
        cls.consolekit = w.ConsoleKit()
        cls.low = cls.upower.add_battery('LOW', 10, w.CHARGING)
        cls.other = cls.upower.add_battery('OTHER', 11, w.CHARGING, w.UPS)
        cls.program = w.Program()
        cls.program.window()  # the start is over, the monitor runs from here on
        cls.window_item = w.wait_until(cls.desktop.window_items, 10, what="the window's item")[0]

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.consolekit.stop()
        cls.upower.stop()
        cls.desktop.stop()

    def assert_run(self, messages, stops, icon):
        self.assertEqual(self.desktop.messages(), messages)
        self.assertEqual(self.consolekit.stops(), stops)
        self.assertEqual(self.window_item.icon_name(), icon)

    def test_1_charging_at_the_level_does_nothing(self):
        self.upower.wait_for_monitor_run()
        self.assert_run([], 0, 'power')

    def test_2_power_cut(self):
        self.upower.set_state(self.low, w.DISCHARGING)
        self.upower.set_state(self.other, w.DISCHARGING)
        self.upower.wait_for_monitor_run()
        w.wait_until(lambda: len(self.desktop.messages()) > 1, 3, what='two messages')
        self.assert_run([DOWN, WARNED], 1, 'dialog-warning')
        self.assertEqual(self.desktop.notifications()[0][2:], ('dialog-warning', 10000))
        self.assertIn('would shut the machine down', self.consolekit.output())

        # Still at the level: the next run shuts down again; the messages
        # are not repeated.
        self.upower.wait_for_monitor_run()
        self.assert_run([DOWN, WARNED], 2, 'dialog-warning')

    def test_3_power_back(self):
        self.upower.set_state(self.low, w.CHARGING)
        self.upower.set_state(self.other, w.FULLY_CHARGED)
        self.upower.wait_for_monitor_run()
        w.wait_until(lambda: len(self.desktop.messages()) > 2, 3, what='a third message')
        self.assert_run([DOWN, WARNED, UP], 2, 'power')
        self.assertEqual(self.desktop.notifications()[2][2:], ('dialog-information', 10000))

        self.upower.wait_for_monitor_run()
        self.assert_run([DOWN, WARNED, UP], 2, 'power')
        self.assertTrue(self.program.running())


class StoredActionsAndSchedules(unittest.TestCase):
    '''Critical levels and actions, and schedules, read from the settings
    file: written before the start, then changed between two runs.'''

    @classmethod
    def setUpClass(cls):
        if w.time_of_day_in(120) is None:
            raise unittest.SkipTest('schedules do not wrap at midnight')
        cls.upower = w.UPower()
        cls.consolekit = w.ConsoleKit()
        cls.bat = cls.upower.add_battery('BAT0', 20, w.DISCHARGING)
        cls.ups = cls.upower.add_battery('UPS0', 30, w.DISCHARGING, w.UPS)
        cls.write(bat_level=25, suspend=(True, 3), shutdown=(True, 75))
        cls.program = w.Program()
        cls.program.window()

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.consolekit.stop()
        cls.upower.stop()

    @classmethod
    def write(cls, bat_level, suspend, shutdown):
        '''Stores the critical levels and the schedules (enabled, seconds
        from now) as the settings panel would.'''
        values = {
            w.battery_key(cls.bat, 'CriticalChargeLevel'): str(bat_level),
            w.battery_key(cls.bat, 'CriticalAction'): 'hibernate',
            w.battery_key(cls.ups, 'CriticalChargeLevel'): '50',
            w.battery_key(cls.ups, 'CriticalAction'): '*',
        }
        for action, (enabled, seconds) in (('suspend', suspend), ('shutdown', shutdown)):
            at = w.time_of_day_in(seconds)
            values[w.schedule_key(action, 'Enabled')] = 'true' if enabled else 'false'
            values[w.schedule_key(action, 'Time')] = w.qtime_value(at.hour, at.minute, at.second)
        w.write_settings(values)

    def test_stored_actions_and_due_schedules_run(self):
        self.upower.wait_for_monitor_run()
        # The critical battery first, then the schedules. The UPS does
        # nothing at its level and the shutdown is more than a minute ahead.
        w.wait_until(lambda: len(self.upower.sleep_requests()) >= 2, 3, what='two requests')
        self.assertEqual(self.upower.sleep_requests(), ['Hibernate', 'Suspend'])
        self.assertEqual(self.consolekit.stops(), 0)
        self.assertIn('would hibernate', self.upower.output())

        # Read again at every run: the battery's level below its charge,
        # the suspend switched off and the shutdown due in under a minute.
        self.write(bat_level=15, suspend=(False, 0), shutdown=(True, 50))
        self.upower.wait_for_monitor_run()
        w.wait_until(self.consolekit.stops, 3, what='a shutdown')
        self.assertEqual(self.consolekit.stops(), 1)
        self.assertEqual(self.upower.sleep_requests(), ['Hibernate', 'Suspend'])


class ScheduleAcrossASleep(unittest.TestCase):
    '''A scheduled suspend is asked for on every tick of its window, but not
    again in that window once the program has been away since it asked:
    stopped with SIGSTOP, as a sleeping machine stops it, its clocks jump.'''

    def start(self, seconds_from_now):
        '''The program, with a suspend scheduled that many seconds from now.'''
        if w.time_of_day_in(seconds_from_now - 60) is None or \
                w.time_of_day_in(seconds_from_now + 60) is None:
            self.skipTest('schedules do not wrap at midnight')
        at = w.time_of_day_in(seconds_from_now)
        w.write_settings({
            w.schedule_key('suspend', 'Enabled'): 'true',
            w.schedule_key('suspend', 'Time'): w.qtime_value(at.hour, at.minute, at.second),
        })
        self.upower = w.UPower()
        self.addCleanup(self.upower.stop)
        self.upower.add_battery('BAT0', 80, w.CHARGING)
        self.program = w.Program()
        self.addCleanup(self.program.stop)
        return datetime.datetime.combine(datetime.date.today(), at).timestamp()

    def suspends(self):
        '''The times (whole seconds) of the Suspend requests.'''
        return [int(when) for when, _ in self.upower.mock().GetMethodCalls('Suspend')]

    def test_left_running_it_asks_to_the_end_of_the_window(self):
        window_end = self.start(-30) + 59
        time.sleep(max(0.0, window_end - time.time()) + 2 * w.MONITOR_SECONDS)
        requests = self.suspends()
        self.assertGreaterEqual(len(requests), 3, requests)
        self.assertGreaterEqual(requests[-1], window_end - 2 * w.MONITOR_SECONDS, requests)
        self.assertLessEqual(requests[-1], window_end + 1, requests)

    def test_after_a_sleep_it_asks_no_more_in_that_window(self):
        self.start(45)
        w.wait_until(lambda: len(self.suspends()) >= 2, 3 * w.MONITOR_SECONDS,
                     what='two requests')
        os.kill(self.program.pid, signal.SIGSTOP)
        time.sleep(20)
        before = len(self.suspends())
        os.kill(self.program.pid, signal.SIGCONT)
        # Still inside the window, and the monitor still runs.
        self.upower.wait_for_monitor_run()
        self.upower.wait_for_monitor_run()
        self.assertEqual(len(self.suspends()), before)


class IdleOnTodaysStack(unittest.TestCase):
    '''On a daemon that announces its changes the monitor sleeps through
    the ticks that could decide nothing; it must still be awake on the tick
    a schedule or a held critical charge calls for.'''

    def setUp(self):
        w.install_icon_theme()
        self.upower = w.UPower(DaemonVersion='0.99.20')
        self.addCleanup(self.upower.stop)
        self.consolekit = w.ConsoleKit()
        self.addCleanup(self.consolekit.stop)
        self.bat = self.upower.add_battery('BAT0', 80, w.CHARGING)
        self.program = w.Program()
        self.addCleanup(self.program.stop)
        self.program.window()
        # Past the first tick, which had nothing to do.
        time.sleep(w.MONITOR_SECONDS + 2)

    def test_a_schedule_saved_while_idle_is_run_when_due(self):
        at = w.time_of_day_in(70)
        if at is None or w.time_of_day_in(-60) is None:
            self.skipTest('schedules do not wrap at midnight')
        at = at.replace(microsecond=0)
        w.write_settings({
            w.schedule_key('hibernate', 'Enabled'): 'true',
            w.schedule_key('hibernate', 'Time'): w.qtime_value(at.hour, at.minute, at.second),
        })
        due = datetime.datetime.combine(datetime.date.today(), at).timestamp() - 59

        def hibernates():
            return [when for when, _ in self.upower.mock().GetMethodCalls('Hibernate')]
        w.wait_until(hibernates, due - time.time() + 6 * w.MONITOR_SECONDS,
                     what='a scheduled hibernation')
        # On the first tick of its window, not on a tick slept to later.
        self.assertGreaterEqual(hibernates()[0], due - 1)
        self.assertLessEqual(hibernates()[0], due + 2 * w.MONITOR_SECONDS)

    def test_a_critical_charge_is_acted_on_at_every_tick(self):
        def stops():
            return [when for when, _ in self.consolekit.mock().GetMethodCalls('Stop')]
        self.upower.announce(self.bat, State=dbus.UInt32(w.DISCHARGING),
                             **w.charge_properties(5))
        w.wait_until(lambda: len(stops()) >= 3, 6 * w.MONITOR_SECONDS,
                     what='a shutdown at three ticks')
        first, second, third = stops()[:3]
        # Tick after tick, not one long sleep apart.
        self.assertLessEqual(third - first, 4 * w.MONITOR_SECONDS, stops())

        self.upower.announce(self.bat, State=dbus.UInt32(w.CHARGING))
        time.sleep(w.MONITOR_SECONDS + 1)
        count = len(stops())
        time.sleep(2 * w.MONITOR_SECONDS)
        self.assertEqual(len(stops()), count)

if __name__ == '__main__':
    w.main()
