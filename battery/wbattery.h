#pragma once

#include <QStringList>
#include <QSystemTrayIcon>
#include <QVariantMap>
#include <QWidget>
#include <limits>

class BatteryIndicator;
class OrgFreedesktopUPowerDeviceInterface;
class QLabel;
class QTextEdit;
class WexIconLabel;

// What chargePercent() answers for a device whose charge cannot be known
// (no usable design energy and no percentage, or values that are not
// numbers). Callers must never act on it.
constexpr int UnknownCharge = std::numeric_limits<int>::min();

// The charge of a device in percent: 100 when fully charged, 0 when empty,
// otherwise Energy * 100 / EnergyFullDesign rounded half up (not clamped: a
// battery above its design energy reads above 100). Without a usable design
// energy the daemon's own Percentage is used when it is above 0; failing
// that the charge is UnknownCharge.
int chargePercent(OrgFreedesktopUPowerDeviceInterface *device);

// One UPower battery: the page of its tab in the main window and the owner
// of its tray icon, whose image is a charge gauge and whose tooltip holds
// the information lines. Follows the device's Changed signal (UPower before
// 0.99) and its PropertiesChanged signal (UPower 0.99 and later).
class WBattery : public QWidget
{
    Q_OBJECT

public:
    WBattery(const QString &objectPath, QWidget *parent = nullptr);
    ~WBattery() override;

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

private:
    void appendInfoLine(const QString &label, const QString &value);

    QSystemTrayIcon *tray;
    QTextEdit *info;
    OrgFreedesktopUPowerDeviceInterface *device;
    QLabel *chargeLabel;
    WexIconLabel *stateIcon;
    BatteryIndicator *indicator;
};
