#pragma once
// Counts the pixels a drawing writes: the memory is filled with a marker colour, drawn into, and
// every pixel no longer the marker counted. A second marker catches the pixels written with the
// first marker's own colour.
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

template <class Drawing>
size_t CountWrittenPixels(std::span<uint16_t> pixels, Drawing&& draw) {
    std::vector<bool> written(pixels.size());
    for (uint16_t marker : {uint16_t(0x1234), uint16_t(0xEDCB)}) {
        std::fill(pixels.begin(), pixels.end(), marker);
        draw();
        for (size_t i = 0; i < pixels.size(); ++i)
            if (pixels[i] != marker) written[i] = true;
    }
    return size_t(std::count(written.begin(), written.end(), true));
}

// Whether a drawing that should cover the area left at most one pixel in a thousand unwritten: the
// 3-D view's polygons may leave a stray pixel at their seams, which the play screen clears to the
// fog's colour before each frame.
inline bool CoversTheArea(size_t written, size_t area) { return written <= area && written >= area - area / 1000; }
