#pragma once
// Device-wide services: the screen, the single-instance guard, the idle timer, keys, message boxes.
#include <cstdint>
#include <string>

namespace platform {

struct Window;

// The device's screen in pixels, as the hardware reports it.
int ScreenWidth();
int ScreenHeight();

// Bits per pixel of the screen; 0 when the screen cannot be reached for drawing.
int ScreenDepth();

// How the screen's memory lies against the way the device is held, in quarter turns (0 to 3): a
// landscape handheld built from a portrait panel reports 3, as the landscape phones do.
int ScreenOrientation();

// Picks the emulated device's screen size and the way its panel lies (the platform has no fixed
// hardware to read them from).
void SetDeviceScreen(int width, int height, int orientation = 0);

enum class NamedMutexResult { Created, AlreadyExists, Failed };
// Creates a named mutex that lives as long as the process; reports whether it existed already.
NamedMutexResult CreateNamedMutex(const std::string& name);

// Keeps the device from going to sleep.
void ResetIdleTimer();

// Whether a virtual key is held down now.
bool IsKeyDown(uint32_t virtualKey);

// A modal message with a caption and one OK button.
void ShowMessageBox(Window* owner, const std::string& text, const std::string& caption);

}  // namespace platform
