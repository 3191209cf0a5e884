#pragma once

#include <QObject>

class BrightnessControl;
class GlobalKeys;

// The brightness keys, answered wherever the focus is: the screen's
// (XF86MonBrightnessUp/Down) while its level can be set, the keyboard
// light's (XF86KbdBrightnessUp/Down, XF86KbdLightOnOff) while there is one.
// A key that another program holds (a desktop that answers them itself)
// is left to it, without a word; where keys cannot be taken at all
// (Wayland), the command `--brightness` is there instead.
//
// Keys are taken and given back only when what they change comes or goes,
// never on a level's change.
class BrightnessKeys : public QObject
{
    Q_OBJECT

public:
    BrightnessKeys(GlobalKeys *keys, BrightnessControl *control);

private:
    void followScreen();
    void followKeyboard();
    void want(const QList<quint32> &keysyms, bool wanted);
    void pressed(quint32 keysym);

    GlobalKeys *keys;
    BrightnessControl *control;
    bool screenKeysWanted = false;
    bool keyboardKeysWanted = false;
};
