#include "poweractions.h"

#include "upowerinterface.h"

#include <QDBusInterface>
#include <QObject>

QMap<QString, QString> powerActions()
{
    OrgFreedesktopUPowerInterface upower(QStringLiteral("org.freedesktop.UPower"),
                                         QStringLiteral("/org/freedesktop/UPower"),
                                         QDBusConnection::systemBus());
    QMap<QString, QString> actions;
    actions.insert(QStringLiteral("*"), QObject::tr("Nothing"));
    actions.insert(QStringLiteral("shutdown"), QObject::tr("Shutdown"));
    if (upower.canHibernate())
        actions.insert(QStringLiteral("hibernate"), QObject::tr("Hibernate"));
    if (upower.canSuspend())
        actions.insert(QStringLiteral("suspend"), QObject::tr("Suspend"));
    return actions;
}

void executePowerAction(OrgFreedesktopUPowerInterface &upower, const QString &action)
{
    if (action == QLatin1String("hibernate")) {
        upower.Hibernate();
    } else if (action == QLatin1String("suspend")) {
        upower.Suspend();
    } else {
        QDBusInterface consoleKit(QStringLiteral("org.freedesktop.ConsoleKit"),
                                  QStringLiteral("/org/freedesktop/ConsoleKit/Manager"),
                                  QStringLiteral("org.freedesktop.ConsoleKit.Manager"),
                                  QDBusConnection::systemBus());
        consoleKit.call(QStringLiteral("Stop"));
    }
}
