#include "engine/draw/raster_target.h"

void SRasterTarget::Set(uint16_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t orientation) {
    const bool drawn = m_drawn;
    *this = SRasterTarget{};
    m_drawn = drawn;
    switch (orientation) {
        case 0: m_rowStep = 1, m_columnStep = pitch; break;
        case 1: m_rowStep = -pitch, m_columnStep = 1; break;
        case 2: m_rowStep = pitch, m_columnStep = -1; break;
        default: return;
    }
    m_pixels = pixels;
    m_pitch = pitch;
    m_orientation = orientation;
    m_width = width;
    m_height = height;
}

SRowSpan GetRowSpan(const SRasterTarget& target, int y, int x0, int x1) {
    return SRowSpan{target.PixelAddress(x0, y), target.m_rowStep, x1 > x0 ? x1 - x0 : 0};
}

SRowSpan GetColumnSpan(const SRasterTarget& target, int x, int y0, int y1) {
    return SRowSpan{target.PixelAddress(x, y0), target.m_columnStep, y1 > y0 ? y1 - y0 : 0};
}
