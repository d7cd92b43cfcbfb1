#include "screens/play/world_grid.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "data/map_objects/map_object_type_table.h"
#include "data/maps/cell_record.h"
#include "data/maps/level_records.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/package/module.h"
#include "engine/base/archive.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "support/play_driver.h"
#include "support/record_bytes.h"
#include "support/text_ctrl_lines.h"
#include "support/world_package.h"

namespace world_grid_test {

namespace {

// The room of the driver: walls round the 5 x 5 floor of cells (1..5, 1..5), the player on (3, 3)
// facing east.
class WorldGridTest : public PlayDriverTest {
protected:
    SStateGame& play() { return m_driver->Play(); }
    SWorldGrid& grid() { return *play().OwnGrid(); }
    SMap& room() { return *play().m_currentMap; }
    SMapObjectType* type(const char* name) { return m_driver->Game().m_mapObjectTypes.Find(name); }
    int sideNumber(int x, int y) { return SWorldGrid::RecordNumber(x, y, false); }
};

TEST_F(WorldGridTest, theGridHas35By35CellsAndNoneOutside) {
    Start();
    for (auto [x, y] : {std::pair{-1, 0}, std::pair{35, 0}, std::pair{0, 35}, std::pair{0, -1}}) {
        EXPECT_EQ(play().GetCell(x, y), nullptr) << x << "," << y;
        EXPECT_EQ(play().GetRenderCell(x, y), nullptr) << x << "," << y;
    }
    EXPECT_EQ(play().GetCell(34, 34), &grid().Cell(34, 34));
    EXPECT_EQ(play().GetRenderCell(34, 34)->m_floor, 35 * 35) << "the last cell's number";
}

// Below ground the map fills the whole grid: every zone and every slot is the room.
TEST_F(WorldGridTest, belowGroundEveryZoneAndSlotNamesTheMap) {
    Start();
    for (SMap* slot : play().m_sectionMaps) EXPECT_EQ(slot, &room());
    for (int y = 0; y < 35; y += 7)
        for (int x = 0; x < 35; x += 7) EXPECT_EQ(play().GetZoneMap(x + 3, y + 3), &room()) << x << "," << y;
    EXPECT_EQ(play().m_playerX, PlayDriver::kStartX);
    EXPECT_EQ(play().m_playerY, PlayDriver::kStartY);
    EXPECT_EQ(play().m_heading, 270u) << "the start cell's facing byte 2 is east";
}

// The room's walls know their neighbours: a corner joins its two walls, a wall in a row its two
// neighbours in the row, and the corner bits need both their edges.
TEST_F(WorldGridTest, wallVariantsFollowTheNeighbourWallsWithCornersOnlyBesideBothEdges) {
    Start();
    // Room walls as built on entry.
    EXPECT_EQ(grid().Geometry(SWorldGrid::RecordNumber(0, 0, false)).m_kind >> 8, 40) << "east and south: mask 20";
    EXPECT_EQ(grid().Geometry(SWorldGrid::RecordNumber(3, 0, false)).m_kind >> 8, 5) << "east and west: mask 68";
    EXPECT_EQ(grid().Geometry(SWorldGrid::RecordNumber(0, 3, false)).m_kind >> 8, 10) << "north and south: mask 17";

    SMapObjectType* brick = type("base_brick");
    struct Layout {
        const char* name;
        std::vector<std::pair<int, int>> walls;  // offsets from the cell asked
        uint16_t variant;
    };
    const Layout layouts[] = {
        {"alone", {}, 15},
        {"north", {{0, -1}}, 14},
        {"north-east corner alone", {{1, -1}}, 15},
        {"north and the corner beside it", {{0, -1}, {1, -1}}, 14},
        {"north, east and their corner", {{0, -1}, {1, 0}, {1, -1}}, 6},
        {"north and east without the corner", {{0, -1}, {1, 0}}, 44},
        {"every neighbour", {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}}, 0},
        {"all but the corners", {{0, -1}, {1, 0}, {0, 1}, {-1, 0}}, 31},
    };
    constexpr int kX = 20, kY = 20;
    for (const Layout& layout : layouts) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) grid().Cell(kX + dx, kY + dy).centreType = nullptr;
        grid().Cell(kX, kY).centreType = brick;
        for (auto [dx, dy] : layout.walls) grid().Cell(kX + dx, kY + dy).centreType = brick;
        EXPECT_EQ(play().WallVariant(kX, kY, false), layout.variant) << layout.name;
    }
}

// Facing each way, the look marks the cells ahead of the player and none behind.
TEST_F(WorldGridTest, theExploredConeLiesInTheDirectionFaced) {
    Start();
    struct Heading {
        uint32_t degrees;
        int dx, dy;  // one cell ahead
    };
    const Heading headings[] = {{0, 0, -1}, {270, 1, 0}, {180, 0, 1}, {90, -1, 0}};
    for (const Heading& heading : headings) {
        room().ClearExplored();
        play().m_heading = heading.degrees;
        play().MarkExplored();
        const int x = play().m_playerX, y = play().m_playerY;
        EXPECT_TRUE(play().IsCellExplored(x, y)) << heading.degrees;
        for (int ahead = 1; ahead <= 3; ++ahead)
            EXPECT_TRUE(play().IsCellExplored(x + ahead * heading.dx, y + ahead * heading.dy)) << heading.degrees;
        EXPECT_TRUE(play().IsCellExplored(x + 2 * heading.dx - heading.dy, y + 2 * heading.dy + heading.dx))
            << heading.degrees << " ahead and to the side";
        EXPECT_FALSE(play().IsCellExplored(x - heading.dx, y - heading.dy)) << heading.degrees << " behind";
    }
}

// In the corner cell (1, 1) only three neighbours are free: six creatures fit there, the seventh
// finds no place, and none stands in the player's cell.
TEST_F(WorldGridTest, creaturesPlacedNearThePlayerNeverTakeThePlayersCell) {
    for (uint32_t seed : {1u, 2u, 3u, 99u}) {
        Start(7, seed);
        play().m_playerX = play().m_playerY = 1;
        std::vector<std::unique_ptr<SCreature>> creatures;
        for (int i = 0; i < 7; ++i) {
            creatures.push_back(std::make_unique<SCreature>());
            creatures.back()->id = uint8_t(100 + i);
            const bool placed = play().PlaceCreatureNear(room(), *creatures.back(), 1, 1);
            EXPECT_EQ(placed, i < 6) << "seed " << seed << " creature " << i;
        }
        EXPECT_EQ(grid().Cell(1, 1).creatures[0], 0) << seed;
        for (auto [x, y] : {std::pair{2, 1}, std::pair{1, 2}, std::pair{2, 2}}) {
            EXPECT_NE(grid().Cell(x, y).creatures[1], 0) << seed << " " << x << "," << y;
        }
        for (int i = 0; i < 6; ++i) {
            const SCreature& creature = *creatures[size_t(i)];
            EXPECT_TRUE(creature.x >= 1 && creature.x <= 2 && creature.y >= 1 && creature.y <= 2 &&
                        !(creature.x == 1 && creature.y == 1))
                << seed << " " << int(creature.x) << "," << int(creature.y);
        }
    }
}

TEST_F(WorldGridTest, aPileOnATakenPlaceIsSentNowhere) {
    Start();
    SItemList* first = room().AddItemList();
    SItemList* second = room().AddItemList();
    ASSERT_TRUE(play().PlaceItemPile(room(), *first, 2, 2));
    EXPECT_EQ(grid().Cell(2, 2).containerId, first->m_id);
    EXPECT_FALSE(play().PlaceItemPile(room(), *second, 2, 2));
    EXPECT_EQ(second->m_x, SItemList::kNowhere);
    EXPECT_EQ(second->m_y, SItemList::kNowhere);
    EXPECT_EQ(grid().Cell(2, 2).containerId, first->m_id) << "the first pile stays";
    EXPECT_EQ(play().NewItemPileAt(2, 2), nullptr) << "a new pile does not fit either";
    SItemList* dropped = play().NewItemPileAt(4, 2);
    ASSERT_NE(dropped, nullptr);
    EXPECT_EQ(grid().Cell(4, 2).containerId, dropped->m_id);
}

// A dim map takes 64 off the plain light of every cell built.
TEST_F(WorldGridTest, aDimMapGivesLight192) {
    Start();
    std::string error;
    const std::string dimRoom = std::string("flags 0x100\n") + PlayDriver::kRoom;
    ASSERT_TRUE(m_driver->OpenWorld("BrimvaleDim", {{PlayDriver::kRoomMap, "Dim", dimRoom}}, error)) << error;
    EXPECT_EQ(grid().View(2, 2).m_light, 192);
    EXPECT_EQ(grid().ExtraView(2, 2).m_light, 192);
    play().UpdateNearbyCells(true, true);
    EXPECT_EQ(grid().View(2, 2).m_light, 192) << "the nearby update dims once, not again";
}

// A script hung a banner on the west side of wall (6, 3): the change of that side builds again the
// east side of the floor cell (5, 3) in front of it, and only that.
TEST_F(WorldGridTest, aChangedSideRebuildsTheSideOfTheNeighbourFacingIt) {
    Start();
    SSideOverlayRecord& front = grid().Side(sideNumber(5, 3));
    EXPECT_EQ(front.m_picture[1], 0) << "no banner yet";
    grid().Cell(6, 3).sides[3].wallType = type("base_banner");
    grid().Side(sideNumber(5, 3)).m_picture[0] = 77;  // what the change must leave alone
    std::vector<SCellEvent> changes = {{&room(), {6, 3, 3, 1}}};
    play().ApplyCellChanges(changes);
    EXPECT_NE(front.m_picture[1], 0) << "the banner shows on the east side";
    EXPECT_EQ(front.m_picture[0], 77) << "the other sides are not built again";
    // A side towards the grid's edge has no neighbour to build.
    play().BuildCellSide(34, 3, 1);
    EXPECT_EQ(grid().Side(sideNumber(34, 3)).m_picture[1], 0);
}

// A 3 x 3 block of surface sections (X and Y 0 to 2), stone everywhere; the start position lies in
// the western section base_s0001 at its cell (3, 3), a second position in the middle section.
class SurfaceGridTest : public WorldGridTest {
protected:
    static std::string section(bool start, bool middle) {
        std::string level =
            "surface\ncell . floor=base_stone\ncell S floor=base_stone centre=base_position centre-id=1\n";
        level += "cells 0 0\n";
        for (int y = 0; y < 21; ++y) {
            std::string row(21, '.');
            if ((start || middle) && y == 3) row[3] = 'S';
            level += row + "\n";
        }
        level += "end\n";
        if (start) level += "object 1 base_start\n";
        if (middle) level += "object 1 base_middle\n";
        return level;
    }
    void SetUp() override {
        WorldGridTest::SetUp();
        Start();
        std::vector<TestMap> maps;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) {
                char name[16];
                std::snprintf(name, sizeof name, "base_s%02d%02d", x, y);
                maps.push_back({name, name, section(x == 0 && y == 1, x == 1 && y == 1)});
            }
        std::string error;
        ASSERT_TRUE(m_driver->OpenWorld("BrimvaleSurface", maps, error)) << error;
    }
    SMap* map(const char* name) { return play().m_package->FindMap(name); }
};

// The start section lies at X = 0: no section west of it, so slots 0, 3 and 6 stay empty, their
// cells hold nothing and take nothing.
TEST_F(SurfaceGridTest, aSectionAtTheWesternEdgeLeavesItsWesternSlotsEmpty) {
    ASSERT_EQ(play().m_currentMap, map("base_s0001"));
    EXPECT_EQ(play().m_playerX, 10);
    EXPECT_EQ(play().m_playerY, 10);
    for (int slot : {0, 3, 6}) EXPECT_EQ(play().m_sectionMaps[size_t(slot)], nullptr) << slot;
    EXPECT_EQ(play().m_sectionMaps[1], map("base_s0000"));
    EXPECT_EQ(play().m_sectionMaps[8], map("base_s0102"));
    for (auto [x, y] : {std::pair{0, 0}, std::pair{3, 10}, std::pair{6, 34}}) {
        EXPECT_EQ(play().GetZoneMap(x, y), nullptr);
        EXPECT_EQ(grid().Cell(x, y).floorType, nullptr);
        EXPECT_EQ(play().FindObjectAt(x, y, 1), nullptr);
        EXPECT_EQ(play().GetCellForCreature(*map("base_s0001"), x, y), nullptr) << "a void cell takes no one";
        EXPECT_EQ(play().NewItemPileAt(x, y), nullptr) << "nor a pile";
        EXPECT_EQ(grid().View(x, y).m_objectType, SWorldGrid::RecordNumber(x, y, false));
        EXPECT_EQ(grid().Floor(grid().View(x, y).m_floor).m_pictures[0], 0) << "nothing to draw";
    }
    // The world position: grid + 21 x section - 28 on each axis, which FindPositionMap inverts.
    EXPECT_EQ(play().m_package->WorldX(), 10 + 21 * 0 - 28);
    EXPECT_EQ(play().m_package->WorldY(), 10 + 21 * 1 - 28);
    int x = 0, y = 0;
    EXPECT_EQ(play().m_package->FindPositionMap(x, y), map("base_s0001"));
}

TEST_F(SurfaceGridTest, mapPlacesLieOnTheGridWhereTheirSlotShowsThem) {
    play().TravelToPosition("base_middle", 0);
    ASSERT_EQ(play().m_currentMap, map("base_s0101"));
    struct Place {
        const char* map;
        int x, y;
        bool onGrid;
        int gridX, gridY;
    };
    const Place places[] = {
        {"base_s0101", 0, 0, true, 7, 7},    {"base_s0101", 20, 20, true, 27, 27}, {"base_s0201", 0, 5, true, 28, 12},
        {"base_s0201", 6, 20, true, 34, 27}, {"base_s0201", 7, 5, false, 0, 0},    {"base_s0100", 3, 14, true, 10, 0},
        {"base_s0100", 3, 13, false, 0, 0},  {"base_s0000", 14, 14, true, 0, 0},   {"base_s0000", 13, 20, false, 0, 0},
        {"base_s0102", 5, 6, true, 12, 34},  {"base_s0102", 5, 7, false, 0, 0},
    };
    for (const Place& place : places) {
        int x = -1, y = -1;
        EXPECT_EQ(play().MapToGrid(*map(place.map), place.x, place.y, x, y), place.onGrid)
            << place.map << " " << place.x << "," << place.y;
        if (place.onGrid) {
            EXPECT_EQ(std::pair(x, y), std::pair(place.gridX, place.gridY)) << place.map;
        }
    }
    for (int slot = 0; slot < 9; ++slot) EXPECT_NE(play().m_sectionMaps[size_t(slot)], nullptr) << slot;
}

// Entering the full block (nine sections, both layers' records of every cell) again and again
// lands in the middle section each time; what it costs is measured in bench/play_step_bench.cpp.
TEST_F(SurfaceGridTest, enteringTheFullBlockAgainLandsInTheMiddleSection) {
    for (int i = 0; i < 10; ++i) {
        play().TravelToPosition("base_middle", 0);
        ASSERT_EQ(play().m_currentMap, map("base_s0101")) << i;
    }
}

// A world whose start position is missing shows an empty view and says which position it lacks.
TEST_F(WorldGridTest, aMissingStartPositionGivesAMessageAndAnEmptyView) {
    Start();
    SGameData& game = m_driver->Game();
    game.m_startPosition = "base_nowhere";
    play().Enter(1, 0, 0, 0);
    ASSERT_FALSE(play().Events().empty());
    EXPECT_NE(TextCtrlLines(*play().Events().back()->textCtrl).find("base_nowhere"), std::string::npos);
    EXPECT_EQ(play().m_currentMap, nullptr);
    EXPECT_EQ(grid().View(2, 2).m_objectType, 0) << "nothing to draw";
    m_driver->Frames(3);
    // A travel to an unknown place is dropped without a word.
    const size_t events = play().Events().size();
    play().TravelToPosition("base_elsewhere", 0);
    EXPECT_EQ(play().Events().size(), events);
    EXPECT_EQ(play().m_currentMap, nullptr);
}

// A map whose cell names a type past the package's type names is refused when its package opens,
// naming the map; the game keeps the world and the map it had.
TEST_F(WorldGridTest, aMapNamingAnUnknownTypeIsRefusedAndThePlayScreenKeepsItsMap) {
    Start();
    SMap* before = play().m_currentMap;
    TestWorldPackage world;
    SCellRecord cell;
    cell.flags = SCellRecord::kCentre;
    cell.centreType = 99;
    const std::vector<uint8_t> cells = WrittenBytes([&](SArchive& archive) {
        archive.SerializeTag(kCellsRecordTag);
        cell.Serialize(archive, world.version);
    });
    world.maps = {{"base_broken", "Broken", "cells 0 0\n.\nend\ncell . floor=base_stone\n", {{0, cells}}}};
    std::string error;
    ASSERT_TRUE(world.Write(SFileFolder(), "BrimvaleBroken", &error)) << error;
    EXPECT_FALSE(m_driver->Game().m_packages.Open("BrimvaleBroken"));
    EXPECT_NE(m_driver->Game().m_packages.Error().Message().find("base_broken"), std::string::npos)
        << m_driver->Game().m_packages.Error().Message();
    EXPECT_EQ(play().m_currentMap, before);
    m_driver->Frames(2);
    EXPECT_EQ(play().m_currentMap, before);
}

// The start room drawn by the real renderer at 240x320, facing east from the middle: the pixels of
// the 3-D view hashed (FNV-1a over the RGB565 words, row by row). A change to the view records
// or the renderer changes the hash; look at the shot written then and take the new value once it
// shows the room: the brick wall ahead across the whole view, the stone floor up to it, and the
// map's ceiling above it, dimmed by the fog.
TEST_F(WorldGridTest, theStartRoomDrawsAsItDidWhenLookedAt) {
    PlayDriver& driver = Start(7);
    driver.Frames(2);
    const SViewDescriptor& view = driver.Game().PlayView();
    const std::vector<uint16_t> pixels = driver.Rig().Capture();
    uint32_t hash = 2166136261u;
    for (int y = view.m_viewY; y < view.m_viewY + view.m_viewHeight; ++y)
        for (int x = view.m_viewX; x < view.m_viewX + view.m_viewWidth; ++x) {
            hash = (hash ^ pixels[size_t(y * driver.Rig().Width() + x)]) * 16777619u;
        }
    constexpr uint32_t kLookedAt = 825068425u;
    if (hash != kLookedAt) driver.Rig().Shot("start-room-240x320");
    EXPECT_EQ(hash, kLookedAt) << std::hex << hash;
}

}  // namespace

}  // namespace world_grid_test
