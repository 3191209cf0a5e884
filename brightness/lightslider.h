#pragma once

#include "brightnesssteps.h"

#include <QWidget>

class QLabel;
class QSlider;

// A light's level as a slider, with the level as text beside it and, where
// the level cannot be set, a short note under it. The screen's slider moves
// by percentages on the light's curve, as the eye sees it; the keyboard
// light's by its levels. It shows the level it is handed, not the one
// chosen: a level the device does not take moves the slider back.
class LightSlider : public QWidget
{
    Q_OBJECT

public:
    enum Scale { Percent, Levels };

    // name: the slider's accessible name.
    LightSlider(const QString &name, Scale scale, QWidget *parent = nullptr);

    // level: raw, -1 when not known. note: why it cannot be set, or empty.
    void showLight(const BrightnessSteps &steps, int level, bool settable, const QString &note);

signals:
    // The raw level chosen with the slider.
    void chosen(int raw);

private:
    void showLevel();
    void valueChosen(int value);

    Scale scale;
    QSlider *slider;
    QLabel *value;
    QLabel *note;
    BrightnessSteps steps;
    int level = -1;
};
