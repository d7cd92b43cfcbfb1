#include "render/polygon_sort.h"

#include <algorithm>
#include <cassert>

#include "render/render.h"

namespace {

// Each class's place in the drawing order 0, 5, 1, 2, 4, 3.
constexpr int kClassRank[] = {0, 2, 3, 5, 4, 1};

// Builders use the six classes only; anything else would still sort, after them all.
int RankOf(SSortClass sortClass) {
    const size_t index = uint8_t(sortClass);
    assert(index < std::size(kClassRank));
    return index < std::size(kClassRank) ? kClassRank[index] : int(std::size(kClassRank));
}

template <class T>
int Order(T a, T b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

}  // namespace

int CompareDepthDesc(const SRenderSortKey& a, const SRenderSortKey& b) {
    if (a.m_farDepth != b.m_farDepth) return Order(b.m_farDepth, a.m_farDepth);
    return Order(b.m_nearDepth, a.m_nearDepth);
}

int ComparePolygons(const SRenderSortKey& a, const SRenderSortKey& b) {
    if (a.m_class != b.m_class) return Order(RankOf(a.m_class), RankOf(b.m_class));
    if (a.m_class == SSortClass::Background) return 0;
    return CompareDepthDesc(a, b);
}

void SRender::SortPolygons() {
    // Keys stand in the order their polygons were added, so that the polygon index breaks the ties
    // as a stable sort would: every run draws the same frame, and nothing is allocated.
    std::sort(m_frame.sortKeys, m_frame.sortKeys + m_frame.polygonCount,
              [](const SRenderSortKey& a, const SRenderSortKey& b) {
                  const int order = ComparePolygons(a, b);
                  return order != 0 ? order < 0 : a.m_polygon < b.m_polygon;
              });
}
