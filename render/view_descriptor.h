#pragma once
// What the play screen tells the renderer about the frame: where the 3-D view lies on the screen,
// and the screen's size. The surface it is drawn into is the display's raster target.
#include <cstdint>

struct SViewDescriptor {
    // The rectangle of the 3-D view on the screen, and the screen's size.
    int32_t m_viewX = 0;
    int32_t m_viewY = 0;
    int32_t m_viewWidth = 0;
    int32_t m_viewHeight = 0;
    int32_t m_screenWidth = 0;
    int32_t m_screenHeight = 0;
};
