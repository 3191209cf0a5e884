'''The tray of the real program, as a desktop's tray host sees it: the
window's item, an item per battery with its information lines and charge
gauge, gauges following the Changed signal, items coming and going with
their batteries.'''

import os
import sys
import time
import unittest

import dbus

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

INFO_LABELS = ['Model:', 'Serial number:', 'Vendor:', 'Technology:', 'Type:', 'Sysfs path:']
# The mock's batteries hold their design energy.
FULL_CAPACITY = ('Capacity:', '100\xa0% (50.0 of 50.0\xa0Wh)')


class Tray(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        w.install_icon_theme()
        cls.desktop = w.Desktop()
        cls.upower = w.UPower()
        up = cls.upower
        cls.bat0 = up.add_battery('BAT0', 37, w.CHARGING)
        # Device strings are text: markup in them must come out as written.
        cls.bat1 = up.add_battery('BAT1', 80, w.CHARGING, Model=dbus.String('Cell <3 & Co'),
                                  NativePath=dbus.String('/sys/devices/virtual/mem/null'))
        cls.ups = up.add_battery('UPS0', 64, w.DISCHARGING, w.UPS, Technology=dbus.UInt32(4))
        up.add_battery('AC', 0, 0, w.LINE_POWER)
        up.add_battery('MOUSE', 50, w.DISCHARGING, w.MOUSE)
        cls.program = w.Program()

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.upower.stop()
        cls.desktop.stop()

    def wait_for_rows(self, item, percent):
        '''Waits until every square pixmap of item shows the gauge of percent.'''
        def matches():
            pixmaps = item.pixmaps()
            return 16 in pixmaps and all(image.rows() == w.expected_gauge_rows(side, percent)
                                         for side, image in pixmaps.items())
        try:
            w.wait_until(matches, 3, what='the gauge of %d %%' % percent)
        except AssertionError:
            self.assertEqual(item.pixmaps()[16].rows(), w.expected_gauge_rows(16, percent))
            raise

    def test_1_window_item_before_the_first_monitor_run(self):
        items = w.wait_until(self.desktop.window_items, 10, what="the window's tray item")
        elapsed = time.monotonic() - self.program.started
        self.assertLess(elapsed, w.MONITOR_SECONDS, 'the item came after the first monitor run')
        self.assertEqual(len(items), 1)
        self.assertEqual(items[0].tool_tip(), ('Power management', ''))
        self.assertEqual(items[0].icon_name(), 'power')

    def test_2_an_item_per_battery_with_its_information(self):
        items = w.wait_until(lambda: len(self.desktop.battery_items()) >= 3 and
                             self.desktop.battery_items(), 10, what='the battery items')
        self.assertEqual(sorted(items), ['Cell <3 & Co', 'Model BAT0', 'Model UPS0'])
        # The window's item and one per battery or UPS: none for the line
        # power or the mouse.
        self.assertEqual(len(self.desktop.items()), 4)

        expected = {
            'Model BAT0': ['Model BAT0', 'SN-BAT0', 'Vendor BAT0', 'Lithium ion', 'Battery',
                           '/sys/fake/BAT0'],
            'Cell <3 & Co': ['Cell <3 & Co', 'SN-BAT1', 'Vendor BAT1', 'Lithium ion', 'Battery',
                             '/sys/devices/virtual/mem/null', '/dev/null'],
            'Model UPS0': ['Model UPS0', 'SN-UPS0', 'Vendor UPS0', 'Lead acid', 'UPS',
                           '/sys/fake/UPS0'],
        }
        for model, values in expected.items():
            with self.subTest(model=model):
                title, text = items[model].tool_tip()
                labels = INFO_LABELS + (['Device:'] if len(values) > 6 else [])
                self.assertEqual(w.tooltip_lines(title),
                                 list(zip(labels, values)) + [FULL_CAPACITY])
                self.assertIn('&lt;3 &amp; Co' if '<' in model else model, title)
                self.assertEqual(text, '')

    def test_3_gauges_show_the_charge(self):
        items = w.wait_until(lambda: len(self.desktop.battery_items()) >= 3 and
                             self.desktop.battery_items(), 10, what='the battery items')
        for model, percent in [('Model BAT0', 37), ('Cell <3 & Co', 80), ('Model UPS0', 64)]:
            with self.subTest(model=model):
                pixmaps = items[model].pixmaps()
                self.assertTrue({16, 22, 32}.issubset(pixmaps), sorted(pixmaps))
                for side, image in pixmaps.items():
                    self.assertEqual(image.rows(), w.expected_gauge_rows(side, percent),
                                     '%d px gauge at %d %%' % (side, percent))

    def test_4_changed_signal_redraws_the_gauge(self):
        items = w.wait_until(lambda: len(self.desktop.battery_items()) >= 3 and
                             self.desktop.battery_items(), 10, what='the battery items')
        # Below half the colour turns from yellow-green to orange.
        self.upower.change(self.bat1, **w.charge_properties(45))
        self.wait_for_rows(items['Cell <3 & Co'], 45)
        self.upower.change(self.bat0, **w.charge_properties(3))
        self.wait_for_rows(items['Model BAT0'], 3)
        # A full battery reads 100 % whatever its energy.
        self.upower.change(self.bat0, State=dbus.UInt32(w.FULLY_CHARGED))
        self.wait_for_rows(items['Model BAT0'], 100)

    def test_5_batteries_come_and_go_with_their_items(self):
        items = w.wait_until(lambda: len(self.desktop.battery_items()) >= 3 and
                             self.desktop.battery_items(), 10, what='the battery items')
        ups = items['Model UPS0']
        self.upower.remove(self.ups)
        w.wait_until(lambda: not ups.alive(), 3, what='the UPS item to leave the bus')
        self.assertEqual(sorted(self.desktop.battery_items()), ['Cell <3 & Co', 'Model BAT0'])

        self.upower.add_battery('BAT2', 90, w.CHARGING, announce=True)
        added = w.wait_until(lambda: self.desktop.battery_items().get('Model BAT2'), 3,
                             what='an item for the added battery')
        self.assertEqual(added.pixmaps()[16].rows(), w.expected_gauge_rows(16, 90))
        self.assertEqual(len(self.desktop.items()), 4)
        self.assertTrue(self.program.running())


if __name__ == '__main__':
    w.main()
