#include "powerprofilemenu.h"

#include "foreigntext.h"
#include "powerprofiles.h"

#include <QActionGroup>

PowerProfileMenu::PowerProfileMenu(PowerProfiles *profiles, QWidget *parent)
    : QMenu(parent), m_profiles(profiles), m_group(new QActionGroup(this))
{
    setTitle(tr("Power profile"));
    m_group->setExclusive(true);
    connect(m_group, &QActionGroup::triggered, this, [this](QAction *action) {
        const QString profile = action->data().toString();
        if (profile != m_profiles->activeProfile())
            m_profiles->setActiveProfile(profile);
    });
    connect(m_profiles, &PowerProfiles::changed, this, &PowerProfileMenu::rebuild);
    // The group moved the check when the entry was chosen; the daemon's
    // choice is shown again.
    connect(m_profiles, &PowerProfiles::refused, this, &PowerProfileMenu::showActive);
    rebuild();
}

void PowerProfileMenu::rebuild()
{
    const QStringList profiles = m_profiles->profiles();
    // Entries owned by the menu go with clear(), and leave the group then.
    clear();
    for (const QString &profile : profiles) {
        QString text = entryText(profile);
        // Shown as it is: no '&' becomes a shortcut.
        QAction *action = addAction(text.replace(QLatin1Char('&'), QLatin1String("&&")));
        action->setCheckable(true);
        action->setData(profile);
        m_group->addAction(action);
    }
    showActive();
    menuAction()->setVisible(m_profiles->isAvailable() && !profiles.isEmpty());
}

void PowerProfileMenu::showActive()
{
    const QString active = m_profiles->activeProfile();
    for (QAction *action : m_group->actions())
        action->setChecked(action->data().toString() == active);
}

QString PowerProfileMenu::profileName(const QString &profile)
{
    if (profile == QLatin1String("power-saver"))
        return tr("Power Saver");
    if (profile == QLatin1String("balanced"))
        return tr("Balanced");
    if (profile == QLatin1String("performance"))
        return tr("Performance");
    return ForeignText::name(profile);
}

QString PowerProfileMenu::entryText(const QString &profile) const
{
    const QString reason = profile == QLatin1String("performance") ? degradedReason() : QString();
    return reason.isEmpty() ? profileName(profile) : tr("Performance (limited: %1)").arg(reason);
}

QString PowerProfileMenu::degradedReason() const
{
    const QString reason = m_profiles->performanceDegraded();
    if (reason == QLatin1String("high-operating-temperature"))
        return tr("the machine is hot");
    if (reason == QLatin1String("lap-detected"))
        return tr("the lap is detected");
    return ForeignText::reason(reason);
}
