#include "brightnesssteps.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

// The raw value at a fraction of what the eye sees, on the square curve.
// Its floor, 1 % of the range (the lowest of ten steps), rounds to 0 on
// most panels, so raw 1 is the least.
int squareCurveRaw(double fraction, int maximum)
{
    const double lowest =
            1.0 / (BrightnessSteps::screenStepCount * BrightnessSteps::screenStepCount);
    return std::max(1, qRound(std::max(fraction * fraction, lowest) * maximum));
}

} // namespace

BrightnessSteps::BrightnessSteps(int maximum, Curve curve, QVector<int> values)
    : m_maximum(maximum), m_curve(curve), m_values(std::move(values))
{
}

BrightnessSteps BrightnessSteps::forScreen(int maximum)
{
    if (maximum <= 0)
        return {};
    BrightnessSteps steps(maximum, Curve::Square, {});
    if (maximum < screenStepCount) {
        // Too few levels to leave any out.
        for (int raw = 1; raw <= maximum; ++raw)
            steps.m_values.append(raw);
        return steps;
    }
    for (int step = 1; step <= screenStepCount; ++step) {
        const int raw = squareCurveRaw(double(step) / screenStepCount, maximum);
        if (steps.m_values.isEmpty() || steps.m_values.constLast() != raw)
            steps.m_values.append(raw);
    }
    return steps;
}

BrightnessSteps BrightnessSteps::forKeyboard(int maximum)
{
    if (maximum <= 0)
        return {};
    QVector<int> values;
    values.reserve(maximum + 1);
    for (int raw = 0; raw <= maximum; ++raw)
        values.append(raw);
    return BrightnessSteps(maximum, Curve::Linear, values);
}

int BrightnessSteps::rawValue(int step) const
{
    return step >= 0 && step < m_values.size() ? m_values.at(step) : -1;
}

// A raw value past the maximum is read as the maximum; below 0 it is unknown.
int BrightnessSteps::clamped(int raw) const
{
    return raw < 0 || isEmpty() ? -1 : std::min(raw, m_maximum);
}

int BrightnessSteps::stepAt(int raw) const
{
    raw = clamped(raw);
    if (raw < 0)
        return -1;
    const auto above = std::lower_bound(m_values.cbegin(), m_values.cend(), raw);
    if (above == m_values.cend())
        return count() - 1;
    const int index = int(above - m_values.cbegin());
    if (index > 0 && raw - m_values.at(index - 1) <= *above - raw)
        return index - 1;
    return index;
}

int BrightnessSteps::rawUp(int raw) const
{
    raw = clamped(raw);
    if (raw < 0)
        return -1;
    const auto above = std::upper_bound(m_values.cbegin(), m_values.cend(), raw);
    return above == m_values.cend() ? m_values.constLast() : *above;
}

int BrightnessSteps::rawDown(int raw) const
{
    raw = clamped(raw);
    if (raw < 0)
        return -1;
    const auto notBelow = std::lower_bound(m_values.cbegin(), m_values.cend(), raw);
    return notBelow == m_values.cbegin() ? raw : *(notBelow - 1);
}

int BrightnessSteps::rawForPercent(double percent) const
{
    if (isEmpty() || !(percent >= 0.0 && percent <= 100.0))
        return -1;
    const double fraction = percent / 100.0;
    return m_curve == Curve::Linear ? qRound(fraction * m_maximum)
                                    : squareCurveRaw(fraction, m_maximum);
}

int BrightnessSteps::percentAt(int raw) const
{
    raw = clamped(raw);
    if (raw < 0)
        return -1;
    const double fraction = double(raw) / m_maximum;
    return qRound(100.0 * (m_curve == Curve::Linear ? fraction : std::sqrt(fraction)));
}
