#pragma once
// What the play screen tells the renderer about the frame: the surface it is drawn into and the
// frame's flags.
#include <cstdint>

struct SViewDescriptor {
    static constexpr uint16_t kFlagDrawn = 2;  // something has been drawn into this frame

    // The rectangle of the 3-D view on the screen, and the screen's size.
    int32_t m_viewX = 0;
    int32_t m_viewY = 0;
    int32_t m_viewWidth = 0;
    int32_t m_viewHeight = 0;
    int32_t m_screenWidth = 0;
    int32_t m_screenHeight = 0;

    uint16_t m_flags = 0;
    uint16_t* m_surfacePixels = nullptr;  // drawing pixel (0, 0) of the back buffer
    int32_t m_surfaceWidth = 0;           // in the drawing orientation
    int32_t m_surfaceHeight = 0;
    int32_t m_pitch = 0;                  // the surface's real pitch, in pixels
    int32_t m_orientation = 0;
};
