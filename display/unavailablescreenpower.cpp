#include "unavailablescreenpower.h"

UnavailableScreenPower::UnavailableScreenPower(const QString &reason, QObject *parent)
    : ScreenPower(parent)
{
    setUnavailable(reason);
}

bool UnavailableScreenPower::turnOff()
{
    return false;
}

bool UnavailableScreenPower::turnOn()
{
    return false;
}
