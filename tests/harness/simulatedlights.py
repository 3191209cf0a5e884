#!/usr/bin/python3
'''The screen's backlight and the keyboard's light simulated in sysfs by
umockdev (tests/support/simulated_sysfs.py, which documents its commands),
with that helper's stand-in for logind's session, for the end-to-end
tests, the demo (scripts/run) and the screenshots. The real program sees
the simulated devices when it runs under umockdev's preload library with
the simulation's root (environment()).

As a command, `simulatedlights.py PROGRAM [ARGUMENTS...]` runs the program
beside a simulated backlight of 937 levels at 80 % and logind's stand-in,
on the system bus it is given, and returns the program's exit status: the
demo of scripts/run does so.
'''

import json
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
HELPER = os.path.join(HERE, '..', 'support', 'simulated_sysfs.py')
PRELOAD = 'libumockdev-preload.so.0'

# The demo's panel: a GPU's raw backlight, as most laptops have.
DEMO_PANEL = 'intel_backlight'
DEMO_MAXIMUM = 937
DEMO_LEVEL = 600


class SimulatedLights:
    '''One simulated sysfs, its helper stopped with stop().'''

    def __init__(self):
        self.process = subprocess.Popen(['/usr/bin/python3', HELPER], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True)

    def command(self, line):
        '''Sends one command; returns what follows "ok", fails on an error.'''
        self.process.stdin.write(line + '\n')
        self.process.stdin.flush()
        reply = self.process.stdout.readline().strip()
        if reply != 'ok' and not reply.startswith('ok '):
            raise AssertionError('simulated sysfs: %s' % (reply or 'the helper ended'))
        return reply[3:]

    def add_backlight(self, name, maximum, level, kind='raw', actual=True):
        '''/sys/class/backlight/NAME; without actual, no actual_brightness,
        as some drivers have none.'''
        line = "add backlight %s type %s max_brightness '%s' brightness '%s'" % (
            name, kind, maximum, level)
        if actual:
            line += " actual_brightness '%s'" % level
        self.command(line)

    def add_keyboard_light(self, name, maximum, level):
        self.command("add leds %s max_brightness '%s' brightness '%s'" % (name, maximum, level))

    def change_level(self, name, level):
        '''A new level from elsewhere (the firmware, brightnessctl): the
        files change and the kernel's "change" uevent follows.'''
        self.command("set %s brightness '%s'" % (name, level))
        self.command("set %s actual_brightness '%s'" % (name, level))
        self.command('uevent %s change' % name)

    def attribute(self, name, attribute):
        return self.command('get %s %s' % (name, attribute))

    def serve_logind(self):
        '''logind's session on the system bus: SetBrightness sets the
        simulated device.'''
        self.command('logind')

    def refuse(self, message=''):
        '''From now on logind refuses with AccessDenied and message; an
        empty message lets it take levels again.'''
        self.command('logind-refuse %s' % message)

    def logind_calls(self):
        '''Every SetBrightness logind received, as [subsystem, name, level].'''
        return json.loads(self.command('logind-calls'))

    def start_upowerd(self):
        '''Debian's upowerd on the system bus, serving the keyboard light.'''
        self.command('start')

    def environment(self, binary, env=None):
        '''The environment in which binary sees the simulated devices.'''
        env = dict(os.environ if env is None else env)
        preload = [library for library in [sanitizer_runtime(binary), env.get('LD_PRELOAD'),
                                           PRELOAD] if library]
        env['LD_PRELOAD'] = ' '.join(preload)
        env['UMOCKDEV_DIR'] = self.command('root')
        return env

    def demo(self):
        '''The demo's panel and logind's stand-in.'''
        self.add_backlight(DEMO_PANEL, DEMO_MAXIMUM, DEMO_LEVEL)
        self.serve_logind()

    def stop(self):
        if self.process.poll() is None:
            self.process.stdin.close()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process.stdout.close()


def sanitizer_runtime(binary):
    '''The sanitizer runtime binary is linked with, if any: it must come
    first among the preloaded libraries.'''
    linked = subprocess.run(['ldd', binary], capture_output=True, text=True).stdout
    found = re.search(r'=>\s*(\S*/libasan\.so[^\s]*)', linked)
    return found.group(1) if found else None


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__.strip())
    lights = SimulatedLights()
    try:
        lights.demo()
        command = sys.argv[1:]
        return subprocess.run(command, env=lights.environment(command[0])).returncode
    finally:
        lights.stop()


if __name__ == '__main__':
    sys.exit(main())
