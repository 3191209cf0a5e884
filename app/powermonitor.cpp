#include "powermonitor.h"

#include "chargerule.h"
#include "monitorrules.h"
#include "poweractions.h"
#include "settingskeys.h"
#include "wirenames.h"

#include <QSettings>
#include <algorithm>

namespace {

// A tick this much later than planned on the wall clock or CLOCK_BOOTTIME
// had the machine asleep before it; load delays a tick by far less.
constexpr qint64 awayDelay = 2 * PowerMonitor::interval;
// The longest the monitor sleeps through its ticks. What no announcement
// tells of (the clock or the time zone set anew) counts from the next
// tick after at most this long, well inside a schedule's two minutes.
constexpr qint64 longestSleep = 30000;

} // namespace

PowerMonitor::PowerMonitor() : scheduled(awayDelay) { }

PowerMonitor::Decision PowerMonitor::decide(const Run &run, const QSettings &settings)
{
    scheduled.tick(run.clocks, run.plannedGapMs);
    Decision decision;
    seen.clear();
    QStringList present;
    QList<DeviceProperties> lowDevices;
    for (const DeviceProperties &device : run.devices) {
        seen.insert(device.path(), seenOf(device));
        present << device.path();
        if (device.isMachineBattery())
            decideForBattery(device, run, settings, decision);
        else if (run.followsDevices && device.isDeviceBattery() && runsLow(device, settings))
            lowDevices << device;
    }
    deviceWarning.keepOnly(present);
    if (!lowDevices.isEmpty())
        decision.warnings.append(DeviceWarning::message(lowDevices));
    const qint64 untilNextSchedule = runSchedules(run, settings, decision);
    refusals.runDone();
    // Until a schedule becomes due, or an action is to be asked for again,
    // the coming ticks could only repeat this one.
    if (run.changesAnnounced && decision.requests.isEmpty())
        decision.sleepMs = untilNextSchedule;
    return decision;
}

void PowerMonitor::decideForBattery(const DeviceProperties &device, const Run &run,
                                    const QSettings &settings, Decision &decision)
{
    const QString path = device.path();
    const int percent = chargePercent(device);
    const CriticalSetting critical = criticalSettingFor(settings, path);
    const bool discharging = device.state() == UPowerWire::Discharging;
    const auto action = criticalActionFor(critical, percent);
    const bool requesting = action && discharging;
    if (requesting)
        decision.requests.append(*action);
    decision.onBattery = decision.onBattery || discharging;

    const auto name = [&run, &device] {
        return run.batteryName(device);
    };
    const auto warning = criticalWarning.observe(
            {path, percent, discharging, critical.level, critical.action, name, [&run, &path] {
                 return run.secondsToEmpty(path);
             }});
    if (warning)
        decision.warnings.append(*warning);
    const auto refusal = refusals.observeBattery(path, critical.action, requesting, critical.level,
                                                 percent, name);
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

    const QMap<QString, QString> offered = run.offeredActions();
    for (const QString &action : qAsConst(due)) {
        if (!offered.contains(action))
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
    return {device.type(), device.state(), chargePercent(device),
            device.enumeration(QStringLiteral("WarningLevel")),
            device.enumeration(QStringLiteral("BatteryLevel"))};
}

bool PowerMonitor::seesChange(const QString &path, const DeviceProperties *device) const
{
    const auto last = seen.constFind(path);
    if (!device)
        return last != seen.cend();
    return last == seen.cend() || *last != seenOf(*device);
}
