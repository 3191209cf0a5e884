'''The lid and the power and suspend keys of the real program, as the person
chose them. On today's stack the program takes them from logind: dbusmock's
logind lists the inhibitors whose descriptors are open and records Suspend,
Hibernate, PowerOff and Lock. On the older stack (UPower before 0.99 and
ConsoleKit, no logind) it acts on the lid itself. The lid is UPower's
LidIsClosed, set by the test; the keys are pressed with xdotool.'''

import os
import signal
import subprocess
import sys
import time
import unittest

import dbus

# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

# LidKeysControl::settleMs: a lid that stays closed this long has closed.
SETTLE = 0.5
LID, POWER_KEY, SUSPEND_KEY = 'handle-lid-switch', 'handle-power-key', 'handle-suspend-key'
KEYS = {'battery': 'Control/Lid/Battery', 'line_power': 'Control/Lid/LinePower',
        'docked': 'Control/Lid/Docked', 'power': 'Control/Keys/Power',
        'suspend': 'Control/Keys/Suspend'}


def setUpModule():
    w.expose_accessibility()


def choose(**choices):
    '''Writes the settings file with these choices (INI text) and no others.'''
    w.write_settings({KEYS[name]: value for name, value in choices.items()})


def quiet_while_settling():
    '''Waits past the time the program waits for a lid to rest. Only for
    showing that nothing happens where nothing can be waited for: a slow
    machine can make such a check miss a fault, never fail without one.'''
    time.sleep(SETTLE * 4)


def open_lid_page(program):
    root = program.accessible()
    for name in ('Settings', 'Lid and keys'):
        tab = w.wait_until(lambda: root.find_all(role='page tab', name=name, showing=True), 10,
                           what='the tab %r' % name)[0]
        tab.click()
        w.wait_until(lambda: w.STATE_FOCUSED in tab.states(), 10, what='the tab %r' % name)
    return root


def shown_labels(root):
    return [node.name() for node in root.find_all(role='label', showing=True)]


class TodaysStack(unittest.TestCase):
    '''UPower 0.99 and logind: each test starts the program afresh.'''

    def start(self, on_battery=True, handling=None, refuse=False, slow_inhibit=0, **choices):
        # A tray host and a notification daemon, which receives the messages.
        self.desktop = w.Desktop()
        self.addCleanup(self.desktop.stop)
        self.upower = w.AnnouncingUPower(on_battery=on_battery)
        self.addCleanup(self.upower.stop)
        self.upower.add_battery(discharging=on_battery)
        self.logind = w.Logind(**(handling or {}))
        self.addCleanup(self.logind.stop)
        if refuse:
            self.logind.refuse_inhibit()
        if slow_inhibit:
            self.logind.answer_inhibit_slowly(slow_inhibit)
        choose(**choices)
        self.program = w.Program()
        self.addCleanup(self.program.stop)
        w.wait_until(self.upower.manager_read, what='the program to read the lid')

    def wait_for_inhibitors(self, *expected):
        w.wait_until(lambda: sorted(self.logind.inhibited()) == sorted(expected),
                     what='the inhibitors %s' % (expected,))

    def wait_for_requests(self):
        return w.wait_until(self.logind.requests, what='a request to logind')

    def test_lid_on_battery_suspends_and_is_given_back_when_killed(self):
        self.start(battery='suspend')
        self.wait_for_inhibitors(LID)
        self.assertEqual(self.logind.inhibitors(),
                         [(LID, 'Power manager', 'Handles the lid as set in the power manager',
                           'block')])
        self.upower.set_lid(True)
        self.assertEqual(self.wait_for_requests(), ['Suspend'])
        os.kill(self.program.pid, signal.SIGKILL)
        self.wait_for_inhibitors()

    def test_refused_suspend_is_told_once(self):
        self.start(battery='suspend')
        self.logind.mock().AddMethod(w.Logind.MANAGER, 'Suspend', 'b', '',
                                     'raise dbus.exceptions.DBusException("Not now", '
                                     'name="org.freedesktop.DBus.Error.AccessDenied")')
        self.wait_for_inhibitors(LID)
        self.upower.set_lid(True)
        told = 'Power manager|Suspend was refused: Not now.'
        w.wait_until(lambda: told in self.desktop.messages(), what='the refusal to be told')
        quiet_while_settling()
        self.assertEqual(self.desktop.messages().count(told), 1)

    def test_lid_locks_the_session(self):
        self.start(battery='lock')
        self.wait_for_inhibitors(LID)
        self.upower.set_lid(True)
        self.assertEqual(self.wait_for_requests(), ['Lock'])

    def test_another_screen_with_the_default_does_nothing(self):
        self.start(battery='suspend')
        self.wait_for_inhibitors(LID)
        xrandr = ['xrandr', '--setmonitor', 'wex-lid-second', '640/100x480/100+1280+0', 'none']
        subprocess.run(xrandr, check=True)
        # Gone already unless the test failed half way.
        self.addCleanup(subprocess.run, ['xrandr', '--delmonitor', 'wex-lid-second'],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        asked = self.logind.manager_reads()
        self.upower.set_lid(True)
        # Docked and left to the system: the program asks logind, whose
        # HandleLidSwitchDocked is unset here, so "ignore".
        w.wait_until(lambda: self.logind.manager_reads() > asked,
                     what="the program to ask logind's handling while docked")
        subprocess.run(['xrandr', '--delmonitor', 'wex-lid-second'], check=True)
        self.upower.set_lid(False)
        self.upower.set_lid(True)
        # Only the closing without the second screen suspends.
        self.assertEqual(self.wait_for_requests(), ['Suspend'])
        quiet_while_settling()
        self.assertEqual(self.logind.requests(), ['Suspend'])

    def test_choices_back_to_the_system_give_everything_back(self):
        self.start(battery='suspend', power='suspend')
        self.wait_for_inhibitors(LID, POWER_KEY)
        # On the page, by pointer: the lists top down are the lid's three
        # and the two keys'.
        root = open_lid_page(self.program)
        lists = root.find_all(role='combo box', showing=True)
        self.assertEqual([box.name() for box in lists],
                         ['Suspend', 'Let the system decide', 'Let the system decide',
                          'Suspend', 'Let the system decide'])
        lists[3].choose('Let the system decide')
        self.wait_for_inhibitors(LID)
        self.assertEqual(w.read_settings().get(KEYS['power']), 'system')
        # The settings file edited outside the program.
        choose(battery='system')
        self.wait_for_inhibitors()

    def test_line_power_left_to_logind_hibernates(self):
        self.start(on_battery=False, handling={'HandleLidSwitchExternalPower': 'hibernate'},
                   battery='suspend')
        self.wait_for_inhibitors(LID)
        self.upower.set_lid(True)
        self.assertEqual(self.wait_for_requests(), ['Hibernate'])

    def test_lid_and_power_key_before_logind_answers_are_carried_out(self):
        # logind holds the lid and the key from the moment it is asked: a
        # closing or a press that comes before its answer is the program's.
        # The key is grabbed, and both are asked for, before the lid's
        # inhibitor is; each answer takes three seconds.
        self.start(battery='lock', power='suspend', slow_inhibit=3)
        w.wait_until(lambda: self.logind.asked_to_inhibit() == [LID],
                     what='the program to ask for the lid')
        self.upower.set_lid(True)
        w.xdotool('key', 'XF86PowerOff')
        w.wait_until(lambda: self.logind.requests() == ['Suspend', 'Lock'],
                     what='the key and the lid carried out')
        self.assertEqual(self.logind.inhibitors()[1][2],
                         'Handles the power key as set in the power manager')

    def test_ask_offers_what_the_machine_does_and_cancel(self):
        self.start(power='ask')
        self.wait_for_inhibitors(POWER_KEY)
        root = self.program.accessible()

        def ask():
            w.xdotool('key', 'XF86PowerOff')
            return w.wait_until(lambda: root.find_all(role='push button', name='Cancel',
                                                      showing=True), 10,
                                what='the dialog of the power key')[0]

        def closed():
            return not root.find_all(role='push button', name='Cancel', showing=True)

        cancel = ask()
        self.assertIn(w.STATE_FOCUSED, cancel.states())
        buttons = [b.name() for b in root.find_all(role='push button', showing=True)]
        for name in ('Suspend', 'Hibernate', 'Shut down'):
            self.assertIn(name, buttons)
        cancel.click()
        w.wait_until(closed, 10, what='the dialog to close')
        ask()
        w.xdotool('key', 'Escape')
        w.wait_until(closed, 10, what='Escape to close the dialog')
        ask()
        root.find_all(role='push button', name='Suspend', showing=True)[0].click()
        w.wait_until(closed, 10, what='the dialog to close')
        self.assertEqual(self.wait_for_requests(), ['Suspend'])

    def test_key_held_by_another_client_stays_loginds(self):
        holder = subprocess.Popen([os.environ['WEX_KEYGRABHOLDER'], '0x1008FF2A'],
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.addCleanup(holder.wait, 10)
        self.addCleanup(holder.stdin.close)
        self.assertEqual(holder.stdout.readline(), 'held\n')
        self.start(power='suspend', suspend='suspend')
        # The suspend key is taken after the power key would have been.
        self.wait_for_inhibitors(SUSPEND_KEY)
        self.assertNotIn(POWER_KEY, self.logind.asked_to_inhibit())
        root = open_lid_page(self.program)
        w.wait_until(lambda: 'Another program holds the power key, or no key sends it: the '
                     'system keeps it.' in shown_labels(root), 10,
                     what='the page to say who holds the key')

    def test_lid_of_the_wrong_type_or_flapping_is_acted_on_once_it_rests(self):
        self.start(battery='suspend')
        self.wait_for_inhibitors(LID)
        self.upower.set_lid(dbus.String('yes'))
        quiet_while_settling()
        self.upower.flap_lid(100)
        quiet_while_settling()
        self.assertEqual(self.logind.requests(), [])
        self.upower.set_lid(True)
        self.assertEqual(self.wait_for_requests(), ['Suspend'])
        quiet_while_settling()
        self.assertEqual(self.logind.requests(), ['Suspend'])
        self.assertTrue(self.program.running())

    def test_unreadable_choices_are_left_to_the_system(self):
        self.start(handling={'HandleLidSwitch': 'hibernate'}, battery=w.ini_escaped('suspend '),
                   line_power='nothing', docked='suspend, shutdown', power='reboot',
                   suspend='ask')
        self.wait_for_inhibitors(LID)
        w.xdotool('key', 'XF86PowerOff', 'XF86Sleep')
        # Unreadable on battery: logind's own handling.
        self.upower.set_lid(True)
        self.assertEqual(self.wait_for_requests(), ['Hibernate'])
        quiet_while_settling()
        self.assertEqual(self.logind.requests(), ['Hibernate'])
        self.assertEqual(self.logind.asked_to_inhibit(), [LID])
        self.assertTrue(self.program.running())

    def test_refused_inhibitors_leave_lid_and_key_to_logind(self):
        self.start(refuse=True, battery='suspend', power='suspend')
        w.wait_until(lambda: sorted(self.logind.asked_to_inhibit()) == [LID, POWER_KEY],
                     what='the program to ask for the lid and the power key')
        root = open_lid_page(self.program)
        w.wait_until(lambda: 'logind keeps the lid: Not allowed.' in shown_labels(root), 10,
                     what='the page to say logind keeps the lid')
        self.upower.set_lid(True)
        w.xdotool('key', 'XF86PowerOff')
        quiet_while_settling()
        self.assertEqual(self.logind.requests(), [])
        self.assertTrue(self.program.running())


class OlderStack(unittest.TestCase):
    '''UPower before 0.99 and ConsoleKit, no logind: the program acts on
    LidIsClosed itself, read once after each Changed of the daemon, and
    leaves the keys to the system.'''

    def test_lid_is_acted_on_and_the_keys_left_alone(self):
        upower = w.UPower()
        self.addCleanup(upower.stop)
        consolekit = w.ConsoleKit()
        self.addCleanup(consolekit.stop)
        upower.add_battery('BAT0', 80, w.DISCHARGING)
        upower.set_manager(LidIsPresent=dbus.Boolean(True))
        choose(battery='hibernate', power='suspend')
        program = w.Program()
        self.addCleanup(program.stop)
        w.wait_until(lambda: upower.manager_reads('LidIsClosed') == 1,
                     what='the program to read the lid')

        # A run of the monitor after each: whatever the program would make of
        # the change, it has made by the run after the next.
        w.xdotool('key', 'XF86PowerOff')
        upower.set_manager(LidIsClosed=dbus.String('yes'))
        upower.wait_for_monitor_run()
        upower.flap_lid(100)
        upower.wait_for_monitor_run()
        reads = upower.manager_reads('LidIsClosed')
        upower.wait_for_monitor_run()
        self.assertEqual(upower.sleep_requests(), [])
        # The monitor's runs read no lid.
        self.assertEqual(upower.manager_reads('LidIsClosed'), reads)

        upower.set_manager(LidIsClosed=dbus.Boolean(True))
        self.assertEqual(w.wait_until(upower.sleep_requests, what='a sleep request'),
                         ['Hibernate'])
        self.assertEqual(consolekit.stops(), 0)


if __name__ == '__main__':
    w.main()
