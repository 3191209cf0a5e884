#pragma once

#include "powerrefusal.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>
#include <optional>

// What the lid and the power and suspend keys do, as the person chose on
// the "Lid and keys" page. logind answers them itself; the program takes
// one from it with an inhibitor only while the person chose something else
// for it, and only while it can answer it: the lid always, a key only
// while the program holds the key's grab. On a stack without logind
// nobody else answers the lid, so the program acts on it directly, and the
// keys stay with the system.
class LidKeys
{
    Q_DECLARE_TR_FUNCTIONS(LidKeys)

public:
    enum class Choice {
        System, // "Let the system decide": logind does what it is set to do
        Nothing,
        ScreenOff,
        Lock,
        Ask, // the power key only: a dialog asks what to do
        Suspend,
        Hibernate,
        Shutdown,
    };

    // The three cases of the lid, each with a choice of its own.
    enum class LidCase { OnBattery, OnLinePower, Docked };

    enum class Key { Power, Suspend };

    // Who answers the lid and the keys besides the program.
    enum class Stack {
        Unknown, // not found out yet: the program leaves everything alone
        Logind, // today's stack: taken from logind with inhibitors
        WithoutLogind, // the older stack: UPower and ConsoleKit
    };

    // Why a key the person gave the program stays with the system.
    enum class KeptBy {
        Display, // the display server cannot give the program keys
        AnotherProgram, // another program holds the key's grab, or no key sends it
        Logind, // logind refused the inhibitor
    };

    // logind's own handling of the lid, as its manager's HandleLidSwitch,
    // HandleLidSwitchExternalPower and HandleLidSwitchDocked give it; each
    // empty where it could not be read.
    struct LogindHandling
    {
        QString lidSwitch;
        QString externalPower;
        QString docked;
    };

    // What the "Lid and keys" page offers in each row, and why a choice is
    // not in force.
    struct Offer
    {
        QList<Choice> lid;
        QList<Choice> powerKey;
        QList<Choice> suspendKey;
        QString lidNote;
        QString powerKeyNote;
        QString suspendKeyNote;
    };

    // logind known to run, known to be missing, or an inhibitor it was
    // asked for refused because nobody owns its name.
    static Stack stackOf(bool logindKnown, bool logindRuns, bool inhibitRefusedAsMissing);

    // The stored identifier: "system", "nothing", "screen-off", "lock",
    // "ask", "suspend", "hibernate" or "shutdown".
    static QString identifier(Choice choice);
    static QString name(Choice choice);
    // The choice a stored value stands for, if the row offers it at all;
    // none for anything else (another type, a typo, "ask" for the lid).
    static std::optional<Choice> storedLidChoice(const QVariant &stored);
    static std::optional<Choice> storedKeyChoice(Key key, const QVariant &stored);
    // What the program goes by: a stored value it cannot read leaves the
    // lid or the key to the system.
    static Choice lidChoice(const QVariant &stored);
    static Choice keyChoice(Key key, const QVariant &stored);

    // What each row offers. offeredActions: as powerActions() gives them.
    static QList<Choice> lidChoices(Stack stack, const QMap<QString, QString> &offeredActions,
                                    bool screenCanTurnOff);
    static QList<Choice> keyChoices(Key key, Stack stack,
                                    const QMap<QString, QString> &offeredActions);
    // The actions the "Ask" dialog offers, in its order.
    static QList<Choice> askedChoices(const QMap<QString, QString> &offeredActions);

    // The case at the moment the lid closes: another monitor first, as
    // logind judges it, then the power source.
    static LidCase lidCase(bool onBattery, int monitorCount);

    // What logind would do in that case, as far as the program can do it
    // itself; a value it cannot read or carry out counts as logind's own
    // default: "suspend" for the lid, HandleLidSwitch's for external power,
    // "ignore" while docked.
    static Choice systemAction(LidCase lidCase, const LogindHandling &handling);

    // Whether the program holds logind's "handle-lid-switch" inhibitor.
    static bool takesLid(Stack stack, const QList<Choice> &lidChoices);
    // Whether it grabs a key, and whether it then holds logind's inhibitor
    // for it: only while the grab is held, so that the key is never dead.
    static bool takesKey(Stack stack, Choice keyChoice);
    static bool holdsKeyInhibitor(Stack stack, Choice keyChoice, bool grabHeld);

    // What the program does when the lid has closed, or when a key is
    // pressed; none where the lid or the key is not the program's to
    // answer. For the lid, Choice::System means logind's handling.
    static std::optional<Choice> lidAction(Stack stack, bool inhibitorHeld, Choice chosen);
    static std::optional<Choice> keyAction(Stack stack, bool inhibitorHeld, Choice chosen);

    // The power action ("suspend", "hibernate", "shutdown") of a choice;
    // empty for the others.
    static QString powerAction(Choice choice);
    // The choice a power action stands for, only for those three.
    static std::optional<Choice> choiceOfPowerAction(const QString &action);

    // The page's line under a row whose choice is not in force.
    static QString keptNote(Key key, KeptBy keeper, const QString &reason);
    static QString lidKeptNote(const QString &reason);
    // The message when the system refused what the lid or a key asked for.
    static QString refusalText(const PowerRefusal &refusal);
};
