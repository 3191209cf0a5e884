#include "sessioninhibitions.h"

#include "inhibitobject.h"
#include "sessionbusname.h"
#include "wirenames.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>

SessionInhibitions::SessionInhibitions(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
    m_callers.setConnection(bus);
    m_callers.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(&m_callers, &QDBusServiceWatcher::serviceUnregistered, this,
            &SessionInhibitions::dropCaller);
}

SessionInhibitions::~SessionInhibitions()
{
    if (!m_powerManagement)
        return;
    // Off the bus before the cookies go.
    delete m_powerManagement;
    delete m_screenSaver;
    const QStringList paths = objectPaths();
    for (const QString &path : paths)
        m_bus.unregisterObject(path);
}

void SessionInhibitions::serve()
{
    if (m_powerManagement)
        return;
    auto *powerManagement = new InhibitObject(InhibitObject::PowerManagement, this);
    auto *screenSaver = new InhibitObject(InhibitObject::ScreenSaver, this);
    const QStringList paths = objectPaths();
    for (const QString &path : paths) {
        InhibitObject *object = path == paths.first() ? powerManagement : screenSaver;
        if (!m_bus.registerVirtualObject(path, object))
            qWarning().noquote() << "Cannot serve inhibitions at" << path;
    }

    // The objects are in place before anyone can reach them by name.
    m_powerManagement = new SessionBusName(SessionInhibitWire::powerManagementService, m_bus, this);
    m_screenSaver = new SessionBusName(SessionInhibitWire::screenSaverService, m_bus, this);
    for (SessionBusName *name : {m_powerManagement, m_screenSaver}) {
        connect(name, &SessionBusName::ownedChanged, this, &SessionInhibitions::servingChanged);
        name->claim();
    }
}

bool SessionInhibitions::servesPowerManagement() const
{
    return m_powerManagement && m_powerManagement->isOwned();
}

bool SessionInhibitions::servesScreenSaver() const
{
    return m_screenSaver && m_screenSaver->isOwned();
}

QList<SessionInhibitions::Inhibition> SessionInhibitions::inhibitions() const
{
    QList<Inhibition> list;
    list.reserve(m_cookies.size());
    for (const Cookie &cookie : m_cookies)
        list.append(cookie.inhibition);
    return list;
}

uint SessionInhibitions::inhibit(const QString &caller, bool screen, const QString &application,
                                 const QString &reason)
{
    const auto held = m_cookiesPerCaller.constFind(caller);
    const bool newCaller = held == m_cookiesPerCaller.constEnd();
    if (newCaller ? m_cookiesPerCaller.size() >= maxCallers : *held >= maxCookiesPerCaller)
        return 0;

    const bool hadInhibit = inhibitsSleep();
    const uint cookie = nextCookie();
    m_cookies.insert(cookie, {caller, {bounded(application), bounded(reason), screen}});
    ++m_cookiesPerCaller[caller];
    if (screen)
        ++m_screenCookies;
    if (newCaller)
        confirmCaller(caller);
    announce(hadInhibit);
    return cookie;
}

bool SessionInhibitions::unInhibit(const QString &caller, bool screen, uint cookie)
{
    const auto found = m_cookies.find(cookie);
    if (found == m_cookies.end() || found->caller != caller || found->inhibition.screen != screen)
        return false;
    const bool hadInhibit = inhibitsSleep();
    remove(found);
    announce(hadInhibit);
    return true;
}

// Follows a caller until it leaves the bus. It may have left already,
// between its call and now, and the bus does not tell of a departure that
// came before the question: the bus answers in order, so asking after the
// watch is set up leaves no gap.
void SessionInhibitions::confirmCaller(const QString &caller)
{
    m_callers.addWatchedService(caller);
    QDBusConnectionInterface *bus = m_bus.interface();
    if (!bus)
        return;
    auto *watcher =
            new QDBusPendingCallWatcher(bus->asyncCall(DBusWire::nameHasOwnerMethod, caller), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, caller](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<bool> present = *finished;
                if (present.isValid() && !present.value())
                    dropCaller(caller);
            });
}

void SessionInhibitions::dropCaller(const QString &caller)
{
    if (!m_cookiesPerCaller.contains(caller))
        return;
    const bool hadInhibit = inhibitsSleep();
    for (auto cookie = m_cookies.begin(); cookie != m_cookies.end();) {
        if (cookie->caller == caller)
            remove(cookie++);
        else
            ++cookie;
    }
    announce(hadInhibit);
}

void SessionInhibitions::remove(QMap<uint, Cookie>::iterator cookie)
{
    const QString caller = cookie->caller;
    if (cookie->inhibition.screen)
        --m_screenCookies;
    m_cookies.erase(cookie);
    auto held = m_cookiesPerCaller.find(caller);
    if (--*held == 0) {
        m_cookiesPerCaller.erase(held);
        m_callers.removeWatchedService(caller);
    }
}

void SessionInhibitions::announce(bool hadInhibit)
{
    if (hadInhibit != inhibitsSleep()) {
        QDBusMessage signal =
                QDBusMessage::createSignal(SessionInhibitWire::powerManagementPath,
                                           SessionInhibitWire::powerManagementInterface,
                                           SessionInhibitWire::hasInhibitChangedSignal);
        signal << inhibitsSleep();
        m_bus.send(signal);
    }
    emit inhibitionsChanged();
}

uint SessionInhibitions::nextCookie()
{
    // 0 is no cookie; after the numbers wrap, those still held are passed.
    do {
        ++m_lastCookie;
    } while (m_lastCookie == 0 || m_cookies.contains(m_lastCookie));
    return m_lastCookie;
}

// The power management object first, then the screen saver's two.
QStringList SessionInhibitions::objectPaths()
{
    return {SessionInhibitWire::powerManagementPath, SessionInhibitWire::screenSaverPath,
            SessionInhibitWire::screenSaverShortPath};
}

// One line of plain text: control and format characters (line breaks,
// direction overrides) become spaces, and a long text is cut.
QString SessionInhibitions::bounded(const QString &text)
{
    // Whatever lies beyond this cannot come back into the line, not even
    // after runs of spaces are squeezed.
    const int window = maxTextLength * 4;
    QString line = text.left(window);
    for (QChar &c : line) {
        if (!c.isPrint() && !c.isSurrogate())
            c = QLatin1Char(' ');
    }
    line = line.simplified();
    if (line.size() <= maxTextLength && text.size() <= window)
        return line;
    int end = qMin(line.size(), maxTextLength - 1);
    if (end > 0 && line.at(end - 1).isHighSurrogate())
        --end;
    return line.left(end) + QChar(0x2026);
}
