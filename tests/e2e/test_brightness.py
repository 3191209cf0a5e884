'''The screen's and the keyboard's light of the real program, on a sysfs
that umockdev simulates (tests/harness/simulatedlights.py): the stand-in
for logind records each SetBrightness and sets the simulated backlight as
logind and the kernel do, and Debian's upowerd serves the keyboard light
from the same sysfs. The keys come from the X server (xdotool), the tray's
menu is read and clicked over dbusmenu, the window's sliders are read
through the accessibility tree.'''

import os
import select
import subprocess
import sys
import time
import unittest

import dbus

# The helpers live beside the harness, whatever PYTHONPATH says.
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'harness'))
sys.path.insert(0, HERE)
import wextest as w  # noqa: E402
from simulatedlights import SimulatedLights  # noqa: E402
from test_start import run_bare  # noqa: E402
from test_traymenu import Menu  # noqa: E402

PANEL = 'intel_backlight'
KEYBOARD = 'tpacpi::kbd_backlight'
KBD_PATH = '/org/freedesktop/UPower/KbdBacklight'
KBD_IFACE = 'org.freedesktop.UPower.KbdBacklight'
VALUE_IFACE = 'org.a11y.atspi.Value'
REFUSAL = 'Session is not in foreground, refusing.'
NO_LOGIND = 'It cannot be set here: no login manager (logind) runs.'
# AT-SPI's states of a widget that takes input.
STATE_ENABLED = 8
STATE_SENSITIVE = 24
# The screen's steps on a panel of 937 levels, by their percentages.
STEPS = {10: 9, 20: 37, 30: 84, 40: 150, 50: 234, 60: 337, 70: 459, 80: 600, 90: 759, 100: 937}
STEP_TEXTS = ['%d%%' % percent for percent in sorted(STEPS)]
# How long a check for something that must not happen waits: a retry loop
# or a pile of messages would show well within it.
QUIET_SECONDS = 2


def setUpModule():
    w.install_icon_theme()
    w.expose_accessibility()


def keyboard_level():
    '''The keyboard light's level as upowerd has it.'''
    light = w.system_bus().get_object(w.UPOWER, KBD_PATH, introspect=False)
    return int(light.GetBrightness(dbus_interface=KBD_IFACE))


def press(key):
    w.xdotool('key', key)


def slider_value(slider):
    return int(round(float(slider.object.Get(VALUE_IFACE, 'CurrentValue',
                                             dbus_interface=w.PROPS_IFACE))))


def other_windows(program, main_window):
    '''The program's windows on the screen besides the main window: the
    indicator of a new level.'''
    out = subprocess.run(['xdotool', 'search', '--onlyvisible', '--pid', str(program.pid)],
                         capture_output=True, text=True).stdout
    return [int(window) for window in out.split() if int(window) != main_window]


class Lights(unittest.TestCase):
    '''A panel of 937 levels at 400 and a keyboard light of levels 0..2 at
    1; the program shows its window, beside a tray host.'''

    @classmethod
    def setUpClass(cls):
        cls.lights = SimulatedLights()
        cls.lights.add_backlight(PANEL, 937, 400)
        cls.lights.add_keyboard_light(KEYBOARD, 2, 1)
        cls.lights.serve_logind()
        cls.lights.start_upowerd()
        cls.desktop = w.Desktop()
        cls.env = cls.lights.environment(w.binary())
        cls.program = w.Program(env=cls.env)
        cls.window = cls.program.window()
        item = w.wait_until(cls.desktop.window_items, 10, what="the window's tray item")[0]
        cls.menu = Menu(item)
        # The keys are taken once logind is found and the keyboard light
        # known, as the menu's entries show.
        w.wait_until(lambda: cls.menu.texts()[1:3] == [('Brightness', STEP_TEXTS),
                                                       ('Keyboard light', ['Off', '50%', '100%'])]
                     and all(entry[2].get('enabled', True)
                             for entry in cls.menu.find('Brightness')[3]),
                     10, what='both lights in the menu (have %s)' % cls.menu.texts())

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.desktop.stop()
        cls.lights.stop()

    def screen_calls(self):
        return [call[2] for call in self.lights.logind_calls() if call[:2] == ['backlight', PANEL]]

    def wait_for_screen_calls(self, levels):
        w.wait_until(lambda: self.screen_calls() == levels, 5,
                     what='SetBrightness of %s (have %s)' % (levels, self.screen_calls()))

    def test_1_the_screen_keys_step_through_logind_and_show_the_level(self):
        # 400 lies between the steps of 60 % and 70 %: down is 60 %.
        press('XF86MonBrightnessDown')
        self.wait_for_screen_calls([STEPS[60]])
        w.wait_until(lambda: self.lights.attribute(PANEL, 'actual_brightness') == '337', 5,
                     what='the panel at 337')
        popups = w.wait_until(lambda: other_windows(self.program, self.window), 5,
                              what='the indicator')
        self.assertEqual(len(popups), 1)
        # The menu follows the device: 60 % checked.
        w.wait_until(lambda: self.menu.checked('Brightness') == ['60%'], 5,
                     what='60%% checked (have %s)' % self.menu.checked('Brightness'))
        # Step after step, one indicator shows the last, and then goes.
        press('XF86MonBrightnessUp')
        self.wait_for_screen_calls([STEPS[60], STEPS[70]])
        press('XF86MonBrightnessUp')
        self.wait_for_screen_calls([STEPS[60], STEPS[70], STEPS[80]])
        self.assertEqual(other_windows(self.program, self.window), popups)
        w.wait_until(lambda: not other_windows(self.program, self.window), 5,
                     what='the indicator to go')

    def test_2_the_slider_follows_levels_set_elsewhere(self):
        root = self.program.accessible()
        tab = root.find_all(role='page tab', name='Brightness', showing=True)
        self.assertEqual(len(tab), 1)
        tab[0].click()
        screen = w.wait_until(lambda: root.find_all(role='slider', name='Screen brightness',
                                                    showing=True), 5, what='the screen slider')[0]
        keyboard = root.find_all(role='slider', name='Keyboard light', showing=True)[0]
        w.wait_until(lambda: slider_value(screen) == 80, 5, what='the slider at 80')
        self.assertIn(STATE_ENABLED, screen.states())
        self.assertFalse(root.find_all(name=NO_LOGIND, showing=True))
        # The firmware, brightnessctl or another program: udev tells.
        self.lights.change_level(PANEL, 759)
        w.wait_until(lambda: slider_value(screen) == 90, 5,
                     what='the slider at 90 (have %d)' % slider_value(screen))
        self.assertTrue(root.find_all(role='label', name='90%', showing=True))
        # Another program sets the keyboard light: upowerd tells.
        light = w.system_bus().get_object(w.UPOWER, KBD_PATH, introspect=False)
        light.SetBrightness(dbus.Int32(0), dbus_interface=KBD_IFACE)
        w.wait_until(lambda: slider_value(keyboard) == 0, 5, what='the keyboard slider at 0')
        light.SetBrightness(dbus.Int32(1), dbus_interface=KBD_IFACE)
        w.wait_until(lambda: slider_value(keyboard) == 1, 5, what='the keyboard slider at 1')
        self.assertEqual(self.screen_calls(), [STEPS[60], STEPS[70], STEPS[80]])

    def test_3_the_tray_menu_sets_either_light(self):
        self.menu.click('Brightness', '30%')
        self.wait_for_screen_calls([STEPS[60], STEPS[70], STEPS[80], STEPS[30]])
        w.wait_until(lambda: self.menu.checked('Brightness') == ['30%'], 5,
                     what='30%% checked (have %s)' % self.menu.checked('Brightness'))
        self.menu.click('Keyboard light', '100%')
        w.wait_until(lambda: keyboard_level() == 2, 5, what='the keyboard light at 2')
        w.wait_until(lambda: self.menu.checked('Keyboard light') == ['100%'], 5,
                     what='100%% checked (have %s)' % self.menu.checked('Keyboard light'))

    def test_4_the_keyboard_keys_change_upowerds_level(self):
        self.assertEqual(keyboard_level(), 2)
        press('XF86KbdBrightnessDown')
        w.wait_until(lambda: keyboard_level() == 1, 5, what='the keyboard light at 1')
        # Off, and back to where it was.
        press('XF86KbdLightOnOff')
        w.wait_until(lambda: keyboard_level() == 0, 5, what='the keyboard light off')
        press('XF86KbdLightOnOff')
        w.wait_until(lambda: keyboard_level() == 1, 5, what='the keyboard light back at 1')
        press('XF86KbdBrightnessUp')
        w.wait_until(lambda: keyboard_level() == 2, 5, what='the keyboard light at 2')
        # Keyboard keys are no screen keys.
        self.assertEqual(self.screen_calls(), [STEPS[60], STEPS[70], STEPS[80], STEPS[30]])

    def test_5_the_command_asks_the_running_instance(self):
        w.wait_until(lambda: not other_windows(self.program, self.window), 5,
                     what='the last indicator to go')
        command = w.Program('--brightness', 'down', env=self.env)
        self.assertEqual(command.wait(10), 0, command.output())
        self.wait_for_screen_calls([STEPS[60], STEPS[70], STEPS[80], STEPS[30], STEPS[20]])
        # The instance did it, and showed it; the command set nothing itself.
        w.wait_until(lambda: other_windows(self.program, self.window), 5, what='the indicator')
        command = w.Program('--brightness', '50%', env=self.env)
        self.assertEqual(command.wait(10), 0, command.output())
        self.wait_for_screen_calls([STEPS[60], STEPS[70], STEPS[80], STEPS[30], STEPS[20],
                                    STEPS[50]])
        self.assertTrue(self.program.running())

    def test_6_the_window_slider_sets_the_screen_by_pointer_and_keys(self):
        root = self.program.accessible()
        root.find_all(role='page tab', name='Brightness', showing=True)[0].click()
        screen = w.wait_until(lambda: root.find_all(role='slider', name='Screen brightness',
                                                    showing=True), 5, what='the screen slider')[0]
        w.focus(self.window)
        screen.click(across=0.95)
        last = lambda: self.screen_calls()[-1]  # noqa: E731
        # The pointer moves it up from 50 %; the keys take it to either end.
        w.wait_until(lambda: last() > STEPS[50], 5, what='a brighter level from the click')
        press('End')
        w.wait_until(lambda: last() == STEPS[100], 5, what='the top step (have %d)' % last())
        press('Home')
        w.wait_until(lambda: last() == STEPS[10], 5, what='the lowest step, never 0')
        w.wait_until(lambda: slider_value(screen) == 10, 5, what='the slider at 10')


class Refused(unittest.TestCase):
    '''logind refuses every level, and another program holds the key for
    brighter; the program runs with its window and a tray host.'''

    @classmethod
    def setUpClass(cls):
        cls.lights = SimulatedLights()
        cls.lights.add_backlight(PANEL, 937, 600)
        cls.lights.serve_logind()
        cls.lights.refuse(REFUSAL)
        cls.holder = subprocess.Popen([os.environ['KEYGRABHOLDER'], '0x1008FF02'],
                                      stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        assert cls.holder.stdout.readline().strip() == 'held'
        cls.desktop = w.Desktop()
        cls.upower = w.UPower()
        cls.program = w.Program(env=cls.lights.environment(w.binary()))
        cls.program.window()
        item = w.wait_until(cls.desktop.window_items, 10, what="the window's tray item")[0]
        cls.menu = Menu(item)
        w.wait_until(lambda: any(entry[2].get('enabled', True)
                                 for entry in cls.menu.find('Brightness')[3]), 10,
                     what='the screen settable in the menu')

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.upower.stop()
        cls.desktop.stop()
        cls.holder.stdin.close()
        cls.holder.wait(10)
        cls.lights.stop()

    def messages(self):
        return [m for m in self.desktop.messages() if 'brightness' in m]

    def test_a_refusal_is_told_once_and_not_retried(self):
        told = "Power manager|The screen's brightness could not be changed: " + REFUSAL
        press('XF86MonBrightnessDown')
        w.wait_until(lambda: self.messages() == [told], 5,
                     what='the message (have %s)' % self.messages())
        # Two more presses: the first is asked and refused again; the second
        # may come while it is on its way, and then goes with it.
        press('XF86MonBrightnessDown')
        w.wait_until(lambda: len(self.lights.logind_calls()) >= 2, 5, what='the second call')
        press('XF86MonBrightnessDown')
        time.sleep(QUIET_SECONDS)
        # Nothing was asked again on its own, and nothing told again.
        calls = self.lights.logind_calls()
        self.assertIn(calls, [[['backlight', PANEL, STEPS[70]]] * count for count in (2, 3)])
        self.assertEqual(self.messages(), [told])
        # The device kept its level, and the menu shows it.
        self.assertEqual(self.lights.attribute(PANEL, 'actual_brightness'), '600')
        self.assertEqual(self.menu.checked('Brightness'), ['80%'])

    def test_a_key_another_program_holds_is_left_to_it(self):
        calls = len(self.lights.logind_calls())
        press('XF86MonBrightnessUp')
        readable, _, _ = select.select([self.holder.stdout], [], [], 5 * w.PATIENCE)
        self.assertTrue(readable, 'the other program did not get the key')
        self.assertEqual(self.holder.stdout.readline().strip(), 'pressed')
        time.sleep(QUIET_SECONDS)
        self.assertEqual(len(self.lights.logind_calls()), calls)
        self.assertTrue(self.program.running())
        self.assertNotIn('BadAccess', self.program.output())


class WithoutLogind(unittest.TestCase):
    '''The older stack: UPower 0.9 and no logind to set the screen's level.'''

    def test_the_level_shows_but_cannot_be_set(self):
        lights = SimulatedLights()
        desktop = w.Desktop()
        upower = w.UPower()
        try:
            lights.add_backlight(PANEL, 937, 600)
            program = w.Program(env=lights.environment(w.binary()))
            program.window()
            root = program.accessible()
            root.find_all(role='page tab', name='Brightness', showing=True)[0].click()
            screen = w.wait_until(lambda: root.find_all(role='slider', name='Screen brightness',
                                                        showing=True), 5,
                                  what='the screen slider')[0]
            w.wait_until(lambda: slider_value(screen) == 80, 5, what='the slider at 80')
            self.assertFalse({STATE_ENABLED, STATE_SENSITIVE} & screen.states())
            self.assertTrue(root.find_all(role='label', name=NO_LOGIND, showing=True))
            # The menu shows the steps, greyed, the level's checked.
            item = w.wait_until(desktop.window_items, 10, what="the window's tray item")[0]
            menu = Menu(item)
            steps = menu.find('Brightness')[3]
            self.assertEqual([entry[0] for entry in steps], STEP_TEXTS)
            self.assertFalse(any(entry[2].get('enabled', True) for entry in steps))
            self.assertEqual(menu.checked('Brightness'), ['80%'])
        finally:
            w.stop_process(program.process)
            upower.stop()
            desktop.stop()
            lights.stop()


class TheCommandAlone(unittest.TestCase):
    '''`--brightness` with no instance running: it sets the level through
    logind itself, or says why it cannot.'''

    def setUp(self):
        self.lights = SimulatedLights()

    def tearDown(self):
        self.lights.stop()

    def run_command(self, value):
        return subprocess.run([w.binary(), '--brightness', value],
                              env=self.lights.environment(w.binary()), capture_output=True,
                              text=True, timeout=30 * w.PATIENCE)

    def test_sets_through_logind_and_exits(self):
        self.lights.add_backlight(PANEL, 937, 600)
        self.lights.serve_logind()
        for value, level in (('40%', STEPS[40]), ('up', STEPS[50]), ('down', STEPS[40])):
            result = self.run_command(value)
            self.assertEqual((result.returncode, result.stderr), (0, ''))
            self.assertEqual(self.lights.logind_calls()[-1], ['backlight', PANEL, level])
        self.assertEqual(len(self.lights.logind_calls()), 3)

    def test_says_why_it_cannot(self):
        # No backlight: nothing is asked.
        self.lights.serve_logind()
        result = self.run_command('up')
        self.assertEqual(result.returncode, 1)
        self.assertIn('no screen backlight', result.stderr)
        # A panel whose level is garbage: no step to take from it.
        self.lights.add_backlight(PANEL, 937, 'bright')
        result = self.run_command('down')
        self.assertEqual(result.returncode, 1)
        self.assertIn('cannot be read', result.stderr)
        # logind refuses.
        self.lights.refuse(REFUSAL)
        result = self.run_command('40%')
        self.assertEqual(result.returncode, 1)
        self.assertIn(REFUSAL, result.stderr)
        self.assertEqual(self.lights.logind_calls(), [['backlight', PANEL, STEPS[40]]])

    def test_mistakes_and_help_need_no_display(self):
        for value in ('sideways', '140%', '40', ''):
            result = run_bare('--brightness', value)
            self.assertEqual(result.returncode, 2, value)
            self.assertIn("Try 'wex-power --help'", result.stderr)
        result = run_bare('--help')
        self.assertIn('--brightness <up|down|N%>', result.stdout)


if __name__ == '__main__':
    w.main()
