#pragma once

#include "deviceproperties.h"

#include <QMap>
#include <QWidget>

class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The "Devices" page: a row per battery of the machine's devices (a mouse,
// a keyboard, a headset...) with its kind, its name and its charge. It is
// handed the devices' values and shows them, as a tab of its own while
// there are any.
class DevicesPage : public QWidget
{
    Q_OBJECT

public:
    explicit DevicesPage(QTabWidget *tabs);

    // Shows the device, or its new values; returns whether it is new.
    bool setDevice(const DeviceProperties &device);
    // Returns whether the device was shown.
    bool removeDevice(const QString &path);

    bool isEmpty() const { return rows.isEmpty(); }
    QStringList paths() const { return rows.keys(); }
    // Each device's path and name, in the page's order.
    QList<QPair<QString, QString>> names() const;
    // One line per device, "Wireless Mouse M185: 5 %", for the tray.
    QStringList chargeLines() const;

private:
    void showTab();
    QTreeWidget *deviceList();

    QTabWidget *tabs;
    QTreeWidget *list = nullptr;
    QMap<QString, QTreeWidgetItem *> rows;
    QMap<QString, DeviceProperties> shown;
};
