#include "devicespage.h"

#include "devicebattery.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

enum Column { KindColumn, NameColumn, ChargeColumn };

} // namespace

DevicesPage::DevicesPage(QTabWidget *tabs) : QWidget(tabs), tabs(tabs)
{
    hide();
    setWindowTitle(tr("Devices"));
}

// The list is made with the first device: most machines have none, and an
// item view is a good part of the window's memory.
QTreeWidget *DevicesPage::deviceList()
{
    if (list)
        return list;
    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("devices"));
    list->setAccessibleName(tr("Devices"));
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setHeaderLabels({tr("Kind"), tr("Device"), tr("Charge")});
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list);
    return list;
}

bool DevicesPage::setDevice(const DeviceProperties &device)
{
    QTreeWidgetItem *&row = rows[device.path()];
    const bool added = !row;
    if (added)
        row = new QTreeWidgetItem(deviceList());
    shown.insert(device.path(), device);
    if (added)
        showTab();
    // Texts from the device are shown as they are: items are plain text.
    const QString kind = DeviceBattery::kindName(device.type());
    row->setText(KindColumn, kind.isEmpty() ? tr("Device") : kind);
    row->setText(NameColumn, DeviceBattery::name(device));
    row->setText(ChargeColumn, DeviceBattery::chargeText(device));
    return added;
}

bool DevicesPage::removeDevice(const QString &path)
{
    shown.remove(path);
    QTreeWidgetItem *row = rows.take(path);
    const bool wasShown = row;
    delete row;
    showTab();
    return wasShown;
}

void DevicesPage::showTab()
{
    const int tab = tabs->indexOf(this);
    if (rows.isEmpty())
        tabs->removeTab(tab);
    else if (tab < 0)
        tabs->addTab(this, windowTitle());
}

QList<QPair<QString, QString>> DevicesPage::names() const
{
    QList<QPair<QString, QString>> named;
    for (const DeviceProperties &device : shown)
        named.append({device.path(), DeviceBattery::name(device)});
    return named;
}

QStringList DevicesPage::chargeLines() const
{
    QStringList lines;
    for (const DeviceProperties &device : shown)
        lines << tr("%1: %2").arg(DeviceBattery::name(device), DeviceBattery::chargeText(device));
    return lines;
}
