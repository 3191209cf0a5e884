#include "brightnesscommand.h"

#include "brightnessrequest.h"
#include "brightnesssteps.h"
#include "commandline.h"
#include "logindsession.h"
#include "qtsingleapplication.h"
#include "screenbacklight.h"

#include <QEventLoop>
#include <cstdio>

int BrightnessCommand::run(const BrightnessRequest &request)
{
    // An instance that does not take it (one that hangs) is done without.
    if (QtSingleApplication::sendToRunning(request.message()))
        return 0;
    return setHere(request);
}

int BrightnessCommand::setHere(const BrightnessRequest &request)
{
    const ScreenBacklight backlight;
    if (!backlight.isAvailable())
        return fail(tr("there is no screen backlight."));
    const int level = backlight.brightness();
    const int target = request.target(BrightnessSteps::forScreen(backlight.maxBrightness()), level);
    if (target < 0)
        return fail(tr("its present level cannot be read."));
    if (target == level)
        return 0;

    LogindSession session;
    QEventLoop answered;
    int status = 1;
    QObject::connect(&session, &LogindSession::brightnessSet, &answered, [&] {
        status = 0;
        answered.quit();
    });
    QObject::connect(&session, &LogindSession::brightnessRefused, &answered,
                     [&](const QString &reason) {
                         fail(reason);
                         answered.quit();
                     });
    session.setBrightness(ScreenBacklight::subsystem(), backlight.name(), uint(target));
    // logind answers within LogindSession's own time limit.
    answered.exec();
    return status;
}

int BrightnessCommand::fail(const QString &why)
{
    std::fputs(qPrintable(tr("%1: the screen's brightness cannot be set: %2\n")
                                  .arg(CommandLine::programName(), why)),
               stderr);
    std::fflush(stderr);
    return 1;
}
