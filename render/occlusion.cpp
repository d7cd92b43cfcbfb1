// The occlusion pass: walking the sorted polygons from the nearest to the farthest, walls mark the
// screen columns they cover, and a polygon whose columns are all covered over its whole height
// behind them is not drawn. First-layer walls cover the first coverage, second-layer walls the
// second, where one standing on a first-layer wall of the same face merges into it.
#include <algorithm>

#include "render/render.h"

namespace {

using SOccluder = SRender::SOccluder;
using SOcclusion = SRender::SOcclusion;
constexpr uint16_t kUncovered = SOcclusion::kUncovered;

int32_t ToPixel(int32_t v) { return (v + 7) >> 4; }

struct SBox {
    int32_t minX, minY, maxX, maxY;
};

SBox BoundsOf(const SRenderVertex* vertices, int count) {
    SBox box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int i = 0; i < count; ++i) {
        box.minX = std::min(box.minX, ToPixel(vertices[i].x));
        box.maxX = std::max(box.maxX, ToPixel(vertices[i].x));
        box.minY = std::min(box.minY, ToPixel(vertices[i].y));
        box.maxY = std::max(box.maxY, ToPixel(vertices[i].y));
    }
    return box;
}

// The wall's outline in pixels: its leftmost and rightmost column, and its top and bottom there.
SOccluder OccluderOf(const SRenderVertex* vertices, int count) {
    const SBox box = BoundsOf(vertices, count);
    SOccluder record{box.minX, box.maxX, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int i = 0; i < count; ++i) {
        const int32_t x = ToPixel(vertices[i].x), y = ToPixel(vertices[i].y);
        if (x == record.left) {
            record.topAtLeft = std::min(record.topAtLeft, y);
            record.bottomAtLeft = std::max(record.bottomAtLeft, y);
        }
        if (x == record.right) {
            record.topAtRight = std::min(record.topAtRight, y);
            record.bottomAtRight = std::max(record.bottomAtRight, y);
        }
    }
    return record;
}

// Whether the occluder reaches over the rows top to bottom all along its columns.
bool SpansRows(const SOccluder& occluder, int32_t top, int32_t bottom) {
    return std::max(occluder.topAtLeft, occluder.topAtRight) <= top &&
           std::min(occluder.bottomAtLeft, occluder.bottomAtRight) >= bottom;
}

class SOcclusionPass {
public:
    SOcclusionPass(SOcclusion& occlusion, int32_t width) : m_occlusion(occlusion), m_width(width) {}

    // Whether some column of the box is not covered over the box's height. A box without columns
    // inside the view is never seen.
    bool Test(const uint16_t* coverage, const SBox& box) const {
        const int32_t first = std::max(box.minX, 0), end = std::min(box.maxX, m_width);
        bool visible = false;
        for (int32_t x = first; x < end;) {
            const uint16_t k = coverage[x];
            const int32_t runEnd = RunEnd(coverage, x, end);
            if (k == kUncovered) {
                visible = true;
            } else {
                const SOccluder& occluder = m_occlusion.occluders[k];
                if (!SpansRows(occluder, box.minY, box.maxY)) {
                    visible = true;
                } else if (occluder.left <= box.minX && occluder.right >= box.maxX) {
                    return false;  // one nearer wall hides all of it
                }
            }
            x = runEnd;
        }
        return visible;
    }

    // Inserts a wall into a coverage: the columns no nearer wall covers take its record, which is
    // committed once it is seen anywhere. With `below` given (a second-layer wall), the wall merges
    // into the first-layer wall of the same face directly below it instead, which then covers both
    // storeys. Returns whether the wall is seen; `merged` says whether it merged.
    bool Insert(uint16_t* coverage, const SRenderVertex* vertices, int count, const uint16_t* below, bool& merged) {
        const SOccluder record = OccluderOf(vertices, count);
        const uint16_t index = uint16_t(m_occlusion.occluderCount);
        const int32_t first = std::max(record.left, 0), end = std::min(record.right, m_width);
        bool committed = false, visible = false;
        uint16_t target = index;
        merged = false;
        auto commit = [&] {
            if (committed) return;
            m_occlusion.occluders[index] = record;
            ++m_occlusion.occluderCount;
            committed = true;
        };
        // At column x, the first-layer wall below this one, when it is there.
        auto mergeAt = [&](int32_t x) {
            if (!below || merged || below[x] == kUncovered) return;
            SOccluder& lower = m_occlusion.occluders[below[x]];
            if (lower.left != record.left || lower.right != record.right || lower.topAtLeft != record.bottomAtLeft ||
                lower.topAtRight != record.bottomAtRight)
                return;
            lower.topAtLeft = record.topAtLeft;
            lower.topAtRight = record.topAtRight;
            merged = true;
            target = below[x];
        };
        for (int32_t x = first; x < end;) {
            const uint16_t k = coverage[x];
            const int32_t runEnd = RunEnd(coverage, x, end);
            if (k == kUncovered) {
                visible = true;
                for (int32_t c = x; c < runEnd; ++c) {
                    if (c == x || (below && below[c] != below[c - 1])) mergeAt(c);
                    if (!merged) commit();
                    coverage[c] = target;
                }
            } else if (!visible && !SpansRows(m_occlusion.occluders[k], std::min(record.topAtLeft, record.topAtRight),
                                              std::max(record.bottomAtLeft, record.bottomAtRight))) {
                visible = true;
                mergeAt(x);
                if (!merged) commit();
            }
            x = runEnd;
        }
        // Columns taken before the merge was found belong to the merged wall too.
        if (merged && committed) std::replace(coverage + first, coverage + end, index, target);
        return visible;
    }

private:
    static int32_t RunEnd(const uint16_t* coverage, int32_t x, int32_t end) {
        const uint16_t k = coverage[x];
        while (x < end && coverage[x] == k) ++x;
        return x;
    }

    SOcclusion& m_occlusion;
    int32_t m_width;
};

bool IsWall(SPolygonType type) { return type == SPolygonType::Wall || type == SPolygonType::WallOverlay; }

}  // namespace

void SRender::CullHidden() {
    SOcclusion& o = m_occlusion;
    const int32_t width = std::clamp(m_projection.width16 >> 4, 0, kMaxViewWidth);
    o.occluderCount = 0;
    std::fill_n(o.firstCoverage, width, kUncovered);
    std::fill_n(o.secondCoverage, width, kUncovered);
    SOcclusionPass pass(o, width);
    for (int i = m_frame.polygonCount - 1; i >= 0; --i) {
        const SRenderSortKey& key = m_frame.sortKeys[i];
        SRenderPolygon& polygon = m_frame.polygons[key.m_polygon];
        const SRenderVertex* vertices = m_frame.vertices + polygon.m_firstVertex;
        const int count = polygon.m_vertexCount;
        const SBox box = BoundsOf(vertices, count);
        // A wall the occluder table has no room for is tested as any other polygon.
        const bool occluder = IsWall(polygon.m_type) && o.occluderCount < kMaxOccluders;
        bool visible = false, merged = false;
        switch (key.m_class) {
            case SSortClass::Pit:
            case SSortClass::Floor: visible = pass.Test(o.firstCoverage, box); break;
            case SSortClass::FirstLayer:
                visible = occluder ? pass.Insert(o.firstCoverage, vertices, count, nullptr, merged)
                                   : pass.Test(o.firstCoverage, box);
                break;
            case SSortClass::SecondLayer:
                if (occluder) {
                    visible = pass.Insert(o.secondCoverage, vertices, count, o.firstCoverage, merged);
                    if (visible && !merged) visible = pass.Test(o.firstCoverage, box);
                    break;
                }
                [[fallthrough]];
            default: visible = pass.Test(o.secondCoverage, box) && pass.Test(o.firstCoverage, box);
        }
        polygon.m_flags =
            uint8_t(visible ? polygon.m_flags | SRenderPolygon::kVisible : polygon.m_flags & ~SRenderPolygon::kVisible);
    }
}
