#include "render/cell_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace cell_scan_test {

namespace {

struct SRecorder : SCellVisitor {
    std::vector<std::pair<int32_t, int32_t>> cells;  // (x, y) in visiting order
    void VisitCell(int32_t x, int32_t y) override { cells.emplace_back(x, y); }
};

// Whether the closed square of cell (cx, cy) meets the open inside of the triangle: two convex
// shapes are apart exactly when, on one of their edge normals, their projections at most touch.
bool MeetsInside(const SScanPoint (&t)[3], int32_t cx, int32_t cy) {
    const int64_t x0 = int64_t(cx) * 1024, y0 = int64_t(cy) * 1024;
    const int64_t square[4][2] = {{x0, y0}, {x0 + 1024, y0}, {x0 + 1024, y0 + 1024}, {x0, y0 + 1024}};
    std::vector<std::pair<int64_t, int64_t>> axes = {{1, 0}, {0, 1}};
    for (int i = 0; i < 3; ++i) {
        const SScanPoint& a = t[i];
        const SScanPoint& b = t[(i + 1) % 3];
        axes.emplace_back(int64_t(b.y) - a.y, -(int64_t(b.x) - a.x));
    }
    for (auto [ax, ay] : axes) {
        int64_t lowS = INT64_MAX, highS = INT64_MIN, lowT = INT64_MAX, highT = INT64_MIN;
        for (auto& p : square)
            lowS = std::min(lowS, p[0] * ax + p[1] * ay), highS = std::max(highS, p[0] * ax + p[1] * ay);
        for (auto& p : t) {
            const int64_t d = p.x * ax + p.y * ay;
            lowT = std::min(lowT, d), highT = std::max(highT, d);
        }
        if (highS <= lowT || highT <= lowS) return false;
    }
    return true;
}

std::set<std::pair<int32_t, int32_t>> Oracle(const SScanPoint (&t)[3]) {
    std::set<std::pair<int32_t, int32_t>> cells;
    const int64_t cross = (int64_t(t[1].x) - t[0].x) * (int64_t(t[2].y) - t[0].y) -
                          (int64_t(t[1].y) - t[0].y) * (int64_t(t[2].x) - t[0].x);
    if (cross == 0) return cells;  // no inside
    auto [minX, maxX] = std::minmax({t[0].x, t[1].x, t[2].x});
    auto [minY, maxY] = std::minmax({t[0].y, t[1].y, t[2].y});
    for (int32_t cy = (minY >> 10) - 1; cy <= (maxY >> 10) + 1; ++cy)
        for (int32_t cx = (minX >> 10) - 1; cx <= (maxX >> 10) + 1; ++cx)
            if (MeetsInside(t, cx, cy)) cells.emplace(cx, cy);
    return cells;
}

void ExpectExactScan(const SScanPoint (&t)[3]) {
    SRecorder recorder;
    ScanViewTriangle(t, recorder);
    const std::set<std::pair<int32_t, int32_t>> visited(recorder.cells.begin(), recorder.cells.end());
    const auto label = ::testing::Message() << "(" << t[0].x << "," << t[0].y << ") (" << t[1].x << "," << t[1].y
                                            << ") (" << t[2].x << "," << t[2].y << ")";
    EXPECT_EQ(visited.size(), recorder.cells.size()) << "a cell visited twice in " << label;
    EXPECT_EQ(visited, Oracle(t)) << label;
    // Rows north to south, cells west to east within a row.
    auto byRowThenColumn = [](auto& a, auto& b) { return std::pair(a.second, a.first) < std::pair(b.second, b.first); };
    EXPECT_TRUE(std::is_sorted(recorder.cells.begin(), recorder.cells.end(), byRowThenColumn)) << label;
}

TEST(CellScanTest, visitsExactlyTheCellsMeetingTheInsideOfTableTriangles) {
    struct Row {
        const char* name;
        SScanPoint t[3];
    };
    const Row rows[] = {
        {"a view triangle looking north",
         {{17 * 1024 + 300, 17 * 1024 + 700}, {12 * 1024, 9 * 1024 + 5}, {23 * 1024, 9 * 1024 + 5}}},
        {"a horizontal top edge", {{2048, 1024}, {6000, 1024}, {4000, 7000}}},
        {"a horizontal top edge off the boundary", {{2100, 1500}, {6000, 1500}, {4000, 7000}}},
        {"a horizontal bottom edge", {{4000, 300}, {1000, 5120}, {7000, 5120}}},
        {"an edge through cell corners", {{0, 0}, {4096, 4096}, {0, 4096}}},
        {"the mirror of it", {{4096, 0}, {0, 4096}, {4096, 4096}}},
        {"an edge along a column boundary", {{2048, 0}, {2048, 5000}, {5000, 2500}}},
        {"vertices on corners", {{1024, 1024}, {5120, 2048}, {2048, 6144}}},
        {"a sliver within one cell", {{100, 100}, {900, 120}, {500, 130}}},
        {"a sliver across rows", {{1023, 0}, {1025, 8000}, {1024, 9000}}},
        {"negative coordinates beyond the grid", {{-3000, -2500}, {1500, -7000}, {2500, 1800}}},
        {"a point left in the middle row", {{3000, 100}, {100, 2600}, {3500, 5000}}},
        {"a point right in the middle row", {{300, 100}, {6000, 2600}, {500, 5000}}},
        {"the vertices in the other turn",
         {{12 * 1024, 9 * 1024 + 5}, {17 * 1024 + 300, 17 * 1024 + 700}, {23 * 1024, 9 * 1024 + 5}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ExpectExactScan(row.t);
    }
}

TEST(CellScanTest, visitsExactlyTheCellsMeetingTheInsideOfRandomTriangles) {
    std::mt19937 random(45);
    // Small ranges make corners and shared boundaries common; wide ones give long thin triangles.
    for (int i = 0; i < 1000; ++i) {
        const int32_t range = i % 2 ? 16 * 1024 : 3 * 1024;
        const int32_t step = i % 3 == 0 ? 256 : 1;
        std::uniform_int_distribution<int32_t> coordinate(-range / step, range / step);
        SScanPoint t[3];
        for (SScanPoint& p : t) p = {coordinate(random) * step, coordinate(random) * step};
        ExpectExactScan(t);
    }
}

TEST(CellScanTest, aTriangleWithoutAnInsideVisitsNothing) {
    SRecorder recorder;
    const SScanPoint line[3] = {{0, 0}, {2048, 2048}, {4096, 4096}};
    ScanViewTriangle(line, recorder);
    const SScanPoint point[3] = {{500, 500}, {500, 500}, {500, 500}};
    ScanViewTriangle(point, recorder);
    EXPECT_TRUE(recorder.cells.empty());
}

}  // namespace

}  // namespace cell_scan_test
