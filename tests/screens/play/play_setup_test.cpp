#include <gtest/gtest.h>

#include "engine/files/file_layer.h"
#include "game/feldmar2.h"
#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "support/picture_record.h"
#include "support/play_driver.h"
#include "support/step_counter.h"
#include "support/world_package.h"

namespace play_setup_test {

namespace {

// A world whose door type shows three pictures.
TestWorldPackage doorWorld() {
    TestWorldPackage package;
    package.identifier = "doors";
    SMapObjectTypeTable written;
    auto door = written.CreateType(1);
    door->m_name.Set("bres_doormain");
    for (const char* picture : {"bres_doorshut", "bres_doorhalf", "bres_dooropen"}) {
        door->m_pictureNames.Append(picture);
        package.pictures.push_back({picture, PictureRecord(0, 2, 1, {0, 0}, {0x07E0})});
    }
    written.Add(std::move(door));
    package.tables[SModuleTable::MapObjectTypes] = {TableRecord(written, package.version)};
    return package;
}

class PlaySetupTest : public PlayDriverTest {};

// The door's pictures are found once the world's tables are built; a world without the door type
// leaves what an earlier world gave.
TEST_F(PlaySetupTest, theDoorPicturesComeFromTheWorldAndStayWhenTheDoorTypeIsMissing) {
    PlayDriver& driver = Start();
    SGameData& game = driver.Game();
    SStateGame& play = driver.Play();
    ASSERT_TRUE(doorWorld().Write(SFileFolder(), "BrimvaleDoors"));
    ASSERT_TRUE(game.m_packages.Open("BrimvaleDoors")) << game.m_packages.Error().Message();
    StepCounter loading;
    loading.Start(5);
    game.BuildTables(&loading);
    play.LoadDoorAndDropResources();
    uint16_t ids[3];
    for (int i = 0; i < 3; ++i) {
        ids[i] = play.DoorPictureId(i);
        EXPECT_NE(ids[i], 0) << i;
    }
    EXPECT_EQ(ids[1], game.m_cache.FindPicture("bres_doorhalf")->slot);

    game.ClearTables();
    ASSERT_EQ(game.m_mapObjectTypes.Find("bres_doormain"), nullptr);
    play.LoadDoorAndDropResources();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(play.DoorPictureId(i), ids[i]) << i;
}

// Every screen mode's layout gives the panel its controls beside the view, none over it.
TEST_F(PlaySetupTest, theControlsLieOutsideTheViewInEveryScreenMode) {
    for (uint32_t mode : {6u, 7u, 8u, 9u, 10u, 11u, 14u, 15u, 16u}) {
        PlayDriver& driver = Start(mode);
        const SViewDescriptor& view = driver.Game().PlayView();
        SStateGame& play = driver.Play();
        ASSERT_GT(play.m_ctrls.Count(), 10) << mode;
        for (int i = 0; i < play.m_ctrls.Count(); ++i) {
            const SCtrl& ctrl = *play.m_ctrls[i];
            const bool apart = ctrl.m_x >= view.m_viewX + view.m_viewWidth ||
                               ctrl.m_y >= view.m_viewY + view.m_viewHeight;
            EXPECT_TRUE(apart) << "mode " << mode << ", control " << ctrl.m_id;
            EXPECT_LE(ctrl.m_x + ctrl.m_w, driver.Rig().Width()) << "mode " << mode << ", control " << ctrl.m_id;
            EXPECT_LE(ctrl.m_y + ctrl.m_h, driver.Rig().Height()) << "mode " << mode << ", control " << ctrl.m_id;
        }
    }
}

// On a large screen with a smaller view the place around the view is framed, and every frame
// repaints as the whole screen would.
TEST_F(PlaySetupTest, aSmallerViewOnALargeScreenIsFramed) {
    PlayDriver& driver = Start(15);
    driver.Game().m_settings.viewSize = 2;
    driver.Game().SwitchState(kPlayScreen);
    driver.Play().m_redrawRequest = 1;
    driver.Frames(3);
    const SViewDescriptor& view = driver.Game().PlayView();
    EXPECT_EQ(view.m_viewWidth, 380);
    EXPECT_EQ(view.m_viewHeight, 320);
    EXPECT_TRUE(driver.Rig().MatchesFullRepaint());
    driver.Press(kActionTurnRight);
    driver.Frames(2);
    EXPECT_TRUE(driver.Rig().MatchesFullRepaint());
    driver.Rig().Shot("play-800x600-small-view");
}

}  // namespace

}  // namespace play_setup_test
