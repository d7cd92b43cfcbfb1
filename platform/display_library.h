#pragma once
// The optional display library that hands games the screen's memory. Entry points are looked up by
// these names (platform/library.h) and called through these types.
#include <cstdint>

#include "platform/window.h"

namespace platform::display_library {

inline constexpr const char* kLibrary = "gx.dll";

// Flag of OpenDisplay: the game takes the whole screen.
constexpr uint32_t kFullScreen = 1;

// The screen as the library lays it out for a game drawing upright: the pitches are signed byte
// steps from one pixel to the next along x and along y.
struct Properties {
    uint32_t width = 0;
    uint32_t height = 0;
    int32_t xPitch = 0;
    int32_t yPitch = 0;
    int32_t depth = 0;  // bits per pixel
    uint32_t format = 0;
};

using OpenDisplay = int (*)(Window* window, uint32_t flags);  // non-zero on success
using CloseDisplay = int (*)();
using BeginDraw = void* (*)();  // the upright top-left pixel, null on failure
using EndDraw = int (*)();
using GetDisplayProperties = Properties (*)();
using IsDisplayDRAMBuffer = int (*)();  // non-zero: the library copies from memory of its own
using Suspend = int (*)();
using Resume = int (*)();
using SetViewport = int (*)(uint32_t top, uint32_t height, uint32_t reserved1, uint32_t reserved2);

inline constexpr const char* kOpenDisplay = "GXOpenDisplay";
inline constexpr const char* kCloseDisplay = "GXCloseDisplay";
inline constexpr const char* kBeginDraw = "GXBeginDraw";
inline constexpr const char* kEndDraw = "GXEndDraw";
inline constexpr const char* kGetDisplayProperties = "GXGetDisplayProperties";
inline constexpr const char* kIsDisplayDRAMBuffer = "GXIsDisplayDRAMBuffer";
inline constexpr const char* kSuspend = "GXSuspend";
inline constexpr const char* kResume = "GXResume";
inline constexpr const char* kSetViewport = "GXSetViewport";

}  // namespace platform::display_library
