#include "testicontheme.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QProcessEnvironment>

namespace TestIconTheme {

QStringList iconNames()
{
    return {QStringLiteral("application-exit"),    QStringLiteral("power"),
            QStringLiteral("preferences-system"),  QStringLiteral("battery"),
            QStringLiteral("dialog-warning"),      QStringLiteral("connect_no"),
            QStringLiteral("connect_established"), QStringLiteral("ok"),
            QStringLiteral("korganizer")};
}

QColor colourOf(const QString &iconName)
{
    const int index = iconNames().indexOf(iconName);
    return index < 0 ? QColor() : QColor::fromHsv(index * 360 / iconNames().size(), 255, 200);
}

static bool writeTheme(const QString &themeFolder);

bool install()
{
    const QString dataHome = QProcessEnvironment::systemEnvironment().value(
            QStringLiteral("XDG_DATA_HOME"), QDir::homePath() + QStringLiteral("/.local/share"));
    // The same icons serve as the fallback theme (which a desktop-less X
    // session uses) and as a theme of their own for platforms without one.
    const QString icons = dataHome + QStringLiteral("/icons");
    for (const QString &theme : {QStringLiteral("hicolor"), QStringLiteral("wex-test")}) {
        if (!writeTheme(icons + QLatin1Char('/') + theme))
            return false;
    }
    QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << icons);
    QIcon::setThemeName(QStringLiteral("wex-test"));
    return true;
}

bool writeTheme(const QString &themeFolder)
{
    const QString folder = themeFolder + QStringLiteral("/16x16/apps");
    if (!QDir().mkpath(folder))
        return false;
    QFile index(themeFolder + QStringLiteral("/index.theme"));
    if (!index.exists()) {
        if (!index.open(QIODevice::WriteOnly))
            return false;
        index.write("[Icon Theme]\nName=wex-test\nDirectories=16x16/apps\n\n"
                    "[16x16/apps]\nSize=16\nType=Fixed\n");
    }
    for (const QString &name : iconNames()) {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(colourOf(name));
        if (!image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png")))
            return false;
    }
    return true;
}

} // namespace TestIconTheme
