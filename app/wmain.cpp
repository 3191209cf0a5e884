#include "wmain.h"

#include "criticalwarning.h"
#include "poweractions.h"
#include "settingskeys.h"
#include "timeofday.h"
#include "upowerdeviceinterface.h"
#include "upowertypes.h"
#include "wbattery.h"
#include "wcontrol.h"
#include "wexhelpmenu.h"
#include "wexintegration.h"
#include "wirenames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QSettings>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int monitorInterval = 5000;
constexpr int messageDuration = 10000;

// A short-lived proxy for one device, as the registry and the monitor use.
OrgFreedesktopUPowerDeviceInterface deviceProxy(const QString &path)
{
    return OrgFreedesktopUPowerDeviceInterface(UPowerWire::service, path,
                                               QDBusConnection::systemBus());
}

// The tab shows the battery's model as text; '&' would otherwise turn the
// next letter into a shortcut.
QString tabTitle(const QWidget *page)
{
    QString title = page->windowTitle();
    return title.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// Many icon themes have no "power": without an image of its own the tray
// icon would not show at all, so a plain battery stands in for it.
QIcon drawnPowerIcon()
{
    QIcon icon;
    for (int side : {16, 22, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal unit = side / 16.0;
        painter.setPen(QPen(QColor(40, 40, 40), unit));
        painter.setBrush(QColor(250, 250, 250));
        painter.drawRoundedRect(QRectF(1.5 * unit, 3.5 * unit, 12 * unit, 9 * unit), unit, unit);
        painter.fillRect(QRectF(13.5 * unit, 6 * unit, 1.5 * unit, 4 * unit), QColor(40, 40, 40));
        painter.fillRect(QRectF(3 * unit, 5 * unit, 7 * unit, 6 * unit), QColor(60, 180, 60));
        icon.addPixmap(pixmap);
    }
    return icon;
}

// The theme's icon of that name, or the fallback when the theme has none;
// the fallback is only made when it is needed.
template<typename Fallback>
QIcon themeIcon(const QString &name, Fallback fallback)
{
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : fallback();
}

} // namespace

WMain::WMain(QWidget *parent)
    : QMainWindow(parent), powerDown(false),
      upower(UPowerWire::service, UPowerWire::path, QDBusConnection::systemBus())
{
    registerUPowerMetaTypes();
    ui.setupUi(this);

    ui.aExit->setIcon(QIcon::fromTheme(QStringLiteral("application-exit")));
    setWindowIcon(themeIcon(QStringLiteral("power"), drawnPowerIcon));

    trayIcon = new QSystemTrayIcon(windowIcon(), this);
    trayIcon->setToolTip(windowTitle());
    trayIcon->setVisible(true);

    connect(ui.aExit, &QAction::triggered, this, &WMain::close);
    menuBar()->addMenu(new WexHelpMenu(this));

    connect(&upower, &OrgFreedesktopUPowerInterface::DeviceAdded, this, &WMain::DeviceAdded);
    connect(&upower, &OrgFreedesktopUPowerInterface::DeviceRemoved, this, &WMain::DeviceRemoved);

    control = new WControl(this);
    ui.tabs->addTab(control, QIcon::fromTheme(QStringLiteral("preferences-system")),
                    tr("Settings"));

    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &WMain::timeout);

    criticalWarning = new CriticalWarning(this);
    // Queued, so that it comes after a "Power is down" of the same run: a
    // tray that shows one message at a time then keeps the warning.
    connect(criticalWarning, &CriticalWarning::warning, this, &WMain::showCriticalWarning,
            Qt::QueuedConnection);

    load();

    timer->start(monitorInterval);

    QSettings settings;
    wexRestoreGeometry(this, &settings, QRect(), false);
}

WMain::~WMain()
{
    timer->stop();
    QSettings settings;
    wexSaveGeometry(this, &settings, false);
}

bool WMain::isBatteryType(uint type, bool includeUps) const
{
    return type == UPowerWire::Battery || (includeUps && type == UPowerWire::Ups);
}

void WMain::registerBattery(const QString &path)
{
    auto *battery = new WBattery(path, this);
    batteries.insert(path, battery);
    ui.tabs->addTab(battery, battery->windowIcon(), tabTitle(battery));
}

void WMain::showPageForRegistry()
{
    ui.stack->setCurrentIndex(batteries.isEmpty() ? 0 : 1);
}

void WMain::load()
{
    control->load();

    int registered = 0;
    bool discharging = false;
    const QList<QDBusObjectPath> devices = enumerateDevices(upower);
    for (const QDBusObjectPath &device : devices) {
        const QString path = device.path();
        // A path listed twice keeps the battery it already has.
        if (batteries.contains(path))
            continue;
        auto proxy = deviceProxy(path);
        if (!isBatteryType(proxy.type(), true))
            continue;
        registerBattery(path);
        ++registered;
        if (proxy.state() == UPowerWire::Discharging)
            discharging = true;
    }

    powerDown = discharging;
    ui.stack->setCurrentIndex(registered != 0 ? 1 : 0);
}

void WMain::DeviceAdded(QDBusObjectPath objectPath)
{
    const QString path = objectPath.path();
    // A second announcement of a known battery must not orphan its tab.
    if (batteries.contains(path))
        return;
    // UPSes are taken only at start; one that appears later is not followed.
    if (!isBatteryType(deviceProxy(path).type(), false))
        return;
    registerBattery(path);
    showPageForRegistry();
}

void WMain::DeviceRemoved(QDBusObjectPath objectPath)
{
    WBattery *battery = batteries.take(objectPath.path());
    if (!battery)
        return;
    ui.tabs->removeTab(ui.tabs->indexOf(battery));
    delete battery;
    showPageForRegistry();
}

void WMain::keepRunningWhenClosed()
{
    keepRunning = true;
    QApplication::setQuitOnLastWindowClosed(false);
    connect(ui.aExit, &QAction::triggered, qApp, &QCoreApplication::quit);
}

void WMain::closeEvent(QCloseEvent *event)
{
    if (!keepRunning) {
        QMainWindow::closeEvent(event);
        return;
    }
    // A closed window would come back as a new one, wherever the window
    // manager puts new windows. Hidden, with its place given as the
    // program's own (not left to the window manager), it comes back there.
    event->ignore();
    windowHandle()->setGeometry(windowHandle()->geometry());
    hide();
}

void WMain::executeAction(const QString &action)
{
    executePowerAction(upower, action);
}

void WMain::timeout()
{
    const QList<QDBusObjectPath> devices = enumerateDevices(upower);
    QSettings settings;
    QStringList dischargingDevices;

    for (const QDBusObjectPath &device : devices) {
        const QString path = device.path();
        auto proxy = deviceProxy(path);
        if (!isBatteryType(proxy.type(), true))
            continue;

        const int percent = chargePercent(&proxy);
        const QString action = settings.value(SettingsKeys::criticalAction(path),
                                              SettingsKeys::defaultCriticalAction())
                                       .toString();
        const int level = settings.value(SettingsKeys::criticalChargeLevel(path),
                                         SettingsKeys::defaultCriticalChargeLevel)
                                  .toInt();
        // A charge that cannot be known never shuts the machine down.
        if (action != SettingsKeys::nothingAction() && percent != UnknownCharge && percent <= level
            && proxy.state() == UPowerWire::Discharging) {
            executeAction(action);
        }
        const bool discharging = proxy.state() == UPowerWire::Discharging;
        if (discharging)
            dischargingDevices.append(path);
        criticalWarning->observe(
                {path, proxy.model(), percent, proxy.timeToEmpty(), discharging, level, action});
    }

    reportLinePower(!dischargingDevices.isEmpty());
    runSchedules(settings);
}

void WMain::reportLinePower(bool discharging)
{
    if (!discharging) {
        // The window's icon is the "power" icon, drawn once at start-up when
        // the theme lacks it; the monitor runs far too often to draw it again.
        trayIcon->setIcon(windowIcon());
        if (powerDown) {
            trayIcon->showMessage(tr("Power manager"), tr("Power is up"),
                                  QSystemTrayIcon::Information, messageDuration);
            powerDown = false;
        }
    } else {
        trayIcon->setIcon(themeIcon(QStringLiteral("dialog-warning"), [this] {
            return style()->standardIcon(QStyle::SP_MessageBoxWarning);
        }));
        if (!powerDown) {
            trayIcon->showMessage(tr("Power manager"), tr("Power is down"),
                                  QSystemTrayIcon::Warning, messageDuration);
            powerDown = true;
        }
    }
}

void WMain::showCriticalWarning(const QString &message)
{
    trayIcon->showMessage(tr("Power manager"), message, QSystemTrayIcon::Warning, messageDuration);
}

void WMain::runSchedules(const QSettings &settings)
{
    const QMap<QString, QString> actions = powerActions();
    for (auto it = actions.keyBegin(); it != actions.keyEnd(); ++it) {
        const QString &action = *it;
        if (action == SettingsKeys::nothingAction())
            continue;
        const bool enabled = settings.value(SettingsKeys::scheduleEnabled(action)).toBool();
        const QTime time = settings.value(SettingsKeys::scheduleTime(action)).toTime();
        // A schedule without a readable time would otherwise be due on every
        // run (secsTo() of an invalid time is 0).
        if (!enabled || !time.isValid())
            continue;
        const int secondsToGo = currentTimeOfDay().secsTo(time);
        if (secondsToGo / 60 == 0)
            executeAction(action);
    }
}
