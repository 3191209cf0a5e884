#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <functional>
#include <optional>

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
        // Asked only when the warning is shown: on the older stack each
        // question is a call to the daemon.
        std::function<QString()> model;
        std::function<qlonglong()> secondsLeft; // 0 or less when not known
    };

    // How far above the critical level the warning comes, in points.
    static constexpr int band = 5;

    // The warning to show now, if any.
    std::optional<QString> observe(const Reading &reading);

private:
    QString message(const Reading &reading) const;

    QSet<QString> warned;
};
