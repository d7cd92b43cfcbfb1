#pragma once
// The device screen drawn into a desktop window's own pixels: enlarged by the largest whole factor
// that fits and centred, or shrunk to fit a window smaller than the screen. The window's pixels may
// be 2, 3 or 4 bytes deep; a table gives the window's pixel for every RGB565 colour.
#include <cstdint>
#include <vector>

#include "platform/window.h"

namespace platform {

struct WindowPixels {
    uint8_t* pixels = nullptr;
    int pitchBytes = 0;
    int bytesPerPixel = 4;
    int width = 0;
    int height = 0;
};

class WindowScaler {
public:
    // Lays a screen of screenWidth x screenHeight out in a window of windowWidth x windowHeight.
    void Fit(int screenWidth, int screenHeight, int windowWidth, int windowHeight);
    // Where the screen lies in the window; outside it the window stays black.
    const Rect& Area() const { return m_area; }
    // The screen's pixel under a window point; points outside the screen give its nearest edge.
    void ScreenPoint(int windowX, int windowY, int& screenX, int& screenY) const;
    // Draws the part `update` of the screen (RGB565 rows) into the window, each pixel through
    // `colours`, and returns the window's rectangle that changed.
    Rect Draw(const uint16_t* screen, int screenPitchBytes, const Rect& update, const uint32_t* colours,
              const WindowPixels& window) const;

private:
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    Rect m_area;
    // The screen column each window column of the area shows.
    std::vector<int> m_sourceColumn;
};

}  // namespace platform
