#pragma once

#include "criticalwarning.h"
#include "deviceproperties.h"
#include "devicewarning.h"
#include "refusalnotice.h"
#include "scheduledrequests.h"
#include "timeofday.h"

#include <QHash>
#include <QMap>
#include <QStringList>
#include <functional>
#include <optional>
#include <tuple>

class QSettings;

// What the power monitor decides on one run, from the devices' values, the
// settings and the clocks: which actions to request, whether the machine
// runs on battery, which warning to show, and when the next run is due. It
// holds no widgets and speaks to no daemon; whatever it may need to ask is
// handed to it as a function, and asked only when needed.
class PowerMonitor
{
public:
    // The monitor's interval: ticks come on a grid of this many milliseconds.
    static constexpr int interval = 5000;

    struct Run
    {
        QList<DeviceProperties> devices;
        MachineClocks clocks;
        QTime timeOfDay;
        qint64 plannedGapMs; // how long after the last run this one was due
        // Every value read is announced when it changes, and so are edits
        // of the settings: a run may sleep through those that could only
        // repeat it.
        bool changesAnnounced;
        // The values of the devices' own batteries are kept current, so
        // that they can be warned about.
        bool followsDevices;
        // The actions the machine offers now; asked only when one is due.
        std::function<QMap<QString, QString>()> offeredActions;
        // A battery's name and its time to empty, for the warning.
        std::function<QString(const DeviceProperties &)> batteryName;
        std::function<qlonglong(const QString &path)> secondsToEmpty;
    };

    struct Decision
    {
        QStringList requests; // in order: critical actions, then schedules
        bool onBattery = false;
        QStringList warnings; // and refusals of what was asked for

        // How long the clock may sleep after this run; none: the next tick.
        std::optional<qint64> sleepMs;
    };

    PowerMonitor();

    Decision decide(const Run &run, const QSettings &settings);

    // The machine says it has woken from sleep.
    void machineWasAway() { scheduled.machineWasAway(); }
    // The system refused an action the monitor asked for; the next run
    // tells so if it still asks for it.
    void refused(const PowerRefusal &refusal) { refusals.refused(refusal); }
    // Whether a run now could decide otherwise than the last one did for
    // this device (none: it is gone).
    bool seesChange(const QString &path, const DeviceProperties *device) const;

private:
    void decideForBattery(const DeviceProperties &device, const Run &run, const QSettings &settings,
                          Decision &decision);
    // Whether a device's battery has just run low and is to be warned of.
    bool runsLow(const DeviceProperties &device, const QSettings &settings);
    qint64 runSchedules(const Run &run, const QSettings &settings, Decision &decision);

    ScheduledRequests scheduled;
    CriticalWarning criticalWarning;
    RefusalNotice refusals;
    DeviceWarning deviceWarning;
    // What the last run read of each device (type, state, charge, and the
    // levels devices report): a change to anything else decides nothing.
    using Seen = std::tuple<uint, uint, int, uint, uint>;
    static Seen seenOf(const DeviceProperties &device);
    QHash<QString, Seen> seen;
};
