#include "wcontrol.h"

#include "batterycontrolwidget.h"
#include "schedulecontrolwidget.h"
#include "settingskeys.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QSet>
#include <QTabWidget>

WControl::WControl(QWidget *parent) : QWidget(parent)
{
    tabs = new QTabWidget(this);
    batteryPage = new QWidget(this);
    schedulingPage = new QWidget(this);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(tabs);

    tabs->addTab(batteryPage, QIcon::fromTheme(QStringLiteral("battery")), tr("Battery"));
    tabs->addTab(schedulingPage, QIcon::fromTheme(QStringLiteral("korganizer")), tr("Scheduling"));
}

void WControl::load(const QList<DeviceProperties> &batteries, const QMap<QString, QString> &actions)
{
    auto *batteryLayout = new QVBoxLayout(batteryPage);
    QSet<QString> rows;
    for (const DeviceProperties &battery : batteries) {
        // Two rows for one path would write each other's keys back.
        if (rows.contains(battery.path()))
            continue;
        rows.insert(battery.path());
        batteryLayout->addWidget(new BatteryControlWidget(battery, actions, this));
    }
    batteryLayout->addStretch(1);

    auto *scheduleLayout = new QFormLayout(schedulingPage);
    scheduleLayout->setLabelAlignment(Qt::AlignLeft);
    scheduleLayout->setFormAlignment(Qt::AlignLeft);
    scheduleLayout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (auto it = actions.keyBegin(); it != actions.keyEnd(); ++it) {
        if (*it != SettingsKeys::nothingAction())
            new ScheduleControlWidget(*it, scheduleLayout, actions, schedulingPage);
    }
}
