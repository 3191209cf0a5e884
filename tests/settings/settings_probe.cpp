// Writes the settings store through the program's own settings rows and
// geometry helpers, or reads it back through them, and prints what they
// hold. The tests run it from a Qt 5 and a Qt 6 build on one store, so that
// each build reads what the other wrote.
//
//   settings_probe write first|second   stores one of two sets, then prints it
//   settings_probe level N               changes BAT0's level only, then prints
//   settings_probe read                  prints what the store holds

#include "batterycontrolwidget.h"
#include "poweractions.h"
#include "schedulecontrolwidget.h"
#include "settingskeys.h"
#include "wexintegration.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QTextStream>
#include <QTimeEdit>
#include <QtTest>
#include <cstdio>

namespace {

const QString devicePrefix = QStringLiteral("/org/freedesktop/UPower/devices/battery_");

struct Choices
{
    int level0, level1;
    QString action0, action1;
    bool enabled[3];
    QTime times[3];
    QRect geometry;
};

Choices choices(const QString &set)
{
    if (set == QLatin1String("first"))
        return {25,
                90,
                QStringLiteral("hibernate"),
                QStringLiteral("*"),
                {true, false, true},
                {QTime(6, 15, 30), QTime(23, 59), QTime(0, 0)},
                QRect(120, 90, 520, 410)};
    return {50,
            10,
            QStringLiteral("suspend"),
            QStringLiteral("shutdown"),
            {false, true, false},
            {QTime(12, 0), QTime(7, 5, 1), QTime(18, 45)},
            QRect(40, 60, 610, 455)};
}

QMap<QString, QString> everyAction()
{
    QMap<QString, QString> actions{
            {SettingsKeys::nothingAction(), powerActionName(SettingsKeys::nothingAction())}};
    for (const QString &action : schedulableActions())
        actions.insert(action, powerActionName(action));
    return actions;
}

// The settings panel's rows, built from the store as the program builds them.
struct Panel
{
    QWidget page;
    QFormLayout *form = new QFormLayout(&page);
    QList<BatteryControlWidget *> batteries;
    QList<ScheduleControlWidget *> schedules;

    Panel()
    {
        for (const char *name : {"BAT0", "BAT1"})
            batteries << new BatteryControlWidget(
                    DeviceProperties(devicePrefix + QLatin1String(name)), everyAction(), &page);
        for (const QString &action : schedulableActions())
            schedules << new ScheduleControlWidget(action, form, everyAction(), &page);
    }
    QComboBox *levels(int battery) const
    {
        return batteries[battery]->findChild<QComboBox *>(QStringLiteral("levels"));
    }
    QComboBox *actions(int battery) const
    {
        return batteries[battery]->findChild<QComboBox *>(QStringLiteral("actions"));
    }
    QCheckBox *enabled(int row) const
    {
        return qobject_cast<QCheckBox *>(form->itemAt(row, QFormLayout::LabelRole)->widget());
    }
    QTimeEdit *time(int row) const
    {
        return qobject_cast<QTimeEdit *>(form->itemAt(row, QFormLayout::FieldRole)->widget());
    }
};

void choose(QComboBox *list, const QVariant &value)
{
    list->setCurrentIndex(list->findData(value));
}

void write(const Choices &chosen)
{
    Panel panel;
    choose(panel.levels(0), chosen.level0);
    choose(panel.actions(0), chosen.action0);
    choose(panel.levels(1), chosen.level1);
    choose(panel.actions(1), chosen.action1);
    for (int row = 0; row < 3; ++row) {
        panel.enabled(row)->setChecked(chosen.enabled[row]);
        panel.time(row)->setTime(chosen.times[row]);
    }

    QWidget window;
    window.setObjectName(QStringLiteral("SettingsProbe"));
    window.setGeometry(chosen.geometry);
    window.show();
    if (QTest::qWaitForWindowExposed(&window))
        wexSaveGeometry(&window, nullptr);
}

void print()
{
    Panel panel;
    QTextStream out(stdout);
    for (int battery = 0; battery < 2; ++battery)
        out << "battery " << battery << " level " << panel.levels(battery)->currentData().toInt()
            << " action " << panel.actions(battery)->currentData().toString() << '\n';
    for (int row = 0; row < 3; ++row)
        out << "schedule " << schedulableActions().value(row) << ' '
            << (panel.enabled(row)->isChecked() ? "on" : "off") << ' '
            << panel.time(row)->time().toString(QStringLiteral("HH:mm:ss")) << '\n';

    QWidget window;
    window.setObjectName(QStringLiteral("SettingsProbe"));
    wexRestoreGeometry(&window, nullptr, QRect(), false);
    const QRect geometry = window.geometry();
    out << "geometry " << geometry.x() << ',' << geometry.y() << ' ' << geometry.width() << 'x'
        << geometry.height() << '\n';
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("wex"));
    QCoreApplication::setApplicationName(QStringLiteral("wex-power"));
    const QStringList arguments = app.arguments();
    const QString mode = arguments.value(1);

    if (mode == QLatin1String("write") && arguments.size() == 3) {
        write(choices(arguments.at(2)));
    } else if (mode == QLatin1String("level") && arguments.size() == 3) {
        Panel panel;
        choose(panel.levels(0), arguments.at(2).toInt());
    } else if (mode != QLatin1String("read")) {
        std::fputs("usage: settings_probe write first|second | level N | read\n", stderr);
        return 2;
    }
    print();
    return 0;
}
