#include "programparts.h"

#include "wexiconlabel.h"

#include <QComboBox>
#include <QLabel>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTextEdit>

QTabWidget *mainTabs(const QWidget &window)
{
    return window.findChild<QTabWidget *>(QStringLiteral("tabs"));
}

QStringList tabTitles(const QWidget &window)
{
    QStringList titles;
    QTabWidget *tabs = mainTabs(window);
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    return titles;
}

// The window's own tray icon; each battery's hangs below its page.
QSystemTrayIcon *windowTray(const QWidget &window)
{
    return window.findChildren<QSystemTrayIcon *>(QString(), Qt::FindDirectChildrenOnly).value(0);
}

QLabel *chargeLabel(const QWidget &batteryPage)
{
    return batteryPage.findChild<QLabel *>(QStringLiteral("chargeLabel"));
}

QString stateIconName(const QWidget &batteryPage)
{
    return batteryPage.findChild<WexIconLabel *>(QStringLiteral("stateIcon"))->icon().name();
}

QTextEdit *batteryInfo(const QWidget &batteryPage)
{
    return batteryPage.findChild<QTextEdit *>(QStringLiteral("info"));
}

QSystemTrayIcon *batteryTray(const QWidget &batteryPage)
{
    return batteryPage.findChildren<QSystemTrayIcon *>(QString(), Qt::FindDirectChildrenOnly)
            .value(0);
}

QComboBox *levelList(const QWidget &row)
{
    return row.findChild<QComboBox *>(QStringLiteral("levels"));
}

QComboBox *actionList(const QWidget &row)
{
    return row.findChild<QComboBox *>(QStringLiteral("actions"));
}
