#pragma once

#include "deviceproperties.h"

#include <QMap>
#include <QWidget>

class QTabWidget;

// The "Settings" tab: a "Battery" page with a row per battery of the
// machine present at start-up and a "Scheduling" page with a row per
// offered power action.
class WControl : public QWidget
{
    Q_OBJECT

public:
    explicit WControl(QWidget *parent = nullptr);

    // Builds the rows, one per battery in the order given and one per
    // offered action; called once.
    void load(const QList<DeviceProperties> &batteries, const QMap<QString, QString> &actions);

private:
    QTabWidget *tabs;
    QWidget *batteryPage;
    QWidget *schedulingPage;
};
