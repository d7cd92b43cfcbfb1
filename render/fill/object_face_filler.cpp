// Object faces (type 10): at any angle to the view, with a second-order fit of the texture
// coordinates along each row span in place of exact perspective.
#include <algorithm>
#include <array>
#include <limits>

#include "render/fill/fillers.h"
#include "render/fill/floor_polygon.h"

namespace {

// Coordinates inside the face's spans are 12.20 texels: 2,048 texels each way, of which the fit
// can overshoot a texture by an eighth.
constexpr int32_t kMaxRows = 1024;
constexpr int kFractionBits = 20;
constexpr int64_t kDepthScale = int64_t(1) << 25;

// What a walker interpolates along an edge, linearly on the screen: 2^25 / z, (u << 18) / z and
// (v << 18) / z, and on the left edge 8 x shade.
enum SFaceValue { kDepth, kU, kV, kShade8, kFaceValues };

// The vertex values of a face, or none when one does not fit 32 bits (a vertex too near the eye
// for its coordinates).
struct SFaceVertices {
    static constexpr int kMaxVertices = 32;
    std::array<std::array<int32_t, kFaceValues>, kMaxVertices> m_values;

    bool Set(const SFillPolygon& polygon) {
        if (polygon.m_count > kMaxVertices || !line_polygon::HasPositiveDepths(polygon)) return false;
        for (int i = 0; i < polygon.m_count; ++i) {
            const int64_t z = polygon.m_vertices[i].z;
            const int64_t values[kFaceValues] = {kDepthScale / z, int64_t(polygon.m_uvs[i].u) * (1 << 18) / z,
                                                 int64_t(polygon.m_uvs[i].v) * (1 << 18) / z,
                                                 int64_t(int16_t(polygon.m_shades[i])) * 8};
            for (int k = 0; k < kFaceValues; ++k) {
                if (values[k] < std::numeric_limits<int32_t>::min() || values[k] > std::numeric_limits<int32_t>::max())
                    return false;
                m_values[size_t(i)][size_t(k)] = int32_t(values[k]);
            }
            // The depth term is a divisor; beyond 2^25 it would vanish.
            if (m_values[size_t(i)][kDepth] == 0) return false;
        }
        return true;
    }
};

template <int kCarried>
class SFaceWalker {
public:
    explicit SFaceWalker(const SFaceVertices& vertices) : m_vertices(vertices) {}

    void SetupSegment() {
        const auto& from = m_vertices.m_values[m_edge.m_current];
        const auto& to = m_vertices.m_values[m_edge.m_next];
        for (int k = 0; k < kCarried; ++k)
            SetupEdge4(m_values[size_t(k)], from[size_t(k)], m_edge.Major(m_edge.m_current), to[size_t(k)],
                       m_edge.Major(m_edge.m_next));
    }
    void Step() {
        m_edge.m_minorStepper.Step();
        for (EdgeStepper& stepper : m_values) stepper.Step();
    }
    int64_t Value(SFaceValue value) const { return m_values[size_t(value)].m_value; }

    EdgeWalker m_edge;

private:
    const SFaceVertices& m_vertices;
    std::array<EdgeStepper, kCarried> m_values;
};

// One coordinate's fit along a span: its value at the first pixel and its first and second
// differences, 12.20 texels.
struct SFit {
    int64_t m_start = 0;
    int64_t m_step = 0;
    int64_t m_step2 = 0;

    // The fit through the start, middle and end samples over n pixels, moved on by `skip` pixels.
    static SFit Through(int64_t start, int64_t middle, int64_t end, int64_t n, int64_t skip) {
        const int64_t step2 = 4 * (end - 2 * middle + start) / (n * n);
        const int64_t step = (step2 >> 1) - (3 * start - 4 * middle + end) / n;
        return {start + skip * step + skip * (skip - 1) / 2 * step2, step + skip * step2, step2};
    }
};

// A coordinate term times 256 over a depth term, as 12.20 texels kept within 0..max.
int64_t Sample(int64_t term256, int64_t depth, int32_t max) {
    return std::clamp(term256 / std::max<int64_t>(depth, 1) * (1 << 15), int64_t(0), int64_t(max));
}

}  // namespace

void DrawPolyType10(const SRasterTarget& target, const SFillPolygon& polygon, const SRenderTexture& a, uint32_t fog) {
    SFloorLayers layers;
    if (!SetFloorLayers(layers, a) || a.m_height > kMaxRows) return;
    layers.m_columnMax = (int32_t(a.m_width) << kFractionBits) - 1;
    layers.m_rowMax = (int32_t(a.m_height) << kFractionBits) - 1;
    SFaceVertices vertices;
    if (!vertices.Set(polygon)) return;
    const SSpanPair spans = floor_polygon::SelectFloorSpans<SObjectFaceSampler>(layers);
    SFaceWalker<4> left(vertices);
    SFaceWalker<3> right(vertices);
    WalkPolygon<SSpanAxis::Row, SCrossedLine::Stop>(target, polygon, left, right, [&](const SSpanLine& line) {
        const int64_t x0 = line.m_start - line.m_skipped, x1 = line.m_roundedEnd;
        const int64_t xL = line.m_minor1, xR = line.m_minor2, dX = xR - xL;
        auto slope = [&](SFaceValue value) { return dX == 0 ? 0 : (right.Value(value) - left.Value(value)) * 16 / dX; };
        const int64_t dZ = slope(kDepth), dU = slope(kU), dV = slope(kV);
        const int64_t before = x0 * 16 - xL + 8, after = xR - x1 * 16 + 8;
        const int64_t zStart = left.Value(kDepth) + ((before * dZ) >> 4);
        const int64_t zEnd = right.Value(kDepth) - ((after * dZ) >> 4);
        const int64_t zMiddle = (left.Value(kDepth) + right.Value(kDepth)) >> 1;
        auto fit = [&](SFaceValue value, int64_t gradient, int32_t max) {
            const int64_t start = Sample((before * gradient + left.Value(value) * 16) * 16, zStart, max);
            const int64_t end = Sample((right.Value(value) * 16 - after * gradient) * 16, zEnd, max);
            const int64_t middle = Sample((left.Value(value) + right.Value(value)) * 128, zMiddle, max);
            return SFit::Through(start, middle, end, x1 - x0, line.m_skipped);
        };
        const SFit u = fit(kU, dU, layers.m_columnMax), v = fit(kV, dV, layers.m_rowMax);
        SSpanState span = line_polygon::SpanOver(line, a, fog);
        span.m_layers = &layers;
        span.m_varying = uint32_t(u.m_start);
        span.m_varyingStep = int32_t(u.m_step);
        span.m_varyingStep2 = int32_t(u.m_step2);
        span.m_secondVarying = uint32_t(v.m_start);
        span.m_secondStep = int32_t(v.m_step);
        span.m_secondStep2 = int32_t(v.m_step2);
        span.m_factor = fog::FactorOfSignedShade8(int32_t(left.Value(kShade8)));
        spans.For(span.m_factor)(span);
    });
}
