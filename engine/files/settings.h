#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/registry.h"

// The player's settings, mirrored in the registry: read once at start-up, written back whole.
struct SSettings {
    static constexpr int kKeyCount = 12;
    // Entry 12 of the portrait and right tables marks a stored table.
    static constexpr int kMarkerEntry = kKeyCount - 1;
    // View sizes run from 0 (the whole view) to this, the smallest; the viewport arithmetic knows
    // no others, and a larger one would shrink the 3-D view past nothing.
    static constexpr uint32_t kSmallestViewSize = 2;

    uint32_t startMode;             // the display orientation: 0 normal, 1 left landscape, 2 right landscape
    uint32_t keys[kKeyCount];       // portrait: action per hardware key, or on keyboards a letter per action
    uint32_t leftKeys[kKeyCount];   // left landscape
    uint32_t rightKeys[kKeyCount];  // right landscape
    uint32_t soundVolume;           // 0 .. 10
    uint32_t musicVolume;           // 0 .. 10
    uint32_t viewSize;              // 0 .. kSmallestViewSize, per orientation
    uint32_t leftViewSize;
    uint32_t rightViewSize;

    SSettings() { SetDefaults(); }
    void SetDefaults();
};

// Screen modes whose devices have a keyboard: the keys are bound to letters there.
bool IsKeyboardScreenMode(int screenMode);
// The large screens (640x480 and up, and 480x480): they have their own interface pictures, a
// shrinkable 3-D view and bigger fonts.
bool IsLargeScreenMode(int screenMode);
// Screen modes of devices that can be turned, in pairs (3 and 4, 6 and 7, 9 and 10): only there
// does the display take the stored orientation; every other device draws upright.
bool HasOrientationChoice(int screenMode);
// The display orientation a screen mode runs in with the stored orientation.
uint32_t DisplayOrientationFor(const SSettings& settings, int screenMode);

// The first nine words of a binding table as a new player gets them: on keyboards the letters of
// the nine actions, whatever the orientation; on other devices the action of each button, turned
// with the orientation (0 portrait, 1 left landscape, 2 right landscape; others read as 0).
std::span<const uint32_t, 9> DefaultBindings(uint32_t orientation, bool keyboard);

// Reads the settings for a screen mode over the defaults and writes the whole record back, so that
// the markers and defaults are stored from the first run on. A value outside its range is never
// kept: volumes above 10 read as 10, an orientation above 2 and a view size above the smallest
// read as 0. A portrait table that another kind of device stored (key letters on a device with
// buttons, action codes on a keyboard) reads as this device's defaults, and so does any binding out
// of range. A registry file that cannot be read or is damaged is moved aside first; the answer then
// says so for the player, and is empty otherwise.
std::string LoadSettings(SSettings& settings, int screenMode);
// Every value by its registry name, in the registry's order.
std::vector<platform::RegistryValue> SettingsValues(const SSettings& settings);
// Writes every value in one write of the registry, so that a save cut off at any moment leaves
// either all the old values or all the new ones.
void SaveSettings(const SSettings& settings);
