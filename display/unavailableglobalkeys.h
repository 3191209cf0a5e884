#pragma once

#include "globalkeys.h"

// The global keys of a display server that lets no program take keys: it
// only says why.
class UnavailableGlobalKeys : public GlobalKeys
{
    Q_OBJECT

public:
    explicit UnavailableGlobalKeys(const QString &reason, QObject *parent = nullptr);

    bool grab(quint32 keysym) override;
    void ungrab(quint32 keysym) override;
    bool isHeld(quint32 keysym) const override;
};
