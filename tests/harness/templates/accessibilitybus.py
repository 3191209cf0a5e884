'''The desktop's accessibility bus launcher (org.a11y.Bus) as a stand-in: it
names the session bus as the accessibility bus and says that accessibility
is on, so that a Qt program exports its widgets over AT-SPI there. Qt 5 also
finds the bus from the X root window; Qt 6 asks this service.'''

import dbus

BUS_NAME = 'org.a11y.Bus'
MAIN_OBJ = '/org/a11y/bus'
MAIN_IFACE = 'org.a11y.Bus'
STATUS_IFACE = 'org.a11y.Status'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddMethods(MAIN_IFACE, [
        ('GetAddress', '', 's', 'ret = %r' % parameters['address']),
    ])
    mock.AddProperties(STATUS_IFACE, dbus.Dictionary({
        'IsEnabled': dbus.Boolean(True),
        'ScreenReaderEnabled': dbus.Boolean(True),
    }, signature='sv'))
