// The flat filler (type 0): the fog-coloured ground and pit bottoms.
#include <algorithm>

#include "render/fill/fillers.h"
#include "render/fill/polygon_walk.h"
#include "render/fill/value_walker.h"

void DrawPolyFlat(const SRasterTarget& target, const SFillPolygon& polygon, uint16_t colour) {
    SValueWalker<SInterpolation::Affine> walker1(polygon);
    SValueWalker<SInterpolation::Affine> walker2(polygon);
    WalkPolygon<SSpanAxis::Row>(target, polygon, walker1, walker2, [&](const SSpanLine& line) {
        const SRowSpan& pixels = line.m_pixels;
        if (pixels.m_step == 1) return void(std::fill_n(pixels.m_first, pixels.m_count, colour));
        ptrdiff_t offset = 0;
        for (int k = 0; k < pixels.m_count; ++k, offset += pixels.m_step) pixels.m_first[offset] = colour;
    });
}
