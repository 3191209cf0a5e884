#pragma once

#include <QObject>
#include <QString>

// Turns the screen off and on again. The display server turns it on by
// itself at the next input.
class ScreenPower : public QObject
{
    Q_OBJECT

public:
    ~ScreenPower() override;

    bool isAvailable() const { return m_unavailableReason.isEmpty(); }
    // One short line for the settings pages; empty while available.
    QString unavailableReason() const { return m_unavailableReason; }

    // Whether the display server took the request; false when unavailable.
    virtual bool turnOff() = 0;
    virtual bool turnOn() = 0;

protected:
    explicit ScreenPower(QObject *parent = nullptr);
    void setUnavailable(const QString &reason) { m_unavailableReason = reason; }

private:
    QString m_unavailableReason;
};
