'''What the real program does while nobody touches keyboard or pointer, on
an X server whose SYNC extension counts idle time: it sleeps after the
seconds seeded into the store, never while the person moves the pointer,
nor while something keeps the machine awake (a player holding
org.freedesktop.PowerManagement.Inhibit or org.freedesktop.ScreenSaver's
Inhibit, a logind "idle" block, the tray's "Keep awake"), and once the
holder leaves the bus without giving its cookie back, it does. It dims the
backlight umockdev simulates and brings the level back at the next input.
logind, UPower and the desktop are stand-ins that record every call.'''

import os
import signal
import subprocess
import sys
import time
import unittest

import dbus

HERE = os.path.dirname(os.path.abspath(__file__))
# The helpers live beside the harness, whatever PYTHONPATH says.
sys.path.insert(0, os.path.join(HERE, '..', 'harness'))
import wextest as w  # noqa: E402
from test_traymenu import Menu, system_bus_messages_from  # noqa: E402

LOGIND = 'org.freedesktop.login1'
LOGIND_PATH = '/org/freedesktop/login1'
MANAGER = 'org.freedesktop.login1.Manager'
SESSION_PATH = '/org/freedesktop/login1/session/auto'
SIMULATED_SYSFS = os.path.join(HERE, '..', 'support', 'simulated_sysfs.py')

SLEEP_AFTER = 4
DIM_AFTER = 3
# Long enough to be sure a step that was due would have come: the timeout
# three times over.
NEVER = 3 * SLEEP_AFTER

# A program that keeps the machine awake the way players do, until it is
# killed without giving its cookie or inhibitor back.
HOLDER = r'''
import signal, sys
import dbus
kind = sys.argv[1]
if kind == 'logind':
    bus = dbus.SystemBus()
    manager = bus.get_object('org.freedesktop.login1', '/org/freedesktop/login1')
    held = manager.Inhibit('idle', 'Video player', 'Playing a film', 'block',
                           dbus_interface='org.freedesktop.login1.Manager')
else:
    bus = dbus.SessionBus()
    name, path = {'power-management': ('org.freedesktop.PowerManagement',
                                       '/org/freedesktop/PowerManagement/Inhibit'),
                  'screen-saver': ('org.freedesktop.ScreenSaver',
                                   '/org/freedesktop/ScreenSaver')}[kind]
    interface = {'power-management': 'org.freedesktop.PowerManagement.Inhibit',
                 'screen-saver': 'org.freedesktop.ScreenSaver'}[kind]
    held = bus.get_object(name, path).Inhibit('Firefox', 'Playing <video>',
                                               dbus_interface=interface)
print('held', flush=True)
signal.pause()
'''


def setUpModule():
    w.install_icon_theme()


_touches = 0


def touch():
    '''Pointer motion: the person is there. Returns when it happened.'''
    global _touches
    _touches += 1
    # Never the place it is at: a move there would be no input.
    w.xdotool('mousemove', '--sync', 100 + _touches % 2 * 50, 300)
    return time.monotonic()


def idle_settings(**values):
    '''The store with every idle step off but those given, in seconds, on
    battery ("Battery_SleepAfter=4") or line power.'''
    settings = {}
    for source in ('Battery', 'LinePower'):
        for key in ('DimAfter', 'ScreenOffAfter', 'SleepAfter'):
            settings['Control/Idle/%s/%s' % (source, key)] = '0'
    for name, value in values.items():
        source, _, key = name.partition('_')
        settings['Control/Idle/%s/%s' % (source, key)] = str(value)
    w.write_settings(settings)


def listed_inhibitors():
    manager = w.system_bus().get_object(LOGIND, LOGIND_PATH, introspect=False)
    return [tuple(str(f) for f in entry[:4])
            for entry in manager.ListInhibitors(dbus_interface=MANAGER)]


class IdleCase(unittest.TestCase):
    '''On battery (a discharging battery on today's stack) unless a test
    says otherwise, with logind's and UPower's stand-ins.'''

    battery_state = w.DISCHARGING

    def setUp(self):
        self.desktop = w.Desktop()
        self.addCleanup(self.desktop.stop)
        self.upower = w.UPower(DaemonVersion='0.99.20')
        self.addCleanup(self.upower.stop)
        self.battery = self.upower.add_battery('BAT0', 80, self.battery_state)
        self.logind = w.Mock('logind', LOGIND, LOGIND_PATH, True)
        self.addCleanup(self.logind.stop)
        self.holders = []
        self.addCleanup(self.stop_holders)

    def start(self, *args, env=None):
        self.program = w.Program('--hidden', *args, env=env)
        self.addCleanup(self.program.stop)
        w.wait_until(self.desktop.items, 10, what='the tray items')

    def sleep_requests(self):
        '''Suspend as UPower and logind received it.'''
        return self.upower.sleep_requests() + self.logind.method_names().count('Suspend') * [
            'Suspend']

    def assert_no_sleep_for(self, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.assertEqual(self.sleep_requests(), [])
            time.sleep(0.2)

    def wait_for_sleep(self, what):
        return w.wait_until(self.sleep_requests, 4 * SLEEP_AFTER, what=what)

    def hold(self, kind):
        holder = subprocess.Popen(['/usr/bin/python3', '-c', HOLDER, kind],
                                  stdout=subprocess.PIPE, text=True)
        self.holders.append(holder)
        self.assertEqual(holder.stdout.readline().strip(), 'held')
        return holder

    def stop_holders(self):
        for holder in self.holders:
            if holder.poll() is None:
                holder.kill()
            holder.wait()
            holder.stdout.close()

    def serving(self, name):
        bus = w.session_bus()
        daemon = w.bus_daemon(bus)
        return w.name_has_owner(bus, name) and \
            daemon.GetConnectionUnixProcessID(name) == self.program.pid

    def window_tool_tip(self):
        for item in self.desktop.items():
            title = item.tool_tip()[0]
            if title.startswith(w.WINDOW_TITLE):
                return title
        return None


class Sleep(IdleCase):
    def setUp(self):
        super().setUp()
        idle_settings(Battery_SleepAfter=SLEEP_AFTER)

    def test_sleeps_once_after_sleep_after_without_input(self):
        last_input = touch()
        self.start()
        self.wait_for_sleep('Suspend after %d s without input' % SLEEP_AFTER)
        self.assertGreaterEqual(time.monotonic() - last_input, SLEEP_AFTER)
        self.assertEqual(len(self.sleep_requests()), 1)
        # Once a stretch: the machine did not sleep (a stand-in), and the
        # person is still away.
        time.sleep(2 * SLEEP_AFTER)
        self.assertEqual(len(self.sleep_requests()), 1)

    def test_never_while_the_pointer_moves(self):
        touch()
        self.start()
        # The person is there as long as no two touches lie SLEEP_AFTER
        # apart, from the start of one to the end of the next. A runner too
        # busy for that leaves the server counting a real idle stretch.
        longest = 0
        previous = time.monotonic()
        deadline = previous + NEVER
        while time.monotonic() < deadline:
            time.sleep(0.3)
            began = time.monotonic()
            longest = max(longest, touch() - previous)
            previous = began
            if self.sleep_requests():
                if longest >= SLEEP_AFTER:
                    self.skipTest('this runner left the pointer alone %.1f s' % longest)
                self.fail('asked to sleep with the pointer never still for %.1f s' % longest)
        last_input = touch()
        self.wait_for_sleep('Suspend once the pointer rests')
        self.assertGreaterEqual(time.monotonic() - last_input, SLEEP_AFTER)

    def test_a_refusal_is_told_once_while_the_person_is_away(self):
        self.upower.mock().AddMethod(
            w.UPOWER, 'Suspend', '', '',
            "raise dbus.exceptions.DBusException('Not allowed', "
            "name='org.freedesktop.DBus.Error.AccessDenied')")
        touch()
        self.start()
        message = 'Power manager|Suspend when idle was refused: Not allowed.'
        w.wait_until(lambda: message in self.desktop.messages(), 4 * SLEEP_AFTER,
                     what='the refusal (have %s)' % self.desktop.messages())
        # Asked again while the person stays away, told once.
        w.wait_until(lambda: len(self.sleep_requests()) >= 3, 6 * SLEEP_AFTER,
                     what='Suspend asked again')
        self.assertEqual(self.desktop.messages().count(message), 1)
        # Back, and away again: told again.
        touch()
        w.wait_until(lambda: self.desktop.messages().count(message) == 2, 4 * SLEEP_AFTER,
                     what='the refusal told again')

    def assert_held_until_the_holder_leaves(self, kind):
        touch()
        self.start()
        w.wait_until(lambda: self.serving('org.freedesktop.PowerManagement') and
                     self.serving('org.freedesktop.ScreenSaver'), 10,
                     what='the program to serve the inhibitions')
        holder = self.hold(kind)
        touch()
        self.assert_no_sleep_for(NEVER)
        # Killed: it never gives its cookie or its inhibitor back.
        holder.kill()
        self.wait_for_sleep('Suspend once the %s holder left' % kind)

    def test_held_by_power_management_inhibit_until_the_caller_leaves(self):
        self.assert_held_until_the_holder_leaves('power-management')

    def test_held_by_screen_saver_inhibit_until_the_caller_leaves(self):
        self.assert_held_until_the_holder_leaves('screen-saver')

    def test_held_by_a_logind_idle_block_until_it_is_closed(self):
        self.assert_held_until_the_holder_leaves('logind')
        # Asked at the moment of acting, not before.
        self.assertIn('ListInhibitors', self.logind.method_names())

    def test_a_held_inhibition_costs_no_bus_message_and_is_named_in_the_tooltip(self):
        touch()
        self.start()
        w.wait_until(lambda: self.serving('org.freedesktop.PowerManagement'), 10,
                     what='the program to serve the inhibitions')
        self.hold('power-management')
        # The name is the caller's: escaped for a host that reads markup.
        tip = w.wait_until(lambda: 'Kept awake by' in (self.window_tool_tip() or '') and
                           self.window_tool_tip(), 10, what='the tooltip to name the holder')
        self.assertIn('Kept awake by Firefox: Playing &lt;video&gt;', tip)
        # The sleep's timeout passes while it is held: nothing is asked.
        self.assertEqual(system_bus_messages_from(self.program.pid, NEVER), [])
        self.assertEqual(self.sleep_requests(), [])


class OnLinePower(IdleCase):
    battery_state = w.CHARGING

    def test_sleep_set_for_battery_only_never_comes_on_line_power(self):
        idle_settings(Battery_SleepAfter=SLEEP_AFTER)
        touch()
        self.start()
        self.assert_no_sleep_for(NEVER)
        # Unplugged while idle: the battery's choice, counted from the
        # last input, is due at once.
        self.upower.announce(self.battery, State=dbus.UInt32(w.DISCHARGING))
        self.wait_for_sleep('Suspend once on battery')


class KeepAwake(IdleCase):
    def test_keep_awake_holds_a_logind_inhibitor_that_ends_with_the_program(self):
        idle_settings()
        self.start()
        item = w.wait_until(self.desktop.window_items, 10, what="the window's tray item")[0]
        menu = Menu(item)
        menu.click('Keep awake')
        mine = ('idle:sleep', 'Power manager', 'Kept awake from the tray', 'block')
        w.wait_until(lambda: mine in listed_inhibitors(), 10,
                     what='the inhibitor (have %s)' % listed_inhibitors())
        w.wait_until(lambda: int(menu.find('Keep awake')[2].get('toggle-state', 0)) == 1, 5,
                     what='the check mark')
        self.assertIn('Kept awake from the tray menu', self.window_tool_tip())

        # Sleep chosen while it is kept awake: the edit counts at once.
        asked = self.logind.method_names().count('ListInhibitors')  # by this test
        idle_settings(Battery_SleepAfter=SLEEP_AFTER)
        touch()
        self.assert_no_sleep_for(NEVER)
        # Its own inhibitor is known without asking logind, which would
        # not list it as another's.
        self.assertEqual(self.logind.method_names().count('ListInhibitors'), asked)
        # Unchecked: the sleep that was held up comes.
        menu.click('Keep awake')
        self.wait_for_sleep('Suspend once no longer kept awake')
        self.assertNotIn(mine, listed_inhibitors())

        menu.click('Keep awake')
        w.wait_until(lambda: mine in listed_inhibitors(), 10, what='the inhibitor again')
        self.program.process.send_signal(signal.SIGKILL)
        self.program.process.wait()
        w.wait_until(lambda: listed_inhibitors() == [], 10, what='the inhibitor to end')


class Dimming(IdleCase):
    def setUp(self):
        super().setUp()
        self.sysfs = subprocess.Popen(['/usr/bin/python3', SIMULATED_SYSFS],
                                      stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.addCleanup(self.stop_sysfs)
        self.root = self.command('root')
        self.command('add backlight panel type raw max_brightness 1000 brightness 800 '
                     'actual_brightness 800')
        mock = self.logind.mock()
        mock.AddSession('auto', 'seat0', dbus.UInt32(1000), 'someone', True)
        self.logind.mock(SESSION_PATH).AddMethod('org.freedesktop.login1.Session',
                                                 'SetBrightness', 'ssu', '', '')
        idle_settings(Battery_DimAfter=DIM_AFTER, Battery_DimTo=30)

    def command(self, line):
        self.sysfs.stdin.write(line + '\n')
        self.sysfs.stdin.flush()
        answer = self.sysfs.stdout.readline().strip()
        if not answer.startswith('ok'):
            raise AssertionError('simulated sysfs: %s' % answer)
        return answer[3:]

    def stop_sysfs(self):
        self.sysfs.stdin.close()
        self.sysfs.wait(30)
        self.sysfs.stdout.close()

    def levels(self):
        return [int(call[2]) for call in self.logind.calls('SetBrightness', SESSION_PATH)]

    def kernel_shows(self, level):
        '''What logind's write does: the kernel's new level and its event.'''
        self.command('set panel brightness %d' % level)
        self.command('set panel actual_brightness %d' % level)
        self.command('uevent panel change')

    def program_environment(self):
        env = dict(os.environ, UMOCKDEV_DIR=self.root)
        libraries = subprocess.run(['ldd', w.binary()], capture_output=True, text=True).stdout
        asan = [line.split()[2] for line in libraries.splitlines() if 'libasan' in line]
        env['LD_PRELOAD'] = ' '.join(asan + ['libumockdev-preload.so.0'])
        return env

    def test_dims_after_dim_after_and_comes_back_on_input(self):
        last_input = touch()
        self.start(env=self.program_environment())
        w.wait_until(lambda: self.levels() == [300], 4 * DIM_AFTER,
                     what='dimming to 30 %% (have %s)' % self.levels())
        self.assertGreaterEqual(time.monotonic() - last_input, DIM_AFTER)
        self.kernel_shows(300)
        touch()
        w.wait_until(lambda: self.levels() == [300, 800], 10,
                     what='the level back (have %s)' % self.levels())
        self.kernel_shows(800)

        # Dimmed again, then someone sets another level: that one stays.
        w.wait_until(lambda: self.levels() == [300, 800, 300], 4 * DIM_AFTER,
                     what='dimming again (have %s)' % self.levels())
        self.kernel_shows(300)
        time.sleep(0.5)
        self.kernel_shows(550)
        time.sleep(0.5)
        touch()
        time.sleep(2)
        self.assertEqual(self.levels(), [300, 800, 300])
        self.assertEqual(self.sleep_requests(), [])


if __name__ == '__main__':
    w.main()
