#include "idlepolicy.h"

#include "foreigntext.h"
#include "poweractions.h"
#include "refusalnotice.h"
#include "settingskeys.h"

#include <limits>
#include <utility>

namespace {

// The tooltip names so many; more are counted.
constexpr int namedKeepers = 3;

constexpr IdlePolicy::Step allSteps[] = {IdlePolicy::Dim, IdlePolicy::ScreenOff, IdlePolicy::Sleep};

} // namespace

void IdlePolicy::setChoices(const IdleChoices &choices)
{
    m_choices = choices;
    m_reached.clear();
}

void IdlePolicy::setAbilities(bool canDim, bool canTurnScreenOff)
{
    m_canDim = canDim;
    m_canTurnScreenOff = canTurnScreenOff;
}

int IdlePolicy::afterSeconds(Step step) const
{
    switch (step) {
    case Dim:
        return m_canDim ? m_choices.dimAfter : 0;
    case ScreenOff:
        return m_canTurnScreenOff ? m_choices.screenOffAfter : 0;
    case Sleep:
        return m_choices.sleepAction == SettingsKeys::nothingAction() ? 0 : m_choices.sleepAfter;
    }
    return 0;
}

QList<IdlePolicy::Timeout> IdlePolicy::timeouts() const
{
    QList<Timeout> list;
    for (Step step : allSteps) {
        const int seconds = afterSeconds(step);
        if (seconds <= 0)
            continue;
        const qint64 msec = m_startMs + qint64(seconds) * 1000;
        list.append({step, int(qMin<qint64>(msec, std::numeric_limits<int>::max()))});
    }
    return list;
}

void IdlePolicy::reached(Step step)
{
    if (afterSeconds(step) > 0)
        m_reached.insert(step);
}

QList<IdlePolicy::Step> IdlePolicy::due() const
{
    QList<Step> steps;
    for (Step step : allSteps) {
        if (m_reached.contains(step) && !m_done.contains(step))
            steps.append(step);
    }
    return steps;
}

QList<IdlePolicy::Step> IdlePolicy::dueAndFree(const Blocks &blocks) const
{
    QList<Step> steps;
    for (Step step : due()) {
        if (!isBlocked(step, blocks))
            steps.append(step);
    }
    return steps;
}

bool IdlePolicy::isBlocked(Step step, const Blocks &blocks)
{
    if (blocks.keptAwake || blocks.logindIdle || blocks.sessionScreen)
        return true;
    return step == Sleep && (blocks.logindSleep || blocks.sessionSleep);
}

void IdlePolicy::carriedOut(Step step)
{
    m_done.insert(step);
}

bool IdlePolicy::sleepRefused()
{
    m_done.remove(Sleep);
    return !std::exchange(m_refusalTold, true);
}

int IdlePolicy::retryMs() const
{
    int shortest = longestRetryMs;
    for (Step step : due())
        shortest = qMin<qint64>(shortest, qint64(afterSeconds(step)) * 1000);
    return qMax(shortest, shortestRetryMs);
}

void IdlePolicy::inputCame()
{
    m_startMs = 0;
    m_reached.clear();
    m_done.clear();
    m_refusalTold = false;
}

void IdlePolicy::woke(qint64 idleMs)
{
    inputCame();
    m_startMs = qMax<qint64>(idleMs, 0);
}

int IdlePolicy::dimLevel(int current, int maximum, int percent)
{
    if (current <= 0 || maximum <= 0 || percent <= 0)
        return -1;
    const int level = int(qMax<qint64>(1, qint64(maximum) * qMin(percent, 100) / 100));
    return level < current ? level : -1;
}

QString IdlePolicy::refusalText(const PowerRefusal &refusal)
{
    return tr("%1 when idle was refused: %2.")
            .arg(powerActionName(refusal.action), RefusalNotice::reason(refusal));
}

QStringList IdlePolicy::keptAwakeBy(bool fromTray, const QList<Keeper> &keepers)
{
    QStringList lines;
    if (fromTray)
        lines << tr("Kept awake from the tray menu");
    for (const Keeper &keeper : keepers) {
        QString who = ForeignText::name(keeper.who);
        if (who.isEmpty())
            who = tr("an application");
        const QString why = ForeignText::reason(keeper.why);
        const QString line = why.isEmpty() ? tr("Kept awake by %1").arg(who)
                                           : tr("Kept awake by %1: %2").arg(who, why);
        if (!lines.contains(line))
            lines << line;
    }
    const int more = int(lines.size()) - namedKeepers;
    if (more <= 0)
        return lines;
    lines = lines.mid(0, namedKeepers);
    lines << tr("and %n more keeping it awake", nullptr, more);
    return lines;
}
