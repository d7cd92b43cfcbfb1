#include "ui/dialogs/dialog_game_map.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/draw/screen_type.h"
#include "support/ui_rig.h"
#include "tools/sampledata/wave_writer.h"
#include "ui/widgets/map_scene.h"

namespace dialog_game_map_test {

namespace {

using namespace map_scene;

class MapDialogOnScreen : public UiRigTest {
protected:
    // The rig in the mode, the scene open with Greenvale's top-left corner explored, and the map
    // dialog open over the play screen at minute `minutes`.
    UiRig& open(uint32_t mode, bool solidPictures = true, uint32_t minutes = 0) {
        UiRig& rig = Start(mode);
        if (HasFailure()) return rig;
        for (const char* name : {"bsnd_click", "bsnd_clickh"}) {
            auto sound = std::make_unique<SSoundType>();
            sound->name = name;
            sound->sampleImage = MakeWave(11025, 1, FadingTone(11025, 1000, 0.02, 8000));
            rig.Game().m_soundTable.AddSound(std::move(sound));
        }
        std::string error;
        EXPECT_TRUE(scene.Open(rig.Game(), rig.PlayScreen(), error)) << error;
        exploreCorner();
        rig.PlayScreen().m_minutes = minutes;
        rig.PlayScreen().m_sectionBorder = 1;
        if (solidPictures) UseSolidMapPictures(rig.Game(), IsLargeScreenType(mode) ? 16 : 8);
        dialog.Init(&rig.Game());
        dialog.Open();
        rig.OpenDialog(dialog);
        rig.Frame();
        return rig;
    }
    // Greenvale from its top-left corner to two cells beyond the player, the sign included.
    void exploreCorner() {
        for (int y = 0; y <= 14; ++y)
            for (int x = 0; x <= 12; ++x) scene.greenvale->SetExplored(x, y);
    }
    void tapMiddle(const SCtrl& ctrl) { m_rig->Tap(ctrl.m_x + ctrl.m_w / 2, ctrl.m_y + ctrl.m_h / 2); }
    // A press and release at (dx, dy) from the world map picture's top left, handed to the control
    // as they are (the stylus would make them even), then a frame.
    void tapWorld(int dx, int dy) {
        SGameWorldMapCtrl& world = dialog.m_worldMap;
        const int x = world.m_x + world.m_scrollX + dx, y = world.m_y + world.m_scrollY + dy;
        m_rig->BeginScene();
        world.OnPen(x, y, 1, 0);
        world.OnPen(x, y, 0, 0);
        m_rig->Frame();
    }
    // The screen at (dx, dy) from the world map picture's top left.
    uint16_t worldPixel(int dx, int dy) const {
        const SGameWorldMapCtrl& world = dialog.m_worldMap;
        return m_rig->Pixel(world.m_x + world.m_scrollX + dx, world.m_y + world.m_scrollY + dy);
    }
    std::string selection() const { return dialog.m_selection.m_words.Text(); }
    // Exactly one of the two switch buttons shows, the one for the other face.
    void expectFace(bool world, const std::string& name) {
        EXPECT_EQ(dialog.m_worldMap.IsShown(), world) << name;
        EXPECT_EQ(dialog.m_areaMap.IsShown(), !world) << name;
        EXPECT_EQ(dialog.m_areaButton.IsShown(), world) << name;
        EXPECT_EQ(dialog.m_worldButton.IsShown(), !world) << name;
        EXPECT_TRUE(dialog.m_closeButton.IsShown()) << name;
        EXPECT_STREQ(dialog.m_title.m_words.Text(), world ? "The Brim" : "Greenvale") << name;
        EXPECT_TRUE(m_rig->MatchesFullRepaint()) << name;
    }

    Scene scene;
    SDialogGameMap dialog;
};

// The area face first, the world face after its button and the area face again after the other;
// every switch clicks, and each face shows just the button to the other.
TEST_F(MapDialogOnScreen, eachFaceShowsExactlyOneSwitchButton) {
    UiRig& rig = open(7);
    ASSERT_FALSE(HasFailure());
    expectFace(false, "opened");
    EXPECT_EQ(dialog.m_x, 0);
    EXPECT_EQ(dialog.m_y, 0);
    tapMiddle(dialog.m_worldButton);
    expectFace(true, "world");
    tapMiddle(dialog.m_areaButton);
    expectFace(false, "area again");
    EXPECT_EQ(rig.Sounds().Lines(), (std::vector<std::string>{"bsnd_click 10", "bsnd_click 10"}));
    EXPECT_TRUE(rig.PlayScreen().m_commands.empty());
}

// Each map is 21 pixels square on the picture, whose first square is map (1, 1): a tap 21 pixels
// right of the picture's edge is column 1 and names map (2, 1). Beside the squares, left of or
// above the picture, or on a square the package has no map for, the selection clears.
TEST_F(MapDialogOnScreen, aTapOnTheWorldMapNamesTheMapOfItsSquare) {
    UiRig& rig = open(7);
    ASSERT_FALSE(HasFailure());
    tapMiddle(dialog.m_worldButton);
    struct Row {
        const char* name;
        int dx, dy;
        const char* selection;
        int32_t markX, markY;
    };
    const Row rows[] = {
        {"the first square", 0, 0, "Selected: Greenvale", 0, 0},
        {"21 pixels right", 21, 3, "Selected: East Marsh", 1, 0},
        {"the last pixel of the first square", 20, 20, "Selected: Greenvale", 0, 0},
        {"a square without a map", 44, 3, "", -1, -1},
        {"the partial column beyond the squares", 3 * 21 + 4, 3, "", -1, -1},
        {"the partial row beneath them", 4, 2 * 21 + 4, "", -1, -1},
        {"left of the picture", -2, 3, "", -1, -1},
        {"above it", 3, -2, "", -1, -1},
    };
    for (const Row& row : rows) {
        tapWorld(21, 3);  // a selection to clear
        tapWorld(row.dx, row.dy);
        EXPECT_EQ(selection(), row.selection) << row.name;
        EXPECT_EQ(dialog.m_worldMap.m_markCellX, row.markX) << row.name;
        EXPECT_EQ(dialog.m_worldMap.m_markCellY, row.markY) << row.name;
        EXPECT_TRUE(rig.MatchesFullRepaint()) << row.name;
    }
    tapWorld(21, 3);
    EXPECT_EQ(worldPixel(21 + 10, 10), kMark);
    EXPECT_EQ(worldPixel(4, 16), kWorldSea);
}

// Whatever was selected, entering the world face again shows no selection and no marker.
TEST_F(MapDialogOnScreen, switchingFacesDropsTheSelection) {
    UiRig& rig = open(7);
    ASSERT_FALSE(HasFailure());
    tapMiddle(dialog.m_worldButton);
    tapWorld(3, 3);
    ASSERT_EQ(selection(), "Selected: Greenvale");
    tapMiddle(dialog.m_areaButton);
    EXPECT_EQ(selection(), "");
    tapMiddle(dialog.m_worldButton);
    EXPECT_EQ(selection(), "");
    EXPECT_FALSE(dialog.m_worldMap.HasMarker());
    EXPECT_EQ(worldPixel(4, 16), kWorldSea);
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

// Minute 0 is the first minute of day 1; the time is on a 12-hour clock.
TEST_F(MapDialogOnScreen, theHeaderShowsTheDayAndTheTimeOfTheGameClock) {
    struct Row {
        uint32_t minutes;
        const char* day;
        const char* time;
    };
    for (const Row& row : {Row{1439, "Day 1", "11:59 pm"}, Row{1440, "Day 2", "12:00 am"}}) {
        open(7, true, row.minutes);
        ASSERT_FALSE(HasFailure());
        EXPECT_STREQ(dialog.m_day.m_words.Text(), row.day) << row.minutes;
        EXPECT_STREQ(dialog.m_time.m_words.Text(), row.time) << row.minutes;
    }
}

// Close clicks and goes to the play screen, whose handler drops the dialog.
TEST_F(MapDialogOnScreen, closeClicksAndPassesItsIdToThePlayScreen) {
    UiRig& rig = open(7);
    ASSERT_FALSE(HasFailure());
    tapMiddle(dialog.m_closeButton);
    EXPECT_EQ(rig.PlayScreen().m_commands, std::vector<uint32_t>{SDialogGameMap::kClose});
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_clickh 10"});
}

// Return and Escape did nothing: only a tap on the close button left the map.
TEST_F(MapDialogOnScreen, theUseAndRefuseKeysCloseTheMapAsTheButtonDoes) {
    for (uint32_t key : {3006u, 3007u}) {
        UiRig& rig = open(7);
        ASSERT_FALSE(HasFailure());
        rig.Key(key);
        EXPECT_EQ(rig.PlayScreen().m_commands, std::vector<uint32_t>{SDialogGameMap::kClose}) << key;
        EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_clickh 10"}) << key;
    }
}

// The area face shows the whole grid in drag mode, the player's arrow in the player's cell.
TEST_F(MapDialogOnScreen, theAreaFaceDragsTheWholeGrid) {
    UiRig& rig = open(7);
    ASSERT_FALSE(HasFailure());
    const SGameMapCtrl& map = dialog.m_areaMap;
    EXPECT_EQ(map.m_dragMode, 1u);
    const int playerX = map.m_centerX, playerY = map.m_centerY;
    EXPECT_EQ(rig.Pixel(playerX + 4, playerY + 4), kArrows[0]);
    rig.PenDown(map.m_x + 20, map.m_y + 20);
    rig.PenMove(map.m_x + 60, map.m_y + 50);
    rig.PenUp(map.m_x + 60, map.m_y + 50);
    EXPECT_EQ(rig.Pixel(playerX + 44, playerY + 34), kArrows[0]);
    EXPECT_TRUE(rig.MatchesFullRepaint());
    EXPECT_TRUE(rig.PlayScreen().m_commands.empty());
}

// What a player sees, in the sample interface's own pictures: the area map of the explored
// corner with the sign's marker and the section border, the world map with a selection, and a
// map that forbids the automap.
TEST_F(MapDialogOnScreen, picturesOfTheMapInTheSampleInterface) {
    for (uint32_t mode : {7u, 10u}) {
        const std::string suffix = "_mode" + std::to_string(mode);
        UiRig& rig = open(mode, false);
        ASSERT_FALSE(HasFailure());
        EXPECT_TRUE(rig.Shot("map_dialog_area" + suffix));
        tapMiddle(dialog.m_worldButton);
        tapWorld(30, 10);
        EXPECT_EQ(selection(), "Selected: East Marsh");
        EXPECT_TRUE(rig.MatchesFullRepaint());
        EXPECT_TRUE(rig.Shot("map_dialog_world" + suffix));
        scene.greenvaleFlags = 1;
        open(mode, false);
        ASSERT_FALSE(HasFailure());
        EXPECT_TRUE(m_rig->Shot("map_dialog_denied" + suffix));
        scene.greenvaleFlags = 0;
    }
}

}  // namespace

}  // namespace dialog_game_map_test
