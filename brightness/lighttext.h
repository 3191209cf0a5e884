#pragma once

#include <QCoreApplication>
#include <QString>

class BrightnessSteps;

// How a light's level reads wherever it is shown (the tray's menu, the
// window's sliders, the indicator): a percentage on the light's curve,
// "Off" at 0.
class LightText
{
    Q_DECLARE_TR_FUNCTIONS(LightText)

public:
    // "60%"; "Off" for 0; "?" for a level not known (below 0).
    static QString percent(int percent);
    // The same for a raw level of the light.
    static QString level(const BrightnessSteps &steps, int raw);
};
