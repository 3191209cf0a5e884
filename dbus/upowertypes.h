#pragma once

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QList>
#include <QMetaType>
#include <QStringList>

// One entry of a device's GetHistory reply, (udu) on the wire.
struct UPowerHistoryItem
{
    uint time = 0; // seconds since the epoch
    double value = 0;
    uint state = 0; // UPowerWire::DeviceState; 0 marks a gap in the record
};
using UPowerHistory = QList<UPowerHistoryItem>;

// One entry of a device's GetStatistics reply, (dd) on the wire.
struct UPowerStatisticsItem
{
    double value = 0;
    double accuracy = 0;
};
using UPowerStatistics = QList<UPowerStatisticsItem>;

QDBusArgument &operator<<(QDBusArgument &argument, const UPowerHistoryItem &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, UPowerHistoryItem &item);
QDBusArgument &operator<<(QDBusArgument &argument, const UPowerStatisticsItem &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, UPowerStatisticsItem &item);

Q_DECLARE_METATYPE(UPowerHistoryItem)
Q_DECLARE_METATYPE(UPowerStatisticsItem)

// Registers QDBusObjectPath and QList<QDBusObjectPath> with the meta-type
// system, together with the list's conversion to QSequentialIterable, so
// that DeviceAdded/DeviceRemoved can be delivered and a variant holding the
// EnumerateDevices reply can be walked, and the GetHistory and
// GetStatistics entries with their lists. Cheap after the first call.
int registerUPowerMetaTypes();

// UPower's device list, waiting at most timeoutMs (-1: the bus's default);
// an error, or a reply of another type, reads as no devices at all.
QStringList enumerateDevices(int timeoutMs = -1);
