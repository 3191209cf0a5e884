#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>

// A well-known name the program serves only while no other program wants
// it: it never queues for the name, lets a program that asks to replace it
// take it over, and takes it again only when it falls free. Both are
// settled by the bus daemon, so two programs reaching for a free name at
// once cannot both believe they have it. Costs one signal subscription.
class SessionBusName : public QObject
{
    Q_OBJECT

public:
    SessionBusName(const QString &name, const QDBusConnection &bus, QObject *parent = nullptr);
    // Gives the name back when owned.
    ~SessionBusName() override;

    QString name() const { return m_name; }
    bool isOwned() const { return m_owned; }

    // Tries for the name now, and from then on whenever it falls free.
    void claim();

signals:
    void ownedChanged(bool owned);

private:
    void ownerChanged(const QString &name, const QString &oldOwner, const QString &newOwner);
    void tryToOwn();
    void setOwned(bool owned);

    QString m_name;
    QDBusConnection m_bus;
    QDBusServiceWatcher m_watcher;
    bool m_claimed = false;
    bool m_owned = false;
};
