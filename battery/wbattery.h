#pragma once

#include "deviceproperties.h"

#include <QStringList>
#include <QSystemTrayIcon>
#include <QVariantMap>
#include <QWidget>
#include <limits>

class BatteryIndicator;
class QLabel;
class QTextEdit;
class WexIconLabel;

// What chargePercent() answers for a device whose charge cannot be known
// (no usable design energy and no percentage, or an energy that is not a
// number, is negative or cannot be read). Callers must never act on it.
constexpr int UnknownCharge = std::numeric_limits<int>::min();

// The charge of a device in percent: 100 when fully charged, 0 when empty,
// otherwise Energy * 100 / EnergyFullDesign rounded half up (not clamped: a
// battery above its design energy reads above 100). Without a usable design
// energy the daemon's own Percentage is used when it is above 0; failing
// that the charge is UnknownCharge.
int chargePercent(const DeviceProperties &device);

// One UPower battery: the page of its tab in the main window and the owner
// of its tray icon, whose image is a charge gauge and whose tooltip holds
// the information lines.
//
// Built from a path, it reads the daemon afresh and follows the device's
// Changed signal (UPower before 0.99) and its PropertiesChanged signal;
// signals that queue up cost one refresh. Built from kept properties, it
// reads nothing and shows what setProperties() hands it.
class WBattery : public QWidget
{
    Q_OBJECT

public:
    WBattery(const QString &objectPath, QWidget *parent = nullptr);
    WBattery(const DeviceProperties &kept, QWidget *parent = nullptr);

    QString path() const { return device.path(); }
    // New kept properties (or live ones, after the daemon changed): shown at once.
    void setProperties(const DeviceProperties &properties);

    qlonglong remaining() const;
    QString technologyText() const;
    QString typeText() const;

    // The tray image for a charge: square gauges of 16 to 128 pixels.
    static QIcon chargeGauge(int percent);

signals:
    void trayActivated(QSystemTrayIcon::ActivationReason reason);

public slots:
    void updateCharge();
    void changed();

private slots:
    void propertiesChanged(const QString &interface, const QVariantMap &changedProperties,
                           const QStringList &invalidatedProperties);
    void refresh();

private:
    void build();
    void followDaemon();
    void appendInfoLine(const QString &label, const QString &value);

    QSystemTrayIcon *tray;
    QTextEdit *info;
    DeviceProperties device;
    QLabel *chargeLabel;
    WexIconLabel *stateIcon;
    BatteryIndicator *indicator;
    bool refreshQueued = false;
    int signalsSinceRefresh = 0;
    bool following = false;
    // What the tray and the state icon show, so that they are set only
    // when that changes.
    int shownGauge = -1; // no charge reads below 0
    QString shownStateIcon;
};
