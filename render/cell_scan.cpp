#include "render/cell_scan.h"

#include <algorithm>

#include "render/render.h"

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int32_t RowOf(int32_t y) { return int32_t(FloorDiv(y, SRender::kCellSize)); }

}  // namespace

void GridEdgeWalker::Init(const SScanPoint* chain, int count) {
    m_chain = chain;
    m_count = count;
    m_edge = 0;
    m_started = false;
}

int32_t GridEdgeWalker::RoundX(int64_t numerator, int64_t denominator, bool left) {
    return int32_t(left ? FloorDiv(numerator, SRender::kCellSize * denominator)
                        : FloorDiv(numerator - 1, SRender::kCellSize * denominator));
}

int32_t GridEdgeWalker::columnAt(int32_t y, bool left) const {
    const SScanPoint& a = m_chain[m_edge];
    const SScanPoint& b = m_chain[m_edge + 1];
    const int64_t dy = int64_t(b.y) - a.y;
    if (dy == 0) return RoundX(b.x, 1, left);
    return RoundX(int64_t(a.x) * dy + (int64_t(b.x) - a.x) * (int64_t(y) - a.y), dy, left);
}

int32_t GridEdgeWalker::step(int32_t y, bool left) {
    const auto further = [left](int32_t a, int32_t b) { return left ? std::min(a, b) : std::max(a, b); };
    if (!m_started) m_lastColumn = RoundX(m_chain[0].x, 1, left);
    m_started = true;
    int32_t bound = m_lastColumn;
    // A corner passed inside the row may stand further out than either crossing.
    while (m_edge + 2 < m_count && m_chain[m_edge + 1].y <= y) {
        bound = further(bound, RoundX(m_chain[m_edge + 1].x, 1, left));
        ++m_edge;
    }
    m_lastColumn = columnAt(y, left);
    return further(bound, m_lastColumn);
}

void ScanViewTriangle(const SScanPoint (&triangle)[3], SCellVisitor& visitor) {
    SScanPoint v[3] = {triangle[0], triangle[1], triangle[2]};
    std::sort(v, v + 3, [](const SScanPoint& a, const SScanPoint& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    // Which side the middle vertex lies on: the other side is the long edge alone.
    const int64_t cross = (int64_t(v[2].x) - v[0].x) * (int64_t(v[1].y) - v[0].y) -
                          (int64_t(v[1].x) - v[0].x) * (int64_t(v[2].y) - v[0].y);
    if (cross == 0) return;
    const SScanPoint longEdge[2] = {v[0], v[2]};
    GridEdgeWalker left, right;
    left.Init(cross > 0 ? v : longEdge, cross > 0 ? 3 : 2);
    right.Init(cross > 0 ? longEdge : v, cross > 0 ? 2 : 3);

    const int32_t top = v[0].y, bottom = v[2].y;
    for (int32_t row = RowOf(top); int64_t(row) * SRender::kCellSize < bottom; ++row) {
        const int32_t rowBottom = int32_t(std::min<int64_t>(int64_t(row + 1) * SRender::kCellSize, bottom));
        const int32_t first = left.StepLeft(rowBottom);
        const int32_t last = right.StepRight(rowBottom);
        for (int32_t column = first; column <= last; ++column) visitor.VisitCell(column, row);
    }
}
