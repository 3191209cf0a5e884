#pragma once

#include <QCoreApplication>
#include <QString>

class DeviceProperties;

// How the battery of one of the machine's devices (a mouse, a keyboard, a
// headset...) is named and its charge told, wherever it is shown.
class DeviceBattery
{
    Q_DECLARE_TR_FUNCTIONS(DeviceBattery)

public:
    // The device's kind: "Mouse", "Keyboard", "Headset"...; empty for a
    // kind it has no name for.
    static QString kindName(uint type);
    // Its model as one short line of plain text, or its kind when it has
    // none.
    static QString name(const DeviceProperties &device);
    // Its charge in percent, from Percentage; UnknownCharge when that is not
    // a number, or when the device only reports a coarse level.
    static int percent(const DeviceProperties &device);
    // Its charge in words: "5 %", or the coarse level ("Low", "Full"...),
    // or "?" when it cannot be read.
    static QString chargeText(const DeviceProperties &device);
};
