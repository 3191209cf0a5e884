#include "translations.h"

#include "qtcompat.h"
#include <QCoreApplication>
#include <QDir>

#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString catalogueName = QStringLiteral("wex-power_");

// English is the language of the code: a user who puts it first wants no
// catalogue, even if a later language of the list has one.
bool readsTheCode(const QString &language)
{
    const QLocale locale(language);
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

// The translator of file (e.g. "wex-power_de_DE") from the first folder that
// has it, or of a shorter name ("wex-power_de"); null if none has.
QTranslator *loadFirst(const QString &file, const QStringList &folders)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : folders) {
        if (translator->load(file, folder))
            return translator;
    }
    delete translator;
    return nullptr;
}

} // namespace

QString Translations::install(const QLocale &locale)
{
    const QStringList folders = searchPaths();
    // uiLanguages() follows LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, as
    // gettext does; the names come as "de-DE" where files say "de_DE".
    const QStringList languages = locale.uiLanguages();
    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (readsTheCode(language))
            return QString();
        QTranslator *own = loadFirst(catalogueName + language, folders);
        if (!own)
            continue;
        QCoreApplication::installTranslator(own);
        // Qt's own texts (dialog buttons, "About Qt") in the same language,
        // when Debian's qttranslations5-l10n is there.
        const QString qtFolder = QtCompat::qtTranslationsPath();
        if (QTranslator *qt = loadFirst(QStringLiteral("qtbase_") + language, {qtFolder}))
            QCoreApplication::installTranslator(qt);
        return language;
    }
    return QString();
}

QStringList Translations::searchPaths()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.absoluteFilePath(QStringLiteral("../share/wex-power/translations")),
            bin.absoluteFilePath(QStringLiteral("translations"))};
}
