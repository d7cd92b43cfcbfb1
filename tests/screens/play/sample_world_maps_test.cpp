// The sample world's map dialog at 480 x 640, opened from the play screen as a player opens it by
// tapping the automap: the area map tells walls from floor and marks doors and stairs, and the world
// map shows the surface's sections, each of which a tap names.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "data/maps/map.h"
#include "screens/play/sample_world_play.h"
#include "tools/sampledata/sample_surface.h"
#include "ui/dialogs/dialog_game_map.h"

namespace sample_world_maps_test {

namespace {

constexpr uint32_t kTallScreen = 10;  // 480 x 640
constexpr int kMapPixels = 21;        // a section on the world map

class SampleWorldMapsTest : public SampleWorldPlayTest {
protected:
    // The new game in the cellar with the map dialog opened by a tap on the automap.
    SDialogGameMap& openMap(bool exploreAll) {
        PlayDriver& driver = StartSampleWorld(kTallScreen);
        if (exploreAll) Play().m_currentMap->ExploreAll();
        const SCtrl& automap = Play().m_automapCtrl;
        driver.Tap(automap.m_x + int(automap.m_w) / 2, automap.m_y + int(automap.m_h) / 2);
        driver.Frames(2);
        EXPECT_EQ(driver.OpenDialogKind(), "map");
        return Play().m_mapDialog;
    }
    // The colours of the area map's square for the grid cell, with how often each shows.
    std::map<uint16_t, int> cellColours(const SDialogGameMap& dialog, int cx, int cy) {
        const SGameMapCtrl& area = dialog.m_areaMap;
        const int cell = int(area.m_cell);
        const int left = area.m_centerX - (Play().m_playerX - cx) * cell;
        const int top = area.m_centerY - (Play().m_playerY - cy) * cell;
        std::map<uint16_t, int> colours;
        for (int y = top; y < top + cell; ++y)
            for (int x = left; x < left + cell; ++x) ++colours[m_driver->Rig().Pixel(x, y)];
        return colours;
    }
    uint16_t mainColour(const SDialogGameMap& dialog, int cx, int cy) {
        const std::map<uint16_t, int> colours = cellColours(dialog, cx, cy);
        auto most = colours.begin();
        for (auto it = colours.begin(); it != colours.end(); ++it)
            if (it->second > most->second) most = it;
        return most->first;
    }
    // The colours of the cell that the other cell does not show.
    std::set<uint16_t> coloursBeyond(const SDialogGameMap& dialog, int cx, int cy, int otherX, int otherY) {
        const std::map<uint16_t, int> other = cellColours(dialog, otherX, otherY);
        std::set<uint16_t> beyond;
        for (const auto& [colour, count] : cellColours(dialog, cx, cy))
            if (!other.contains(colour)) beyond.insert(colour);
        return beyond;
    }
    uint16_t worldPixel(const SDialogGameMap& dialog, int dx, int dy) {
        const SGameWorldMapCtrl& world = dialog.m_worldMap;
        return m_driver->Rig().Pixel(world.m_x + world.m_scrollX + dx, world.m_y + world.m_scrollY + dy);
    }
};

// The cellar's cells on the grid: its rows start at (14, 12).
constexpr int kFloorX = 18, kFloorY = 18;  // in front of the start
constexpr int kWallX = 20, kWallY = 17;    // the wall east of the room, two rows ahead
constexpr int kDoorX = 18, kDoorY = 14;
constexpr int kStairsX = 21, kStairsY = 18;  // the stairs up in the nook
constexpr int kUnseenX = 18, kUnseenY = 10;  // in the rock north of the cellar

TEST_F(SampleWorldMapsTest, theAreaMapDrawsWhatTheStartShowsWallsApartFromTheFloor) {
    SDialogGameMap& dialog = openMap(false);
    ASSERT_TRUE(dialog.m_areaMap.IsShown());
    const uint16_t floor = mainColour(dialog, kFloorX, kFloorY), wall = mainColour(dialog, kWallX, kWallY);
    const uint16_t unseen = mainColour(dialog, kUnseenX, kUnseenY);
    EXPECT_NE(floor, wall);
    EXPECT_NE(floor, unseen);
    EXPECT_NE(wall, unseen);
    // The door lies beyond what the start shows.
    EXPECT_EQ(mainColour(dialog, kDoorX, kDoorY), unseen);
    EXPECT_TRUE(coloursBeyond(dialog, kDoorX, kDoorY, kUnseenX, kUnseenY).empty());
    m_driver->Rig().Shot("sample-area-map");
}

TEST_F(SampleWorldMapsTest, theAreaMapMarksTheDoorAndTheStairsOnTheirFloor) {
    SDialogGameMap& dialog = openMap(true);
    const uint16_t floor = mainColour(dialog, kFloorX, kFloorY);
    for (auto [x, y, what] : {std::tuple{kDoorX, kDoorY, "door"}, std::tuple{kStairsX, kStairsY, "stairs"}}) {
        EXPECT_EQ(mainColour(dialog, x, y), floor) << what;
        EXPECT_FALSE(coloursBeyond(dialog, x, y, kFloorX, kFloorY).empty()) << what;
    }
    // The door and the stairs are told apart.
    EXPECT_NE(coloursBeyond(dialog, kDoorX, kDoorY, kFloorX, kFloorY),
              coloursBeyond(dialog, kStairsX, kStairsY, kFloorX, kFloorY));
}

TEST_F(SampleWorldMapsTest, theWorldMapShowsTheSectionsAndATapNamesOne) {
    SDialogGameMap& dialog = openMap(false);
    dialog.OnCommand(SDialogGameMap::kShowWorld);
    m_driver->Frames(2);
    const SGameWorldMapCtrl& world = dialog.m_worldMap;
    ASSERT_TRUE(world.IsShown());
    EXPECT_EQ(world.m_mapW, kSurfaceSections * kMapPixels);
    EXPECT_EQ(world.m_mapH, kSurfaceSections * kMapPixels);
    // The roads cross in the middle section, on its row and column 10, among grass and trees.
    const int middle = kMapPixels + 10;
    const uint16_t road = worldPixel(dialog, middle, kMapPixels + 3);
    EXPECT_EQ(worldPixel(dialog, kMapPixels + 3, middle), road);
    EXPECT_NE(worldPixel(dialog, kMapPixels + 1, kMapPixels + 1), road);
    std::set<uint16_t> colours;
    for (int y = 0; y < world.m_mapH; ++y)
        for (int x = 0; x < world.m_mapW; ++x) colours.insert(worldPixel(dialog, x, y));
    EXPECT_GE(colours.size(), 4u);
    m_driver->Rig().Shot("sample-world-map");

    struct Tap {
        int column, row;
        const char* selected;
    };
    for (const Tap& tap : {Tap{1, 1, "Selected: The crossroads"}, Tap{2, 2, "Selected: Eastbrook"},
                           Tap{0, 0, "Selected: The north-west woods"}}) {
        const int x = world.m_x + world.m_scrollX + tap.column * kMapPixels + 5;
        const int y = world.m_y + world.m_scrollY + tap.row * kMapPixels + 5;
        m_driver->Tap(x, y);
        m_driver->Frames(1);
        EXPECT_STREQ(dialog.m_selection.m_words.Text(), tap.selected);
    }
}

}  // namespace

}  // namespace sample_world_maps_test
