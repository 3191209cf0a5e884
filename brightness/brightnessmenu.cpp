#include "brightnessmenu.h"

#include "lighttext.h"

#include <QActionGroup>

BrightnessMenu::BrightnessMenu(const QString &title, QWidget *parent)
    : QMenu(title, parent), group(new QActionGroup(this))
{
    setAccessibleName(title);
    group->setExclusive(true);
    connect(group, &QActionGroup::triggered, this,
            [this](QAction *action) { emit chosen(action->data().toInt()); });
    menuAction()->setVisible(false);
}

void BrightnessMenu::showLight(const BrightnessSteps &steps, int level, bool settable)
{
    if (steps.rawValues() != this->steps.rawValues()) {
        this->steps = steps;
        rebuild();
    }
    const int nearest = steps.stepAt(level);
    const QList<QAction *> entries = group->actions();
    for (int step = 0; step < entries.size(); ++step) {
        entries.at(step)->setChecked(step == nearest);
        entries.at(step)->setEnabled(settable);
    }
    menuAction()->setVisible(!steps.isEmpty());
}

void BrightnessMenu::rebuild()
{
    // Entries owned by the menu go with clear(), and leave the group then.
    clear();
    for (int raw : steps.rawValues()) {
        QAction *action = addAction(LightText::level(steps, raw));
        action->setCheckable(true);
        action->setData(raw);
        group->addAction(action);
    }
}
