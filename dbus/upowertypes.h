#pragma once

#include <QDBusObjectPath>
#include <QList>
#include <QMetaType>

class OrgFreedesktopUPowerInterface;

// Registers QDBusObjectPath and QList<QDBusObjectPath> with the meta-type
// system, together with the list's conversion to QSequentialIterable, so
// that DeviceAdded/DeviceRemoved can be delivered and a variant holding the
// EnumerateDevices reply can be walked. Cheap after the first call.
int registerUPowerMetaTypes();

// UPower's device list; an error, or a reply of another type, reads as no
// devices at all.
QList<QDBusObjectPath> enumerateDevices(OrgFreedesktopUPowerInterface &upower);
