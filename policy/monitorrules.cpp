#include "monitorrules.h"

#include "chargerule.h"
#include "settingskeys.h"

#include <QSettings>
#include <algorithm>

CriticalSetting criticalSettingFor(const QSettings &settings, const QString &devicePath)
{
    return {settings.value(SettingsKeys::criticalAction(devicePath),
                           SettingsKeys::defaultCriticalAction())
                    .toString(),
            settings.value(SettingsKeys::criticalChargeLevel(devicePath),
                           SettingsKeys::defaultCriticalChargeLevel)
                    .toInt()};
}

std::optional<QString> criticalActionFor(const CriticalSetting &setting, int percent)
{
    // A charge that cannot be known never shuts the machine down.
    if (setting.action == SettingsKeys::nothingAction() || percent == UnknownCharge
        || percent > setting.level)
        return std::nullopt;
    return setting.action;
}

std::optional<qint64> msUntilScheduleDue(const QSettings &settings, const QString &action,
                                         const QTime &now)
{
    const bool enabled = settings.value(SettingsKeys::scheduleEnabled(action)).toBool();
    const QTime time = settings.value(SettingsKeys::scheduleTime(action)).toTime();
    // A schedule without a readable time would otherwise be due on every run
    // (secsTo() of an invalid time is 0).
    if (!enabled || !time.isValid())
        return std::nullopt;
    // Due within the minute around the time, counted in whole seconds.
    if (qAbs(now.secsTo(time)) <= scheduleReachSeconds)
        return 0;
    // So it becomes due at the whole second 59 s before the time, but not
    // before midnight: a schedule does not reach into the day before. One
    // that has passed today is due again tomorrow.
    constexpr qint64 dayMs = 24 * 3600 * 1000;
    const qint64 opensMs =
            std::max(0, time.msecsSinceStartOfDay() / 1000 - scheduleReachSeconds) * qint64(1000);
    const qint64 waitMs = opensMs - now.msecsSinceStartOfDay();
    return waitMs > 0 ? waitMs : waitMs + dayMs;
}
