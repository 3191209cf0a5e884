#pragma once

#include <QIcon>
#include <QLabel>
#include <QStyle>

// A label that shows an icon at the size of one of the style's pixel
// metrics (for example the tool-bar icon size).
class WexIconLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WexIconLabel(QWidget *parent = nullptr);

    void setPixelMetricForIconSize(QStyle::PixelMetric metric);
    QStyle::PixelMetric pixelMetricForIconSize() const { return m_metric; }

    void setIcon(const QIcon &icon);
    QIcon icon() const { return m_icon; }

    int iconExtent() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void updatePixmap();

    QIcon m_icon;
    QStyle::PixelMetric m_metric = QStyle::PM_SmallIconSize;
};
