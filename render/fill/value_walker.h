#pragma once
// A polygon side together with the values a filler interpolates along it: texture coordinates and
// shade, stepped affinely on the screen or perspective-correct.
#include <array>
#include <cstdint>

#include "render/fill/edge_walker.h"
#include "render/fill/fill_polygon.h"

enum class SInterpolation {
    Affine,       // the value itself is stepped
    Perspective,  // P = value x the other end's depth and Q = that depth are stepped; the value is P / Q
};

// What a filler interpolates: the texture coordinates s (a vertex's u) and t (its v), and the shade
// times 8, its 16 bits read as unsigned or (floors) as signed.
enum class SAttribute { S, T, Shade8, SignedShade8 };

template <SInterpolation kMode, SAttribute... kAttributes>
class SValueWalker {
public:
    explicit SValueWalker(const SFillPolygon& polygon) : m_polygon(polygon) {}

    // Sets every value stepper up on the segment the edge walker has just reached.
    void SetupSegment() {
        const uint32_t i = m_edge.m_current, j = m_edge.m_next;
        const int32_t m0 = m_edge.Major(i), m1 = m_edge.Major(j);
        if constexpr (kMode == SInterpolation::Perspective) {
            // Along the segment value x depth is linear in 1/z once both ends carry the other
            // end's depth: P runs from value_i x z_j to value_j x z_i while Q runs from z_j to z_i.
            const int64_t zi = m_polygon.m_vertices[i].z, zj = m_polygon.m_vertices[j].z;
            for (int k = 0; k < kCount; ++k) {
                SetupEdge4(m_values[k], int32_t(attribute(kCarried[k], i) * zj), m0,
                           int32_t(attribute(kCarried[k], j) * zi), m1);
            }
            SetupEdge4(m_depth, int32_t(zj), m0, int32_t(zi), m1);
        } else {
            for (int k = 0; k < kCount; ++k)
                SetupEdge4(m_values[k], attribute(kCarried[k], i), m0, attribute(kCarried[k], j), m1);
        }
    }

    void Step() {
        m_edge.m_minorStepper.Step();
        for (EdgeStepper& stepper : m_values) stepper.Step();
        if constexpr (kMode == SInterpolation::Perspective) m_depth.Step();
    }

    // The value at the current pixel centre. Perspective values divide by Q, which lies between two
    // positive depths.
    template <SAttribute kAttribute>
    int32_t Value() const {
        static_assert(indexOf(kAttribute) >= 0, "the walker does not carry this value");
        const EdgeStepper& stepper = m_values[indexOf(kAttribute)];
        if constexpr (kMode == SInterpolation::Perspective) return stepper.m_value / m_depth.m_value;
        return stepper.m_value;
    }

    EdgeWalker m_edge;

private:
    static constexpr int kCount = sizeof...(kAttributes);
    static constexpr std::array<SAttribute, kCount> kCarried = {kAttributes...};

    static constexpr int indexOf(SAttribute attribute) {
        for (int k = 0; k < kCount; ++k) {
            if (kCarried[k] == attribute) return k;
        }
        return -1;
    }
    int32_t attribute(SAttribute which, uint32_t vertex) const {
        switch (which) {
            case SAttribute::S: return m_polygon.m_uvs[vertex].u;
            case SAttribute::T: return m_polygon.m_uvs[vertex].v;
            case SAttribute::Shade8: return int32_t(m_polygon.m_shades[vertex]) * 8;
            case SAttribute::SignedShade8: return int32_t(int16_t(m_polygon.m_shades[vertex])) * 8;
        }
        return 0;
    }

    const SFillPolygon& m_polygon;
    std::array<EdgeStepper, kCount> m_values;
    EdgeStepper m_depth;
};
