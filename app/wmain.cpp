#include "wmain.h"

#include "brightnesscontrol.h"
#include "brightnesspage.h"
#include "brightnesspopup.h"
#include "chargelimitcontrol.h"
#include "devicespage.h"
#include "idlecontrol.h"
#include "idlepage.h"
#include "lidcontrolwidget.h"
#include "lidkeyscontrol.h"
#include "powercontroller.h"
#include "powericon.h"
#include "powerkeydialog.h"
#include "powerprofilemenu.h"
#include "wbattery.h"
#include "wcontrol.h"
#include "wexhelpmenu.h"
#include "wexintegration.h"
#include "windowtray.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWindow>

WMain::WMain(QWidget *parent) : QMainWindow(parent), power(new PowerController(this))
{
    ui.setupUi(this);

    ui.aExit->setIcon(QIcon::fromTheme(QStringLiteral("application-exit")));
    setWindowIcon(powerIcon());

    trayIcon = new WindowTray(tr("Power manager"), windowIcon(), this);

    connect(ui.aExit, &QAction::triggered, this, &WMain::close);
    // Shown only while a power-profiles daemon offers profiles; the tray's
    // menu shows the same ones.
    menuBar()->addMenu(new PowerProfileMenu(power->profiles(), this));
    trayIcon->offerMenu(ui.aExit, power->profiles(), power->brightness());
    offerKeepAwake();
    menuBar()->addMenu(new WexHelpMenu(this));

    connect(power, &PowerController::deviceAdded, this, &WMain::deviceAdded);
    connect(power, &PowerController::deviceChanged, this, &WMain::deviceChanged);
    connect(power, &PowerController::deviceRemoved, this, &WMain::deviceRemoved);
    connect(power, &PowerController::devicesReloaded, this, &WMain::followReloadedDevices);
    connect(power, &PowerController::onBattery, trayIcon, &WindowTray::showPowerDown);
    connect(power, &PowerController::linePowerChanged, this, &WMain::showLinePower);
    connect(power, &PowerController::warning, trayIcon,
            [this](const QString &text) { trayIcon->showMessage(text, true); });

    control = new WControl(this);
    control->offerProfiles(power->profiles(), &PowerProfileMenu::profileName);
    devicesPage = new DevicesPage(ui.tabs);
    brightnessPage = new BrightnessPage(ui.tabs);
    ui.tabs->addTab(control, QIcon::fromTheme(QStringLiteral("preferences-system")),
                    tr("Settings"));
    IdleControl *idle = power->idle();
    auto showIdleAvailability = [this, idle] {
        control->idlePage()->setUnavailable(idle->idleUnavailableReason(),
                                            idle->dimUnavailableReason(),
                                            idle->screenOffUnavailableReason());
    };
    showIdleAvailability();
    connect(idle, &IdleControl::availabilityChanged, this, showIdleAvailability);

    LidKeysControl *lidKeys = power->lidAndKeys();
    LidControlWidget *lidPage = control->lidAndKeysPage();
    connect(lidPage, &LidControlWidget::changed, lidKeys, &LidKeysControl::apply);
    connect(lidKeys, &LidKeysControl::offerChanged, lidPage,
            [lidPage, lidKeys] { lidPage->setOffer(lidKeys->offer()); });
    connect(lidKeys, &LidKeysControl::askRequested, this, &WMain::askForPowerAction);

    load();
    // After the batteries' tabs.
    followBrightness();

    power->start();

    wexRestoreGeometry(this, power->settings(), QRect(), false);
}

WMain::~WMain()
{
    power->stop();
    wexSaveGeometry(this, power->settings());
}

void WMain::load()
{
    power->load();
    QList<DeviceProperties> registered;
    for (const QString &path : power->devices()) {
        const DeviceProperties device = power->device(path);
        if (batteries.contains(path) || !device.isMachineBattery())
            continue;
        registerBattery(device);
        registered.append(device);
    }
    // The batteries that decide for the machine get a critical action.
    control->load(registered, power->offeredActions());
    control->lidAndKeysPage()->setOffer(power->lidAndKeys()->offer());
    for (const QString &path : power->devices())
        followDeviceBattery(path);
    showPageForRegistry();
}

void WMain::registerBattery(const DeviceProperties &device)
{
    auto *battery = new WBattery(device, this);
    batteries.insert(device.path(), battery);
    connect(battery, &WBattery::trayActivated, this,
            [this, battery](QSystemTrayIcon::ActivationReason reason) {
                if (reason != QSystemTrayIcon::Trigger)
                    return;
                const bool shown = ui.tabs->currentWidget() == battery;
                ui.tabs->setCurrentWidget(battery);
                trayIcon->toggleWindow(shown);
            });
    connect(battery, &WBattery::historyWanted, power, &PowerController::showHistory);
    connect(battery, &WBattery::chargeLimitWanted, power->chargeLimits(),
            &ChargeLimitControl::setEnabled);
    connect(power, &PowerController::historyLoaded, battery, &WBattery::setHistory);
    connect(power, &PowerController::historyUnavailable, battery, &WBattery::setHistoryUnavailable);
    ui.tabs->addTab(battery, battery->windowIcon(), battery->tabTitle());
}

void WMain::removeBattery(const QString &path)
{
    WBattery *battery = batteries.take(path);
    if (!battery)
        return;
    ui.tabs->removeTab(ui.tabs->indexOf(battery));
    delete battery;
}

void WMain::showPageForRegistry()
{
    ui.stack->setCurrentIndex(
            batteries.isEmpty() && devicesPage->isEmpty() && brightnessPage->isEmpty() ? 0 : 1);
}

// The batteries of the machine's devices are shown where their values are
// kept current.
void WMain::followDeviceBattery(const QString &path)
{
    const bool shown = power->followsDeviceBattery(path);
    if (shown ? devicesPage->setDevice(power->device(path)) : devicesPage->removeDevice(path)) {
        control->setDeviceBatteries(devicesPage->names());
        showPageForRegistry();
    }
    trayIcon->showDeviceCharges(devicesPage->chargeLines());
}

// The lights' levels, on their page and, after a key or a command, in the
// indicator.
void WMain::followBrightness()
{
    BrightnessControl *lights = power->brightness();
    const auto showScreen = [this, lights] {
        brightnessPage->showScreen(lights->screenSteps(), lights->screenLevel(),
                                   lights->canSetScreen());
        showPageForRegistry();
    };
    const auto showKeyboard = [this, lights] {
        brightnessPage->showKeyboard(lights->keyboardSteps(), lights->keyboardLevel());
        showPageForRegistry();
    };
    showScreen();
    showKeyboard();
    connect(lights, &BrightnessControl::screenChanged, brightnessPage, showScreen);
    connect(lights, &BrightnessControl::keyboardChanged, brightnessPage, showKeyboard);
    connect(brightnessPage, &BrightnessPage::screenChosen, lights,
            &BrightnessControl::setScreenLevel);
    connect(brightnessPage, &BrightnessPage::keyboardChosen, lights,
            &BrightnessControl::setKeyboardLevel);
    connect(lights, &BrightnessControl::screenStepped, this,
            [this](int percent) { brightnessPopup()->showScreen(percent); });
    connect(lights, &BrightnessControl::keyboardStepped, this,
            [this](int percent) { brightnessPopup()->showKeyboard(percent); });
}

BrightnessPopup *WMain::brightnessPopup()
{
    if (!popup)
        popup = new BrightnessPopup(this);
    return popup;
}

void WMain::deviceAdded(const QString &path)
{
    followDeviceBattery(path);
    const DeviceProperties device = power->device(path);
    // UPSes are taken only at start; one that appears later is not followed.
    if (batteries.contains(path) || !device.isMachineBattery(false))
        return;
    registerBattery(device);
    showPageForRegistry();
}

void WMain::deviceChanged(const QString &path)
{
    followDeviceBattery(path);
    if (WBattery *battery = batteries.value(path))
        battery->setProperties(power->device(path));
}

void WMain::deviceRemoved(const QString &path)
{
    followDeviceBattery(path);
    removeBattery(path);
    showPageForRegistry();
}

// UPower has a new owner, which may list other devices. Tabs and gauges of
// batteries still there stay, others go, new ones come.
void WMain::followReloadedDevices()
{
    const QStringList present = power->devices();
    for (const QString &path : batteries.keys()) {
        if (!present.contains(path))
            removeBattery(path);
    }
    // Device batteries shown before, and every device listed now.
    for (const QString &path : devicesPage->paths() + present) {
        followDeviceBattery(path);
        const DeviceProperties device = power->device(path);
        if (WBattery *battery = batteries.value(path))
            battery->setProperties(device);
        else if (device.isMachineBattery())
            registerBattery(device);
    }
    showPageForRegistry();
}

// A checkable entry of the tray's menu: a logind inhibitor of the
// program's own while checked.
void WMain::offerKeepAwake()
{
    auto *keepAwake = new QAction(tr("Keep awake"), this);
    keepAwake->setCheckable(true);
    IdleControl *idle = power->idle();
    connect(keepAwake, &QAction::toggled, idle, &IdleControl::setKeptAwake);
    connect(idle, &IdleControl::keptAwakeChanged, keepAwake, &QAction::setChecked);
    connect(idle, &IdleControl::keptAwakeByChanged, trayIcon, &WindowTray::showKeptAwakeBy);
    trayIcon->offerKeepAwake(keepAwake);
}

void WMain::keepRunningWhenClosed()
{
    keepRunning = true;
    QApplication::setQuitOnLastWindowClosed(false);
    trayIcon->setHidesOnClick(true);
    connect(ui.aExit, &QAction::triggered, qApp, &QCoreApplication::quit);
}

void WMain::closeEvent(QCloseEvent *event)
{
    if (!keepRunning) {
        QMainWindow::closeEvent(event);
        return;
    }
    // A closed window would come back as a new one, wherever the window
    // manager puts new windows. Hidden, with its place given as the
    // program's own (not left to the window manager), it comes back there.
    event->ignore();
    windowHandle()->setGeometry(windowHandle()->geometry());
    hide();
}

void WMain::showLinePower(bool discharging)
{
    trayIcon->showMessage(discharging ? tr("Power is down") : tr("Power is up"), discharging);
}

void WMain::askForPowerAction()
{
    if (!powerKeyDialog) {
        powerKeyDialog = new PowerKeyDialog(LidKeys::askedChoices(power->offeredActions()), this);
        powerKeyDialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(powerKeyDialog, &PowerKeyDialog::chosen, power->lidAndKeys(),
                &LidKeysControl::carryOut);
    }
    powerKeyDialog->show();
    powerKeyDialog->raise();
    powerKeyDialog->activateWindow();
}
