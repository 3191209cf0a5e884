#include "windowtray.h"

#include "brightnesscontrol.h"
#include "brightnessmenu.h"
#include "powerprofilemenu.h"
#include "powerprofiles.h"
#include "statusnotifierhost.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace {

constexpr int messageDuration = 10000;
// The tooltip names so many devices; more are counted.
constexpr int tooltipDevices = 5;

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
    connect(this, &QSystemTrayIcon::activated, this, [this](ActivationReason reason) {
        if (reason == Trigger)
            toggleWindow();
        // A StatusNotifier host that asks the item for its menu, rather
        // than reading the exported one, gets it where the pointer is. An
        // XEmbed tray has popped it up already.
        else if (reason == Context && contextMenu() && !contextMenu()->isVisible())
            contextMenu()->popup(QCursor::pos());
    });
    setVisible(true);
}

QWidget *WindowTray::window() const
{
    return qobject_cast<QWidget *>(parent());
}

// Qt frees the entries it made for the tray host only as actions leave
// the menu, never with the menu itself.
WindowTray::~WindowTray()
{
    if (QMenu *menu = contextMenu())
        menu->clear();
}

void WindowTray::showPowerDown(bool down)
{
    // Setting the icon hands the tray host a new image, which is not worth
    // doing when nothing changed.
    if (down == showsPowerDown)
        return;
    showsPowerDown = down;
    // The "power" icon was drawn once at start-up when the theme lacks it.
    QWidget *window = this->window();
    setIcon(down ? themeIcon(QStringLiteral("dialog-warning"),
                             [window] {
                                 return window->style()->standardIcon(QStyle::SP_MessageBoxWarning);
                             })
                 : powerIcon);
}

// Messages and tooltips are plain text, and may hold what devices and
// daemons chose to be called.
QString WindowTray::forHost(const QString &text)
{
    if (!hostReadsMarkup)
        hostReadsMarkup = statusNotifierHostRegistered();
    return *hostReadsMarkup ? text.toHtmlEscaped() : text;
}

void WindowTray::showMessage(const QString &message, bool warning)
{
    QSystemTrayIcon::showMessage(messageTitle, forHost(message),
                                 warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information,
                                 messageDuration);
}

void WindowTray::offerMenu(QAction *exit, PowerProfiles *profiles, BrightnessControl *lights)
{
    // Owned by the window: the tray icon does not own its menu. Built once;
    // the profile entries follow the daemon inside their own menu.
    auto *menu = new QMenu(window());
    menu->addAction(tr("Show window"), this, &WindowTray::showWindow);
    // Before the menu is handed over, so that a StatusNotifier host gets the
    // profiles as a submenu too.
    menu->addMenu(new PowerProfileMenu(profiles, menu));
    offerBrightness(menu, lights);
    menu->addSeparator();
    // An entry of its own: an action in two menus is told to accessibility
    // tools as an entry of the first, where it is hidden and placed there.
    menu->addAction(exit->icon(), exit->text(), exit, &QAction::trigger);
    setContextMenu(menu);
    connect(profiles, &PowerProfiles::refused, this,
            [this](const QString &profile, const QString &reason) {
                showMessage(tr("The power profile could not be changed to %1: %2")
                                    .arg(PowerProfileMenu::profileName(profile), reason),
                            true);
            });
}

void WindowTray::offerBrightness(QMenu *menu, BrightnessControl *lights)
{
    auto *screen = new BrightnessMenu(tr("Brightness"), menu);
    auto *keyboard = new BrightnessMenu(tr("Keyboard light"), menu);
    menu->addMenu(screen);
    menu->addMenu(keyboard);
    const auto showScreen = [screen, lights] {
        screen->showLight(lights->screenSteps(), lights->screenLevel(), lights->canSetScreen());
    };
    const auto showKeyboard = [keyboard, lights] {
        keyboard->showLight(lights->keyboardSteps(), lights->keyboardLevel(), true);
    };
    showScreen();
    showKeyboard();
    connect(lights, &BrightnessControl::screenChanged, screen, showScreen);
    connect(lights, &BrightnessControl::keyboardChanged, keyboard, showKeyboard);
    connect(screen, &BrightnessMenu::chosen, lights, &BrightnessControl::setScreenLevel);
    connect(keyboard, &BrightnessMenu::chosen, lights, &BrightnessControl::setKeyboardLevel);
    connect(lights, &BrightnessControl::refused, this,
            [this](const QString &message) { showMessage(message, true); });
}

void WindowTray::setHidesOnClick(bool hides)
{
    hidesOnClick = hides;
}

void WindowTray::showWindow()
{
    QWidget *window = this->window();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowTray::toggleWindow(bool showsClicked)
{
    QWidget *window = this->window();
    // Asked of the window rather than the widget: a window shown again
    // right after it was hidden gets the input focus without the widget
    // hearing of it.
    const bool inFront = window->isVisible() && window->windowHandle()->isActive()
            && !(window->windowState() & Qt::WindowMinimized);
    // Closing hides the window of a program in the background, where it was.
    if (hidesOnClick && inFront && showsClicked)
        window->close();
    else
        showWindow();
}

void WindowTray::showDeviceCharges(const QStringList &lines)
{
    deviceLines = lines;
    showToolTip();
}

void WindowTray::showKeptAwakeBy(const QStringList &lines)
{
    keeperLines = lines;
    showToolTip();
}

void WindowTray::showToolTip()
{
    // Set only when it changes: each time the tray host is sent it anew,
    // and the devices' values change every half minute without this.
    QStringList shown{window()->windowTitle()};
    shown += keeperLines;
    shown += deviceLines.mid(0, tooltipDevices);
    const int more = int(deviceLines.size()) - tooltipDevices;
    if (more > 0)
        shown << tr("and %n more", nullptr, more);
    const QString text = forHost(shown.join(QLatin1Char('\n')));
    if (text != toolTip())
        setToolTip(text);
}

void WindowTray::offerKeepAwake(QAction *keepAwake)
{
    QMenu *menu = contextMenu();
    if (!menu)
        return;
    // Above the separator before "Exit".
    const QList<QAction *> entries = menu->actions();
    QAction *before = entries.size() >= 2 ? entries.at(entries.size() - 2) : nullptr;
    menu->insertAction(before, keepAwake);
}
