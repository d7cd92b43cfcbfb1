#include <gtest/gtest.h>

#include "cell_world_fixture.h"

namespace cell_builders_test {

namespace {

using CellBuildersTest = CellWorldTest;

// Three cells off each side of the wall cell (5, 5), looking at it head on: the sides are in the
// builders' order north, west, south, east.
struct SLookAt {
    const char* side;
    int x, y, degrees;
};
constexpr SLookAt kLooks[] = {{"north", 5, 2, 180}, {"west", 2, 5, 270}, {"south", 5, 8, 0}, {"east", 8, 5, 90}};
constexpr int kNeighbour[4][2] = {{5, 4}, {4, 5}, {5, 6}, {6, 5}};
// The index, in the overlay arrays' order north, east, south, west, of the neighbour's side that
// faces back at the wall.
constexpr int kFacingBack[4] = {2, 1, 0, 3};

// Seen from each side, a wall shows the face toward a neighbour open in the face's storey: a
// first-layer face beside a cell with only a second-layer wall is shown, none between two walls.
TEST_F(CellBuildersTest, aWallShowsFacesOnlyTowardNeighboursOpenInItsStorey) {
    struct Row {
        const char* name;
        uint16_t wallFirst, wallSecond;
        uint16_t neighbourFirst, neighbourSecond;
        int firstFaces, secondFaces;
    };
    const Row rows[] = {
        {"a wall in an open room", kWall, 0, 0, 0, 1, 0},
        {"two walls side by side", kWall, 0, kWall, 0, 0, 0},
        {"beside a cell with only a second-layer wall", kWall, 0, 0, kUpperWall, 1, 0},
        {"two storeys beside an open cell", kWall, kUpperWall, 0, 0, 1, 1},
        {"two storeys beside a low wall", kWall, kUpperWall, kWall, 0, 0, 1},
        {"two storeys beside two storeys", kWall, kUpperWall, kWall, kUpperWall, 0, 0},
        {"an upper wall alone beside an upper wall", 0, kUpperWall, 0, kUpperWall, 0, 0},
    };
    for (const Row& row : rows) {
        for (int s = 0; s < 4; ++s) {
            SCOPED_TRACE(::testing::Message() << row.name << ", seen from the " << kLooks[s].side);
            SetUp();
            cell(5, 5).m_objectType = row.wallFirst;
            extra(5, 5).m_objectType = row.wallSecond;
            cell(kNeighbour[s][0], kNeighbour[s][1]).m_objectType = row.neighbourFirst;
            extra(kNeighbour[s][0], kNeighbour[s][1]).m_objectType = row.neighbourSecond;
            standIn(kLooks[s].x, kLooks[s].y, kLooks[s].degrees);
            render->AddCellWalls(5, 5);
            int first = 0, second = 0;
            for (int i = 0; i < render->m_frame.polygonCount; ++i) {
                const SRenderPolygon& polygon = render->m_frame.polygons[i];
                EXPECT_EQ(polygon.m_type, SPolygonType::Wall);
                const bool lower = classOf(i) == SSortClass::FirstLayer;
                EXPECT_EQ(polygon.m_pictures[0], lower ? 1 : 2);
                (lower ? first : second)++;
            }
            EXPECT_EQ(first, row.firstFaces);
            EXPECT_EQ(second, row.secondFaces);
        }
    }
}

// A face takes the light of the neighbour it looks into; toward the outside of the grid, where no
// neighbour's record can be read, the wall cell's own light and no overlay.
TEST_F(CellBuildersTest, aFaceTakesItsNeighboursLightAndAtTheGridsEdgeItsOwn) {
    cell(5, 5).m_objectType = kWall;
    cell(5, 6).m_light = 0;
    standIn(5, 8, 0);
    render->AddCellWalls(5, 5);
    ASSERT_EQ(render->m_frame.polygonCount, 1);
    EXPECT_TRUE(isDark(render->m_frame.polygons[0]));

    struct Row {
        uint16_t ownLight;
        bool dark;
    };
    for (Row row : {Row{0, true}, Row{256, false}}) {
        SetUp();
        cell(0, 5).m_objectType = kWall;
        cell(0, 5).m_light = row.ownLight;
        cell(1, 5).m_light = 256 - row.ownLight;
        standIn(-3, 5, 270);
        render->AddCellWalls(0, 5);
        ASSERT_EQ(render->m_frame.polygonCount, 1) << "the outer face";
        EXPECT_EQ(render->m_frame.polygons[0].m_type, SPolygonType::Wall);
        EXPECT_EQ(isDark(render->m_frame.polygons[0]), row.dark);
    }
}

// The neighbour's side-overlay word for the side facing the wall, with bit 15, lays its picture on
// the wall as a type-9 polygon; a word on another side, or without the bit, leaves a plain wall.
TEST_F(CellBuildersTest, aNeighboursOverlayOnItsFacingSideMakesAnOverlaidWall) {
    for (int s = 0; s < 4; ++s) {
        for (int entry = 0; entry < 4; ++entry) {
            for (uint16_t position : {uint16_t(0x8000), uint16_t(0x0421)}) {
                SCOPED_TRACE(::testing::Message() << kLooks[s].side << ", overlay entry " << entry << ", " << position);
                SetUp();
                cell(5, 5).m_objectType = kWall;
                SCellViewRecord& neighbour = cell(kNeighbour[s][0], kNeighbour[s][1]);
                neighbour.m_sideOverlay = 1;
                sideOverlays[1].m_secondPosition[entry] = position;
                sideOverlays[1].m_secondPicture[entry] = 4;
                sideOverlays[1].m_secondPalette[entry] = 0;
                standIn(kLooks[s].x, kLooks[s].y, kLooks[s].degrees);
                render->AddCellWalls(5, 5);
                ASSERT_EQ(render->m_frame.polygonCount, 1);
                const SRenderPolygon& polygon = render->m_frame.polygons[0];
                const bool overlaid = entry == kFacingBack[s] && position == 0x8000;
                EXPECT_EQ(polygon.m_type, overlaid ? SPolygonType::WallOverlay : SPolygonType::Wall);
                EXPECT_EQ(polygon.m_pictures[1], overlaid ? 4 : 0);
            }
        }
    }
}

// The floor's type and textures: picture 3 always gives three textures by two masks; then picture
// 2 with a kind-6 overlay, picture 2 alone, the overlay alone, and one texture.
TEST_F(CellBuildersTest, theFloorTypeFollowsTheFloorsPicturesAndTheCellsOverlay) {
    struct Row {
        const char* name;
        uint16_t picture2, picture3;
        bool overlay;
        SPolygonType type;
        uint16_t pictures[3];
        uint16_t masks[2];
    };
    const Row rows[] = {
        {"picture 3", 5, 4, false, SPolygonType::FloorTwoMasks, {6, 5, 4}, {2, 3}},
        {"picture 3 with an overlay", 5, 4, true, SPolygonType::FloorTwoMasks, {6, 5, 4}, {2, 3}},
        {"picture 3 without picture 2", 0, 4, true, SPolygonType::FloorTwoMasks, {6, 0, 4}, {2, 3}},
        {"picture 2 with an overlay", 5, 0, true, SPolygonType::FloorOverlayMasked, {6, 5, 4}, {2, 0}},
        {"picture 2", 5, 0, false, SPolygonType::FloorMasked, {6, 5, 0}, {2, 0}},
        {"an overlay", 0, 0, true, SPolygonType::FloorOverlay, {6, 4, 0}, {0, 0}},
        {"one picture", 0, 0, false, SPolygonType::Floor, {6, 0, 0}, {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        floors[1].m_pictures[1] = row.picture2;
        floors[1].m_pictures[2] = row.picture3;
        floors[1].m_masks[0] = 2;
        floors[1].m_masks[1] = 3;
        cell(5, 5).m_floor = 1;
        if (row.overlay) cell(5, 5).m_objectType = kOverlay;
        standIn(5, 8, 0);
        render->AddCellFloor(5, 5);
        ASSERT_EQ(render->m_frame.polygonCount, 1);
        const SRenderPolygon& polygon = render->m_frame.polygons[0];
        EXPECT_EQ(classOf(0), SSortClass::Floor);
        EXPECT_EQ(polygon.m_type, row.type);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(polygon.m_pictures[i], row.pictures[i]) << i;
        for (int i = 0; i < 2; ++i) EXPECT_EQ(polygon.m_masks[i], row.masks[i]) << i;
    }
}

// No floor record, a record past the table, or a first-layer wall on the cell: no floor.
TEST_F(CellBuildersTest, aCellWithoutAFloorRecordOrUnderAWallHasNoFloor) {
    struct Row {
        const char* name;
        uint16_t floor, objectType;
        int polygons;
    };
    for (Row row : {Row{"a floor", 1, 0, 1}, Row{"index 0", 0, 0, 0}, Row{"past the table", 9, 0, 0},
                    Row{"under a wall", 1, kWall, 0}, Row{"under an upper wall alone", 1, 0, 1}}) {
        SCOPED_TRACE(row.name);
        SetUp();
        cell(5, 5).m_floor = row.floor;
        cell(5, 5).m_objectType = row.objectType;
        if (std::string(row.name) == "under an upper wall alone") extra(5, 5).m_objectType = kUpperWall;
        standIn(5, 8, 0);
        render->AddCellFloor(5, 5);
        EXPECT_EQ(render->m_frame.polygonCount, row.polygons);
    }
}

// A pit seen from the south shows its far side and its two flanks, each in two bands, and its fog
// bottom: its side toward another pit is left out, but not toward a cell without a floor record.
TEST_F(CellBuildersTest, aPitShowsItsFarFacesInTwoBandsButNoneTowardAnotherPit) {
    struct Row {
        const char* name;
        uint16_t northFloor;
        int sideFaces;
    };
    for (Row row : {Row{"beside a floor", 1, 6}, Row{"beside a pit", 2, 4}, Row{"beside no floor record", 0, 6}}) {
        SCOPED_TRACE(row.name);
        SetUp();
        cell(5, 5).m_floor = 2;
        cell(5, 4).m_floor = row.northFloor;
        standIn(5, 8, 0);
        render->AddCellFloor(5, 5);
        int sides = 0, bottoms = 0;
        for (int i = 0; i < render->m_frame.polygonCount; ++i) {
            const SRenderPolygon& polygon = render->m_frame.polygons[i];
            EXPECT_EQ(classOf(i), SSortClass::Pit);
            if (polygon.m_type == SPolygonType::PitSide) {
                ++sides;
                EXPECT_EQ(polygon.m_pictures[0], 6);
            } else {
                EXPECT_EQ(polygon.m_type, SPolygonType::FogFill);
                ++bottoms;
            }
        }
        EXPECT_EQ(sides, row.sideFaces);
        EXPECT_EQ(bottoms, 1);
    }
}

// Side faces darken from full light at the floor's edge to none at the pit's bottom.
TEST_F(CellBuildersTest, sideFaceLightsRunDownTwoBands) {
    render->SetSideFaceLight(0);
    EXPECT_EQ(std::vector<int32_t>(render->m_clip.lights, render->m_clip.lights + 4),
              (std::vector<int32_t>{0x10000, 0x10000, 50000, 50000}));
    render->SetSideFaceLight(1);
    EXPECT_EQ(std::vector<int32_t>(render->m_clip.lights, render->m_clip.lights + 4),
              (std::vector<int32_t>{50000, 50000, 0, 0}));
}

// Ceilings: without a sky the descriptor's sky picture at the top level; under second-layer walls
// alone their ceiling picture at level 3; a canopy of kind 11 at level 3 as well; with a sky none
// at the top, and none over a cell with walls in both storeys.
TEST_F(CellBuildersTest, ceilingsCloseTheViewWhereTheMapHasNoSkyOrTheWallsAStorey) {
    struct Row {
        const char* name;
        bool sky;
        uint16_t first, second;
        int top, upperWallCeiling, canopy;
    };
    const Row rows[] = {
        {"no sky", false, 0, 0, 1, 0, 0},
        {"a sky", true, 0, 0, 0, 0, 0},
        {"a low wall without a sky", false, kWall, 0, 1, 0, 0},
        {"second-layer walls alone", false, 0, kUpperWall, 0, 1, 0},
        {"second-layer walls alone under a sky", true, 0, kUpperWall, 0, 1, 0},
        {"walls in both storeys", false, kWall, kUpperWall, 0, 0, 0},
        {"a canopy without a sky", false, 0, kCanopy, 1, 0, 1},
        {"a canopy under a sky", true, 0, kCanopy, 0, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        view.m_skyPicture = 6;
        if (row.sky) view.m_flags |= SViewDescriptor::kSky;
        cell(5, 5).m_objectType = row.first;
        extra(5, 5).m_objectType = row.second;
        standIn(5, 8, 0);
        render->DrawCeiling(5, 5);
        int top = 0, upper = 0, canopy = 0;
        for (int i = 0; i < render->m_frame.polygonCount; ++i) {
            const SRenderPolygon& polygon = render->m_frame.polygons[i];
            EXPECT_EQ(polygon.m_type, SPolygonType::FloorFreeAngle);
            if (classOf(i) == SSortClass::Ceiling) {
                ++top;
                EXPECT_EQ(polygon.m_pictures[0], 6);
            } else if (polygon.m_pictures[0] == 3) {
                ++upper;
            } else {
                ++canopy;
                EXPECT_EQ(polygon.m_pictures[0], 5);
            }
        }
        EXPECT_EQ(top, row.top);
        EXPECT_EQ(upper, row.upperWallCeiling);
        EXPECT_EQ(canopy, row.canopy);
    }
}

// Beyond the map's edge a fog floor, and without a sky a fog ceiling; inside the grid the outer
// pass is never taken, and outside it nothing else is built.
TEST_F(CellBuildersTest, cellsBeyondTheGridGetOnlyTheOuterPass) {
    for (bool sky : {false, true}) {
        SCOPED_TRACE(sky ? "a sky" : "no sky");
        SetUp();
        if (sky) view.m_flags |= SViewDescriptor::kSky;
        view.m_skyPicture = 6;
        standIn(5, 1, 0);
        render->DrawCell(5, -2);
        ASSERT_EQ(render->m_frame.polygonCount, sky ? 1 : 2);
        for (int i = 0; i < render->m_frame.polygonCount; ++i)
            EXPECT_EQ(render->m_frame.polygons[i].m_type, SPolygonType::FogFill);
        EXPECT_EQ(classOf(0), SSortClass::Floor);
        if (!sky) {
            EXPECT_EQ(classOf(1), SSortClass::Ceiling);
        }
    }
}

}  // namespace

}  // namespace cell_builders_test
