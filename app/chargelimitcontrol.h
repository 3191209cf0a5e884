#pragma once

#include <QObject>

class PowerServices;

// The charge limits of the machine's batteries: asks UPower to turn a
// battery's limit on or off and tells when it will not. What a battery's
// page shows is what the daemon then announces, never what was asked for.
class ChargeLimitControl : public QObject
{
    Q_OBJECT

public:
    explicit ChargeLimitControl(PowerServices *services, QObject *parent = nullptr);

public slots:
    void setEnabled(const QString &path, bool enabled);

signals:
    // A refusal to tell in a message.
    void warning(const QString &text);

private:
    void refused(const QString &path, bool enabled, const QString &reason);

    PowerServices *services;
};
