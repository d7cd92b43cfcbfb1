#pragma once
// One side of a polygon as a filler walks it from its first to its last vertex along the major
// axis (y for row spans, x for column spans), with its minor coordinate stepped exactly.
#include <cstdint>

#include "render/fill/edge_stepper.h"
#include "render/render_polygon.h"

struct EdgeWalker {
    // The rounded pixel position of a walker that has passed its last vertex: no span reaches it.
    static constexpr int32_t kPassedEnd = 0x7FFFFFFF;

    uint32_t m_count = 0;
    const SRenderVertex* m_vertices = nullptr;
    uint32_t m_first = 0;
    uint32_t m_last = 0;
    uint32_t m_current = 0;
    uint32_t m_next = 0;
    EdgeStepper m_minorStepper;
    int32_t m_pixel = 0;  // the minor coordinate rounded to a pixel by the fill rule
    // Which vertex coordinate is the major and which the minor axis: 0 for x, 1 for y.
    int m_majorAxis = 1;
    int m_minorAxis = 0;

    int32_t Major(uint32_t vertex) const { return coordinate(vertex, m_majorAxis); }
    int32_t Minor(uint32_t vertex) const { return coordinate(vertex, m_minorAxis); }

    // Walks on from vertex to vertex while the major coordinate c lies at or beyond the next one,
    // forward (the vertex after, wrapping) or backward, then sets the minor stepper up on the
    // segment reached. c must lie at or beyond the next vertex's major coordinate.
    void StepForward(int32_t c);
    void StepBackward(int32_t c);
    // The same, but the walk ends at the last vertex: then the stepper is left alone, the pixel
    // position becomes kPassedEnd and the answer is false.
    bool StepForwardToEnd(int32_t c);
    bool StepBackwardToEnd(int32_t c);

private:
    int32_t coordinate(uint32_t vertex, int axis) const {
        return axis == 0 ? m_vertices[vertex].x : m_vertices[vertex].y;
    }
    template <bool kForward, bool kToEnd>
    bool walk(int32_t c);
};

// Sets both walkers on a polygon of count vertices. Walker 1 runs from the vertex of least major
// coordinate (ties: least minor) to the one of greatest major (ties: least minor); walker 2 from
// least major (ties: greatest minor) to greatest major (ties: greatest minor). Among identical
// vertices the lowest index wins. With fewer than two vertices every index is 0.
void FindPolyExtremes(EdgeWalker& walker1, EdgeWalker& walker2, int major, int minor, uint32_t count,
                      const SRenderVertex* vertices);
