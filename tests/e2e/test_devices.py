'''The batteries of the machine's devices, as their owner meets them in the
real program on today's stack: a wireless mouse on the Devices page, its
warning when it runs low, once each time, and none once its "Warn when low"
box is cleared with the pointer. None of it acts on the machine.'''

import os
import sys
import time
import unittest

import dbus

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

WARNING = 'Model MOUSE is at %d\u00a0%%. Charge it or change its battery soon.'


def setUpModule():
    w.install_icon_theme()
    w.expose_accessibility()


class DeviceBatteries(unittest.TestCase):
    def setUp(self):
        self.desktop = w.Desktop()
        self.addCleanup(self.desktop.stop)
        self.consolekit = w.ConsoleKit()
        self.addCleanup(self.consolekit.stop)
        self.upower = w.UPower(DaemonVersion='0.99.20')
        self.addCleanup(self.upower.stop)
        self.upower.add_battery('BAT0', 80, w.CHARGING)
        self.mouse = self.upower.add_battery('MOUSE', 50, w.DISCHARGING, w.MOUSE,
                                             PowerSupply=dbus.Boolean(False))
        self.program = w.Program()
        self.addCleanup(self.program.stop)
        self.program.window()
        self.root = self.program.accessible()

    def open_tab(self, name):
        w.wait_until(lambda: self.root.find_all(role='page tab', name=name, showing=True), 10,
                     what='the tab %r' % name)[0].click()

    def warnings(self, percent):
        return [n for n in self.desktop.notifications() if n[1] == WARNING % percent]

    def run_low(self, percent):
        '''The mouse charges a moment, then runs down to percent.'''
        self.upower.announce(self.mouse, State=dbus.UInt32(w.CHARGING))
        time.sleep(w.MONITOR_SECONDS + 1)
        self.upower.announce(self.mouse, State=dbus.UInt32(w.DISCHARGING),
                             **w.charge_properties(percent))

    def test_shown_warned_once_and_not_after_the_box_is_cleared(self):
        self.open_tab('Devices')
        w.wait_until(lambda: self.root.find_all(name='Model MOUSE', showing=True) and
                     self.root.find_all(name='50\u00a0%', showing=True), 10,
                     what='the mouse and its charge on the Devices page')

        self.upower.announce(self.mouse, **w.charge_properties(8))
        w.wait_until(lambda: self.warnings(8), 2 * w.MONITOR_SECONDS, what='the warning at 8 %')
        self.upower.announce(self.mouse, **w.charge_properties(6))
        time.sleep(2 * w.MONITOR_SECONDS)
        self.assertEqual(len(self.warnings(8)) + len(self.warnings(6)), 1)
        self.run_low(5)
        w.wait_until(lambda: self.warnings(5), 2 * w.MONITOR_SECONDS, what='a new warning')

        self.open_tab('Settings')
        box = w.wait_until(lambda: self.root.find_all(role='check box', name='Warn when low',
                                                      showing=True), 10, what='the box')[0]
        box.click()
        key = w.battery_key(self.mouse, 'WarnWhenLow')
        w.wait_until(lambda: w.read_settings().get(key) == 'false', 5, what='%s false' % key)
        self.run_low(4)
        time.sleep(2 * w.MONITOR_SECONDS)
        self.assertEqual(self.warnings(4), [])
        self.assertEqual(self.consolekit.stops(), 0)
        self.assertTrue(self.program.running())


if __name__ == '__main__':
    w.main()
