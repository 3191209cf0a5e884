#include "commandline.h"

#include "version.h"

#include <QFileInfo>
#include <cstdio>

namespace {

// Exit status for a command line the program does not understand, as
// other command-line programs use it.
constexpr int usageError = 2;

void print(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
}

// An option's short and long name. Built here because lupdate takes a brace
// in the constructor's initializers for the start of its body, and then
// finds no context for the texts after it.
QStringList shortAndLong(const char *shortName, const char *longName)
{
    return {QString::fromLatin1(shortName), QString::fromLatin1(longName)};
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
    : hiddenOption(QStringLiteral("hidden"),
                   tr("Start in the background with only the tray icons; a later start "
                      "without options shows the window, and closing the window hides it "
                      "again.")),
      helpOption(shortAndLong("h", "help"), tr("Show this help and exit.")),
      versionOption(shortAndLong("v", "version"), tr("Show the version and exit.")),
      brightnessOption(QStringLiteral("brightness"),
                       tr("Set the screen's brightness one step up or down, or to a percentage "
                          "such as 40%, and exit: for keys that the desktop binds to commands "
                          "(on Wayland). The running instance does it and shows the new level; "
                          "without one it is set at once."),
                       tr("up|down|N%"))
{
    // Qt's options start with one dash ("-platform offscreen"), ours read
    // alike with one or two.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
            tr("Shows the batteries and UPSes that UPower reports, warns before a battery "
               "runs out and carries out the power action chosen for it.\nQt's own options "
               "(-platform, -style, -display and the others) are understood too."));
    parser.addOption(hiddenOption);
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(brightnessOption);
    addQtOptions();

    if (!parser.parse(arguments)) {
        mistake = parser.errorText();
        asked = Mistake;
    } else if (!parser.positionalArguments().isEmpty()) {
        mistake = tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
        asked = Mistake;
    } else if (parser.isSet(helpOption)) {
        asked = ShowHelp;
    } else if (parser.isSet(versionOption)) {
        asked = ShowVersion;
    } else if (parser.isSet(brightnessOption)) {
        const QString value = parser.value(brightnessOption);
        brightnessRequest = BrightnessRequest::parse(value);
        if (brightnessRequest.isValid()) {
            asked = SetBrightness;
        } else {
            mistake = tr("Invalid brightness '%1': give up, down or a percentage such as 40%.")
                              .arg(value);
            asked = Mistake;
        }
    }
}

// The options the GUI application takes from the command line itself. They
// are known here only to let them through, and the help leaves them out.
void CommandLine::addQtOptions()
{
    const char *const withValue[] = {"platform",        "platformpluginpath",
                                     "platformtheme",   "plugin",
                                     "qwindowgeometry", "qwindowicon",
                                     "qwindowtitle",    "display",
                                     "geometry",        "name",
                                     "title",           "visual",
                                     "session",         "style",
                                     "stylesheet",      "qmljsdebugger"};
    const char *const flags[] = {"reverse", "widgetcount", "sync", "nograb", "dograb"};
    for (const char *name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

bool CommandLine::hidden() const
{
    return parser.isSet(hiddenOption);
}

QString CommandLine::programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

int CommandLine::answer() const
{
    switch (asked) {
    case ShowHelp:
        print(stdout, parser.helpText());
        return 0;
    case ShowVersion:
        print(stdout,
              QStringLiteral("%1 %2\n").arg(programName(), QLatin1String(WEX_POWER_VERSION)));
        return 0;
    case Mistake:
        print(stderr, tr("%1: %2\nTry '%1 --help' for the options.\n").arg(programName(), mistake));
        return usageError;
    case Start:
    case SetBrightness:
        break;
    }
    return 0;
}

QString CommandLine::noTrayText()
{
    return tr("%1: no system tray to show the icons in, so the window is shown and closing it "
              "ends the program.")
            .arg(programName());
}
