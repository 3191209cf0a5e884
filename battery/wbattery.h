#pragma once

#include "chargerule.h"
#include "deviceproperties.h"

#include <QSystemTrayIcon>
#include <QWidget>

class BatteryIndicator;
class QLabel;
class QTextEdit;
class WexIconLabel;

// One UPower battery: the page of its tab in the main window and the owner
// of its tray icon, whose image is a charge gauge and whose tooltip holds
// the information lines.
//
// It is handed the device's values and shows them; it asks nobody.
class WBattery : public QWidget
{
    Q_OBJECT

public:
    explicit WBattery(const DeviceProperties &device, QWidget *parent = nullptr);

    QString path() const { return device.path(); }
    // The device's new values: shown at once.
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
    // The values handed last have changed: the same as updateCharge().
    void changed() { updateCharge(); }

private:
    void build();
    void appendInfoLine(const QString &label, const QString &value);

    QSystemTrayIcon *tray;
    QTextEdit *info;
    DeviceProperties device;
    QLabel *chargeLabel;
    WexIconLabel *stateIcon;
    BatteryIndicator *indicator;
    // What the tray and the state icon show, so that they are set only
    // when that changes.
    int shownGauge = -1; // no charge reads below 0
    QString shownStateIcon;
};
