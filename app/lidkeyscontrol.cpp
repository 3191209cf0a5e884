#include "lidkeyscontrol.h"

#include "displayserver.h"
#include "foreigntext.h"
#include "globalkeys.h"
#include "logindinhibitor.h"
#include "logindlidhandling.h"
#include "logindsession.h"
#include "monitors.h"
#include "powercontroller.h"
#include "powerrefusal.h"
#include "powerservices.h"
#include "screenpower.h"
#include "settingskeys.h"
#include "wirenames.h"

#include <QSettings>
#include <QTimer>

using Choice = LidKeys::Choice;
using Key = LidKeys::Key;
using Stack = LidKeys::Stack;

namespace {

quint32 keysymOf(Key key)
{
    return key == Key::Power ? GlobalKeys::PowerOff : GlobalKeys::Sleep;
}

QString settingsKeyOf(Key key)
{
    return key == Key::Power ? SettingsKeys::powerKey() : SettingsKeys::suspendKey();
}

QString settingsKeyOf(LidKeys::LidCase lidCase)
{
    switch (lidCase) {
    case LidKeys::LidCase::OnBattery:
        return SettingsKeys::lidOnBattery();
    case LidKeys::LidCase::OnLinePower:
        return SettingsKeys::lidOnLinePower();
    case LidKeys::LidCase::Docked:
        return SettingsKeys::lidDocked();
    }
    return QString();
}

} // namespace

bool LidKeysControl::Choices::operator==(const Choices &other) const
{
    return onBattery == other.onBattery && onLinePower == other.onLinePower
            && docked == other.docked && powerKey == other.powerKey
            && suspendKey == other.suspendKey;
}

LidKeysControl::LidKeysControl(PowerController *power, PowerServices *services)
    : QObject(power), power(power), services(services),
      lidInhibitor(new LogindInhibitor(LogindHandleWire::lidSwitch,
                                       tr("Handles the lid as set in the power manager"),
                                       LogindInhibitor::Block, this)),
      powerKeyInhibitor(new LogindInhibitor(LogindHandleWire::powerKey,
                                            tr("Handles the power key as set in the power manager"),
                                            LogindInhibitor::Block, this)),
      suspendKeyInhibitor(
              new LogindInhibitor(LogindHandleWire::suspendKey,
                                  tr("Handles the suspend key as set in the power manager"),
                                  LogindInhibitor::Block, this)),
      settle(new QTimer(this))
{
    settle->setSingleShot(true);
    settle->setInterval(settleMs);
    connect(settle, &QTimer::timeout, this, &LidKeysControl::lidClosed);

    for (LogindInhibitor *inhibitor : {lidInhibitor, powerKeyInhibitor, suspendKeyInhibitor}) {
        connect(inhibitor, &LogindInhibitor::stateChanged, this,
                [this, inhibitor] { inhibitorChanged(inhibitor); });
    }
    LogindSession *session = power->session();
    connect(session, &LogindSession::availabilityKnown, this, &LidKeysControl::logindChanged);
    connect(session, &LogindSession::availabilityChanged, this, &LidKeysControl::logindChanged);

    GlobalKeys *keys = power->display()->globalKeys();
    connect(keys, &GlobalKeys::pressed, this, &LidKeysControl::keyPressed);
    // The keys are grabbed anew: which are held may have changed.
    connect(keys, &GlobalKeys::keyboardMappingChanged, this, [this] { take(false); });

    connect(services, &PowerServices::managerChanged, this, &LidKeysControl::followLid);
    connect(services, &PowerServices::refused, this, &LidKeysControl::refused);
    // What was asked before the machine slept has been carried out.
    connect(services, &PowerServices::woke, this, [this] { awaitingAnswer.clear(); });
    // Every tick: edits made outside the program, read from the store then.
    connect(power, &PowerController::onBattery, this, &LidKeysControl::apply);
}

LidKeysControl::~LidKeysControl() = default;

LidKeys::Stack LidKeysControl::stack() const
{
    const LogindSession *session = power->session();
    return LidKeys::stackOf(session->isAvailabilityKnown(), session->isAvailable(), logindMissing);
}

LidKeysControl::Choices LidKeysControl::readChoices() const
{
    const QSettings *store = power->settings();
    const QString fallback = SettingsKeys::defaultLidOrKey();
    Choices choices;
    choices.onBattery = LidKeys::lidChoice(store->value(SettingsKeys::lidOnBattery(), fallback));
    choices.onLinePower =
            LidKeys::lidChoice(store->value(SettingsKeys::lidOnLinePower(), fallback));
    choices.docked = LidKeys::lidChoice(store->value(SettingsKeys::lidDocked(), fallback));
    choices.powerKey =
            LidKeys::keyChoice(Key::Power, store->value(SettingsKeys::powerKey(), fallback));
    choices.suspendKey =
            LidKeys::keyChoice(Key::Suspend, store->value(SettingsKeys::suspendKey(), fallback));
    return choices;
}

void LidKeysControl::apply()
{
    const Choices choices = readChoices();
    const Stack now = stack();
    if (choices == applied && now == appliedStack)
        return;
    applied = choices;
    appliedStack = now;
    // A new choice is worth asking logind again for what it refused.
    take(true);
}

// Holds what the applied choices ask for: the lid's inhibitor, and each
// key's grab with its inhibitor.
void LidKeysControl::take(bool askAgain)
{
    want(lidInhibitor,
         LidKeys::takesLid(appliedStack, {applied.onBattery, applied.onLinePower, applied.docked}),
         askAgain);
    takeKey(Key::Power, applied.powerKey, askAgain);
    takeKey(Key::Suspend, applied.suspendKey, askAgain);
    emit offerChanged();
}

void LidKeysControl::takeKey(Key key, Choice chosen, bool askAgain)
{
    GlobalKeys *keys = power->display()->globalKeys();
    const quint32 keysym = keysymOf(key);
    LogindInhibitor *inhibitor = inhibitorOf(key);
    if (!LidKeys::takesKey(appliedStack, chosen)) {
        // logind answers the key again before the program lets it go.
        want(inhibitor, false, askAgain);
        keys->ungrab(keysym);
        return;
    }
    if (askAgain && !keys->isHeld(keysym))
        keys->grab(keysym);
    want(inhibitor, LidKeys::holdsKeyInhibitor(appliedStack, chosen, keys->isHeld(keysym)),
         askAgain);
}

void LidKeysControl::want(LogindInhibitor *inhibitor, bool wanted, bool askAgain)
{
    if (!wanted) {
        // A refusal stays on record, for the page to tell why.
        if (inhibitor->state() == LogindInhibitor::Held
            || inhibitor->state() == LogindInhibitor::Asking)
            inhibitor->release();
        return;
    }
    if (inhibitor->state() == LogindInhibitor::NotHeld
        || (askAgain && inhibitor->state() == LogindInhibitor::Refused))
        inhibitor->acquire();
}

void LidKeysControl::inhibitorChanged(LogindInhibitor *inhibitor)
{
    if (inhibitor->state() != LogindInhibitor::Asking)
        decideWhatWaited(inhibitor);
    if (inhibitor->isRefusedAsMissing() && !logindMissing) {
        logindMissing = true;
        apply();
        return;
    }
    // A key logind keeps is not kept from the other programs either.
    if (inhibitor->state() == LogindInhibitor::Refused && inhibitor != lidInhibitor)
        power->display()->globalKeys()->ungrab(
                keysymOf(inhibitor == powerKeyInhibitor ? Key::Power : Key::Suspend));
    emit offerChanged();
}

// logind holds an inhibitor from the moment it is asked, so a press or a
// closing that came before its answer reached the program is judged on the
// answer: dropped, it would be answered by nobody.
void LidKeysControl::decideWhatWaited(LogindInhibitor *inhibitor)
{
    if (inhibitor == lidInhibitor) {
        if (std::exchange(lidClosedWhileAsking, false) && lidIsClosed)
            lidClosed();
        return;
    }
    const quint32 keysym = keysymOf(inhibitor == powerKeyInhibitor ? Key::Power : Key::Suspend);
    if (pressedWhileAsking.remove(keysym))
        keyPressed(keysym);
}

void LidKeysControl::logindChanged(bool runs)
{
    if (runs)
        logindMissing = false;
    apply();
}

LogindInhibitor *LidKeysControl::inhibitorOf(Key key) const
{
    return key == Key::Power ? powerKeyInhibitor : suspendKeyInhibitor;
}

void LidKeysControl::followLid()
{
    // A value of another type, or a machine without a lid, tells nothing.
    const std::optional<bool> closed = services->isLidClosed();
    if (services->hasLid() != true || !closed)
        return;
    if (!std::exchange(lidKnown, true)) {
        lidIsClosed = *closed;
        return;
    }
    if (*closed == lidIsClosed)
        return;
    lidIsClosed = *closed;
    ++lidChanges;
    if (lidIsClosed) {
        settle->start();
    } else {
        settle->stop();
        lidOpened();
    }
}

void LidKeysControl::lidOpened()
{
    if (std::exchange(screenTurnedOff, false))
        power->display()->screenPower()->turnOn();
    lidClosedWhileAsking = false;
    // A refusal that comes now asks nothing more of the person.
    awaitingAnswer.clear();
}

// The lid has stayed closed: the case is judged now.
void LidKeysControl::lidClosed()
{
    if (lidInhibitor->state() == LogindInhibitor::Asking) {
        lidClosedWhileAsking = true;
        return;
    }
    const LidKeys::LidCase lidCase =
            LidKeys::lidCase(power->isOnBattery(), power->display()->monitors()->count());
    const Choice chosen = LidKeys::lidChoice(
            power->settings()->value(settingsKeyOf(lidCase), SettingsKeys::defaultLidOrKey()));
    const std::optional<Choice> action =
            LidKeys::lidAction(stack(), lidInhibitor->isHeld(), chosen);
    if (!action)
        return;
    if (*action != Choice::System) {
        act(*action);
        return;
    }
    const int closing = lidChanges;
    LogindLidHandling::ask(this, [this, closing, lidCase](const LidKeys::LogindHandling &handling) {
        // Opened again meanwhile, or given back to logind.
        if (closing != lidChanges || !lidInhibitor->isHeld())
            return;
        act(LidKeys::systemAction(lidCase, handling));
    });
}

void LidKeysControl::keyPressed(quint32 keysym)
{
    Key key;
    if (keysym == GlobalKeys::PowerOff)
        key = Key::Power;
    else if (keysym == GlobalKeys::Sleep)
        key = Key::Suspend;
    else
        return;
    if (inhibitorOf(key)->state() == LogindInhibitor::Asking) {
        pressedWhileAsking.insert(keysym);
        return;
    }
    const Choice chosen = LidKeys::keyChoice(
            key, power->settings()->value(settingsKeyOf(key), SettingsKeys::defaultLidOrKey()));
    const std::optional<Choice> action =
            LidKeys::keyAction(stack(), inhibitorOf(key)->isHeld(), chosen);
    if (!action)
        return;
    if (*action == Choice::Ask)
        emit askRequested();
    else
        act(*action);
}

void LidKeysControl::carryOut(const QString &action)
{
    if (const std::optional<Choice> choice = LidKeys::choiceOfPowerAction(action))
        act(*choice);
}

void LidKeysControl::act(Choice choice)
{
    switch (choice) {
    case Choice::System:
    case Choice::Nothing:
    case Choice::Ask:
        return;
    case Choice::ScreenOff:
        if (power->display()->screenPower()->turnOff())
            screenTurnedOff = true;
        return;
    case Choice::Lock:
        power->session()->lock();
        return;
    case Choice::Suspend:
    case Choice::Hibernate:
    case Choice::Shutdown: {
        const QString action = LidKeys::powerAction(choice);
        awaitingAnswer.insert(action);
        power->request(action);
        return;
    }
    }
}

void LidKeysControl::refused(const PowerRefusal &refusal)
{
    if (awaitingAnswer.remove(refusal.action))
        emit warning(LidKeys::refusalText(refusal));
}

LidKeys::Offer LidKeysControl::offer() const
{
    const Stack now = stack();
    const QMap<QString, QString> offered = power->offeredActions();
    LidKeys::Offer offer;
    offer.lid = LidKeys::lidChoices(now, offered, power->display()->screenPower()->isAvailable());
    offer.powerKey = LidKeys::keyChoices(Key::Power, now, offered);
    offer.suspendKey = LidKeys::keyChoices(Key::Suspend, now, offered);
    if (LidKeys::takesLid(appliedStack, {applied.onBattery, applied.onLinePower, applied.docked})
        && lidInhibitor->state() == LogindInhibitor::Refused)
        offer.lidNote = LidKeys::lidKeptNote(ForeignText::reason(lidInhibitor->refusal()));
    offer.powerKeyNote = keyNote(Key::Power, applied.powerKey);
    offer.suspendKeyNote = keyNote(Key::Suspend, applied.suspendKey);
    return offer;
}

QString LidKeysControl::keyNote(Key key, Choice chosen) const
{
    if (!LidKeys::takesKey(appliedStack, chosen))
        return QString();
    const LogindInhibitor *inhibitor = inhibitorOf(key);
    if (inhibitor->state() == LogindInhibitor::Refused)
        return LidKeys::keptNote(key, LidKeys::KeptBy::Logind,
                                 ForeignText::reason(inhibitor->refusal()));
    const GlobalKeys *keys = power->display()->globalKeys();
    if (!keys->isAvailable())
        return LidKeys::keptNote(key, LidKeys::KeptBy::Display, keys->unavailableReason());
    if (!keys->isHeld(keysymOf(key)))
        return LidKeys::keptNote(key, LidKeys::KeptBy::AnotherProgram, QString());
    return QString();
}
