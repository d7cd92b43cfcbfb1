#include <gtest/gtest.h>

#include <filesystem>

#include "engine/base/small_services.h"
#include "game/feldmar2.h"
#include "game/saved_game_fixture.h"

namespace quit_auto_save_test {

namespace {

// Every way out of the game: the main menu's immediate quit and closing the window.
class QuitAutoSaveTest : public SavedGameTest {
protected:
    void SetUp() override {
        SavedGameTest::SetUp();
        ASSERT_TRUE(StartGame()) << error;
        SetExitFunction([](int) {});
        game.m_saveNames.RegisterQuitAutoSave();
    }
    void TearDown() override {
        SetExitFunction(nullptr);
        SavedGameTest::TearDown();
    }

    bool AutoSaved() const { return std::filesystem::exists(PathOf("BrimvaleSave0.pdb")); }
};

TEST_F(QuitAutoSaveTest, quittingWritesSlotZeroOnlyOnceThePlayScreenWasEntered) {
    QuitNow();
    EXPECT_FALSE(AutoSaved());
    game.m_gameRunning = true;
    QuitNow();
    ASSERT_TRUE(AutoSaved());
    EXPECT_NE(game.m_saveNames.ReadSaveSlotInfo(0), nullptr);
}

TEST_F(QuitAutoSaveTest, closingTheWindowWritesSlotZeroWhileAGameRuns) {
    Feldmar2 app;
    app.AdoptGame(std::move(ownedGame));
    app.OnShutdown();
    EXPECT_FALSE(AutoSaved());
    game.m_gameRunning = true;
    app.OnShutdown();
    EXPECT_TRUE(AutoSaved());
}

TEST_F(QuitAutoSaveTest, aDeadPlayersGameIsNotKept) {
    game.m_gameRunning = true;
    game.m_player.SetHp(0, false);
    QuitNow();
    EXPECT_FALSE(AutoSaved());
}

TEST_F(QuitAutoSaveTest, aGameObjectThatIsGoneSavesNothing) {
    game.m_gameRunning = true;
    ownedGame.reset();
    QuitNow();
    EXPECT_FALSE(AutoSaved());
}

}  // namespace

}  // namespace quit_auto_save_test
