#include "brightnesspage.h"

#include "lightslider.h"

#include <QFormLayout>
#include <QLabel>
#include <QTabWidget>

BrightnessPage::BrightnessPage(QTabWidget *tabs) : QWidget(tabs), tabs(tabs)
{
    hide();
    setObjectName(QStringLiteral("brightness"));
    setWindowTitle(tr("Brightness"));
}

void BrightnessPage::showScreen(const BrightnessSteps &steps, int level, bool settable)
{
    screen.steps = steps;
    screen.level = level;
    screen.settable = settable;
    // The only way the program sets it is logind, which the older stack
    // lacks.
    showLight(screen,
              settable ? QString() : tr("It cannot be set here: no login manager (logind) runs."));
    showTab();
}

void BrightnessPage::showKeyboard(const BrightnessSteps &steps, int level)
{
    keyboard.steps = steps;
    keyboard.level = level;
    keyboard.settable = true;
    showLight(keyboard);
    showTab();
}

void BrightnessPage::showEvent(QShowEvent *event)
{
    build();
    QWidget::showEvent(event);
}

void BrightnessPage::build()
{
    if (form)
        return;
    form = new QFormLayout(this);
    screen.slider = new LightSlider(tr("Screen brightness"), LightSlider::Percent, this);
    keyboard.slider = new LightSlider(tr("Keyboard light"), LightSlider::Levels, this);
    form->addRow(tr("Screen"), screen.slider);
    form->addRow(tr("Keyboard light"), keyboard.slider);
    connect(screen.slider, &LightSlider::chosen, this, &BrightnessPage::screenChosen);
    connect(keyboard.slider, &LightSlider::chosen, this, &BrightnessPage::keyboardChosen);
    showScreen(screen.steps, screen.level, screen.settable);
    showKeyboard(keyboard.steps, keyboard.level);
}

void BrightnessPage::showLight(Light &light, const QString &note)
{
    if (!light.slider)
        return;
    light.slider->showLight(light.steps, light.level, light.settable, note);
    const bool present = !light.steps.isEmpty();
    light.slider->setVisible(present);
    form->labelForField(light.slider)->setVisible(present);
}

void BrightnessPage::showTab()
{
    const int tab = tabs->indexOf(this);
    if (isEmpty() && tab >= 0)
        tabs->removeTab(tab);
    else if (!isEmpty() && tab < 0)
        tabs->addTab(this, windowTitle());
}
