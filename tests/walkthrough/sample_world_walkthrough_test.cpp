// The sample world played from the splash to the end of its quests, as a person plays it.
#include <gtest/gtest.h>

#include "walkthrough/walkthrough.h"

namespace {

using namespace route;

TEST_F(WalkthroughTest, fromTheSplashToTheQuestsEndAndBackFromASave) {
    LaunchToMenu();
    // clang-format off
    PlayRoute({
        {"start a new game",                 ChooseMenuRow("Start new game"),  {kSceneScreen}},
        {"page through the intro",           ReadTheIntro(),                   {kCharacterCreationScreen}},
        {"accept the character",             AcceptTheCharacter(),             {kPlayScreen, "base_cellar"}},
        {"step onto the cellar's plate",     WalkTo("base_cellar", 15, 16),    {kPlayScreen, "base_cellar", "has been solved"}},
        {"read that the quest is solved",    AnswerOk(),                       {kPlayScreen, "base_cellar", "reached level 2"}},
        {"read of the new level",            AnswerOk(),                       {kPlayScreen, "base_s0202"}},
        {"walk to Eastbrook",                WalkTo("base_s0303", 10, 4),      {kPlayScreen, "base_s0303"}},
        {"note where the game is saved",     NoteWhereThePlayerStands(),       {kPlayScreen}},
        {"open the main menu",               OpenTheMainMenu(),                {kMainMenuScreen}},
        {"choose Save Game",                 ChooseMenuRow("Save Game"),       {kLoadSaveScreen}},
        {"save in the first slot",           UseSlot(1),                       {kLoadSaveScreen, "", "saved"}},
        {"close the saved box",              AnswerOk(),                       {kMainMenuScreen}},
        {"choose Load Game",                 ChooseMenuRow("Load Game"),       {kMainMenuScreen, "", "load a game"}},
        {"say yes, load",                    AnswerYes(),                      {kLoadSaveScreen}},
        {"load the first slot",              UseSlot(1),                       {kPlayScreen}},
        {"see where the player stands",      CheckThePlayerStandsWhereNoted(), {kPlayScreen}},
        {"see the cellar's quest solved",    CheckQuestSolved("base_cellarquest"), {kPlayScreen}},
    });
    // clang-format on
}

}  // namespace
