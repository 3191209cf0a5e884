#pragma once

#include <QString>

// How a text the program did not write is shown: a device's model, serial
// or vendor, a profile's name, a daemon's reason, an application's name.
// Anyone within reach of a Bluetooth or USB port can choose a device's name,
// so such a text is made one line of plain, visible text of bounded length
// before it goes anywhere: control characters and bidirectional overrides
// are dropped, runs of blanks become one space, and a long text is cut with
// "…". Where the target reads markup (notification bodies, tooltips,
// rich-text labels), the result is escaped there as any plain text is.
class ForeignText
{
public:
    // Lengths that fit a line of a menu, a tooltip or a message.
    static constexpr int nameLength = 64;
    static constexpr int reasonLength = 160;

    // One line of at most maxLength characters.
    static QString line(const QString &text, int maxLength);
    // A name: a model, a serial, a vendor, a profile, an application.
    static QString name(const QString &text) { return line(text, nameLength); }
    // A sentence given as a reason: an error, an inhibitor's why.
    static QString reason(const QString &text) { return line(text, reasonLength); }
};
