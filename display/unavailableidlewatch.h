#pragma once

#include "idlewatch.h"

// The idle watch of a display server that does not report idle time: it
// only says why.
class UnavailableIdleWatch : public IdleWatch
{
    Q_OBJECT

public:
    explicit UnavailableIdleWatch(const QString &reason, QObject *parent = nullptr);

    int addIdleTimeout(int msec) override;
    void removeIdleTimeout(int id) override;
    void removeAllIdleTimeouts() override;
    void catchNextResumeEvent() override;
    void stopCatchingResumeEvent() override;
    qint64 idleTime() const override;
};
