#pragma once

#include "lidkeys.h"

#include <functional>

class QObject;

// What logind itself does when the lid closes: its manager's
// HandleLidSwitch, HandleLidSwitchExternalPower and HandleLidSwitchDocked.
// The program carries that out for a case left to the system while it
// holds the lid.
class LogindLidHandling
{
public:
    // Asks logind without waiting, for at most answerCapMs; answered gets
    // the three values, each empty where it could not be read as a text
    // (an error, no answer, another type), once, unless context went first.
    static void ask(QObject *context,
                    const std::function<void(const LidKeys::LogindHandling &)> &answered);
};
