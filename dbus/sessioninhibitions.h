#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class SessionBusName;

// The inhibitions browsers and players ask of the session's power manager:
// org.freedesktop.PowerManagement.Inhibit, which keeps the machine from
// sleeping while idle, and org.freedesktop.ScreenSaver, which also keeps
// the screen from dimming and turning off. Each lasts until its caller
// gives its cookie back or leaves the bus. Everything a caller sends is
// bounded: its number of cookies, the number of callers, the length of
// its texts. Nothing runs while nobody calls.
class SessionInhibitions : public QObject
{
    Q_OBJECT

public:
    struct Inhibition
    {
        // As the caller gave them, cut to maxTextLength and on one line:
        // plain text, never markup.
        QString application;
        QString reason;
        bool screen = false; // also keeps the screen on
    };

    static constexpr int maxCookiesPerCaller = 64;
    static constexpr int maxCallers = 64;
    static constexpr int maxTextLength = 100;

    explicit SessionInhibitions(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                                QObject *parent = nullptr);
    // On the session bus.
    explicit SessionInhibitions(QObject *parent)
        : SessionInhibitions(QDBusConnection::sessionBus(), parent)
    {
    }
    ~SessionInhibitions() override;

    // Puts the objects on the bus and claims both names: the screen
    // saver's only while no other program (a screen locker, usually) has
    // it, and likewise the power manager's.
    void serve();
    bool servesPowerManagement() const;
    bool servesScreenSaver() const;

    // Whether anything keeps the machine from sleeping when idle.
    bool inhibitsSleep() const { return !m_cookies.isEmpty(); }
    // Whether anything keeps the screen from dimming or turning off.
    bool inhibitsScreen() const { return m_screenCookies > 0; }
    // Oldest first.
    QList<Inhibition> inhibitions() const;

    // What the bus objects hand on. inhibit answers the new cookie, or 0
    // when the caller holds too many or there are too many callers;
    // unInhibit answers whether the cookie was the caller's own, given for
    // the same kind.
    uint inhibit(const QString &caller, bool screen, const QString &application,
                 const QString &reason);
    bool unInhibit(const QString &caller, bool screen, uint cookie);

signals:
    // The inhibitions changed: another one, or one less.
    void inhibitionsChanged();
    void servingChanged();

private:
    struct Cookie
    {
        QString caller; // the caller's unique name on the bus
        Inhibition inhibition;
    };

    void confirmCaller(const QString &caller);
    void dropCaller(const QString &caller);
    void remove(QMap<uint, Cookie>::iterator cookie);
    void announce(bool hadInhibit);
    uint nextCookie();
    static QStringList objectPaths();
    static QString bounded(const QString &text);

    QDBusConnection m_bus;
    QDBusServiceWatcher m_callers; // only the callers holding cookies
    QMap<uint, Cookie> m_cookies;
    QHash<QString, int> m_cookiesPerCaller;
    int m_screenCookies = 0;
    uint m_lastCookie = 0;
    SessionBusName *m_powerManagement = nullptr;
    SessionBusName *m_screenSaver = nullptr;
};
