#pragma once

#include <QObject>
#include <QString>

// Tells how long the person has left keyboard and pointer alone, the way
// KIdleTime does: the display server announces each idle timeout when it
// is passed and, when asked, the first input after that. Nothing is polled:
// while nobody touches anything and no timeout is due, the program sleeps.
class IdleWatch : public QObject
{
    Q_OBJECT

public:
    ~IdleWatch() override;

    bool isAvailable() const { return m_unavailableReason.isEmpty(); }
    // One short line for the settings pages; empty while available.
    QString unavailableReason() const { return m_unavailableReason; }

    // timeoutReached(id, msec) comes each time the person has been idle for
    // msec. It comes again only after some input. Returns the timeout's id,
    // or 0 when unavailable or msec is not positive. X11 counts from the
    // last input, so a timeout shorter than the present idle time is reached
    // at once; Wayland counts at the earliest from when it was added.
    virtual int addIdleTimeout(int msec) = 0;
    virtual void removeIdleTimeout(int id) = 0;
    virtual void removeAllIdleTimeouts() = 0;

    // resumingFromIdle() comes once, at the next input.
    virtual void catchNextResumeEvent() = 0;
    virtual void stopCatchingResumeEvent() = 0;

    // Milliseconds since the last input, as far as the display server tells:
    // exact on X11; on Wayland known only past a timeout that was reached
    // (that timeout plus the time since), otherwise 0. -1 when unavailable.
    virtual qint64 idleTime() const = 0;

Q_SIGNALS:
    void timeoutReached(int id, int msec);
    void resumingFromIdle();

protected:
    explicit IdleWatch(QObject *parent = nullptr);
    void setUnavailable(const QString &reason) { m_unavailableReason = reason; }

private:
    QString m_unavailableReason;
};
