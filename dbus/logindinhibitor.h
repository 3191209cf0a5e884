#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QPointer>
#include <QString>

class QDBusPendingCallWatcher;

// One inhibitor the program holds from logind, such as "handle-lid-switch"
// (the program answers the lid itself) or "idle:sleep". logind is asked
// without waiting; what it gives is a file descriptor, and the inhibitor
// lasts as long as that stays open. It is closed on release, and since
// it is the only copy and no child inherits it, a crash of the program
// also ends the inhibitor at once.
class LogindInhibitor : public QObject
{
    Q_OBJECT

public:
    enum State {
        NotHeld,
        Asking,
        Held,
        Refused, // logind said no, or is not there: see refusal()
    };
    Q_ENUM(State)

    enum Mode {
        Block, // logind does not do it while held
        Delay, // logind waits a while for the program before doing it
    };

    // what: logind's kinds, joined by ':' ("idle:sleep"); why: a short
    // text shown to whoever lists the inhibitors.
    LogindInhibitor(const QString &what, const QString &why, Mode mode = Block,
                    QObject *parent = nullptr);
    ~LogindInhibitor() override;

    QString what() const { return m_what; }
    State state() const { return m_state; }
    bool isHeld() const { return m_state == Held; }
    // Why the last request was refused, on one short line.
    QString refusal() const { return m_refusal; }
    // Whether the last request was refused because no logind runs.
    bool isRefusedAsMissing() const { return m_state == Refused && m_missing; }

public slots:
    // Asks logind, unless the inhibitor is held or being asked for.
    void acquire();
    // Closes the inhibitor, or, while logind is being asked, closes what it
    // gives as soon as it comes.
    void release();

signals:
    void stateChanged(LogindInhibitor::State state);

private:
    void answered(QDBusPendingCallWatcher *call);
    void setState(State state);
    static QString refusalOf(const QString &errorName, const QString &errorMessage);

    QString m_what;
    QString m_why;
    Mode m_mode;
    State m_state = NotHeld;
    QString m_refusal;
    bool m_missing = false;
    // Whether the caller still wants the inhibitor: an answer that comes
    // when it no longer does is closed at once.
    bool m_wanted = false;
    QPointer<QDBusPendingCallWatcher> m_pending;
    QDBusUnixFileDescriptor m_fd;
};
