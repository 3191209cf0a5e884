#include "batteryindicator.h"

#include <QtTest>

#include <algorithm>
#include <climits>
#include <cmath>

// Renders the bar alone, without any window background, into a transparent
// image.
static QImage render(BatteryIndicator &bar)
{
    QImage image(bar.size(), QImage::Format_ARGB32);
    image.fill(0);
    bar.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// What a pixel belongs to: C(harged), E(mpty, translucent blue), U(ntouched)
// or X (anything else).
static char classify(QRgb pixel)
{
    if (qAlpha(pixel) == 0)
        return 'U';
    if (qAlpha(pixel) == 255 && qBlue(pixel) == 0)
        return 'C';
    if (qAbs(qAlpha(pixel) - 128) <= 1 && qRed(pixel) == 0 && qGreen(pixel) == 0
        && qBlue(pixel) > 0)
        return 'E';
    return 'X';
}

// The bar's layout along its length, run-length encoded ("E133 C65 U1"),
// from the top for vertical bars and from the left for horizontal ones. A
// line across the bar that is not all of one kind counts as X.
static QString layout(const QImage &image, Qt::Orientation orientation)
{
    const bool horizontal = orientation == Qt::Horizontal;
    const int length = horizontal ? image.width() : image.height();
    const int across = horizontal ? image.height() : image.width();
    QStringList runs;
    char last = 0;
    int count = 0;
    for (int i = 0; i < length; ++i) {
        char kind = 0;
        for (int j = 0; j < across; ++j) {
            const char k = classify(horizontal ? image.pixel(i, j) : image.pixel(j, i));
            kind = (kind == 0 || kind == k) ? k : 'X';
        }
        if (kind != last && count > 0) {
            runs << QString(QLatin1Char(last)) + QString::number(count);
            count = 0;
        }
        last = kind;
        ++count;
    }
    runs << QString(QLatin1Char(last)) + QString::number(count);
    return runs.join(QLatin1Char(' '));
}

// Whether one channel along a line across the bar follows the gradient from
// the dark shade at the edges to the full colour in the middle, reflected
// beyond; Qt samples it at pixel centres. Its colour table is off by one here
// and there, so each pixel may be one away, but on average the line must be
// within half a unit (a colour off by one would shift every pixel).
static bool followsGradient(const QVector<int> &line, int dark, int full)
{
    const int half = line.size() / 2;
    double sum = 0;
    for (int i = 0; i < line.size(); ++i) {
        double t = std::fmod((i + 0.5) / half, 2.0);
        if (t > 1.0)
            t = 2.0 - t;
        const int deviation = line.at(i) - qRound(dark + t * (full - dark));
        if (qAbs(deviation) > 1)
            return false;
        sum += deviation;
    }
    return qAbs(sum / line.size()) < 0.5;
}

static QString toString(const QVector<int> &line)
{
    QStringList values;
    for (const int value : line)
        values << QString::number(value);
    return values.join(QLatin1Char(' '));
}

// The largest difference of any channel of any pixel of two images of the
// same size.
static int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                                qAbs(qBlue(p) - qBlue(q)), qAbs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

class EventCounter : public QObject
{
public:
    using QObject::QObject;
    int paints = 0;
    int updateRequests = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        else if (event->type() == QEvent::UpdateRequest)
            ++updateRequests;
        return false;
    }
};

class tst_BatteryIndicator : public QObject
{
    Q_OBJECT

private slots:
    void sizeHints();
    void remainingText_data();
    void remainingText();
    void colours_data();
    void colours();
    void fill_data();
    void fill();
    void outOfRange_data();
    void outOfRange();
    void text_data();
    void text();
    void verticalTextRunsDownwards();
    void settersDoNotRepaint();
};

void tst_BatteryIndicator::sizeHints()
{
    BatteryIndicator horizontal(Qt::Horizontal, nullptr, 0);
    QCOMPARE(horizontal.sizeHint(), QSize(200, 32));
    QCOMPARE(horizontal.minimumSizeHint(), QSize(200, 8));
    BatteryIndicator vertical(Qt::Vertical, nullptr, 0);
    QCOMPARE(vertical.sizeHint(), QSize(32, 200));
    QCOMPARE(vertical.minimumSizeHint(), QSize(8, 200));
}

void tst_BatteryIndicator::remainingText_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("605") << qint64(605) << QStringLiteral("10 min 05 sec remaining");
    QTest::newRow("65") << qint64(65) << QStringLiteral("01 min 05 sec remaining");
    QTest::newRow("59") << qint64(59) << QStringLiteral("00 min 59 sec remaining");
    QTest::newRow("6000") << qint64(6000) << QStringLiteral("100 min 00 sec remaining");
}

void tst_BatteryIndicator::remainingText()
{
    QFETCH(qint64, seconds);
    QTEST(BatteryIndicator::remainingText(seconds), "text");
}

void tst_BatteryIndicator::colours_data()
{
    QTest::addColumn<int>("percentage");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("darkRed");
    QTest::addColumn<int>("darkGreen");
    QTest::newRow("1") << 1 << 255 << 5 << 127 << 0;
    QTest::newRow("25") << 25 << 255 << 127 << 127 << 0;
    QTest::newRow("50") << 50 << 255 << 255 << 127 << 127;
    QTest::newRow("51") << 51 << 249 << 255 << 121 << 127;
    QTest::newRow("100") << 100 << 0 << 255 << 0 << 127;
    QTest::newRow("150") << 150 << 0 << 255 << 0 << 127;
}

void tst_BatteryIndicator::colours()
{
    QFETCH(int, percentage);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, darkRed);
    QFETCH(int, darkGreen);

    // Vertical: the charge is at the bottom, the colour varies across
    // the columns; horizontal: at the left, varying across the rows.
    for (const auto orientation : {Qt::Vertical, Qt::Horizontal}) {
        const bool vertical = orientation == Qt::Vertical;
        BatteryIndicator bar(orientation, nullptr, 0);
        // Odd, so that the middle of the gradient is half the width rounded
        // down.
        bar.resize(vertical ? QSize(33, 200) : QSize(200, 33));
        bar.setPercentage(percentage);
        const QImage image = render(bar);
        QVector<int> chargedRed, chargedGreen, emptyBlue;
        for (int i = 0; i < (vertical ? image.width() : image.height()); ++i) {
            const QRgb charged = vertical ? image.pixel(i, image.height() - 1) : image.pixel(0, i);
            const QRgb empty = vertical ? image.pixel(i, 0) : image.pixel(image.width() - 1, i);
            QCOMPARE(classify(charged), 'C');
            QCOMPARE(classify(empty), percentage < 100 ? 'E' : 'C');
            chargedRed << qRed(charged);
            chargedGreen << qGreen(charged);
            emptyBlue << qBlue(empty);
        }
        QVERIFY2(followsGradient(chargedRed, darkRed, red), qPrintable(toString(chargedRed)));
        QVERIFY2(followsGradient(chargedGreen, darkGreen, green),
                 qPrintable(toString(chargedGreen)));
        if (percentage < 100)
            QVERIFY2(followsGradient(emptyBlue, 64, 255), qPrintable(toString(emptyBlue)));
    }
}

void tst_BatteryIndicator::fill_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<QString>("layout");
    // Both lengths are truncated separately, which can leave the last line
    // unpainted.
    QTest::newRow("vertical 0") << Qt::Vertical << 200 << 0 << QStringLiteral("E200");
    QTest::newRow("vertical 50") << Qt::Vertical << 200 << 50 << QStringLiteral("E100 C100");
    QTest::newRow("vertical 100") << Qt::Vertical << 200 << 100 << QStringLiteral("C200");
    QTest::newRow("vertical 33 of 199")
            << Qt::Vertical << 199 << 33 << QStringLiteral("E133 C65 U1");
    QTest::newRow("horizontal 0") << Qt::Horizontal << 200 << 0 << QStringLiteral("E200");
    QTest::newRow("horizontal 50") << Qt::Horizontal << 200 << 50 << QStringLiteral("C100 E100");
    QTest::newRow("horizontal 100") << Qt::Horizontal << 200 << 100 << QStringLiteral("C200");
    QTest::newRow("horizontal 33 of 199")
            << Qt::Horizontal << 199 << 33 << QStringLiteral("C65 E133 U1");
}

void tst_BatteryIndicator::fill()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, length);
    QFETCH(int, percentage);
    BatteryIndicator bar(orientation, nullptr, 0);
    bar.resize(orientation == Qt::Horizontal ? QSize(length, 32) : QSize(32, length));
    bar.setPercentage(percentage);
    QTEST(layout(render(bar), orientation), "layout");
}

void tst_BatteryIndicator::outOfRange_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<QString>("layout");
    for (const auto orientation : {Qt::Vertical, Qt::Horizontal}) {
        const char *name = orientation == Qt::Vertical ? "vertical" : "horizontal";
        QTest::addRow("%s -50", name) << orientation << -50 << QStringLiteral("E200");
        QTest::addRow("%s 150", name) << orientation << 150 << QStringLiteral("C200");
        QTest::addRow("%s INT_MIN", name) << orientation << INT_MIN << QStringLiteral("E200");
        QTest::addRow("%s INT_MAX", name) << orientation << INT_MAX << QStringLiteral("C200");
    }
}

void tst_BatteryIndicator::outOfRange()
{
    // Qt clips the painting to the widget anyway; what matters is that the
    // bar looks full or empty and that nothing overflows on the way (the test
    // is built to abort on overflowing conversions).
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, percentage);
    BatteryIndicator bar(orientation, nullptr, 0);
    bar.resize(bar.sizeHint());
    bar.setPercentage(percentage);
    QTEST(layout(render(bar), orientation), "layout");
}

void tst_BatteryIndicator::text_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<qint64>("remaining");
    QTest::addColumn<bool>("shown");
    for (const auto orientation : {Qt::Vertical, Qt::Horizontal}) {
        const char *name = orientation == Qt::Vertical ? "vertical" : "horizontal";
        QTest::addRow("%s 605", name) << orientation << qint64(605) << true;
        QTest::addRow("%s 1", name) << orientation << qint64(1) << true;
        QTest::addRow("%s -5", name) << orientation << qint64(-5) << false;
        QTest::addRow("%s INT_MIN", name) << orientation << qint64(INT_MIN) << false;
        QTest::addRow("%s qint64 min", name)
                << orientation << std::numeric_limits<qint64>::min() << false;
        QTest::addRow("%s qint64 max", name)
                << orientation << std::numeric_limits<qint64>::max() << true;
    }
}

void tst_BatteryIndicator::text()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(qint64, remaining);
    QFETCH(bool, shown);

    BatteryIndicator bare(orientation, nullptr, 0);
    bare.resize(bare.sizeHint());
    bare.setPercentage(40);
    const QImage reference = render(bare);

    BatteryIndicator bar(orientation, nullptr, remaining);
    bar.resize(bar.sizeHint());
    bar.setPercentage(40);
    const QImage fromConstructor = render(bar);
    QCOMPARE(fromConstructor != reference, shown);

    // The slot takes the same effect as the constructor.
    if (remaining >= INT_MIN && remaining <= INT_MAX) {
        bare.setRemaining(int(remaining));
        QCOMPARE(render(bare), fromConstructor);
    }
}

void tst_BatteryIndicator::verticalTextRunsDownwards()
{
    // An empty bar looks the same turned a quarter (but for the rounding of
    // the gradient), so the vertical bar must be the horizontal one rotated
    // clockwise, text included.
    BatteryIndicator horizontal(Qt::Horizontal, nullptr, 605);
    horizontal.resize(200, 32);
    BatteryIndicator vertical(Qt::Vertical, nullptr, 605);
    vertical.resize(32, 200);
    const QImage image = render(vertical);
    const QImage clockwise = render(horizontal).transformed(QTransform().rotate(90.0));
    const QImage anticlockwise = render(horizontal).transformed(QTransform().rotate(-90.0));
    QVERIFY(largestDifference(image, clockwise) <= 2);
    QVERIFY(largestDifference(image, anticlockwise) > 64);
}

void tst_BatteryIndicator::settersDoNotRepaint()
{
    BatteryIndicator bar(Qt::Horizontal, nullptr, 0);
    bar.resize(bar.sizeHint());
    EventCounter counter;
    bar.installEventFilter(&counter);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTRY_VERIFY(counter.paints > 0);
    QTest::qWait(50); // let whatever showing it set off settle

    counter.paints = counter.updateRequests = 0;
    bar.setPercentage(70);
    bar.setRemaining(300);
    QTest::qWait(50);
    QCOMPARE(counter.updateRequests, 0);
    QCOMPARE(counter.paints, 0);

    // The counter does see a repaint when one is asked for.
    bar.update();
    QTRY_VERIFY(counter.paints > 0);
    QVERIFY(counter.updateRequests > 0);
}

QTEST_MAIN(tst_BatteryIndicator)
#include "tst_batteryindicator.moc"
