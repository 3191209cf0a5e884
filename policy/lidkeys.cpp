#include "lidkeys.h"

#include "refusalnotice.h"

#include <algorithm>

namespace {

using Choice = LidKeys::Choice;

constexpr Choice everyChoice[] = {Choice::System,    Choice::Nothing, Choice::ScreenOff,
                                  Choice::Lock,      Choice::Ask,     Choice::Suspend,
                                  Choice::Hibernate, Choice::Shutdown};

std::optional<Choice> storedChoice(const QVariant &stored)
{
    // A settings file edited by hand can hold a list or a number here.
    if (stored.userType() != QMetaType::QString)
        return std::nullopt;
    const QString text = stored.toString();
    // The critical action's identifier of "nothing" means the same.
    if (text == QLatin1String("*"))
        return Choice::Nothing;
    for (Choice choice : everyChoice) {
        if (text == LidKeys::identifier(choice))
            return choice;
    }
    return std::nullopt;
}

// logind's handling as the program can carry it out; none for what it
// cannot (reboot, kexec, factory-reset...) and for what it does not know.
std::optional<Choice> logindAction(const QString &handling)
{
    if (handling == QLatin1String("ignore"))
        return Choice::Nothing;
    if (handling == QLatin1String("lock"))
        return Choice::Lock;
    // The machine sleeps in all of them; suspend is the part the program
    // can ask for.
    if (handling == QLatin1String("suspend") || handling == QLatin1String("hybrid-sleep")
        || handling == QLatin1String("suspend-then-hibernate")
        || handling == QLatin1String("sleep"))
        return Choice::Suspend;
    if (handling == QLatin1String("hibernate"))
        return Choice::Hibernate;
    if (handling == QLatin1String("poweroff") || handling == QLatin1String("halt"))
        return Choice::Shutdown;
    return std::nullopt;
}

void appendOffered(QList<Choice> &choices, const QMap<QString, QString> &offeredActions)
{
    if (offeredActions.contains(QStringLiteral("suspend")))
        choices << Choice::Suspend;
    if (offeredActions.contains(QStringLiteral("hibernate")))
        choices << Choice::Hibernate;
    choices << Choice::Shutdown;
}

} // namespace

LidKeys::Stack LidKeys::stackOf(bool logindKnown, bool logindRuns, bool inhibitRefusedAsMissing)
{
    if (inhibitRefusedAsMissing || (logindKnown && !logindRuns))
        return Stack::WithoutLogind;
    return logindKnown ? Stack::Logind : Stack::Unknown;
}

QString LidKeys::identifier(Choice choice)
{
    switch (choice) {
    case Choice::System:
        return QStringLiteral("system");
    case Choice::Nothing:
        return QStringLiteral("nothing");
    case Choice::ScreenOff:
        return QStringLiteral("screen-off");
    case Choice::Lock:
        return QStringLiteral("lock");
    case Choice::Ask:
        return QStringLiteral("ask");
    case Choice::Suspend:
    case Choice::Hibernate:
    case Choice::Shutdown:
        return powerAction(choice);
    }
    return QString();
}

QString LidKeys::name(Choice choice)
{
    switch (choice) {
    case Choice::System:
        return tr("Let the system decide");
    case Choice::Nothing:
        return tr("Nothing");
    case Choice::ScreenOff:
        return tr("Turn the screen off");
    case Choice::Lock:
        return tr("Lock the screen");
    case Choice::Ask:
        return tr("Ask");
    case Choice::Suspend:
        return tr("Suspend");
    case Choice::Hibernate:
        return tr("Hibernate");
    case Choice::Shutdown:
        return tr("Shut down");
    }
    return QString();
}

std::optional<LidKeys::Choice> LidKeys::storedLidChoice(const QVariant &stored)
{
    const std::optional<Choice> choice = storedChoice(stored);
    if (choice == Choice::Ask)
        return std::nullopt;
    return choice;
}

std::optional<LidKeys::Choice> LidKeys::storedKeyChoice(Key key, const QVariant &stored)
{
    const std::optional<Choice> choice = storedChoice(stored);
    if (choice == Choice::ScreenOff || choice == Choice::Lock
        || (choice == Choice::Ask && key != Key::Power))
        return std::nullopt;
    return choice;
}

LidKeys::Choice LidKeys::lidChoice(const QVariant &stored)
{
    return storedLidChoice(stored).value_or(Choice::System);
}

LidKeys::Choice LidKeys::keyChoice(Key key, const QVariant &stored)
{
    return storedKeyChoice(key, stored).value_or(Choice::System);
}

QList<LidKeys::Choice> LidKeys::lidChoices(Stack stack,
                                           const QMap<QString, QString> &offeredActions,
                                           bool screenCanTurnOff)
{
    QList<Choice> choices{Choice::System, Choice::Nothing};
    if (screenCanTurnOff)
        choices << Choice::ScreenOff;
    // logind locks the session; the older stack has nobody to ask.
    if (stack != Stack::WithoutLogind)
        choices << Choice::Lock;
    appendOffered(choices, offeredActions);
    return choices;
}

QList<LidKeys::Choice> LidKeys::keyChoices(Key key, Stack stack,
                                           const QMap<QString, QString> &offeredActions)
{
    // Without logind the program has no way to keep the system from
    // acting on the key as well.
    if (stack == Stack::WithoutLogind)
        return {Choice::System};
    QList<Choice> choices{Choice::System};
    if (key == Key::Power)
        choices << Choice::Ask;
    appendOffered(choices, offeredActions);
    choices << Choice::Nothing;
    return choices;
}

QList<LidKeys::Choice> LidKeys::askedChoices(const QMap<QString, QString> &offeredActions)
{
    QList<Choice> choices;
    appendOffered(choices, offeredActions);
    return choices;
}

LidKeys::LidCase LidKeys::lidCase(bool onBattery, int monitorCount)
{
    if (monitorCount > 1)
        return LidCase::Docked;
    return onBattery ? LidCase::OnBattery : LidCase::OnLinePower;
}

LidKeys::Choice LidKeys::systemAction(LidCase lidCase, const LogindHandling &handling)
{
    const Choice lidSwitch = logindAction(handling.lidSwitch).value_or(Choice::Suspend);
    switch (lidCase) {
    case LidCase::OnBattery:
        return lidSwitch;
    case LidCase::OnLinePower:
        return logindAction(handling.externalPower).value_or(lidSwitch);
    case LidCase::Docked:
        return logindAction(handling.docked).value_or(Choice::Nothing);
    }
    return Choice::Nothing;
}

bool LidKeys::takesLid(Stack stack, const QList<Choice> &lidChoices)
{
    return stack == Stack::Logind
            && std::any_of(lidChoices.cbegin(), lidChoices.cend(),
                           [](Choice choice) { return choice != Choice::System; });
}

bool LidKeys::takesKey(Stack stack, Choice keyChoice)
{
    return stack == Stack::Logind && keyChoice != Choice::System;
}

bool LidKeys::holdsKeyInhibitor(Stack stack, Choice keyChoice, bool grabHeld)
{
    return takesKey(stack, keyChoice) && grabHeld;
}

std::optional<LidKeys::Choice> LidKeys::lidAction(Stack stack, bool inhibitorHeld, Choice chosen)
{
    switch (stack) {
    case Stack::Unknown:
        return std::nullopt;
    case Stack::Logind:
        // Without the inhibitor logind acts itself.
        if (!inhibitorHeld)
            return std::nullopt;
        return chosen;
    case Stack::WithoutLogind:
        // The system decides: whatever it does, it does without the program.
        if (chosen == Choice::System)
            return std::nullopt;
        return chosen;
    }
    return std::nullopt;
}

std::optional<LidKeys::Choice> LidKeys::keyAction(Stack stack, bool inhibitorHeld, Choice chosen)
{
    if (stack != Stack::Logind || !inhibitorHeld || chosen == Choice::System)
        return std::nullopt;
    return chosen;
}

QString LidKeys::powerAction(Choice choice)
{
    switch (choice) {
    case Choice::Suspend:
        return QStringLiteral("suspend");
    case Choice::Hibernate:
        return QStringLiteral("hibernate");
    case Choice::Shutdown:
        return QStringLiteral("shutdown");
    default:
        return QString();
    }
}

std::optional<LidKeys::Choice> LidKeys::choiceOfPowerAction(const QString &action)
{
    for (Choice choice : {Choice::Suspend, Choice::Hibernate, Choice::Shutdown}) {
        if (action == powerAction(choice))
            return choice;
    }
    return std::nullopt;
}

QString LidKeys::keptNote(Key key, KeptBy keeper, const QString &reason)
{
    const bool power = key == Key::Power;
    switch (keeper) {
    case KeptBy::Display:
        return power ? tr("The system keeps the power key: %1.").arg(reason)
                     : tr("The system keeps the suspend key: %1.").arg(reason);
    case KeptBy::AnotherProgram:
        // The display server does not say which: the key may also be
        // missing from the keyboard's map.
        return power ? tr("Another program holds the power key, or no key sends it: the system "
                          "keeps it.")
                     : tr("Another program holds the suspend key, or no key sends it: the "
                          "system keeps it.");
    case KeptBy::Logind:
        return power ? tr("logind keeps the power key: %1.").arg(reason)
                     : tr("logind keeps the suspend key: %1.").arg(reason);
    }
    return QString();
}

QString LidKeys::lidKeptNote(const QString &reason)
{
    return tr("logind keeps the lid: %1.").arg(reason);
}

QString LidKeys::refusalText(const PowerRefusal &refusal)
{
    const std::optional<Choice> choice = choiceOfPowerAction(refusal.action);
    const QString action = choice ? name(*choice) : refusal.action;
    return tr("%1 was refused: %2.").arg(action, RefusalNotice::reason(refusal));
}
