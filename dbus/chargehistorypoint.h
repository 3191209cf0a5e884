#pragma once

#include <QList>
#include <QMetaType>
#include <QtGlobal>

// One recorded charge of a battery, free of D-Bus types so that widgets can
// take it without QtDBus.
struct ChargeHistoryPoint
{
    qint64 time = 0; // seconds since the epoch
    double percent = 0; // 0 to 100
    uint state = 0; // UPowerWire::DeviceState: charging, discharging, ...
};

Q_DECLARE_METATYPE(ChargeHistoryPoint)
