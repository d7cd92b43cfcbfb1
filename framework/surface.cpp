#include "framework/surface.h"

#include <new>

namespace HAL {

namespace {
// Far beyond any screen, and small enough that pitch x height stays well inside memory sizes.
constexpr int32_t kLargestSide = 16384;
}  // namespace

Surface::Surface(int32_t width, int32_t height, int32_t pitch, uint16_t* pixels, bool ownsPixels)
    : m_width(width), m_height(height), m_pitch(pitch), m_pixels(pixels), m_ownsPixels(ownsPixels) {}

Surface::~Surface() {
    if (m_ownsPixels) delete[] m_pixels;
}

std::unique_ptr<Surface> CreateMemorySurface(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return nullptr;
    int32_t pitch = (width * 2 + 3) & ~3;
    auto* pixels = new (std::nothrow) uint16_t[size_t(pitch / 2) * size_t(height)]();
    if (pixels == nullptr) return nullptr;
    auto surface = std::unique_ptr<Surface>(new (std::nothrow) Surface(width, height, pitch, pixels, true));
    if (surface == nullptr) delete[] pixels;
    return surface;
}

}  // namespace HAL
