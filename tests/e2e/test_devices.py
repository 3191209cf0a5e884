'''The batteries of the machine's devices, as their owner meets them in the
real program on today's stack: a wireless mouse on the Devices page, its
warning when it runs low, once each time, and none once its "Warn when low"
box is cleared with the pointer. None of it acts on the machine. A device
chooses its own name, so a hostile one is shown as short plain text, and
hundreds of devices cost bounded memory and messages.'''

import os
import re
import sys
import time
import unittest
import unicodedata

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


# What a device near the machine may call itself: markup, control and
# direction characters, and 4,000 letters more.
HOSTILE_MARKUP = '<b>Mouse</b><img src="/etc/passwd"><a href="x">y</a>'
HOSTILE_NAME = HOSTILE_MARKUP + '\x1b[31m\x07\x7f\u202e' + 'x' * 4000
# Its visible start, as the program shows it: one line of 64 characters.
HOSTILE_SHOWN = HOSTILE_MARKUP + '[31m'
HOSTILE_SHOWN += 'x' * (63 - len(HOSTILE_SHOWN)) + '\u2026'
LOW_DEVICES = re.compile(r'^(\d+) devices are low: ')


def hidden_characters(text):
    '''The control and direction characters in text, line breaks aside.'''
    return [c for c in text if c != '\n' and unicodedata.category(c) in ('Cc', 'Cf')]


def rss_kib(pid):
    with open('/proc/%d/status' % pid) as f:
        return int(next(line for line in f if line.startswith('VmRSS:')).split()[1])


class DevicesNamedByOthers(unittest.TestCase):
    def setUp(self):
        self.desktop = w.Desktop()
        self.addCleanup(self.desktop.stop)
        self.consolekit = w.ConsoleKit()
        self.addCleanup(self.consolekit.stop)
        self.upower = w.UPower(DaemonVersion='0.99.20')
        self.addCleanup(self.upower.stop)
        self.upower.add_battery('BAT0', 80, w.CHARGING)
        self.program = w.Program()
        self.addCleanup(self.program.stop)
        self.window = self.program.window()

    def add_low_mouse(self, name, model):
        return self.upower.add_battery(name, 5, w.DISCHARGING, w.MOUSE, announce=True,
                                       PowerSupply=dbus.Boolean(False),
                                       Model=dbus.String(model))

    def device_warnings(self):
        return [n[1] for n in self.desktop.notifications() if n[1].endswith(' soon.')]

    def window_tool_tip(self):
        '''The window's tray tooltip once it lists devices.'''
        for item in self.desktop.items():
            title = item.tool_tip()[0]
            if title.startswith(w.WINDOW_TITLE + '\n'):
                return title
        return None

    def test_a_hostile_name_is_plain_bounded_text(self):
        self.add_low_mouse('HOSTILE', HOSTILE_NAME)
        body = w.wait_until(self.device_warnings, 4 * w.MONITOR_SECONDS,
                            what='the warning of the hostile mouse')[0]
        tip = w.wait_until(self.window_tool_tip, 4 * w.MONITOR_SECONDS,
                           what='the window tooltip with the mouse')
        for text in (body, tip):
            # Notification bodies and tray tooltips are read as markup: the
            # name's tags arrive escaped, shown as the characters they are.
            self.assertNotIn('<', text)
            self.assertNotIn('>', text)
            self.assertIn('&lt;b&gt;Mouse&lt;/b&gt;&lt;img', text)
            self.assertEqual(hidden_characters(text), [])
            self.assertLess(len(text), 400)

        root = self.program.accessible()
        w.wait_until(lambda: root.find_all(role='page tab', name='Devices', showing=True), 10,
                     what='the Devices tab')[0].click()
        w.wait_until(lambda: root.find_all(name=HOSTILE_SHOWN, showing=True), 10,
                     what='the name on the Devices page')
        root.find_all(role='page tab', name='Settings', showing=True)[0].click()
        w.wait_until(lambda: root.find_all(role='label', name=HOSTILE_SHOWN, showing=True), 10,
                     what='the name in its settings row')
        self.assertEqual(self.consolekit.stops(), 0)

    def test_many_devices_cost_bounded_memory_and_messages(self):
        time.sleep(2)
        start = rss_kib(self.program.pid)
        count = 300
        for i in range(count):
            self.add_low_mouse('MOUSE%03d' % i, 'm%03d' % i + 'x' * 1020)

        def warned():
            told = 0
            for body in self.device_warnings():
                many = LOW_DEVICES.match(body)
                told += int(many.group(1)) if many else 1
            return told >= count and told
        self.assertEqual(w.wait_until(warned, 12 * w.MONITOR_SECONDS,
                                      what='every mouse to be warned of'), count)
        # A message per check, not per device: the checks come every few
        # seconds, while the devices all arrived within a few of them.
        times = [float(line.split()[0].rstrip(':')) for line in
                 open(self.desktop.notifier.log_path) if ' Notify ' in line]
        self.assertLessEqual(len(times), (times[-1] - times[0]) / w.MONITOR_SECONDS + 2, times)
        tip = w.wait_until(self.window_tool_tip, 4 * w.MONITOR_SECONDS, what='the tooltip')
        self.assertIn('and 295 more', tip)
        self.assertLess(len(tip), 600)
        time.sleep(w.MONITOR_SECONDS)
        grown = rss_kib(self.program.pid) - start
        print('RSS grew by %d KiB with %d devices' % (grown, count))
        if not self.program.sanitized():
            self.assertLess(grown, 20 * 1024)
        self.assertEqual(w.geometry(self.window)[3] < 1024, True)


if __name__ == '__main__':
    w.main()
