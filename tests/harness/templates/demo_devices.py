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

Each battery and the UPS answer GetHistory("charge", ...) as upowerd does,
newest first: a week of made-up days (work on battery, charging, nights on
the charger) that ends where the simulation starts, followed by what the
simulation has shown since.
'''

import time

import dbus
from gi.repository import GLib

from dbusmock import MOCK_IFACE, mockobject

DEVICE_IFACE = 'org.freedesktop.UPower.Device'
PREFIX = '/org/freedesktop/UPower/devices/'
FULL = 50.0  # Wh
TICK_SECONDS = 3
START = 90.0  # %, on the charger
LOW, HIGH = 20.0, 95.0  # % where the charger comes back and goes
RATE = 10.0  # W, charging and discharging


# A day of the first battery, oldest first: (hours, charge at the end,
# state), from 90 % and back to START, charging at the end.
CHARGING, DISCHARGING, FULLY_CHARGED = 1, 2, 4
BAT0_DAY = [(3, 45, DISCHARGING), (1.5, 95, CHARGING), (5, 30, DISCHARGING),
            (2, 100, CHARGING), (8, 100, FULLY_CHARGED), (3, 35, DISCHARGING),
            (1.5, START, CHARGING)]
# The second battery is swapped in now and then; the UPS saw one power cut.
BAT1_DAY = [(10, 100, FULLY_CHARGED), (4, 55, DISCHARGING), (2, 100, CHARGING),
            (8, 100, FULLY_CHARGED)]
UPS_WEEK = [(100, 100, FULLY_CHARGED), (0.5, 70, DISCHARGING), (3, 100, CHARGING),
            (64.5, 100, FULLY_CHARGED)]
HISTORY_DAYS = 7
STEP_SECONDS = 600


def made_up_history(segments, start_percent, end_time):
    '''The entries (time, percent, state) of the segments, oldest first,
    every STEP_SECONDS along each, the last at end_time.'''
    total = sum(hours for hours, _, _ in segments) * 3600
    entries = []
    t, percent = end_time - total, float(start_percent)
    for hours, target, state in segments:
        steps = max(1, int(hours * 3600 / STEP_SECONDS))
        for i in range(1, steps + 1):
            entries.append((int(t + hours * 3600 * i / steps),
                            percent + (target - percent) * i / steps, state))
        t += hours * 3600
        percent = float(target)
    return entries


def get_history(device, kind, timespan, resolution):
    '''upowerd's answer: the entries of the last timespan seconds (all of
    them for 0), newest first, thinned to about resolution entries.'''
    if kind != 'charge':
        return dbus.Array([], signature='(udu)')
    now = time.time()
    entries = [e for e in device.demo_history if timespan == 0 or e[0] >= now - timespan]
    entries.reverse()
    stride = max(1, len(entries) // max(1, int(resolution)))
    return dbus.Array([dbus.Struct((dbus.UInt32(t), dbus.Double(p), dbus.UInt32(s)),
                                   signature='udu') for t, p, s in entries[::stride]],
                      signature='(udu)')


def add_history(path, entries):
    obj = mockobject.objects[path]
    obj.demo_history = entries
    obj.AddMethod(DEVICE_IFACE, 'GetHistory', 'suu', 'a(udu)', get_history)


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


def worn(properties, energy_full, cycles, rate):
    '''A battery that holds less than when new, has been charged so many
    times and draws or takes rate watts.'''
    properties.update({'EnergyFull': dbus.Double(energy_full), 'ChargeCycles': dbus.Int32(cycles),
                       'EnergyRate': dbus.Double(rate)})
    return properties


def start(mock):
    add = mock.AddDevice  # defined by the template
    add(PREFIX + 'battery_BAT0',
        worn(battery('Demo Battery 1', 'DB-0001', START, 1, 'BAT0'), 41.3, 312, RATE))
    add(PREFIX + 'battery_BAT1',
        worn(battery('Demo Battery 2', 'DB-0002', 100, 4, 'BAT1'), 47.9, 57, 0.0))
    add(PREFIX + 'ups_hiddev0', battery('Demo UPS', 'UPS-42', 100, 4, 'hiddev0', device_type=3))
    add(PREFIX + 'line_power_AC', {'Type': dbus.UInt32(1), 'Online': dbus.Boolean(False),
                                   'NativePath': dbus.String('AC'), 'PowerSupply': dbus.Boolean(True)})
    now = time.time()
    add_history(PREFIX + 'battery_BAT0', made_up_history(BAT0_DAY * HISTORY_DAYS, START, now))
    add_history(PREFIX + 'battery_BAT1', made_up_history(BAT1_DAY * HISTORY_DAYS, 100, now))
    add_history(PREFIX + 'ups_hiddev0', made_up_history(UPS_WEEK, 100, now))
    mock.demo_state = {'percent': START, 'charging': True}
    mock.AddMethod(MOCK_IFACE, 'SetDemoCharge', 'db', '', set_demo_charge)
    publish(mock.demo_state)
    GLib.timeout_add_seconds(TICK_SECONDS, tick, mock, mock.demo_state)


def set_demo_charge(mock, percent, charging):
    mock.demo_state.update(percent=float(percent), charging=bool(charging))
    # The record leads there in the last hour rather than jumping.
    mockobject.objects[PREFIX + 'battery_BAT0'].demo_history = made_up_history(
        BAT0_DAY * HISTORY_DAYS + [(1, float(percent), CHARGING if charging else DISCHARGING)],
        START, time.time())
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
    rate = RATE
    energy = FULL * percent / 100
    bat0 = mockobject.objects[PREFIX + 'battery_BAT0']
    bat0.demo_history.append((int(time.time()), percent, 2 if discharging else 1))
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
