'''A user's settings store moves between the Qt 5 and the Qt 6 build, both
ways, with every value intact: levels, actions, the schedules' flags and
times, and the window geometry. Each build writes through its settings rows
and reads back through them (tests/settings/settings_probe).'''

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'harness'))
import wextest as w  # noqa: E402

OWN = os.environ['WEX_SETTINGS_PROBE']
OTHER = os.environ['WEX_OTHER_SETTINGS_PROBE']
OWN_QT = 'Qt %s' % os.environ['WEX_QT_MAJOR']
OTHER_QT = 'Qt 5' if OWN_QT == 'Qt 6' else 'Qt 6'

FIRST = '''battery 0 level 25 action hibernate
battery 1 level 90 action *
schedule hibernate on 06:15:30
schedule shutdown off 23:59:00
schedule suspend on 00:00:00
geometry 120,90 520x410
'''
SECOND = '''battery 0 level 50 action suspend
battery 1 level 10 action shutdown
schedule hibernate off 12:00:00
schedule shutdown on 07:05:01
schedule suspend off 18:45:00
geometry 40,60 610x455
'''


def probe(binary, *arguments):
    result = subprocess.run([binary, *arguments], capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        raise AssertionError('%s %s failed (%d):\n%s' % (binary, ' '.join(arguments),
                                                         result.returncode, result.stderr))
    return result.stdout


class StoreAcrossQtVersions(unittest.TestCase):

    def setUp(self):
        if os.path.exists(w.settings_path()):
            os.remove(w.settings_path())

    def moves(self, writer, reader, choices, expected):
        written = probe(writer, 'write', choices)
        self.assertEqual(written, expected, 'the writer did not store the choices')
        self.assertEqual(probe(reader, 'read'), expected)

    def test_written_by_other_read_by_own(self):
        self.moves(OTHER, OWN, 'first', FIRST)

    def test_written_by_own_read_by_other(self):
        self.moves(OWN, OTHER, 'second', SECOND)

    def test_one_change_keeps_the_other_builds_values(self):
        # A build that writes one value rewrites the whole file: what the
        # other build stored must come through that unchanged, both ways.
        builds = {OWN_QT: OWN, OTHER_QT: OTHER}
        for stored_by, changed_by in ((OTHER_QT, OWN_QT), (OWN_QT, OTHER_QT)):
            first, second = builds[stored_by], builds[changed_by]
            with self.subTest(stored_by=stored_by, changed_by=changed_by):
                self.setUp()
                probe(first, 'write', 'first')
                probe(second, 'level', '50')
                self.assertEqual(probe(first, 'read'),
                                 FIRST.replace('level 25', 'level 50', 1))


if __name__ == '__main__':
    w.main()
