#include "qtsingleapplication.h"
#include "version.h"
#include "wexintegration.h"
#include "wmain.h"

int main(int argc, char *argv[])
{
    QtSingleApplication app(argc, argv, true);
    if (app.isRunning()) {
        // Whether the running instance took it or not, this start is done.
        app.sendMessage(QStringLiteral("raise"), 5000);
        return 0;
    }

    wexInit(WEX_POWER_VERSION, "Power management\nApplication for power management");

    WMain window;
    app.setActivationWindow(&window, true);
    window.show();
    return app.exec();
}
