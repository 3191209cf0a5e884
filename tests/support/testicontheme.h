#pragma once

#include <QColor>
#include <QStringList>

// Puts an icon of a colour of its own for every theme name the program uses
// into the fallback theme (hicolor) under $XDG_DATA_HOME, so that
// QIcon::fromTheme finds them and tests can tell the icons apart. Call it
// before the first icon lookup of the process.
namespace TestIconTheme {

QStringList iconNames();
QColor colourOf(const QString &iconName);
bool install();

} // namespace TestIconTheme
