#pragma once

#include <QLatin1String>

// The names the program uses on the system bus, and the numbers UPower
// gives its device properties. Everything that talks to these services
// takes its names from here.

namespace DBusWire {
constexpr QLatin1String propertiesInterface("org.freedesktop.DBus.Properties");
constexpr QLatin1String getMethod("Get");
constexpr QLatin1String getAllMethod("GetAll");
constexpr QLatin1String setMethod("Set");
constexpr QLatin1String propertiesChangedSignal("PropertiesChanged");
// The bus daemon's own.
constexpr QLatin1String nameHasOwnerMethod("NameHasOwner");

// Errors, after this prefix.
constexpr QLatin1String errorPrefix("org.freedesktop.DBus.Error.");
constexpr QLatin1String invalidArgsError("InvalidArgs");
constexpr QLatin1String unknownInterfaceError("UnknownInterface");
constexpr QLatin1String unknownMethodError("UnknownMethod");
constexpr QLatin1String unknownObjectError("UnknownObject");
constexpr QLatin1String serviceUnknownError("ServiceUnknown");
constexpr QLatin1String nameHasNoOwnerError("NameHasNoOwner");
constexpr QLatin1String spawnErrorPrefix("Spawn.");
// Some bindings answer a missing property under a name of their own.
constexpr QLatin1String unknownPropertySuffix(".UnknownProperty");
} // namespace DBusWire

namespace UPowerWire {
constexpr QLatin1String service("org.freedesktop.UPower");
constexpr QLatin1String path("/org/freedesktop/UPower");
constexpr QLatin1String interface("org.freedesktop.UPower");
constexpr QLatin1String deviceInterface("org.freedesktop.UPower.Device");

// The manager's methods, signals and properties.
constexpr QLatin1String enumerateDevicesMethod("EnumerateDevices");
constexpr QLatin1String hibernateMethod("Hibernate");
constexpr QLatin1String suspendMethod("Suspend");
constexpr QLatin1String deviceAddedSignal("DeviceAdded");
constexpr QLatin1String deviceRemovedSignal("DeviceRemoved");
constexpr QLatin1String daemonVersionProperty("DaemonVersion");
constexpr QLatin1String canHibernateProperty("CanHibernate");
constexpr QLatin1String canSuspendProperty("CanSuspend");
constexpr QLatin1String onBatteryProperty("OnBattery");
constexpr QLatin1String lidIsPresentProperty("LidIsPresent");
constexpr QLatin1String lidIsClosedProperty("LidIsClosed");

// A device's methods, signals and properties.
constexpr QLatin1String getHistoryMethod("GetHistory");
// The only change signal of UPower before 0.99.
constexpr QLatin1String changedSignal("Changed");
constexpr QLatin1String typeProperty("Type");
constexpr QLatin1String stateProperty("State");
constexpr QLatin1String energyProperty("Energy");
constexpr QLatin1String energyFullProperty("EnergyFull");
constexpr QLatin1String energyFullDesignProperty("EnergyFullDesign");
constexpr QLatin1String energyRateProperty("EnergyRate");
constexpr QLatin1String percentageProperty("Percentage");
constexpr QLatin1String capacityProperty("Capacity");
constexpr QLatin1String chargeCyclesProperty("ChargeCycles");
constexpr QLatin1String timeToEmptyProperty("TimeToEmpty");
constexpr QLatin1String timeToFullProperty("TimeToFull");
constexpr QLatin1String modelProperty("Model");
constexpr QLatin1String serialProperty("Serial");
constexpr QLatin1String vendorProperty("Vendor");
constexpr QLatin1String nativePathProperty("NativePath");
constexpr QLatin1String technologyProperty("Technology");
constexpr QLatin1String powerSupplyProperty("PowerSupply");
constexpr QLatin1String warningLevelProperty("WarningLevel");
constexpr QLatin1String batteryLevelProperty("BatteryLevel");

// The device property Type.
enum DeviceType : uint {
    LinePower = 1,
    Battery = 2,
    Ups = 3,
    Monitor = 4,
    Mouse = 5,
    Keyboard = 6,
    Pda = 7,
    Phone = 8,
    Tablet = 10,
    GamingInput = 12,
    Pen = 13,
    Touchpad = 14,
    Headset = 17,
    Speakers = 18,
    Headphones = 19,
    RemoteControl = 22,
    Wearable = 26,
};

// The device property BatteryLevel: a coarse charge, for devices that
// report no percentage.
enum BatteryLevel : uint {
    LevelNone = 1, // the device reports a percentage
    LevelLow = 3,
    LevelCritical = 4,
    LevelNormal = 6,
    LevelHigh = 7,
    LevelFull = 8,
};

// The device property WarningLevel.
enum WarningLevel : uint {
    WarningLow = 3,
    WarningCritical = 4,
    WarningAction = 5,
};

// The device property State.
enum DeviceState : uint {
    Charging = 1,
    Discharging = 2,
    Empty = 3,
    FullyCharged = 4,
};

// The device property Technology.
enum Technology : uint {
    LithiumIon = 1,
    LithiumPolymer = 2,
    LithiumIronPhosphate = 3,
    LeadAcid = 4,
    NickelCadmium = 5,
    NickelMetalHydride = 6,
};
} // namespace UPowerWire

// power-profiles-daemon: the name of 0.20 and later first, then the one
// Debian 12's 0.12 still uses. Each object's interface is named like its
// service.
namespace PowerProfilesWire {
constexpr QLatin1String service("org.freedesktop.UPower.PowerProfiles");
constexpr QLatin1String path("/org/freedesktop/UPower/PowerProfiles");
constexpr QLatin1String legacyService("net.hadess.PowerProfiles");
constexpr QLatin1String legacyPath("/net/hadess/PowerProfiles");
constexpr QLatin1String profilesProperty("Profiles");
constexpr QLatin1String profileKey("Profile");
constexpr QLatin1String activeProfileProperty("ActiveProfile");
constexpr QLatin1String performanceDegradedProperty("PerformanceDegraded");
} // namespace PowerProfilesWire

namespace LogindWire {
constexpr QLatin1String service("org.freedesktop.login1");
constexpr QLatin1String path("/org/freedesktop/login1");
constexpr QLatin1String managerInterface("org.freedesktop.login1.Manager");
constexpr QLatin1String powerOffMethod("PowerOff");
constexpr QLatin1String hibernateMethod("Hibernate");
constexpr QLatin1String suspendMethod("Suspend");
constexpr QLatin1String canHibernateMethod("CanHibernate");
constexpr QLatin1String canSuspendMethod("CanSuspend");
constexpr QLatin1String prepareForSleepSignal("PrepareForSleep");
} // namespace LogindWire

// The program's own logind session ("auto": logind finds the caller's),
// through which the session in front sets a backlight without privileges.
// The service is LogindWire::service.
namespace LogindSessionWire {
constexpr QLatin1String path("/org/freedesktop/login1/session/auto");
constexpr QLatin1String interface("org.freedesktop.login1.Session");
constexpr QLatin1String setBrightnessMethod("SetBrightness");
constexpr QLatin1String lockMethod("Lock");
} // namespace LogindSessionWire

// UPower's keyboard light; the service is UPowerWire::service.
namespace KbdBacklightWire {
constexpr QLatin1String path("/org/freedesktop/UPower/KbdBacklight");
constexpr QLatin1String interface("org.freedesktop.UPower.KbdBacklight");
constexpr QLatin1String getMaxBrightnessMethod("GetMaxBrightness");
constexpr QLatin1String getBrightnessMethod("GetBrightness");
constexpr QLatin1String setBrightnessMethod("SetBrightness");
constexpr QLatin1String brightnessChangedSignal("BrightnessChanged");
// Newer daemons also tell changes made by the keys themselves, with a
// source ("internal" or "external").
constexpr QLatin1String brightnessChangedWithSourceSignal("BrightnessChangedWithSource");
} // namespace KbdBacklightWire

namespace ConsoleKitWire {
constexpr QLatin1String service("org.freedesktop.ConsoleKit");
constexpr QLatin1String managerPath("/org/freedesktop/ConsoleKit/Manager");
constexpr QLatin1String managerInterface("org.freedesktop.ConsoleKit.Manager");
constexpr QLatin1String stopMethod("Stop");
} // namespace ConsoleKitWire

// The session's tray host, as Qt finds it.
namespace StatusNotifierWire {
constexpr QLatin1String service("org.kde.StatusNotifierWatcher");
constexpr QLatin1String path("/StatusNotifierWatcher");
constexpr QLatin1String interface("org.kde.StatusNotifierWatcher");
constexpr QLatin1String hostRegistered("IsStatusNotifierHostRegistered");
} // namespace StatusNotifierWire

// logind's inhibitors: the ones the program holds itself, and the list of
// everyone's.
namespace LogindInhibitWire {
constexpr QLatin1String inhibitMethod("Inhibit");
constexpr QLatin1String listInhibitorsMethod("ListInhibitors");
constexpr QLatin1String blockMode("block");
constexpr QLatin1String delayMode("delay");
constexpr QLatin1String idle("idle");
constexpr QLatin1String sleep("sleep");
constexpr QLatin1String shutdown("shutdown");
} // namespace LogindInhibitWire

// The lid and the keys the program answers itself while it holds logind's
// inhibitors on them, and logind's own handling of the lid; the service,
// path and interface are LogindWire's.
namespace LogindHandleWire {
constexpr QLatin1String lidSwitch("handle-lid-switch");
constexpr QLatin1String powerKey("handle-power-key");
constexpr QLatin1String suspendKey("handle-suspend-key");
constexpr QLatin1String handleLidSwitchProperty("HandleLidSwitch");
constexpr QLatin1String handleLidSwitchExternalPowerProperty("HandleLidSwitchExternalPower");
constexpr QLatin1String handleLidSwitchDockedProperty("HandleLidSwitchDocked");
} // namespace LogindHandleWire

// The inhibitions the program serves on the session bus to players and
// browsers, and the bus daemon's own question it needs for them.
namespace SessionInhibitWire {
constexpr QLatin1String powerManagementService("org.freedesktop.PowerManagement");
constexpr QLatin1String powerManagementPath("/org/freedesktop/PowerManagement/Inhibit");
constexpr QLatin1String powerManagementInterface("org.freedesktop.PowerManagement.Inhibit");
constexpr QLatin1String screenSaverService("org.freedesktop.ScreenSaver");
constexpr QLatin1String screenSaverPath("/org/freedesktop/ScreenSaver");
constexpr QLatin1String screenSaverShortPath("/ScreenSaver");
constexpr QLatin1String screenSaverInterface("org.freedesktop.ScreenSaver");
constexpr QLatin1String inhibitMethod("Inhibit");
constexpr QLatin1String unInhibitMethod("UnInhibit");
constexpr QLatin1String hasInhibitMethod("HasInhibit");
constexpr QLatin1String hasInhibitChangedSignal("HasInhibitChanged");
} // namespace SessionInhibitWire

// UPower's charge limit (1.90.5 and later) and its line-power devices.
namespace UPowerWire {
constexpr QLatin1String onlineProperty("Online");
constexpr QLatin1String chargeThresholdSupportedProperty("ChargeThresholdSupported");
constexpr QLatin1String chargeThresholdEnabledProperty("ChargeThresholdEnabled");
constexpr QLatin1String chargeStartThresholdProperty("ChargeStartThreshold");
constexpr QLatin1String chargeEndThresholdProperty("ChargeEndThreshold");
// Newer releases: which thresholds the hardware has (bit 0 the start, bit 1
// the end); read where present, never relied on.
constexpr QLatin1String
        chargeThresholdSettingsSupportedProperty("ChargeThresholdSettingsSupported");
constexpr uint startThresholdSetting = 1;
constexpr uint endThresholdSetting = 2;
constexpr QLatin1String enableChargeThresholdMethod("EnableChargeThreshold");
} // namespace UPowerWire

// power-profiles-daemon's holds: a profile kept while a program wants it,
// dropped by the daemon when the program leaves the bus.
namespace PowerProfilesWire {
constexpr QLatin1String holdProfileMethod("HoldProfile");
constexpr QLatin1String releaseProfileMethod("ReleaseProfile");
constexpr QLatin1String profileReleasedSignal("ProfileReleased");
} // namespace PowerProfilesWire
