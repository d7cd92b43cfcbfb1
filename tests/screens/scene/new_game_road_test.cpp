// The road from the main menu into a game, driven as a player takes it: the credits, and a new game
// through the intro and character creation to the play screen, over the sample world and over
// worlds whose intro is missing or has no pages.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/scene_table.h"
#include "game/game_data.h"
#include "screens/creation/state_generate.h"
#include "screens/menu/state_main.h"
#include "screens/new_game_rig.h"
#include "screens/scene/state_scene.h"
#include "screens/screen_id.h"
#include "support/world_package.h"

namespace new_game_road_test {

namespace {

class NewGameRoadTest : public NewGameRigTest {
protected:
    // The program's first start over the packages in the program folder: the splash, and a key to
    // the menu.
    void StartAtTheMenu() {
        UiRig& rig = Start(7);
        rig.Game().m_gameRunning = false;
        rig.Game().SwitchState(kSplashScreen);
        rig.Key(3);
        ASSERT_EQ(Current(), rig.Game().Screen(kMainMenuScreen));
    }
    // The menu's row chosen with the keys.
    void Choose(uint32_t row) {
        SStateMain& menu = static_cast<SStateMain&>(*m_rig->Game().Screen(kMainMenuScreen));
        for (int i = 0; i < menu.m_list.RowCount() && menu.m_list.GetSelectedId() != row; ++i) m_rig->Key(1002);
        ASSERT_EQ(menu.m_list.GetSelectedId(), row);
        m_rig->Key(3006);
    }
    SStateScene& Scene() { return static_cast<SStateScene&>(*m_rig->Game().Screen(kSceneScreen)); }
    SStateGenerate& Creation() { return static_cast<SStateGenerate&>(*m_rig->Game().Screen(kCharacterCreationScreen)); }
    // The sample world with the picture package's intro replaced: none, or one without pages.
    static void WriteWorldWithIntro(bool withEmptyIntro) {
        WriteSamplePackages();
        TestWorldPackage pictures;
        pictures.identifier = "bres";
        if (withEmptyIntro) {
            SSceneTable scenes;
            auto intro = std::make_unique<SScene>();
            intro->name.Set("bres_intro");
            scenes.Add(std::move(intro));
            pictures.tables[SModuleTable::Scenes] = scenes.Write(pictures.version);
        }
        ASSERT_TRUE(pictures.Write(SFileFolder(), "BrimvaleRes"));
    }
};

TEST_F(NewGameRoadTest, theCreditsPlayFromTheMenuAndComeBackToIt) {
    WriteSamplePackages();
    StartAtTheMenu();
    Choose(SStateMain::kCredits);
    ASSERT_EQ(Current(), &Scene());
    ASSERT_NE(Scene().Scene(), nullptr) << "the music package start-up opened holds the credits";
    EXPECT_STREQ(Scene().Scene()->name.Text(), "bmus_credits");
    for (int page = 0; page < Scene().Scene()->pages.Count(); ++page) m_rig->Key(1000);
    EXPECT_EQ(Current(), m_rig->Game().Screen(kMainMenuScreen));
    EXPECT_EQ(m_rig->Game().StackDepth(), 0);
}

TEST_F(NewGameRoadTest, aNewGameGoesThroughTheIntroAndCreationToThePlayScreen) {
    WriteSamplePackages();
    StartAtTheMenu();
    Choose(SStateMain::kNewGame);
    ASSERT_EQ(Current(), &Scene());
    ASSERT_NE(Scene().Scene(), nullptr);
    EXPECT_STREQ(Scene().Scene()->name.Text(), "bres_intro");
    EXPECT_EQ(m_rig->Game().m_music.Name(), "bmus_surfaceday") << "the intro's own music";
    m_rig->Frames(30);
    TapOn(Scene().m_picture);
    EXPECT_EQ(Scene().PageIndex(), 1u);
    m_rig->Key(1000);
    m_rig->Key(1000);
    ASSERT_EQ(Current(), &Creation());
    TapOn(Creation().m_ok);
    SGameData& game = m_rig->Game();
    ASSERT_EQ(Current(), game.Screen(kPlayScreen));
    const uintptr_t newGame[4] = {1, 0, 0, 0};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Current()->m_param[i], newGame[i]) << "the words the play screen took";
    EXPECT_EQ(game.StackDepth(), 0);
    EXPECT_TRUE(game.m_gameRunning);
    EXPECT_STREQ(game.m_player.Name().Text(), "Player");
}

TEST_F(NewGameRoadTest, aWorldWithoutAnIntroOrWithAnEmptyOneGoesStraightToCreation) {
    for (bool emptyIntro : {false, true}) {
        WriteWorldWithIntro(emptyIntro);
        StartAtTheMenu();
        Choose(SStateMain::kNewGame);
        EXPECT_EQ(Current(), &Creation()) << (emptyIntro ? "an intro without pages" : "no intro");
        for (uintptr_t word : Creation().m_param) EXPECT_EQ(word, 0u);
    }
}

}  // namespace

}  // namespace new_game_road_test
