#include "unavailableidlewatch.h"

UnavailableIdleWatch::UnavailableIdleWatch(const QString &reason, QObject *parent)
    : IdleWatch(parent)
{
    setUnavailable(reason);
}

int UnavailableIdleWatch::addIdleTimeout(int)
{
    return 0;
}

void UnavailableIdleWatch::removeIdleTimeout(int) { }

void UnavailableIdleWatch::removeAllIdleTimeouts() { }

void UnavailableIdleWatch::catchNextResumeEvent() { }

void UnavailableIdleWatch::stopCatchingResumeEvent() { }

qint64 UnavailableIdleWatch::idleTime() const
{
    return -1;
}
