#include "poweractions.h"

#include <QObject>

QString powerActionName(const QString &identifier)
{
    if (identifier == QLatin1String("*"))
        return QObject::tr("Nothing");
    if (identifier == QLatin1String("shutdown"))
        return QObject::tr("Shutdown");
    if (identifier == QLatin1String("hibernate"))
        return QObject::tr("Hibernate");
    if (identifier == QLatin1String("suspend"))
        return QObject::tr("Suspend");
    return identifier;
}

QMap<QString, QString> powerActions(const SleepSupport &support)
{
    QMap<QString, QString> actions;
    QStringList offered{QStringLiteral("*"), QStringLiteral("shutdown")};
    if (support.hibernate)
        offered << QStringLiteral("hibernate");
    if (support.suspend)
        offered << QStringLiteral("suspend");
    for (const QString &action : qAsConst(offered))
        actions.insert(action, powerActionName(action));
    return actions;
}

QStringList schedulableActions()
{
    return {QStringLiteral("hibernate"), QStringLiteral("shutdown"), QStringLiteral("suspend")};
}
