#include "brightnesscontrol.h"

#include "keyboardbacklight.h"
#include "logindsession.h"
#include "screenbacklight.h"

#include <utility>

BrightnessControl::BrightnessControl(LogindSession *session, QObject *parent)
    : QObject(parent), session(session), screen(new ScreenBacklight(this)),
      keyboard(new KeyboardBacklight(this))
{
    connect(screen, &ScreenBacklight::deviceChanged, this, &BrightnessControl::screenDeviceChanged);
    connect(screen, &ScreenBacklight::brightnessChanged, this,
            &BrightnessControl::screenLevelChanged);
    connect(session, &LogindSession::brightnessRefused, this, &BrightnessControl::screenRefused);
    connect(session, &LogindSession::availabilityChanged, this, &BrightnessControl::screenChanged);
    connect(keyboard, &KeyboardBacklight::presenceChanged, this,
            &BrightnessControl::keyboardPresenceChanged);
    connect(keyboard, &KeyboardBacklight::brightnessChanged, this, [this] {
        askedKeyboard = -1;
        refusalTold = false;
        emit keyboardChanged();
    });
    connect(keyboard, &KeyboardBacklight::refused, this, &BrightnessControl::tellRefusal);
    screenStepList = BrightnessSteps::forScreen(screen->maxBrightness());
}

bool BrightnessControl::canSetScreen() const
{
    return hasScreen() && session->isAvailable();
}

bool BrightnessControl::hasScreen() const
{
    return screen->isAvailable();
}

int BrightnessControl::screenLevel() const
{
    return screen->brightness();
}

int BrightnessControl::screenMaximum() const
{
    return screen->maxBrightness();
}

bool BrightnessControl::hasKeyboard() const
{
    return keyboard->isAvailable();
}

int BrightnessControl::keyboardLevel() const
{
    return keyboard->brightness();
}

void BrightnessControl::setScreenLevel(int raw)
{
    if (!canSetScreen() || raw < 0 || raw > screen->maxBrightness() || raw == screenBase())
        return;
    askedScreen = raw;
    session->setBrightness(ScreenBacklight::subsystem(), screen->name(), uint(raw));
}

void BrightnessControl::screenUp()
{
    setScreenLevel(screenStepList.rawUp(screenBase()));
    emit screenStepped(screenStepList.percentAt(screenBase()));
}

void BrightnessControl::screenDown()
{
    setScreenLevel(screenStepList.rawDown(screenBase()));
    emit screenStepped(screenStepList.percentAt(screenBase()));
}

void BrightnessControl::setScreenPercent(int percent)
{
    setScreenLevel(screenStepList.rawForPercent(percent));
}

void BrightnessControl::setKeyboardLevel(int level)
{
    if (!hasKeyboard() || level < 0 || level > keyboard->maxBrightness() || level == keyboardBase())
        return;
    askedKeyboard = level;
    keyboard->setBrightness(level);
}

void BrightnessControl::keyboardUp()
{
    setKeyboardLevel(keyboardStepList.rawUp(keyboardBase()));
    emit keyboardStepped(keyboardBase(), keyboard->maxBrightness());
}

void BrightnessControl::keyboardDown()
{
    setKeyboardLevel(keyboardStepList.rawDown(keyboardBase()));
    emit keyboardStepped(keyboardBase(), keyboard->maxBrightness());
}

void BrightnessControl::toggleKeyboard()
{
    const int level = keyboardBase();
    if (level > 0) {
        keyboardBeforeOff = level;
        setKeyboardLevel(0);
    } else {
        setKeyboardLevel(keyboardBeforeOff > 0 ? keyboardBeforeOff : keyboard->maxBrightness());
    }
    emit keyboardStepped(keyboardBase(), keyboard->maxBrightness());
}

int BrightnessControl::screenBase() const
{
    return askedScreen >= 0 ? askedScreen : screen->brightness();
}

int BrightnessControl::keyboardBase() const
{
    return askedKeyboard >= 0 ? askedKeyboard : keyboard->brightness();
}

void BrightnessControl::screenDeviceChanged()
{
    screenStepList = BrightnessSteps::forScreen(screen->maxBrightness());
    askedScreen = -1;
    emit screenChanged();
}

void BrightnessControl::screenLevelChanged()
{
    askedScreen = -1;
    refusalTold = false;
    emit screenChanged();
}

void BrightnessControl::screenRefused(const QString &reason)
{
    askedScreen = -1;
    tellRefusal(reason);
}

void BrightnessControl::keyboardPresenceChanged()
{
    keyboardStepList = BrightnessSteps::forKeyboard(keyboard->maxBrightness());
    askedKeyboard = -1;
    emit keyboardChanged();
}

void BrightnessControl::tellRefusal(const QString &reason)
{
    if (std::exchange(refusalTold, true))
        return;
    emit refused(reason);
}
