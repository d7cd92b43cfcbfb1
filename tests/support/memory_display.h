#pragma once
// A display whose drawing lands in a block of memory the test reads back, rows packed.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/display.h"
#include "render/view_descriptor.h"

inline void DrawIntoMemory(SDisplay& display, SViewDescriptor& view, std::vector<uint16_t>& pixels, int width, int height) {
    view.m_surfacePixels = pixels.data();
    view.m_surfaceWidth = width;
    view.m_surfaceHeight = height;
    view.m_pitch = width;
    display.m_render = std::make_unique<SRender>();
    display.m_render->m_view = &view;
    display.m_render->UpdateProjection();
}
