'''The simulated machine of scripts/run: two batteries, a UPS and line power.

The first battery has a charge limit, as UPower 1.90.5 and later offer it:
charging stops at 80 % and starts again below 75 %. It starts on the
charger at 70 %, charges to its limit and rests there ("pending-charge", on
line power) for a few seconds; then the charger is unplugged (line power
down) and the battery runs down two percent every few seconds; at 20 % the
charger comes back (line power up) and fills it again. With its limit
turned off (EnableChargeThreshold(false), as the battery page's box asks)
it charges to 95 % and the charger is unplugged there at once. The first
"Power is down" comes some twenty seconds after the start, and every
display and message of the program shows up within a couple of minutes.

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
START = 70.0  # %, on the charger
LOW, HIGH = 20.0, 95.0  # % where the charger comes back and goes
LIMIT_START, LIMIT_END = 75, 80  # % of the first battery's charge limit
HELD_TICKS = 3  # ticks the battery rests at its limit before the unplugging
RATE = 10.0  # W, charging and discharging
# The daemon's own object, once the demo has started.
MANAGER = []


# A day of the first battery, oldest first: (hours, charge at the end,
# state), from START and back to it, charging at the end; its limit holds
# it at 80 % on the charger.
CHARGING, DISCHARGING, FULLY_CHARGED, PENDING_CHARGE = 1, 2, 4, 5
BAT0_DAY = [(3, 45, DISCHARGING), (1.5, 80, CHARGING), (5, 30, DISCHARGING),
            (2, 80, CHARGING), (8, 80, PENDING_CHARGE), (3, 35, DISCHARGING),
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


def charge_limit(properties):
    '''A battery whose charging stops at LIMIT_END and starts again below
    LIMIT_START while the limit is on.'''
    properties.update({
        'ChargeThresholdSupported': dbus.Boolean(True),
        'ChargeThresholdEnabled': dbus.Boolean(True),
        'ChargeStartThreshold': dbus.UInt32(LIMIT_START),
        'ChargeEndThreshold': dbus.UInt32(LIMIT_END),
        'ChargeThresholdSettingsSupported': dbus.UInt32(3),
    })
    return properties


def enable_charge_threshold(device, enabled):
    '''As upowerd: the limit is set, and announced.'''
    announce(device, {'ChargeThresholdEnabled': dbus.Boolean(enabled)})
    print('Demo: charge limit %s' % ('on' if enabled else 'off'), flush=True)


def announce(device, changed):
    '''Changes a device's values and tells so the way the daemon does.'''
    device.props[DEVICE_IFACE].update(changed)
    if MANAGER[0].announces:
        device.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                          [DEVICE_IFACE, dbus.Dictionary(changed, signature='sv'),
                           dbus.Array([], signature='s')])
    else:
        device.EmitSignal(DEVICE_IFACE, 'Changed', '', [])


def start(mock):
    MANAGER.append(mock)
    add = mock.AddDevice  # defined by the template
    add(PREFIX + 'battery_BAT0', charge_limit(
        worn(battery('Demo Battery 1', 'DB-0001', START, 1, 'BAT0'), 41.3, 312, RATE)))
    mockobject.objects[PREFIX + 'battery_BAT0'].AddMethod(
        DEVICE_IFACE, 'EnableChargeThreshold', 'b', '', enable_charge_threshold)
    add(PREFIX + 'battery_BAT1',
        worn(battery('Demo Battery 2', 'DB-0002', 100, 4, 'BAT1'), 47.9, 57, 0.0))
    add(PREFIX + 'ups_hiddev0', battery('Demo UPS', 'UPS-42', 100, 4, 'hiddev0', device_type=3))
    add(PREFIX + 'line_power_AC', {'Type': dbus.UInt32(1), 'Online': dbus.Boolean(False),
                                   'NativePath': dbus.String('AC'), 'PowerSupply': dbus.Boolean(True)})
    now = time.time()
    add_history(PREFIX + 'battery_BAT0', made_up_history(BAT0_DAY * HISTORY_DAYS, START, now))
    add_history(PREFIX + 'battery_BAT1', made_up_history(BAT1_DAY * HISTORY_DAYS, 100, now))
    add_history(PREFIX + 'ups_hiddev0', made_up_history(UPS_WEEK, 100, now))
    mock.demo_state = {'percent': START, 'charging': True, 'held': 0}
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


def top():
    '''Where the first battery stops charging.'''
    bat0 = mockobject.objects[PREFIX + 'battery_BAT0']
    return LIMIT_END if bat0.props[DEVICE_IFACE]['ChargeThresholdEnabled'] else HIGH


def tick(mock, state):
    if state['charging']:
        state['percent'] = min(max(top(), state['percent']), state['percent'] + 3)
        # At its limit it rests a while on line power; without one the
        # charger goes at once.
        if state['percent'] >= top():
            state['held'] += 1
        if state['percent'] >= top() and (top() == HIGH or state['held'] > HELD_TICKS):
            state['charging'] = False
            state['held'] = 0
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
    each told as the daemon tells changes, and on the daemon's OnBattery.'''
    percent = state['percent']
    discharging = not state['charging']
    held = state['charging'] and percent >= top()
    rate = 0.0 if held else RATE
    energy = FULL * percent / 100
    device_state = DISCHARGING if discharging else PENDING_CHARGE if held else CHARGING
    bat0 = mockobject.objects[PREFIX + 'battery_BAT0']
    bat0.demo_history.append((int(time.time()), percent, device_state))
    announce(bat0, {
        'State': dbus.UInt32(device_state),
        'Energy': dbus.Double(energy), 'Percentage': dbus.Double(percent),
        'EnergyRate': dbus.Double(rate),
        'TimeToEmpty': dbus.Int64(int(energy / rate * 3600) if discharging else 0),
        'TimeToFull': dbus.Int64(0 if discharging or held
                                 else int((FULL - energy) / rate * 3600)),
    })
    announce(mockobject.objects[PREFIX + 'line_power_AC'],
             {'Online': dbus.Boolean(not discharging)})
    MANAGER[0].follow_on_battery(MANAGER[0])
