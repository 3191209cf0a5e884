#include "chargecolour.h"

#include <QtGlobal>

QColor chargeColour(int percent)
{
    const double p = percent;
    const double red = p > 50 ? qMax(0.0, (100.0 - p) / 50.0 * 255.0) : 255.0;
    const double green = p > 50 ? 255.0 : qMax(0.0, p / 50.0 * 255.0);
    return QColor(int(qMin(red, 255.0)), int(qMin(green, 255.0)), 0, 255);
}
