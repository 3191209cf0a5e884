#pragma once

#include "deviceproperties.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QSettings;

// Which power profile the program sets when the power source changes, and
// when it holds power-saver for a battery that runs low.
namespace ProfileRules {

// The profile held while a battery runs low.
QString lowHoldProfile();

// The profile to set now that the machine has come to its batteries
// (onBattery) or to line power: the one stored for that source, where the
// daemon offers it. None leaves the profile as it is: the choice "Keep as
// it is", a stored profile the daemon does not offer (kept, never sent),
// or power-saver held for a low battery, which a switch would end.
std::optional<QString> profileForSource(const QSettings &settings, bool onBattery,
                                        const QStringList &offered, bool holdingLow);

// Whether power-saver is to be held: the choice is on, the machine runs on
// its batteries (as the power monitor decides), and one of its batteries
// with a known charge is at or below the stored level and not charging. A
// level that cannot be read as a percentage holds nothing.
bool wantsLowHold(const QSettings &settings, bool onBattery,
                  const QList<DeviceProperties> &devices);

} // namespace ProfileRules
