#pragma once
// The surface record every pixel loop and span filler writes through, in any display orientation.
#include <cstddef>
#include <cstdint>

// Where drawing pixel (x, y) lies in memory: pixels + x x row step + y x column step, with the
// steps (1, pitch), (-pitch, 1) and (pitch, -1) for orientations 0, 1 and 2. Width and height are
// the drawing orientation's; nothing outside them is ever written.
struct SRasterTarget {
    uint16_t* m_pixels = nullptr;  // drawing pixel (0, 0)
    int32_t m_pitch = 0;           // pixels per stored row
    int32_t m_orientation = 0;     // 0 normal, 1 left landscape, 2 right landscape
    int32_t m_rowStep = 0;         // to the right-hand neighbour
    int32_t m_columnStep = 0;      // to the pixel below
    int32_t m_width = 0;
    int32_t m_height = 0;
    // Set by every pixel loop, also when it draws nothing, so that the frame is known to have been
    // drawn into; whoever shows the frame clears it.
    bool m_drawn = false;

    // Points the target at a surface whose drawing pixel (0, 0) is at pixels. Any orientation
    // other than 0, 1 and 2 leaves the target empty, so that nothing is drawn.
    void Set(uint16_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t orientation);
    uint16_t* PixelAddress(int x, int y) const {
        return m_pixels + (ptrdiff_t(x) * m_rowStep + ptrdiff_t(y) * m_columnStep);
    }
};

// A row span from column x0 up to (not including) x1: its first pixel, the step to the next one
// and the pixel count. The span is given by its count rather than its end address because in
// orientations 1 and 2 the end of a span at the surface's edge lies outside the pixel memory.
struct SRowSpan {
    uint16_t* m_first = nullptr;
    ptrdiff_t m_step = 0;
    int m_count = 0;
};

SRowSpan GetRowSpan(const SRasterTarget& target, int y, int x0, int x1);
// The same for a column span from row y0 up to (not including) y1, stepping to the pixel below.
SRowSpan GetColumnSpan(const SRasterTarget& target, int x, int y0, int y1);
