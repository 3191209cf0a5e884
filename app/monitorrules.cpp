#include "monitorrules.h"

#include "settingskeys.h"
#include "wbattery.h"

#include <QSettings>

std::optional<QString> criticalActionFor(const QSettings &settings, const QString &devicePath,
                                         int percent)
{
    const QString action = settings.value(SettingsKeys::criticalAction(devicePath),
                                          SettingsKeys::defaultCriticalAction())
                                   .toString();
    const int level = settings.value(SettingsKeys::criticalChargeLevel(devicePath),
                                     SettingsKeys::defaultCriticalChargeLevel)
                              .toInt();
    // A charge that cannot be known never shuts the machine down.
    if (action == SettingsKeys::nothingAction() || percent == UnknownCharge || percent > level)
        return std::nullopt;
    return action;
}

bool scheduleDue(const QSettings &settings, const QString &action, const QTime &now)
{
    const bool enabled = settings.value(SettingsKeys::scheduleEnabled(action)).toBool();
    const QTime time = settings.value(SettingsKeys::scheduleTime(action)).toTime();
    // A schedule without a readable time would otherwise be due on every run
    // (secsTo() of an invalid time is 0).
    if (!enabled || !time.isValid())
        return false;
    return now.secsTo(time) / 60 == 0;
}
