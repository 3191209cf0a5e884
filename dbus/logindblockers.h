#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QDBusMessage;
class QObject;

// Who holds logind's block on what, as ListInhibitors tells it: only the
// "block" entries (a "delay" only postpones), and never the program's own
// (told by the process id logind recorded), which would otherwise count
// as someone else keeping the machine awake.
class LogindBlockers
{
public:
    struct Blocker
    {
        QStringList what; // "idle", "sleep", "shutdown", "handle-lid-switch", ...
        QString who;
        QString why;
        uint uid = 0;
        uint pid = 0;
    };

    // Asks logind without waiting; answered gets the list, or an unknown
    // one when logind is not there or failed, once, unless context went
    // first.
    static void ask(QObject *context, const std::function<void(const LogindBlockers &)> &answered);

    // The list in a ListInhibitors answer; entries of another shape are
    // passed over. An error answer, or one of another shape, is unknown.
    static LogindBlockers fromReply(const QDBusMessage &reply);

    // Whether logind answered with a list.
    bool isKnown() const { return m_known; }
    QList<Blocker> all() const { return m_blockers; }
    // Those whose block includes the kind ("idle", "sleep", ...).
    QList<Blocker> of(const QString &what) const;
    bool blocksIdle() const;
    bool blocksSleep() const;

private:
    bool m_known = false;
    QList<Blocker> m_blockers;
};
