#pragma once

#include "brightnesssteps.h"

#include <QWidget>

class LightSlider;
class QFormLayout;
class QTabWidget;

// The "Brightness" page: a slider for the screen's backlight and one for
// the keyboard's light, each shown while there is such a light, and a tab
// of its own while there is either. It is handed the lights' steps and
// levels and shows them; its sliders are made when it first shows, so a
// window that is never turned to it does without them.
class BrightnessPage : public QWidget
{
    Q_OBJECT

public:
    explicit BrightnessPage(QTabWidget *tabs);

    // Nothing to show: no backlight and no keyboard light.
    bool isEmpty() const { return screen.steps.isEmpty() && keyboard.steps.isEmpty(); }

    // steps empty: no such light; level: raw, -1 when not known.
    void showScreen(const BrightnessSteps &steps, int level, bool settable);
    void showKeyboard(const BrightnessSteps &steps, int level);

signals:
    void screenChosen(int raw);
    void keyboardChosen(int raw);

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Light
    {
        BrightnessSteps steps;
        int level = -1;
        bool settable = false;
        LightSlider *slider = nullptr;
    };

    void build();
    void showLight(Light &light, const QString &note = QString());
    void showTab();

    QTabWidget *tabs;
    QFormLayout *form = nullptr;
    Light screen;
    Light keyboard;
};
