#include "batteryhealth.h"
#include "chargehistory.h"
#include "chargehistorygraph.h"
#include "chargehistoryview.h"
#include "deviceproperties.h"
#include "settingskeys.h"
#include "upowertypes.h"

#include <QComboBox>
#include <QDateTime>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <limits>

// The charge history's parts that need no daemon: the battery health lines,
// the reading of GetHistory entries, the graph's words and the view's
// requests. tst_history runs them against the real upowerd.
class TestChargeHistory : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }

    void healthLines_data();
    void healthLines();
    void entriesBecomePoints();
    void graphDescribesSpan_data();
    void graphDescribesSpan();
    void viewAsksOnlyWhileShown();
    void spanIsKept();
};

using Lines = QStringList;

static QStringList rendered(const QList<BatteryHealth::Line> &lines)
{
    QStringList out;
    for (const BatteryHealth::Line &line : lines)
        out << line.label.arg(line.value);
    return out;
}

void TestChargeHistory::healthLines_data()
{
    QTest::addColumn<QVariantMap>("properties");
    QTest::addColumn<Lines>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QVariantMap worn{{"EnergyFull", 60.0},
                           {"EnergyFullDesign", 80.0},
                           {"ChargeCycles", 312},
                           {"EnergyRate", 12.04},
                           {"State", 2u}};
    QTest::newRow("all, discharging")
            << worn
            << Lines{"<b>Capacity:</b> 75\u00a0% (60.0 of 80.0\u00a0Wh)",
                     "<b>Charge cycles:</b> 312", "<b>Energy rate:</b> 12.0\u00a0W"};
    QVariantMap charging = worn;
    charging["State"] = 1u;
    charging.remove("ChargeCycles");
    QTest::newRow("charging, no cycles")
            << charging
            << Lines{"<b>Capacity:</b> 75\u00a0% (60.0 of 80.0\u00a0Wh)",
                     "<b>Energy rate:</b> 12.0\u00a0W"};
    QTest::newRow("full: no rate; cycles unknown")
            << QVariantMap{{"EnergyFull", 60.0},
                           {"EnergyFullDesign", 80.0},
                           {"ChargeCycles", -1},
                           {"EnergyRate", 12.0},
                           {"State", 4u}}
            << Lines{"<b>Capacity:</b> 75\u00a0% (60.0 of 80.0\u00a0Wh)"};
    QTest::newRow("no design energy: the daemon's capacity")
            << QVariantMap{{"EnergyFull", 60.0},
                           {"EnergyFullDesign", 0.0},
                           {"Capacity", 91.6},
                           {"ChargeCycles", 0u}}
            << Lines{"<b>Capacity:</b> 92\u00a0%", "<b>Charge cycles:</b> 0"};
    QTest::newRow("hostile values are left out")
            << QVariantMap{{"EnergyFull", "60"},    {"EnergyFullDesign", 80.0}, {"Capacity", nan},
                           {"ChargeCycles", "312"}, {"EnergyRate", -12.0},      {"State", 2u}}
            << Lines{};
    QTest::newRow("more hostile values")
            << QVariantMap{{"EnergyFull", nan},   {"EnergyFullDesign", 80.0}, {"Capacity", -5.0},
                           {"ChargeCycles", 3.5}, {"EnergyRate", nan},        {"State", 1u}}
            << Lines{};
    QTest::newRow("negative cycles, rate unknown")
            << QVariantMap{{"ChargeCycles", qlonglong(-7)}, {"EnergyRate", 0.0}, {"State", 2u}}
            << Lines{};
}

void TestChargeHistory::healthLines()
{
    QFETCH(QVariantMap, properties);
    QFETCH(Lines, expected);
    QCOMPARE(rendered(BatteryHealth::lines(DeviceProperties("/bat", properties))), expected);
}

// upowerd answers newest first, ends a loaded record with a marker of state
// unknown and value 0, and nothing stops a broken battery from reporting
// nonsense: the points come out oldest first with only real charges.
void TestChargeHistory::entriesBecomePoints()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const UPowerHistory items{{5000, 0.0, 0},   {4000, 55.0, 2}, {3500, nan, 2},  {3000, 70.0, 1},
                              {2500, 140.0, 1}, {2000, -3.0, 2}, {1000, 96.0, 2}, {1500, 100.0, 4}};
    const QList<ChargeHistoryPoint> points = ChargeHistory::toPoints(items);
    QList<qint64> times;
    QList<double> percents;
    QList<uint> states;
    for (const ChargeHistoryPoint &p : points) {
        times << p.time;
        percents << p.percent;
        states << p.state;
    }
    QCOMPARE(times, (QList<qint64>{1000, 1500, 3000, 4000}));
    QCOMPARE(percents, (QList<double>{96.0, 100.0, 70.0, 55.0}));
    QCOMPARE(states, (QList<uint>{2, 4, 1, 2}));
}

using Points = QList<ChargeHistoryPoint>;

void TestChargeHistory::graphDescribesSpan_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<Points>("points");
    QTest::addColumn<QString>("description");
    // Whether a stretch ends charging, painted in the highlight colour.
    QTest::addColumn<bool>("charging");
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const Points day{{now - 20 * 3600, 96, 2},
                     {now - 12 * 3600, 38, 2},
                     {now - 5 * 3600, 70, 1},
                     {now - 600, 41, 2}};
    QTest::newRow("24 hours") << 24 * 3600 << day
                              << "Last 24 hours: from 96\u00a0% to 41\u00a0%, lowest 38\u00a0%."
                              << true;
    // The stretch into the last point was discharging. Points older than the span (the view still
    // shows the last answer while the new one is out) are not described.
    QTest::newRow("6 hours of the same")
            << 6 * 3600 << day << "Last 6 hours: from 70\u00a0% to 41\u00a0%, lowest 41\u00a0%."
            << false;
    QTest::newRow("7 days, one point")
            << 7 * 24 * 3600 << Points{{now - 3 * 24 * 3600, 12.6, 1}}
            << "Last 7 days: from 13\u00a0% to 13\u00a0%, lowest 13\u00a0%." << true;
    QTest::newRow("one hour") << 3600 << Points{{now - 60, 50, 2}, {now, 49.4, 2}}
                              << "Last hour: from 50\u00a0% to 49\u00a0%, lowest 49\u00a0%."
                              << false;
    QTest::newRow("none") << 24 * 3600 << Points{} << "No charge history yet" << false;
    QTest::newRow("none within the span")
            << 6 * 3600 << Points{{now - 7 * 3600, 50, 2}} << "No charge history yet" << false;
}

void TestChargeHistory::graphDescribesSpan()
{
    QFETCH(int, span);
    QFETCH(Points, points);
    QFETCH(QString, description);
    QFETCH(bool, charging);
    ChargeHistoryGraph graph;
    graph.setSpan(span);
    graph.setPoints(points);
    QCOMPARE(graph.accessibleName(), QString("Charge history"));
    QCOMPARE(graph.accessibleDescription(), description);
    // What a screen reader hears is what is painted: words when empty, a
    // line (in more than the background's colour) otherwise.
    graph.resize(graph.sizeHint());
    QImage image(graph.size(), QImage::Format_ARGB32);
    graph.render(&image);
    const QRgb background = graph.palette().color(QPalette::Window).rgb();
    const QRgb line = graph.palette().color(QPalette::Highlight).rgb();
    bool hasHighlight = false;
    for (int y = 0; y < image.height() && !hasHighlight; ++y)
        for (int x = 0; x < image.width() && !hasHighlight; ++x)
            hasHighlight = image.pixel(x, y) == line && line != background;
    QCOMPARE(hasHighlight, charging);

    graph.setPoints(points);
    graph.setUnavailable();
    QCOMPARE(graph.accessibleDescription(), QString("No charge history yet"));
}

void TestChargeHistory::viewAsksOnlyWhileShown()
{
    ChargeHistoryView view;
    QSignalSpy wanted(&view, &ChargeHistoryView::wanted);
    auto *refresh = view.findChild<QTimer *>("chargeHistoryRefresh");
    QVERIFY(refresh);
    auto *spans = view.findChild<QComboBox *>();
    spans->setCurrentIndex(0); // hidden: no request
    QVERIFY(wanted.isEmpty());
    QVERIFY(!refresh->isActive());

    view.show();
    QCOMPARE(wanted.size(), 1);
    QCOMPARE(wanted.takeFirst().at(0).toInt(), 6 * 3600);
    QVERIFY(refresh->isActive());
    QCOMPARE(refresh->interval(), 60 * 1000);
    spans->setCurrentIndex(2);
    QCOMPARE(wanted.size(), 1);
    QCOMPARE(wanted.takeFirst().at(0).toInt(), 7 * 24 * 3600);
    QCOMPARE(view.graph()->span(), 7 * 24 * 3600);

    view.hide();
    QVERIFY(!refresh->isActive());
    QVERIFY(wanted.isEmpty());
}

void TestChargeHistory::spanIsKept()
{
    {
        ChargeHistoryView view;
        QCOMPARE(view.span(), SettingsKeys::defaultHistorySpan);
        view.findChild<QComboBox *>()->setCurrentIndex(0);
    }
    QCOMPARE(QSettings().value(SettingsKeys::historySpan()).toInt(), 6 * 3600);
    QCOMPARE(ChargeHistoryView().span(), 6 * 3600);
    // A span edited by hand that the view does not offer.
    QSettings().setValue(SettingsKeys::historySpan(), 1234);
    QCOMPARE(ChargeHistoryView().span(), SettingsKeys::defaultHistorySpan);
}

QTEST_MAIN(TestChargeHistory)
#include "tst_chargehistory.moc"
