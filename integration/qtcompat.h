#pragma once

// The few calls that Qt 5.15 and Qt 6 spell differently, kept in one place so
// that the rest of the code reads the same on both.

#include <QLibraryInfo>
#include <QString>
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

} // namespace QtCompat
