#include "powericon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QIcon drawnPowerIcon()
{
    QIcon icon;
    for (int side : {16, 22, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal unit = side / 16.0;
        painter.setPen(QPen(QColor(40, 40, 40), unit));
        painter.setBrush(QColor(250, 250, 250));
        painter.drawRoundedRect(QRectF(1.5 * unit, 3.5 * unit, 12 * unit, 9 * unit), unit, unit);
        painter.fillRect(QRectF(13.5 * unit, 6 * unit, 1.5 * unit, 4 * unit), QColor(40, 40, 40));
        painter.fillRect(QRectF(3 * unit, 5 * unit, 7 * unit, 6 * unit), QColor(60, 180, 60));
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon powerIcon()
{
    const QString name = QStringLiteral("power");
    // Drawn only when needed: with a themed icon nothing is painted.
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : drawnPowerIcon();
}
