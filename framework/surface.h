#pragma once
// A block of 16-bit RGB565 pixels the game draws into: a driver's screen, a back buffer or the
// rotation buffer.
#include <cstdint>
#include <memory>

namespace HAL {

class Surface {
public:
    Surface(int32_t width, int32_t height, int32_t pitch, uint16_t* pixels, bool ownsPixels);
    virtual ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    uint16_t* Row(int32_t y) const {
        return reinterpret_cast<uint16_t*>(reinterpret_cast<uint8_t*>(m_pixels) + ptrdiff_t(y) * m_pitch);
    }

    int32_t m_width;
    int32_t m_height;
    int32_t m_pitch;  // bytes from one row to the next
    uint16_t* m_pixels;
    uint8_t m_ownsPixels;  // the pixels came from CreateMemorySurface and go with the surface
};

// A surface in system memory whose rows start on 32-bit boundaries, so that copies can move pixel
// pairs. Null when the size is not positive or memory runs out.
std::unique_ptr<Surface> CreateMemorySurface(int32_t width, int32_t height);

}  // namespace HAL
