#pragma once

#include "screenpower.h"

// The screen power of a display server that cannot turn the screen off: it
// only says why.
class UnavailableScreenPower : public ScreenPower
{
    Q_OBJECT

public:
    explicit UnavailableScreenPower(const QString &reason, QObject *parent = nullptr);

    bool turnOff() override;
    bool turnOn() override;
};
