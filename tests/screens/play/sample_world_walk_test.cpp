#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "data/maps/map.h"
#include "engine/files/file_layer.h"
#include "game/feldmar2.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "support/play_driver.h"
#include "support/sound_fixtures.h"
#include "tools/sampledata/world_packages.h"
#include "ui/dialogs/dialog_list.h"
#include "ui/widgets/dialog_list_ctrl.h"

namespace sample_world_walk_test {

namespace {

constexpr uint32_t kNorth = 0;
constexpr uint32_t kYesKey = kActionUse;

// The sample world played through the driver: its plate, sign, banner and stairs do what a player
// is told they do.
class SampleWorldWalkTest : public PlayDriverTest {
protected:
    void SetUp() override {
        PlayDriverTest::SetUp();
        PlayDriver& driver = Start();
        std::string error;
        ASSERT_TRUE(WriteWorldPackage(SFileFolder(), error)) << error;
        SGameData& game = driver.Game();
        ASSERT_TRUE(game.m_packages.Open("Brimvale")) << game.m_packages.Error().Message();
        game.BuildTables(nullptr);
        AddToneSounds(game.m_soundTable, {"bsnd_spellteleport", "bsnd_stairup", "bsnd_stairupbare", "bsnd_click"});
        play().TravelToPosition("base_start", 0);
        driver.Frame();
        driver.Rig().Sounds().Clear();
    }
    SStateGame& play() { return m_driver->Play(); }
    std::string mapName() { return play().m_currentMap != nullptr ? play().m_currentMap->Name() : ""; }
    std::pair<int, int> place() { return {play().m_playerX, play().m_playerY}; }
    void StandAt(int x, int y, uint32_t heading) {
        play().m_playerX = x;
        play().m_playerY = y;
        play().m_heading = heading;
    }
    bool Played(const char* sound) {
        for (const std::string& line : m_driver->Rig().Sounds().Lines())
            if (line.rfind(sound, 0) == 0) return true;
        return false;
    }
};

// From the start, west along the south wall and north onto the plate: a teleport to the
// crossroads.
TEST_F(SampleWorldWalkTest, thePlateTeleportsToTheCrossroads) {
    PlayDriver& driver = *m_driver;
    ASSERT_EQ(mapName(), "base_cellar");
    ASSERT_EQ(place(), std::pair(18, 19));
    const uint32_t route[] = {kActionTurnLeft,  kActionForward, kActionForward, kActionForward,
                              kActionTurnRight, kActionForward, kActionForward, kActionForward};
    for (uint32_t action : route) {
        driver.Press(action);
        ASSERT_TRUE(driver.RunUntilIdle(20) || play().SubMode() == SPlaySubMode::kTravelFade ||
                    driver.OpenDialogKind() == "message");
    }
    // The first step onto the plate solves the sample quest, whose messages wait to be closed.
    for (int i = 0; i < 20 && !driver.RunUntilIdle(40); ++i)
        if (driver.OpenDialogKind() == "message") driver.Press(kActionUse);
    EXPECT_TRUE(driver.RunUntilIdle(40));
    EXPECT_TRUE(Played("bsnd_spellteleport"));
    EXPECT_EQ(mapName(), "base_s0202");
    EXPECT_EQ(place(), std::pair(10 + 7, 14 + 7));
}

// The sign tells, the banner asks and answers.
TEST_F(SampleWorldWalkTest, theSignAndTheBannerSpeak) {
    PlayDriver& driver = *m_driver;
    StandAt(20, 15, kNorth);
    driver.Press(kActionUse);
    driver.Frames(2);
    EXPECT_EQ(driver.OpenMessageText(), "Mind the goblin. The plate by the west wall leads outside.");
    driver.Press(kActionUse);
    ASSERT_TRUE(driver.RunUntilIdle(5));

    StandAt(16, 15, kNorth);
    driver.Press(kActionUse);
    driver.Frames(2);
    EXPECT_EQ(driver.OpenMessageText(), "Take the banner of Brim Vale down?");
    driver.Press(kYesKey);
    driver.Frames(2);
    EXPECT_EQ(driver.OpenMessageText(), "It is nailed fast to the wall.");
}

// Walking into the stairs in the nook climbs them, through the stairs' fade, to the top beside
// the crossroads; walking into those stairs goes back down to their foot.
TEST_F(SampleWorldWalkTest, theStairsLeadUpAndDownAgain) {
    PlayDriver& driver = *m_driver;
    StandAt(21, 19, kNorth);
    driver.Press(kActionForward);
    EXPECT_EQ(play().SubMode(), SPlaySubMode::kFree);
    driver.Frames(3);
    EXPECT_EQ(play().SubMode(), SPlaySubMode::kTravelFade);
    EXPECT_TRUE(driver.RunUntilIdle(60));
    EXPECT_TRUE(Played("bsnd_stairupbare"));
    EXPECT_EQ(mapName(), "base_s0202");
    EXPECT_EQ(place(), std::pair(12 + 7, 16 + 7));
    EXPECT_EQ(play().m_heading, 180u) << "facing away from the stairs";
    // Input waits for the first frame after the arrival.
    driver.Frame();

    driver.Press(kActionTurnLeft);
    ASSERT_TRUE(driver.RunUntilIdle(20));
    EXPECT_EQ(play().m_heading, 270u);
    driver.Press(kActionTurnLeft);
    ASSERT_TRUE(driver.RunUntilIdle(20));
    EXPECT_EQ(play().m_heading, 0u);
    driver.Press(kActionForward);
    EXPECT_TRUE(driver.RunUntilIdle(80));
    EXPECT_EQ(mapName(), "base_cellar");
    EXPECT_EQ(place(), std::pair(21, 19));
}

// The signpost at the top of the stairs offers its choice list; the chosen row's key runs its
// script again, which answers it.
TEST_F(SampleWorldWalkTest, theSignpostAnswersTheChoiceMade) {
    PlayDriver& driver = *m_driver;
    play().TravelToPosition("base_stairtop", 0);
    driver.Frame();
    ASSERT_EQ(place(), std::pair(12 + 7, 16 + 7));
    driver.Press(kActionUse);
    driver.Frames(2);
    auto* menu = dynamic_cast<SDialogList*>(play().m_child);
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(menu->m_list, nullptr);
    ASSERT_EQ(menu->m_list->RowCount(), 2);
    menu->m_list->Select(0);
    ASSERT_EQ(menu->OnCommand(SDialogList::kOk), SDialogList::kOk);
    play().OnCommand(SDialogList::kOk);
    driver.Frames(2);
    EXPECT_EQ(driver.OpenMessageText(), "The town lies two sections east and south.");
}

}  // namespace

}  // namespace sample_world_walk_test
