#include "qtsingleapplication.h"
#include "translations.h"
#include "version.h"
#include "wexintegration.h"
#include "wmain.h"

int main(int argc, char *argv[])
{
    QtSingleApplication app(argc, argv, true);
    Translations::install();
    if (app.isRunning()) {
        // Whether the running instance took it or not, this start is done.
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
    app.setActivationWindow(&window, true);
    window.show();
    return app.exec();
}
