#pragma once
// The pixels of the game's back buffer as one span, for counting what a frame writes; empty when
// its rows are not packed one after the other.
#include <span>

#include "engine/draw/display.h"

inline std::span<uint16_t> BackBufferPixels(const SDisplay& display) {
    if (display.m_backBuffer == nullptr || display.m_pitch != display.m_width) return {};
    return {display.m_backBuffer, size_t(display.m_width) * display.m_height};
}
