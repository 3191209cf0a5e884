#pragma once

#include <QDBusObjectPath>
#include <QList>
#include <QMetaType>

// Registers QDBusObjectPath and QList<QDBusObjectPath> with the meta-type
// system, together with the list's conversion to QSequentialIterable, so
// that DeviceAdded/DeviceRemoved can be delivered and a variant holding the
// EnumerateDevices reply can be walked. Cheap after the first call.
int registerUPowerMetaTypes();
