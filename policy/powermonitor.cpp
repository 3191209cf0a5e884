#include "powermonitor.h"

#include "chargerule.h"
#include "linepower.h"
#include "monitorrules.h"
#include "poweractions.h"
#include "settingskeys.h"
#include "wirenames.h"

#include <QSettings>
#include <algorithm>

namespace {

using namespace UPowerWire;

// A run this much later than planned on the wall clock or CLOCK_BOOTTIME
// had the machine asleep before it; load delays a run by far less.
constexpr qint64 awayDelay = 2 * PowerMonitor::interval;
// Every schedule is due again within a day; with none, the monitor has
// nothing to wake for but what it is told.
constexpr qint64 longestSleep = 24 * 3600 * 1000;

} // namespace

PowerMonitor::PowerMonitor() : scheduled(awayDelay) { }

// A decision that needs more leaves the monitor as it was, so that the
// same run decided again with the answers counts once.
PowerMonitor::Decision PowerMonitor::decide(const Run &run, const QSettings &settings)
{
    PowerMonitor attempt = *this;
    Decision decision;
    attempt.decideOnce(run, settings, decision);
    if (!decision.needs.isEmpty())
        return {{}, false, {}, std::nullopt, decision.needs};
    *this = std::move(attempt);
    return decision;
}

void PowerMonitor::decideOnce(const Run &run, const QSettings &settings, Decision &decision)
{
    scheduled.tick(run.clocks, run.plannedGapMs);
    seen.clear();
    QStringList present;
    const bool onLinePower = toldOnLinePower(run.daemonOnBattery, run.linePowers);
    for (const DeviceProperties &device : run.devices) {
        seen.insert(device.path(), seenOf(device));
        present << device.path();
        if (device.isMachineBattery())
            decideForBattery(device, run, settings, onLinePower, decision);
    }
    QList<DeviceProperties> lowDevices;
    for (const DeviceProperties &device : run.deviceBatteries) {
        if (runsLow(device, settings))
            lowDevices << device;
    }
    deviceWarning.keepOnly(present);
    if (!lowDevices.isEmpty())
        decision.warnings.append(DeviceWarning::message(lowDevices));
    const qint64 untilNextSchedule = runSchedules(run, settings, decision);
    refusals.runDone();
    // Until a schedule becomes due, or an action is to be asked for again,
    // the coming runs could only repeat this one.
    if (decision.requests.isEmpty())
        decision.sleepMs = untilNextSchedule;
}

bool PowerMonitor::runsOnBattery(const Run &run)
{
    const bool onLinePower = toldOnLinePower(run.daemonOnBattery, run.linePowers);
    return std::any_of(run.devices.cbegin(), run.devices.cend(),
                       [onLinePower](const DeviceProperties &device) {
                           return device.isMachineBattery()
                                   && dischargesMachine(device, onLinePower);
                       });
}

void PowerMonitor::decideForBattery(const DeviceProperties &device, const Run &run,
                                    const QSettings &settings, bool onLinePower, Decision &decision)
{
    const QString path = device.path();
    const int percent = chargePercent(device);
    const CriticalSetting critical = criticalSettingFor(settings, path);
    const bool discharging = dischargesMachine(device, onLinePower);
    const auto action = criticalActionFor(critical, percent);
    const bool requesting = action && discharging;
    if (requesting)
        decision.requests.append(*action);
    decision.onBattery = decision.onBattery || discharging;

    const QString model = device.text(modelProperty);
    const CriticalWarning::Reading reading{path, percent, discharging, critical.level,
                                           critical.action};
    if (criticalWarning.observe(reading)) {
        const auto secondsLeft = run.secondsToEmpty.constFind(path);
        if (secondsLeft == run.secondsToEmpty.cend())
            decision.needs.secondsToEmpty.append(path);
        else
            decision.warnings.append(CriticalWarning::message(reading, model, *secondsLeft));
    }
    const auto refusal = refusals.observeBattery(path, critical.action, requesting, critical.level,
                                                 percent, model);
    if (refusal)
        decision.warnings.append(*refusal);
}

// Requests the scheduled actions that are due; returns how long until the
// next schedule is due, 0 while one is, at most the longest sleep.
qint64 PowerMonitor::runSchedules(const Run &run, const QSettings &settings, Decision &decision)
{
    const qint64 now = run.clocks.wallMs;
    qint64 untilNext = longestSleep;
    QStringList due;
    for (const QString &action : schedulableActions()) {
        const auto wait = msUntilScheduleDue(settings, action, run.timeOfDay);
        if (!wait)
            continue;
        untilNext = std::min(untilNext, *wait);
        if (*wait == 0 && scheduled.mayRequest(action, now))
            due.append(action);
    }
    if (due.isEmpty())
        return untilNext;
    if (!run.offeredActions) {
        decision.needs.offeredActions = true;
        return untilNext;
    }
    for (const QString &action : qAsConst(due)) {
        if (!run.offeredActions->contains(action))
            continue;
        scheduled.requested(action, now);
        decision.requests.append(action);
        if (const auto refusal = refusals.observeSchedule(action, now))
            decision.warnings.append(*refusal);
    }
    return untilNext;
}

bool PowerMonitor::runsLow(const DeviceProperties &device, const QSettings &settings)
{
    const bool enabled = settings.value(SettingsKeys::warnWhenLow(device.path()),
                                        SettingsKeys::defaultWarnWhenLow)
                                 .toBool();
    return deviceWarning.observe(device, enabled);
}

PowerMonitor::Seen PowerMonitor::seenOf(const DeviceProperties &device)
{
    const QVariant online = device.value(onlineProperty);
    return {device.type(),
            device.state(),
            chargePercent(device),
            device.enumeration(warningLevelProperty),
            device.enumeration(batteryLevelProperty),
            online.userType() == QMetaType::Bool ? int(online.toBool()) : -1};
}

bool PowerMonitor::seesChange(const QString &path, const DeviceProperties *device) const
{
    const auto last = seen.constFind(path);
    if (!device)
        return last != seen.cend();
    return last == seen.cend() || *last != seenOf(*device);
}
