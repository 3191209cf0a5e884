#include "wcontrol.h"

#include "batterycontrolwidget.h"
#include "poweractions.h"
#include "schedulecontrolwidget.h"
#include "settingskeys.h"
#include "upowerdeviceinterface.h"
#include "upowerinterface.h"

#include <QBoxLayout>
#include <QDBusReply>
#include <QFormLayout>
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

void WControl::load()
{
    const QString service = QStringLiteral("org.freedesktop.UPower");
    OrgFreedesktopUPowerInterface upower(service, QStringLiteral("/org/freedesktop/UPower"),
                                         QDBusConnection::systemBus());
    QDBusReply<QList<QDBusObjectPath>> reply = upower.EnumerateDevices();
    const QList<QDBusObjectPath> devices =
            reply.isValid() ? reply.value() : QList<QDBusObjectPath>();
    const QMap<QString, QString> actions = powerActions();

    auto *batteryLayout = new QVBoxLayout(batteryPage);
    for (const QDBusObjectPath &device : devices) {
        const uint type = OrgFreedesktopUPowerDeviceInterface(service, device.path(),
                                                              QDBusConnection::systemBus())
                                  .type();
        if (type == 2 || type == 3)
            batteryLayout->addWidget(new BatteryControlWidget(device.path(), actions, this));
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
