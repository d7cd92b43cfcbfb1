#pragma once
// A drawing surface of width x height in orientation 0, 1 or 2, stored as the display holds it:
// in orientations 1 and 2 the drawing columns are the stored rows. The stored pixels are framed by
// guard pixels on every side, so a write outside the surface shows up even without a sanitizer.
// At() reads drawing pixels by each orientation's own layout, not by the target's steps.
#include <cstdint>
#include <vector>

#include "engine/draw/raster_target.h"

class STestSurface {
public:
    static constexpr uint16_t kGuard = 0xDEAD;
    static constexpr int kMargin = 2;

    STestSurface(int width, int height, int orientation, uint16_t background = 0)
        : m_width(width), m_height(height), m_orientation(orientation) {
        m_storedRows = orientation == 0 ? height : width;
        m_storedColumns = orientation == 0 ? width : height;
        m_pitch = m_storedColumns + kMargin;
        m_memory.assign(size_t(m_storedRows + 2 * kMargin) * m_pitch + kMargin, kGuard);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) m_memory[Index(x, y)] = background;
        }
        m_target.Set(&m_memory[Index(0, 0)], width, height, m_pitch, orientation);
    }
    STestSurface(const STestSurface&) = delete;
    STestSurface& operator=(const STestSurface&) = delete;

    SRasterTarget& Target() { return m_target; }
    int Pitch() const { return m_pitch; }
    uint16_t At(int x, int y) const { return m_memory[Index(x, y)]; }

    // The drawing pixels, rows top to bottom.
    std::vector<uint16_t> Pixels() const {
        std::vector<uint16_t> pixels;
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) pixels.push_back(At(x, y));
        }
        return pixels;
    }

    // Every stored pixel outside the surface still holds the guard.
    bool GuardsIntact() const {
        size_t changed = 0, changedInside = 0;
        for (uint16_t pixel : m_memory) changed += pixel != kGuard;
        for (uint16_t pixel : Pixels()) changedInside += pixel != kGuard;
        return changed == changedInside;
    }

private:
    // Where drawing pixel (x, y) is stored, within the margins.
    size_t Index(int x, int y) const {
        int row = y, column = x;
        if (m_orientation == 1) row = m_width - 1 - x, column = y;
        if (m_orientation == 2) row = x, column = m_height - 1 - y;
        return size_t(row + kMargin) * m_pitch + kMargin + column;
    }

    int m_width, m_height, m_orientation;
    int m_storedRows = 0, m_storedColumns = 0, m_pitch = 0;
    std::vector<uint16_t> m_memory;
    SRasterTarget m_target;
};
