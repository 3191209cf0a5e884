#include "unavailableglobalkeys.h"

UnavailableGlobalKeys::UnavailableGlobalKeys(const QString &reason, QObject *parent)
    : GlobalKeys(parent)
{
    setUnavailable(reason);
}

bool UnavailableGlobalKeys::grab(quint32)
{
    return false;
}

void UnavailableGlobalKeys::ungrab(quint32) { }

bool UnavailableGlobalKeys::isHeld(quint32) const
{
    return false;
}
