#pragma once

#include "chargehistorypoint.h"

#include <QWidget>

// A battery's charge over a span of time ending now: time across, 0 to
// 100 % up, charging and discharging in colours of the palette. Its
// accessible description says in words what the line shows.
class ChargeHistoryGraph : public QWidget
{
    Q_OBJECT

public:
    explicit ChargeHistoryGraph(QWidget *parent = nullptr);

    int span() const { return spanSeconds; }
    void setSpan(int seconds);
    // Points oldest first, as ChargeHistory gives them.
    void setPoints(const QList<ChargeHistoryPoint> &points);
    // No history to show: the daemon has none or could not be asked.
    void setUnavailable();

    // "Last 24 hours", "Last 7 days", ...
    static QString spanText(int seconds);
    static QString emptyText();

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<ChargeHistoryPoint> shownPoints() const;
    void describe();
    void paintAxes(QPainter &painter, const QRect &plot) const;
    void paintCharge(QPainter &painter, const QRect &plot,
                     const QList<ChargeHistoryPoint> &points) const;
    QColor stateColour(uint state) const;
    QString timeLabel(qint64 time) const;

    QList<ChargeHistoryPoint> points;
    int spanSeconds = 24 * 3600;
    // The end of the span: now, as of the last points or span set.
    qint64 endTime = 0;
};
