#pragma once

#include <QIconEngine>

// A battery's charge gauge as an icon: painted at whatever size is asked
// for, so that no set of images stays in memory for each gauge shown.
class GaugeIconEngine : public QIconEngine
{
public:
    explicit GaugeIconEngine(int percent);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    // The sizes a tray host picks from when it wants images, not painting.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
#else
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override;
#endif
    QIconEngine *clone() const override;
    QString key() const override;

private:
    int percent;
};
