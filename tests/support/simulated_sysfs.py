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

Arguments are split like a shell's: quote values with blanks. End of input
stops the daemon and removes the simulated root.

The daemon is the one of simulated_upowerd.py (an AC adapter that is offline
comes with it); this script re-executes itself under the preload library,
through which umockdev hands uevents over.
'''

import os
import shlex
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'upowerd'))

import simulated_upowerd  # noqa: E402  (re-executes this script under the preload)


class SimulatedSysfs(simulated_upowerd.Simulation):
    def add(self, subsystem, name, *pairs):
        if len(pairs) % 2:
            raise ValueError('attributes come in pairs')
        if name in self.devices:
            raise ValueError('%s exists already' % name)
        self.devices[name] = self.testbed.add_device(subsystem, name, None, list(pairs), [])

    def get(self, name, attribute):
        with open(os.path.join(self.devices[name], attribute), errors='replace') as f:
            return f.read().strip()

    def remove(self, name):
        path = self.devices.pop(name)
        self.testbed.uevent(path, 'remove')
        self.testbed.remove_device(path)

    def vanish(self, name):
        self.testbed.remove_device(self.devices.pop(name))


def answer(text):
    sys.stdout.write(text + '\n')
    sys.stdout.flush()


def main():
    sysfs = SimulatedSysfs()
    commands = {'add': sysfs.add, 'set': sysfs.set, 'get': sysfs.get, 'uevent': sysfs.uevent,
                'remove': sysfs.remove, 'vanish': sysfs.vanish, 'start': sysfs.start,
                'halt': sysfs.halt, 'root': sysfs.testbed.get_root_dir}
    try:
        for line in sys.stdin:
            words = shlex.split(line)
            if not words:
                continue
            if words[0] == 'log':
                sys.stderr.write(sysfs.log())
                sys.stderr.flush()
                answer('ok')
                continue
            try:
                result = commands[words[0]](*words[1:])
            except Exception as e:  # pylint: disable=broad-except
                answer('error: %s: %s' % (line.strip(), e))
                continue
            answer('ok' if result is None else 'ok ' + str(result))
    finally:
        sysfs.stop()


if __name__ == '__main__':
    main()
