#pragma once

#include <QLatin1String>

// The names the program uses on the system bus, and the numbers UPower
// gives its device properties. Everything that talks to these services
// takes its names from here.

namespace DBusWire {
constexpr QLatin1String propertiesInterface("org.freedesktop.DBus.Properties");
constexpr QLatin1String errorPrefix("org.freedesktop.DBus.Error.");
constexpr QLatin1String getAllMethod("GetAll");
constexpr QLatin1String setMethod("Set");
constexpr QLatin1String propertiesChangedSignal("PropertiesChanged");
} // namespace DBusWire

namespace UPowerWire {
constexpr QLatin1String service("org.freedesktop.UPower");
constexpr QLatin1String path("/org/freedesktop/UPower");
constexpr QLatin1String interface("org.freedesktop.UPower");
constexpr QLatin1String deviceInterface("org.freedesktop.UPower.Device");

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
} // namespace ConsoleKitWire
