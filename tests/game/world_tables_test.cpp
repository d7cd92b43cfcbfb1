#include <gtest/gtest.h>

#include "game/game_data.h"

namespace {

TEST(WorldTablesTest, clearingTwiceIsHarmless) {
    SGameData game;
    game.ClearTables();
    game.ClearTables();
    EXPECT_EQ(game.m_cache.PictureCount(), 1);
    SLoadingSteps loading;
    loading.Start(8);
    game.LoadTablePictures(&loading);
    game.BuildTables(&loading);
    EXPECT_EQ(loading.Current(), 8u);
}

TEST(MessageBoxTest, theRequestIsKeptWithItsWrapWidth) {
    SGameData game;
    game.PlayView().m_viewWidth = 240;
    game.ShowMessageBox("The door is locked.", 1);
    ASSERT_EQ(game.MessageRequests().size(), 1u);
    EXPECT_EQ(game.MessageRequests()[0].text, "The door is locked.");
    EXPECT_EQ(game.MessageRequests()[0].textWidth, 192u);
}

}  // namespace
