// The sample world played from the splash to the end of its quests, as a person plays it.
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "screens/inventory/character_lists.h"
#include "ui/dialogs/dialog_message.h"
#include "walkthrough/walkthrough.h"

namespace sample_world_walkthrough_test {

namespace {

using namespace route;

// clang-format off
// From the menu of a fresh start through the cellar to Ilse's quest taken in Eastbrook.
std::vector<RouteStep> ToTheQuest() {
    return {
        {"start a new game",                 ChooseMenuRow("Start new game"),  {kSceneScreen}},
        {"page through the intro",           ReadTheIntro(),                   {kCharacterCreationScreen}},
        {"accept the character",             AcceptTheCharacter(),             {kPlayScreen, "base_cellar"}},
        {"walk to the chest beside the start", WalkTo("base_cellar", 16, 19),    {kPlayScreen, "base_cellar"}},
        {"look into it",                     OpenTheInventory(),               {kInventoryScreen}},
        {"take the mortar",                  Take("base_alc_mortarbeginner"),  {kInventoryScreen}},
        {"take the power berries",           Take("base_alc_powerberries"),    {kInventoryScreen}},
        {"close the chest",                  TapControl(InventoryCloseButton), {kPlayScreen, "base_cellar"}},
        {"step onto the cellar's plate",     WalkTo("base_cellar", 15, 16),    {kPlayScreen, "base_cellar", "has been solved"}},
        {"read that the quest is solved",    AnswerOk(),                       {kPlayScreen, "base_cellar", "reached level 2"}},
        {"read of the new level",            AnswerOk(),                       {kPlayScreen, "base_s0202"}},
        {"walk to Eastbrook",                WalkTo("base_s0303", 10, 4),      {kPlayScreen, "base_s0303"}},
        {"walk up to Ilse, the widow",       WalkUpTo("base_widow"),           {kPlayScreen, "base_s0303", "", "", PersonDrawnAhead("base_widow")}},
        {"talk to her",                      TalkTo("base_widow"),             {kConversationScreen}},
        {"ask her about the locket",         AskAbout("Locket"),               {kConversationScreen}},
        {"promise to bring it back",         Reply(0),                         {kConversationScreen}},
        {"say goodbye",                      SayGoodbye(),                     {kPlayScreen, "base_s0303"}},
        {"see her quest active",             CheckQuestActive("base_silverlocket"), {kPlayScreen}},
    };
}

// Eastbrook's errands: Tobin's shop, a night at Hale's inn, a game of cards with Wenna, the
// pedlar's goods and a potion brewed.
std::vector<RouteStep> TheErrands() {
    return {
        {"use Tobin's counter",              UseFrom("base_s0303", 12, 13, 13, 13), {kConversationScreen}},
        {"ask to trade",                     TapButton("Buy/sell"),            {kShopScreen}},
        {"buy a healing potion",             Buy("base_phealsmall"),           {kShopScreen}},
        {"leave the shop",                   TapControl(ShopBackButton),       {kConversationScreen}},
        {"say goodbye to Tobin",             SayGoodbye(),                     {kPlayScreen, "base_s0303"}},
        {"use Hale's counter",               UseFrom("base_s0303", 12, 15, 13, 15), {kInteriorScreen}},
        {"ask for a bed",                    TapButton("Sleep"),               {kInteriorScreen, "", "rent a room"}},
        {"pay and sleep the night",          SleepFor(8),                      {kInteriorScreen}},
        {"get up",                           TapControl(RestContinueButton),   {kInteriorScreen}},
        {"leave the inn",                    TapControl(InnLeaveButton),       {kPlayScreen, "base_s0303"}},
        // Night has fallen, and the townsfolk have gone home: wait in the street for the morning.
        {"ask to rest",                      TapControl(PlayRestButton),       {kPlayScreen, "", "", "rest question"}},
        {"rest in the street",               AnswerWith(SDialogMessage::kYes), {kPlayScreen, "", "", "resting"}},
        {"rest till the morning",            WaitUntilShown(PlayRestContinueButton), {kPlayScreen, "", "", "resting"}},
        {"get up",                           TapControl(PlayRestContinueButton), {kPlayScreen, "base_s0303", "", ""}},
        {"use Wenna's counter",              UseFrom("base_s0303", 12, 17, 13, 17), {kConversationScreen}},
        {"ask for a game of cards",          TapButton("Cards"),               {kConversationScreen}},
        {"accept the stake",                 TapControl(CardBetAcceptButton),  {kCardGameScreen}},
        {"wait for the cards to be dealt",   WaitForTheDeal(),                 {kCardGameScreen}},
        {"give up the game",                 TapControl(CardGiveUpButton),     {kCardGameScreen}},
        {"say yes, give up",                 TapButton("Yes"),                 {kCardGameScreen}},
        {"read the outcome",                 TapButton("Ok"),                  {kConversationScreen}},
        {"say goodbye to Wenna",             SayGoodbye(),                     {kPlayScreen, "base_s0303"}},
        {"sneak up behind the pedlar",       SneakUpBehind("base_pedlar"),     {kPlayScreen, "", "steal", "steal question"}},
        {"try to steal",                     AnswerWith(SDialogMessage::kYes), {kPlayScreen, "", "You have stolen"}},
        {"put the loot away",                AnswerOk(),                       {kPlayScreen, "base_s0303"}},
        {"open the inventory",               OpenTheInventory(),               {kInventoryScreen}},
        {"choose the mortar",                ChooseInThePack("base_alc_mortarbeginner"), {kInventoryScreen}},
        {"use it",                           TapControl(InventoryUseButton),   {kInventoryScreen}},
        {"brew from the berries",            Brew("base_phealsmall"),          {kInventoryScreen, "", "successfully created"}},
        {"read of the potion",               TapButton("Ok"),                  {kInventoryScreen}},
        {"put the mortar away",              TapControl(AlchemyCloseButton),   {kInventoryScreen}},
        {"close the inventory",              TapControl(InventoryCloseButton), {kPlayScreen, "base_s0303"}},
    };
}

// Down the cellar's stairs into the dungeon, past the brute and through the hall's door to the
// archer.
std::vector<RouteStep> TheDungeon() {
    return {
        {"walk to the stairs at the crossroads and down", GoDownAt("base_s0202", 12, 15),   {kPlayScreen, "base_cellar"}},
        {"go down the stairs in the east wall", GoDownAt("base_cellar", 22, 15),  {kPlayScreen, "base_dungeon"}},
        {"fight the cave brute",             Defeat("base_dungeonbrute"),      {kPlayScreen, "base_dungeon"}},
        {"walk onto what it dropped",        WalkToThePileWith("base_key_irondoor"), {kPlayScreen, "base_dungeon"}},
        {"look at the loot",                 OpenTheInventory(),               {kInventoryScreen}},
        {"take the iron key",                Take("base_key_irondoor"),        {kInventoryScreen}},
        {"leave the rest",                   TapControl(InventoryCloseButton), {kPlayScreen, "base_dungeon"}},
        {"walk up to the hall's east door",  FaceFrom("base_dungeon", 23, 14, 24, 14), {kPlayScreen, "base_dungeon"}},
        {"open it",                          UseFrom("base_dungeon", 23, 14, 24, 14), {kPlayScreen, "base_dungeon", "", "", DoorDrawnOpenAhead()}},
        {"fight the goblin archer",          Defeat("base_dungeonarcher"),     {kPlayScreen, "base_dungeon"}},
    };
}

// The wounds of those two fights, which the seeded chances of the first screen's frame pace give.
std::vector<RouteStep> WhatTheFightsLeft() {
    return {
        {"look at what the fights left",     OpenTheInventory(),               {kInventoryScreen}},
        {"the archer's poison works",        SeeOnTheCharacterSheet(SCharacterLists::kEffects, "Poison"), {kInventoryScreen}},
        {"the brute's fever is caught",      SeeOnTheCharacterSheet(SCharacterLists::kDiseases, "Cave fever"), {kInventoryScreen}},
        {"back to the dungeon",              TapControl(InventoryCloseButton), {kPlayScreen, "base_dungeon"}},
    };
}

// On through the locked, the trapped and the gated doors to the locket, and back by the plate.
std::vector<RouteStep> PastTheDoors() {
    return {
        {"unlock the iron door",             UseFrom("base_dungeon", 27, 15, 27, 16), {kPlayScreen, "", "Ironmongery"}},
        {"read that the key stays in it",    AnswerOk(),                       {kPlayScreen, "base_dungeon"}},
        {"try the next door",                UseFrom("base_dungeon", 27, 18, 27, 19), {kPlayScreen, "", "trapped", "door question"}},
        {"disarm its trap",                  AnswerWith(SDialogMessage::kDisarm), {kPlayScreen, "", "disarmed"}},
        {"read of the trap",                 AnswerOk(),                       {kPlayScreen, "base_dungeon"}},
        {"open the door",                    UseFrom("base_dungeon", 27, 18, 27, 19), {kPlayScreen, "base_dungeon", "", "", DoorDrawnOpenAhead()}},
        {"pull the lever in the west wall",  UseFrom("base_dungeon", 23, 21, 22, 21), {kPlayScreen, "", "gate grinds open"}},
        {"hear the gate",                    AnswerOk(),                       {kPlayScreen, "base_dungeon"}},
        {"fight the goblin shaman",          Defeat("base_dungeonshaman"),     {kPlayScreen, "base_dungeon"}},
        {"open the chest of the deepest room", UseFrom("base_dungeon", 28, 26, 28, 27), {kInventoryScreen}},
        {"take Ilse's locket",               Take("base_quest_silverlocket"),  {kInventoryScreen}},
        {"close the chest",                  TapControl(InventoryCloseButton), {kPlayScreen, "base_dungeon"}},
        {"step onto the plate",              GoDownAt("base_dungeon", 29, 24), {kPlayScreen, "base_s0303"}},
        {"walk up to Ilse",                  WalkUpTo("base_widow"),           {kPlayScreen, "base_s0303", "", "", PersonDrawnAhead("base_widow")}},
        {"talk to Ilse",                     TalkTo("base_widow"),             {kConversationScreen}},
        {"give her the locket",              AskAbout("Locket"),               {kConversationScreen}},
        {"say goodbye to her",               SayGoodbye(),                     {kPlayScreen, "base_s0303", "reached level"}},
        {"read of the new level",            AnswerOk(),                       {kPlayScreen, "base_s0303"}},
        {"see her quest solved",             CheckQuestSolved("base_silverlocket"), {kPlayScreen}},
    };
}

// The game saved in the first slot, where the player stands.
std::vector<RouteStep> SaveInTheFirstSlot() {
    return {
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
        {"see Ilse's quest solved",          CheckQuestSolved("base_silverlocket"), {kPlayScreen}},
    };
}
// clang-format on

// The parts played one after the other, as one route.
std::vector<RouteStep> Joined(std::initializer_list<std::vector<RouteStep>> parts) {
    std::vector<RouteStep> route;
    for (const std::vector<RouteStep>& part : parts) route.insert(route.end(), part.begin(), part.end());
    return route;
}

TEST_F(WalkthroughTest, fromTheSplashToTheQuestsEndAndBackFromASave) {
    LaunchToMenu();
    PlayRoute(Joined({ToTheQuest(), TheErrands(), TheDungeon(), WhatTheFightsLeft(), PastTheDoors(),
                      SaveInTheFirstSlot(), BackFromTheSave()}));
}

// The large screens run their frames at another pace, which deals the fights' chances otherwise:
// the route without the wounds they happen to leave.
TEST_F(WalkthroughTest, theWholeRouteOnTheLargeScreens) {
    for (const auto& [width, height] : {std::pair{480, 640}, std::pair{800, 600}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        std::remove((Folder() + "BrimvaleSave1.pdb").c_str());
        LaunchToMenu(width, height);
        PlayRoute(Joined(
            {ToTheQuest(), TheErrands(), TheDungeon(), PastTheDoors(), SaveInTheFirstSlot(), BackFromTheSave()}));
        if (HasFailure()) return;
    }
}

// The world's chances come from the generator the start seeds: the same start plays the same
// game, down to the bytes of its saved game.
TEST_F(WalkthroughTest, twoRunsFromTheSameSeedWriteTheSameSavedGame) {
    std::vector<std::vector<char>> saves;
    for (int run = 0; run < 2; ++run) {
        LaunchToMenu();
        PlayRoute(Joined({ToTheQuest(), SaveInTheFirstSlot()}));
        ASSERT_FALSE(HasFailure());
        saves.push_back(FileBytes("BrimvaleSave1.pdb"));
        std::remove((Folder() + "BrimvaleSave1.pdb").c_str());
    }
    ASSERT_FALSE(saves[0].empty());
    EXPECT_TRUE(saves[0] == saves[1]) << "the two saved games differ";
}

}  // namespace

}  // namespace sample_world_walkthrough_test
