#include "testicontheme.h"
#include "wcontrol.h"
#include "wexintegration.h"
#include "wmain.h"

#include <QBoxLayout>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>

// The main window's form, tray icon, menus and geometry, on a bus without
// UPower (as on a machine where the daemon is missing).
class TestWMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void formObjectsAndTexts();
    void trayIconBeforeFirstTick();
    void trayIconShowsWithoutThemeIcons();
    void opensWithoutUPowerAtOnce();
    void exitClosesWindow();
    void geometryIsSavedAndRestored();
};

void TestWMain::initTestCase()
{
    QVERIFY(TestIconTheme::install());
    QCoreApplication::setApplicationName(QStringLiteral("wex-power"));
    wexInit("1.2.1-1", "Power management\nApplication for power management");
}

void TestWMain::formObjectsAndTexts()
{
    WMain w;
    QCOMPARE(w.objectName(), QStringLiteral("WMain"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Power management"));

    auto *exit = w.findChild<QAction *>(QStringLiteral("aExit"));
    QVERIFY(exit);
    QCOMPARE(exit->text(), QStringLiteral("E&xit"));

    auto *central = w.findChild<QWidget *>(QStringLiteral("centralwidget"));
    QCOMPARE(w.centralWidget(), central);
    QVERIFY(qobject_cast<QHBoxLayout *>(central->layout()));
    QCOMPARE(central->layout()->objectName(), QStringLiteral("horizontalLayout"));

    auto *stack = w.findChild<QStackedWidget *>(QStringLiteral("stack"));
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->currentIndex(), 0);
    QCOMPARE(stack->widget(0)->objectName(), QStringLiteral("page"));
    QCOMPARE(stack->widget(1)->objectName(), QStringLiteral("page_2"));
    QCOMPARE(stack->widget(0)->layout()->objectName(), QStringLiteral("horizontalLayout_2"));
    QCOMPARE(stack->widget(1)->layout()->objectName(), QStringLiteral("horizontalLayout_3"));

    auto *label = w.findChild<QLabel *>(QStringLiteral("label"));
    QCOMPARE(label->parentWidget(), stack->widget(0));
    QCOMPARE(label->text(), QStringLiteral("No batteries detected"));
    QCOMPARE(label->alignment(), Qt::AlignCenter);

    auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("tabs"));
    QCOMPARE(tabs->parentWidget(), stack->widget(1));
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Settings"));
    QVERIFY(qobject_cast<WControl *>(tabs->widget(0)));
    QCOMPARE(tabs->currentIndex(), 0);

    auto *menubar = w.findChild<QMenuBar *>(QStringLiteral("menubar"));
    QCOMPARE(w.menuBar(), menubar);
    QList<QAction *> menus = menubar->actions();
    // The power profile menu shows only while a daemon offers profiles.
    menus.erase(std::remove_if(menus.begin(), menus.end(),
                               [](const QAction *menu) { return !menu->isVisible(); }),
                menus.end());
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus.at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(menus.at(0)->menu()->objectName(), QStringLiteral("menu_File"));
    QCOMPARE(menus.at(0)->menu()->actions(), QList<QAction *>{exit});
    QCOMPARE(menus.at(1)->text(), QStringLiteral("&Help"));
}

void TestWMain::trayIconBeforeFirstTick()
{
    WMain w;
    const auto trays = w.findChildren<QSystemTrayIcon *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(trays.size(), 1);
    QCOMPARE(trays.first()->toolTip(), QStringLiteral("Power management"));
    QVERIFY(trays.first()->isVisible());
    // Built once; no profiles daemon here. Its Exit does what File > Exit does.
    const QMenu *menu = trays.first()->contextMenu();
    QVERIFY(menu);
    const QList<QAction *> entries = menu->actions();
    QCOMPARE(entries.size(), 7);
    QCOMPARE(entries.first()->text(), QStringLiteral("Show window"));
    QVERIFY(entries.at(1)->menu() && !entries.at(1)->isVisible());
    // The lights' steps, shown while the machine has such lights.
    QCOMPARE(entries.at(2)->text(), QStringLiteral("Brightness"));
    QVERIFY(entries.at(2)->menu());
    QCOMPARE(entries.at(3)->text(), QStringLiteral("Keyboard light"));
    QVERIFY(entries.at(3)->menu());
    QCOMPARE(entries.at(4)->text(), QStringLiteral("Keep awake"));
    QVERIFY(entries.at(4)->isCheckable() && !entries.at(4)->isChecked());
    auto *fileExit = w.findChild<QAction *>(QStringLiteral("aExit"));
    QCOMPARE(entries.last()->text(), fileExit->text());
    QSignalSpy exits(fileExit, &QAction::triggered);
    entries.last()->trigger();
    QCOMPARE(exits.count(), 1);
    QCOMPARE(w.windowIcon().name(), QStringLiteral("power"));
}

void TestWMain::trayIconShowsWithoutThemeIcons()
{
    // Most themes lack "power"; the tray icon must not end up blank.
    const QString theme = QIcon::themeName();
    QIcon::setThemeName(QStringLiteral("no-such-theme"));
    {
        WMain w;
        auto *tray =
                w.findChildren<QSystemTrayIcon *>(QString(), Qt::FindDirectChildrenOnly).value(0);
        QVERIFY(!tray->icon().isNull());
        QVERIFY(!tray->icon().pixmap(22).isNull());
        QVERIFY(!w.windowIcon().isNull());
    }
    QIcon::setThemeName(theme);
}

void TestWMain::opensWithoutUPowerAtOnce()
{
    QElapsedTimer clock;
    clock.start();
    WMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Waiting on an absent UPower would take the bus's 25 s reply time-out;
    // anything well below that, however busy the machine, did not wait.
    QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(w.findChild<QStackedWidget *>(QStringLiteral("stack"))->currentIndex(), 0);
}

void TestWMain::exitClosesWindow()
{
    WMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.findChild<QAction *>(QStringLiteral("aExit"))->trigger();
    QVERIFY(!w.isVisible());
}

void TestWMain::geometryIsSavedAndRestored()
{
    QSettings().clear();
    QRect first;
    {
        WMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.setGeometry(130, 140, 640, 420);
        QTRY_COMPARE(w.geometry(), QRect(130, 140, 640, 420));
        first = w.geometry();
    }
    const QString file = QSettings().fileName();
    QVERIFY2(file.endsWith(QLatin1String("/wex/wex-power.conf")), qPrintable(file));
    QVERIFY(!QSettings().allKeys().isEmpty());

    WMain again;
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.geometry(), first);
}

QTEST_MAIN(TestWMain)
#include "tst_wmain.moc"
