'''Starting the real program: its options, answered without a display or
buses; Qt's own options; and a quiet start with --hidden, with and without
a system tray.'''

import os
import subprocess
import sys
import time
import unittest

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

EXIT_KEY = 'WexIntegration/Geometry/WMain'


def bare_environment():
    '''The environment without a display or any bus to reach.'''
    env = dict(os.environ)
    for name in ('DISPLAY', 'WAYLAND_DISPLAY', 'DBUS_SESSION_BUS_ADDRESS',
                 'DBUS_SYSTEM_BUS_ADDRESS', 'QT_QPA_PLATFORM'):
        env.pop(name, None)
    env['DBUS_SYSTEM_BUS_ADDRESS'] = env['DBUS_SESSION_BUS_ADDRESS'] = 'unix:path=/nonexistent'
    return env


def run_bare(*args):
    return subprocess.run([w.binary()] + list(args), env=bare_environment(), capture_output=True,
                          text=True, timeout=30 * w.PATIENCE)


def viewable_windows(program):
    return [window for window in w.find_windows(program.pid) if w.is_viewable(window)]


def exit_through_the_menu(window):
    w.focus(window)
    w.xdotool('key', '--delay', '200', 'alt+f', 'x')


class Options(unittest.TestCase):
    def test_help_and_version_without_display_or_buses(self):
        settings_before = w.read_settings()
        for args in (['--help'], ['-h'], ['-platform', 'xcb', '--help']):
            result = run_bare(*args)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(result.stderr, '')
            self.assertIn('Usage:', result.stdout)
            for option in ('--hidden', '--help', '--version'):
                self.assertIn(option, result.stdout)
            # Qt's options pass, but are not ours to explain one by one.
            self.assertNotIn('-platform <', result.stdout)

        for args in (['--version'], ['-v']):
            result = run_bare(*args)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertRegex(result.stdout, r'^wex-power \d+\.\d+\.\d+\S*\n$')
        self.assertEqual(w.read_settings(), settings_before)

    def test_mistakes_exit_with_status_2(self):
        for args, named in ((['--bogus'], "'bogus'"), (['-x'], "'x'"), (['stray'], "'stray'"),
                            (['--hidden', '-platform'], "'-platform'")):
            result = run_bare(*args)
            self.assertEqual(result.returncode, 2, args)
            self.assertEqual(result.stdout, '')
            self.assertIn(named, result.stderr)
            self.assertIn("Try 'wex-power --help'", result.stderr)

    def test_qt_options_reach_qt(self):
        # The display named on the command line, not in the environment.
        env = dict(os.environ)
        display = env.pop('DISPLAY')
        program = w.Program('-display', display, '-style', 'fusion', env=env)
        try:
            program.window()
        finally:
            program.stop()

        upower = w.UPower()
        program = w.Program('-platform', 'offscreen')
        try:
            # A window Qt keeps off any screen: the program runs, monitor
            # and all, and the X server never sees it.
            upower.wait_for_monitor_run()
            self.assertTrue(program.running())
            self.assertEqual(w.find_windows(program.pid), [])
        finally:
            program.stop()
            upower.stop()


class HiddenWithTray(unittest.TestCase):
    '''One program started with --hidden beside a tray host, then started
    again with and without --hidden.'''

    @classmethod
    def setUpClass(cls):
        w.install_icon_theme()
        cls.desktop = w.Desktop()
        cls.upower = w.UPower()
        cls.upower.add_battery('BAT0', 80, w.CHARGING)
        cls.program = w.Program('--hidden')

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.upower.stop()
        cls.desktop.stop()

    def start_again(self, *args):
        again = w.Program(*args)
        self.assertEqual(again.wait(5), 0)
        self.assertEqual(w.find_windows(again.pid), [])
        again.stop()

    def test_1_only_the_tray_items(self):
        w.wait_until(self.desktop.window_items, 10, what="the window's tray item")
        w.wait_until(lambda: 'Model BAT0' in self.desktop.battery_items(), 10,
                     what="the battery's tray item")
        self.upower.wait_for_monitor_run()
        self.assertEqual(viewable_windows(self.program), [])
        self.assertNotIn('tray', self.program.output())

    def test_2_second_hidden_start_never_shows_it(self):
        self.start_again('--hidden')
        # Time for a message the running program would act upon.
        time.sleep(1)
        self.assertEqual(viewable_windows(self.program), [])
        self.assertTrue(self.program.running())

    def test_3_plain_start_shows_it(self):
        self.start_again()
        window = self.program.window()
        w.wait_until(lambda: w.active_window() == window, 3, what='the window to become active')

    def test_4_closing_hides_it_and_keeps_watching(self):
        window = self.program.window()
        w.xdotool('windowmove', '--sync', window, 150, 120)
        w.wait_until(lambda: w.geometry(window)[:2] != (0, 0), 3, what='the move')
        placed = w.geometry(window)

        w.close_with_the_window_manager(window, lambda: not viewable_windows(self.program))
        self.upower.wait_for_monitor_run()
        self.assertTrue(self.program.running())
        self.assertTrue(self.desktop.window_items())

        self.start_again()
        window = self.program.window()
        w.wait_until(lambda: w.geometry(window) == placed, 3,
                     what='the geometry %s (have %s)' % (placed, w.geometry(window)))

    def test_5_file_exit_ends_it(self):
        exit_through_the_menu(self.program.window())
        self.assertEqual(self.program.wait(5), 0)
        self.assertIn(EXIT_KEY, w.read_settings())


class HiddenWithoutTray(unittest.TestCase):
    def test_window_shown_and_closing_ends_the_program(self):
        upower = w.UPower()
        program = w.Program('--hidden')
        try:
            window = program.window()
            w.wait_until(lambda: 'no system tray' in program.output(), 5,
                         what='the reason on standard error')
            w.close_with_the_window_manager(window, lambda: not program.running())
            self.assertEqual(program.wait(5), 0)
        finally:
            program.stop()
            upower.stop()


if __name__ == '__main__':
    w.main()
