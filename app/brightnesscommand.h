#pragma once

#include <QCoreApplication>

class BrightnessRequest;

// `wex-power --brightness up|down|N%`, for desktops that bind the keys to
// commands (Wayland compositors): the request goes to the running
// instance, which carries it out as a key would and shows the new level.
// Without one, the screen's level is read from sysfs and set through
// logind here, and the command waits for logind's answer. It needs no
// display, only a QCoreApplication.
class BrightnessCommand
{
    Q_DECLARE_TR_FUNCTIONS(BrightnessCommand)

public:
    // The exit status: 0 when handed over or done, 1 with a line on
    // standard error when the level cannot be set.
    static int run(const BrightnessRequest &request);

private:
    static int setHere(const BrightnessRequest &request);
    static int fail(const QString &why);
};
