'''The real program in the user's language, as LANG gives it (no generated
system locale is needed: Qt reads the variables itself). Under German every
text of the window, the menus, the tray tooltips and the tray messages is
German, and so are Qt's own texts and the --help text; under C, and under a
language without a catalogue, every text stays English.'''

import os
import subprocess
import sys
import unittest

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

ENGLISH = {
    'title': 'Power management',
    'tabs': [['Settings', 'Model BAT0'], ['Battery', 'Scheduling', 'When idle', 'Lid and keys']],
    'texts': [('label', 'Charge of Model BAT0 (SN-BAT0) drops bellow'), ('label', 'do'),
              ('list item', 'Nothing'), ('list item', 'Hibernate'), ('list item', 'Shutdown'),
              ('check box', 'Suspend at:'), ('menu item', 'File'), ('menu item', 'Exit'),
              ('menu item', 'Help'), ('menu item', 'About Qt'),
              # Qt's own: the tab bar's scroll buttons
              ('push button', 'Scroll Left')],
    'tooltip': [('Model:', 'Model BAT0'), ('Serial number:', 'SN-BAT0'),
                ('Vendor:', 'Vendor BAT0'), ('Technology:', 'Lithium ion'), ('Type:', 'Battery'),
                ('Sysfs path:', '/sys/fake/BAT0'),
                ('Capacity:', '100\xa0% (50.0 of 50.0\xa0Wh)')],
    'message': 'Power manager|Power is down',
}

GERMAN = {
    'title': 'Energieverwaltung',
    'tabs': [['Einstellungen', 'Model BAT0'], ['Akku', 'Zeitplan']],
    'texts': [('label', 'Wenn die Ladung von Model BAT0 (SN-BAT0) auf'),
              ('label', 'oder darunter fällt:'), ('list item', 'Nichts tun'),
              ('list item', 'Ruhezustand'), ('list item', 'Herunterfahren'),
              ('check box', 'Standby um:'), ('menu item', 'Datei'), ('menu item', 'Beenden'),
              ('menu item', 'Hilfe'), ('menu item', 'Über Qt'),
              ('push button', 'Nach links scrollen')],
    'tooltip': [('Modell:', 'Model BAT0'), ('Seriennummer:', 'SN-BAT0'),
                ('Hersteller:', 'Vendor BAT0'), ('Technologie:', 'Lithium-Ionen'),
                ('Typ:', 'Akku'), ('Sysfs-Pfad:', '/sys/fake/BAT0'),
                ('Kapazität:', '100\xa0% (50,0 von 50,0\xa0Wh)')],
    'message': 'Energieverwaltung|Netzstrom unterbrochen',
}


def setUpModule():
    w.expose_accessibility()


class Language:
    '''One start of the program under LANG, with a charging battery that
    later discharges; the subclasses say what the user must read.'''

    LANG = None
    EXPECTED = None

    @classmethod
    def setUpClass(cls):
        cls.desktop = w.Desktop()
        cls.upower = w.UPower()
        cls.battery = cls.upower.add_battery('BAT0', 80, w.CHARGING)
        env = dict(os.environ, LANG=cls.LANG)
        # These would override LANG.
        for name in ('LANGUAGE', 'LC_ALL', 'LC_MESSAGES'):
            env.pop(name, None)
        cls.env = env
        cls.program = w.Program(env=env)

    @classmethod
    def tearDownClass(cls):
        cls.program.stop()
        cls.upower.stop()
        cls.desktop.stop()

    def test_1_window_and_tray_texts(self):
        expected = self.EXPECTED
        # The title bar also shows no English application name.
        window = self.program.window(title=expected['title'])
        self.assertEqual(w.xdotool('getwindowname', window), expected['title'])

        root = self.program.accessible()
        tabs = w.tab_names(root)
        # The first tabs of each bar (a page newer than the catalogue may follow).
        for bar in expected['tabs']:
            self.assertIn(bar, [names[:len(bar)] for names in tabs])
        shown = {(node.role(), node.name()) for node in root.walk()}
        missing = [text for text in expected['texts'] if text not in shown]
        self.assertEqual(missing, [], 'not shown; the window has %s' % sorted(shown))

        tips = w.wait_until(lambda: [t for t in self.desktop.tool_tips().values()
                                     if 'Model BAT0' in t], 10, what="the battery's tray item")
        self.assertEqual(w.tooltip_lines(tips[0]), expected['tooltip'])

    def test_2_tray_message(self):
        self.program.window(title=self.EXPECTED['title'])
        self.upower.set_state(self.battery, w.DISCHARGING)
        self.upower.wait_for_monitor_run()
        w.wait_until(self.desktop.messages, 3, what='a message')
        self.assertEqual(self.desktop.messages(), [self.EXPECTED['message']])


class German(Language, unittest.TestCase):
    LANG = 'de_DE.UTF-8'
    EXPECTED = GERMAN

    def test_3_help_without_display(self):
        # The catalogue is loaded before the command line is read, with no
        # window system to ask.
        env = {name: value for name, value in self.env.items() if name != 'DISPLAY'}
        result = subprocess.run([w.binary(), '--help'], env=env, capture_output=True, text=True,
                                timeout=30 * w.PATIENCE)
        self.assertRegex(result.stdout, r'-h, --help +Diese Hilfe anzeigen und beenden\.')


class PlainC(Language, unittest.TestCase):
    LANG = 'C'
    EXPECTED = ENGLISH


class LanguageWithoutCatalogue(Language, unittest.TestCase):
    '''Swahili: Qt has no catalogue for it either.'''
    LANG = 'sw_KE.UTF-8'
    EXPECTED = ENGLISH


if __name__ == '__main__':
    w.main()
