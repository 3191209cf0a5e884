#include "screenpower.h"

ScreenPower::ScreenPower(QObject *parent) : QObject(parent) { }

ScreenPower::~ScreenPower() = default;
