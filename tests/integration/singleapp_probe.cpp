// Starts as a single-instance program would: the first instance reports
// "primary" and prints every message it receives; later ones report
// "secondary", send their message and say whether it was delivered.
//
// Usage: singleapp_probe [message [timeout-ms]]
// The message is percent-encoded UTF-8, so that it arrives intact whatever
// the locale; the output is UTF-8.

#include "qtsingleapplication.h"

#include <QWidget>

#include <cstdio>

static void say(const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

int main(int argc, char **argv)
{
    QtSingleApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString message = QString::fromUtf8(QByteArray::fromPercentEncoding(
            arguments.value(1, QStringLiteral("raise")).toLatin1()));
    const int timeout = arguments.size() > 2 ? arguments.at(2).toInt() : 5000;

    if (app.isRunning()) {
        say(QStringLiteral("secondary"));
        const bool sent = app.sendMessage(message, timeout);
        say(sent ? QStringLiteral("sent:1") : QStringLiteral("sent:0"));
        return 0;
    }

    QWidget window;
    app.setActivationWindow(&window);
    QObject::connect(&app, &QtSingleApplication::messageReceived,
                     [](const QString &text) { say(QStringLiteral("message:") + text); });
    say(QStringLiteral("socket:") + app.socketPath());
    say(QStringLiteral("primary"));
    return app.exec();
}
