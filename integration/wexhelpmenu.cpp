#include "wexhelpmenu.h"

#include "wexintegration.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString displayedName()
{
    const QString name = wexApplicationName();
    return name.isEmpty() ? QGuiApplication::applicationDisplayName() : name;
}

} // namespace

WexHelpMenu::WexHelpMenu(QWidget *parent) : QMenu(parent)
{
    setTitle(tr("&Help"));
    m_about = addAction(tr("&About"));
    m_about->setMenuRole(QAction::AboutRole);
    connect(m_about, &QAction::triggered, this, &WexHelpMenu::showAbout);
    m_aboutQt = addAction(tr("About &Qt"));
    m_aboutQt->setMenuRole(QAction::AboutQtRole);
    connect(m_aboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
}

QString WexHelpMenu::aboutText() const
{
    QString text = QStringLiteral("<h3>%1 %2</h3>")
                           .arg(displayedName().toHtmlEscaped(),
                                QCoreApplication::applicationVersion().toHtmlEscaped());
    const QString summary = wexApplicationSummary();
    if (!summary.isEmpty())
        text += QStringLiteral("<p>%1</p>").arg(summary.toHtmlEscaped());
    return text;
}

void WexHelpMenu::showAbout()
{
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    QMessageBox::about(owner, tr("About %1").arg(displayedName()), aboutText());
}
