#pragma once

#include <QObject>

class PowerController;

// The power profile that follows the power source: when the machine comes
// to line power or to its batteries, the profile chosen for it is set (a
// profile picked meanwhile stays until the next change of source); while a
// battery runs low, power-saver is held. The choices are in the settings
// store, the decisions in ProfileRules; all goes through the controller's
// PowerProfiles, which asks nothing while there is no daemon.
class ProfileControl : public QObject
{
    Q_OBJECT

public:
    explicit ProfileControl(PowerController *controller);

    // The application id the daemon lists with the hold.
    static QString applicationId();

private:
    void sourceChanged(bool onBattery);
    void checked(bool onBattery);

    PowerController *controller;
    // Power-saver is held for a low battery: asked for when this became
    // true, released when it became false again.
    bool holdingLow = false;
};
