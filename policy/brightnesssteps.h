#pragma once

#include <QVector>

// The levels a light is stepped through, as raw values of its device
// (0..maximum as sysfs or the daemon counts them), from lowest to highest.
//
// The screen gets ten steps that look evenly spaced: the eye sees a
// backlight's raw value roughly as its square root, so the steps and
// percentages follow a square curve rather than the raw range, and the dark
// end gets as many steps as the bright end. The lowest step is 1 % of the
// range but never raw 0, which turns some panels off. A panel with fewer
// levels than steps gets each of its levels; steps that round to the same
// raw value are one step.
//
// The keyboard light gets every level 0..maximum, off included: its
// maximum is small (2 or 3), and each level is a step.
//
// A maximum of 0 or less gives no steps, and every answer is -1: nothing to
// set. So does a raw value below 0, which stands for a level not known.
class BrightnessSteps
{
public:
    static constexpr int screenStepCount = 10;

    BrightnessSteps() = default;
    static BrightnessSteps forScreen(int maximum);
    static BrightnessSteps forKeyboard(int maximum);

    bool isEmpty() const { return m_values.isEmpty(); }
    int count() const { return m_values.size(); }
    int maximum() const { return m_maximum; }
    // Ascending, each raw value once.
    QVector<int> rawValues() const { return m_values; }
    // The raw value of a step, 0 being the lowest; -1 outside 0..count()-1.
    int rawValue(int step) const;

    // The step nearest to a raw value (the lower one of two as near).
    int stepAt(int raw) const;
    // The raw value one step up or down from raw. A value between two steps
    // (set by someone else) goes to the next step in that direction. At the
    // end, or beyond it, the answer stays where it is: up from the top is
    // the top, and down from the lowest step or below it never brightens.
    int rawUp(int raw) const;
    int rawDown(int raw) const;

    // The raw value for a percentage 0..100 on the same curve as the steps:
    // 100 is the maximum, 0 the lowest step (for the keyboard: off). -1 for
    // a percentage outside 0..100.
    int rawForPercent(double percent) const;
    // The percentage a raw value shows, rounded: the inverse of the above.
    int percentAt(int raw) const;

private:
    enum class Curve { Square, Linear };

    BrightnessSteps(int maximum, Curve curve, QVector<int> values);
    int clamped(int raw) const;

    int m_maximum = 0;
    Curve m_curve = Curve::Linear;
    QVector<int> m_values;
};
