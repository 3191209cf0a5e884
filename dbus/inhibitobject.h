#pragma once

#include <QDBusVirtualObject>
#include <QString>

class SessionInhibitions;

// One inhibition interface on the session bus, handed on to the
// inhibitions it serves: org.freedesktop.PowerManagement.Inhibit, with
// HasInhibit and its signal, or org.freedesktop.ScreenSaver's Inhibit and
// UnInhibit. Each call is answered at once; a call of another shape or an
// unknown method gets an error.
class InhibitObject : public QDBusVirtualObject
{
    Q_OBJECT

public:
    enum Kind { PowerManagement, ScreenSaver };

    InhibitObject(Kind kind, SessionInhibitions *inhibitions);

    QString interfaceName() const;
    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

private:
    QDBusMessage answer(const QDBusMessage &call) const;

    Kind m_kind;
    SessionInhibitions *m_inhibitions;
};
