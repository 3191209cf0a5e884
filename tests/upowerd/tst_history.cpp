#include "chargehistory.h"
#include "chargehistorygraph.h"
#include "chargehistoryview.h"
#include "upowermock.h"

#include <QComboBox>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryFile>
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
    void daemonWithoutHistory();
    void hangingDaemonDoesNotBlock();

private:
    bool command(const QString &line);
    // The view wired to a reader as the battery page does it, shown.
    void showView(ChargeHistoryView &view, ChargeHistory &reader, const QString &path,
                  int spanIndex);

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

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
