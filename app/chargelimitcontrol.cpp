#include "chargelimitcontrol.h"

#include "foreigntext.h"
#include "powerservices.h"
#include "wirenames.h"

ChargeLimitControl::ChargeLimitControl(PowerServices *services, QObject *parent)
    : QObject(parent), services(services)
{
    connect(services, &PowerServices::chargeLimitRefused, this, &ChargeLimitControl::refused);
}

void ChargeLimitControl::setEnabled(const QString &path, bool enabled)
{
    services->enableChargeLimit(path, enabled);
}

void ChargeLimitControl::refused(const QString &path, bool enabled, const QString &reason)
{
    const QString model = ForeignText::name(services->device(path).text(UPowerWire::modelProperty));
    const QString battery = model.isEmpty() ? ForeignText::reason(path) : model;
    //: %1 names the battery, %2 is the daemon's reason.
    emit warning(
            enabled ? tr("The charge limit of %1 could not be turned on: %2").arg(battery, reason)
                    : tr("The charge limit of %1 could not be turned off: %2")
                              .arg(battery, reason));
}
