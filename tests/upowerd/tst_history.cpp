#include "chargehistory.h"
#include "chargehistorygraph.h"
#include "chargehistoryview.h"
#include "programparts.h"
#include "upowermock.h"
#include "wbattery.h"
#include "wmain.h"

#include <QComboBox>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>
#include <memory>

// The charge history from Debian's real upowerd, which loads a history file
// the test writes (simulated_upowerd.py, umockdev batteries), and from a
// stand-in daemon that cannot answer GetHistory or answers too late.
class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QSettings().clear(); }
    void cleanupTestCase();

    void spanOfTheRecord_data();
    void spanOfTheRecord();
    void noRecordYet();
    void windowPageShowsTheRecord();
    void daemonWithoutHistory();
    void hangingDaemonDoesNotBlock();
    void spanAskedMeanwhileIsReadNext();
    void askedOnlyWhileThePageShows();

private:
    bool command(const QString &line);
    // The view wired to a reader as the battery page does it, shown.
    void showView(ChargeHistoryView &view, ChargeHistory &reader, const QString &path,
                  int spanIndex);
    // The page of the battery of that model in the window, made current.
    static WBattery *currentPage(WMain &window, const QString &model);

    QProcess helper;
    std::unique_ptr<UPowerMock> mock;
};

static QString batteryPath(const QString &name)
{
    return QStringLiteral("/org/freedesktop/UPower/devices/battery_") + name;
}

bool TestHistory::command(const QString &line)
{
    helper.write(line.toUtf8() + '\n');
    QDeadlineTimer deadline(30000);
    while (!helper.canReadLine()) {
        if (deadline.hasExpired() || helper.state() == QProcess::NotRunning)
            return false;
        helper.waitForReadyRead(100);
    }
    const QByteArray reply = helper.readLine().trimmed();
    if (reply != "ok")
        qWarning("%s: %s", qPrintable(line), reply.constData());
    return reply == "ok";
}

// BAT0's record, newest last as upowerd writes it: the oldest entry lies
// outside a day, the lowest charge inside it, the last six hours hold a
// charge and a discharge.
void TestHistory::initTestCase()
{
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(WEX_SIMULATED_UPOWERD)});
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QList<std::pair<int, QByteArray>> record{{30, "20\tdischarging"}, {20, "96\tdischarging"},
                                                   {12, "38\tdischarging"}, {10, "50\tcharging"},
                                                   {5, "70\tcharging"},     {3, "60\tdischarging"},
                                                   {1, "55\tdischarging"}};
    QTemporaryFile file;
    QVERIFY(file.open());
    for (const auto &[hoursAgo, entry] : record)
        file.write(QByteArray::number(now - hoursAgo * 3600) + '\t' + entry + '\n');
    file.close();
    QVERIFY(command(QStringLiteral("history history-charge-Test_Cell-60-SN42.dat ")
                    + file.fileName()));
    QVERIFY(command(QStringLiteral("add BAT0")));
    QVERIFY(command(QStringLiteral("add BAT1 model_name 'Spare Cell' serial_number SN7")));
    QVERIFY(command(QStringLiteral("start")));
}

void TestHistory::cleanupTestCase()
{
    helper.closeWriteChannel();
    if (!helper.waitForFinished(10000))
        helper.kill();
}

void TestHistory::showView(ChargeHistoryView &view, ChargeHistory &reader, const QString &path,
                           int spanIndex)
{
    view.findChild<QComboBox *>()->setCurrentIndex(spanIndex);
    connect(&view, &ChargeHistoryView::wanted, &reader,
            [&reader, path](int span) { reader.request(path, span); });
    connect(&reader, &ChargeHistory::loaded, &view,
            [&view](const QString &, const QList<ChargeHistoryPoint> &points) {
                view.setPoints(points);
            });
    connect(&reader, &ChargeHistory::failed, &view, &ChargeHistoryView::setUnavailable);
    view.show();
}

void TestHistory::spanOfTheRecord_data()
{
    QTest::addColumn<int>("spanIndex");
    QTest::addColumn<QString>("description");
    // The daemon's "now" marker (value 0) must not read as the lowest charge.
    QTest::newRow("24 hours") << 1
                              << "Last 24 hours: from 96\u00a0% to 55\u00a0%, lowest 38\u00a0%.";
    QTest::newRow("6 hours") << 0 << "Last 6 hours: from 70\u00a0% to 55\u00a0%, lowest 55\u00a0%.";
}

void TestHistory::spanOfTheRecord()
{
    QFETCH(int, spanIndex);
    QFETCH(QString, description);
    ChargeHistory reader;
    QSignalSpy loaded(&reader, &ChargeHistory::loaded);
    ChargeHistoryView view;
    showView(view, reader, batteryPath("BAT0"), spanIndex);
    QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 15000);
    QCOMPARE(loaded.at(0).at(0).toString(), batteryPath("BAT0"));
    QCOMPARE(view.graph()->accessibleDescription(), description);
}

void TestHistory::noRecordYet()
{
    ChargeHistory reader;
    QSignalSpy loaded(&reader, &ChargeHistory::loaded);
    ChargeHistoryView view;
    view.setPoints({{QDateTime::currentSecsSinceEpoch(), 50, 2}}); // an earlier answer
    showView(view, reader, batteryPath("BAT1"), 1);
    QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 15000);
    QCOMPARE(view.graph()->accessibleDescription(), QString("No charge history yet"));
}

WBattery *TestHistory::currentPage(WMain &window, const QString &model)
{
    const int index = tabTitles(window).indexOf(model);
    mainTabs(window)->setCurrentIndex(index);
    return index > 0 ? qobject_cast<WBattery *>(mainTabs(window)->widget(index)) : nullptr;
}

// The window hands the page the record the daemon keeps for its battery,
// and the span chosen on the page decides which part.
void TestHistory::windowPageShowsTheRecord()
{
    WMain window;
    WBattery *battery = currentPage(window, QStringLiteral("Test Cell"));
    QVERIFY(battery);
    const ChargeHistoryGraph *graph = battery->history()->graph();
    QCOMPARE(graph->accessibleName(), QString("Charge history"));
    auto *spans = battery->history()->findChild<QComboBox *>();
    spans->setCurrentIndex(0);
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(
            graph->accessibleDescription(),
            QString("Last 6 hours: from 70\u00a0% to 55\u00a0%, lowest 55\u00a0%."), 15000);
    // Six hours of points cannot tell the 96 % of a day ago: read afresh.
    spans->setCurrentIndex(1);
    QTRY_COMPARE_WITH_TIMEOUT(
            graph->accessibleDescription(),
            QString("Last 24 hours: from 96\u00a0% to 55\u00a0%, lowest 38\u00a0%."), 15000);
}

// From here on the stand-in daemon owns UPower's name.
void TestHistory::daemonWithoutHistory()
{
    QVERIFY(command(QStringLiteral("halt")));
    mock = std::make_unique<UPowerMock>();
    QVERIFY(mock->start());
    const QString path = mock->addDevice("BAT0", UPowerMock::battery("Cell", 30, 60, 2));
    ChargeHistory reader;
    QSignalSpy failed(&reader, &ChargeHistory::failed);
    ChargeHistoryView view;
    view.setPoints({{QDateTime::currentSecsSinceEpoch(), 50, 2}});
    showView(view, reader, path, 1);
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 15000);
    QCOMPARE(failed.at(0).at(0).toString(), path);
    QCOMPARE(view.graph()->accessibleDescription(), QString("No charge history yet"));
}

// The call is out while the program goes on; the reader gives up after its
// timeout, and a second request meanwhile does not queue a second call.
void TestHistory::hangingDaemonDoesNotBlock()
{
    QVERIFY(mock && mock->isRunning());
    const QString path = mock->addDevice("BAT1", UPowerMock::battery("Slow", 30, 60, 2));
    mock->mock("AddMethod",
               {"org.freedesktop.UPower.Device", "GetHistory", "suu", "a(udu)",
                "time.sleep(3); ret = []"},
               path);
    ChargeHistory reader;
    reader.setTimeout(500);
    QSignalSpy loaded(&reader, &ChargeHistory::loaded);
    QSignalSpy failed(&reader, &ChargeHistory::failed);
    reader.request(path, 3600);
    QVERIFY(reader.isPending(path));
    QVERIFY(failed.isEmpty());
    reader.request(path, 3600);
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 15000);
    QVERIFY(!reader.isPending(path));
    // Once the stand-in wakes up it has seen one call; its late answer is
    // no history to hand on.
    QTRY_COMPARE_WITH_TIMEOUT(mock->callCount("GetHistory", path), 1, 15000);
    QTest::qWait(200);
    QCOMPARE(failed.size(), 1);
    QVERIFY(loaded.isEmpty());
}

// A page whose span changes while the last one is being read gets the new
// span's points next, not only the old span's.
void TestHistory::spanAskedMeanwhileIsReadNext()
{
    QVERIFY(mock && mock->isRunning());
    const QString path = mock->addDevice("BAT3", UPowerMock::battery("Quick", 30, 60, 2));
    // One point whose charge is the span asked for, in hours.
    mock->mock("AddMethod",
               {"org.freedesktop.UPower.Device", "GetHistory", "suu", "a(udu)",
                "ret = [(int(time.time()), float(args[1] // 3600), 2)]"},
               path);
    ChargeHistory reader;
    QSignalSpy loaded(&reader, &ChargeHistory::loaded);
    reader.request(path, 6 * 3600);
    reader.request(path, 24 * 3600);
    reader.request(path, 6 * 3600); // the one out serves it
    reader.request(path, 24 * 3600);
    QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 2, 15000);
    const auto percent = [&](int answer) {
        return loaded.at(answer).at(1).value<QList<ChargeHistoryPoint>>().value(0).percent;
    };
    QCOMPARE(percent(0), 6.0);
    QCOMPARE(percent(1), 24.0);
    QTest::qWait(200);
    QCOMPARE(loaded.size(), 2);
    QCOMPARE(mock->callCount("GetHistory", path), 2);
}

// An idle program asks nothing: the record is read when the page comes on
// screen and once a minute while it stays there.
void TestHistory::askedOnlyWhileThePageShows()
{
    QVERIFY(mock && mock->isRunning());
    const QString path = mock->addDevice("BAT2", UPowerMock::battery("Idle Cell", 30, 60, 2));
    mock->mock("AddMethod",
               {"org.freedesktop.UPower.Device", "GetHistory", "suu", "a(udu)",
                "ret = [(int(time.time()), 50.0, 2)]"},
               path);
    const auto calls = [&] {
        return mock->callCount("GetHistory", path);
    };
    WMain window;
    WBattery *battery = currentPage(window, QStringLiteral("Idle Cell"));
    QVERIFY(battery);
    QSignalSpy loaded(window.findChild<ChargeHistory *>(), &ChargeHistory::loaded);

    // The window hidden, its page current: an idle stretch sends nothing,
    // and the page has not even made its graph.
    QTest::qWait(1500);
    QCOMPARE(calls(), 0);
    QVERIFY(!battery->findChild<ChargeHistoryView *>());

    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 15000);
    QCOMPARE(calls(), 1);
    auto *refresh = battery->findChild<QTimer *>(QStringLiteral("chargeHistoryRefresh"));
    QVERIFY(refresh);
    QVERIFY(battery->history()->graph()->accessibleDescription().startsWith(
            QString("Last 24 hours: from 50")));
    QVERIFY(refresh->isActive());
    QCOMPARE(refresh->interval(), 60 * 1000);
    QVERIFY(QMetaObject::invokeMethod(refresh, "timeout"));
    QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 2, 15000);
    QCOMPARE(calls(), 2);

    // Another tab in front, then the window hidden: the minute stops.
    mainTabs(window)->setCurrentIndex(0);
    QVERIFY(!refresh->isActive());
    currentPage(window, QStringLiteral("Idle Cell"));
    QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 3, 15000);
    window.hide();
    QVERIFY(!refresh->isActive());
    QTest::qWait(1500);
    QCOMPARE(calls(), 3);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
