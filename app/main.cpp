#include "brightnesscommand.h"
#include "brightnesscontrol.h"
#include "commandline.h"
#include "powercontroller.h"
#include "qtsingleapplication.h"
#include "translations.h"
#include "version.h"
#include "wexintegration.h"
#include "wmain.h"

#include <QSystemTrayIcon>
#include <cstdio>

int main(int argc, char *argv[])
{
    bool startHidden = false;
    {
        // --help, --version and mistakes are answered before anything
        // connects to the display, so they work without one.
        QCoreApplication reader(argc, argv);
        Translations::install();
        const CommandLine options(QCoreApplication::arguments());
        // A brightness key bound to a command needs no display either.
        if (options.request() == CommandLine::SetBrightness)
            return BrightnessCommand::run(options.brightness());
        if (options.request() != CommandLine::Start)
            return options.answer();
        startHidden = options.hidden();
    }

    QtSingleApplication app(argc, argv);
    Translations::install();
    if (app.isRunning()) {
        // A session that starts the program twice at login must not pop
        // the window. Otherwise, whether the running instance took the
        // message or not, this start is done.
        if (!startHidden)
            app.sendMessage(QStringLiteral("raise"), 5000);
        return 0;
    }

    //: The program's name, a line break and a one-line summary; the name also
    //: ends the title bar of every window, so it had better match the window title.
    const QByteArray description =
            QCoreApplication::translate("main",
                                        "Power management\nApplication for power management")
                    .toUtf8();
    wexInit(WEX_POWER_VERSION, description.constData());

    WMain window;
    app.setActivationWindow(&window, false);
    QObject::connect(&app, &QtSingleApplication::messageReceived, &window,
                     [&app, &window](const QString &message) {
                         const BrightnessRequest brightness =
                                 BrightnessRequest::fromMessage(message);
                         if (brightness.isValid()) {
                             window.controller()->brightness()->carryOut(brightness);
                             return;
                         }
                         // Raising alone does not bring back a window that was
                         // never shown or was closed into the background.
                         window.show();
                         app.activateWindow();
                     });

    // With nowhere to show the tray icons, a program without a window
    // would look dead.
    if (startHidden && !QSystemTrayIcon::isSystemTrayAvailable()) {
        std::fprintf(stderr, "%s\n", qPrintable(CommandLine::noTrayText()));
        startHidden = false;
    }
    if (startHidden)
        window.keepRunningWhenClosed();
    else
        window.show();
    return app.exec();
}
