'''power-profiles-daemon 0.20 and later, under its newer bus name

dbusmock's own template serves the name of the older releases only.
'''

import dbus

BUS_NAME = 'org.freedesktop.UPower.PowerProfiles'
MAIN_OBJ = '/org/freedesktop/UPower/PowerProfiles'
MAIN_IFACE = 'org.freedesktop.UPower.PowerProfiles'
SYSTEM_BUS = True


def load(mock, parameters):
    profiles = [dbus.Dictionary({'Profile': name, 'Driver': 'dbusmock'}, signature='sv')
                for name in ('power-saver', 'balanced', 'performance')]
    mock.AddProperties(MAIN_IFACE, dbus.Dictionary({
        'ActiveProfile': parameters.get('ActiveProfile', 'balanced'),
        'PerformanceDegraded': '',
        'Profiles': dbus.Array(profiles, signature='a{sv}'),
    }, signature='sv'))
