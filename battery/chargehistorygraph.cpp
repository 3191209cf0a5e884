#include "chargehistorygraph.h"

#include "wirenames.h"

#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

static QString percentText(double percent)
{
    return ChargeHistoryGraph::tr("%1\u00a0%").arg(QLocale().toString(qRound(percent)));
}

ChargeHistoryGraph::ChargeHistoryGraph(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(tr("Charge history"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    describe();
}

void ChargeHistoryGraph::setSpan(int seconds)
{
    if (seconds <= 0)
        return;
    spanSeconds = seconds;
    describe();
    update();
}

void ChargeHistoryGraph::setPoints(const QList<ChargeHistoryPoint> &newPoints)
{
    points = newPoints;
    describe();
    update();
}

void ChargeHistoryGraph::setUnavailable()
{
    setPoints({});
}

QString ChargeHistoryGraph::spanText(int seconds)
{
    constexpr int hour = 3600;
    constexpr int day = 24 * hour;
    // Whole days from two on ("Last 7 days"), else whole hours ("Last 24 hours").
    if (seconds >= 2 * day && seconds % day == 0)
        return tr("Last %n days", nullptr, seconds / day);
    if (seconds % hour == 0)
        return seconds == hour ? tr("Last hour") : tr("Last %n hours", nullptr, seconds / hour);
    const int minutes = std::max(1, seconds / 60);
    return minutes == 1 ? tr("Last minute") : tr("Last %n minutes", nullptr, minutes);
}

QString ChargeHistoryGraph::emptyText()
{
    return tr("No charge history yet");
}

QSize ChargeHistoryGraph::minimumSizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(QLatin1Char('0')) * 30, fm.height() * 6};
}

QSize ChargeHistoryGraph::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(QLatin1Char('0')) * 50, fm.height() * 12};
}

// The points that fall in the span ending now (the daemon's clock and ours
// may differ a little: points from the future still count).
QList<ChargeHistoryPoint> ChargeHistoryGraph::shownPoints() const
{
    QList<ChargeHistoryPoint> shown;
    const qint64 start = endTime - spanSeconds;
    std::copy_if(points.cbegin(), points.cend(), std::back_inserter(shown),
                 [start](const ChargeHistoryPoint &p) { return p.time >= start; });
    return shown;
}

void ChargeHistoryGraph::describe()
{
    endTime = QDateTime::currentSecsSinceEpoch();
    if (!points.isEmpty())
        endTime = std::max(endTime, points.constLast().time);
    const QList<ChargeHistoryPoint> shown = shownPoints();
    if (shown.isEmpty()) {
        setAccessibleDescription(emptyText());
        return;
    }
    const auto lowest =
            std::min_element(shown.cbegin(), shown.cend(),
                             [](const ChargeHistoryPoint &a, const ChargeHistoryPoint &b) {
                                 return a.percent < b.percent;
                             });
    setAccessibleDescription(
            tr("%1: from %2 to %3, lowest %4.")
                    .arg(spanText(spanSeconds), percentText(shown.constFirst().percent),
                         percentText(shown.constLast().percent), percentText(lowest->percent)));
}

void ChargeHistoryGraph::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QList<ChargeHistoryPoint> shown = shownPoints();
    if (shown.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, emptyText());
        return;
    }
    const QFontMetrics fm = fontMetrics();
    const int gap = fm.averageCharWidth();
    const int left = fm.horizontalAdvance(percentText(100)) + gap;
    const int right = fm.horizontalAdvance(timeLabel(endTime)) / 2 + 1;
    const int top = fm.height() / 2;
    const int bottom = fm.height() + gap / 2;
    const QRect plot = rect().adjusted(left, top, -right, -bottom);
    if (plot.width() < 2 || plot.height() < 2)
        return;
    paintAxes(painter, plot);
    paintCharge(painter, plot, shown);
}

void ChargeHistoryGraph::paintAxes(QPainter &painter, const QRect &plot) const
{
    const QFontMetrics fm = fontMetrics();
    const int gap = fm.averageCharWidth();
    for (const int percent : {0, 50, 100}) {
        const int y = plot.bottom() - plot.height() * percent / 100;
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect label(0, y - fm.height() / 2, plot.left() - gap, fm.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, percentText(percent));
    }
    // Four times: the start, two between and now.
    constexpr int ticks = 4;
    for (int i = 0; i < ticks; ++i) {
        const qint64 time = endTime - spanSeconds + qint64(spanSeconds) * i / (ticks - 1);
        const int x = plot.left() + plot.width() * i / (ticks - 1);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + gap / 2);
        const QString text = timeLabel(time);
        const int width = fm.horizontalAdvance(text);
        const int textLeft = std::clamp(x - width / 2, 0, std::max(0, this->width() - width));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(textLeft, plot.bottom() + gap / 2, width, fm.height()),
                         Qt::AlignCenter, text);
    }
}

void ChargeHistoryGraph::paintCharge(QPainter &painter, const QRect &plot,
                                     const QList<ChargeHistoryPoint> &shown) const
{
    const qint64 start = endTime - spanSeconds;
    const auto at = [&](const ChargeHistoryPoint &p) {
        const double x = plot.left() + plot.width() * double(p.time - start) / spanSeconds;
        const double y = plot.bottom() - plot.height() * p.percent / 100;
        return QPointF(std::min(x, double(plot.right())), y);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal width = std::max(2, fontMetrics().height() / 8);
    if (shown.size() == 1) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(stateColour(shown.constFirst().state));
        painter.drawEllipse(at(shown.constFirst()), width * 1.5, width * 1.5);
        return;
    }
    // Each stretch in the colour of what the battery did to get there.
    for (int i = 1; i < shown.size(); ++i) {
        painter.setPen(QPen(stateColour(shown.at(i).state), width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(at(shown.at(i - 1)), at(shown.at(i)));
    }
}

QColor ChargeHistoryGraph::stateColour(uint state) const
{
    switch (state) {
    case UPowerWire::Charging:
        return palette().color(QPalette::Highlight);
    case UPowerWire::Discharging:
        return palette().color(QPalette::WindowText);
    default: // full, empty, waiting: the battery holds its charge
        return palette().color(QPalette::Dark);
    }
}

// The locale's short time without its seconds, which some locales (C among
// them) put in it: a tick marks an hour, and "14:00:00" only crowds it.
static QString clockFormat()
{
    static const QRegularExpression seconds(QStringLiteral("[:.]ss?"));
    return QLocale().timeFormat(QLocale::ShortFormat).remove(seconds);
}

QString ChargeHistoryGraph::timeLabel(qint64 time) const
{
    const QDateTime when = QDateTime::fromSecsSinceEpoch(time);
    // Within a day the clock tells the times apart; beyond, the weekday.
    if (spanSeconds <= 24 * 3600)
        return QLocale().toString(when.time(), clockFormat());
    return QLocale().dayName(when.date().dayOfWeek(), QLocale::ShortFormat);
}
