#pragma once
#include <cstdint>
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

// Reads the settings for a screen mode over the defaults and writes the whole record back, so that
// the markers and defaults are stored from the first run on. View sizes beyond the smallest read as
// the smallest.
void LoadSettings(SSettings& settings, int screenMode);
// Every value by its registry name, in the registry's order.
std::vector<platform::RegistryValue> SettingsValues(const SSettings& settings);
// Writes every value in one write of the registry, so that a save cut off at any moment leaves
// either all the old values or all the new ones.
void SaveSettings(const SSettings& settings);
