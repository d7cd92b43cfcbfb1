#pragma once
// One polygon as the fillers receive it from the frame buffers.
#include <cstdint>

#include "render/render_polygon.h"

// count consecutive vertices, clockwise on the view with y growing downwards, each with its texture
// coordinate pair (28.4 texels) and its shade (0 all fog, 128 and above none). Fillers that need no
// uvs or shades do not read them.
struct SFillPolygon {
    int m_count = 0;
    const SRenderVertex* m_vertices = nullptr;
    const SRenderUv* m_uvs = nullptr;
    const uint16_t* m_shades = nullptr;
};
