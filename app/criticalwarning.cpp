#include "criticalwarning.h"

#include "chargerule.h"
#include "foreigntext.h"
#include "poweractions.h"
#include "settingskeys.h"

std::optional<QString> CriticalWarning::observe(const Reading &reading)
{
    const bool known = reading.percent != UnknownCharge;
    if (!reading.discharging || (known && reading.percent > reading.level + band)) {
        warned.remove(reading.path);
        return std::nullopt;
    }
    // At or below the level the action itself speaks; "Nothing" has nothing
    // to warn of, and an unknown charge nothing to tell.
    if (!known || reading.percent <= reading.level
        || reading.action == SettingsKeys::nothingAction() || warned.contains(reading.path))
        return std::nullopt;
    warned.insert(reading.path);
    return message(reading);
}

QString CriticalWarning::message(const Reading &reading) const
{
    const QString model = ForeignText::name(reading.model());
    const QString battery = model.isEmpty() ? reading.path : model;
    const QString action = powerActionName(reading.action);
    // No-break spaces: a notification must not wrap "25 %" apart.
    const QString then = tr("%1 at %2\u00a0%.").arg(action, QString::number(reading.level));
    // One pass over each text: a model may hold "%1" itself.
    const QString percent = QString::number(reading.percent);
    const qlonglong seconds = reading.secondsLeft();
    if (seconds <= 0)
        return tr("%1 is at %2\u00a0%. %3").arg(battery, percent, then);
    const qlonglong minutes = qMax<qlonglong>(1, seconds / 60 + (seconds % 60 >= 30 ? 1 : 0));
    return tr("%1 is at %2\u00a0%, about %3\u00a0min left. %4")
            .arg(battery, percent, QString::number(minutes), then);
}
