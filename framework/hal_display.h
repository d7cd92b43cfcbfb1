#pragma once
// The game's drawing target: a 16-bit surface to draw into between BeginScene and Swap, shown on the
// device's screen in the orientation the game asked for.
#include <cstdint>
#include <memory>

#include "platform/window.h"

namespace HAL {

class DisplayImpl;
class Surface;

constexpr int32_t kOrientationAny = 4;

enum SwapEffect : int32_t {
    kSwapDefault = 0,  // asked for: becomes kSwapDiscard
    kSwapDiscard = 1,  // the game may draw straight into the driver's surface
    kSwapCopy = 2,     // the game draws into memory that Swap copies to the screen
};

struct DisplayParams {
    int32_t width = 0;
    int32_t height = 0;
    int32_t orientation = 0;  // quarter turns 0 to 3, kOrientationAny for whatever the device has
    int32_t swapEffect = kSwapDiscard;
};

// Swap flag: time the copy to the vertical blank.
constexpr uint32_t kSwapWaitVBlank = 1;

class Display {
public:
    // Null when no driver can show the requested display; on success the parameters hold what was
    // granted.
    static std::unique_ptr<Display> Create(platform::Window* window, DisplayParams& params);
    static intptr_t SubclassWndProc(platform::Window* window, uint32_t code, uintptr_t wParam, intptr_t lParam);

    explicit Display(std::unique_ptr<DisplayImpl> impl);
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool BeginScene();
    Surface* GetSurface();
    bool Swap(uint32_t flags);
    // Quarter turns from the surface the game draws to the device's screen: where a tap on the
    // screen lands in the drawing.
    int32_t QuarterTurns() const;

    std::unique_ptr<DisplayImpl> m_impl;
};

}  // namespace HAL
