#include "render/polygon_sort.h"

#include <gtest/gtest.h>

#include <vector>

#include "render_fixture.h"

namespace polygon_sort_test {

namespace {

SRenderSortKey Key(SSortClass sortClass, int32_t far, int32_t near) { return {far, near, 0, sortClass}; }

TEST(PolygonSortTest, keysCompareByClassOrderThenFarThenNearDepth) {
    using C = SSortClass;
    struct Row {
        const char* name;
        SRenderSortKey a, b;
        int order;
    };
    const Row rows[] = {
        {"the background before ceilings", Key(C::Background, 100, 100), Key(C::Ceiling, 9000, 9000), -1},
        {"ceilings before pits", Key(C::Ceiling, 100, 100), Key(C::Pit, 9000, 9000), -1},
        {"pits before floors", Key(C::Pit, 100, 100), Key(C::Floor, 9000, 9000), -1},
        {"floors before second-layer walls", Key(C::Floor, 100, 100), Key(C::SecondLayer, 9000, 9000), -1},
        {"second-layer before first-layer walls", Key(C::SecondLayer, 100, 100), Key(C::FirstLayer, 9000, 9000), -1},
        {"first-layer walls last", Key(C::FirstLayer, 9000, 9000), Key(C::Background, 100, 100), 1},
        {"the farther far depth first", Key(C::Floor, 3000, 100), Key(C::Floor, 2000, 1900), -1},
        {"the nearer far depth after", Key(C::FirstLayer, 2000, 1900), Key(C::FirstLayer, 3000, 100), 1},
        {"on equal far depths the farther near depth", Key(C::Pit, 3000, 2000), Key(C::Pit, 3000, 1000), -1},
        {"equal depths", Key(C::SecondLayer, 3000, 2000), Key(C::SecondLayer, 3000, 2000), 0},
        {"two background keys never decide", Key(C::Background, 9000, 9000), Key(C::Background, 100, 100), 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ComparePolygons(row.a, row.b), row.order) << row.name;
        EXPECT_EQ(ComparePolygons(row.b, row.a), -row.order) << row.name;
    }
    EXPECT_EQ(CompareDepthDesc(Key(C::Floor, 3000, 2000), Key(C::Pit, 3000, 1000)), -1) << "depths only";
}

// Keys that do not decide keep the order their polygons were added in, so that every run draws the
// same frame.
TEST_F(RenderTest, theSortPutsTheFrameInPainterSOrderKeepingTiesInTheOrderAdded) {
    useView(380, 320);
    ASSERT_TRUE(render->UpdateProjection());
    using C = SSortClass;
    struct Added {
        C sortClass;
        int32_t far, near;
    };
    const Added added[] = {
        {C::FirstLayer, 2000, 1000},   // 0
        {C::Background, 9000, 9000},   // 1
        {C::Floor, 3000, 2000},        // 2
        {C::FirstLayer, 2000, 1000},   // 3: a tie with 0
        {C::Background, 9000, 9000},   // 4: a tie with 1
        {C::Floor, 5000, 2000},        // 5
        {C::Ceiling, 2000, 2000},      // 6
        {C::SecondLayer, 4000, 3000},  // 7
        {C::Floor, 3000, 2000},        // 8: a tie with 2
        {C::Background, 9000, 9000},   // 9
    };
    for (const Added& polygon : added) {
        for (int k = 0; k < 3; ++k)
            render->m_clip.screenPolygon[k] = {16 * k, 16 * (k % 2), k ? polygon.far : polygon.near};
        ASSERT_NE(render->AddPolygon(3, SPolygonType::Floor, 256, polygon.sortClass), nullptr);
    }
    render->SortPolygons();
    std::vector<int> order;
    for (int i = 0; i < render->m_frame.polygonCount; ++i) order.push_back(render->m_frame.sortKeys[i].m_polygon);
    EXPECT_EQ(order, (std::vector<int>{1, 4, 9, 6, 5, 2, 8, 7, 0, 3}));
}

}  // namespace

}  // namespace polygon_sort_test
