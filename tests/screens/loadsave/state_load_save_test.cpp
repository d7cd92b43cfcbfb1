// The load and save screen over a game of the sample world: its rows, its questions and what the
// files hold after each answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "screens/loadsave/load_save_fixture.h"

namespace state_load_save_test {

namespace {

using Screen = SStateLoadSave;

TEST_F(LoadSaveTest, inSaveModeAnEmptySlotIsWrittenAtOnceAndTheBoxClosesTheScreen) {
    StartSampleWorld();
    SStateLoadSave& screen = Open(Screen::kSaveMode);
    EXPECT_STREQ(screen.m_title.m_words.Text(), "Save a game");
    for (int slot = 0; slot < Screen::kSlots; ++slot) {
        EXPECT_EQ(RowText(slot), "- empty -");
        EXPECT_FALSE(screen.m_rows[slot].thumbnail.IsShown());
    }
    EXPECT_FALSE(screen.m_action.IsShown()) << "nothing is selected";
    EXPECT_FALSE(screen.m_remove.IsShown());

    TapRow(1);
    EXPECT_EQ(screen.Selected(), 1);
    EXPECT_TRUE(screen.m_action.IsShown()) << "an empty slot can be saved to";
    EXPECT_FALSE(screen.m_remove.IsShown());
    EXPECT_TRUE(screen.m_rows[1].frame.IsShown());
    TapOn(screen.m_action);
    ASSERT_EQ(screen.CurrentSubMode(), Screen::kSaved);
    EXPECT_EQ(MessageText(), "Game saved.");
    const auto summary = Game().m_saveNames.ReadSaveSlotInfo(2);
    ASSERT_NE(summary, nullptr) << "the row stands for saved game 2";
    EXPECT_FALSE(summary->mapTitle.empty());
    EXPECT_NE(std::count(summary->thumbnail.begin(), summary->thumbnail.end(), 0), std::ptrdiff_t(kSaveThumbBytes / 2))
        << "the thumbnail shows the view the game was left at";
    EXPECT_EQ(RowText(1), summary->mapTitle + "\r" + summary->dateText);
    EXPECT_TRUE(screen.m_rows[1].thumbnail.IsShown());
    EXPECT_TRUE(screen.m_remove.IsShown()) << "the row is selected again in its new state";

    AnswerYes();
    EXPECT_EQ(Game().m_currentScreen, &Play()) << "the screen closes after a save";
}

TEST_F(LoadSaveTest, aUsedSlotAsksFirstAndNoLeavesItsFileAsItWas) {
    StartSampleWorld();
    ASSERT_TRUE(Saved(3));
    const auto before = FileBytes("BrimvaleSave3.pdb");
    Game().m_player.ReceiveGold(500, false, false);
    SStateLoadSave& screen = Open(Screen::kSaveMode);
    TapRow(2);
    EXPECT_TRUE(screen.m_remove.IsShown());
    TapOn(screen.m_action);
    ASSERT_EQ(screen.CurrentSubMode(), Screen::kAskOverwrite);
    EXPECT_EQ(MessageText(), "Do you want to overwrite this saved game?");
    AnswerNo();
    EXPECT_EQ(screen.CurrentSubMode(), Screen::kList);
    EXPECT_EQ(screen.m_child, nullptr);
    EXPECT_EQ(FileBytes("BrimvaleSave3.pdb"), before);

    TapOn(screen.m_action);
    AnswerYes();
    ASSERT_EQ(screen.CurrentSubMode(), Screen::kSaved);
    EXPECT_NE(FileBytes("BrimvaleSave3.pdb"), before);
}

TEST_F(LoadSaveTest, theAutoSaveIsNeverListedAndRowIStandsForSavedGameIPlus1) {
    StartSampleWorld();
    ASSERT_TRUE(Saved(0));
    ASSERT_TRUE(Saved(4));
    SStateLoadSave& screen = Open(Screen::kLoadMode);
    EXPECT_STREQ(screen.m_title.m_words.Text(), "Load a game");
    for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(RowText(slot), "- empty -") << slot;
    EXPECT_NE(screen.Summary(3), nullptr);
    EXPECT_NE(RowText(3), "- empty -");
    TapRow(0);
    EXPECT_FALSE(screen.m_action.IsShown()) << "an empty slot cannot be loaded";
    EXPECT_FALSE(screen.m_remove.IsShown());
    TapRow(3);
    EXPECT_TRUE(screen.m_action.IsShown());
    EXPECT_TRUE(screen.m_remove.IsShown());
}

TEST_F(LoadSaveTest, removeAndYesLeaveAnEmptyRowThatOffersNeitherRemoveNorLoad) {
    StartSampleWorld();
    ASSERT_TRUE(Saved(1));
    SStateLoadSave& screen = Open(Screen::kLoadMode);
    TapRow(0);
    TapOn(screen.m_remove);
    ASSERT_EQ(screen.CurrentSubMode(), Screen::kAskRemove);
    EXPECT_EQ(MessageText(), "Do you want to physically remove this saved game?");
    AnswerYes();
    ASSERT_EQ(screen.CurrentSubMode(), Screen::kRemoved);
    EXPECT_EQ(MessageText(), "The saved game has been removed.");
    EXPECT_TRUE(m_driver->Rig().MatchesFullRepaint()) << "nothing of the question's box stays around the answer";
    EXPECT_FALSE(std::filesystem::exists(Folder() + "BrimvaleSave1.pdb"));
    EXPECT_EQ(RowText(0), "- empty -");
    EXPECT_FALSE(screen.m_rows[0].thumbnail.IsShown());
    EXPECT_FALSE(screen.m_remove.IsShown());
    EXPECT_FALSE(screen.m_action.IsShown());
    AnswerYes();
    EXPECT_EQ(screen.CurrentSubMode(), Screen::kList);

    // A command that still arrived for the emptied row loads nothing.
    EXPECT_EQ(screen.OnCommand(Screen::kAction), kStay);
    EXPECT_EQ(Game().m_currentScreen, &screen);
    TapRow(0);
    EXPECT_FALSE(screen.m_action.IsShown());
}

TEST_F(LoadSaveTest, aLoadPopsEveryKeptScreenAndEntersThePlayScreenWithP1Zero) {
    StartSampleWorld();
    const int32_t x = Play().m_playerX, y = Play().m_playerY;
    ASSERT_TRUE(Saved(2));
    Play().m_playerX = x - 1;
    Play().m_keep = 1;
    Game().SwitchState(kMainMenuScreen);
    m_driver->Frame();
    SStateLoadSave& screen = Open(Screen::kLoadMode);
    ASSERT_EQ(Game().StackDepth(), 2) << "the play screen and the menu";
    TapRow(1);
    TapOn(screen.m_action);
    EXPECT_EQ(Game().m_currentScreen, &Play());
    EXPECT_EQ(Game().StackDepth(), 0);
    EXPECT_EQ(Play().m_param[0], 0u);
    EXPECT_EQ(Play().m_playerX, x);
    EXPECT_EQ(Play().m_playerY, y);
    EXPECT_TRUE(Game().m_gameRunning);
}

TEST_F(LoadSaveTest, aSaveThatCannotBeWrittenSaysSoAndTheSlotKeepsItsOldGame) {
    StartSampleWorld();
    ASSERT_TRUE(Saved(1));
    const auto before = FileBytes("BrimvaleSave1.pdb");
    SStateLoadSave& screen = Open(Screen::kSaveMode);
    const std::string shown = RowText(0);
    // The folder is read-only; the temporary file's name is taken as well, since the tests may run
    // with the rights to write anywhere.
    std::filesystem::create_directory(Folder() + "BrimvaleSave1.pdb.new");
    namespace fs = std::filesystem;
    fs::permissions(Folder(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    TapRow(0);
    TapOn(screen.m_action);
    AnswerYes();
    fs::permissions(Folder(), fs::perms::owner_write, fs::perm_options::add);
    ASSERT_EQ(screen.CurrentSubMode(), Screen::kSaveFailed);
    EXPECT_NE(MessageText().find("could not be saved"), std::string::npos) << MessageText();
    EXPECT_EQ(FileBytes("BrimvaleSave1.pdb"), before);
    EXPECT_EQ(RowText(0), shown);
    EXPECT_TRUE(screen.m_remove.IsShown());
    AnswerYes();
    EXPECT_EQ(screen.CurrentSubMode(), Screen::kList);
    EXPECT_EQ(Game().m_currentScreen, &screen) << "a failed save does not close the screen";
}

TEST_F(LoadSaveTest, theListWithASelectedRowEqualsAFullRepaintOnEveryScreenClass) {
    for (uint32_t mode : {7u, 6u, 16u, 15u}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        StartSampleWorld(mode);
        ASSERT_TRUE(Saved(1));
        ASSERT_TRUE(Saved(3));
        SStateLoadSave& screen = Open(Screen::kLoadMode);
        TapRow(2);
        EXPECT_EQ(screen.Selected(), 2);
        EXPECT_TRUE(screen.m_action.IsShown());
        // Big enough to read and to tap: 40 x 24 was hard to hit even at 480 x 640.
        for (const SButtonCtrl* button : {&screen.m_action, &screen.m_remove})
            EXPECT_TRUE(button->m_w >= 60 && button->m_h >= 28) << button->m_w << "x" << button->m_h;
        EXPECT_TRUE(m_driver->Rig().MatchesFullRepaint());
        m_driver->Rig().Shot("load_save_mode" + std::to_string(mode));
    }
}

}  // namespace

}  // namespace state_load_save_test
