#include "wexiconlabel.h"

#include <QEvent>

WexIconLabel::WexIconLabel(QWidget *parent) : QLabel(parent) { }

void WexIconLabel::setPixelMetricForIconSize(QStyle::PixelMetric metric)
{
    if (m_metric == metric)
        return;
    m_metric = metric;
    updatePixmap();
}

void WexIconLabel::setIcon(const QIcon &icon)
{
    m_icon = icon;
    updatePixmap();
}

int WexIconLabel::iconExtent() const
{
    return style()->pixelMetric(m_metric, nullptr, this);
}

void WexIconLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    switch (event->type()) {
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
        updatePixmap();
        break;
    default:
        break;
    }
}

void WexIconLabel::updatePixmap()
{
    if (m_icon.isNull()) {
        clear();
        return;
    }
    const int extent = iconExtent();
    setPixmap(m_icon.pixmap(QSize(extent, extent), isEnabled() ? QIcon::Normal : QIcon::Disabled));
}
