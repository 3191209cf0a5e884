#pragma once

#include <QString>

class QSettings;
class QVariant;

// What is to happen while the person is away, on one power source, as the
// settings store holds it: seconds of idleness before each step (0: never),
// the percentage of the screen's range to dim to, and the action to sleep
// with. A stored value the program cannot take is read the safe way: not
// a number is the default, a negative number or one beyond maxSeconds is
// never, an unknown action does nothing.
struct IdleChoices
{
    // The display server counts milliseconds in 32 bits: a longer wait (23
    // days) means never.
    static constexpr int maxSeconds = 2000000;

    int dimAfter = 0;
    int dimTo = 0;
    int screenOffAfter = 0;
    int sleepAfter = 0;
    QString sleepAction;

    static IdleChoices read(const QSettings &store, bool onBattery);
    static int seconds(const QVariant &stored, int fallback);
    static int percent(const QVariant &stored, int fallback);
    static QString action(const QVariant &stored, const QString &fallback);

    bool operator==(const IdleChoices &other) const;
    bool operator!=(const IdleChoices &other) const { return !(*this == other); }
};
