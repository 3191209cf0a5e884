#include "brightnesskeys.h"

#include "brightnesscontrol.h"
#include "globalkeys.h"

namespace {

const QList<quint32> screenKeys{GlobalKeys::MonBrightnessUp, GlobalKeys::MonBrightnessDown};
const QList<quint32> keyboardKeys{GlobalKeys::KbdBrightnessUp, GlobalKeys::KbdBrightnessDown,
                                  GlobalKeys::KbdLightOnOff};

} // namespace

BrightnessKeys::BrightnessKeys(GlobalKeys *keys, BrightnessControl *control)
    : QObject(control), keys(keys), control(control)
{
    connect(keys, &GlobalKeys::pressed, this, &BrightnessKeys::pressed);
    connect(control, &BrightnessControl::screenChanged, this, &BrightnessKeys::followScreen);
    connect(control, &BrightnessControl::keyboardChanged, this, &BrightnessKeys::followKeyboard);
    followScreen();
    followKeyboard();
}

void BrightnessKeys::followScreen()
{
    const bool wanted = control->canSetScreen();
    if (wanted != screenKeysWanted)
        want(screenKeys, screenKeysWanted = wanted);
}

void BrightnessKeys::followKeyboard()
{
    const bool wanted = control->hasKeyboard();
    if (wanted != keyboardKeysWanted)
        want(keyboardKeys, keyboardKeysWanted = wanted);
}

// Whether a key is held is not asked: one that another program holds is
// simply never pressed here.
void BrightnessKeys::want(const QList<quint32> &keysyms, bool wanted)
{
    for (quint32 keysym : keysyms) {
        if (wanted)
            keys->grab(keysym);
        else
            keys->ungrab(keysym);
    }
}

void BrightnessKeys::pressed(quint32 keysym)
{
    switch (keysym) {
    case GlobalKeys::MonBrightnessUp:
        control->screenUp();
        break;
    case GlobalKeys::MonBrightnessDown:
        control->screenDown();
        break;
    case GlobalKeys::KbdBrightnessUp:
        control->keyboardUp();
        break;
    case GlobalKeys::KbdBrightnessDown:
        control->keyboardDown();
        break;
    case GlobalKeys::KbdLightOnOff:
        control->toggleKeyboard();
        break;
    default:
        break; // another part's key
    }
}
