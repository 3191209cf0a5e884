#pragma once

#include "brightnesssteps.h"

#include <QMenu>

class QActionGroup;

// A light's steps as a menu, one checkable entry each ("10%" … "100%", or
// "Off" for a keyboard light at 0), the step nearest to the light's level
// checked; choosing one asks for it. The menu's own entry is hidden while
// there is no such light, and its entries are greyed while the level
// cannot be set. It is handed what to show (showLight) and follows only
// that; the entries are made again only when the steps change.
class BrightnessMenu : public QMenu
{
    Q_OBJECT

public:
    BrightnessMenu(const QString &title, QWidget *parent = nullptr);

    // steps empty: there is no such light. level: raw, -1 when not known.
    void showLight(const BrightnessSteps &steps, int level, bool settable);

signals:
    // The raw level of the step chosen.
    void chosen(int raw);

private:
    void rebuild();

    QActionGroup *group;
    BrightnessSteps steps;
};
