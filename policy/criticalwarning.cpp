#include "criticalwarning.h"

#include "chargerule.h"
#include "foreigntext.h"
#include "poweractions.h"
#include "settingskeys.h"

bool CriticalWarning::observe(const Reading &reading)
{
    const bool known = reading.percent != UnknownCharge;
    if (!reading.discharging || (known && reading.percent > reading.level + band)) {
        warned.remove(reading.path);
        return false;
    }
    // At or below the level the action itself speaks; "Nothing" has nothing
    // to warn of, and an unknown charge nothing to tell.
    if (!known || reading.percent <= reading.level
        || reading.action == SettingsKeys::nothingAction() || warned.contains(reading.path))
        return false;
    warned.insert(reading.path);
    return true;
}

QString CriticalWarning::message(const Reading &reading, const QString &model,
                                 qlonglong secondsLeft)
{
    const QString name = ForeignText::name(model);
    const QString battery = name.isEmpty() ? ForeignText::reason(reading.path) : name;
    const QString action = powerActionName(reading.action);
    // No-break spaces: a notification must not wrap "25 %" apart.
    const QString then = tr("%1 at %2\u00a0%.").arg(action, QString::number(reading.level));
    // One pass over each text: a model may hold "%1" itself.
    const QString percent = QString::number(reading.percent);
    if (secondsLeft <= 0)
        return tr("%1 is at %2\u00a0%. %3").arg(battery, percent, then);
    const qlonglong minutes =
            qMax<qlonglong>(1, secondsLeft / 60 + (secondsLeft % 60 >= 30 ? 1 : 0));
    return tr("%1 is at %2\u00a0%, about %3\u00a0min left. %4")
            .arg(battery, percent, QString::number(minutes), then);
}
