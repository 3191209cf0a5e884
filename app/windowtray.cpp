#include "windowtray.h"

#include <QStyle>
#include <QWidget>

namespace {

constexpr int messageDuration = 10000;

// The theme's icon of that name, or the fallback when the theme has none;
// the fallback is only made when it is needed.
template<typename Fallback>
QIcon themeIcon(const QString &name, Fallback fallback)
{
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : fallback();
}

} // namespace

WindowTray::WindowTray(const QString &messageTitle, const QIcon &powerIcon, QWidget *window)
    : QSystemTrayIcon(powerIcon, window), messageTitle(messageTitle), powerIcon(powerIcon)
{
    setToolTip(window->windowTitle());
    setVisible(true);
}

void WindowTray::showPowerDown(bool down)
{
    // Setting the icon hands the tray host a new image, which is not worth
    // doing when nothing changed.
    if (down == showsPowerDown)
        return;
    showsPowerDown = down;
    // The "power" icon was drawn once at start-up when the theme lacks it.
    auto *window = qobject_cast<QWidget *>(parent());
    setIcon(down ? themeIcon(QStringLiteral("dialog-warning"),
                             [window] {
                                 return window->style()->standardIcon(QStyle::SP_MessageBoxWarning);
                             })
                 : powerIcon);
}

void WindowTray::showMessage(const QString &message, bool warning)
{
    QSystemTrayIcon::showMessage(messageTitle, message,
                                 warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information,
                                 messageDuration);
}
