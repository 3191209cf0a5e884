#!/usr/bin/python3
'''Devices of any subsystem simulated in sysfs by umockdev, for programs
run under its preload library, and Debian's real upowerd reading them on
the test's private system bus.

The test drives it with one command a line on standard input and reads one
answer a line, "ok" or "error: <why>", on standard output:

  root                           answers "ok FOLDER": the simulated root,
                                 for programs run under
                                 LD_PRELOAD=libumockdev-preload.so.0 with
                                 UMOCKDEV_DIR=FOLDER
  add SUBSYSTEM NAME [ATTRIBUTE VALUE]...
                                 adds /sys/class/SUBSYSTEM/NAME with these
                                 attributes ("add" uevent)
  set NAME ATTRIBUTE VALUE       changes a sysfs attribute, silently
  get NAME ATTRIBUTE             answers "ok VALUE": what the file holds now
  uevent NAME ACTION             sends a uevent ("change", ...) for it
  remove NAME                    "remove" uevent, then the device goes
  vanish NAME                    the device goes without a uevent, as one
                                 does between an event and its reading
  start                          starts upowerd and answers once it is on
                                 the bus
  halt                           stops upowerd (start brings it back)
  log                            copies the daemon's output so far to
                                 standard error
  logind                         serves logind's session on the system bus:
                                 SetBrightness(subsystem, name, level) on
                                 /org/freedesktop/login1/session/auto writes
                                 the device's brightness (and
                                 actual_brightness, where it has one) and
                                 sends the "change" uevent, as the kernel
                                 does for a backlight
  logind-refuse [MESSAGE]        from now on SetBrightness is refused with
                                 AccessDenied and MESSAGE, as logind refuses
                                 a session that is not in front; without a
                                 message it is taken again
  logind-calls                   answers "ok JSON": every SetBrightness
                                 received, as [subsystem, name, level] lists

Arguments are split like a shell's: quote values with blanks. End of input
stops the daemon and removes the simulated root.

The daemon is the one of simulated_upowerd.py (an AC adapter that is offline
comes with it); this script re-executes itself under the preload library,
through which umockdev hands uevents over.
'''

import json
import os
import shlex
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'upowerd'))

import simulated_upowerd  # noqa: E402  (re-executes this script under the preload)
from simulated_upowerd import Gio, GLib  # noqa: E402

LOGIND = 'org.freedesktop.login1'
SESSION_PATH = '/org/freedesktop/login1/session/auto'
SESSION_XML = '''<node><interface name="org.freedesktop.login1.Session">
  <method name="SetBrightness">
    <arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="u" direction="in"/>
  </method>
</interface></node>'''
# RequestName's flag and answer.
DO_NOT_QUEUE = 4
PRIMARY_OWNER = 1


class SimulatedSysfs(simulated_upowerd.Simulation):
    def __init__(self):
        super().__init__()
        self.subsystems = {}
        self.logind_calls = []
        self.logind_refusal = None

    def add(self, subsystem, name, *pairs):
        if len(pairs) % 2:
            raise ValueError('attributes come in pairs')
        if name in self.devices:
            raise ValueError('%s exists already' % name)
        self.devices[name] = self.testbed.add_device(subsystem, name, None, list(pairs), [])
        self.subsystems[name] = subsystem

    def get(self, name, attribute):
        with open(os.path.join(self.devices[name], attribute), errors='replace') as f:
            return f.read().strip()

    def remove(self, name):
        path = self.devices.pop(name)
        self.testbed.uevent(path, 'remove')
        self.testbed.remove_device(path)

    def vanish(self, name):
        self.testbed.remove_device(self.devices.pop(name))

    # ------------------------------------------------ logind's session

    def logind(self):
        bus = Gio.bus_get_sync(Gio.BusType.SYSTEM, None)
        interface = Gio.DBusNodeInfo.new_for_xml(SESSION_XML).interfaces[0]
        bus.register_object(SESSION_PATH, interface, self.session_call, None, None)
        reply = bus.call_sync('org.freedesktop.DBus', '/org/freedesktop/DBus',
                              'org.freedesktop.DBus', 'RequestName',
                              GLib.Variant('(su)', (LOGIND, DO_NOT_QUEUE)),
                              GLib.VariantType.new('(u)'), Gio.DBusCallFlags.NONE, -1, None)
        if reply.unpack()[0] != PRIMARY_OWNER:
            raise RuntimeError('%s is taken' % LOGIND)
        self.bus = bus

    def refuse(self, *message):
        self.logind_refusal = ' '.join(message) or None

    def calls(self):
        return json.dumps(self.logind_calls)

    def session_call(self, _connection, _sender, _path, _interface, _method, parameters,
                     invocation):
        subsystem, name, level = parameters.unpack()
        self.logind_calls.append([subsystem, name, level])
        if self.logind_refusal:
            invocation.return_dbus_error('org.freedesktop.DBus.Error.AccessDenied',
                                         self.logind_refusal)
            return
        if self.subsystems.get(name) != subsystem or subsystem not in ('backlight', 'leds'):
            invocation.return_dbus_error('org.freedesktop.DBus.Error.InvalidArgs',
                                         'No such device %s/%s' % (subsystem, name))
            return
        path = self.devices[name]
        self.set(name, 'brightness', str(level))
        if subsystem == 'backlight':
            if os.path.exists(os.path.join(path, 'actual_brightness')):
                self.set(name, 'actual_brightness', str(level))
            self.uevent(name, 'change')
        invocation.return_value(None)


def answer(text):
    sys.stdout.write(text + '\n')
    sys.stdout.flush()


def run(commands, line):
    words = shlex.split(line)
    if not words:
        return
    try:
        result = commands[words[0]](*words[1:])
    except Exception as e:  # pylint: disable=broad-except
        answer('error: %s: %s' % (line.strip(), e))
        return
    answer('ok' if result is None else 'ok ' + str(result))


def main():
    sysfs = SimulatedSysfs()

    def log():
        sys.stderr.write(sysfs.log())
        sys.stderr.flush()

    commands = {'add': sysfs.add, 'set': sysfs.set, 'get': sysfs.get, 'uevent': sysfs.uevent,
                'remove': sysfs.remove, 'vanish': sysfs.vanish, 'start': sysfs.start,
                'halt': sysfs.halt, 'root': sysfs.testbed.get_root_dir, 'log': log,
                'logind': sysfs.logind, 'logind-refuse': sysfs.refuse,
                'logind-calls': sysfs.calls}
    # Commands come between logind's calls: both on one main loop. Input is
    # read as it comes, lines split here, so that none waits in a buffer.
    loop = GLib.MainLoop()
    pending = bytearray()

    def readable(fd, _condition):
        chunk = os.read(fd, 65536)
        if not chunk:
            loop.quit()
            return False
        pending.extend(chunk)
        while b'\n' in pending:
            line, _, rest = bytes(pending).partition(b'\n')
            pending[:] = rest
            run(commands, line.decode('utf-8', 'replace'))
        return True

    GLib.io_add_watch(sys.stdin.fileno(), GLib.PRIORITY_DEFAULT, GLib.IO_IN | GLib.IO_HUP,
                      readable)
    try:
        loop.run()
    finally:
        sysfs.stop()


if __name__ == '__main__':
    main()
