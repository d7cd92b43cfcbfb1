#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "render/polygon_fillers.h"
#include "render_fixture.h"
#include "support/picture_entry.h"

namespace polygon_dispatch_test {

namespace {

// Recording fillers: each call notes which filler ran, the widths of the textures it was given (the
// test's pictures have widths that tell them apart) and the blend or flat colour.
enum SFiller {
    kFlat,
    kSky,
    kBillboard,
    kWall,
    kSideFace,
    kWallOverlay,
    kObjectFace,
    kKeyedQuad,
    kKeyedObjectQuad,
    kFloor1,  // then the floor types 2 to 5, each three families apart
};
constexpr int Floor(int type, int family) { return kFloor1 + 3 * (type - 1) + family; }

struct SCall {
    int filler = 0;
    std::vector<int> widths;
    uint32_t blend = 0;
    bool operator==(const SCall&) const = default;
};

std::vector<SCall> g_calls;

void Note(SCall& call, const SRenderTexture& texture) { call.widths.push_back(texture.m_width); }
void Note(SCall& call, uint32_t blend) { call.blend = blend; }
void Note(SCall& call, uint16_t colour) { call.blend = colour; }

template <int kId, class... Arguments>
void Record(const SRasterTarget&, const SFillPolygon&, Arguments... arguments) {
    SCall call{kId, {}, 0};
    (Note(call, arguments), ...);
    g_calls.push_back(call);
}

using T = const SRenderTexture&;
template <int kType, int kFamily>
constexpr auto FloorRecorder() {
    if constexpr (kType == 1) return &Record<Floor(1, kFamily), T, uint32_t>;
    if constexpr (kType == 2) return &Record<Floor(2, kFamily), T, T, T, uint32_t>;
    if constexpr (kType == 3) return &Record<Floor(3, kFamily), T, T, T, T, T, uint32_t>;
    if constexpr (kType == 4) return &Record<Floor(4, kFamily), T, T, uint32_t>;
    if constexpr (kType == 5) return &Record<Floor(5, kFamily), T, T, T, T, uint32_t>;
}
const SPolygonFillers kRecording = {
    .flat = Record<kFlat, uint16_t>,
    .sky = Record<kSky, T, uint32_t>,
    .billboard = Record<kBillboard, T, uint32_t>,
    .wall = Record<kWall, T, uint32_t>,
    .sideFace = Record<kSideFace, T, uint32_t>,
    .wallOverlay = Record<kWallOverlay, T, T, uint32_t>,
    .objectFace = Record<kObjectFace, T, uint32_t>,
    .keyedQuad = Record<kKeyedQuad, T, uint32_t>,
    .keyedObjectQuad = Record<kKeyedObjectQuad, T, uint32_t>,
    .floor1 = {FloorRecorder<1, 0>(), FloorRecorder<1, 1>(), FloorRecorder<1, 2>()},
    .floor2 = {FloorRecorder<2, 0>(), FloorRecorder<2, 1>(), FloorRecorder<2, 2>()},
    .floor3 = {FloorRecorder<3, 0>(), FloorRecorder<3, 1>(), FloorRecorder<3, 2>()},
    .floor4 = {FloorRecorder<4, 0>(), FloorRecorder<4, 1>(), FloorRecorder<4, 2>()},
    .floor5 = {FloorRecorder<5, 0>(), FloorRecorder<5, 1>(), FloorRecorder<5, 2>()},
};

constexpr uint16_t kFog = 0x4208;  // dark grey
constexpr uint32_t kFogSpread = 0x02004008;

class DispatchTest : public RenderTest {
protected:
    // Picture slot i (1 to 8) is 10 + i texels wide; slot 9 is a sky panorama narrower than a turn
    // and slot 10 a whole one.
    void SetUp() override {
        pictures.push_back(nullptr);
        for (int slot = 1; slot <= 8; ++slot) pictures.push_back(SolidPicture(10 + slot, 2, uint16_t(slot)));
        pictures.push_back(SolidPicture(380, 110, 0x1234));
        pictures.push_back(SolidPicture(760, 110, 0x1234));
        view.m_pictures = {pictures.data(), uint32_t(pictures.size())};
        view.m_fogColour = kFog;
        view.m_markerA = 7;
        view.m_markerB = 8;
        useView(120, 80);
        faceTo(0);
    }

    // A frame at the heading, so that the camera has its facing; then an empty polygon list.
    void faceTo(int32_t degrees) {
        standAt(10 << 16, 10 << 16, degrees * kDegree);
        render->m_frame.polygonCount = render->m_frame.vertexCount = 0;
        render->m_frame.uvCount = render->m_frame.shadeCount = 0;
        g_calls.clear();
    }

    // A visible polygon of the given corners (28.4) with pictures 1 to 3 in slots 1 to 3 and masks
    // in slots 4 and 5.
    SRenderPolygon& add(SPolygonType type, std::vector<SRenderVertex> corners = {}) {
        if (corners.empty()) corners = {{160, 160, 2000}, {800, 160, 2000}, {800, 640, 2000}, {160, 640, 2000}};
        for (size_t i = 0; i < corners.size(); ++i) render->m_clip.screenPolygon[i] = corners[i];
        SRenderPolygon* polygon = render->AddPolygon(int(corners.size()), type, 256, SSortClass::Floor);
        EXPECT_NE(polygon, nullptr);
        polygon->m_flags = SRenderPolygon::kVisible;
        polygon->m_pictures[0] = 1, polygon->m_pictures[1] = 2, polygon->m_pictures[2] = 3;
        polygon->m_masks[0] = 4, polygon->m_masks[1] = 5;
        return *polygon;
    }

    std::vector<SCall> draw() {
        g_calls.clear();
        render->RasterizePolygons(kRecording);
        return g_calls;
    }

    std::vector<std::unique_ptr<SPictureEntry>> pictures;
};

// The floor types pick their filler by the camera's facing, with the textures and masks they need.
TEST_F(DispatchTest, floorsPickTheFillerOfTheFacing) {
    struct Facing {
        int32_t heading;
        int family;
    };
    const std::vector<int> widths[] = {{11}, {11, 12, 14}, {11, 12, 13, 14, 15}, {11, 12}, {11, 12, 13, 14}};
    for (Facing facing : {Facing{0, 0}, Facing{180, 0}, Facing{90, 1}, Facing{270, 1}, Facing{45, 2}}) {
        faceTo(facing.heading);
        for (int type = 1; type <= 5; ++type) add(SPolygonType(type));
        add(SPolygonType::FloorFreeAngle);
        std::vector<SCall> expected;
        for (int type = 1; type <= 5; ++type)
            expected.push_back({Floor(type, facing.family), widths[type - 1], kFogSpread});
        expected.push_back({Floor(1, 2), {11}, kFogSpread});  // type 6: always the free type-1 filler
        EXPECT_EQ(draw(), expected) << "heading " << facing.heading;
    }
}

TEST_F(DispatchTest, eachTypeGoesToItsFiller) {
    struct Row {
        const char* name;
        SPolygonType type;
        std::vector<SRenderVertex> corners;
        SCall call;
    };
    const std::vector<SRenderVertex> slanted = {{160, 160, 2000}, {800, 320, 2000}, {800, 480, 2000}, {160, 640, 2000}};
    const std::vector<SRenderVertex> levelFromSecond = {
        {160, 640, 2000}, {160, 160, 2000}, {800, 160, 2000}, {800, 640, 2000}};
    const std::vector<SRenderVertex> triangle = {{160, 160, 2000}, {800, 160, 2000}, {800, 640, 2000}};
    const Row rows[] = {
        {"the fog fill", SPolygonType::FogFill, {}, {kFlat, {}, kFog}},
        {"a wall", SPolygonType::Wall, {}, {kWall, {11}, kFogSpread}},
        {"a pit side face", SPolygonType::PitSide, {}, {kSideFace, {11}, kFogSpread}},
        {"a wall with an overlay", SPolygonType::WallOverlay, {}, {kWallOverlay, {11, 12}, kFogSpread}},
        {"an object face", SPolygonType::ObjectFace, {}, {kObjectFace, {11}, kFogSpread}},
        {"a billboard", SPolygonType::Billboard, {}, {kBillboard, {11}, kFogSpread}},
        {"a level type-14 quad", SPolygonType::KeyedObjectQuad, {}, {kBillboard, {11}, kFogSpread}},
        {"a level type-14 quad listed from its bottom left",
         SPolygonType::KeyedObjectQuad,
         levelFromSecond,
         {kBillboard, {11}, kFogSpread}},
        {"a slanted type-14 quad", SPolygonType::KeyedObjectQuad, slanted, {kKeyedObjectQuad, {11}, kFogSpread}},
        {"a type-14 triangle", SPolygonType::KeyedObjectQuad, triangle, {kKeyedObjectQuad, {11}, kFogSpread}},
        {"a level type-13 quad", SPolygonType::KeyedQuad, {}, {kBillboard, {11}, kFogSpread}},
        {"a slanted type-13 quad", SPolygonType::KeyedQuad, slanted, {kKeyedQuad, {11}, kFogSpread}},
    };
    for (const Row& row : rows) {
        faceTo(0);
        add(row.type, row.corners);
        EXPECT_EQ(draw(), std::vector<SCall>{row.call}) << row.name;
    }
}

// Flag bit 0 blends toward the flash colour; bits 2 and 3 on a billboard show marker A or B in its
// own colours instead of the polygon's picture.
TEST_F(DispatchTest, flagsPickTheFlashColourAndTheMarkers) {
    struct Row {
        const char* name;
        uint8_t flags;
        uint16_t palette;  // of picture 1; markers ignore it
        SCall call;
    };
    const Row rows[] = {
        {"flash", SRenderPolygon::kFlash, 0, {kBillboard, {11}, SRender::kFlashColour}},
        {"marker A", SRenderPolygon::kMarkerA, 0, {kBillboard, {17}, kFogSpread}},
        {"marker B", SRenderPolygon::kMarkerB, 0, {kBillboard, {18}, kFogSpread}},
        {"marker A with a palette slot that does not exist",
         SRenderPolygon::kMarkerA,
         40,
         {kBillboard, {17}, kFogSpread}},
        {"marker B flashing",
         SRenderPolygon::kMarkerB | SRenderPolygon::kFlash,
         0,
         {kBillboard, {18}, SRender::kFlashColour}},
    };
    for (const Row& row : rows) {
        faceTo(0);
        SRenderPolygon& polygon = add(SPolygonType::Billboard);
        polygon.m_flags |= row.flags;
        polygon.m_palettes[0] = row.palette;
        EXPECT_EQ(draw(), std::vector<SCall>{row.call}) << row.name;
    }
}

// What the view's lookups refuse is not drawn; the sky falls back to the fog colour instead.
TEST_F(DispatchTest, aRefusedPictureDrawsNothingAndARefusedSkyTheFog) {
    struct Row {
        const char* name;
        SPolygonType type;
        int field;  // 0 picture 1, 1 picture 2, 2 palette 1, 3 mask 1
        uint16_t value;
        std::vector<SCall> calls;
    };
    const Row rows[] = {
        {"no picture", SPolygonType::Wall, 0, 0, {}},
        {"a picture slot past the table", SPolygonType::Floor, 0, 500, {}},
        {"a palette slot past the table", SPolygonType::Billboard, 2, 40, {}},
        {"no overlay", SPolygonType::WallOverlay, 1, 0, {}},
        {"no mask", SPolygonType::FloorMasked, 3, 0, {}},
        {"no sky picture", SPolygonType::Sky, 0, 0, {{kFlat, {}, kFog}}},
        {"a sky narrower than the panorama", SPolygonType::Sky, 0, 9, {{kFlat, {}, kFog}}},
        {"a whole sky panorama", SPolygonType::Sky, 0, 10, {{kSky, {760}, kFogSpread}}},
        {"a type beyond the table", SPolygonType(15), 0, 1, {}},
    };
    for (const Row& row : rows) {
        faceTo(0);
        SRenderPolygon& polygon = add(row.type);
        uint16_t* fields[] = {&polygon.m_pictures[0], &polygon.m_pictures[1], &polygon.m_palettes[0],
                              &polygon.m_masks[0]};
        *fields[row.field] = row.value;
        EXPECT_EQ(draw(), row.calls) << row.name;
    }
}

// Only visible polygons are drawn, in the order of the sorted keys.
TEST_F(DispatchTest, visiblePolygonsAreDrawnInSortedOrder) {
    add(SPolygonType::Wall);
    add(SPolygonType::Billboard).m_flags = 0;
    add(SPolygonType::FogFill);
    std::swap(render->m_frame.sortKeys[0], render->m_frame.sortKeys[2]);
    const std::vector<SCall> calls = draw();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].filler, kFlat);
    EXPECT_EQ(calls[1].filler, kWall);
}

// With the game's fillers: a frame without polygons leaves every pixel.
TEST_F(DispatchTest, aFrameWithNoPolygonsDrawsNothing) {
    const std::vector<uint16_t> before = surface->Pixels();
    render->SortPolygons();
    render->CullHidden();
    render->RasterizePolygons();
    EXPECT_EQ(surface->Pixels(), before);
}

}  // namespace

}  // namespace polygon_dispatch_test
