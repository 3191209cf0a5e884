#include "lightslider.h"

#include "lighttext.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

LightSlider::LightSlider(const QString &name, Scale scale, QWidget *parent)
    : QWidget(parent), scale(scale), slider(new QSlider(Qt::Horizontal, this)),
      value(new QLabel(this)), note(new QLabel(this))
{
    slider->setAccessibleName(name);
    slider->setPageStep(scale == Percent ? 10 : 1);
    if (scale == Levels) {
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
    }
    // Room for the widest level, so that the slider does not jump about.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(LightText::percent(100)) * 3 / 2);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    note->setWordWrap(true);
    note->hide();

    auto *row = new QHBoxLayout;
    row->addWidget(slider, 1);
    row->addWidget(value);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(QMargins());
    layout->addLayout(row);
    layout->addWidget(note);

    connect(slider, &QSlider::valueChanged, this, &LightSlider::valueChosen);
    // Levels that came while the handle was held are shown once it is let go.
    connect(slider, &QSlider::sliderReleased, this, &LightSlider::showLevel);
}

void LightSlider::showLight(const BrightnessSteps &steps, int level, bool settable,
                            const QString &note)
{
    this->steps = steps;
    this->level = level;
    slider->setEnabled(settable && !steps.isEmpty());
    this->note->setText(note);
    this->note->setVisible(!note.isEmpty());
    showLevel();
}

void LightSlider::showLevel()
{
    value->setText(LightText::level(steps, level));
    if (slider->isSliderDown())
        return;
    const QSignalBlocker quiet(slider);
    if (scale == Percent)
        slider->setRange(std::max(0, steps.percentAt(steps.rawValue(0))), 100);
    else
        slider->setRange(0, std::max(0, steps.maximum()));
    if (level >= 0)
        slider->setValue(scale == Percent ? steps.percentAt(level) : level);
}

void LightSlider::valueChosen(int value)
{
    const int raw = scale == Percent ? steps.rawForPercent(value) : value;
    if (raw >= 0)
        emit chosen(raw);
}
