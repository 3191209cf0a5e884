#include "idlechoices.h"

#include "settingskeys.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

IdleChoices IdleChoices::read(const QSettings &store, bool onBattery)
{
    IdleChoices choices;
    choices.dimAfter = seconds(store.value(SettingsKeys::idleDimAfter(onBattery)),
                               SettingsKeys::defaultIdleDimAfter(onBattery));
    choices.dimTo = percent(store.value(SettingsKeys::idleDimTo(onBattery)),
                            SettingsKeys::defaultIdleDimTo);
    choices.screenOffAfter = seconds(store.value(SettingsKeys::idleScreenOffAfter(onBattery)),
                                     SettingsKeys::defaultIdleScreenOffAfter(onBattery));
    choices.sleepAfter = seconds(store.value(SettingsKeys::idleSleepAfter(onBattery)),
                                 SettingsKeys::defaultIdleSleepAfter);
    choices.sleepAction = action(store.value(SettingsKeys::idleSleepAction(onBattery)),
                                 SettingsKeys::defaultIdleSleepAction());
    return choices;
}

int IdleChoices::seconds(const QVariant &stored, int fallback)
{
    if (!stored.isValid())
        return fallback;
    bool number = false;
    const qlonglong value = stored.toString().trimmed().toLongLong(&number);
    if (!number)
        return fallback;
    return value < 0 || value > maxSeconds ? 0 : int(value);
}

int IdleChoices::percent(const QVariant &stored, int fallback)
{
    if (!stored.isValid())
        return fallback;
    bool number = false;
    const qlonglong value = stored.toString().trimmed().toLongLong(&number);
    return number && value >= 1 && value <= 100 ? int(value) : fallback;
}

QString IdleChoices::action(const QVariant &stored, const QString &fallback)
{
    if (!stored.isValid())
        return fallback;
    static const QStringList known{SettingsKeys::nothingAction(), QStringLiteral("shutdown"),
                                   QStringLiteral("hibernate"), QStringLiteral("suspend")};
    const QString value = stored.toString();
    return known.contains(value) ? value : SettingsKeys::nothingAction();
}

bool IdleChoices::operator==(const IdleChoices &other) const
{
    return dimAfter == other.dimAfter && dimTo == other.dimTo
            && screenOffAfter == other.screenOffAfter && sleepAfter == other.sleepAfter
            && sleepAction == other.sleepAction;
}
