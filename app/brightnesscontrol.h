#pragma once

#include "brightnesssteps.h"

#include <QObject>

class BrightnessKeys;
class BrightnessRequest;
class GlobalKeys;
class KeyboardBacklight;
class LogindSession;
class ScreenBacklight;

// The screen's and the keyboard's light, however they are asked to change:
// a key, the tray's menu, the window's slider, a command, or dimming. The
// screen's level is read from its device and set through logind; the
// keyboard's is read and set through UPower. What shows them follows the
// levels the devices report, never the levels asked for.
//
// The brightness keys are answered while there is something they can
// change (see BrightnessKeys). A level that cannot be set is told once
// per light, until a level of that light goes through again.
class BrightnessControl : public QObject
{
    Q_OBJECT

public:
    // keys: where the brightness keys are taken; none without.
    BrightnessControl(LogindSession *session, GlobalKeys *keys, QObject *parent = nullptr);
    ~BrightnessControl() override;

    // The screen: whether it has a backlight, and whether its level can be
    // set (there is no logind on the older stack, and until logind is
    // found, it is taken to be missing).
    bool hasScreen() const;
    bool canSetScreen() const;
    BrightnessSteps screenSteps() const { return screenStepList; }
    // The raw level 0..maximum, -1 while it cannot be read.
    int screenLevel() const;
    int screenMaximum() const;

    // The keyboard's light: every level 0..maximum is a step.
    bool hasKeyboard() const;
    BrightnessSteps keyboardSteps() const { return keyboardStepList; }
    // 0..maximum, -1 unless there is a keyboard light.
    int keyboardLevel() const;

public slots:
    // Nothing happens for a level outside the range, or without a device.
    void setScreenLevel(int raw);
    void setScreenPercent(int percent);
    void setKeyboardLevel(int level);
    // A step up or down, from a key or a command: the new level is shown
    // for a short look (screenStepped, keyboardStepped).
    void screenUp();
    void screenDown();
    void keyboardUp();
    void keyboardDown();
    // Off, or back to the level it had before it was turned off.
    void toggleKeyboard();
    // What `--brightness` asked of the running instance; shown as a step.
    void carryOut(const BrightnessRequest &request);

signals:
    // The screen's device, its level or whether it can be set changed, or
    // a level asked for was refused (the device's own is shown again).
    void screenChanged();
    void keyboardChanged();
    // A level was stepped to: the level asked for, as a percentage on the
    // light's curve, for a short look.
    void screenStepped(int percent);
    void keyboardStepped(int percent);
    // One line for a message: a level could not be set, and why.
    void refused(const QString &message);

private:
    void screenDeviceChanged();
    void screenLevelChanged();
    void screenRefused(const QString &reason);
    void keyboardPresenceChanged();
    void keyboardLevelChanged();
    void keyboardRefused(const QString &reason);
    void showScreenStep();
    void showKeyboardStep();
    int screenBase() const;
    int keyboardBase() const;

    LogindSession *session;
    ScreenBacklight *screen;
    KeyboardBacklight *keyboard;
    BrightnessKeys *keys = nullptr;
    BrightnessSteps screenStepList;
    BrightnessSteps keyboardStepList;
    // The level last asked for, until the device reports one: a held key
    // steps on from there rather than from a level about to change.
    int askedScreen = -1;
    int askedKeyboard = -1;
    int keyboardBeforeOff = -1;
    bool screenRefusalTold = false;
    bool keyboardRefusalTold = false;
};
