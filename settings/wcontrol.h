#pragma once

#include "deviceproperties.h"

#include <QMap>
#include <QWidget>

class DeviceControlWidget;
class IdlePage;
class LidControlWidget;
class PowerProfiles;
class ProfileControlWidget;
class QGroupBox;
class QTabWidget;

// The "Settings" tab: a "Battery" page with a row per battery of the
// machine present at start-up and a "Scheduling" page with a row per
// offered power action.
// A "Lid and keys" page follows (LidControlWidget).
class WControl : public QWidget
{
    Q_OBJECT

public:
    explicit WControl(QWidget *parent = nullptr);

    // Builds the rows, one per battery in the order given and one per
    // offered action; called once.
    void load(const QList<DeviceProperties> &batteries, const QMap<QString, QString> &actions);
    // The batteries of the machine's devices (a mouse, a keyboard...), by
    // path with their names: a "Warn when low" row for each, in a group
    // shown while there are any.
    void setDeviceBatteries(const QList<QPair<QString, QString>> &devices);
    // The "When idle" page.
    IdlePage *idlePage() const { return idle; }
    // The "Lid and keys" page.
    LidControlWidget *lidAndKeysPage() const { return lidPage; }
    // A "Power profile" page, shown while the daemon offers profiles;
    // profileName gives a profile's name as a person reads it.
    void offerProfiles(PowerProfiles *profiles, QString (*profileName)(const QString &));

private:
    void makeDeviceGroup();

    QTabWidget *tabs;
    QWidget *batteryPage;
    QWidget *schedulingPage;
    IdlePage *idle;
    LidControlWidget *lidPage;
    QGroupBox *deviceGroup = nullptr;
    QWidget *deviceRowsPage = nullptr;
    QMap<QString, DeviceControlWidget *> deviceRows;
    ProfileControlWidget *profilePage = nullptr;
};
