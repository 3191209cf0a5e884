'''ConsoleKit stand-in: records Stop and shuts nothing down.'''

from dbusmock import mockobject  # noqa: F401  (templates are loaded by dbusmock)

BUS_NAME = 'org.freedesktop.ConsoleKit'
MAIN_OBJ = '/org/freedesktop/ConsoleKit/Manager'
MAIN_IFACE = 'org.freedesktop.ConsoleKit.Manager'
SYSTEM_BUS = True


def load(mock, parameters):
    mock.AddMethods(MAIN_IFACE, [
        ('Stop', '', '', 'print("ConsoleKit stand-in: would shut the machine down now", flush=True)'),
        ('Restart', '', '', ''),
        ('CanStop', '', 'b', 'ret = True'),
        ('CanRestart', '', 'b', 'ret = True'),
    ])
