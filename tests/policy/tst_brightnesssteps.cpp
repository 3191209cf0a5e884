#include "brightnesssteps.h"

#include <QtTest>
#include <limits>

// The steps of the screen's and the keyboard's light over the range of
// maxima that real devices report: a 1-level switch, ACPI's 8 levels, the
// usual 255 and the odd 937 of PWM panels, and the 120000 of some OLEDs.
class TestBrightnessSteps : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void upAndDown_data();
    void upAndDown();
    void nearestStep_data();
    void nearestStep();
    void percentages_data();
    void percentages();

private:
    static BrightnessSteps make(const QString &light, int maximum)
    {
        return light == QLatin1String("keyboard") ? BrightnessSteps::forKeyboard(maximum)
                                                  : BrightnessSteps::forScreen(maximum);
    }
};

using Raw = QVector<int>;

void TestBrightnessSteps::steps_data()
{
    QTest::addColumn<QString>("light");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<Raw>("expected");

    QTest::newRow("screen 0") << "screen" << 0 << Raw{};
    QTest::newRow("screen -5") << "screen" << -5 << Raw{};
    QTest::newRow("screen 1") << "screen" << 1 << Raw{1};
    QTest::newRow("screen 7: every level") << "screen" << 7 << Raw{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("screen 12: low steps merged") << "screen" << 12 << Raw{1, 2, 3, 4, 6, 8, 10, 12};
    QTest::newRow("screen 255") << "screen" << 255
                                << Raw{3, 10, 23, 41, 64, 92, 125, 163, 207, 255};
    QTest::newRow("screen 937") << "screen" << 937
                                << Raw{9, 37, 84, 150, 234, 337, 459, 600, 759, 937};
    QTest::newRow("screen 120000") << "screen" << 120000 << Raw{1200,  4800,  10800, 19200, 30000,
                                                                43200, 58800, 76800, 97200, 120000};
    QTest::newRow("keyboard 0") << "keyboard" << 0 << Raw{};
    QTest::newRow("keyboard 2") << "keyboard" << 2 << Raw{0, 1, 2};
    QTest::newRow("keyboard 3") << "keyboard" << 3 << Raw{0, 1, 2, 3};
}

void TestBrightnessSteps::steps()
{
    QFETCH(QString, light);
    QFETCH(int, maximum);
    QFETCH(Raw, expected);

    const BrightnessSteps steps = make(light, maximum);
    QCOMPARE(steps.rawValues(), expected);
    QCOMPARE(steps.count(), expected.size());
    QCOMPARE(steps.isEmpty(), expected.isEmpty());
    for (int step = 0; step < expected.size(); ++step)
        QCOMPARE(steps.rawValue(step), expected.at(step));
    QCOMPARE(steps.rawValue(-1), -1);
    QCOMPARE(steps.rawValue(expected.size()), -1);
}

void TestBrightnessSteps::upAndDown_data()
{
    QTest::addColumn<QString>("light");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("down");

    QTest::newRow("on a step") << "screen" << 937 << 459 << 600 << 337;
    QTest::newRow("between steps") << "screen" << 937 << 400 << 459 << 337;
    QTest::newRow("just above a step") << "screen" << 937 << 10 << 37 << 9;
    QTest::newRow("lowest step") << "screen" << 937 << 9 << 37 << 9;
    QTest::newRow("below the lowest step: down never brightens") << "screen" << 255 << 2 << 3 << 2;
    QTest::newRow("off") << "screen" << 937 << 0 << 9 << 0;
    QTest::newRow("top") << "screen" << 937 << 937 << 937 << 759;
    QTest::newRow("beyond the maximum") << "screen" << 937 << 5000 << 937 << 759;
    QTest::newRow("level not known") << "screen" << 937 << -1 << -1 << -1;
    QTest::newRow("large range") << "screen" << 120000 << 50000 << 58800 << 43200;
    QTest::newRow("every level") << "screen" << 7 << 3 << 4 << 2;
    QTest::newRow("one level, off") << "screen" << 1 << 0 << 1 << 0;
    QTest::newRow("one level, on") << "screen" << 1 << 1 << 1 << 1;
    QTest::newRow("no steps") << "screen" << 0 << 0 << -1 << -1;
    QTest::newRow("keyboard off") << "keyboard" << 2 << 0 << 1 << 0;
    QTest::newRow("keyboard top") << "keyboard" << 2 << 2 << 2 << 1;
    QTest::newRow("keyboard absent") << "keyboard" << 0 << 0 << -1 << -1;
}

void TestBrightnessSteps::upAndDown()
{
    QFETCH(QString, light);
    QFETCH(int, maximum);
    QFETCH(int, raw);
    QFETCH(int, up);
    QFETCH(int, down);

    const BrightnessSteps steps = make(light, maximum);
    QCOMPARE(steps.rawUp(raw), up);
    QCOMPARE(steps.rawDown(raw), down);
}

void TestBrightnessSteps::nearestStep_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("step");

    QTest::newRow("off") << 937 << 0 << 0;
    QTest::newRow("halfway: the lower") << 937 << 23 << 0;
    QTest::newRow("past halfway") << 937 << 24 << 1;
    QTest::newRow("near a step from below") << 937 << 450 << 6;
    QTest::newRow("near a step from above") << 937 << 500 << 6;
    QTest::newRow("top") << 937 << 937 << 9;
    QTest::newRow("beyond the maximum") << 937 << 99999 << 9;
    QTest::newRow("level not known") << 937 << -1 << -1;
    QTest::newRow("every level") << 7 << 5 << 4;
    QTest::newRow("no steps") << 0 << 0 << -1;
}

void TestBrightnessSteps::nearestStep()
{
    QFETCH(int, maximum);
    QFETCH(int, raw);
    QFETCH(int, step);
    QCOMPARE(BrightnessSteps::forScreen(maximum).stepAt(raw), step);
}

void TestBrightnessSteps::percentages_data()
{
    QTest::addColumn<QString>("light");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<double>("percent");
    QTest::addColumn<int>("raw");

    QTest::newRow("40 %: the fourth step") << "screen" << 937 << 40.0 << 150;
    QTest::newRow("50 %") << "screen" << 255 << 50.0 << 64;
    QTest::newRow("100 %") << "screen" << 937 << 100.0 << 937;
    QTest::newRow("0 %: lowest step, not off") << "screen" << 937 << 0.0 << 9;
    QTest::newRow("0 % of one level") << "screen" << 1 << 0.0 << 1;
    QTest::newRow("few levels") << "screen" << 7 << 40.0 << 1;
    QTest::newRow("large range") << "screen" << 120000 << 70.0 << 58800;
    QTest::newRow("above 100 %") << "screen" << 937 << 101.0 << -1;
    QTest::newRow("below 0 %") << "screen" << 937 << -1.0 << -1;
    QTest::newRow("not a number") << "screen" << 937 << std::numeric_limits<double>::quiet_NaN()
                                  << -1;
    QTest::newRow("no steps") << "screen" << 0 << 40.0 << -1;
    QTest::newRow("keyboard 0 %: off") << "keyboard" << 3 << 0.0 << 0;
    QTest::newRow("keyboard 40 %") << "keyboard" << 3 << 40.0 << 1;
    QTest::newRow("keyboard 100 %") << "keyboard" << 3 << 100.0 << 3;
}

void TestBrightnessSteps::percentages()
{
    QFETCH(QString, light);
    QFETCH(int, maximum);
    QFETCH(double, percent);
    QFETCH(int, raw);

    const BrightnessSteps steps = make(light, maximum);
    QCOMPARE(steps.rawForPercent(percent), raw);
    // Read back, a step's percentage is the one it was set from.
    if (raw >= 0 && maximum >= 100 && percent >= 10.0)
        QCOMPARE(steps.percentAt(raw), qRound(percent));
    if (raw < 0 && steps.isEmpty())
        QCOMPARE(steps.percentAt(0), -1);
}

QTEST_GUILESS_MAIN(TestBrightnessSteps)
#include "tst_brightnesssteps.moc"
