#include "wmain.h"

#include "criticalwarning.h"
#include "directsystembus.h"
#include "monitorclock.h"
#include "monitorrules.h"
#include "poweractions.h"
#include "powericon.h"
#include "settingskeys.h"
#include "settingsstorewatch.h"
#include "timeofday.h"
#include "upowertypes.h"
#include "upowerview.h"
#include "wbattery.h"
#include "wcontrol.h"
#include "wexhelpmenu.h"
#include "wexintegration.h"
#include "wirenames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDBusReply>
#include <QSettings>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace {

constexpr int monitorInterval = 5000;
// A tick this much later than planned on the wall clock or CLOCK_BOOTTIME
// had the machine asleep before it; load delays a tick by far less.
constexpr qint64 awayDelay = 2 * monitorInterval;
// The longest the monitor sleeps through its ticks. What no announcement
// tells of (the clock or the time zone set anew) counts from the next
// tick after at most this long, well inside a schedule's two minutes.
constexpr qint64 longestSleep = 30000;
constexpr int messageDuration = 10000;

// The tab shows the battery's model as text; '&' would otherwise turn the
// next letter into a shortcut.
QString tabTitle(const QWidget *page)
{
    QString title = page->windowTitle();
    return title.replace(QLatin1Char('&'), QLatin1String("&&"));
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
      upower(UPowerWire::service, UPowerWire::path, QDBusConnection::systemBus()),
      scheduled(awayDelay)
{
    registerUPowerMetaTypes();
    ui.setupUi(this);

    ui.aExit->setIcon(QIcon::fromTheme(QStringLiteral("application-exit")));
    setWindowIcon(powerIcon());

    trayIcon = new QSystemTrayIcon(windowIcon(), this);
    trayIcon->setToolTip(windowTitle());
    trayIcon->setVisible(true);

    connect(ui.aExit, &QAction::triggered, this, &WMain::close);
    menuBar()->addMenu(new WexHelpMenu(this));

    connect(&upower, &OrgFreedesktopUPowerInterface::DeviceAdded, this, &WMain::DeviceAdded);
    connect(&upower, &OrgFreedesktopUPowerInterface::DeviceRemoved, this, &WMain::DeviceRemoved);

    view = new UPowerView(this);
    connect(view, &UPowerView::deviceAppeared, this, &WMain::deviceAppeared);
    connect(view, &UPowerView::deviceChanged, this, &WMain::deviceChanged);
    connect(view, &UPowerView::daemonRestarted, this, &WMain::daemonRestarted);
    // The monitor reads its settings on every tick: one store, read again
    // on the first tick after an edit made outside the program. The
    // window's geometry is kept there too.
    settings = new QSettings(this);
    storeWatch = new SettingsStoreWatch(settings, this);

    clock = new MonitorClock(monitorInterval, this);
    connect(clock, &MonitorClock::tick, this, &WMain::timeout);
    connect(storeWatch, &SettingsStoreWatch::changed, clock, &MonitorClock::tickSoon);

    control = new WControl(this);
    ui.tabs->addTab(control, QIcon::fromTheme(QStringLiteral("preferences-system")),
                    tr("Settings"));

    criticalWarning = new CriticalWarning(this);
    // Queued, so that it comes after a "Power is down" of the same run: a
    // tray that shows one message at a time then keeps the warning.
    connect(criticalWarning, &CriticalWarning::warning, this, &WMain::showCriticalWarning,
            Qt::QueuedConnection);

    load();

    clock->start();

    wexRestoreGeometry(this, settings, QRect(), false);
}

WMain::~WMain()
{
    clock->stop();
    wexSaveGeometry(this, settings, false);
}

void WMain::registerBattery(const DeviceProperties &device)
{
    auto *battery = new WBattery(device, this);
    batteries.insert(device.path(), battery);
    ui.tabs->addTab(battery, battery->windowIcon(), tabTitle(battery));
}

void WMain::removeBattery(const QString &path)
{
    WBattery *battery = batteries.take(path);
    if (!battery)
        return;
    ui.tabs->removeTab(ui.tabs->indexOf(battery));
    delete battery;
}

void WMain::showPageForRegistry()
{
    ui.stack->setCurrentIndex(batteries.isEmpty() ? 0 : 1);
}

void WMain::load()
{
    view->load();
    if (view->isEventDriven())
        followLogind();

    QStringList registered;
    bool discharging = false;
    const QStringList devices = view->isEventDriven() ? view->paths() : [this] {
        QStringList paths;
        for (const QDBusObjectPath &device : enumerateDevices(upower))
            paths.append(device.path());
        return paths;
    }();
    for (const QString &path : devices) {
        // A path listed twice keeps the battery it already has.
        if (batteries.contains(path))
            continue;
        const DeviceProperties device =
                view->isEventDriven() ? view->device(path) : DeviceProperties(path);
        if (!device.isMachineBattery(true))
            continue;
        registerBattery(device);
        registered.append(path);
        if (device.state() == UPowerWire::Discharging)
            discharging = true;
    }
    // The batteries that decide for the machine get a critical action.
    control->load(registered);

    powerDown = discharging;
    ui.stack->setCurrentIndex(registered.isEmpty() ? 0 : 1);
}

// On today's stack logind says when the machine wakes up.
void WMain::followLogind()
{
    if (followingLogind)
        return;
    followingLogind = true;
    QDBusConnection::systemBus().connect(
            LogindWire::service, LogindWire::path, LogindWire::managerInterface,
            QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
}

void WMain::prepareForSleep(bool starting)
{
    if (starting)
        return;
    scheduled.machineWasAway();
    // The machine may have woken into a schedule's window.
    clock->tickSoon();
}

void WMain::DeviceAdded(QDBusObjectPath objectPath)
{
    // The view reads the new device without waiting and tells when it has.
    if (view->isEventDriven())
        return;
    const QString path = objectPath.path();
    // A second announcement of a known battery must not orphan its tab.
    if (batteries.contains(path))
        return;
    // UPSes are taken only at start; one that appears later is not followed.
    const DeviceProperties device(path);
    if (!device.isMachineBattery(false))
        return;
    registerBattery(device);
    showPageForRegistry();
}

void WMain::deviceAppeared(const QString &path)
{
    tickIfMonitorSeesChange(path);
    const DeviceProperties device = view->device(path);
    if (batteries.contains(path) || !device.isMachineBattery(false))
        return;
    registerBattery(device);
    showPageForRegistry();
}

void WMain::deviceChanged(const QString &path)
{
    tickIfMonitorSeesChange(path);
    if (WBattery *battery = batteries.value(path))
        battery->setProperties(view->device(path));
}

// The next tick of the grid decides on what changed; upowerd's refresh of
// a device's time stamp every half minute changes nothing it reads.
void WMain::tickIfMonitorSeesChange(const QString &path)
{
    const auto last = monitored.constFind(path);
    if (!view->contains(path)) {
        if (last != monitored.cend())
            clock->tickSoon();
        return;
    }
    const DeviceProperties device = view->device(path);
    if (last == monitored.cend()
        || *last != MonitoredValues{device.type(), device.state(), chargePercent(device)})
        clock->tickSoon();
}

void WMain::DeviceRemoved(QDBusObjectPath objectPath)
{
    tickIfMonitorSeesChange(objectPath.path());
    if (!batteries.contains(objectPath.path()))
        return;
    removeBattery(objectPath.path());
    showPageForRegistry();
}

void WMain::daemonRestarted()
{
    restarted = true;
    clock->tickSoon();
}

// UPower has a new owner, which may list other devices and may even be of
// the other generation. Tabs and gauges of devices still there stay.
void WMain::followRestartedDaemon()
{
    view->load();
    if (!view->isEventDriven()) {
        // This tick lists the devices anyway.
        registryStale = true;
        for (WBattery *battery : qAsConst(batteries))
            battery->setProperties(DeviceProperties(battery->path()));
        return;
    }
    followLogind();
    const QStringList present = view->paths();
    forgetVanishedBatteries(present);
    for (const QString &path : present) {
        const DeviceProperties device = view->device(path);
        if (WBattery *battery = batteries.value(path))
            battery->setProperties(device);
        else if (device.isMachineBattery(true))
            registerBattery(device);
    }
    showPageForRegistry();
}

void WMain::forgetVanishedBatteries(const QStringList &present)
{
    const QStringList registered = batteries.keys();
    for (const QString &path : registered) {
        if (!present.contains(path))
            removeBattery(path);
    }
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
    scheduled.tick(currentClocks(), clock->plannedGapMs());
    actionRequested = false;
    // Edits made to the store outside the program count from this tick on.
    storeWatch->syncIfChanged();

    if (std::exchange(restarted, false))
        followRestartedDaemon();

    QStringList dischargingDevices;
    monitored.clear();
    if (view->isEventDriven()) {
        for (const QString &path : view->paths()) {
            const DeviceProperties device = view->device(path);
            monitored.insert(path, {device.type(), device.state(), chargePercent(device)});
            if (device.isMachineBattery(true))
                checkCriticalCharge(device, dischargingDevices);
        }
    } else {
        const QStringList present = monitorDevices(dischargingDevices);
        if (registryStale) {
            forgetVanishedBatteries(present);
            showPageForRegistry();
            registryStale = false;
        }
    }

    reportLinePower(!dischargingDevices.isEmpty());
    planNextTick(runSchedules());
}

// On today's stack every value a tick reads is announced when it changes
// (and each announcement that matters brings the next tick back), so until
// a schedule becomes due, or an action is to be asked for again, the
// coming ticks could only repeat this one.
void WMain::planNextTick(qint64 untilNextSchedule)
{
    if (!view->isEventDriven() || !storeWatch->isWatching() || actionRequested)
        return;
    clock->sleepFor(untilNextSchedule);
}

// One look at every device, asking the daemon afresh; returns the devices
// listed, or nothing when the daemon did not answer.
QStringList WMain::monitorDevices(QStringList &dischargingDevices)
{
    const QDBusReply<QList<QDBusObjectPath>> reply =
            DirectSystemBus::call(QDBusMessage::createMethodCall(
                    UPowerWire::service, UPowerWire::path, UPowerWire::interface,
                    QStringLiteral("EnumerateDevices")));
    if (!reply.isValid())
        return {};
    QStringList present;
    for (const QDBusObjectPath &listed : reply.value()) {
        const DeviceProperties device = DeviceProperties::polled(listed.path());
        present.append(device.path());
        if (!device.isMachineBattery(true))
            continue;
        checkCriticalCharge(device, dischargingDevices);
        // A daemon with a new owner may have brought batteries of its own.
        if (registryStale && !batteries.contains(device.path()))
            registerBattery(DeviceProperties(device.path()));
    }
    return present;
}

void WMain::checkCriticalCharge(const DeviceProperties &device, QStringList &dischargingDevices)
{
    const QString path = device.path();
    const int percent = chargePercent(device);
    const CriticalSetting critical = criticalSettingFor(*settings, path);
    const auto action = criticalActionFor(critical, percent);
    if (action && device.state() == UPowerWire::Discharging) {
        executeAction(*action);
        actionRequested = true;
    }
    const bool discharging = device.state() == UPowerWire::Discharging;
    if (discharging)
        dischargingDevices.append(path);

    const WBattery *battery = batteries.value(path);
    criticalWarning->observe({path, percent, discharging, critical.level, critical.action,
                              [battery, device] {
                                  return battery ? battery->windowTitle()
                                                 : device.text(QStringLiteral("Model"));
                              },
                              [device] {
                                  return device.seconds(QStringLiteral("TimeToEmpty"));
                              }});
}

void WMain::reportLinePower(bool discharging)
{
    // The icon changes only with line power; setting it hands the tray host
    // a new image, which is not worth doing on every tick.
    if (discharging != trayShowsPowerDown) {
        trayShowsPowerDown = discharging;
        // The window's icon is the "power" icon, drawn once at start-up
        // when the theme lacks it.
        trayIcon->setIcon(
                discharging ? themeIcon(
                        QStringLiteral("dialog-warning"),
                        [this] { return style()->standardIcon(QStyle::SP_MessageBoxWarning); })
                            : windowIcon());
    }
    if (!discharging && powerDown) {
        trayIcon->showMessage(tr("Power manager"), tr("Power is up"), QSystemTrayIcon::Information,
                              messageDuration);
        powerDown = false;
    } else if (discharging && !powerDown) {
        trayIcon->showMessage(tr("Power manager"), tr("Power is down"), QSystemTrayIcon::Warning,
                              messageDuration);
        powerDown = true;
    }
}

void WMain::showCriticalWarning(const QString &message)
{
    trayIcon->showMessage(tr("Power manager"), message, QSystemTrayIcon::Warning, messageDuration);
}

// Requests the scheduled actions that are due; returns how long until the
// next schedule is due, 0 while one is, at most the longest sleep.
qint64 WMain::runSchedules()
{
    // On today's stack the catalogue asks logind, which makes it look at
    // swap and its sleep configuration: ask only when an action is due.
    // The older stack asks UPower on every tick.
    const bool eventDriven = view->isEventDriven();
    const QStringList candidates = eventDriven ? schedulableActions() : [] {
        QStringList offered = powerActions().keys();
        offered.removeAll(SettingsKeys::nothingAction());
        return offered;
    }();

    const qint64 now = currentClocks().wallMs;
    const QTime timeOfDay = currentTimeOfDay();
    qint64 untilNext = longestSleep;
    QStringList due;
    for (const QString &action : candidates) {
        const auto wait = msUntilScheduleDue(*settings, action, timeOfDay);
        if (!wait)
            continue;
        untilNext = std::min(untilNext, *wait);
        if (*wait == 0 && scheduled.mayRequest(action, now))
            due.append(action);
    }
    if (due.isEmpty())
        return untilNext;

    const QMap<QString, QString> offered = eventDriven ? powerActions() : QMap<QString, QString>();
    for (const QString &action : qAsConst(due)) {
        if (eventDriven && !offered.contains(action))
            continue;
        scheduled.requested(action, now);
        executeAction(action);
        actionRequested = true;
    }
    return untilNext;
}
