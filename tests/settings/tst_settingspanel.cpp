#include "batterycontrolwidget.h"
#include "consolekitmock.h"
#include "poweractions.h"
#include "powercontroller.h"
#include "programparts.h"
#include "schedulecontrolwidget.h"
#include "settingskeys.h"
#include "systempower.h"
#include "upowermock.h"
#include "wcontrol.h"
#include "wmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>
#include <QTimeEdit>
#include <QtTest>
#include <memory>

// The settings panel with real widgets: what each row shows, what it
// writes, and that the monitor acts on it.
class TestSettingsPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyStoreShowsDefaultsAndWritesNothing();
    void batteryLabel_data();
    void batteryLabel();
    void choosingWritesBothKeys();
    void scheduleRowWritesFlagAndTime();
    void scheduleTimeReadsAsItAlwaysDid_data();
    void scheduleTimeReadsAsItAlwaysDid();
    void storedValuesTheListsLackAreKept();
    void rowsFollowEnumerationAndCatalogue_data();
    void rowsFollowEnumerationAndCatalogue();
    void pathListedTwiceKeepsBothChoices();
    void monitorSeesPanelChanges();

private:
    QString addBattery(const QString &name, const QVariantMap &overrides = {}, uint type = 2)
    {
        QVariantMap properties = UPowerMock::battery(name, 10.0, 50.0, 2, type);
        properties.insert(overrides);
        return upower->addDevice(name, properties);
    }
    static QString storeContents()
    {
        QSettings settings;
        QStringList entries;
        for (const QString &key : settings.allKeys())
            entries << key + QLatin1Char('=') + settings.value(key).toString();
        return entries.join(QLatin1Char(';'));
    }

    std::unique_ptr<UPowerMock> upower;
};

void TestSettingsPanel::init()
{
    QSettings().clear();
    upower = std::make_unique<UPowerMock>();
    QVERIFY(upower->start());
}

void TestSettingsPanel::cleanup()
{
    upower.reset();
}

void TestSettingsPanel::emptyStoreShowsDefaultsAndWritesNothing()
{
    upower->setCanSleep(true, true);
    WControl panel;
    panel.load({DeviceProperties(addBattery(QStringLiteral("BAT0")))},
               powerActions(readSleepSupport()));

    const auto rows = panel.findChildren<BatteryControlWidget *>();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(levelList(*rows[0])->currentText(), QStringLiteral("10%"));
    QCOMPARE(actionList(*rows[0])->currentText(), QStringLiteral("Shutdown"));
    QStringList levels;
    for (int i = 0; i < levelList(*rows[0])->count(); ++i)
        levels << levelList(*rows[0])->itemText(i) + QLatin1Char('=')
                        + levelList(*rows[0])->itemData(i).toString();
    QCOMPARE(levels, (QStringList{"10%=10", "25%=25", "50%=50", "90%=90"}));

    const auto timeEdits = panel.findChildren<QTimeEdit *>();
    QCOMPARE(timeEdits.size(), 3);
    for (QTimeEdit *edit : timeEdits)
        QCOMPARE(edit->time(), QTime(0, 0));
    for (QCheckBox *box : panel.findChildren<QCheckBox *>())
        QVERIFY(!box->isChecked());
    QCOMPARE(storeContents(), QString());
}

void TestSettingsPanel::batteryLabel_data()
{
    QTest::addColumn<QVariant>("model");
    QTest::addColumn<QVariant>("serial");
    QTest::addColumn<QString>("expected");

    QTest::newRow("trimmed model and serial")
            << QVariant(" ABC ") << QVariant("123") << "Charge of ABC (123) drops bellow";
    QTest::newRow("no serial") << QVariant("ABC") << QVariant("") << "Charge of ABC drops bellow";
    QTest::newRow("blank model") << QVariant("   ") << QVariant("") << "Charge of  drops bellow";
    QTest::newRow("markup stays text") << QVariant("<b>x</b>") << QVariant("&amp;")
                                       << "Charge of <b>x</b> (&amp;) drops bellow";
    QTest::newRow("no model: the path")
            << QVariant("") << QVariant("123")
            << "Charge of /org/freedesktop/UPower/devices/BAT0 drops bellow";
    QTest::newRow("unreadable model: the path")
            << QVariant(42u) << QVariant("123")
            << "Charge of /org/freedesktop/UPower/devices/BAT0 drops bellow";
}

void TestSettingsPanel::batteryLabel()
{
    QFETCH(QVariant, model);
    QFETCH(QVariant, serial);
    QFETCH(QString, expected);

    const QString path =
            addBattery(QStringLiteral("BAT0"),
                       {{QStringLiteral("Model"), model}, {QStringLiteral("Serial"), serial}});
    BatteryControlWidget row(
            DeviceProperties(
                    path, {{QStringLiteral("Model"), model}, {QStringLiteral("Serial"), serial}}),
            powerActions(readSleepSupport()));
    QLabel *label = row.findChildren<QLabel *>().value(0);
    QCOMPARE(label->text(), expected);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(row.findChildren<QLabel *>().value(1)->text(), QStringLiteral("do"));
}

void TestSettingsPanel::choosingWritesBothKeys()
{
    const QString path = addBattery(QStringLiteral("BAT0"));
    BatteryControlWidget row(DeviceProperties(path), powerActions(readSleepSupport()));
    QCOMPARE(actionList(row)->count(), 2);

    levelList(row)->setCurrentIndex(1); // 25%
    QSettings settings;
    QCOMPARE(settings.value(SettingsKeys::criticalChargeLevel(path)), QVariant(25));
    QCOMPARE(settings.value(SettingsKeys::criticalAction(path)).toString(),
             QStringLiteral("shutdown"));

    actionList(row)->setCurrentIndex(actionList(row)->findText(QStringLiteral("Nothing")));
    settings.sync();
    QCOMPARE(settings.value(SettingsKeys::criticalAction(path)).toString(), QStringLiteral("*"));
    QCOMPARE(settings.value(SettingsKeys::criticalChargeLevel(path)).toInt(), 25);
}

void TestSettingsPanel::scheduleRowWritesFlagAndTime()
{
    QWidget page;
    auto *form = new QFormLayout(&page);
    const auto actions = powerActions(readSleepSupport());
    ScheduleControlWidget row(QStringLiteral("shutdown"), form, actions, &page);
    QCOMPARE(form->rowCount(), 1);
    auto *box = qobject_cast<QCheckBox *>(form->itemAt(0, QFormLayout::LabelRole)->widget());
    auto *edit = qobject_cast<QTimeEdit *>(form->itemAt(0, QFormLayout::FieldRole)->widget());
    QVERIFY(box && edit);
    QCOMPARE(box->text(), QStringLiteral("Shutdown at:"));

    const QString enabledKey = SettingsKeys::scheduleEnabled(QStringLiteral("shutdown"));
    const QString timeKey = SettingsKeys::scheduleTime(QStringLiteral("shutdown"));
    edit->setTime(QTime(7, 45));
    QSettings settings;
    QCOMPARE(settings.value(enabledKey), QVariant(false));
    QCOMPARE(settings.value(timeKey).toTime(), QTime(7, 45));

    box->setChecked(true);
    settings.sync();
    QCOMPARE(settings.value(enabledKey), QVariant(true));
    QCOMPARE(settings.value(timeKey).toTime(), QTime(7, 45));

    // A second row built now reads what the first one stored.
    QWidget again;
    auto *againForm = new QFormLayout(&again);
    ScheduleControlWidget reread(QStringLiteral("shutdown"), againForm, actions, &again);
    QVERIFY(qobject_cast<QCheckBox *>(againForm->itemAt(0, QFormLayout::LabelRole)->widget())
                    ->isChecked());
    QCOMPARE(qobject_cast<QTimeEdit *>(againForm->itemAt(0, QFormLayout::FieldRole)->widget())
                     ->time(),
             QTime(7, 45));
}

void TestSettingsPanel::scheduleTimeReadsAsItAlwaysDid_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");
    // What the Qt 5.15 build has always shown for 21:30; newer locale data
    // writes some of these differently.
    QTest::newRow("C") << "C"
                       << "21:30:00";
    QTest::newRow("en_US") << "en_US"
                           << "9:30 PM";
    QTest::newRow("de_DE") << "de_DE"
                           << "21:30";
    QTest::newRow("ja_JP") << "ja_JP"
                           << "21:30";
    QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("\u4e0b\u53489:30");
    QTest::newRow("zh_TW") << "zh_TW" << QStringLiteral("\u4e0b\u53489:30");
}

void TestSettingsPanel::scheduleTimeReadsAsItAlwaysDid()
{
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));
    QSettings().setValue(SettingsKeys::scheduleTime(QStringLiteral("suspend")), QTime(21, 30));

    QWidget page;
    auto *form = new QFormLayout(&page);
    ScheduleControlWidget row(QStringLiteral("suspend"), form, powerActions(readSleepSupport()),
                              &page);
    auto *edit = qobject_cast<QTimeEdit *>(form->itemAt(0, QFormLayout::FieldRole)->widget());
    QLocale::setDefault(previous);
    QVERIFY(edit);
    QCOMPARE(edit->text(), shown);
}

void TestSettingsPanel::storedValuesTheListsLackAreKept()
{
    const QString path = addBattery(QStringLiteral("BAT0"));
    {
        QSettings settings;
        settings.setValue(SettingsKeys::criticalAction(path), QStringLiteral("hibernate"));
        settings.setValue(SettingsKeys::criticalChargeLevel(path), 15);
    }
    // This machine cannot hibernate, and 15 is not among the levels offered.
    BatteryControlWidget row(DeviceProperties(path), powerActions(readSleepSupport()));
    QCOMPARE(actionList(row)->currentIndex(), -1);
    QCOMPARE(levelList(row)->currentIndex(), -1);

    levelList(row)->setCurrentIndex(2); // 50%
    QSettings settings;
    QCOMPARE(settings.value(SettingsKeys::criticalChargeLevel(path)).toInt(), 50);
    QCOMPARE(settings.value(SettingsKeys::criticalAction(path)).toString(),
             QStringLiteral("hibernate"));

    settings.setValue(SettingsKeys::criticalChargeLevel(path), 15);
    settings.sync();
    BatteryControlWidget second(DeviceProperties(path), powerActions(readSleepSupport()));
    actionList(second)->setCurrentIndex(0); // Nothing
    settings.sync();
    QCOMPARE(settings.value(SettingsKeys::criticalAction(path)).toString(), QStringLiteral("*"));
    QCOMPARE(settings.value(SettingsKeys::criticalChargeLevel(path)).toInt(), 15);
}

void TestSettingsPanel::rowsFollowEnumerationAndCatalogue_data()
{
    QTest::addColumn<bool>("canSleep");
    QTest::addColumn<QStringList>("scheduleRows");
    QTest::addColumn<QStringList>("actionTexts");

    QTest::newRow("shutdown only")
            << false << QStringList{"Shutdown at:"} << QStringList{"Nothing", "Shutdown"};
    QTest::newRow("everything") << true
                                << QStringList{"Hibernate at:", "Shutdown at:", "Suspend at:"}
                                << QStringList{"Nothing", "Hibernate", "Shutdown", "Suspend"};
}

void TestSettingsPanel::rowsFollowEnumerationAndCatalogue()
{
    QFETCH(bool, canSleep);
    QFETCH(QStringList, scheduleRows);
    QFETCH(QStringList, actionTexts);

    upower->setCanSleep(canSleep, canSleep);
    addBattery(QStringLiteral("ZED"));
    upower->addDevice(QStringLiteral("AC"), UPowerMock::linePower(true));
    addBattery(QStringLiteral("UPS"), {}, 3);
    addBattery(QStringLiteral("ALPHA"));
    addBattery(QStringLiteral("MOUSE"), {}, 5);

    // The window hands the panel the machine's batteries it lists.
    WMain w;
    const WControl &panel = *w.findChild<WControl *>();
    auto *tabs = panel.findChild<QTabWidget *>();
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Battery"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Scheduling"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("When idle"));
    QCOMPARE(tabs->tabText(3), QStringLiteral("Lid and keys"));

    QStringList labels;
    for (auto *row : panel.findChildren<BatteryControlWidget *>())
        labels << row->findChild<QLabel *>()->text();
    // findChildren lists children in creation order, the enumeration's.
    QCOMPARE(labels,
             (QStringList{"Charge of ZED (SN-ZED) drops bellow",
                          "Charge of UPS (SN-UPS) drops bellow",
                          "Charge of ALPHA (SN-ALPHA) drops bellow"}));
    auto *batteryLayout = qobject_cast<QBoxLayout *>(tabs->widget(0)->layout());
    QCOMPARE(batteryLayout->count(), 4);
    QVERIFY(batteryLayout->itemAt(3)->spacerItem());
    QCOMPARE(batteryLayout->itemAt(0)->widget()->findChild<QLabel *>()->text(), labels.first());

    QStringList texts;
    QComboBox *actions = actionList(*panel.findChildren<BatteryControlWidget *>().first());
    for (int i = 0; i < actions->count(); ++i)
        texts << actions->itemText(i);
    QCOMPARE(texts, actionTexts);

    auto *form = qobject_cast<QFormLayout *>(tabs->widget(1)->layout());
    QVERIFY(form);
    QCOMPARE(form->labelAlignment(), Qt::AlignLeft);
    QCOMPARE(form->fieldGrowthPolicy(), QFormLayout::FieldsStayAtSizeHint);
    QStringList rows;
    for (int i = 0; i < form->rowCount(); ++i)
        rows << qobject_cast<QCheckBox *>(form->itemAt(i, QFormLayout::LabelRole)->widget())
                        ->text();
    QCOMPARE(rows, scheduleRows);
}

void TestSettingsPanel::pathListedTwiceKeepsBothChoices()
{
    const QString path = addBattery(QStringLiteral("BAT0"));
    WControl panel;
    panel.load({DeviceProperties(path), DeviceProperties(path)}, powerActions(readSleepSupport()));
    const auto rows = panel.findChildren<BatteryControlWidget *>();
    QVERIFY(!rows.isEmpty());

    // A second row for the path would write its stale level back with the
    // action.
    levelList(*rows.first())->setCurrentIndex(2); // 50%
    actionList(*rows.last())->setCurrentIndex(0); // Nothing
    QSettings settings;
    QCOMPARE(settings.value(SettingsKeys::criticalChargeLevel(path)).toInt(), 50);
    QCOMPARE(settings.value(SettingsKeys::criticalAction(path)).toString(), QStringLiteral("*"));
    QCOMPARE(rows.size(), 1);
}

void TestSettingsPanel::monitorSeesPanelChanges()
{
    ConsoleKitMock consoleKit;
    QVERIFY(consoleKit.start());
    addBattery(QStringLiteral("BAT0"), {{QStringLiteral("Energy"), 20.0}}); // 40 %, discharging

    WMain w;
    w.controller()->tick();
    QCOMPARE(consoleKit.stops(), 0);

    auto *row = w.findChild<BatteryControlWidget *>();
    levelList(*row)->setCurrentIndex(2); // 50%
    w.controller()->tick();
    QCOMPARE(consoleKit.stops(), 1);

    actionList(*row)->setCurrentIndex(0); // Nothing
    w.controller()->tick();
    QCOMPARE(consoleKit.stops(), 1);
}

QTEST_MAIN(TestSettingsPanel)
#include "tst_settingspanel.moc"
