#pragma once

// The few calls that Qt 5.15 and Qt 6 spell differently, kept in one place so
// that the rest of the code reads the same on both.

#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QTextDocument>
#include <QTextStream>
#include <QtGlobal>

namespace QtCompat {

// Where Qt's own catalogues (qtbase_de.qm …) are installed.
inline QString qtTranslationsPath()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

// Qt 5 writes a text stream in the locale's encoding, Qt 6 in UTF-8; reports
// are UTF-8 on both.
inline void writeUtf8(QTextStream &stream)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    stream.setEncoding(QStringConverter::Utf8);
#else
    stream.setCodec("UTF-8");
#endif
}

// The format of a time editor. Qt 6 took newer locale data, in which a few
// locales write the short time differently (Chinese in 24 hours, for one);
// the editor keeps showing what Qt 5.15, and so the users, always had.
inline QString timeEditFormat(const QLocale &locale)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    static const struct
    {
        const char *locale;
        const char *format;
    } qt5Formats[] = {
            {"bo_CN", "h:mm AP"}, {"brx_IN", "h:mm AP"}, {"ii_CN", "h:mm AP"},
            {"my_MM", "B H:mm"},  {"sd_IN", "AP h:mm"},  {"ug_CN", "h:mm AP"},
            {"yue_CN", "APh:mm"}, {"zh_CN", "APh:mm"},   {"zh_TW", "APh:mm"},
    };
    const QString name = locale.name();
    for (const auto &known : qt5Formats) {
        if (name == QLatin1String(known.locale))
            return QString::fromUtf8(known.format);
    }
#endif
    return locale.timeFormat(QLocale::ShortFormat);
}

// A document as rich text for a tray tooltip, which the tray host renders.
// Qt 5 wrote bold as the weight 600 (its own scale times 8), which hosts
// built on Qt 5 read back as bold; Qt 6 writes 700, which they read as
// black. Hosts get the weight the program has always sent.
inline QString toolTipHtml(const QTextDocument &document)
{
    QString html = document.toHtml();
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Only inside style attributes: a quote in the text itself is escaped.
    static const QRegularExpression bold(QStringLiteral("(style=\"[^\"]*font-weight:)700;"));
    html.replace(bold, QStringLiteral("\\1600;"));
#endif
    return html;
}

} // namespace QtCompat
