'''Helpers for the end-to-end tests of wex-power (and scripts/screenshots).

The tests run under run-with-buses: private system and session buses, a
home of their own and an X server. These helpers start the mocked services
(UPower, ConsoleKit, a StatusNotifierWatcher and a notification daemon),
start the real program and watch it only from outside: its tray items and
messages over D-Bus, the calls the mocks record, its settings file, its
windows through xdotool and xwininfo, and its widgets through the AT-SPI
accessibility interface Qt exports on the session bus.
'''

import atexit
import datetime
import html
import json
import os
import re
import subprocess
import time
import unittest

import dbus

HERE = os.path.dirname(os.path.abspath(__file__))
TEMPLATES = os.path.join(HERE, 'templates')
MOCK_IFACE = 'org.freedesktop.DBus.Mock'
PROPS_IFACE = 'org.freedesktop.DBus.Properties'
SNI_IFACE = 'org.kde.StatusNotifierItem'
SNI_PATH = '/StatusNotifierItem'
UPOWER = 'org.freedesktop.UPower'
UPOWER_PATH = '/org/freedesktop/UPower'
DEVICE_PREFIX = '/org/freedesktop/UPower/devices/'
WINDOW_TITLE = 'Power management'

# Icon names the program asks the theme for.
ICON_NAMES = ['application-exit', 'power', 'preferences-system', 'battery', 'dialog-warning',
              'connect_no', 'connect_established', 'ok', 'korganizer',
              'preferences-desktop-screensaver']

# The description of the UPower stand-in's devices the C++ tests read too:
# the enum values, the D-Bus type of each property and the defaults.
with open(os.path.join(HERE, '..', 'support', 'upower-mock.json')) as _f:
    UPOWER_MOCK = json.load(_f)
DBUS_TYPES = {'u': dbus.UInt32, 'd': dbus.Double, 'x': dbus.Int64, 'b': dbus.Boolean,
              's': dbus.String}

# UPower device types and states.
LINE_POWER, BATTERY, UPS, MOUSE = (UPOWER_MOCK['deviceTypes'][t]
                                   for t in ('line power', 'battery', 'ups', 'mouse'))
CHARGING, DISCHARGING, FULLY_CHARGED = (UPOWER_MOCK['states'][s]
                                        for s in ('charging', 'discharging', 'fully charged'))

# The power monitor's period in the program.
MONITOR_SECONDS = 5


def binary():
    return os.environ['WEX_POWER_BINARY']


# Every limit on waiting is stretched by this much: the tests share two
# cores with builds and other tests, and a sanitizer build runs slower. A
# wait ends as soon as its condition holds, so only failures take longer.
PATIENCE = 4


def wait_until(predicate, timeout=10.0, interval=0.05, what='condition'):
    '''Polls predicate until it answers something true and returns that.'''
    timeout *= PATIENCE
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise AssertionError('timed out after %.1f s waiting for %s' % (timeout, what))
        time.sleep(interval)


def system_bus():
    return dbus.SystemBus()


def session_bus():
    return dbus.SessionBus()


def bus_daemon(bus):
    return dbus.Interface(bus.get_object('org.freedesktop.DBus', '/org/freedesktop/DBus'),
                          'org.freedesktop.DBus')


def name_has_owner(bus, name):
    return bool(bus_daemon(bus).NameHasOwner(name))


def stop_process(process):
    '''Terminates a process and waits for it; kills it if it lingers.'''
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def temporary_path(stem):
    folder = os.environ.get('TMPDIR', '/tmp')
    return os.path.join(folder, '%s-%d-%d' % (stem, os.getpid(), time.monotonic_ns()))


# ---------------------------------------------------------------- mocks

class Mock:
    '''A python3-dbusmock service started from a template; its output (what
    the stand-ins print) goes to a file.'''

    def __init__(self, template, bus_name, main_path, system, parameters=None):
        if template.endswith('.py') and not os.path.isabs(template):
            template = os.path.join(TEMPLATES, template)
        self.bus_name = bus_name
        self.main_path = main_path
        self.system = system
        log = temporary_path(bus_name)
        self.log_path = log + '.calls'
        argv = ['/usr/bin/python3', '-m', 'dbusmock', '--system' if system else '--session',
                '--template', template, '-l', self.log_path]
        if parameters:
            argv += ['-p', json.dumps(parameters)]
        self.output_path = log + '.out'
        self._output = open(self.output_path, 'w')
        self.process = subprocess.Popen(argv, stdout=self._output, stderr=subprocess.STDOUT)
        wait_until(lambda: self.process.poll() is not None or name_has_owner(self.bus(), bus_name),
                   15, what=bus_name)
        if self.process.poll() is not None:
            raise RuntimeError('the %s stand-in failed:\n%s' % (bus_name, self.output()))
        # dbusmock owns the name before the template has loaded; it answers
        # calls only once it has, so one call makes sure all is there.
        self.mock().GetCalls()

    def bus(self):
        return system_bus() if self.system else session_bus()

    def object(self, path=None):
        return self.bus().get_object(self.bus_name, path or self.main_path, introspect=False)

    def mock(self, path=None):
        return dbus.Interface(self.object(path), MOCK_IFACE)

    def calls(self, method, path=None):
        '''The argument lists of every recorded call of method.'''
        return [list(args) for _, args in self.mock(path).GetMethodCalls(method)]

    def method_names(self, path=None):
        '''The names of the recorded calls, in order.'''
        return [str(call[1]) for call in self.mock(path).GetCalls()]

    def output(self):
        with open(self.output_path) as f:
            return f.read()

    def stop(self):
        stop_process(self.process)
        self._output.close()


class UPower(Mock):
    '''The UPower stand-in with the API the program was written for; with
    daemon_version 0.99 or later it stands for today's UPower, which
    announces every change with PropertiesChanged (see announce()).'''

    def __init__(self, can_hibernate=True, can_suspend=True, **parameters):
        parameters.update(CanHibernate=can_hibernate, CanSuspend=can_suspend)
        super().__init__('upower_old.py', UPOWER, UPOWER_PATH, True, parameters)

    def add_battery(self, name, percent, state, device_type=BATTERY, announce=False, **extra):
        '''Adds a device of 50 Wh design energy charged to percent and
        returns its object path; with announce, emits DeviceAdded too.'''
        path = DEVICE_PREFIX + name
        props = battery_properties(name, percent, state, device_type)
        props.update(extra)
        self.mock().AddDevice(path, dbus.Dictionary(props, signature='sv'))
        if announce:
            self.mock().EmitDeviceAdded(path)
        return path

    def change(self, path, **properties):
        '''Changes device properties and emits the device's Changed signal.'''
        self.mock().ChangeDevice(path, dbus.Dictionary(properties, signature='sv'))

    def set_properties(self, path, **properties):
        '''Changes device properties without any signal.'''
        self.mock().SetDeviceProperties(path, dbus.Dictionary(properties, signature='sv'))

    def set_state(self, path, state, percent=None):
        '''Silently changes the state (and the charge): only the monitor,
        which asks every few seconds, notices.'''
        props = {'State': dbus.UInt32(state)}
        if percent is not None:
            props.update(charge_properties(percent))
        self.set_properties(path, **props)

    def announce(self, path, **properties):
        '''Changes device properties and emits PropertiesChanged with them.'''
        self.mock().EmitPropertiesChanged(path, dbus.Dictionary(properties, signature='sv'))

    def burst(self, path, count, properties_changed=False):
        '''Emits count Changed (or PropertiesChanged) signals of the device
        in one go.'''
        self.mock().EmitBurst(path, properties_changed, dbus.UInt32(count))

    def property_reads(self, path):
        '''How many property reads (Get or GetAll) of the device the daemon
        has logged; dbusmock answers a Get through GetAll, so that line
        stands for both.'''
        with open(self.log_path) as f:
            return f.read().count(' GetAll %s ' % path)

    def remove(self, path):
        self.mock().RemoveDevice(path)

    def sleep_requests(self):
        '''The Hibernate and Suspend calls received, in order.'''
        return [m for m in self.method_names() if m in ('Hibernate', 'Suspend')]

    def enumerations(self):
        return self.method_names().count('EnumerateDevices')

    def set_manager(self, **properties):
        '''Changes the daemon's own properties (LidIsPresent, LidIsClosed...)
        and tells of it as its generation does: Changed before 0.99.'''
        self.mock().SetManagerProperties(dbus.Dictionary(properties, signature='sv'))

    def flap_lid(self, times):
        '''Closes and opens the lid times times in one go; it ends open.'''
        self.mock().FlapLid(dbus.UInt32(times))

    def manager_reads(self, property_name):
        '''How often the daemon's own property was read.'''
        with open(self.log_path) as f:
            return f.read().count(' Get %s %s.%s\n' % (UPOWER_PATH, UPOWER, property_name))

    def wait_for_monitor_run(self, settle=1.0):
        '''Waits for the next run of the program's power monitor, which
        starts by listing the devices, and for that run to be over; changes
        made afterwards show at the run after it.'''
        before = self.enumerations()
        wait_until(lambda: self.enumerations() > before, MONITOR_SECONDS + 3, 0.05,
                   'a run of the power monitor')
        time.sleep(settle)


def typed_properties(fields, name=''):
    '''The fields as values of their D-Bus types; "{name}" in a text
    stands for name.'''
    signatures = UPOWER_MOCK['signatures']
    return {key: DBUS_TYPES[signatures[key]](value.replace('{name}', name)
                                             if isinstance(value, str) else value)
            for key, value in fields.items()}


def charge_properties(percent):
    design = UPOWER_MOCK['python']['battery']['EnergyFullDesign']
    return typed_properties({'Energy': design * percent / 100, 'Percentage': percent})


def battery_properties(name, percent, state, device_type=BATTERY):
    props = typed_properties(UPOWER_MOCK['battery'], name)
    props.update(typed_properties(UPOWER_MOCK['python']['battery'], name))
    props.update(typed_properties({'Type': device_type, 'State': state}))
    props.update(charge_properties(percent))
    return props


class AnnouncingUPower(Mock):
    '''dbusmock's own UPower template: today's daemon, which announces
    every change with PropertiesChanged and, like UPower 0.99 and later, has
    no sleep requests of its own, so that they go to logind. It has a lid,
    open.'''

    def __init__(self, on_battery=False):
        super().__init__('upower', UPOWER, UPOWER_PATH, True,
                         {'DaemonVersion': '0.99.20', 'OnBattery': on_battery,
                          'LidIsPresent': True, 'LidIsClosed': False})

    def add_battery(self, discharging, percent=80.0):
        '''A battery of the machine, discharging or charging.'''
        if discharging:
            return self.mock().AddDischargingBattery('BAT0', 'Lid Battery', percent,
                                                     dbus.Int64(3600))
        return self.mock().AddChargingBattery('BAT0', 'Lid Battery', percent, dbus.Int64(3600))

    def set_lid(self, closed):
        '''LidIsClosed, announced; any value (a text stands for a broken daemon).'''
        self.mock().UpdateProperties(UPOWER, dbus.Dictionary({'LidIsClosed': closed},
                                                             signature='sv'))

    def flap_lid(self, times):
        '''Closes and opens the lid times times in one go; it ends open.'''
        self.mock().AddMethod(MOCK_IFACE, 'FlapLid', 'u', '',
                              'for _ in range(args[0]):\n'
                              '    for closed in (True, False):\n'
                              '        self.UpdateProperties("%s", {"LidIsClosed": '
                              'dbus.Boolean(closed)})' % UPOWER)
        self.mock().FlapLid(dbus.UInt32(times))

    def manager_read(self):
        '''Whether the daemon's own values were read (the one GetAll).'''
        with open(self.log_path) as f:
            return ' GetAll %s %s\n' % (UPOWER_PATH, UPOWER) in f.read()


class Logind(Mock):
    '''dbusmock's logind, with the session "auto" that logind finds for the
    caller. It records Inhibit, Suspend, Hibernate, PowerOff and the
    session's Lock, and ListInhibitors lists an inhibitor as long as a copy
    of its descriptor is open anywhere. handling: manager properties such as
    HandleLidSwitchExternalPower="hibernate" (logind's own for the lid).'''

    MANAGER = 'org.freedesktop.login1.Manager'
    SESSION = '/org/freedesktop/login1/session/auto'

    def __init__(self, **handling):
        super().__init__('logind', 'org.freedesktop.login1', '/org/freedesktop/login1', True)
        self.mock().AddSession('auto', 'seat0', dbus.UInt32(1000), 'someone', True)
        for name, value in handling.items():
            self.mock().AddProperty(self.MANAGER, name, value)

    def inhibitors(self):
        '''(what, who, why, mode) of each inhibitor listed now.'''
        listed = self.object().ListInhibitors(dbus_interface=self.MANAGER)
        return [tuple(str(part) for part in entry[:4]) for entry in listed]

    def inhibited(self):
        '''What is inhibited now, one entry per inhibitor.'''
        return [entry[0] for entry in self.inhibitors()]

    def asked_to_inhibit(self):
        '''What each recorded Inhibit asked for, in order; read from the log,
        so that it answers while the stand-in is busy.'''
        with open(self.log_path) as f:
            return re.findall(r' Inhibit "([^"]*)"', f.read())

    def answer_inhibit_slowly(self, seconds):
        '''Inhibit holds the inhibitor at once, as logind does, and answers
        after this long, as a busy logind or bus would. The stand-in answers
        nothing meanwhile.'''
        self.mock().AddMethod(self.MANAGER, 'Inhibit', 'ssss', 'h',
                              'import time\n'
                              'from dbusmock.templates import logind\n'
                              'ret = logind.Inhibit(self, *args)\n'
                              'time.sleep(%f)\n' % seconds)

    def requests(self):
        '''The power requests and locks received, in order of kind.'''
        actions = [m for m in self.method_names() if m in ('Suspend', 'Hibernate', 'PowerOff')]
        return actions + ['Lock'] * len(self.calls('Lock', self.SESSION))

    def refuse_inhibit(self):
        '''Inhibit answers as a logind that does not allow it.'''
        self.mock().AddMethod(self.MANAGER, 'Inhibit', 'ssss', 'h',
                              'raise dbus.exceptions.DBusException("Not allowed", '
                              'name="org.freedesktop.DBus.Error.AccessDenied")')

    def manager_reads(self):
        '''How often all of the manager's properties were read.'''
        with open(self.log_path) as f:
            return f.read().count(' GetAll %s %s\n' % (self.main_path, self.MANAGER))


class ConsoleKit(Mock):
    def __init__(self):
        super().__init__('consolekit.py', 'org.freedesktop.ConsoleKit',
                         '/org/freedesktop/ConsoleKit/Manager', True)

    def stops(self):
        return self.method_names().count('Stop')


# -------------------------------------------------------- tray, messages

class Desktop:
    '''A tray host (StatusNotifierWatcher) and a notification daemon on the
    session bus: Qt then shows its tray icons as StatusNotifierItems and
    its tray messages as notifications. Start it before the program.'''

    def __init__(self):
        self.watcher = Mock('statusnotifierwatcher.py', 'org.kde.StatusNotifierWatcher',
                            '/StatusNotifierWatcher', False)
        self.notifier = Mock('notification_daemon', 'org.freedesktop.Notifications',
                             '/org/freedesktop/Notifications', False)

    def registered(self):
        '''Every service that ever registered an item.'''
        return [str(s) for s in self.watcher.mock().RegisteredItems()]

    def items(self):
        '''The registered items whose service is still on the bus.'''
        bus = session_bus()
        return [TrayItem(s) for s in self.registered() if name_has_owner(bus, s)]

    def tool_tips(self):
        '''{item: tool tip title} of the items on the bus.'''
        result = {}
        for item in self.items():
            try:
                result[item] = item.tool_tip()[0]
            except dbus.DBusException:
                pass  # gone since it was listed
        return result

    def window_items(self):
        return [item for item, tip in self.tool_tips().items() if tip == WINDOW_TITLE]

    def battery_items(self):
        '''{model: item} of the items whose tool tip is a battery's.'''
        result = {}
        for item, tip in self.tool_tips().items():
            lines = dict(tooltip_lines(tip))
            if 'Model:' in lines:
                result[lines['Model:']] = item
        return result

    def notifications(self):
        '''(summary, body, icon, timeout) of every Notify call, in order.'''
        # Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, timeout)
        return [(str(a[3]), str(a[4]), str(a[2]), int(a[7])) for a in self.notifier.calls('Notify')]

    def messages(self):
        return ['%s|%s' % n[:2] for n in self.notifications()]

    def stop(self):
        self.watcher.stop()
        self.notifier.stop()


class TrayItem:
    '''A StatusNotifierItem as a tray host sees it.'''

    def __init__(self, service):
        self.service = service

    def __repr__(self):
        return 'TrayItem(%s)' % self.service

    def prop(self, name):
        obj = session_bus().get_object(self.service, SNI_PATH, introspect=False)
        return obj.Get(SNI_IFACE, name, dbus_interface=PROPS_IFACE)

    def alive(self):
        return name_has_owner(session_bus(), self.service)

    def tool_tip(self):
        '''(title, text) of the ToolTip (icon name, pixmaps, title, text).'''
        tip = self.prop('ToolTip')
        return str(tip[2]), str(tip[3])

    def icon_name(self):
        return str(self.prop('IconName'))

    def pixmaps(self):
        '''{side: Image} of the square IconPixmap images.'''
        result = {}
        for width, height, data in self.prop('IconPixmap'):
            if width == height:
                result[int(width)] = Image(int(width), int(height), bytes(data))
        return result


def tooltip_lines(text):
    '''The lines of a rich-text tool tip as (bold label, rest) pairs, the
    text unescaped; a line without a bold start has an empty label.'''
    # Qt writes <b> back as a span of weight 600.
    bold_start = re.compile(r'\s*<(?:b|span style="[^"]*font-weight:(?:600|700|bold)[^"]*")>'
                            r'(.*?)</(?:b|span)>(.*)', re.S)

    def plain(markup):
        return html.unescape(re.sub(r'<[^>]*>', '', markup)).strip()

    lines = []
    for paragraph in re.findall(r'<p[^>]*>(.*?)</p>', text, re.S):
        bold = bold_start.match(paragraph)
        label, rest = (bold.group(1), bold.group(2)) if bold else ('', paragraph)
        lines.append((plain(label), plain(rest)))
    return lines


class Image:
    '''An ARGB32 image in network byte order, as StatusNotifierItems send.'''

    def __init__(self, width, height, data):
        if len(data) != width * height * 4:
            raise AssertionError('%dx%d pixmap with %d bytes' % (width, height, len(data)))
        self.width = width
        self.height = height
        self.data = data

    def pixel(self, x, y):
        '''(red, green, blue, alpha) at x, y.'''
        i = (y * self.width + x) * 4
        a, r, g, b = self.data[i:i + 4]
        return (r, g, b, a)

    def rows(self):
        '''The colour of each row from the top, or None for a row that is
        not of one colour.'''
        result = []
        for y in range(self.height):
            colours = {self.pixel(x, y) for x in range(self.width)}
            result.append(colours.pop() if len(colours) == 1 else None)
        return result

    def rgba(self):
        '''The pixels as RGBA bytes (ImageMagick: -size WxH -depth 8 rgba:FILE).'''
        out = bytearray(len(self.data))
        out[0::4] = self.data[1::4]
        out[1::4] = self.data[2::4]
        out[2::4] = self.data[3::4]
        out[3::4] = self.data[0::4]
        return bytes(out)


def expected_gauge_rows(side, percent):
    '''The rows of a charge gauge from the top: the uncharged part in
    translucent blue, the charged rows at the bottom in a colour running
    from red through yellow to green.'''
    charged = int(side * percent / 100)
    if percent > 50:
        red, green = int(max(0.0, (100 - percent) / 50 * 255)), 255
    else:
        red, green = 255, int(max(0.0, percent / 50 * 255))
    return [(0, 0, 255, 128)] * (side - charged) + [(red, green, 0, 255)] * charged


def install_icon_theme():
    '''Gives every icon name the program uses a plain 16-pixel PNG in the
    fallback theme (hicolor) of the private home: on X without a desktop Qt
    looks names up there, and a tray item then carries the name.'''
    theme = os.path.join(os.environ['XDG_DATA_HOME'], 'icons', 'hicolor')
    folder = os.path.join(theme, '16x16', 'apps')
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(theme, 'index.theme'), 'w') as f:
        f.write('[Icon Theme]\nName=hicolor\nDirectories=16x16/apps\n\n'
                '[16x16/apps]\nSize=16\nType=Fixed\n')
    for index, name in enumerate(ICON_NAMES):
        hue = index * 100 // len(ICON_NAMES)
        subprocess.run(['/usr/bin/convert', '-size', '16x16', 'xc:hsb(%d%%,100%%,80%%)' % hue,
                        os.path.join(folder, name + '.png')], check=True)


# ------------------------------------------------------------- settings

def settings_path():
    return os.path.join(os.environ['XDG_CONFIG_HOME'], 'wex', 'wex-power.conf')


def battery_key(device_path, leaf):
    '''A battery's settings key (QSettings folds the double slash).'''
    return 'Control/Battery' + device_path + '/' + leaf


def schedule_key(action, leaf):
    return 'Control/Scheduling/%s/%s' % (action, leaf)


def qtime_value(hour, minute, second=0):
    '''A QTime as QSettings writes it into an INI file: "@Variant(" and the
    QVariant in a QDataStream of version Qt 4.0 (type 15, milliseconds since
    midnight), escaped the way QSettings escapes INI values.'''
    ms = ((hour * 60 + minute) * 60 + second) * 1000
    stream = b'\x00\x00\x00\x0f' + ms.to_bytes(4, 'big')
    return ini_escaped('@Variant(' + stream.decode('latin-1') + ')')


def ini_escaped(text):
    '''A value escaped as QSettings writes Latin-1 text into an INI file.'''
    named = {'\a': '\\a', '\b': '\\b', '\f': '\\f', '\n': '\\n', '\r': '\\r',
             '\t': '\\t', '\v': '\\v', '"': '\\"', '\\': '\\\\'}
    out = []
    quote = False
    escape_hex_digit = False
    for ch in text:
        code = ord(ch)
        quote = quote or ch in ';,='
        # After a numeric escape a hex digit would read as part of it.
        if escape_hex_digit and ch in '0123456789abcdefABCDEF':
            out.append('\\x%x' % code)
            continue
        escape_hex_digit = False
        if code == 0:
            out.append('\\0')
            escape_hex_digit = True
        elif ch in named:
            out.append(named[ch])
        elif code <= 0x1f or code >= 0x7f:
            out.append('\\x%x' % code)
            escape_hex_digit = True
        else:
            out.append(ch)
    result = ''.join(out)
    if quote or result.startswith(' ') or result.endswith(' '):
        result = '"' + result + '"'
    return result


def write_settings(values):
    '''Writes the settings file from {key: INI text}, keys with slashes;
    their first part becomes the section, as with QSettings.'''
    sections = {}
    for key, value in values.items():
        section, _, rest = key.partition('/') if '/' in key else ('General', '', key)
        sections.setdefault(section, []).append((rest.replace('/', '\\'), value))
    os.makedirs(os.path.dirname(settings_path()), exist_ok=True)
    with open(settings_path(), 'w', encoding='latin-1') as f:
        for section, entries in sections.items():
            f.write('[%s]\n' % section)
            f.writelines('%s=%s\n' % entry for entry in entries)
            f.write('\n')


def read_settings():
    '''The settings file as {key: INI text}, keys with slashes.'''
    result = {}
    if not os.path.exists(settings_path()):
        return result
    section = 'General'
    with open(settings_path(), encoding='latin-1') as f:
        for line in f:
            line = line.rstrip('\n')
            if line.startswith('[') and line.endswith(']'):
                section = line[1:-1]
            elif '=' in line:
                key, _, value = line.partition('=')
                key = key.replace('\\', '/')
                result[key if section == 'General' else section + '/' + key] = value
    return result


# ------------------------------------------------------------- program

class Program:
    '''One start of the real binary; its output goes to a file.'''

    # Every start in this test process, so that a failing test can show
    # what the programs said (a sanitizer report, say).
    started = []

    def __init__(self, *args, env=None):
        Program.started.append(self)
        self.log_path = temporary_path('wex-power') + '.log'
        self._log = open(self.log_path, 'w')
        self.started = time.monotonic()
        self.stopped = False
        self.process = subprocess.Popen([binary()] + list(args), stdout=self._log,
                                        stderr=subprocess.STDOUT, env=env)

    @property
    def pid(self):
        return self.process.pid

    def output(self):
        with open(self.log_path) as f:
            return f.read()

    def running(self):
        return self.process.poll() is None

    def sanitized(self):
        '''Whether this is the build with AddressSanitizer, whose memory
        figures say nothing of the program's own.'''
        with open('/proc/%d/maps' % self.pid) as f:
            return 'libasan' in f.read()

    def tail(self, lines=40):
        try:
            return ''.join(self.output().splitlines(True)[-lines:])
        except OSError:
            return ''

    def wait(self, timeout):
        '''The exit status; fails when the program runs on past timeout
        (stretched by PATIENCE).'''
        try:
            return self.process.wait(timeout * PATIENCE)
        except subprocess.TimeoutExpired:
            raise AssertionError('wex-power still runs after %s s' % (timeout * PATIENCE)) from None

    def stop(self):
        self.stopped = True
        stop_process(self.process)
        self._log.close()

    def window(self, timeout=10, title=WINDOW_TITLE):
        '''The X window id of the main window, once it is viewable.'''
        window = wait_until(lambda: find_window(self.pid, title), timeout,
                            what='the main window %r' % title)
        wait_until(lambda: is_viewable(window), timeout, what='the main window to show')
        return window

    def accessible(self, timeout=10):
        '''The root of the program's accessibility tree (see expose_accessibility()).'''
        return wait_until(lambda: accessibility_root(self.pid), timeout,
                          what='the accessibility tree of wex-power')


class ProgramOutputResult(unittest.TextTestResult):
    '''Adds to every failure the tail of the output of each program the
    test started: its cause (a sanitizer report, a warning) is then right
    beside the assertion.'''

    def startTest(self, test):
        self._first_program = len(Program.started)
        super().startTest(test)

    def _exc_info_to_string(self, err, test):
        text = super()._exc_info_to_string(err, test)
        # This test's programs, and those of a class fixture that still run
        # or have failed on their own (not stopped by an earlier test).
        first = getattr(self, '_first_program', 0)
        programs = [p for p in Program.started[:first]
                    if p.process.poll() is None or (p.process.poll() != 0 and not p.stopped)]
        programs += Program.started[first:]
        for program in programs:
            status = program.process.poll()
            tail = program.tail()
            if tail:
                text += '\n--- wex-power %s (pid %d, %s), last lines of %s:\n%s' % (
                    ' '.join(program.process.args[1:]), program.pid,
                    'running' if status is None else 'exit status %d' % status,
                    program.log_path, tail)
        return text


def main():
    '''unittest.main() for the end-to-end tests.'''
    unittest.main(verbosity=2, testRunner=unittest.TextTestRunner(
        resultclass=ProgramOutputResult, verbosity=2))


# ------------------------------------------------------------- windows

def xdotool(*args):
    result = subprocess.run(['xdotool'] + [str(a) for a in args], capture_output=True, text=True)
    if result.returncode != 0:
        raise AssertionError('xdotool %s failed: %s' % (' '.join(map(str, args)), result.stderr))
    return result.stdout.strip()


def find_windows(pid, title=WINDOW_TITLE):
    # xdotool's own name match fails on titles beyond Latin-1 (Japanese, say),
    # so the names are compared here.
    out = subprocess.run(['xdotool', 'search', '--pid', str(pid)], capture_output=True,
                         text=True).stdout
    return [int(w) for w in out.split() if window_name(int(w)) == title]


def window_name(window):
    result = subprocess.run(['xdotool', 'getwindowname', str(window)], capture_output=True,
                            text=True)
    return result.stdout.rstrip('\n') if result.returncode == 0 else None


def find_window(pid, title=WINDOW_TITLE):
    windows = find_windows(pid, title)
    return windows[0] if windows else None


def window_info(window):
    '''xwininfo of a window as a dict ("Absolute upper-left X", "Width", "Map State", ...).'''
    out = subprocess.run(['xwininfo', '-id', str(window)], capture_output=True, text=True,
                         check=True).stdout
    info = {}
    for line in out.splitlines():
        key, sep, value = line.strip().partition(':')
        if sep:
            info[key.strip()] = value.strip()
    return info


def geometry(window):
    '''(x, y, width, height) of a window on the screen.'''
    info = window_info(window)
    return (int(info['Absolute upper-left X']), int(info['Absolute upper-left Y']),
            int(info['Width']), int(info['Height']))


def is_viewable(window):
    return window_info(window).get('Map State') == 'IsViewable'


def active_window():
    result = subprocess.run(['xdotool', 'getactivewindow'], capture_output=True, text=True)
    return int(result.stdout) if result.returncode == 0 and result.stdout.strip() else None


def focused_window():
    result = subprocess.run(['xdotool', 'getwindowfocus'], capture_output=True, text=True)
    return int(result.stdout) if result.returncode == 0 and result.stdout.strip() else None


def focus(window):
    '''Activates the window and returns once it has the keyboard: keys typed
    before that go elsewhere.'''
    xdotool('windowactivate', '--sync', window)
    wait_until(lambda: focused_window() == window, 5, what='the keyboard focus on the window')


def close_with_the_window_manager(window, closed):
    '''Alt+F4 on the window once it has the keyboard, as a person presses
    it; pressed again, as a person would, while closed() says nothing came
    of it: a busy window manager can let a press pass.'''
    focus(window)
    for _ in range(3):
        xdotool('key', 'alt+F4')
        try:
            wait_until(closed, 3, what='the window to close')
            return
        except AssertionError:
            pass
    raise AssertionError('Alt+F4 did not close the window')


# -------------------------------------------------------- accessibility

ATSPI_ROOT = '/org/a11y/atspi/accessible/root'
ACCESSIBLE_IFACE = 'org.a11y.atspi.Accessible'
STATE_FOCUSED = 12  # Qt marks the current tab of a tab bar so
STATE_SHOWING = 25


def expose_accessibility():
    '''Names the session bus as the accessibility bus, the two ways Qt looks
    for it: Qt 5 on the X root window, Qt 6 from the bus launcher's service
    (a stand-in, stopped when the test ends). A Qt program started
    afterwards exports its widgets there over AT-SPI.'''
    address = os.environ['DBUS_SESSION_BUS_ADDRESS']
    subprocess.run(['xprop', '-root', '-f', 'AT_SPI_BUS', '8s', '-set', 'AT_SPI_BUS', address],
                   check=True)
    launcher = Mock('accessibilitybus.py', 'org.a11y.Bus', '/org/a11y/bus', False,
                    {'address': address})
    atexit.register(launcher.stop)


def accessibility_root(pid):
    '''The accessibility root of process pid, or None while it has none.'''
    bus = session_bus()
    daemon = bus_daemon(bus)
    for name in daemon.ListNames():
        if not name.startswith(':'):
            continue
        try:
            if daemon.GetConnectionUnixProcessID(name) != pid:
                continue
            root = Accessible(bus, name, ATSPI_ROOT)
            if root.children():
                return root
        except dbus.DBusException:
            continue
    return None


class Accessible:
    '''One node of an AT-SPI accessibility tree.'''

    def __init__(self, bus, service, path):
        self.bus = bus
        self.service = str(service)
        self.path = str(path)
        self.object = bus.get_object(self.service, self.path, introspect=False)
        self.iface = dbus.Interface(self.object, ACCESSIBLE_IFACE)

    def __repr__(self):
        return '<%s %r>' % (self.role(), self.name())

    def name(self):
        return str(self.object.Get(ACCESSIBLE_IFACE, 'Name', dbus_interface=PROPS_IFACE))

    def role(self):
        return str(self.iface.GetRoleName())

    def description(self):
        return str(self.object.Get(ACCESSIBLE_IFACE, 'Description', dbus_interface=PROPS_IFACE))

    def states(self):
        low, high = self.iface.GetState()
        bits = int(low) | (int(high) << 32)
        return {i for i in range(64) if bits & (1 << i)}

    def showing(self):
        return STATE_SHOWING in self.states()

    def children(self):
        return [Accessible(self.bus, s, p) for s, p in self.iface.GetChildren()]

    def walk(self):
        yield self
        for child in self.children():
            yield from child.walk()

    def find_all(self, role=None, name=None, showing=None):
        return [node for node in self.walk()
                if (role is None or node.role() == role)
                and (name is None or node.name() == name)
                and (showing is None or node.showing() == showing)]

    def extents(self):
        '''(x, y, width, height) on the screen.'''
        x, y, w, h = self.object.GetExtents(dbus.UInt32(0),
                                            dbus_interface='org.a11y.atspi.Component')
        return int(x), int(y), int(w), int(h)

    def click(self, across=0.5, within=None):
        '''A pointer click at a point across the widget (0 its left edge, 1
        its right), half way down; within clips the widget to an outer node
        first (a list item is wider than the drop-down list showing it).'''
        x, y, w, h = self.extents()
        if within is not None:
            ox, oy, ow, oh = within.extents()
            left, top = max(x, ox), max(y, oy)
            w, h = min(x + w, ox + ow) - left, min(y + h, oy + oh) - top
            x, y = left, top
            if w <= 0 or h <= 0:
                raise AssertionError('%r lies outside %r' % (self, within))
        xdotool('mousemove', '--sync', x + int(w * across), y + h // 2, 'click', 1)

    def choose(self, entry):
        '''Opens a combo box with the pointer and clicks its entry.'''
        lists = [node for node in self.children() if node.role() == 'list']
        if not lists:
            raise AssertionError('%r has no list' % self)
        self.click()
        # The list has no place on the screen until it drops down.
        wait_until(lambda: lists[0].extents()[2] > 0, 5, what='the list of %r to open' % self)
        items = [node for node in lists[0].children() if node.name() == entry]
        if not items:
            raise AssertionError('%r offers no %r' % (self, entry))
        items[0].click(within=lists[0])
        wait_until(lambda: self.name() == entry, 5, what='%r to show %r' % (self, entry))


def tab_names(root):
    '''The names of the tabs of each tab bar, the tab bars in tree order.'''
    return [[tab.name() for tab in bar.children() if tab.role() == 'page tab']
            for bar in root.find_all(role='page tab list')]


# ------------------------------------------------------------------ time

def time_of_day_in(seconds):
    '''The wall-clock time seconds from now (None if that is past midnight,
    where the program's schedules do not wrap).'''
    then = datetime.datetime.now() + datetime.timedelta(seconds=seconds)
    if then.date() != datetime.date.today():
        return None
    return then.time()
