#include "screens/play/state_game.h"

#include <gtest/gtest.h>

#include "engine/base/string.h"
#include "support/map_fixture.h"

namespace state_game_test {

namespace {

// Hours 0 and 12 show as 12; am until noon.
TEST(PlayScreenClockTest, theTimeIsOnATwelveHourClock) {
    struct Row {
        uint32_t minutes;
        const char* time;
    };
    const Row rows[] = {{0, "12:00 am"},    {59, "12:59 am"},
                        {60, "1:00 am"},    {719, "11:59 am"},
                        {720, "12:00 pm"},  {779, "12:59 pm"},
                        {1439, "11:59 pm"}, {1440, "12:00 am"},
                        {1505, "1:05 am"},  {10 * 1440 + 13 * 60 + 7, "1:07 pm"}};
    SStateGame play;
    for (const Row& row : rows) {
        play.m_minutes = row.minutes;
        SString text;
        play.FormatTime(text);
        EXPECT_STREQ(text.Text(), row.time) << row.minutes;
    }
}

class PlayScreenGridTest : public MapTest {
protected:
    // Opens a package of maps named base_sXXYY, each with its object 1 named after the map.
    void openMaps(std::initializer_list<const char*> names, bool surface) {
        TestWorldPackage package;
        package.mapPrefix = "base_s";
        for (const char* name : names)
            package.maps.push_back({name, name, std::string(surface ? "surface\n" : "") + "object 1 " + name + "\n"});
        ASSERT_NE(OpenPackage(package), nullptr) << modules.Error().Message();
    }
    SMap* map(const char* name) { return modules.Current()->FindMap(name); }

    SStateGame play;
    TestGrid grid;
};

TEST_F(PlayScreenGridTest, cellsComeFromTheGridAndOnlyInsideIt) {
    EXPECT_EQ(play.GetCell(0, 0), nullptr) << "no grid yet";
    play.m_grid = &grid;
    EXPECT_EQ(play.GetCell(0, 0), &grid.Cell(0, 0));
    EXPECT_EQ(play.GetCell(34, 12), &grid.Cell(34, 12));
    for (auto [x, y] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{35, 0}, std::pair{0, 35}}) {
        EXPECT_EQ(play.GetCell(x, y), nullptr) << x << "," << y;
        EXPECT_EQ(play.GetAutomapCell(x, y), nullptr) << x << "," << y;
    }
    EXPECT_NE(play.GetAutomapCell(34, 34), nullptr);
}

// Below ground the grid is the map itself.
TEST_F(PlayScreenGridTest, belowGroundTheGridCellIsTheMapsCell) {
    openMaps({"base_s0101"}, false);
    SMap* cave = map("base_s0101");
    EXPECT_FALSE(play.IsCellExplored(3, 4)) << "no current map";
    play.m_currentMap = cave;
    cave->SetExplored(3, 4);
    cave->SetExplored(34, 34);
    EXPECT_TRUE(play.IsCellExplored(3, 4));
    EXPECT_FALSE(play.IsCellExplored(4, 3));
    EXPECT_TRUE(play.IsCellExplored(34, 34));
    EXPECT_FALSE(play.IsCellExplored(35, 34));
    EXPECT_EQ(play.GetZoneMap(20, 20), cave);
    EXPECT_EQ(play.FindObjectAt(20, 20, 1), cave->FindObject(1));
    EXPECT_EQ(play.FindObjectAt(20, 20, 0), nullptr);
}

// On the surface each zone of the grid shows its own section: the current one in the middle, the
// one to the north above it (its rows 14 to 20 on grid rows 0 to 6), none where no section is
// loaded.
TEST_F(PlayScreenGridTest, onTheSurfaceEachZoneAsksItsOwnSection) {
    openMaps({"base_s0101", "base_s0100"}, true);
    SMap* here = map("base_s0101");
    SMap* north = map("base_s0100");
    play.m_currentMap = here;
    play.m_sectionMaps[4] = here;
    play.m_sectionMaps[1] = north;
    here->SetExplored(0, 0);
    north->SetExplored(3, 16);
    struct Row {
        int x, y;
        bool explored;
        SMap* zone;
    };
    const Row rows[] = {{7, 7, true, here},       {8, 7, false, here},     {10, 2, true, north},
                        {11, 2, false, north},    {7, 6, false, north},    {2, 10, false, nullptr},
                        {30, 10, false, nullptr}, {-1, 10, false, nullptr}};
    for (const Row& row : rows) {
        EXPECT_EQ(play.IsCellExplored(row.x, row.y), row.explored) << row.x << "," << row.y;
        EXPECT_EQ(play.GetZoneMap(row.x, row.y), row.zone) << row.x << "," << row.y;
    }
    EXPECT_EQ(play.FindObjectAt(10, 2, 1), north->FindObject(1));
    EXPECT_EQ(play.FindObjectAt(10, 10, 1), here->FindObject(1));
    EXPECT_NE(north->FindObject(1), here->FindObject(1));
    EXPECT_EQ(play.FindObjectAt(2, 10, 1), nullptr);
}

// Each surface slot shows its part of its section; a place of a section no slot shows, or of a part
// outside the slot's rectangle, has no grid place. Below ground the grid place is the map's own.
TEST_F(PlayScreenGridTest, mapPlacesTurnIntoGridPlacesThroughTheSlotsThatShowThem) {
    openMaps({"base_s0101", "base_s0100", "base_s0201", "base_s0000", "base_s0303"}, true);
    SMap* here = map("base_s0101");
    SMap* north = map("base_s0100");
    SMap* east = map("base_s0201");
    SMap* northWest = map("base_s0000");
    play.m_currentMap = here;
    play.m_sectionMaps[0] = northWest;
    play.m_sectionMaps[1] = north;
    play.m_sectionMaps[4] = here;
    play.m_sectionMaps[5] = east;
    struct Row {
        SMap* map;
        int x, y;
        bool shown;
        int gridX, gridY;
    };
    const Row rows[] = {
        {here, 0, 0, true, 7, 7},
        {here, 20, 20, true, 27, 27},
        {north, 0, 14, true, 7, 0},
        {north, 20, 20, true, 27, 6},
        {north, 5, 13, false, 0, 0},
        {east, 6, 3, true, 34, 10},
        {east, 7, 3, false, 0, 0},
        {northWest, 14, 14, true, 0, 0},
        {northWest, 20, 20, true, 6, 6},
        {northWest, 13, 20, false, 0, 0},
        {map("base_s0303"), 0, 0, false, 0, 0},
    };
    for (const Row& row : rows) {
        int gridX = 0, gridY = 0;
        EXPECT_EQ(play.MapToGrid(*row.map, row.x, row.y, gridX, gridY), row.shown) << row.x << "," << row.y;
        if (!row.shown) continue;
        EXPECT_EQ(gridX, row.gridX) << row.x << "," << row.y;
        EXPECT_EQ(gridY, row.gridY) << row.x << "," << row.y;
        EXPECT_EQ(play.GetZoneMap(gridX, gridY), row.map) << row.x << "," << row.y;
    }
}

TEST_F(PlayScreenGridTest, belowGroundTheGridPlaceIsTheMapPlace) {
    openMaps({"base_s0101"}, false);
    play.m_currentMap = map("base_s0101");
    int gridX = 0, gridY = 0;
    ASSERT_TRUE(play.MapToGrid(*play.m_currentMap, 34, 2, gridX, gridY));
    EXPECT_EQ(gridX, 34);
    EXPECT_EQ(gridY, 2);
}

// A grid cell that no section fills finds nothing, whatever is asked of it.
TEST_F(PlayScreenGridTest, lookupsWhereNoSectionLiesFindNothing) {
    openMaps({"base_s0101"}, true);
    SMap* here = map("base_s0101");
    play.m_currentMap = here;
    play.m_sectionMaps[4] = here;
    play.m_grid = &grid;
    for (auto [x, y] : {std::pair{2, 2}, std::pair{30, 30}, std::pair{-1, 3}}) {
        EXPECT_EQ(play.FindCreatureAt(x, y, 1), nullptr) << x << "," << y;
        EXPECT_EQ(play.FindItemListAt(x, y, 1), nullptr) << x << "," << y;
        EXPECT_EQ(play.FindObjectAt(x, y, 1), nullptr) << x << "," << y;
    }
    EXPECT_EQ(play.GetShadowCell(34, 34), &grid.Shadow(34, 34));
    EXPECT_EQ(play.GetShadowCell(35, 0), nullptr);
}

TEST_F(PlayScreenGridTest, onlyThePlayersOwnCellIsThePlayers) {
    play.m_grid = &grid;
    play.m_playerX = 9;
    play.m_playerY = 4;
    EXPECT_TRUE(play.IsPlayerCell(&grid.Cell(9, 4)));
    EXPECT_FALSE(play.IsPlayerCell(&grid.Cell(4, 9)));
    EXPECT_FALSE(play.IsPlayerCell(nullptr));
    play.m_playerX = 35;
    EXPECT_TRUE(play.IsPlayerCell(nullptr)) << "off the grid only the missing cell is the player's";
    EXPECT_FALSE(play.IsPlayerCell(&grid.Cell(34, 4)));
}

// The heading picks the side faced (east at 270, west at 90); a side given overrides it.
TEST_F(PlayScreenGridTest, theFacingCellLiesOnTheSideFaced) {
    play.m_grid = &grid;
    play.m_playerX = 5;
    play.m_playerY = 5;
    struct Row {
        uint32_t heading;
        int side;
        int x, y;
        uint32_t opposite;
    };
    const Row rows[] = {{0, -1, 5, 4, 2}, {270, -1, 6, 5, 3}, {180, -1, 5, 6, 0}, {90, -1, 4, 5, 1}, {0, 1, 6, 5, 3}};
    for (const Row& row : rows) {
        play.m_heading = row.heading;
        SStateGame::SFacingCell facing;
        EXPECT_EQ(play.GetFacingCell(row.side, facing), &grid.Cell(row.x, row.y)) << row.heading << "/" << row.side;
        EXPECT_EQ(facing.x, row.x);
        EXPECT_EQ(facing.y, row.y);
        EXPECT_EQ(facing.oppositeSide, row.opposite);
    }
    play.m_playerX = 34;
    play.m_heading = 270;
    SStateGame::SFacingCell facing;
    EXPECT_EQ(play.GetFacingCell(-1, facing), nullptr) << "beyond the grid's east edge";
    EXPECT_EQ(facing.map, nullptr);
}

}  // namespace

namespace {

TEST(PlayScreenClockTest, theDateNamesTheDayAndTheTime) {
    SStateGame play;
    play.m_minutes = 2 * 1440 + 19 * 60 + 5;
    SString text;
    play.FormatDayTime(text);
    EXPECT_STREQ(text.Text(), "Day 3, 7:05 pm");
}

// A script's object is found where a cell of its map refers to it: a centre before the sides, the
// grid's cells before their second layer.
TEST_F(PlayScreenGridTest, aScriptsObjectIsFoundWhereACellOfItsMapRefersToIt) {
    openMaps({"base_s0101"}, false);
    SMap* cave = map("base_s0101");
    const SPlacedObject& object = *cave->FindObject(1);
    SGridPlace place;
    EXPECT_FALSE(play.LocateObject(*cave, object, place)) << "no grid";
    play.m_grid = &grid;
    play.m_currentMap = cave;
    EXPECT_FALSE(play.LocateObject(*cave, object, place)) << "no cell refers to it";
    grid.Shadow(2, 2).centreId = 1;
    grid.Cell(5, 6).sides[3].objectId = 1;
    ASSERT_TRUE(play.LocateObject(*cave, object, place));
    EXPECT_EQ(place, SGridPlace({5, 6, 3, 1}));
    grid.Cell(9, 6).centreId = 1;
    ASSERT_TRUE(play.LocateObject(*cave, object, place));
    EXPECT_EQ(place, SGridPlace({5, 6, 3, 1}));
    grid.Cell(5, 6).sides[3].objectId = 0;
    grid.Cell(9, 6).centreId = 0;
    ASSERT_TRUE(play.LocateObject(*cave, object, place));
    EXPECT_EQ(place, SGridPlace({2, 2, -1, 2}));
}

// The changes are built at once (here on a test's grid, where nothing is built), and neither list
// keeps them.
TEST_F(PlayScreenGridTest, aScriptsChangedCellsAreBuiltAndBothListsEmptied) {
    play.m_grid = &grid;
    std::vector<SCellEvent> changes = {{nullptr, {1, 2, -1, 1}}, {nullptr, {1, 2, 0, 1}}, {nullptr, {34, 0, 1, 2}}};
    play.ApplyCellChanges(changes);
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(play.m_cellChanges.empty());
}

}  // namespace

}  // namespace state_game_test
