'''UPower daemon stand-in with the API this program was written for.

The manager has EnumerateDevices, Hibernate, Suspend and the CanHibernate /
CanSuspend properties; each device emits the argument-less Changed signal
(the API before UPower 0.99). Devices are built completely before they are
listed, so a client never sees half an object.

Parameters (all optional):
  CanHibernate, CanSuspend: booleans, default false
  SleepDelay: seconds Hibernate and Suspend wait before answering
  Demo: true adds the simulated batteries of scripts/run and animates them;
      the daemon is then today's, 1.90.6, unless DaemonVersion says otherwise
  DaemonVersion: the version the daemon gives, default 0.9.23; with 0.99 or
      later a client may rely on PropertiesChanged (EmitPropertiesChanged),
      and the manager announces OnBattery as upowerd works it out
  GetAllDelay: seconds a device's GetAll waits before answering
  KbdBacklight: the maximum level of a keyboard light to offer
      (org.freedesktop.UPower.KbdBacklight, at half of it), as the demo does
'''

import functools
import sys
import time

import dbus
from dbusmock import MOCK_IFACE, mockobject

BUS_NAME = 'org.freedesktop.UPower'
MAIN_OBJ = '/org/freedesktop/UPower'
MAIN_IFACE = 'org.freedesktop.UPower'
DEVICE_IFACE = 'org.freedesktop.UPower.Device'
SYSTEM_BUS = True


def device_defaults():
    return {
        'NativePath': dbus.String(''), 'Vendor': dbus.String(''), 'Model': dbus.String(''),
        'Serial': dbus.String(''), 'UpdateTime': dbus.UInt64(0), 'Type': dbus.UInt32(0),
        'PowerSupply': dbus.Boolean(True), 'HasHistory': dbus.Boolean(False),
        'HasStatistics': dbus.Boolean(False), 'Online': dbus.Boolean(False),
        'Energy': dbus.Double(0.0), 'EnergyEmpty': dbus.Double(0.0),
        'EnergyFull': dbus.Double(0.0), 'EnergyFullDesign': dbus.Double(0.0),
        'EnergyRate': dbus.Double(0.0), 'Voltage': dbus.Double(0.0),
        'TimeToEmpty': dbus.Int64(0), 'TimeToFull': dbus.Int64(0),
        'Percentage': dbus.Double(0.0), 'IsPresent': dbus.Boolean(True),
        'State': dbus.UInt32(0), 'IsRechargeable': dbus.Boolean(True),
        'Capacity': dbus.Double(100.0), 'Technology': dbus.UInt32(0),
        'RecallNotice': dbus.Boolean(False), 'RecallVendor': dbus.String(''),
        'RecallUrl': dbus.String(''),
    }


def load(mock, parameters):
    version = str(parameters.get('DaemonVersion',
                                 '1.90.6' if parameters.get('Demo') else '0.9.23'))
    mock.announces = tuple(int(p) for p in version.split('.')[:2] if p.isdigit()) >= (0, 99)
    mock.enumeration = []
    mock.enumerate_fails = False
    mock.sleep_delay = float(parameters.get('SleepDelay', 0))

    mock.AddMethods(MAIN_IFACE, [
        ('EnumerateDevices', '', 'ao', enumerate_devices),
        ('Hibernate', '', '', lambda self: sleep_request(self, 'hibernate')),
        ('Suspend', '', '', lambda self: sleep_request(self, 'suspend')),
        ('HibernateAllowed', '', 'b', 'ret = True'),
        ('SuspendAllowed', '', 'b', 'ret = True'),
        ('AboutToSleep', '', '', ''),
    ])
    mock.AddProperties(MAIN_IFACE, dbus.Dictionary({
        'CanHibernate': dbus.Boolean(parameters.get('CanHibernate', False)),
        'CanSuspend': dbus.Boolean(parameters.get('CanSuspend', False)),
        'DaemonVersion': dbus.String(version),
        'LidIsClosed': dbus.Boolean(False),
        'LidIsPresent': dbus.Boolean(False),
        'OnBattery': dbus.Boolean(False),
        'OnLowBattery': dbus.Boolean(False),
    }, signature='sv'))

    slow_down_get_all(float(parameters.get('GetAllDelay', 0)))
    if parameters.get('KbdBacklight'):
        add_keyboard_light(mock, int(parameters['KbdBacklight']))

    if parameters.get('Demo'):
        import os  # pylint: disable=import-outside-toplevel
        import sys  # pylint: disable=import-outside-toplevel
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        import demo_devices  # pylint: disable=import-outside-toplevel
        mock.follow_on_battery = follow_on_battery
        demo_devices.start(mock)


KBD_PATH = '/org/freedesktop/UPower/KbdBacklight'
KBD_IFACE = 'org.freedesktop.UPower.KbdBacklight'


def add_keyboard_light(mock, maximum):
    '''A keyboard light that takes every level 0..maximum and tells it.'''
    mock.AddObject(KBD_PATH, KBD_IFACE, {}, [
        ('GetMaxBrightness', '', 'i', 'ret = %d' % maximum),
        ('GetBrightness', '', 'i', 'ret = self.level'),
        ('SetBrightness', 'i', '',
         'self.level = max(0, min(%d, args[0])); '
         'self.EmitSignal("%s", "BrightnessChanged", "i", [self.level])' % (maximum, KBD_IFACE)),
    ])
    mockobject.objects[KBD_PATH].level = maximum // 2


def slow_down_get_all(delay):
    '''Makes GetAll of the device interface wait, as a hung daemon would;
    the mock answers nothing else meanwhile.'''
    if delay <= 0:
        return
    original = mockobject.DBusMockObject.GetAll

    @functools.wraps(original)
    def get_all(self, interface_name, *args, **kwargs):
        # dbusmock answers Get through GetAll: only a GetAll asked for
        # over the bus waits.
        if interface_name == DEVICE_IFACE and sys._getframe(1).f_code.co_name != 'Get':
            time.sleep(delay)
        return original(self, interface_name, *args, **kwargs)

    mockobject.DBusMockObject.GetAll = get_all


def enumerate_devices(self):
    if self.enumerate_fails:
        raise dbus.exceptions.DBusException('enumeration disabled by the test',
                                            name='org.freedesktop.UPower.GeneralError')
    return dbus.Array([dbus.ObjectPath(p) for p in self.enumeration], signature='o')


def sleep_request(self, what):
    if self.sleep_delay > 0:
        import time  # pylint: disable=import-outside-toplevel
        time.sleep(self.sleep_delay)
    print('UPower stand-in: would %s the machine now' % what, flush=True)


def device(path):
    return mockobject.objects[path]


def machine_on_battery(mock):
    '''OnBattery as upowerd works it out: one of the machine's batteries
    discharges and no line power is online (upowerd believes the adapter
    over a battery that says it discharges).'''
    discharging = online = False
    for path in mock.enumeration:
        if path not in mockobject.objects:
            continue
        props = device(path).props[DEVICE_IFACE]
        kind = int(props.get('Type', 0))
        if kind == 1 and props.get('Online') is not None and bool(props['Online']):
            online = True
        if kind in (2, 3) and bool(props.get('PowerSupply', True)) and \
                int(props.get('State', 0)) == 2:
            discharging = True
    return discharging and not online


def follow_on_battery(mock):
    '''Sets OnBattery anew after a change of the devices; today's daemon
    announces it.'''
    now = dbus.Boolean(machine_on_battery(mock))
    if bool(mock.props[MAIN_IFACE]['OnBattery']) == bool(now):
        return
    if mock.announces:
        mock.UpdateProperties(MAIN_IFACE, {'OnBattery': now})
    else:
        mock.props[MAIN_IFACE]['OnBattery'] = now


@dbus.service.method(MOCK_IFACE, in_signature='sa{sv}', out_signature='')
def AddDevice(self, path, properties):
    '''Adds a device and lists it; no DeviceAdded (see EmitDeviceAdded).'''
    props = device_defaults()
    props.update(properties)
    self.AddObject(path, DEVICE_IFACE, {}, [('Refresh', '', '', '')])
    device(path).AddProperties(DEVICE_IFACE, dbus.Dictionary(props, signature='sv'))
    self.enumeration.append(path)
    follow_on_battery(self)


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def EmitDeviceAdded(self, path):
    self.EmitSignal(MAIN_IFACE, 'DeviceAdded', 'o', [dbus.ObjectPath(path)])


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def RemoveDevice(self, path):
    '''Unlists and removes a device, then emits DeviceRemoved.'''
    self.enumeration = [p for p in self.enumeration if p != path]
    if path in mockobject.objects:
        self.RemoveObject(path)
    self.EmitSignal(MAIN_IFACE, 'DeviceRemoved', 'o', [dbus.ObjectPath(path)])
    follow_on_battery(self)


def set_device_properties(path, properties):
    for name, value in properties.items():
        device(path).props[DEVICE_IFACE][name] = value


@dbus.service.method(MOCK_IFACE, in_signature='sa{sv}', out_signature='')
def SetDeviceProperties(self, path, properties):
    '''Changes properties silently (no signal of the device).'''
    set_device_properties(path, properties)
    follow_on_battery(self)


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def EmitDeviceChanged(self, path):
    device(path).EmitSignal(DEVICE_IFACE, 'Changed', '', [])


@dbus.service.method(MOCK_IFACE, in_signature='sa{sv}', out_signature='')
def ChangeDevice(self, path, properties):
    '''Changes properties and emits the device's Changed signal.'''
    set_device_properties(path, properties)
    EmitDeviceChanged(self, path)
    follow_on_battery(self)


@dbus.service.method(MOCK_IFACE, in_signature='as', out_signature='')
def SetEnumeration(self, paths):
    '''Replaces the list EnumerateDevices answers (duplicates allowed).'''
    self.enumeration = [str(p) for p in paths]


@dbus.service.method(MOCK_IFACE, in_signature='b', out_signature='')
def SetEnumerateFails(self, fails):
    self.enumerate_fails = bool(fails)


@dbus.service.method(MOCK_IFACE, in_signature='d', out_signature='')
def SetSleepDelay(self, seconds):
    self.sleep_delay = float(seconds)


@dbus.service.method(MOCK_IFACE, in_signature='sa{sv}', out_signature='')
def EmitPropertiesChanged(self, path, properties):
    '''Changes properties and announces them with PropertiesChanged, as
    UPower 0.99 and later do.'''
    set_device_properties(path, properties)
    device(path).EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                            [DEVICE_IFACE, dbus.Dictionary(properties, signature='sv'),
                             dbus.Array([], signature='s')])
    follow_on_battery(self)


@dbus.service.method(MOCK_IFACE, in_signature='sbu', out_signature='')
def EmitBurst(self, path, properties_changed, count):
    '''Emits count Changed (or PropertiesChanged with the device's Energy)
    signals in one go.'''
    obj = device(path)
    energy = obj.props[DEVICE_IFACE]['Energy']
    for _ in range(count):
        if properties_changed:
            obj.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                           [DEVICE_IFACE, dbus.Dictionary({'Energy': energy}, signature='sv'),
                            dbus.Array([], signature='s')])
        else:
            obj.EmitSignal(DEVICE_IFACE, 'Changed', '', [])


def announce_manager(self, properties):
    '''Tells of a change of the manager's own properties the way the
    daemon's generation does: Changed before 0.99, PropertiesChanged since.'''
    version = [int(p) for p in str(self.props[MAIN_IFACE]['DaemonVersion']).split('.')[:2]]
    if version >= [0, 99]:
        self.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                        [MAIN_IFACE, dbus.Dictionary(properties, signature='sv'),
                         dbus.Array([], signature='s')])
    else:
        self.EmitSignal(MAIN_IFACE, 'Changed', '', [])


@dbus.service.method(MOCK_IFACE, in_signature='a{sv}', out_signature='')
def SetManagerProperties(self, properties):
    '''Changes the manager's own properties (LidIsPresent, LidIsClosed,
    OnBattery...) and tells of it as the daemon's generation does.'''
    for name, value in properties.items():
        self.props[MAIN_IFACE][name] = value
    announce_manager(self, properties)


@dbus.service.method(MOCK_IFACE, in_signature='u', out_signature='')
def FlapLid(self, times):
    '''Closes and opens the lid times times in one go, each change told as
    the daemon's generation tells it; the lid ends open.'''
    for _ in range(times):
        for closed in (True, False):
            SetManagerProperties(self, {'LidIsClosed': dbus.Boolean(closed)})
