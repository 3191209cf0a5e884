#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QString>

// Warns once before a battery's critical action: when a discharging battery
// first comes within a few points above its critical level, it says what
// will happen at which level. Charging, line power coming back or the
// charge rising above that band ends the episode; the next run-down warns
// again. Fed once per battery on every run of the power monitor.
class CriticalWarning
{
    Q_DECLARE_TR_FUNCTIONS(CriticalWarning)

public:
    // One battery as the monitor sees it on one run.
    struct Reading
    {
        QString path;
        int percent; // chargePercent()'s answer, UnknownCharge included
        bool discharging;
        int level; // the stored critical level
        QString action; // the stored critical action
    };

    // How far above the critical level the warning comes, in points.
    static constexpr int band = 5;

    // Whether to warn of the battery now.
    bool observe(const Reading &reading);

    // The warning: model is the battery's as the daemon gives it,
    // secondsLeft its time to empty (0 or less when not known).
    static QString message(const Reading &reading, const QString &model, qlonglong secondsLeft);

private:
    QSet<QString> warned;
};
