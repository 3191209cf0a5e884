#include "batteryindicator.h"

#include "chargecolour.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <algorithm>

BatteryIndicator::BatteryIndicator(Qt::Orientation orientation, QWidget *parent, qint64 remaining)
    : QWidget(parent), percentage(0), orientation(orientation), remaining(remaining)
{
}

QSize BatteryIndicator::sizeHint() const
{
    return orientation == Qt::Horizontal ? QSize(200, 32) : QSize(32, 200);
}

QSize BatteryIndicator::minimumSizeHint() const
{
    return orientation == Qt::Horizontal ? QSize(200, 8) : QSize(8, 200);
}

QString BatteryIndicator::remainingText(qint64 seconds)
{
    return tr("%1 min %2 sec remaining")
            .arg(seconds / 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void BatteryIndicator::setPercentage(int percentage)
{
    this->percentage = percentage;
}

void BatteryIndicator::setRemaining(int remaining)
{
    this->remaining = remaining;
}

static int darkShade(int component)
{
    return component > 128 ? component - 128 : 0;
}

void BatteryIndicator::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0)
        return;
    const bool horizontal = orientation == Qt::Horizontal;

    // The colour follows the raw value; only the painted lengths are
    // clamped, so a bogus percentage can neither reach outside the widget
    // nor overflow on its way to whole pixels.
    const double p = percentage;
    const QColor colour = chargeColour(percentage);

    QImage text(horizontal ? QSize(w, h) : QSize(h, w), QImage::Format_ARGB32);
    text.fill(0);
    QPainter textPainter(&text);
    textPainter.drawText(QRect(0, 0, text.width(), text.height()),
                         Qt::AlignHCenter | Qt::AlignVCenter, remainingText(remaining));
    textPainter.end();
    if (!horizontal)
        text = text.transformed(QTransform().rotate(90.0), Qt::FastTransformation);

    QPainter painter(this);
    painter.setPen(QColor(0, 0, 0, 0));

    const double length = horizontal ? w : h;
    const double fill = std::clamp(p / 100.0 * length, 0.0, length);
    const int filled = int(fill);
    const int unfilled = int(length - fill);

    QLinearGradient charged =
            horizontal ? QLinearGradient(0, 0, 0, h / 2) : QLinearGradient(0, 0, w / 2, 0);
    charged.setSpread(QGradient::ReflectSpread);
    charged.setColorAt(0.0, QColor(darkShade(colour.red()), darkShade(colour.green()), 0, 255));
    charged.setColorAt(1.0, colour);
    painter.setBrush(charged);
    if (horizontal)
        painter.drawRect(0, 0, filled, h);
    else
        painter.drawRect(0, unfilled, w, filled);

    QLinearGradient empty(charged.start(), charged.finalStop());
    empty.setSpread(QGradient::ReflectSpread);
    empty.setColorAt(0.0, QColor(0, 0, 64, 128));
    empty.setColorAt(1.0, QColor(0, 0, 255, 128));
    painter.setBrush(empty);
    if (horizontal)
        painter.drawRect(filled, 0, unfilled, h);
    else
        painter.drawRect(0, 0, w, unfilled);

    if (remaining > 0)
        painter.drawImage(0, 0, text);
    painter.end();
}
