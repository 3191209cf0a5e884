#include "gaugeiconengine.h"

#include "chargecolour.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

GaugeIconEngine::GaugeIconEngine(int percent) : percent(percent) { }

void GaugeIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                            QIcon::State state)
{
    painter->drawPixmap(rect.topLeft(), pixmap(rect.size(), mode, state));
}

QPixmap GaugeIconEngine::pixmap(const QSize &size, QIcon::Mode, QIcon::State)
{
    const int side = qMin(size.width(), size.height());
    if (side <= 0)
        return QPixmap();
    // The charged height, kept inside the image whatever the percentage.
    const int charged = int(qBound(0.0, side * (percent / 100.0), double(side)));
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(0);
    QPainter painter(&image);
    painter.setPen(QColor(0, 0, 0, 0));
    painter.setBrush(QColor(0, 0, 255, 128));
    painter.drawRect(QRect(QPoint(0, 0), QPoint(side - 1, side - charged - 1)));
    painter.setBrush(chargeColour(percent));
    painter.drawRect(QRect(QPoint(0, side - charged), QPoint(side - 1, side - 1)));
    painter.end();
    return QPixmap::fromImage(image);
}

// Qt 6 dropped the const of this one.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
QList<QSize> GaugeIconEngine::availableSizes(QIcon::Mode, QIcon::State)
#else
QList<QSize> GaugeIconEngine::availableSizes(QIcon::Mode, QIcon::State) const
#endif
{
    QList<QSize> sizes;
    for (int side : {16, 22, 32, 48, 64, 128})
        sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine *GaugeIconEngine::clone() const
{
    return new GaugeIconEngine(percent);
}

QString GaugeIconEngine::key() const
{
    return QStringLiteral("GaugeIconEngine");
}
