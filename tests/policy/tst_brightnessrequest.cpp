#include "brightnessrequest.h"
#include "brightnesssteps.h"

#include <QtTest>

// What `--brightness` accepts, how it travels to the running instance, and
// the level it comes to on a panel of 937 levels, whose steps are
// 9 37 84 150 234 337 459 600 759 937.
class TestBrightnessRequest : public QObject
{
    Q_OBJECT

private slots:
    void parsesAndTravels_data();
    void parsesAndTravels();
    void target_data();
    void target();
};

void TestBrightnessRequest::parsesAndTravels_data()
{
    QTest::addColumn<QString>("value");
    // The message to the instance; empty for a mistake.
    QTest::addColumn<QString>("message");

    QTest::newRow("up") << "up"
                        << "brightness up";
    QTest::newRow("down, any case") << "Down"
                                    << "brightness down";
    QTest::newRow("40%") << "40%"
                         << "brightness 40%";
    QTest::newRow("0%") << "0%"
                        << "brightness 0%";
    QTest::newRow("100%") << "100%"
                          << "brightness 100%";
    QTest::newRow("leading zeros") << "007%"
                                   << "brightness 7%";
    QTest::newRow("140%") << "140%"
                          << "";
    QTest::newRow("1000%") << "1000%"
                           << "";
    QTest::newRow("-5%") << "-5%"
                         << "";
    QTest::newRow("a number without its sign") << "40"
                                               << "";
    QTest::newRow("a fraction") << "40.5%"
                                << "";
    QTest::newRow("a blank inside") << "40 %"
                                    << "";
    QTest::newRow("only the sign") << "%"
                                   << "";
    QTest::newRow("sideways") << "sideways"
                              << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("other digits") << QString::fromUtf8("٤٠%") << "";
}

void TestBrightnessRequest::parsesAndTravels()
{
    QFETCH(QString, value);
    QFETCH(QString, message);

    const BrightnessRequest request = BrightnessRequest::parse(value);
    QCOMPARE(request.isValid(), !message.isEmpty());
    QCOMPARE(request.message(), message);
    const BrightnessRequest received = BrightnessRequest::fromMessage(request.message());
    QCOMPARE(received.kind(), request.kind());
    QCOMPARE(received.percentage(), request.percentage());
    // The instance's other messages are not brightness requests.
    QVERIFY(!BrightnessRequest::fromMessage(value).isValid());
    QVERIFY(!BrightnessRequest::fromMessage(QStringLiteral("raise")).isValid());
}

void TestBrightnessRequest::target_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("expected");

    QTest::newRow("up from a step") << "up" << 937 << 337 << 459;
    QTest::newRow("down from between steps") << "down" << 937 << 400 << 337;
    QTest::newRow("down at the lowest step stays") << "down" << 937 << 9 << 9;
    QTest::newRow("up at the top stays") << "up" << 937 << 937 << 937;
    QTest::newRow("40% on the curve") << "40%" << 937 << 600 << 150;
    QTest::newRow("0% is the lowest step, not off") << "0%" << 937 << 600 << 9;
    QTest::newRow("100%") << "100%" << 937 << 9 << 937;
    QTest::newRow("a percentage from an unknown level") << "60%" << 937 << -1 << 337;
    QTest::newRow("up from an unknown level") << "up" << 937 << -1 << -1;
    QTest::newRow("no backlight") << "50%" << 0 << 0 << -1;
}

void TestBrightnessRequest::target()
{
    QFETCH(QString, value);
    QFETCH(int, maximum);
    QFETCH(int, current);
    QFETCH(int, expected);

    QCOMPARE(BrightnessRequest::parse(value).target(BrightnessSteps::forScreen(maximum), current),
             expected);
    QCOMPARE(BrightnessRequest().target(BrightnessSteps::forScreen(937), 400), -1);
}

QTEST_APPLESS_MAIN(TestBrightnessRequest)
#include "tst_brightnessrequest.moc"
