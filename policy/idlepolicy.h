#pragma once

#include "idlechoices.h"
#include "powerrefusal.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QSet>
#include <QStringList>

// What happens while the person is away: when to dim the screen, turn it
// off and sleep, and whether something keeps the machine from each.
//
// An idle stretch runs from the last input (or, when none came since, from
// the last wake) to the next one. Each step is carried out at most once a
// stretch: its timeout is reached, and it goes ahead only when nothing
// blocks it at that moment; a blocked step stays due until the block ends
// or the stretch does. A change of power source brings that source's
// choices, counted from the same start: steps already carried out stay so,
// those still due are dropped and come back if the new choices have them
// due already.
class IdlePolicy
{
    Q_DECLARE_TR_FUNCTIONS(IdlePolicy)

public:
    enum Step { Dim, ScreenOff, Sleep };

    struct Timeout
    {
        Step step;
        int msec;
        bool operator==(const Timeout &other) const
        {
            return step == other.step && msec == other.msec;
        }
    };

    // What keeps the machine awake now.
    struct Blocks
    {
        bool keptAwake = false; // the tray's "Keep awake"
        bool logindIdle = false; // a logind "idle" block
        bool logindSleep = false; // a logind "sleep" block
        bool sessionSleep = false; // any session-bus inhibition
        bool sessionScreen = false; // a screen saver inhibition
    };

    // Someone keeping the machine awake, as they call themselves.
    struct Keeper
    {
        QString who;
        QString why;
    };

    // How often a step that logind blocks, or a sleep the system refused,
    // is tried again while the stretch lasts.
    static constexpr int longestRetryMs = 60000;
    static constexpr int shortestRetryMs = 1000;

    void setChoices(const IdleChoices &choices);
    IdleChoices choices() const { return m_choices; }
    // Whether the screen can be dimmed or turned off here; a step that
    // cannot be carried out gets no timeout.
    void setAbilities(bool canDim, bool canTurnScreenOff);

    // The timeouts to arm, in milliseconds of idleness as the display
    // server counts them: from the last input.
    QList<Timeout> timeouts() const;

    // A step's timeout was reached.
    void reached(Step step);
    // Steps reached in this stretch and not carried out, in order.
    QList<Step> due() const;
    // Of those, the steps the blocks let go ahead now.
    QList<Step> dueAndFree(const Blocks &blocks) const;
    static bool isBlocked(Step step, const Blocks &blocks);
    void carriedOut(Step step);
    // The system refused the sleep: it is due again, to be tried on the
    // next retry. Whether to tell it: once a stretch.
    bool sleepRefused();
    // How long to wait before trying the due steps again.
    int retryMs() const;

    // Input came: a new stretch, counted from it.
    void inputCame();
    // The machine woke, idleMs after the last input as the display server
    // counts: a new stretch, counted from now.
    void woke(qint64 idleMs);
    // Where the display server's count stands at the start of the stretch.
    qint64 startMs() const { return m_startMs; }

    // The raw level to dim to from the current one, or -1 when dimming
    // would not lower it.
    static int dimLevel(int current, int maximum, int percent);
    // The message for a refused sleep; reason as RefusalNotice gives it.
    static QString refusalText(const PowerRefusal &refusal);
    // A line each for the tooltip: who keeps the machine awake now, the
    // first few of them, then how many more.
    static QStringList keptAwakeBy(bool fromTray, const QList<Keeper> &keepers);

private:
    int afterSeconds(Step step) const;

    IdleChoices m_choices;
    bool m_canDim = false;
    bool m_canTurnScreenOff = false;
    qint64 m_startMs = 0;
    QSet<Step> m_reached;
    QSet<Step> m_done;
    bool m_refusalTold = false;
};
