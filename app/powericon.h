#pragma once

#include <QIcon>

// The window's and the tray's "power" image: the icon theme's, or, when the
// theme has none, a plain battery drawn in 16 to 48 pixels. Many themes lack
// it, and without an image of its own the tray icon would not show at all.
QIcon powerIcon();
