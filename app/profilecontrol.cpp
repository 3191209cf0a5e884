#include "profilecontrol.h"

#include "powercontroller.h"
#include "powerprofiles.h"
#include "profilerules.h"

ProfileControl::ProfileControl(PowerController *controller)
    : QObject(controller), controller(controller)
{
    // Each tick tells whether the machine runs on battery, before it tells
    // that this changed: a hold is taken or released before a switch.
    connect(controller, &PowerController::onBattery, this, &ProfileControl::checked);
    connect(controller, &PowerController::linePowerChanged, this, &ProfileControl::sourceChanged);
}

QString ProfileControl::applicationId()
{
    return QStringLiteral("wex-power");
}

void ProfileControl::sourceChanged(bool onBattery)
{
    PowerProfiles *profiles = controller->profiles();
    const auto profile = ProfileRules::profileForSource(*controller->settings(), onBattery,
                                                        profiles->profiles(), holdingLow);
    if (profile && *profile != profiles->activeProfile())
        profiles->setActiveProfile(*profile);
}

void ProfileControl::checked(bool onBattery)
{
    QList<DeviceProperties> devices;
    for (const QString &path : controller->devices())
        devices.append(controller->device(path));
    const bool wanted = ProfileRules::wantsLowHold(*controller->settings(), onBattery, devices);
    if (wanted == holdingLow)
        return;
    holdingLow = wanted;
    if (wanted)
        controller->profiles()->holdProfile(ProfileRules::lowHoldProfile(),
                                            tr("The battery is low"), applicationId());
    else
        controller->profiles()->releaseProfile();
}
