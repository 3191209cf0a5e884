#include "wcontrol.h"

#include "batterycontrolwidget.h"
#include "devicecontrolwidget.h"
#include "idlepage.h"
#include "lidcontrolwidget.h"
#include "powerprofiles.h"
#include "profilecontrolwidget.h"
#include "schedulecontrolwidget.h"
#include "settingskeys.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGroupBox>
#include <QScrollArea>
#include <QSet>
#include <QTabWidget>

WControl::WControl(QWidget *parent) : QWidget(parent)
{
    tabs = new QTabWidget(this);
    batteryPage = new QWidget(this);
    schedulingPage = new QWidget(this);
    idle = new IdlePage(this);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(tabs);

    tabs->addTab(batteryPage, QIcon::fromTheme(QStringLiteral("battery")), tr("Battery"));
    tabs->addTab(schedulingPage, QIcon::fromTheme(QStringLiteral("korganizer")), tr("Scheduling"));
    tabs->addTab(idle, QIcon::fromTheme(QStringLiteral("preferences-desktop-screensaver")),
                 tr("When idle"));
    lidPage = new LidControlWidget(this);
    tabs->addTab(lidPage, QIcon::fromTheme(QStringLiteral("computer-laptop")), tr("Lid and keys"));
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

    idle->setActions(actions);

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
    if (devices.isEmpty()) {
        delete deviceGroup;
        deviceGroup = nullptr;
        deviceRows.clear();
        return;
    }
    if (!deviceGroup)
        makeDeviceGroup();
    // Rows change only as devices come or go, so that a row being clicked
    // is never replaced under the pointer.
    QSet<QString> present;
    for (const auto &device : devices)
        present.insert(device.first);
    for (auto it = deviceRows.begin(); it != deviceRows.end();) {
        if (present.contains(it.key())) {
            ++it;
        } else {
            delete it.value();
            it = deviceRows.erase(it);
        }
    }
    auto *rowsLayout = static_cast<QBoxLayout *>(deviceRowsPage->layout());
    for (int i = 0; i < devices.size(); ++i) {
        DeviceControlWidget *&row = deviceRows[devices.at(i).first];
        if (!row) {
            row = new DeviceControlWidget(devices.at(i).first, devices.at(i).second,
                                          deviceRowsPage);
            rowsLayout->insertWidget(i, row);
        }
    }
}

void WControl::makeDeviceGroup()
{
    deviceGroup = new QGroupBox(tr("Devices"), batteryPage);
    // The rows scroll: a window as tall as a few hundred devices would take
    // hundreds of megabytes of image memory, shared with the X server.
    deviceRowsPage = new QWidget;
    auto *rowsLayout = new QVBoxLayout(deviceRowsPage);
    rowsLayout->setContentsMargins(QMargins());
    auto *scroll = new QScrollArea(deviceGroup);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(deviceRowsPage);
    auto *layout = new QVBoxLayout(deviceGroup);
    layout->addWidget(scroll);
    // Below the rows of the machine's batteries, above the stretch.
    auto *pageLayout = qobject_cast<QBoxLayout *>(batteryPage->layout());
    pageLayout->insertWidget(pageLayout->count() - 1, deviceGroup);
}

void WControl::offerProfiles(PowerProfiles *profiles, QString (*profileName)(const QString &))
{
    // The page comes with the first daemon that offers profiles; without
    // one there is none.
    const auto follow = [this, profiles, profileName] {
        const bool offered = profiles->isAvailable() && !profiles->profiles().isEmpty();
        if (!profilePage && !offered)
            return;
        if (!profilePage) {
            profilePage = new ProfileControlWidget(profiles, profileName, this);
            tabs->addTab(profilePage,
                         QIcon::fromTheme(QStringLiteral("preferences-system-power-management")),
                         tr("Power profile"));
        }
        tabs->setTabVisible(tabs->indexOf(profilePage), offered);
    };
    connect(profiles, &PowerProfiles::changed, this, follow);
    follow();
}
