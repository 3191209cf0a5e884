#pragma once

#include <QMenu>

class PowerProfiles;
class QActionGroup;

// The power profiles the daemon offers, one checkable entry each, the active
// one checked; choosing an entry asks the daemon to switch. The menu's
// action is hidden while there is nothing to choose. Several menus may
// show one PowerProfiles (the menu bar's and the tray's).
class PowerProfileMenu : public QMenu
{
    Q_OBJECT

public:
    explicit PowerProfileMenu(PowerProfiles *profiles, QWidget *parent = nullptr);

    // The profile's name as a person reads it ("power-saver": "Power Saver");
    // a name the program does not know is given as one short line of plain
    // text.
    static QString profileName(const QString &profile);

private:
    void rebuild();
    QString entryText(const QString &profile) const;
    void showActive();
    QString degradedReason() const;

    PowerProfiles *m_profiles;
    QActionGroup *m_group;
};
