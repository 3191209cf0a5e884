#include "idlepage.h"
#include "poweractions.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QtTest>

// The "When idle" page with real widgets: what each list shows of what is
// stored, even values it cannot take, what a change by the keys writes,
// that the keys reach every list, and what the page says of the parts
// that are not available.
class TestIdlePage : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }

    void storedValuesAreShownAndKept_data();
    void storedValuesAreShownAndKept();
    void everyListIsNamedReachedByTabAndStoresItsKey();
    void unavailablePartsAreSaidAndOff();

private:
    static QComboBox *list(QWidget *page, const QString &accessibleName)
    {
        for (QComboBox *box : page->findChildren<QComboBox *>()) {
            if (box->accessibleName() == accessibleName)
                return box;
        }
        return nullptr;
    }
    static QMap<QString, QString> actions()
    {
        SleepSupport support;
        support.suspend = true;
        return powerActions(support);
    }
};

using Stored = QMap<QString, QString>;

void TestIdlePage::storedValuesAreShownAndKept_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("shown");

    QTest::newRow("nothing stored: the default") << ""
                                                 << ""
                                                 << "Dim the screen after, on line power"
                                                 << "5 min";
    QTest::newRow("offered") << "Control/Idle/Battery/SleepAfter"
                             << "1800"
                             << "Sleep after, on battery"
                             << "30 min";
    QTest::newRow("not offered: one more entry") << "Control/Idle/Battery/ScreenOffAfter"
                                                 << "45"
                                                 << "Turn the screen off after, on battery"
                                                 << "45 s";
    QTest::newRow("a percentage not offered") << "Control/Idle/LinePower/DimTo"
                                              << "45"
                                              << "Dim to, on line power"
                                              << "45\u00a0%";
    QTest::newRow("an action the machine does not offer") << "Control/Idle/Battery/SleepAction"
                                                          << "hibernate"
                                                          << "Sleep by, on battery"
                                                          << "Hibernate";
    QTest::newRow("negative: never") << "Control/Idle/Battery/DimAfter"
                                     << "-5"
                                     << "Dim the screen after, on battery"
                                     << "Never";
    QTest::newRow("text: the default") << "Control/Idle/Battery/DimAfter"
                                       << "soon"
                                       << "Dim the screen after, on battery"
                                       << "2 min";
    QTest::newRow("10^12: never") << "Control/Idle/LinePower/SleepAfter"
                                  << "1000000000000"
                                  << "Sleep after, on line power"
                                  << "Never";
    QTest::newRow("an unknown action: nothing") << "Control/Idle/LinePower/SleepAction"
                                                << "<b>reboot</b>"
                                                << "Sleep by, on line power"
                                                << "Nothing";
}

void TestIdlePage::storedValuesAreShownAndKept()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, list);
    QFETCH(QString, shown);

    if (!key.isEmpty())
        QSettings().setValue(key, stored);
    IdlePage page;
    page.setActions(actions());
    page.show();
    QComboBox *box = this->list(&page, list);
    QVERIFY(box);
    QCOMPARE(box->currentText(), shown);
    // Nothing is written until something is chosen: the stored value stays.
    QSettings settings;
    QCOMPARE(settings.allKeys(), key.isEmpty() ? QStringList() : QStringList{key});
    if (!key.isEmpty())
        QCOMPARE(settings.value(key).toString(), stored);
}

void TestIdlePage::everyListIsNamedReachedByTabAndStoresItsKey()
{
    QSettings().setValue(QStringLiteral("Control/Idle/Battery/DimAfter"), QStringLiteral("-5"));
    IdlePage page;
    page.setActions(actions());
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));

    const QList<QComboBox *> boxes = page.findChildren<QComboBox *>();
    QCOMPARE(boxes.size(), 10);
    QSet<QString> names;
    for (QComboBox *box : boxes)
        names.insert(box->accessibleName());
    QCOMPARE(names.size(), 10);
    QVERIFY(!names.contains(QString()));

    // From the first list, Tab reaches each in turn.
    boxes.first()->setFocus();
    QSet<QWidget *> reached{boxes.first()};
    for (int i = 1; i < boxes.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    for (QComboBox *box : boxes)
        QVERIFY2(reached.contains(box), qPrintable(box->accessibleName()));

    // A key on one list stores its key alone; the other stored value stays.
    QComboBox *sleep = list(&page, QStringLiteral("Sleep after, on line power"));
    sleep->setFocus();
    QTest::keyClick(sleep, Qt::Key_Down);
    QCOMPARE(sleep->currentText(), QStringLiteral("5 min"));
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("Control/Idle/LinePower/SleepAfter")).toInt(), 300);
    QCOMPARE(settings.value(QStringLiteral("Control/Idle/Battery/DimAfter")).toString(),
             QStringLiteral("-5"));
    QCOMPARE(settings.allKeys().size(), 2);
}

void TestIdlePage::unavailablePartsAreSaidAndOff()
{
    IdlePage page;
    page.setActions(actions());
    page.setUnavailable(QString(), QStringLiteral("No backlight"), QStringLiteral("No DPMS"));
    page.show();
    QLabel *reasons = page.findChild<QLabel *>();
    QVERIFY(reasons && reasons->isVisible());
    QCOMPARE(reasons->text(),
             QStringLiteral("The screen is not dimmed: No backlight\n"
                            "The screen is not turned off: No DPMS"));
    QVERIFY(!list(&page, QStringLiteral("Dim to, on battery"))->isEnabled());
    QVERIFY(!list(&page, QStringLiteral("Turn the screen off after, on line power"))->isEnabled());
    QVERIFY(list(&page, QStringLiteral("Sleep after, on battery"))->isEnabled());

    page.setUnavailable(QStringLiteral("No idle time here"), QString(), QString());
    QCOMPARE(reasons->text(), QStringLiteral("Nothing happens when idle here: No idle time here"));
    QVERIFY(!list(&page, QStringLiteral("Sleep after, on battery"))->isEnabledTo(&page));
}

QTEST_MAIN(TestIdlePage)
#include "tst_idlepage.moc"
