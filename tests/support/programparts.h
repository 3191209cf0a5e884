#pragma once

#include <QStringList>

class QComboBox;
class QLabel;
class QSystemTrayIcon;
class QTabWidget;
class QTextEdit;
class QWidget;

// The parts of the program's windows that tests read and drive, found by
// their object names (or, for tray icons, by where they hang), so that a
// widget added to a page cannot be mistaken for the one a test means.

// The main window.
QTabWidget *mainTabs(const QWidget &window);
QStringList tabTitles(const QWidget &window);
QSystemTrayIcon *windowTray(const QWidget &window);

// A battery page.
QLabel *chargeLabel(const QWidget &batteryPage);
QString stateIconName(const QWidget &batteryPage);
QTextEdit *batteryInfo(const QWidget &batteryPage);
QSystemTrayIcon *batteryTray(const QWidget &batteryPage);

// A battery row of the settings panel.
QComboBox *levelList(const QWidget &row);
QComboBox *actionList(const QWidget &row);
