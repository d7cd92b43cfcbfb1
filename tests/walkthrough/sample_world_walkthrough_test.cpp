// The sample world played from the splash to the end of its quests, as a person plays it.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "walkthrough/walkthrough.h"

namespace {

using namespace route;

// From the menu of a fresh start through the world to the game saved in the first slot.
// clang-format off
std::vector<RouteStep> ToTheSave() {
    return {
        {"start a new game",                 ChooseMenuRow("Start new game"),  {kSceneScreen}},
        {"page through the intro",           ReadTheIntro(),                   {kCharacterCreationScreen}},
        {"accept the character",             AcceptTheCharacter(),             {kPlayScreen, "base_cellar"}},
        {"step onto the cellar's plate",     WalkTo("base_cellar", 15, 16),    {kPlayScreen, "base_cellar", "has been solved"}},
        {"read that the quest is solved",    AnswerOk(),                       {kPlayScreen, "base_cellar", "reached level 2"}},
        {"read of the new level",            AnswerOk(),                       {kPlayScreen, "base_s0202"}},
        {"walk to Eastbrook",                WalkTo("base_s0303", 10, 4),      {kPlayScreen, "base_s0303"}},
        {"talk to Ilse, the widow",          TalkTo("base_widow"),             {kConversationScreen}},
        {"ask her about the locket",         AskAbout("Locket"),               {kConversationScreen}},
        {"promise to bring it back",         Reply(0),                         {kConversationScreen}},
        {"say goodbye",                      SayGoodbye(),                     {kPlayScreen, "base_s0303"}},
        {"see her quest active",             CheckQuestActive("base_silverlocket"), {kPlayScreen}},
        {"note where the game is saved",     NoteWhereThePlayerStands(),       {kPlayScreen}},
        {"open the main menu",               OpenTheMainMenu(),                {kMainMenuScreen}},
        {"choose Save Game",                 ChooseMenuRow("Save Game"),       {kLoadSaveScreen}},
        {"save in the first slot",           UseSlot(1),                       {kLoadSaveScreen, "", "saved"}},
        {"close the saved box",              AnswerOk(),                       {kMainMenuScreen}},
    };
}

// From the menu over a game back into the game saved in the first slot.
std::vector<RouteStep> BackFromTheSave() {
    return {
        {"choose Load Game",                 ChooseMenuRow("Load Game"),       {kMainMenuScreen, "", "load a game"}},
        {"say yes, load",                    AnswerYes(),                      {kLoadSaveScreen}},
        {"load the first slot",              UseSlot(1),                       {kPlayScreen}},
        {"see where the player stands",      CheckThePlayerStandsWhereNoted(), {kPlayScreen}},
        {"see the cellar's quest solved",    CheckQuestSolved("base_cellarquest"), {kPlayScreen}},
    };
}
// clang-format on

TEST_F(WalkthroughTest, fromTheSplashToTheQuestsEndAndBackFromASave) {
    LaunchToMenu();
    PlayRoute(ToTheSave());
    PlayRoute(BackFromTheSave());
}

// The world's chances come from the generator the start seeds: the same start plays the same
// game, down to the bytes of its saved game.
TEST_F(WalkthroughTest, twoRunsFromTheSameSeedWriteTheSameSavedGame) {
    std::vector<std::vector<char>> saves;
    for (int run = 0; run < 2; ++run) {
        LaunchToMenu();
        PlayRoute(ToTheSave());
        ASSERT_FALSE(HasFailure());
        saves.push_back(FileBytes("BrimvaleSave1.pdb"));
        std::remove((Folder() + "BrimvaleSave1.pdb").c_str());
    }
    ASSERT_FALSE(saves[0].empty());
    EXPECT_TRUE(saves[0] == saves[1]) << "the two saved games differ";
}

}  // namespace
