#pragma once

#include "brightnessrequest.h"

#include <QCommandLineParser>
#include <QCoreApplication>

// What the command line asks of a start: run (perhaps in the background),
// print the help or the version, or point out a mistake. Read while only a
// GUI-less application exists, so that --help, --version and mistakes are
// answered without a display; an application object must exist all the
// same, for the translator of the texts. Qt's own options (-platform,
// -style, -display, ...) pass through for the GUI application to take.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum Request { Start, ShowHelp, ShowVersion, SetBrightness, Mistake };

    explicit CommandLine(const QStringList &arguments);

    Request request() const { return asked; }
    bool hidden() const;
    // What --brightness asks for (with SetBrightness).
    BrightnessRequest brightness() const { return brightnessRequest; }

    // Prints the help or the version on standard output, or the mistake on
    // standard error, and returns the exit status that goes with it.
    int answer() const;

    // Why a start with --hidden shows its window after all.
    static QString noTrayText();
    // The name the program was started by, to begin its lines on standard
    // error with.
    static QString programName();

private:
    void addQtOptions();

    QCommandLineParser parser;
    QCommandLineOption hiddenOption;
    QCommandLineOption helpOption;
    QCommandLineOption versionOption;
    QCommandLineOption brightnessOption;
    BrightnessRequest brightnessRequest;
    QString mistake;
    Request asked = Start;
};
