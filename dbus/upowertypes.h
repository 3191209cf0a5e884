#pragma once

#include <QDBusObjectPath>
#include <QList>
#include <QMetaType>
#include <QStringList>

// Registers QDBusObjectPath and QList<QDBusObjectPath> with the meta-type
// system, together with the list's conversion to QSequentialIterable, so
// that DeviceAdded/DeviceRemoved can be delivered and a variant holding the
// EnumerateDevices reply can be walked. Cheap after the first call.
int registerUPowerMetaTypes();

// UPower's device list, waiting at most timeoutMs (-1: the bus's default);
// an error, or a reply of another type, reads as no devices at all.
QStringList enumerateDevices(int timeoutMs = -1);
