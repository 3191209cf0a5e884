#pragma once

#include "clock.h"
#include "criticalwarning.h"
#include "deviceproperties.h"
#include "devicewarning.h"
#include "refusalnotice.h"
#include "scheduledrequests.h"

#include <QHash>
#include <QMap>
#include <QStringList>
#include <optional>
#include <tuple>

class QSettings;

// What the power monitor decides on one run, from the devices' values, the
// settings and the clocks: which actions to request, whether the machine
// runs on battery, which warnings to show, and how long the coming runs
// could only repeat this one. It holds no widgets and asks nobody: what a
// decision needs beyond the run's values it says (Decision::needs), and the
// caller asks for it and decides again with the answers in the run.
class PowerMonitor
{
public:
    // The monitor's interval: runs come on a grid of this many milliseconds.
    static constexpr int interval = 5000;

    struct Run
    {
        // Every device the services list, in their order.
        QList<DeviceProperties> devices;
        // The batteries of the machine's devices whose values the services
        // keep current, so that they can be warned about.
        QList<DeviceProperties> deviceBatteries;
        MachineClocks clocks;
        QTime timeOfDay;
        qint64 plannedGapMs; // how long after the last run this one was due

        // What the daemon says of line power, where it keeps that current:
        // its OnBattery and its line-power devices (none on the older
        // daemon, which the monitor does not ask for them).
        std::optional<bool> daemonOnBattery;
        QList<DeviceProperties> linePowers;

        // Answers to what an earlier decision on this run needed.
        std::optional<QMap<QString, QString>> offeredActions;
        QHash<QString, qlonglong> secondsToEmpty; // by battery
    };

    // What a decision needs to be made: the caller asks, and decides again.
    struct Needs
    {
        bool offeredActions = false; // a schedule is due
        QStringList secondsToEmpty; // batteries to be warned of

        bool isEmpty() const { return !offeredActions && secondsToEmpty.isEmpty(); }
    };

    struct Decision
    {
        QStringList requests; // in order: critical actions, then schedules
        bool onBattery = false;
        QStringList warnings; // and refusals of what was asked for

        // How long the coming runs could only repeat this one, unless
        // something they read changes; none: the next run may differ.
        std::optional<qint64> sleepMs;

        // Not empty: nothing above holds and nothing was decided yet.
        Needs needs;
    };

    PowerMonitor();

    Decision decide(const Run &run, const QSettings &settings);
    // Whether the machine runs on its batteries, as decide() would say of
    // the run.
    static bool runsOnBattery(const Run &run);

    // The machine says it has woken from sleep.
    void machineWasAway() { scheduled.machineWasAway(); }
    // The system refused an action the monitor asked for; the next run
    // tells so if it still asks for it.
    void refused(const PowerRefusal &refusal) { refusals.refused(refusal); }
    // Whether a run now could decide otherwise than the last one did for
    // this device (none: it is gone).
    bool seesChange(const QString &path, const DeviceProperties *device) const;

private:
    void decideOnce(const Run &run, const QSettings &settings, Decision &decision);
    void decideForBattery(const DeviceProperties &device, const Run &run, const QSettings &settings,
                          bool onLinePower, Decision &decision);
    // Whether a device's battery has just run low and is to be warned of.
    bool runsLow(const DeviceProperties &device, const QSettings &settings);
    qint64 runSchedules(const Run &run, const QSettings &settings, Decision &decision);

    ScheduledRequests scheduled;
    CriticalWarning criticalWarning;
    RefusalNotice refusals;
    DeviceWarning deviceWarning;
    // What the last run read of each device (type, state, charge, the
    // levels devices report, and whether line power is online): a change
    // to anything else decides nothing.
    using Seen = std::tuple<uint, uint, int, uint, uint, int>;
    static Seen seenOf(const DeviceProperties &device);
    QHash<QString, Seen> seen;
};
