#pragma once
// The walk every filler makes over its polygon: pixel centre by pixel centre along the major axis,
// walker 1 giving each span's first pixel and walker 2 its end, rounded by the fill rule.
#include <algorithm>
#include <cstdint>

#include "engine/draw/raster_target.h"
#include "render/fill/edge_walker.h"
#include "render/fill/fill_polygon.h"

// Row spans run left to right along a pixel row (major axis y); column spans run down a pixel
// column (major axis x).
enum class SSpanAxis { Row, Column };

// One span of the walk, handed to the filler.
struct SSpanLine {
    SRowSpan m_pixels;  // the span's pixels on the surface, from its first one on
    int m_line = 0;     // its row (row spans) or column (column spans)
    int m_start = 0;    // its first pixel on the minor axis
    // Pixels the surface cut from the span's beginning: the fill rule put the first pixel that many
    // earlier.
    int m_skipped = 0;
    int32_t m_minor1 = 0;  // the walkers' minor coordinates at this line, 28.4
    int32_t m_minor2 = 0;
    int32_t m_roundedEnd = 0;  // the span's end by the fill rule, before the surface cut
};

// What a walk does at a line whose rounded start lies beyond its rounded end.
enum class SCrossedLine { Skip, Stop };

// The fill rule: the first pixel whose centre lies at or after the stepper's minor coordinate, one
// further when the coordinate is exactly on a centre of a rising edge. Row spans take that extra
// pixel only when the edge's true position lies past the centre (a non-zero error); column spans
// take it on every exact hit.
inline int32_t RoundToPixel(const EdgeStepper& minor, SSpanAxis axis) {
    int32_t pixel = (minor.m_value + 7) >> 4;
    if ((minor.m_value & 15) == 8 && minor.m_rising && (axis == SSpanAxis::Column || minor.m_error != 0)) ++pixel;
    return pixel;
}

namespace polygon_walk {

// Brings a walker to the pixel centre c: one step inside its segment, or on to the segment that c
// lies in. False once a walker that ends at its last vertex has passed it.
template <bool kForward, bool kToEnd, class Walker>
bool Advance(Walker& walker, int32_t c) {
    EdgeWalker& edge = walker.m_edge;
    if (c < edge.Major(edge.m_next)) {
        walker.Step();
        return true;
    }
    bool onSegment = true;
    if constexpr (kToEnd) {
        onSegment = kForward ? edge.StepForwardToEnd(c) : edge.StepBackwardToEnd(c);
    } else if constexpr (kForward) {
        edge.StepForward(c);
    } else {
        edge.StepBackward(c);
    }
    if (onSegment) walker.SetupSegment();
    return onSegment;
}

}  // namespace polygon_walk

// Walks the polygon and calls drawSpan(SSpanLine) for every non-empty span, with both walkers
// standing at the span's line. Row spans: walker 1 walks backward along the left side to its last
// vertex, walker 2 forward along the right side. Column spans: walker 1 walks forward along the
// upper side to its last vertex, walker 2 backward along the lower side. Spans are cut to the
// surface, so that even a polygon nobody clipped writes nothing outside it.
template <SSpanAxis kAxis, SCrossedLine kCrossed = SCrossedLine::Skip, class Walker1, class Walker2, class DrawSpan>
void WalkPolygon(const SRasterTarget& target, const SFillPolygon& polygon, Walker1& walker1, Walker2& walker2,
                 DrawSpan drawSpan) {
    if (polygon.m_count < 3) return;
    constexpr bool kRows = kAxis == SSpanAxis::Row;
    FindPolyExtremes(walker1.m_edge, walker2.m_edge, kRows ? 1 : 0, kRows ? 0 : 1, uint32_t(polygon.m_count),
                     polygon.m_vertices);
    EdgeWalker& edge1 = walker1.m_edge;
    EdgeWalker& edge2 = walker2.m_edge;
    const int32_t lastCentre = edge1.Major(edge1.m_last);
    const int lines = kRows ? target.m_height : target.m_width;
    const int extent = kRows ? target.m_width : target.m_height;
    for (int32_t c = FirstCentreAtOrAfter(edge1.Major(edge1.m_first)); c < lastCentre; c += 16) {
        const bool walking1 = polygon_walk::Advance<!kRows, true>(walker1, c);
        polygon_walk::Advance<kRows, false>(walker2, c);
        const int line = c >> 4;
        if (line >= lines) break;
        if (walking1) edge1.m_pixel = RoundToPixel(edge1.m_minorStepper, kAxis);
        edge2.m_pixel = RoundToPixel(edge2.m_minorStepper, kAxis);
        if (kCrossed == SCrossedLine::Stop && edge2.m_pixel < edge1.m_pixel) return;
        const int32_t first = std::max(edge1.m_pixel, 0);
        const int32_t end = std::min(edge2.m_pixel, extent);
        if (line < 0 || first >= end) continue;
        SSpanLine span;
        span.m_pixels = kRows ? GetRowSpan(target, line, first, end) : GetColumnSpan(target, line, first, end);
        span.m_line = line;
        span.m_start = first;
        span.m_skipped = first - edge1.m_pixel;
        span.m_minor1 = edge1.m_minorStepper.m_value;
        span.m_minor2 = edge2.m_minorStepper.m_value;
        span.m_roundedEnd = edge2.m_pixel;
        drawSpan(span);
    }
}
