#include "wmain.h"

#include "chargehistory.h"
#include "devicespage.h"
#include "monitorclock.h"
#include "poweractions.h"
#include "powericon.h"
#include "powerprofilemenu.h"
#include "powerprofiles.h"
#include "powerservices.h"
#include "settingsstorewatch.h"
#include "timeofday.h"
#include "wbattery.h"
#include "wcontrol.h"
#include "wexhelpmenu.h"
#include "wexintegration.h"
#include "windowtray.h"
#include "wirenames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSettings>
#include <QWindow>

WMain::WMain(QWidget *parent) : QMainWindow(parent)
{
    ui.setupUi(this);

    ui.aExit->setIcon(QIcon::fromTheme(QStringLiteral("application-exit")));
    setWindowIcon(powerIcon());

    trayIcon = new WindowTray(tr("Power manager"), windowIcon(), this);

    connect(ui.aExit, &QAction::triggered, this, &WMain::close);
    // Shown only while a power-profiles daemon offers profiles; the tray's
    // menu shows the same ones.
    auto *profiles = new PowerProfiles(this);
    menuBar()->addMenu(new PowerProfileMenu(profiles, this));
    trayIcon->offerMenu(ui.aExit, profiles);
    menuBar()->addMenu(new WexHelpMenu(this));

    // The monitor reads its settings on every tick: one store, read again
    // on the first tick after an edit made outside the program. The
    // window's geometry is kept there too.
    settings = new QSettings(this);
    storeWatch = new SettingsStoreWatch(settings, this);

    clock = new MonitorClock(PowerMonitor::interval, this);
    connect(clock, &MonitorClock::tick, this, &WMain::timeout);
    connect(storeWatch, &SettingsStoreWatch::changed, clock, &MonitorClock::tickSoon);

    services = new PowerServices(this);
    connect(services, &PowerServices::deviceAdded, this, &WMain::deviceAdded);
    connect(services, &PowerServices::deviceChanged, this, &WMain::deviceChanged);
    connect(services, &PowerServices::deviceRemoved, this, &WMain::deviceRemoved);
    connect(services, &PowerServices::devicesReloaded, this, &WMain::followReloadedDevices);
    connect(services, &PowerServices::restarted, clock, &MonitorClock::tickSoon);
    connect(services, &PowerServices::woke, this, &WMain::machineWoke);
    connect(services, &PowerServices::refused, this, [this](const PowerRefusal &refusal) {
        monitor.refused(refusal);
        // Told on the next tick of the grid, if it still asks for it.
        clock->tickSoon();
    });
    // Asked only while a battery's page shows its graph.
    history = new ChargeHistory(this);

    control = new WControl(this);
    devicesPage = new DevicesPage(ui.tabs);
    ui.tabs->addTab(control, QIcon::fromTheme(QStringLiteral("preferences-system")),
                    tr("Settings"));

    load();

    clock->start();

    wexRestoreGeometry(this, settings, QRect(), false);
}

WMain::~WMain()
{
    clock->stop();
    wexSaveGeometry(this, settings, false);
}

void WMain::load()
{
    // Asked before the devices: a daemon that hangs on a device's values
    // answers nothing else meanwhile.
    const QMap<QString, QString> actions = powerActions();
    services->load();
    QList<DeviceProperties> registered;
    for (const QString &path : services->devices()) {
        const DeviceProperties device = services->device(path);
        if (batteries.contains(path) || !device.isMachineBattery())
            continue;
        registerBattery(device);
        registered.append(device);
        powerDown = powerDown || device.state() == UPowerWire::Discharging;
    }
    // The batteries that decide for the machine get a critical action.
    control->load(registered, actions);
    for (const QString &path : services->devices())
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
    connect(battery, &WBattery::historyWanted, history, &ChargeHistory::request);
    connect(battery, &WBattery::historyWanted, services, &PowerServices::readDetails);
    connect(history, &ChargeHistory::loaded, battery, &WBattery::setHistory);
    connect(history, &ChargeHistory::failed, battery, &WBattery::setHistoryUnavailable);
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
    ui.stack->setCurrentIndex(batteries.isEmpty() && devicesPage->isEmpty() ? 0 : 1);
}

// The batteries of the machine's devices are shown where their values are
// announced: on the older daemon they would have to be asked for.
void WMain::followDeviceBattery(const QString &path)
{
    const DeviceProperties device = services->device(path);
    const bool shown =
            services->announcesChanges() && services->contains(path) && device.isDeviceBattery();
    if (shown ? devicesPage->setDevice(device) : devicesPage->removeDevice(path)) {
        control->setDeviceBatteries(devicesPage->names());
        showPageForRegistry();
    }
    trayIcon->showDeviceCharges(devicesPage->chargeLines());
}

void WMain::deviceAdded(const QString &path)
{
    tickIfMonitorSeesChange(path);
    followDeviceBattery(path);
    const DeviceProperties device = services->device(path);
    // UPSes are taken only at start; one that appears later is not followed.
    if (batteries.contains(path) || !device.isMachineBattery(false))
        return;
    registerBattery(device);
    showPageForRegistry();
}

void WMain::deviceChanged(const QString &path)
{
    tickIfMonitorSeesChange(path);
    followDeviceBattery(path);
    if (WBattery *battery = batteries.value(path))
        battery->setProperties(services->device(path));
}

void WMain::deviceRemoved(const QString &path)
{
    tickIfMonitorSeesChange(path);
    followDeviceBattery(path);
    removeBattery(path);
    showPageForRegistry();
}

// UPower has a new owner, which may list other devices. Tabs and gauges of
// batteries still there stay, others go, new ones come.
void WMain::followReloadedDevices()
{
    const QStringList present = services->devices();
    for (const QString &path : batteries.keys()) {
        if (!present.contains(path))
            removeBattery(path);
    }
    // Device batteries shown before, and every device listed now.
    for (const QString &path : devicesPage->paths() + present) {
        followDeviceBattery(path);
        const DeviceProperties device = services->device(path);
        if (WBattery *battery = batteries.value(path))
            battery->setProperties(device);
        else if (device.isMachineBattery())
            registerBattery(device);
    }
    showPageForRegistry();
}

void WMain::machineWoke()
{
    monitor.machineWasAway();
    // The machine may have woken into a schedule's window.
    clock->tickSoon();
}

// The next tick of the grid decides on what changed; upowerd's refresh of
// a device's time stamp every half minute changes nothing it reads.
void WMain::tickIfMonitorSeesChange(const QString &path)
{
    const DeviceProperties device = services->device(path);
    if (monitor.seesChange(path, services->contains(path) ? &device : nullptr))
        clock->tickSoon();
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

void WMain::executeAction(const QString &action)
{
    services->request(action);
}

void WMain::timeout()
{
    // Edits made to the store outside the program count from this tick on.
    storeWatch->syncIfChanged();
    services->refresh();

    const PowerMonitor::Decision decision = monitor.decide(currentRun(), *settings);
    for (const QString &action : decision.requests)
        executeAction(action);
    reportLinePower(decision.onBattery);
    // After a "Power is down" of the same run: a tray that shows one
    // message at a time then keeps the warning.
    for (const QString &warning : decision.warnings)
        trayIcon->showMessage(warning, true);
    if (decision.sleepMs)
        clock->sleepFor(*decision.sleepMs);
}

PowerMonitor::Run WMain::currentRun()
{
    PowerMonitor::Run run;
    for (const QString &path : services->devices())
        run.devices.append(services->device(path));
    run.clocks = currentClocks();
    run.timeOfDay = currentTimeOfDay();
    run.plannedGapMs = clock->plannedGapMs();
    run.changesAnnounced = services->announcesChanges() && storeWatch->isWatching();
    run.followsDevices = services->announcesChanges();
    run.offeredActions = [this] {
        return powerActions(services->sleepSupport());
    };
    run.batteryName = [this](const DeviceProperties &device) {
        const WBattery *battery = batteries.value(device.path());
        return battery ? battery->windowTitle() : device.text(QStringLiteral("Model"));
    };
    run.secondsToEmpty = std::bind(&PowerServices::secondsToEmpty, services, std::placeholders::_1);
    return run;
}

void WMain::reportLinePower(bool discharging)
{
    trayIcon->showPowerDown(discharging);
    if (discharging != powerDown) {
        powerDown = discharging;
        trayIcon->showMessage(discharging ? tr("Power is down") : tr("Power is up"), discharging);
    }
}
