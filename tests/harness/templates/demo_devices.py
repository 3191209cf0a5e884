'''The simulated machine of scripts/run: two batteries, a UPS and line power.

The first battery starts on the charger at 90 %; at 95 % the charger is
unplugged (line power down) and the battery runs down two percent every
few seconds; at 20 % the charger comes back (line power up) and fills it
again. The first "Power is down" comes some ten seconds after the start,
and every display and message of the program shows up within a couple of
minutes.

SetDemoCharge(percent, charging) on the manager's mock interface moves the
first battery to a charge at once (scripts/screenshots shows the gauge at a
few charges that way); the simulation goes on from there.
'''

import dbus
from gi.repository import GLib

from dbusmock import MOCK_IFACE, mockobject

DEVICE_IFACE = 'org.freedesktop.UPower.Device'
PREFIX = '/org/freedesktop/UPower/devices/'
FULL = 50.0  # Wh
TICK_SECONDS = 3
START = 90.0  # %, on the charger
LOW, HIGH = 20.0, 95.0  # % where the charger comes back and goes


def battery(model, serial, percent, state, native_path, device_type=2):
    return {
        'Type': dbus.UInt32(device_type), 'State': dbus.UInt32(state),
        'Model': dbus.String(model), 'Serial': dbus.String(serial),
        'Vendor': dbus.String('Simulated Power Ltd.'), 'NativePath': dbus.String(native_path),
        'Technology': dbus.UInt32(1 if device_type == 2 else 4),
        'Energy': dbus.Double(FULL * percent / 100), 'EnergyFull': dbus.Double(FULL),
        'EnergyFullDesign': dbus.Double(FULL), 'Percentage': dbus.Double(percent),
        'TimeToEmpty': dbus.Int64(0), 'TimeToFull': dbus.Int64(0),
        'IsPresent': dbus.Boolean(True), 'PowerSupply': dbus.Boolean(device_type == 2),
    }


def start(mock):
    add = mock.AddDevice  # defined by the template
    add(PREFIX + 'battery_BAT0', battery('Demo Battery 1', 'DB-0001', START, 1, 'BAT0'))
    add(PREFIX + 'battery_BAT1', battery('Demo Battery 2', 'DB-0002', 100, 4, 'BAT1'))
    add(PREFIX + 'ups_hiddev0', battery('Demo UPS', 'UPS-42', 100, 4, 'hiddev0', device_type=3))
    add(PREFIX + 'line_power_AC', {'Type': dbus.UInt32(1), 'Online': dbus.Boolean(False),
                                   'NativePath': dbus.String('AC'), 'PowerSupply': dbus.Boolean(True)})
    mock.demo_state = {'percent': START, 'charging': True}
    mock.AddMethod(MOCK_IFACE, 'SetDemoCharge', 'db', '', set_demo_charge)
    publish(mock.demo_state)
    GLib.timeout_add_seconds(TICK_SECONDS, tick, mock, mock.demo_state)


def set_demo_charge(mock, percent, charging):
    mock.demo_state.update(percent=float(percent), charging=bool(charging))
    publish(mock.demo_state)


def tick(mock, state):
    if state['charging']:
        state['percent'] = min(HIGH, state['percent'] + 3)
        if state['percent'] >= HIGH:
            state['charging'] = False
            print('Demo: charger unplugged, running on battery', flush=True)
    else:
        state['percent'] = max(LOW, state['percent'] - 2)
        if state['percent'] <= LOW:
            state['charging'] = True
            print('Demo: charger plugged in', flush=True)
    publish(state)
    return True


def publish(state):
    '''Shows the simulated state on the first battery and the line power,
    each followed by its Changed signal.'''
    percent = state['percent']
    discharging = not state['charging']
    rate = 10.0  # W
    energy = FULL * percent / 100
    bat0 = mockobject.objects[PREFIX + 'battery_BAT0']
    bat0.props[DEVICE_IFACE].update({
        'State': dbus.UInt32(2 if discharging else 1),
        'Energy': dbus.Double(energy), 'Percentage': dbus.Double(percent),
        'TimeToEmpty': dbus.Int64(int(energy / rate * 3600) if discharging else 0),
        'TimeToFull': dbus.Int64(0 if discharging else int((FULL - energy) / rate * 3600)),
    })
    bat0.EmitSignal(DEVICE_IFACE, 'Changed', '', [])
    line = mockobject.objects[PREFIX + 'line_power_AC']
    line.props[DEVICE_IFACE]['Online'] = dbus.Boolean(not discharging)
    line.EmitSignal(DEVICE_IFACE, 'Changed', '', [])
