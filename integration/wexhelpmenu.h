#pragma once

#include <QMenu>

// The desktop's standard "&Help" menu: "&About" (name, version and summary
// given to wexInit) and "About &Qt".
class WexHelpMenu : public QMenu
{
    Q_OBJECT

public:
    explicit WexHelpMenu(QWidget *parent = nullptr);

    QAction *aboutAction() const { return m_about; }
    QAction *aboutQtAction() const { return m_aboutQt; }

    // The About box's rich text: name, version and summary.
    QString aboutText() const;

public slots:
    void showAbout();

private:
    QAction *m_about;
    QAction *m_aboutQt;
};
