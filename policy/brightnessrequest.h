#pragma once

#include <QString>

class BrightnessSteps;

// A change of the screen's brightness asked for from outside the window: one
// step up or down, or a percentage on the curve the steps follow. It is what
// `wex-power --brightness up|down|N%` asks, and how that travels to the
// running instance ("brightness up").
class BrightnessRequest
{
public:
    enum Kind { None, Up, Down, Percent };

    BrightnessRequest() = default;
    static BrightnessRequest up() { return BrightnessRequest(Up, -1); }
    static BrightnessRequest down() { return BrightnessRequest(Down, -1); }
    // None unless 0..100.
    static BrightnessRequest percent(int percent);

    // "up", "down" or a whole percentage 0..100 with its sign ("40%");
    // anything else (a blank, "sideways", "140%", "40") is None.
    static BrightnessRequest parse(const QString &value);
    // The message to the running instance, and back; a message that is not
    // a brightness request (such as "raise") gives None.
    QString message() const;
    static BrightnessRequest fromMessage(const QString &message);

    bool isValid() const { return m_kind != None; }
    Kind kind() const { return m_kind; }
    // 0..100 for Percent; -1 otherwise.
    int percentage() const { return m_percent; }

    // The raw level to set, from the current one on these steps; -1 when
    // there is nothing to set (no steps, or a level not known to step from).
    int target(const BrightnessSteps &steps, int current) const;

private:
    BrightnessRequest(Kind kind, int percent) : m_kind(kind), m_percent(percent) { }

    Kind m_kind = None;
    int m_percent = -1;
};
