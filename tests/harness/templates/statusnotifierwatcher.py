'''StatusNotifierWatcher stand-in: a desktop tray that says a host is there,
so that Qt registers its tray icons as StatusNotifierItems and sends tray
messages as notifications. Records every registration.'''

import dbus
from dbusmock import MOCK_IFACE

BUS_NAME = 'org.kde.StatusNotifierWatcher'
MAIN_OBJ = '/StatusNotifierWatcher'
MAIN_IFACE = 'org.kde.StatusNotifierWatcher'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddMethods(MAIN_IFACE, [
        ('RegisterStatusNotifierItem', 's', '', register_item),
        ('RegisterStatusNotifierHost', 's', '', ''),
    ])
    mock.AddProperties(MAIN_IFACE, dbus.Dictionary({
        'IsStatusNotifierHostRegistered': dbus.Boolean(True),
        'ProtocolVersion': dbus.Int32(0),
        'RegisteredStatusNotifierItems': dbus.Array([], signature='s'),
    }, signature='sv'))


def register_item(self, service):
    items = self.props[MAIN_IFACE]['RegisteredStatusNotifierItems']
    items.append(dbus.String(service))
    self.EmitSignal(MAIN_IFACE, 'StatusNotifierItemRegistered', 's', [service])


@dbus.service.method(MOCK_IFACE, in_signature='', out_signature='as')
def RegisteredItems(self):
    return dbus.Array(self.props[MAIN_IFACE]['RegisteredStatusNotifierItems'], signature='s')
