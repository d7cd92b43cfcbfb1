#include <gtest/gtest.h>

#include "render_fixture.h"

namespace polygon_list_test {

namespace {

class PolygonListTest : public RenderTest {
protected:
    void SetUp() override {
        useView(380, 320);
        ASSERT_TRUE(render->UpdateProjection());
    }

    // Puts a screen polygon of count vertices at the given depths into the clip scratch, with
    // uvs that tell the vertices apart.
    void screenPolygon(std::initializer_list<int32_t> depths) {
        int i = 0;
        for (int32_t z : depths) {
            render->m_clip.screenPolygon[i] = {16 * i, 32 * i, z};
            render->m_clip.uvs[i] = {100 + i, 200 + i};
            ++i;
        }
    }

    const SRender::SFrameBuffers& frame() const { return render->m_frame; }
};

// Half the light at the fog start and none at the far distance, and with per-vertex lights the
// vertex's share of that first.
TEST_F(PolygonListTest, shadesFadeFromHalfTheLightAtTheFogStartToNoneAtTheFarDistance) {
    const int32_t far = render->Projection().farDistance, fog = render->Projection().fogStart;
    const int32_t middle = (far + fog) / 2;
    struct Row {
        const char* name;
        bool lit;
        int32_t light;
        int32_t vertexLights[3];
        uint16_t shades[3];  // at the fog start, half-way to the far distance, at the far distance
    };
    const Row rows[] = {
        {"one light", false, 256, {}, {128, 64, 0}},
        {"a dim light", false, 100, {}, {50, 25, 0}},
        {"full vertex lights", true, 256, {0x10000, 0x10000, 0x10000}, {128, 64, 0}},
        {"half and quarter vertex lights", true, 256, {0x8000, 0x4000, 0x10000}, {64, 16, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        render->m_frame.vertexCount = render->m_frame.uvCount = render->m_frame.shadeCount = 0;
        render->m_frame.polygonCount = 0;
        screenPolygon({fog, middle, far});
        std::copy_n(row.vertexLights, 3, render->m_clip.lights);
        SRenderPolygon* polygon = row.lit
                                      ? render->AddPolygonLit(3, row.light)
                                      : render->AddPolygon(3, SPolygonType::Wall, row.light, SSortClass::FirstLayer);
        ASSERT_NE(polygon, nullptr);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(frame().shades[i], row.shades[i], 1) << "vertex " << i;
        EXPECT_EQ(frame().shades[0], row.shades[0]);
        EXPECT_EQ(frame().shades[2], 0);
    }
}

// Nearer than the fog start the shade grows on; the fillers cap what they take from it.
TEST_F(PolygonListTest, aVertexNearerThanTheFogStartGetsMoreThanHalfTheLight) {
    screenPolygon({SRender::kNearDistance, SRender::kNearDistance, SRender::kNearDistance});
    ASSERT_NE(render->AddPolygon(3, SPolygonType::Floor, 256, SSortClass::Floor), nullptr);
    EXPECT_GT(frame().shades[0], 128);
}

// A view whose fog starts at or beyond its far distance has no fog band to divide by: the
// division takes 1 instead, and the shade falls to none only at the far distance.
TEST_F(PolygonListTest, aFogStartAtOrBeyondTheFarDistanceDividesByOne) {
    for (int32_t beyond : {1, 0}) {
        view.m_fogDistance = view.m_farDistance + beyond * SRender::kUnitsPerCell;
        ASSERT_TRUE(render->UpdateProjection());
        render->m_frame = {};
        const int32_t far = render->Projection().farDistance;
        screenPolygon({far, far - 1, far});
        ASSERT_NE(render->AddPolygon(3, SPolygonType::Floor, 256, SSortClass::Floor), nullptr);
        EXPECT_EQ(frame().shades[0], 0);
        EXPECT_EQ(frame().shades[1], 128) << "1 x 1024 x 256 / 2048";
    }
}

// The polygon takes its place behind what the frame holds, with its key's depth range, class and
// index; the builder's fields start empty whatever the slot held last frame.
TEST_F(PolygonListTest, aPolygonIsCommittedBehindTheOnesBeforeIt) {
    screenPolygon({2000, 1500, 3000});
    render->AddPolygon(3, SPolygonType::Floor, 256, SSortClass::Floor);
    render->m_frame.polygons[1].m_flags = 0xFF;
    render->m_frame.polygons[1].m_pictures[2] = 9;
    screenPolygon({4000, 2500, 1200, 3300});
    SRenderPolygon* polygon = render->AddPolygon(4, SPolygonType::Billboard, 256, SSortClass::SecondLayer);
    ASSERT_EQ(polygon, &render->m_frame.polygons[1]);
    EXPECT_EQ(polygon->m_type, SPolygonType::Billboard);
    EXPECT_EQ(polygon->m_flags, 0);
    EXPECT_EQ(polygon->m_pictures[2], 0);
    EXPECT_EQ(polygon->m_firstVertex, 3);
    EXPECT_EQ(polygon->m_vertexCount, 4);
    EXPECT_EQ(polygon->m_firstUv, 3);
    EXPECT_EQ(polygon->m_firstShade, 3);
    const SRenderSortKey& key = frame().sortKeys[1];
    EXPECT_EQ(key.m_farDepth, 4000);
    EXPECT_EQ(key.m_nearDepth, 1200);
    EXPECT_EQ(key.m_polygon, 1);
    EXPECT_EQ(key.m_class, SSortClass::SecondLayer);
    EXPECT_EQ(frame().vertices[5].z, 1200);
    EXPECT_EQ(frame().uvs[5].u, 102);
    EXPECT_EQ(frame().vertexCount, 7);
    EXPECT_EQ(frame().uvCount, 7);
    EXPECT_EQ(frame().shadeCount, 7);
    EXPECT_EQ(frame().polygonCount, 2);
}

TEST_F(PolygonListTest, aLitPolygonIsAlwaysAPitSideFace) {
    screenPolygon({2000, 2000, 2000});
    SRenderPolygon* polygon = render->AddPolygonLit(3, 256);
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(polygon->m_type, SPolygonType::PitSide);
    EXPECT_EQ(frame().sortKeys[0].m_class, SSortClass::Pit);
}

// Synthetic frames of 600 polygons, of up to 3,600 vertices: the polygons or the vertices run out,
// what does not fit is dropped whole and nothing is written past the buffers (the context lives on
// the heap, so the sanitizer sees a write past its end).
TEST_F(PolygonListTest, aFrameStopsAtItsCapacitiesAndDropsWholePolygons) {
    struct Row {
        const char* name;
        int vertices;
        int kept;
    };
    for (Row row : {Row{"polygons run out", 3, 500}, Row{"both run out together", 5, 500},
                    Row{"a polygon that would pass the vertices", 6, 416}}) {
        SCOPED_TRACE(row.name);
        render->m_frame = {};
        int added = 0;
        for (int i = 0; i < 600; ++i) {
            for (int k = 0; k < row.vertices; ++k) render->m_clip.screenPolygon[k] = {16 * k, 16 * (k % 2), 2000};
            added += render->AddPolygon(row.vertices, SPolygonType::Floor, 256, SSortClass::Floor) != nullptr;
        }
        EXPECT_EQ(added, row.kept);
        EXPECT_EQ(frame().polygonCount, row.kept);
        EXPECT_EQ(frame().vertexCount, row.kept * row.vertices);
        EXPECT_LE(frame().vertexCount, SRender::kMaxVertices);
        EXPECT_EQ(frame().uvCount, frame().vertexCount);
        EXPECT_EQ(frame().shadeCount, frame().vertexCount);
    }
}

TEST_F(PolygonListTest, aPolygonOfFewerThanThreeOrMoreThanTheScratchHoldsIsRefused) {
    for (int count : {0, 2, SRender::kClipVertices + 1}) {
        EXPECT_EQ(render->AddPolygon(count, SPolygonType::Floor, 256, SSortClass::Floor), nullptr) << count;
    }
    EXPECT_EQ(frame().polygonCount, 0);
}

// Clockwise on the screen (y grows downward) is the front.
TEST_F(PolygonListTest, theScreenPolygonFacesTheViewerWhenItTurnsClockwise) {
    struct Row {
        SRenderVertex a, b, c;
        bool front;
    };
    for (Row row : {Row{{0, 0, 1}, {160, 0, 1}, {160, 160, 1}, true}, Row{{0, 0, 1}, {0, 160, 1}, {160, 160, 1}, false},
                    Row{{0, 0, 1}, {160, 0, 1}, {320, 0, 1}, true}}) {
        render->m_clip.screenPolygon[0] = row.a;
        render->m_clip.screenPolygon[1] = row.b;
        render->m_clip.screenPolygon[2] = row.c;
        EXPECT_EQ(render->IsTempQuadFrontFacing(), row.front);
    }
}

}  // namespace

}  // namespace polygon_list_test
