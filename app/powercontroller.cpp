#include "powercontroller.h"

#include "brightnesscontrol.h"
#include "chargehistory.h"
#include "chargelimitcontrol.h"
#include "displayserver.h"
#include "idlecontrol.h"
#include "lidkeyscontrol.h"
#include "logindsession.h"
#include "monitorclock.h"
#include "poweractions.h"
#include "powerprofiles.h"
#include "powerservices.h"
#include "profilecontrol.h"
#include "settingsstorewatch.h"
#include "wallclockwatch.h"
#include "wirenames.h"

#include <QSettings>

PowerController::PowerController(QObject *parent)
    : QObject(parent),
      // The monitor reads its settings on every tick: one store, read again
      // on the first tick after an edit made outside the program.
      store(new QSettings(this)), storeWatch(new SettingsStoreWatch(store, this)),
      services(new PowerServices(this)), powerProfiles(new PowerProfiles(this)),
      // Asked only while a battery's page shows its graph.
      history(new ChargeHistory(this)),
      monitorClock(new MonitorClock(PowerMonitor::interval, this)),
      wallClock(new WallClockWatch(this)), displayServer(new DisplayServer(this)),
      loginSession(new LogindSession(this)),
      lights(new BrightnessControl(loginSession, displayServer->globalKeys(), this)),
      idleControl(new IdleControl(this, services)),
      chargeLimitControl(new ChargeLimitControl(services, this)),
      profileControl(new ProfileControl(this))
{
    connect(monitorClock, &MonitorClock::tick, this, &PowerController::tick);
    connect(storeWatch, &SettingsStoreWatch::changed, this, &PowerController::inputsChanged);
    // The schedules are compared with the time of day.
    connect(wallClock, &WallClockWatch::jumped, this, &PowerController::inputsChanged);

    connect(services, &PowerServices::deviceAdded, this, &PowerController::tickIfMonitorSeesChange);
    connect(services, &PowerServices::deviceChanged, this,
            &PowerController::tickIfMonitorSeesChange);
    connect(services, &PowerServices::deviceRemoved, this,
            &PowerController::tickIfMonitorSeesChange);
    connect(services, &PowerServices::valuesOutdated, this, &PowerController::inputsChanged);
    connect(services, &PowerServices::restarted, this, &PowerController::inputsChanged);
    connect(services, &PowerServices::deviceAdded, this, &PowerController::deviceAdded);
    connect(services, &PowerServices::deviceChanged, this, &PowerController::deviceChanged);
    connect(services, &PowerServices::deviceRemoved, this, &PowerController::deviceRemoved);
    connect(services, &PowerServices::devicesReloaded, this, &PowerController::devicesReloaded);
    connect(services, &PowerServices::woke, this, [this] {
        monitor.machineWasAway();
        // The machine may have woken into a schedule's window.
        inputsChanged();
    });
    connect(services, &PowerServices::refused, this, [this](const PowerRefusal &refusal) {
        monitor.refused(refusal);
        // Told on the next tick of the grid, if it still asks for it.
        inputsChanged();
    });

    connect(storeWatch, &SettingsStoreWatch::changed, idleControl, &IdleControl::settingsEdited);
    connect(idleControl, &IdleControl::warning, this, &PowerController::warning);
    // Whether the daemon says the machine runs on line power. Its first
    // word, read after the devices, still counts for where the machine
    // starts from; a change after that is told as a change.
    connect(services, &PowerServices::managerChanged, this, [this] {
        if (!ticked && !startHeardOnBattery && services->onBattery()) {
            startHeardOnBattery = true;
            discharging = PowerMonitor::runsOnBattery(currentRun());
        }
        inputsChanged();
    });
    connect(chargeLimitControl, &ChargeLimitControl::warning, this, &PowerController::warning);

    connect(history, &ChargeHistory::loaded, this, &PowerController::historyLoaded);
    connect(history, &ChargeHistory::failed, this, &PowerController::historyUnavailable);

    lidKeys = new LidKeysControl(this, services);
    connect(lidKeys, &LidKeysControl::warning, this, &PowerController::warning);
}

PowerController::~PowerController() = default;

void PowerController::load()
{
    offered = powerActions(services->sleepSupport());
    services->load();
    discharging = PowerMonitor::runsOnBattery(currentRun());
    startHeardOnBattery = services->onBattery().has_value();
}

void PowerController::start()
{
    monitorClock->start();
    idleControl->start();
}

void PowerController::stop()
{
    monitorClock->stop();
}

void PowerController::useClock(const Clock *clock)
{
    this->clock = clock ? clock : &machineClock;
}

QStringList PowerController::devices() const
{
    return services->devices();
}

DeviceProperties PowerController::device(const QString &path) const
{
    return services->device(path);
}

bool PowerController::contains(const QString &path) const
{
    return services->contains(path);
}

bool PowerController::followsDeviceBattery(const QString &path) const
{
    return services->followsDeviceBattery(path);
}

void PowerController::request(const QString &action)
{
    services->request(action);
}

void PowerController::showHistory(const QString &path, int spanSeconds)
{
    history->request(path, spanSeconds);
    services->readDetails(path);
}

void PowerController::tick()
{
    ticked = true;
    changedSinceTick = false;
    // Edits made to the store outside the program count from this tick on.
    storeWatch->syncIfChanged();
    services->refresh();

    PowerMonitor::Run run = currentRun();
    PowerMonitor::Decision decision = monitor.decide(run, *store);
    if (!decision.needs.isEmpty()) {
        supply(run, decision.needs);
        decision = monitor.decide(run, *store);
        Q_ASSERT(decision.needs.isEmpty());
    }

    for (const QString &action : qAsConst(decision.requests))
        request(action);
    emit onBattery(decision.onBattery);
    if (decision.onBattery != discharging) {
        discharging = decision.onBattery;
        emit linePowerChanged(discharging);
    }
    // After a "Power is down" of the same run: a tray that shows one
    // message at a time then keeps the warning.
    for (const QString &text : qAsConst(decision.warnings))
        emit warning(text);
    sleepAfter(decision);
}

PowerMonitor::Run PowerController::currentRun() const
{
    PowerMonitor::Run run;
    for (const QString &path : services->devices())
        run.devices.append(services->device(path));
    run.deviceBatteries = services->deviceBatteries();
    run.daemonOnBattery = services->onBattery();
    run.linePowers = services->linePowers();
    run.clocks = clock->now();
    run.timeOfDay = clock->timeOfDay();
    run.plannedGapMs = monitorClock->plannedGapMs();
    return run;
}

// In the order the monitor used to ask as it went: each battery's time left,
// then what the machine offers.
void PowerController::supply(PowerMonitor::Run &run, const PowerMonitor::Needs &needs)
{
    for (const QString &path : needs.secondsToEmpty)
        run.secondsToEmpty.insert(path, services->secondsToEmpty(path));
    if (needs.offeredActions)
        run.offeredActions = powerActions(services->sleepSupport());
}

// The coming ticks could only repeat this one while nothing a run reads
// changes: every change is announced, the settings files are watched, and
// nothing was announced while this tick ran. A sleep timed by the time of
// day ends where daylight saving time moves it.
void PowerController::sleepAfter(const PowerMonitor::Decision &decision)
{
    if (!decision.sleepMs || changedSinceTick || !storeWatch->isWatching())
        return;
    monitorClock->sleepFor(clock->msUntilOffsetChange(*decision.sleepMs));
}

void PowerController::inputsChanged()
{
    changedSinceTick = true;
    monitorClock->tickSoon();
}

// The next tick of the grid decides on what changed; upowerd's refresh of
// a device's time stamp every half minute changes nothing it reads.
void PowerController::tickIfMonitorSeesChange(const QString &path)
{
    const DeviceProperties device = services->device(path);
    if (monitor.seesChange(path, services->contains(path) ? &device : nullptr))
        inputsChanged();
}
