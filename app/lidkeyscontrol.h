#pragma once

#include "lidkeys.h"

#include <QObject>
#include <QSet>

class LogindInhibitor;
class PowerController;
class PowerServices;
class QTimer;
struct PowerRefusal;

// The lid and the power and suspend keys, as the person chose on the "Lid
// and keys" page (LidKeys decides). While a lid choice is not "Let the
// system decide", it holds logind's "handle-lid-switch" inhibitor and
// carries out what the case of the closing lid asks for, logind's own
// handling included; it gives the inhibitor back when all three go back.
// A key chosen otherwise is grabbed on the display server, and logind's
// inhibitor for it is held only while the grab is: a key the program cannot
// receive stays logind's. Without logind (the older stack) it acts on the
// lid directly and leaves the keys alone.
//
// It sends nothing while nothing happens: the choices are read from the
// store on each tick of the monitor, and act only when they changed.
class LidKeysControl : public QObject
{
    Q_OBJECT

public:
    // A lid that stays closed this long has closed: a lid that flaps is
    // acted on once it rests, and never when it ends up open.
    static constexpr int settleMs = 500;

    LidKeysControl(PowerController *power, PowerServices *services);
    ~LidKeysControl() override;

    // What the "Lid and keys" page offers, and why a choice is not in force.
    LidKeys::Offer offer() const;

public slots:
    // Reads the choices again and takes from logind, or gives back, what
    // they say; does nothing when they did not change.
    void apply();
    // An action chosen in the power key's "Ask" dialog: "suspend",
    // "hibernate" or "shutdown"; anything else is ignored.
    void carryOut(const QString &action);

signals:
    // offer() may have changed.
    void offerChanged();
    // The power key was pressed and is set to "Ask".
    void askRequested();
    // The system refused an action the lid or a key asked for.
    void warning(const QString &text);

private:
    struct Choices
    {
        LidKeys::Choice onBattery = LidKeys::Choice::System;
        LidKeys::Choice onLinePower = LidKeys::Choice::System;
        LidKeys::Choice docked = LidKeys::Choice::System;
        LidKeys::Choice powerKey = LidKeys::Choice::System;
        LidKeys::Choice suspendKey = LidKeys::Choice::System;
        bool operator==(const Choices &other) const;
    };

    LidKeys::Stack stack() const;
    Choices readChoices() const;
    void take(bool askAgain);
    void takeKey(LidKeys::Key key, LidKeys::Choice chosen, bool askAgain);
    void want(LogindInhibitor *inhibitor, bool wanted, bool askAgain);
    void inhibitorChanged(LogindInhibitor *inhibitor);
    void decideWhatWaited(LogindInhibitor *inhibitor);
    void logindChanged(bool runs);
    void followLid();
    void lidClosed();
    void lidOpened();
    void keyPressed(quint32 keysym);
    void act(LidKeys::Choice choice);
    void refused(const PowerRefusal &refusal);
    LogindInhibitor *inhibitorOf(LidKeys::Key key) const;
    QString keyNote(LidKeys::Key key, LidKeys::Choice chosen) const;

    PowerController *power;
    PowerServices *services;
    LogindInhibitor *lidInhibitor;
    LogindInhibitor *powerKeyInhibitor;
    LogindInhibitor *suspendKeyInhibitor;
    QTimer *settle;
    Choices applied;
    LidKeys::Stack appliedStack = LidKeys::Stack::Unknown;
    // logind refused an inhibitor because it does not run; until it comes
    // back, the stack is the older one.
    bool logindMissing = false;
    // The lid as last read; the first value read is where it starts, not a
    // change to act on.
    bool lidKnown = false;
    bool lidIsClosed = false;
    // Counts the lid's changes, so that an answer for a closing that has
    // since been undone is dropped.
    int lidChanges = 0;
    bool screenTurnedOff = false;
    // What came while logind was being asked for its inhibitor.
    bool lidClosedWhileAsking = false;
    QSet<quint32> pressedWhileAsking;
    // Power actions asked for and not refused yet: a refusal is told once.
    QSet<QString> awaitingAnswer;
};
