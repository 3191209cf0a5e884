'''power-profiles-daemon 0.20 and later, under its newer bus name

dbusmock's own template serves the name of the older releases only. Like
the daemon, it lists the holds in ActiveProfileHolds (without switching the
profile, as dbusmock's template does not either).
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
        'ActiveProfileHolds': dbus.Array([], signature='a{sv}'),
    }, signature='sv'))
    mock.holds = {}
    mock.last_cookie = 0
    mock.AddMethods(MAIN_IFACE, [
        ('HoldProfile', 'sss', 'u', hold_profile),
        ('ReleaseProfile', 'u', '', release_profile),
    ])


def list_holds(self):
    self.props[MAIN_IFACE]['ActiveProfileHolds'] = dbus.Array(
        [dbus.Dictionary(hold, signature='sv') for hold in self.holds.values()], signature='a{sv}')


def hold_profile(self, profile, reason, application_id):
    self.last_cookie += 1
    self.holds[self.last_cookie] = {'Profile': profile, 'Reason': reason,
                                    'ApplicationId': application_id}
    list_holds(self)
    return dbus.UInt32(self.last_cookie)


def release_profile(self, cookie):
    if cookie not in self.holds:
        raise dbus.exceptions.DBusException('No hold with cookie %d' % cookie,
                                            name='org.freedesktop.DBus.Error.InvalidArgs')
    del self.holds[cookie]
    list_holds(self)
