#ifndef BATTERYINDICATOR_H
#define BATTERYINDICATOR_H

#include <QWidget>

// A bar showing the battery charge: the charged end in a colour running from
// red (empty) through yellow to green (full), the rest in translucent blue,
// and, while an estimate is known, the time remaining written across it.
// Vertical bars fill from the bottom and carry their text rotated.
class BatteryIndicator : public QWidget
{
    Q_OBJECT

public:
    BatteryIndicator(Qt::Orientation orientation, QWidget *parent, qint64 remaining);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The text written on the bar for a positive number of seconds.
    static QString remainingText(qint64 seconds);

public slots:
    // Neither setter repaints: the new values show at the next paint.
    void setPercentage(int percentage);
    void setRemaining(int remaining);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int percentage;
    Qt::Orientation orientation;
    qint64 remaining; // seconds; the text is shown only while this is positive
};

#endif // BATTERYINDICATOR_H
