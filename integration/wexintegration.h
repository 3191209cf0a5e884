#pragma once

#include <QRect>

class QSettings;
class QWidget;

// Initialises the desktop integration: the application's version, an
// organisation name for the settings store when none is set, and the name
// and summary shown in the About box ("Name\nOne-line summary").
//
// With the organisation "wex" and the application name taken from the
// executable, a QSettings() opened without arguments is
// ~/.config/wex/wex-power.conf. The name also becomes the application's
// display name.
void wexInit(const char *version, const char *description);

// The name and summary given to wexInit.
QString wexApplicationName();
QString wexApplicationSummary();

// Restores the window geometry stored by wexSaveGeometry, kept within the
// available screens; with nothing stored the window keeps its geometry, or
// takes defaultGeometry when that is valid. With keepWindowState false a
// maximised or full-screen state is not restored.
//
// wexSaveGeometry always records the state; whether it comes back is up to
// the keepWindowState of the restoring call. A null settings means
// QSettings().
void wexRestoreGeometry(QWidget *window, QSettings *settings, const QRect &defaultGeometry,
                        bool keepWindowState);
void wexSaveGeometry(const QWidget *window, QSettings *settings);

// The settings key the geometry of a window is kept under: one per object
// name (the class name for a window without one).
QString wexGeometryKey(const QWidget *window);
