#pragma once

#include "ui_wmain.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

class BrightnessPage;
class BrightnessPopup;
class DeviceProperties;
class DevicesPage;
class PowerController;
class PowerKeyDialog;
class WBattery;
class WControl;
class WindowTray;

// The application's window: a "No batteries detected" page, or the
// "Settings" tab followed by a tab per battery of the machine, and its own
// tray icon with the power messages. It shows what the controller, which
// decides, tells it.
class WMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit WMain(QWidget *parent = nullptr);
    ~WMain() override;

    PowerController *controller() const { return power; }

    // For a program that runs in the background: closing the window only
    // hides it, and File > Exit ends the program.
    void keepRunningWhenClosed();

public slots:
    void load();

private slots:
    void deviceAdded(const QString &path);
    void deviceChanged(const QString &path);
    void deviceRemoved(const QString &path);
    void followReloadedDevices();
    void showLinePower(bool discharging);
    // The power key is set to "Ask": one dialog, brought to the front.
    void askForPowerAction();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void registerBattery(const DeviceProperties &device);
    void removeBattery(const QString &path);
    void showPageForRegistry();
    void followDeviceBattery(const QString &path);
    void followBrightness();
    BrightnessPopup *brightnessPopup();
    void offerKeepAwake();

    bool keepRunning = false;
    PowerController *power;
    WindowTray *trayIcon;
    Ui::WMain ui;
    WControl *control;
    DevicesPage *devicesPage;
    BrightnessPage *brightnessPage;
    // Made with the first brightness key.
    BrightnessPopup *popup = nullptr;
    QMap<QString, WBattery *> batteries;
    QPointer<PowerKeyDialog> powerKeyDialog;
};
