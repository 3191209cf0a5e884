#pragma once

#include <QObject>
#include <QString>

// Keys the program answers wherever the focus is, such as the brightness
// and power keys. A key is only taken when no other program holds it:
// when one does, it is left to that program, without an error or a fight.
class GlobalKeys : public QObject
{
    Q_OBJECT

public:
    // X keysyms of the keys the program answers.
    enum Keysym : quint32 {
        MonBrightnessUp = 0x1008FF02,
        MonBrightnessDown = 0x1008FF03,
        KbdLightOnOff = 0x1008FF04,
        KbdBrightnessUp = 0x1008FF05,
        KbdBrightnessDown = 0x1008FF06,
        PowerOff = 0x1008FF2A,
        Sleep = 0x1008FF2F,
    };

    ~GlobalKeys() override;

    bool isAvailable() const { return m_unavailableReason.isEmpty(); }
    // One short line for the settings pages; empty while available.
    QString unavailableReason() const { return m_unavailableReason; }

    // Takes the key, with Caps Lock and Num Lock on or off, and returns
    // whether the program now holds it. A key that another program holds,
    // or that no key of the keyboard produces, is not held; it is taken
    // later if the keyboard's mapping changes and it is free then.
    virtual bool grab(quint32 keysym) = 0;
    virtual void ungrab(quint32 keysym) = 0;
    virtual bool isHeld(quint32 keysym) const = 0;

Q_SIGNALS:
    // A held key went down (again for each auto-repeat).
    void pressed(quint32 keysym);
    // The keys were taken anew after the keyboard's mapping changed; which
    // of them are held may have changed with it.
    void keyboardMappingChanged();

protected:
    explicit GlobalKeys(QObject *parent = nullptr);
    void setUnavailable(const QString &reason) { m_unavailableReason = reason; }

private:
    QString m_unavailableReason;
};
