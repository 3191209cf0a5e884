#pragma once

#include "idlepolicy.h"
#include "logindblockers.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class BrightnessControl;
class IdleWatch;
class LogindInhibitor;
class PowerController;
class PowerServices;
class QSettings;
class QTimer;
class ScreenPower;
class SessionInhibitions;

// What the program does while the person is away: it arms the display
// server's idle timeouts from the settings of the power source in use,
// dims the screen through the brightness control (and brings the earlier
// level back at the next input, unless someone set another meanwhile),
// turns the screen off through the display server, and sleeps through the
// controller's request path, as IdlePolicy decides.
//
// Before each step it looks at everything that may keep the machine awake:
// the tray's "Keep awake" (a logind inhibitor of its own), the inhibitions
// it serves on the session bus, and, asked at that moment only, logind's
// block inhibitors. Nothing runs and nothing is sent while the person is
// away and no step is due; a step that logind holds up, or a sleep the
// system refused, is tried again now and then until the person is back.
class IdleControl : public QObject
{
    Q_OBJECT

public:
    IdleControl(PowerController *power, PowerServices *services);
    ~IdleControl() override;

    // Serves the session's inhibitions (the running instance only) and
    // arms the timeouts once the power source is known.
    void start();

    // Why idleness, dimming or turning the screen off is not available
    // here, on one line for the settings page; empty where it is.
    QString idleUnavailableReason() const;
    QString dimUnavailableReason() const;
    QString screenOffUnavailableReason() const;

    // Whether the tray's "Keep awake" is wanted (held, or being asked for).
    bool keepsAwake() const;
    // A line each: who keeps the machine awake, as far as is known now.
    QStringList keptAwakeBy() const { return keeperLines; }

public slots:
    void setKeptAwake(bool keep);
    // The settings store was edited: the choices in force may differ.
    void settingsEdited();

signals:
    void keptAwakeChanged(bool kept);
    void keptAwakeByChanged(const QStringList &lines);
    void availabilityChanged();
    // A message for the tray.
    void warning(const QString &text);

private:
    void powerSource(bool onBattery);
    void rearm();
    void timeoutReached(int id);
    void personBack();
    void woke();
    void actOnDue();
    void carryOut(const LogindBlockers &logind);
    bool stillAway(IdlePolicy::Step step) const;
    void act(IdlePolicy::Step step);
    void dim();
    void restoreScreen();
    void screenChanged();
    void sleepRefused(const PowerRefusal &refusal);
    void keepAwakeStateChanged();
    void askLogind();
    void showKeepers();
    void rereadChoices();
    IdlePolicy::Blocks localBlocks() const;

    PowerController *power;
    QSettings *store;
    IdleWatch *idle;
    ScreenPower *screen;
    BrightnessControl *lights;
    SessionInhibitions *inhibitions;
    LogindInhibitor *keepAwake;
    // Tries the steps logind held up, or a refused sleep, again; runs only
    // while such a step is due.
    QTimer *retry;
    IdlePolicy policy;
    bool dimAbility = false;
    bool onBattery = false;
    bool sourceKnown = false;
    QHash<int, IdlePolicy::Step> timeoutSteps;
    // Counts the stretches of idleness: an answer from logind that comes
    // after the person was back belongs to a stretch that is over.
    quint64 stretch = 0;
    bool askingLogind = false;
    QString sleepAsked;
    // The screen's level before dimming, and the level dimmed to, while
    // it is to come back at the next input.
    int dimmedFrom = -1;
    int dimmedTo = -1;
    bool dimLanded = false;
    QString dimRefusal;
    QList<IdlePolicy::Keeper> logindKeepers;
    QStringList keeperLines;
};
