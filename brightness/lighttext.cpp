#include "lighttext.h"

#include "brightnesssteps.h"

QString LightText::percent(int percent)
{
    if (percent < 0)
        return QStringLiteral("?");
    if (percent == 0)
        return tr("Off");
    return tr("%1%").arg(percent);
}

QString LightText::level(const BrightnessSteps &steps, int raw)
{
    return percent(steps.percentAt(raw));
}
