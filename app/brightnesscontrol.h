#pragma once

#include "brightnesssteps.h"

#include <QObject>

class KeyboardBacklight;
class LogindSession;
class ScreenBacklight;

// The screen's and the keyboard's light, however they are asked to change:
// a key, the tray's menu, the window's slider, a command, or dimming. The
// screen's level is read from its device and set through logind; the
// keyboard's is read and set through UPower. What shows them follows the
// levels the devices report, never the levels asked for.
class BrightnessControl : public QObject
{
    Q_OBJECT

public:
    explicit BrightnessControl(LogindSession *session, QObject *parent = nullptr);

    // The screen: whether it has a backlight, and whether its level can be
    // set (logind refuses a session that is not in front, and there is no
    // logind on the older stack).
    bool hasScreen() const;
    bool canSetScreen() const;
    BrightnessSteps screenSteps() const { return screenStepList; }
    // The raw level 0..maximum, -1 while it cannot be read.
    int screenLevel() const;
    int screenMaximum() const;

    // The keyboard's light: every level 0..maximum is a step.
    bool hasKeyboard() const;
    BrightnessSteps keyboardSteps() const { return keyboardStepList; }
    int keyboardLevel() const;

public slots:
    void setScreenLevel(int raw);
    void screenUp();
    void screenDown();
    void setScreenPercent(int percent);
    void setKeyboardLevel(int level);
    void keyboardUp();
    void keyboardDown();
    // Off, or back to the level it had before it was turned off.
    void toggleKeyboard();

signals:
    // The screen's device, its level or whether it can be set changed.
    void screenChanged();
    void keyboardChanged();
    // A level was set by the person: the new level, for a short look.
    void screenStepped(int percent);
    void keyboardStepped(int level, int maximum);
    // A level could not be set; told once, until one is set again.
    void refused(const QString &reason);

private:
    void screenDeviceChanged();
    void screenLevelChanged();
    void screenRefused(const QString &reason);
    void keyboardPresenceChanged();
    void tellRefusal(const QString &reason);
    int screenBase() const;
    int keyboardBase() const;

    LogindSession *session;
    ScreenBacklight *screen;
    KeyboardBacklight *keyboard;
    BrightnessSteps screenStepList;
    BrightnessSteps keyboardStepList;
    // The level last asked for, until the device reports one: a held key
    // steps on from there rather than from a level about to change.
    int askedScreen = -1;
    int askedKeyboard = -1;
    int keyboardBeforeOff = -1;
    bool refusalTold = false;
};
