'''The main window of the real program under a window manager: its pages,
a single instance that raises the window on later starts, closing, the
geometry kept from one start to the next, and a battery's charge history as
a screen reader reads it.'''

import os
import sys
import time
import unittest

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

GEOMETRY_KEY = 'WexIntegration/Geometry/WMain'


def setUpModule():
    w.expose_accessibility()


class WithoutUPower(unittest.TestCase):
    def test_window_opens_on_no_batteries(self):
        program = w.Program()
        try:
            window = program.window(5)
            self.assertEqual(w.xdotool('getwindowname', window), 'Power management')
            root = program.accessible()
            self.assertTrue(root.find_all(role='label', name='No batteries detected',
                                          showing=True))
            self.assertEqual(root.find_all(role='page tab list', showing=True), [])
            self.assertTrue(program.running())
        finally:
            program.stop()


class SingleInstanceAndGeometry(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.upower = w.UPower()
        cls.upower.add_battery('BAT0', 80, w.CHARGING)
        cls.program = w.Program()
        cls.window = cls.program.window()

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.upower.stop()

    def minimise_and_start_again(self):
        w.xdotool('windowminimize', '--sync', self.window)
        # The window manager unmaps it in its own time, later under load.
        w.wait_until(lambda: not w.is_viewable(self.window), 3, what='the window minimised')
        self.assertNotEqual(w.active_window(), self.window)

        second = w.Program()
        self.assertEqual(second.wait(1), 0)
        w.wait_until(lambda: w.is_viewable(self.window), 3, what='the window to show again')
        w.wait_until(lambda: w.active_window() == self.window, 3,
                     what='the window to become active')
        self.assertEqual(w.find_windows(second.pid), [])
        second.stop()
        self.assertTrue(self.program.running())

    def test_1_settings_and_battery_tabs(self):
        root = self.program.accessible()
        tabs = w.tab_names(root)
        self.assertIn(['Settings', 'Model BAT0'], tabs)
        self.assertIn(['Battery', 'Scheduling', 'When idle', 'Lid and keys'], tabs)
        self.assertEqual(root.find_all(role='label', name='No batteries detected', showing=True),
                         [])

    def test_2_second_start_raises_the_window(self):
        self.minimise_and_start_again()

    def test_3_third_start_raises_it_too(self):
        self.minimise_and_start_again()

    def test_4_geometry_survives_a_restart(self):
        w.xdotool('windowmove', '--sync', self.window, 210, 160)
        w.xdotool('windowsize', '--sync', self.window, 640, 480)
        w.wait_until(lambda: w.geometry(self.window)[2:] == (640, 480), 3, what='the new size')
        moved = w.geometry(self.window)

        # The window manager's close, through its key on the active window.
        w.close_with_the_window_manager(self.window, lambda: not self.program.running())
        self.assertEqual(self.program.wait(5), 0)
        self.assertIn(GEOMETRY_KEY, w.read_settings(), 'no geometry stored on closing')
        stored = w.read_settings()[GEOMETRY_KEY]
        self.assertTrue(stored.startswith('@ByteArray('), stored)

        again = w.Program()
        try:
            window = again.window()
            w.wait_until(lambda: w.geometry(window) == moved, 3,
                         what='the geometry %s (have %s)' % (moved, w.geometry(window)))

            # Elsewhere, then out through the File menu.
            w.xdotool('windowmove', '--sync', window, 40, 50)
            w.wait_until(lambda: w.geometry(window)[:2] != moved[:2], 3, what='the move')
            moved_again = w.geometry(window)
            w.focus(window)
            w.xdotool('key', '--delay', '200', 'alt+f', 'x')
            self.assertEqual(again.wait(5), 0)
            self.assertNotEqual(w.read_settings().get(GEOMETRY_KEY), stored)
        finally:
            again.stop()

        third = w.Program()
        try:
            window = third.window()
            w.wait_until(lambda: w.geometry(window) == moved_again, 3,
                         what='the geometry %s (have %s)' % (moved_again, w.geometry(window)))
        finally:
            third.stop()


class ChargeHistory(unittest.TestCase):
    def test_graph_reads_in_words_and_follows_the_chosen_span(self):
        upower = w.UPower()
        program = None
        try:
            path = upower.add_battery('BAT0', 45, w.DISCHARGING)
            now = int(time.time())
            # Newest first, as upowerd answers; the daemon keeps the span.
            record = [(now - 60, 45.0, 2), (now - 3 * 3600, 70.0, 2), (now - 12 * 3600, 90.0, 1),
                      (now - 20 * 3600, 30.0, 1)]
            upower.mock(path).AddMethod(
                'org.freedesktop.UPower.Device', 'GetHistory', 'suu', 'a(udu)',
                'ret = []\nfor e in %r:\n    if e[0] >= time.time() - args[1]:\n'
                '        ret.append(e)' % record)
            program = w.Program()
            program.window()
            root = program.accessible()
            w.wait_until(lambda: root.find_all(role='page tab', name='Model BAT0', showing=True),
                         5, what='the battery tab')[0].click()
            graph = w.wait_until(lambda: root.find_all(name='Charge history', showing=True), 5,
                                 what='the charge history graph')[0]
            day = 'Last 24 hours: from 30\xa0% to 45\xa0%, lowest 30\xa0%.'
            w.wait_until(lambda: graph.description() == day, 10, what=day)
            spans = root.find_all(role='combo box', showing=True)
            self.assertEqual([node.name() for node in spans], ['24 hours'])
            spans[0].choose('6 hours')
            hours = 'Last 6 hours: from 70\xa0% to 45\xa0%, lowest 45\xa0%.'
            w.wait_until(lambda: graph.description() == hours, 10, what=hours)
            self.assertEqual([call[1] for call in upower.calls('GetHistory', path)],
                             [24 * 3600, 6 * 3600])
        finally:
            if program:
                program.stop()
            upower.stop()
            # The other tests start from a program that has never run.
            if os.path.exists(w.settings_path()):
                os.remove(w.settings_path())


if __name__ == '__main__':
    w.main()
