#include "brightnesscontrol.h"

#include "brightnesskeys.h"
#include "brightnessrequest.h"
#include "foreigntext.h"
#include "keyboardbacklight.h"
#include "logindsession.h"
#include "screenbacklight.h"

#include <utility>

BrightnessControl::BrightnessControl(LogindSession *session, GlobalKeys *keys, QObject *parent)
    : QObject(parent), session(session), screen(new ScreenBacklight(this)),
      keyboard(new KeyboardBacklight(this))
{
    connect(screen, &ScreenBacklight::deviceChanged, this, &BrightnessControl::screenDeviceChanged);
    connect(screen, &ScreenBacklight::brightnessChanged, this,
            &BrightnessControl::screenLevelChanged);
    connect(session, &LogindSession::brightnessRefused, this, &BrightnessControl::screenRefused);
    connect(session, &LogindSession::brightnessSet, this, [this](const QString &subsystem) {
        if (subsystem == ScreenBacklight::subsystem())
            screenRefusalTold = false;
    });
    connect(session, &LogindSession::availabilityChanged, this, &BrightnessControl::screenChanged);
    connect(keyboard, &KeyboardBacklight::presenceChanged, this,
            &BrightnessControl::keyboardPresenceChanged);
    connect(keyboard, &KeyboardBacklight::brightnessChanged, this,
            &BrightnessControl::keyboardLevelChanged);
    connect(keyboard, &KeyboardBacklight::refused, this, &BrightnessControl::keyboardRefused);
    screenStepList = BrightnessSteps::forScreen(screen->maxBrightness());
    if (keys)
        this->keys = new BrightnessKeys(keys, this);
}

BrightnessControl::~BrightnessControl() = default;

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

// Asked of logind even while it is not known to run: it may not have been
// found yet, and a stack without it answers at once, which is told.
void BrightnessControl::setScreenLevel(int raw)
{
    if (!hasScreen() || raw < 0 || raw > screen->maxBrightness() || raw == screenBase())
        return;
    askedScreen = raw;
    session->setBrightness(ScreenBacklight::subsystem(), screen->name(), uint(raw));
}

void BrightnessControl::setScreenPercent(int percent)
{
    setScreenLevel(screenStepList.rawForPercent(percent));
}

void BrightnessControl::screenUp()
{
    setScreenLevel(screenStepList.rawUp(screenBase()));
    showScreenStep();
}

void BrightnessControl::screenDown()
{
    setScreenLevel(screenStepList.rawDown(screenBase()));
    showScreenStep();
}

void BrightnessControl::carryOut(const BrightnessRequest &request)
{
    setScreenLevel(request.target(screenStepList, screenBase()));
    showScreenStep();
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
    showKeyboardStep();
}

void BrightnessControl::keyboardDown()
{
    setKeyboardLevel(keyboardStepList.rawDown(keyboardBase()));
    showKeyboardStep();
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
    showKeyboardStep();
}

// A level that cannot be read (garbage in sysfs) shows nothing.
void BrightnessControl::showScreenStep()
{
    const int percent = screenStepList.percentAt(screenBase());
    if (percent >= 0)
        emit screenStepped(percent);
}

void BrightnessControl::showKeyboardStep()
{
    const int percent = keyboardStepList.percentAt(keyboardBase());
    if (percent >= 0)
        emit keyboardStepped(percent);
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
    emit screenChanged();
}

void BrightnessControl::screenRefused(const QString &reason)
{
    askedScreen = -1;
    // A slider or menu that moved on its own shows the device's level again.
    emit screenChanged();
    if (!std::exchange(screenRefusalTold, true))
        emit refused(tr("The screen's brightness could not be changed: %1").arg(reason));
}

void BrightnessControl::keyboardPresenceChanged()
{
    keyboardStepList = BrightnessSteps::forKeyboard(keyboard->maxBrightness());
    askedKeyboard = -1;
    keyboardBeforeOff = -1;
    emit keyboardChanged();
}

void BrightnessControl::keyboardLevelChanged()
{
    // The daemon took a level of ours: a refusal may be told again.
    if (keyboard->brightness() == askedKeyboard)
        keyboardRefusalTold = false;
    askedKeyboard = -1;
    emit keyboardChanged();
}

void BrightnessControl::keyboardRefused(const QString &reason)
{
    askedKeyboard = -1;
    emit keyboardChanged();
    if (!std::exchange(keyboardRefusalTold, true))
        emit refused(
                tr("The keyboard light could not be changed: %1").arg(ForeignText::reason(reason)));
}
