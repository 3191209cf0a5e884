#!/usr/bin/python3
'''Debian's real upowerd on the test's private system bus, reading batteries
that umockdev simulates in sysfs.

The test drives it with one command a line on standard input and reads one
answer a line, "ok" or "error: <why>", on standard output:

  add NAME [ATTRIBUTE VALUE]...  adds /sys/class/power_supply/NAME, a
                                 battery at 80 % and discharging unless the
                                 attributes say otherwise ("add" uevent)
  set NAME ATTRIBUTE VALUE       changes a sysfs attribute, silently
  uevent NAME ACTION             sends a uevent ("change", ...) for it
  remove NAME                    "remove" uevent, then the device goes
  history FILE SOURCE            copies the file SOURCE into upowerd's
                                 history folder as FILE, for the daemon to
                                 load at start: history-charge-ID.dat holds
                                 lines "TIME\tPERCENT\tSTATE" (seconds since
                                 the epoch; "charging", "discharging", ...),
                                 where ID is MODEL-FULL_WH-SERIAL with blanks
                                 as "_": "Test_Cell-60-SN42" by default
  start                          starts upowerd and answers once the
                                 daemon lists every battery added so far
  halt                           stops upowerd (start brings it back, as a
                                 package upgrade does)
  log                            copies the daemon's output so far to
                                 standard error
  root                           answers "ok FOLDER": the simulated sysfs
                                 root, for other programs to run under
                                 LD_PRELOAD=libumockdev-preload.so.0 with
                                 UMOCKDEV_DIR=FOLDER

Arguments are split like a shell's: quote values with blanks. An AC adapter
that is offline is there from the start. End of input stops the daemon.

umockdev hands uevents over through its preload library, so this script
re-executes itself under it; upowerd runs under it as well.
'''

import os
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

PRELOAD = 'libumockdev-preload.so.0'

if PRELOAD not in os.environ.get('LD_PRELOAD', ''):
    os.environ['LD_PRELOAD'] = ':'.join(filter(None, [os.environ.get('LD_PRELOAD'), PRELOAD]))
    os.execv(sys.executable, [sys.executable] + sys.argv)

import gi  # noqa: E402

gi.require_version('UMockdev', '1.0')
from gi.repository import Gio, GLib, UMockdev  # noqa: E402

UPOWERD = '/usr/libexec/upowerd'
START_TIMEOUT = 20

BATTERY_DEFAULTS = {
    'type': 'Battery',
    'present': '1',
    'status': 'Discharging',
    'energy_now': '48000000',
    'energy_full': '60000000',
    'energy_full_design': '60000000',
    'power_now': '10000000',
    'voltage_now': '12000000',
    'model_name': 'Test Cell',
    'serial_number': 'SN42',
    'manufacturer': 'ACME',
    'technology': 'Li-ion',
}


class Simulation:
    def __init__(self):
        self.testbed = UMockdev.Testbed.new()
        self.devices = {}
        self.batteries = []
        self.daemon = None
        self.folder = tempfile.mkdtemp(prefix='upowerd-')
        self.log_path = os.path.join(self.folder, 'upowerd.log')
        self.devices['AC'] = self.testbed.add_device(
            'power_supply', 'AC', None, ['type', 'Mains', 'online', '0'], [])

    def add(self, name, *pairs):
        if len(pairs) % 2:
            raise ValueError('attributes come in pairs')
        attributes = dict(BATTERY_DEFAULTS)
        attributes.update(zip(pairs[0::2], pairs[1::2]))
        flat = [item for pair in attributes.items() for item in pair]
        self.devices[name] = self.testbed.add_device('power_supply', name, None, flat, [])
        self.batteries.append(name)

    def set(self, name, attribute, value):
        self.testbed.set_attribute(self.devices[name], attribute, value)

    def uevent(self, name, action):
        self.testbed.uevent(self.devices[name], action)

    def remove(self, name):
        path = self.devices.pop(name)
        self.testbed.uevent(path, 'remove')
        self.testbed.remove_device(path)
        self.batteries.remove(name)

    def history(self, name, source):
        if os.path.basename(name) != name:
            raise ValueError('a file name, not a path')
        shutil.copy(source, os.path.join(self.folder, name))

    def start(self):
        # A copy of Debian's configuration, so that a changed /etc does not
        # change the test, and a history folder that goes with the test.
        config = os.path.join(self.folder, 'UPower.conf')
        shutil.copy('/etc/UPower/UPower.conf', config)
        env = dict(os.environ,
                   UMOCKDEV_DIR=self.testbed.get_root_dir(),
                   UPOWER_CONF_FILE_NAME=config,
                   UPOWER_HISTORY_DIR=self.folder)
        with open(self.log_path, 'w') as log:
            self.daemon = subprocess.Popen([UPOWERD, '-v'], env=env, stdin=subprocess.DEVNULL,
                                           stdout=log, stderr=subprocess.STDOUT)
        self.wait_until_listed()

    def wait_until_listed(self):
        bus = Gio.bus_get_sync(Gio.BusType.SYSTEM, None)
        wanted = {'/org/freedesktop/UPower/devices/battery_' + b for b in self.batteries}
        deadline = time.monotonic() + START_TIMEOUT
        while time.monotonic() < deadline:
            if self.daemon.poll() is not None:
                raise RuntimeError('upowerd exited with status %d' % self.daemon.returncode)
            try:
                reply = bus.call_sync('org.freedesktop.UPower', '/org/freedesktop/UPower',
                                      'org.freedesktop.UPower', 'EnumerateDevices', None,
                                      GLib.VariantType.new('(ao)'), Gio.DBusCallFlags.NONE,
                                      2000, None)
                if wanted <= set(reply.unpack()[0]):
                    return
            except GLib.Error:
                pass  # not on the bus yet
            time.sleep(0.05)
        raise RuntimeError('upowerd did not list %s in time' % ', '.join(sorted(wanted)))

    def halt(self):
        self.daemon.terminate()
        self.daemon.wait(timeout=10)

    def log(self):
        with open(self.log_path, errors='replace') as f:
            return f.read()

    def stop(self):
        if self.daemon and self.daemon.poll() is None:
            self.daemon.terminate()
            try:
                self.daemon.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.daemon.kill()
                self.daemon.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


def answer(text):
    sys.stdout.write(text + '\n')
    sys.stdout.flush()


def main():
    simulation = Simulation()
    commands = {'add': simulation.add, 'set': simulation.set, 'uevent': simulation.uevent,
                'remove': simulation.remove, 'history': simulation.history,
                'start': simulation.start,
                'halt': simulation.halt}
    try:
        for line in sys.stdin:
            words = shlex.split(line)
            if not words:
                continue
            if words[0] == 'root':
                answer('ok ' + simulation.testbed.get_root_dir())
                continue
            if words[0] == 'log':
                sys.stderr.write(simulation.log())
                sys.stderr.flush()
                answer('ok')
                continue
            try:
                commands[words[0]](*words[1:])
            except Exception as e:  # pylint: disable=broad-except
                answer('error: %s: %s' % (line.strip(), e))
                continue
            answer('ok')
    finally:
        simulation.stop()


if __name__ == '__main__':
    main()
