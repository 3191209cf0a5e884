#include "idlecontrol.h"

#include "brightnesscontrol.h"
#include "displayserver.h"
#include "idlewatch.h"
#include "logindinhibitor.h"
#include "powercontroller.h"
#include "powerservices.h"
#include "screenpower.h"
#include "sessioninhibitions.h"
#include "wirenames.h"

#include <QSettings>
#include <QTimer>

IdleControl::IdleControl(PowerController *power, PowerServices *services)
    : QObject(power), power(power), store(power->settings()), idle(power->display()->idleWatch()),
      screen(power->display()->screenPower()), lights(power->brightness()),
      inhibitions(new SessionInhibitions(this)),
      keepAwake(new LogindInhibitor(QString(LogindInhibitWire::idle) + QLatin1Char(':')
                                            + LogindInhibitWire::sleep,
                                    tr("Kept awake from the tray"), LogindInhibitor::Block, this)),
      retry(new QTimer(this))
{
    retry->setSingleShot(true);
    dimAbility = lights->canSetScreen();
    policy.setAbilities(dimAbility, screen->isAvailable());

    connect(power, &PowerController::onBattery, this, &IdleControl::powerSource);
    connect(idle, &IdleWatch::timeoutReached, this, &IdleControl::timeoutReached);
    connect(idle, &IdleWatch::resumingFromIdle, this, &IdleControl::personBack);
    connect(services, &PowerServices::woke, this, &IdleControl::woke);
    connect(services, &PowerServices::refused, this, &IdleControl::sleepRefused);
    connect(lights, &BrightnessControl::screenChanged, this, &IdleControl::screenChanged);
    connect(lights, &BrightnessControl::refused, this, [this](const QString &reason) {
        // Only a refusal of the dimming itself says that it cannot be done.
        if (dimmedTo < 0 || dimLanded)
            return;
        dimRefusal = reason;
        dimmedFrom = dimmedTo = -1;
        emit availabilityChanged();
    });
    connect(inhibitions, &SessionInhibitions::inhibitionsChanged, this, [this] {
        showKeepers();
        actOnDue();
    });
    connect(keepAwake, &LogindInhibitor::stateChanged, this, &IdleControl::keepAwakeStateChanged);
    connect(retry, &QTimer::timeout, this, &IdleControl::actOnDue);
}

IdleControl::~IdleControl() = default;

void IdleControl::start()
{
    // After start-up: claiming the names waits for the session bus.
    QTimer::singleShot(0, inhibitions, &SessionInhibitions::serve);
}

QString IdleControl::idleUnavailableReason() const
{
    return idle->unavailableReason();
}

QString IdleControl::dimUnavailableReason() const
{
    if (!idle->isAvailable())
        return idle->unavailableReason();
    if (!lights->hasScreen())
        return tr("This machine has no screen backlight to dim");
    if (!lights->canSetScreen())
        return tr("The login manager (logind) cannot set the screen's brightness here");
    return dimRefusal;
}

QString IdleControl::screenOffUnavailableReason() const
{
    if (!idle->isAvailable())
        return idle->unavailableReason();
    return screen->unavailableReason();
}

bool IdleControl::keepsAwake() const
{
    return keepAwake->state() == LogindInhibitor::Held
            || keepAwake->state() == LogindInhibitor::Asking;
}

void IdleControl::setKeptAwake(bool keep)
{
    if (keep)
        keepAwake->acquire();
    else
        keepAwake->release();
}

void IdleControl::keepAwakeStateChanged()
{
    if (keepAwake->state() == LogindInhibitor::Refused)
        emit warning(tr("The machine cannot be kept awake: %1").arg(keepAwake->refusal()));
    emit keptAwakeChanged(keepsAwake());
    showKeepers();
    actOnDue();
}

void IdleControl::settingsEdited()
{
    // The controller's ticks read the store again later; the timeouts
    // must follow now.
    store->sync();
    rereadChoices();
}

void IdleControl::rereadChoices()
{
    const IdleChoices choices = IdleChoices::read(*store, onBattery);
    if (choices == policy.choices())
        return;
    policy.setChoices(choices);
    rearm();
}

// On every tick of the monitor; the choices change with the source.
void IdleControl::powerSource(bool battery)
{
    if (sourceKnown && battery == onBattery)
        return;
    sourceKnown = true;
    onBattery = battery;
    policy.setChoices(IdleChoices::read(*store, onBattery));
    rearm();
}

// The display server counts from the last input: a timeout already passed
// is reached at once.
void IdleControl::rearm()
{
    idle->removeAllIdleTimeouts();
    timeoutSteps.clear();
    if (!sourceKnown)
        return;
    for (const IdlePolicy::Timeout &timeout : policy.timeouts()) {
        const int id = idle->addIdleTimeout(timeout.msec);
        if (id)
            timeoutSteps.insert(id, timeout.step);
    }
}

void IdleControl::timeoutReached(int id)
{
    const auto step = timeoutSteps.constFind(id);
    if (step == timeoutSteps.cend())
        return;
    policy.reached(*step);
    idle->catchNextResumeEvent();
    actOnDue();
}

void IdleControl::personBack()
{
    retry->stop();
    restoreScreen();
    const bool countedFromWake = policy.startMs() != 0;
    policy.inputCame();
    ++stretch;
    sleepAsked.clear();
    if (countedFromWake)
        rearm();
    // Who keeps the machine awake through logind was asked while the
    // person was away; told again now that they may look.
    if (!logindKeepers.isEmpty())
        askLogind();
}

void IdleControl::woke()
{
    retry->stop();
    policy.woke(idle->idleTime());
    ++stretch;
    sleepAsked.clear();
    rearm();
}

// Each due step is looked at when it is to be carried out: what the
// program is told of (its own inhibitor, the session's inhibitions) first,
// then logind, which is asked only then.
void IdleControl::actOnDue()
{
    if (!policy.dueAndFree(localBlocks()).isEmpty())
        askLogind();
}

void IdleControl::askLogind()
{
    if (askingLogind)
        return;
    askingLogind = true;
    const quint64 asked = stretch;
    LogindBlockers::ask(this, [this, asked](const LogindBlockers &logind) {
        askingLogind = false;
        logindKeepers.clear();
        for (const QString &what :
             {QString(LogindInhibitWire::idle), QString(LogindInhibitWire::sleep)}) {
            for (const LogindBlockers::Blocker &blocker : logind.of(what))
                logindKeepers.append({blocker.who, blocker.why});
        }
        showKeepers();
        if (asked == stretch)
            carryOut(logind);
        else
            actOnDue();
    });
}

void IdleControl::carryOut(const LogindBlockers &logind)
{
    IdlePolicy::Blocks blocks = localBlocks();
    blocks.logindIdle = logind.blocksIdle();
    blocks.logindSleep = logind.blocksSleep();
    for (IdlePolicy::Step step : policy.dueAndFree(blocks)) {
        if (!stillAway(step))
            return;
        policy.carriedOut(step);
        act(step);
    }
    // What logind holds up is tried again while the stretch lasts.
    if (!policy.dueAndFree(localBlocks()).isEmpty())
        retry->start(policy.retryMs());
}

// On a busy machine the alarm may be read after the person came back,
// with the event that says so still on its way: the display server's
// count now decides. When it cannot be read, nothing is done.
bool IdleControl::stillAway(IdlePolicy::Step step) const
{
    const qint64 idleMs = idle->idleTime();
    for (const IdlePolicy::Timeout &timeout : policy.timeouts()) {
        if (timeout.step == step)
            return idleMs >= timeout.msec;
    }
    return false;
}

void IdleControl::act(IdlePolicy::Step step)
{
    switch (step) {
    case IdlePolicy::Dim:
        dim();
        break;
    case IdlePolicy::ScreenOff:
        screen->turnOff();
        break;
    case IdlePolicy::Sleep:
        sleepAsked = policy.choices().sleepAction;
        power->request(sleepAsked);
        break;
    }
}

void IdleControl::dim()
{
    const int current = lights->screenLevel();
    const int level =
            IdlePolicy::dimLevel(current, lights->screenMaximum(), policy.choices().dimTo);
    if (level < 0)
        return;
    if (dimmedTo < 0)
        dimmedFrom = current;
    dimmedTo = level;
    dimLanded = false;
    lights->setScreenLevel(level);
}

// The level from before the dimming comes back, unless the screen shows
// another than the dimmed one: someone set it meanwhile.
void IdleControl::restoreScreen()
{
    if (dimmedTo >= 0 && dimmedFrom >= 0)
        lights->setScreenLevel(dimmedFrom);
    dimmedFrom = dimmedTo = -1;
    dimLanded = false;
}

void IdleControl::screenChanged()
{
    if (dimmedTo >= 0) {
        const int level = lights->screenLevel();
        if (level == dimmedTo) {
            dimLanded = true;
            dimRefusal.clear();
        } else if (dimLanded && level >= 0) {
            dimmedFrom = dimmedTo = -1;
            dimLanded = false;
        }
    }
    // logind is found without waiting, and a backlight may come or go.
    const bool canDim = lights->canSetScreen();
    if (canDim == dimAbility)
        return;
    dimAbility = canDim;
    policy.setAbilities(canDim, screen->isAvailable());
    rearm();
    emit availabilityChanged();
}

void IdleControl::sleepRefused(const PowerRefusal &refusal)
{
    if (sleepAsked.isEmpty() || refusal.action != sleepAsked)
        return;
    sleepAsked.clear();
    if (policy.sleepRefused())
        emit warning(IdlePolicy::refusalText(refusal));
    retry->start(policy.retryMs());
}

IdlePolicy::Blocks IdleControl::localBlocks() const
{
    IdlePolicy::Blocks blocks;
    blocks.keptAwake = keepsAwake();
    blocks.sessionSleep = inhibitions->inhibitsSleep();
    blocks.sessionScreen = inhibitions->inhibitsScreen();
    return blocks;
}

void IdleControl::showKeepers()
{
    QList<IdlePolicy::Keeper> keepers;
    for (const SessionInhibitions::Inhibition &inhibition : inhibitions->inhibitions())
        keepers.append({inhibition.application, inhibition.reason});
    keepers += logindKeepers;
    const QStringList lines = IdlePolicy::keptAwakeBy(keepsAwake(), keepers);
    if (lines == keeperLines)
        return;
    keeperLines = lines;
    emit keptAwakeByChanged(lines);
}
