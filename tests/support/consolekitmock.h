#pragma once

#include "mockservice.h"

// The ConsoleKit stand-in: records Stop and shuts nothing down.
class ConsoleKitMock : public MockService
{
    Q_OBJECT

public:
    explicit ConsoleKitMock(QObject *parent = nullptr)
        : MockService(QStringLiteral("org.freedesktop.ConsoleKit"),
                      QStringLiteral("/org/freedesktop/ConsoleKit/Manager"),
                      QStringLiteral("consolekit.py"), {}, SystemBus, parent)
    {
    }

    int stops() const { return callCount(QStringLiteral("Stop")); }
};
