#include <gtest/gtest.h>

#include <string>

#include "render_fixture.h"

namespace occlusion_test {

namespace {

// Occlusion scenarios of hand-made screen polygons in a 120 x 80 view: rectangles given in pixels
// at a depth, sorted and passed through the occlusion pass as the frame entry does.
class OcclusionTest : public RenderTest {
protected:
    void SetUp() override {
        useView(120, 80);
        ASSERT_TRUE(render->UpdateProjection());
    }

    // A rectangle from (x0, y0) to (x1, y1) in pixels; returns its polygon index.
    int add(SPolygonType type, SSortClass sortClass, int x0, int y0, int x1, int y1, int32_t depth) {
        const int32_t l = x0 * 16, r = x1 * 16, t = y0 * 16, b = y1 * 16;
        render->m_clip.screenPolygon[0] = {l, t, depth};
        render->m_clip.screenPolygon[1] = {r, t, depth};
        render->m_clip.screenPolygon[2] = {r, b, depth};
        render->m_clip.screenPolygon[3] = {l, b, depth};
        EXPECT_NE(render->AddPolygon(4, type, 256, sortClass), nullptr);
        return render->m_frame.polygonCount - 1;
    }
    int wall(SSortClass layer, int x0, int y0, int x1, int y1, int32_t depth) {
        return add(SPolygonType::Wall, layer, x0, y0, x1, y1, depth);
    }
    int sprite(SSortClass layer, int x0, int y0, int x1, int y1, int32_t depth) {
        return add(SPolygonType::Billboard, layer, x0, y0, x1, y1, depth);
    }

    void clear() {
        render->m_frame.polygonCount = render->m_frame.vertexCount = 0;
        render->m_frame.uvCount = render->m_frame.shadeCount = 0;
    }
    void cull() {
        render->SortPolygons();
        render->CullHidden();
    }
    bool visible(int polygon) const { return render->m_frame.polygons[polygon].m_flags & SRenderPolygon::kVisible; }
    int occluders() const { return render->m_occlusion.occluderCount; }
};

constexpr SSortClass kFirst = SSortClass::FirstLayer;
constexpr SSortClass kSecond = SSortClass::SecondLayer;

// A billboard behind a near full-height wall, from (20, 10) to (60, 70).
TEST_F(OcclusionTest, aNearWallHidesWhatItCoversOverItsWholeHeight) {
    struct Row {
        const char* name;
        int x0, y0, x1, y1;
        bool visible;
    };
    const Row rows[] = {
        {"a billboard inside its outline is hidden", 30, 20, 50, 60, false},
        {"a billboard taller than the wall stays visible", 30, 5, 50, 60, true},
        {"a partly covered billboard stays visible", 50, 20, 70, 60, true},
        {"a billboard as wide and high as the wall is hidden", 20, 10, 60, 70, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clear();
        const int near = wall(kFirst, 20, 10, 60, 70, 1000);
        const int far = sprite(kFirst, row.x0, row.y0, row.x1, row.y1, 3000);
        cull();
        EXPECT_TRUE(visible(near));
        EXPECT_EQ(visible(far), row.visible);
        EXPECT_EQ(occluders(), 1);
    }
}

// Two nearer walls side by side hide a billboard behind both, though neither alone spans it.
TEST_F(OcclusionTest, wallsSideBySideCoverTogether) {
    wall(kFirst, 20, 10, 40, 70, 1000);
    wall(kFirst, 40, 10, 60, 70, 1200);
    const int far = sprite(kFirst, 30, 20, 50, 60, 3000);
    cull();
    EXPECT_FALSE(visible(far));
}

TEST_F(OcclusionTest, aWallWhollyBehindANearerWallIsNotCommitted) {
    wall(kFirst, 20, 10, 60, 70, 1000);
    const int behind = wall(kFirst, 30, 20, 50, 60, 3000);
    cull();
    EXPECT_FALSE(visible(behind));
    EXPECT_EQ(occluders(), 1);
    // A wall that shows above the nearer one is committed, though it covers no free column.
    wall(kFirst, 30, 0, 50, 60, 3000);
    cull();
    EXPECT_EQ(occluders(), 2);
}

// A second-layer wall standing on a first-layer wall of the same face merges into it: the two
// then cover both storeys, and a tall second-layer sprite behind them is hidden. Without the merge
// each covers only its own storey and the sprite shows.
TEST_F(OcclusionTest, stackedFirstAndSecondLayerWallsMergeAndHideATallSpriteBehindThem) {
    struct Row {
        const char* name;
        int upperLeft;  // the second-layer wall's left column
        bool merged;
    };
    for (Row row : {Row{"one face", 20, true}, Row{"not the same columns", 21, false}}) {
        SCOPED_TRACE(row.name);
        clear();
        const int lower = wall(kFirst, 20, 40, 60, 70, 2000);
        const int upper = wall(kSecond, row.upperLeft, 10, 60, 40, 2000);
        const int tall = sprite(kSecond, 30, 15, 50, 65, 5000);
        cull();
        EXPECT_TRUE(visible(lower));
        EXPECT_TRUE(visible(upper));
        EXPECT_EQ(visible(tall), !row.merged);
        EXPECT_EQ(occluders(), row.merged ? 1 : 2);
        const SRender::SOccluder& first = render->m_occlusion.occluders[0];
        EXPECT_EQ(first.topAtLeft, row.merged ? 10 : 40);
        EXPECT_EQ(first.topAtRight, row.merged ? 10 : 40);
        EXPECT_EQ(render->m_occlusion.secondCoverage[45], row.merged ? 0 : 1);
    }
}

// Where a nearer wall hides the left part of the first-layer wall, the second-layer wall above it
// finds the wall to merge with only further right; the columns it took before belong to the merged
// wall too.
TEST_F(OcclusionTest, aStackedWallMergesAcrossItsWholeSpanWhenItsLeftPartIsHiddenBelow) {
    wall(kFirst, 10, 45, 30, 75, 1000);  // nearer, in front of the lower wall's left part only
    wall(kFirst, 20, 40, 60, 70, 2000);
    wall(kSecond, 20, 10, 60, 40, 2000);
    cull();
    const uint16_t* second = render->m_occlusion.secondCoverage;
    for (int x = 20; x < 60; ++x) ASSERT_EQ(second[x], 1) << "column " << x;
    EXPECT_EQ(render->m_occlusion.occluders[1].topAtLeft, 10);
}

// Background and ceiling polygons go through both coverages: either one hiding them is enough.
TEST_F(OcclusionTest, aBackgroundPolygonIsDrawnOnlyWhereNeitherCoverageHidesIt) {
    struct Row {
        const char* name;
        SSortClass layer;  // of a wall in front of the background, if any
        int top;           // the wall's top row
        bool visible;
    };
    const Row rows[] = {
        {"no wall", kFirst, -1, true},
        {"the first coverage hides it", kFirst, 10, false},
        {"the second coverage hides it", kSecond, 10, false},
        {"the wall is too low to hide it", kFirst, 30, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clear();
        if (row.top >= 0) wall(row.layer, 20, row.top, 60, 70, 1000);
        const int background = add(SPolygonType::FogFill, SSortClass::Background, 30, 20, 50, 60, 9000);
        const int ceiling = add(SPolygonType::FloorFreeAngle, SSortClass::Ceiling, 30, 20, 50, 60, 8000);
        cull();
        EXPECT_EQ(visible(background), row.visible);
        EXPECT_EQ(visible(ceiling), row.visible);
    }
}

TEST_F(OcclusionTest, aPolygonWithoutAWholeColumnIsNeverDrawn) {
    // x from 30 to 30.5 pixels: both ends round to column 30.
    render->m_clip.screenPolygon[0] = {480, 0, 2000};
    render->m_clip.screenPolygon[1] = {488, 0, 2000};
    render->m_clip.screenPolygon[2] = {488, 160, 2000};
    ASSERT_NE(render->AddPolygon(3, SPolygonType::Floor, 256, SSortClass::Floor), nullptr);
    const int offView = add(SPolygonType::Floor, SSortClass::Floor, 130, 10, 140, 20, 2000);
    cull();
    EXPECT_FALSE(visible(0));
    EXPECT_FALSE(visible(offView)) << "wholly right of the view";
}

// The occluder table holds 100 walls; a further one is tested as any other polygon, so it still
// shows, but takes no record and no column.
TEST_F(OcclusionTest, aWallPastTheOccluderTableIsTestedAsAnOrdinaryPolygon) {
    for (int i = 0; i <= SRender::kMaxOccluders; ++i) wall(kFirst, i, 10, i + 1, 70, 1000 + i);
    cull();
    EXPECT_EQ(occluders(), SRender::kMaxOccluders);
    for (int i = 0; i < render->m_frame.polygonCount; ++i) EXPECT_TRUE(visible(i)) << i;
    // The walk starts at the nearest: the farthest wall, at column 100, is the one left over.
    EXPECT_EQ(render->m_occlusion.firstCoverage[99], SRender::kMaxOccluders - 1);
    EXPECT_EQ(render->m_occlusion.firstCoverage[100], SRender::SOcclusion::kUncovered);
}

}  // namespace

}  // namespace occlusion_test
