#pragma once
#include <SDL.h>

namespace platform {
struct Window;
namespace sdl {
// The desktop window behind a device window (null for none).
SDL_Window* NativeWindow(Window* window);
}  // namespace sdl
}  // namespace platform
