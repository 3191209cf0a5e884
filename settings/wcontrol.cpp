#include "wcontrol.h"

#include "batterycontrolwidget.h"
#include "devicecontrolwidget.h"
#include "schedulecontrolwidget.h"
#include "settingskeys.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGroupBox>
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

void WControl::setDeviceBatteries(const QList<QPair<QString, QString>> &devices)
{
    QStringList paths;
    for (const auto &device : devices)
        paths << device.first;
    QStringList rows;
    if (deviceGroup) {
        for (const auto *row : deviceGroup->findChildren<DeviceControlWidget *>())
            rows << row->path();
    }
    // Rebuilt only when devices come or go, so that a row being clicked
    // is never replaced under the pointer.
    if (rows == paths)
        return;
    delete deviceGroup;
    deviceGroup = nullptr;
    if (devices.isEmpty())
        return;
    deviceGroup = new QGroupBox(tr("Devices"), batteryPage);
    auto *layout = new QVBoxLayout(deviceGroup);
    for (const auto &device : devices)
        layout->addWidget(new DeviceControlWidget(device.first, device.second, deviceGroup));
    // Below the rows of the machine's batteries, above the stretch.
    auto *pageLayout = qobject_cast<QBoxLayout *>(batteryPage->layout());
    pageLayout->insertWidget(pageLayout->count() - 1, deviceGroup);
}
