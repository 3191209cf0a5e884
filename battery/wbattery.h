#pragma once

#include "chargehistorypoint.h"
#include "chargerule.h"
#include "deviceproperties.h"

#include <QSystemTrayIcon>
#include <QWidget>

class BatteryIndicator;
class ChargeHistoryView;
class ChargeLimitBox;
class QLabel;
class QTextEdit;
class QVBoxLayout;
class WexIconLabel;

// One UPower battery: the page of its tab in the main window and the owner
// of its tray icon, whose image is a charge gauge and whose tooltip holds
// the information lines. Below those lines, a graph of its charge history.
//
// It is handed the device's values and its history and shows them; it asks
// nobody, but says when its graph wants fresh points (historyWanted).
class WBattery : public QWidget
{
    Q_OBJECT

public:
    explicit WBattery(const DeviceProperties &device, QWidget *parent = nullptr);

    QString path() const { return device.path(); }
    // The battery's model, for the title of its tab, where '&' would
    // otherwise turn the next letter into a shortcut.
    QString tabTitle() const;
    // The device's new values: shown at once.
    void setProperties(const DeviceProperties &properties);
    // The graph and its span chooser, made when first asked for or when the
    // page is first shown: a page that stays hidden, as most do while the
    // program sits in the tray, does without them.
    ChargeHistoryView *history();

    qlonglong remaining() const;
    QString technologyText() const;
    QString typeText() const;

    // The tray image for a charge: square gauges of 16 to 128 pixels.
    static QIcon chargeGauge(int percent);

signals:
    void trayActivated(QSystemTrayIcon::ActivationReason reason);
    // The graph is shown and wants the charge of the last spanSeconds.
    void historyWanted(const QString &path, int spanSeconds);
    // The person asks to turn the battery's charge limit on or off.
    void chargeLimitWanted(const QString &path, bool enabled);

public slots:
    void updateCharge();
    // The recorded charge of the device at path, or that there is none:
    // shown when path is this battery's, else ignored.
    void setHistory(const QString &path, const QList<ChargeHistoryPoint> &points);
    void setHistoryUnavailable(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build();
    QStringList infoLines();
    void showInfo();
    void showChargeLimit();

    QSystemTrayIcon *tray;
    QTextEdit *info;
    ChargeHistoryView *historyView = nullptr;
    // Made for a battery whose daemon offers a charge limit.
    ChargeLimitBox *chargeLimit = nullptr;
    QVBoxLayout *details;
    DeviceProperties device;
    QLabel *chargeLabel;
    WexIconLabel *stateIcon;
    BatteryIndicator *indicator;
    // What the tray and the state icon show, so that they are set only
    // when that changes.
    int shownGauge = -1; // no charge reads below 0
    QString shownStateIcon;
    QStringList shownInfo;
    // The device node of the sysfs path looked up last: udev is asked again
    // only when the path changes.
    QString lookedUpPath;
    QString deviceNode;
};
