#pragma once

#include <QLocale>
#include <QStringList>

// The program's catalogue and Qt's own for the user's language, installed
// into the running application. Where the user reads English, or the
// language has no catalogue, nothing is installed and every text stays as
// written in the code.
class Translations
{
public:
    // Installs the catalogues for the first of the locale's languages that
    // has one; returns the language loaded, or an empty text.
    static QString install(const QLocale &locale = QLocale::system());

    // Where the program's catalogues are looked for: the install tree
    // (<prefix>/share/wex-power/translations beside <prefix>/bin) and the
    // build tree (translations/ beside the executable).
    static QStringList searchPaths();
};
