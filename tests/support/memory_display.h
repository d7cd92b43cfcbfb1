#pragma once
// A display whose drawing lands in a block of memory the test reads back, rows packed.
#include <cstdint>
#include <vector>

#include "engine/draw/display.h"

inline void DrawIntoMemory(SDisplay& display, std::vector<uint16_t>& pixels, int width, int height) {
    display.m_width = uint16_t(width);
    display.m_height = uint16_t(height);
    display.SetBackBuffer(pixels.data(), width);
}
