#pragma once
// Keyboard keys of the desktop as the device's virtual keys.
#include <SDL.h>

#include <cstdint>

namespace platform::sdl {

// The device's virtual-key code for a desktop key, or 0 when the device has no such key.
uint32_t VirtualKeyFor(SDL_Keycode key);
// The desktop key that stands for a device key, or SDL_SCANCODE_UNKNOWN.
SDL_Scancode ScancodeFor(uint32_t virtualKey);

}  // namespace platform::sdl
