'''The settings of the real program driven as a person drives them: pointer
clicks at the places the accessibility tree gives for each widget, keyboard
focus and keys; every change checked in the settings file.'''

import os
import sys
import unittest

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

STATE_CHECKED = 4
SCHEDULED = ['hibernate', 'shutdown', 'suspend']


def setUpModule():
    w.expose_accessibility()


def stored(key):
    return w.read_settings().get(key)


class SettingsByPointer(unittest.TestCase):
    '''One program with two batteries and every action offered, so that the
    Scheduling page has its three rows.'''

    @classmethod
    def setUpClass(cls):
        cls.upower = w.UPower()
        cls.bat0 = cls.upower.add_battery('BAT0', 80, w.CHARGING)
        cls.bat1 = cls.upower.add_battery('BAT1', 60, w.CHARGING)
        cls.program = w.Program()
        cls.program.window()
        cls.root = cls.program.accessible()

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.upower.stop()

    def tab(self, name):
        return w.wait_until(lambda: self.root.find_all(role='page tab', name=name, showing=True),
                            5, what='the tab %r' % name)[0]

    def open_tab(self, name, shows):
        '''Clicks a tab and waits until a widget of its page shows.'''
        self.tab(name).click()
        return w.wait_until(lambda: self.root.find_all(showing=True, **shows), 5,
                            what='the page of %r' % name)

    def schedule_rows(self):
        '''[(action, check box, time editor)] of the Scheduling page, top down.'''
        self.open_tab('Scheduling', {'role': 'check box'})
        boxes = self.root.find_all(role='check box', showing=True)
        page = [node for node in self.root.walk() if boxes[0].name() in
                [child.name() for child in node.children() if child.role() == 'check box']][0]
        rows = []
        children = page.children()
        for i, child in enumerate(children):
            if child.role() == 'check box':
                editor = next(c for c in children[i + 1:] if c.role() == 'spin box')
                rows.append((child.name().split()[0].lower(), child, editor))
        self.assertEqual([row[0] for row in rows], SCHEDULED)
        return rows

    def battery_row(self, name):
        '''(level list, action list) of a battery's row on the Battery page.'''
        self.open_tab('Battery', {'role': 'combo box'})
        label = 'Charge of Model %s (SN-%s) drops bellow' % (name, name)
        for node in self.root.walk():
            children = node.children()
            if any(c.role() == 'label' and c.name() == label for c in children):
                combos = [c for c in children if c.role() == 'combo box']
                self.assertEqual(len(combos), 2, combos)
                return combos
        self.fail('no row for %s' % name)

    def test_1_tabs(self):
        self.open_tab('Model BAT1', {'role': 'label', 'name': '60%'})
        self.open_tab('Model BAT0', {'role': 'label', 'name': '80%'})
        self.assertEqual(self.root.find_all(role='label', name='60%', showing=True), [])
        self.open_tab('Settings', {'role': 'page tab', 'name': 'Scheduling'})
        self.assertEqual(self.root.find_all(role='label', name='80%', showing=True), [])
        self.open_tab('Scheduling', {'role': 'check box', 'name': 'Hibernate at:'})
        self.open_tab('Battery', {'role': 'combo box'})
        self.assertEqual(self.root.find_all(role='check box', showing=True), [])

    def test_2_every_schedule_check_box(self):
        for action, box, _ in self.schedule_rows():
            box.click()
            key = w.schedule_key(action, 'Enabled')
            w.wait_until(lambda: stored(key) == 'true', 5, what='%s stored as true' % key)
            self.assertIn(STATE_CHECKED, box.states())
            self.assertEqual(stored(w.schedule_key(action, 'Time')), w.qtime_value(0, 0))

        # The first row, once lain under by an empty widget, clears again.
        action, box, _ = self.schedule_rows()[0]
        box.click()
        key = w.schedule_key(action, 'Enabled')
        w.wait_until(lambda: stored(key) == 'false', 5, what='%s stored as false' % key)
        self.assertNotIn(STATE_CHECKED, box.states())

    def test_3_every_time_editor(self):
        for action, box, editor in self.schedule_rows():
            enabled = 'true' if STATE_CHECKED in box.states() else 'false'
            # The hour is the editor's first section: click into it, step it up.
            editor.click(across=0.15)
            w.xdotool('key', 'Up')
            key = w.schedule_key(action, 'Time')
            w.wait_until(lambda: stored(key) == w.qtime_value(1, 0), 5,
                         what='%s stored as 01:00' % key)
            w.xdotool('key', 'Up')
            w.wait_until(lambda: stored(key) == w.qtime_value(2, 0), 5,
                         what='%s stored as 02:00' % key)
            self.assertEqual(stored(w.schedule_key(action, 'Enabled')), enabled)

    def test_4_every_level_and_action_list(self):
        for name, path, level, entry, action in (('BAT0', self.bat0, '25%', 'Hibernate',
                                                  'hibernate'),
                                                 ('BAT1', self.bat1, '90%', 'Nothing', '*')):
            levels, actions = self.battery_row(name)
            levels.choose(level)
            key = w.battery_key(path, 'CriticalChargeLevel')
            w.wait_until(lambda: stored(key) == level.rstrip('%'), 5,
                         what='%s stored as %s' % (key, level))
            actions.choose(entry)
            key = w.battery_key(path, 'CriticalAction')
            w.wait_until(lambda: stored(key) == action, 5, what='%s stored as %s' % (key, action))

    def test_4_the_idle_sleep_row(self):
        self.open_tab('When idle', {'role': 'combo box'})
        # Top down on battery: dim after, dim to, screen off after, sleep
        # after, sleep by; then the same on line power.
        rows = self.root.find_all(role='combo box', showing=True)
        sleep_after = rows[3]
        self.assertEqual(sleep_after.name(), 'Never')
        sleep_after.choose('15 min')
        key = 'Control/Idle/Battery/SleepAfter'
        w.wait_until(lambda: stored(key) == '900', 5, what='%s stored as 900' % key)
        # The list keeps the keyboard: the next entry down.
        w.xdotool('key', 'Down')
        w.wait_until(lambda: stored(key) == '1800', 5, what='%s stored as 1800' % key)
        w.wait_until(lambda: sleep_after.name() == '30 min', 5, what='30 min shown')

    def test_5_file_exit(self):
        self.root.find_all(role='menu item', name='File', showing=True)[0].click()
        exit_item = w.wait_until(
            lambda: [i for i in self.root.find_all(role='menu item', name='Exit', showing=True)
                     if i.extents()[0] > 0], 5, what='the Exit entry')[0]
        exit_item.click()
        self.assertEqual(self.program.wait(5), 0)
        self.assertIn('WexIntegration/Geometry/WMain', w.read_settings())


if __name__ == '__main__':
    w.main()
