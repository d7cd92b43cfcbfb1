#include <gtest/gtest.h>

#include <functional>

#include "data/dialogue/dialog_topic_set.h"
#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/maps/map.h"
#include "data/maps/placed_object.h"
#include "data/named_script.h"
#include "data/package/module.h"
#include "data/persons/npc_type.h"
#include "data/player/active_effect.h"
#include "data/player/character_choice.h"
#include "data/player/equipment_slot.h"
#include "data/scene.h"
#include "data/world/global_table.h"
#include "engine/files/file_layer.h"
#include "game/feldmar2.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"
#include "support/item_records.h"
#include "support/play_driver.h"
#include "support/sound_fixtures.h"
#include "support/text_ctrl_lines.h"
#include "support/world_package.h"
#include "tools/sampledata/game_script_commands.h"
#include "tools/sampledata/script_assembler.h"
#include "ui/dialogs/dialog_list.h"
#include "ui/dialogs/dialog_message.h"
#include "ui/widgets/dialog_list_ctrl.h"

namespace play_events_test {

namespace {

constexpr uint32_t kCancelKey = 3007;

class PlayEventsTest : public PlayDriverTest {
protected:
    PlayDriver& StartWithSounds() {
        PlayDriver& driver = Start();
        AddToneSounds(driver.Game().m_soundTable,
                      {"bsnd_click", "bsnd_door", "bsnd_spellteleport", "bsnd_fallmale", "bsnd_fallfemale",
                       "bsnd_ladderdown", "bsnd_ladderup", "bsnd_stairdown", "bsnd_stairdownbare", "bsnd_stairup",
                       "bsnd_stairupbare", "bsnd_shiptravel"});
        driver.Rig().Sounds().Clear();
        return driver;
    }
    SStateGame& play() { return m_driver->Play(); }
    std::vector<std::string> sounds() { return m_driver->Rig().Sounds().Lines(); }
    // The player's grid cell and heading.
    std::tuple<int32_t, int32_t, uint32_t> stance() { return {play().m_playerX, play().m_playerY, play().m_heading}; }
};

// What the queue leaves after some frames: the sub-mode, the dialog open, the events still queued
// and the sounds played.
TEST_F(PlayEventsTest, eachEventIsTakenInTurnAndLeavesItsDialogOrRequest) {
    struct Row {
        const char* name;
        std::function<void(SStateGame&)> queue;
        int frames;
        SPlaySubMode mode;
        const char* dialog;
        std::vector<uint32_t> queued;
        std::vector<std::string> sounds;
    };
    SCreature rat;
    rat.id = 7;
    const Row rows[] = {
        {"two messages: the first shows, the second waits",
         [](SStateGame& p) {
             p.QueueMessage("first", 1, nullptr);
             p.QueueMessage("second", 1, nullptr);
         },
         1,
         SPlaySubMode::kMessage,
         "message",
         {SGameEvent::kMessage},
         {"bsnd_click 10"}},
        {"a message opens with its own sound",
         [](SStateGame& p) { p.QueueMessage("Creak.", 1, "bsnd_door"); },
         1,
         SPlaySubMode::kMessage,
         "message",
         {},
         {"bsnd_door 10"}},
        {"appended lines join the queued message",
         [](SStateGame& p) {
             p.QueueMessage("You hit the rat.", 1, nullptr);
             p.AppendMessage("The rat dies.", false);
         },
         0,
         SPlaySubMode::kFree,
         "",
         {SGameEvent::kMessage},
         {}},
        {"a line appended after another event opens a message of its own",
         [](SStateGame& p) {
             p.QueueTurn(1);
             p.AppendMessage("You turn.", true);
         },
         0,
         SPlaySubMode::kFree,
         "",
         {SGameEvent::kTurn, SGameEvent::kMessage},
         {}},
        {"a second creature-information request is dropped",
         [&rat](SStateGame& p) {
             p.QueueCreatureInfo(*p.m_currentMap, rat, 60);
             p.QueueMessage("between", 1, nullptr);
             p.QueueCreatureInfo(*p.m_currentMap, rat, 90);
         },
         0,
         SPlaySubMode::kFree,
         "",
         {SGameEvent::kCreatureInfo, SGameEvent::kMessage},
         {}},
        {"information on a creature that is gone shows nothing",
         [&rat](SStateGame& p) { p.QueueCreatureInfo(*p.m_currentMap, rat, 60); },
         1,
         SPlaySubMode::kFree,
         "",
         {},
         {}},
        {"a travel question opens at once",
         [](SStateGame& p) {
             p.QueueQuestion("base_start", "Climb down?", 4, true);
             p.QueueMessage("older", 1, nullptr);
         },
         1,
         SPlaySubMode::kTravelQuestion,
         "message",
         {SGameEvent::kMessage},
         {"bsnd_click 10"}},
        {"a rest question",
         [](SStateGame& p) { p.AskRest(); },
         1,
         SPlaySubMode::kRestQuestion,
         "message",
         {},
         {"bsnd_click 10"}},
        {"asked now, ahead of the queue",
         [](SStateGame& p) {
             p.QueueMessage("older", 1, nullptr);
             p.AskNow("Sleep here?");
         },
         0,
         SPlaySubMode::kRestQuestion,
         "message",
         {SGameEvent::kMessage},
         {"bsnd_click 10"}},
        {"a door question",
         [](SStateGame& p) { p.QueueDoorChoice("Locked.", SDoorChoice{}, false, true, true); },
         1,
         SPlaySubMode::kDoorQuestion,
         "message",
         {},
         {"bsnd_click 10"}},
        {"mark opens the mark dialog",
         [](SStateGame& p) { p.QueueSimpleEvent(SGameEvent::kMark, 0); },
         1,
         SPlaySubMode::kMarkRecall,
         "mark recall",
         {},
         {}},
        {"recall without a marked position is refused",
         [](SStateGame& p) { p.QueueSimpleEvent(SGameEvent::kRecall, 0); },
         1,
         SPlaySubMode::kFree,
         "",
         {SGameEvent::kMessage},
         {}},
        {"enchanting opens its dialog",
         [](SStateGame& p) { p.QueueSimpleEvent(SGameEvent::kEnchant, 2); },
         1,
         SPlaySubMode::kEnchanting,
         "other",
         {},
         {}},
        {"no recharging while a fight may be on",
         [](SStateGame& p) {
             p.m_fightCounter = 5;
             p.QueueSimpleEvent(SGameEvent::kRecharge, 0);
         },
         1,
         SPlaySubMode::kFree,
         "",
         {SGameEvent::kMessage},
         {}},
        {"ship travel opens the voyage",
         [](SStateGame& p) { p.QueueShipTravel("base_port", "Off we go."); },
         1,
         SPlaySubMode::kShipTravel,
         "ship travel",
         {},
         {"bsnd_shiptravel 10 looped"}},
        {"a simple request of a type that takes more is dropped",
         [](SStateGame& p) {
             p.QueueSimpleEvent(13, 0);
             p.QueueSimpleEvent(SGameEvent::kMessage, 0);
         },
         0,
         SPlaySubMode::kFree,
         "",
         {},
         {}},
    };
    for (const Row& row : rows) {
        PlayDriver& driver = StartWithSounds();
        row.queue(play());
        driver.Frames(row.frames);
        EXPECT_EQ(play().SubMode(), row.mode) << row.name;
        EXPECT_EQ(driver.OpenDialogKind(), row.dialog) << row.name;
        EXPECT_EQ(driver.QueuedEventTypes(), row.queued) << row.name;
        EXPECT_EQ(sounds(), row.sounds) << row.name;
    }
}

TEST_F(PlayEventsTest, messagesShowOneAfterTheOtherEachInABoxOfItsOwn) {
    PlayDriver& driver = StartWithSounds();
    play().QueueMessage("first", 0, nullptr);
    play().AppendMessage("more of the first", false);
    play().QueueScene("base_none");
    play().AppendMessage("second", true);
    driver.Frame();
    EXPECT_EQ(driver.OpenMessageText(), "first more of the first");
    const auto* box = dynamic_cast<const SDialogMessage*>(play().m_child);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->m_buttonSet, SDialogMessage::kOk) << "no buttons show Ok";
    driver.Frames(3);
    EXPECT_EQ(play().m_child, box) << "the box waits for its answer";
    // The answer's own frame takes the scene, which does not exist; the next the second message.
    driver.Press(kActionUse);
    EXPECT_EQ(play().m_child, nullptr);
    EXPECT_EQ(driver.QueuedEventTypes(), std::vector<uint32_t>{SGameEvent::kMessage});
    driver.Frame();
    EXPECT_EQ(driver.OpenMessageText(), "second");
}

TEST_F(PlayEventsTest, aMessageBoxStartsWithItsTextWithoutABullet) {
    PlayDriver& driver = StartWithSounds();
    play().QueueMessage("You hit the rat.", 0, nullptr);
    play().AppendMessage("The rat dies.", false);
    play().QueueScene("base_none");
    play().AppendMessage("You have disarmed the door.", false);
    for (int box = 0; box < 2; ++box) {
        driver.Frame();
        const auto* message = dynamic_cast<const SDialogMessage*>(play().m_child);
        ASSERT_NE(message, nullptr) << "box " << box;
        const SDialogTextCtrl& text = *message->m_textCtrl;
        for (const STextLineArray* lines : {&text.m_shown, &text.m_pending})
            for (int i = 0; i < lines->Count(); ++i)
                EXPECT_EQ((*lines)[i].bullet, 0u) << "box " << box << " line " << i;
        driver.Press(kActionUse);
    }
}

TEST_F(PlayEventsTest, aTravelQuestionAnsweredYesTravelsBeforeTheEventsQueuedMeanwhile) {
    PlayDriver& driver = StartWithSounds();
    play().QueueQuestion("base_start", "Climb down?", 4, true);
    play().QueueMessage("older", 1, nullptr);
    driver.Frames(2);
    ASSERT_EQ(play().SubMode(), SPlaySubMode::kTravelQuestion);
    EXPECT_EQ(driver.OpenMessageText(), "Climb down?");
    driver.Rig().Sounds().Clear();
    // The answer's own frame takes the travel, ahead of the older message.
    driver.Press(kActionUse);
    EXPECT_EQ(play().SubMode(), SPlaySubMode::kTravelFade);
    ASSERT_FALSE(sounds().empty());
    EXPECT_EQ(sounds().back(), "bsnd_ladderdown 10") << "after the button's click";
    EXPECT_EQ(driver.QueuedEventTypes(), std::vector<uint32_t>{SGameEvent::kMessage});

    // No leaves the queue as it was; a question of no transition travels at once on Yes.
    PlayDriver& again = StartWithSounds();
    play().QueueQuestion("base_start", "Climb down?", 4, false);
    play().QueueMessage("older", 1, nullptr);
    again.Frames(2);
    again.Press(kCancelKey);
    EXPECT_EQ(again.OpenMessageText(), "older");
    EXPECT_TRUE(again.QueuedEventTypes().empty());
    again.Frame();
    again.Press(kActionUse);
    play().QueueQuestion("base_start", "Go?", 0, false);
    again.Frames(2);
    again.Press(kActionUse);
    EXPECT_EQ(play().m_positionTravels, std::vector<std::string>{"base_start"});
    EXPECT_TRUE(again.QueuedEventTypes().empty());
}

// Each transition takes its frames after the frame that took the event, opens with its sound and
// ends in free play with the frame after them, which arrives; the teleport's last frame shows the
// view white, the others black it out.
TEST_F(PlayEventsTest, eachTravelFadeTakesItsFramesAndPlaysItsSound) {
    struct Row {
        uint32_t kind;
        bool female, booted;
        int frames;
        std::vector<std::string> sounds;
        uint16_t lastView;
    };
    const Row rows[] = {
        {1, false, false, 10, {"bsnd_spellteleport 10"}, 0xFFFF},
        {2, false, false, 20, {}, 0x0000},
        {3, false, false, 20, {"bsnd_fallmale 10"}, 0x0000},
        {3, true, false, 20, {"bsnd_fallfemale 10"}, 0x0000},
        {4, false, false, 50, {"bsnd_ladderdown 10"}, 0x0000},
        {5, false, false, 50, {"bsnd_ladderup 10"}, 0x0000},
        {6, false, true, 40, {"bsnd_stairdown 10"}, 0x0000},
        {6, false, false, 40, {"bsnd_stairdownbare 10"}, 0x0000},
        {7, false, true, 40, {"bsnd_stairup 10"}, 0x0000},
        {7, false, false, 40, {"bsnd_stairupbare 10"}, 0x0000},
    };
    for (const Row& row : rows) {
        PlayDriver& driver = StartWithSounds();
        SPlayer& player = driver.Game().m_player;
        if (row.female) {
            SCharacterChoice choice;
            choice.gender = 0;
            player.GiveStartingKit(choice);
        }
        if (row.booted) {
            driver.Game().m_items.AddItemType(MakeItemType("base_boots", kItemLightArmour, kArmourBoots, "Boots"));
            player.EquipItem(player.AddItems(*driver.Game().m_items.FindItemType("base_boots"), 1), false);
            ASSERT_NE(player.EquippedItem(kSlotBoots), nullptr);
        }
        driver.Rig().Sounds().Clear();
        play().QueueTravelByName("base_start", row.kind);
        driver.Frame();
        ASSERT_EQ(play().SubMode(), SPlaySubMode::kTravelFade) << row.kind;
        EXPECT_EQ(sounds(), row.sounds) << row.kind;
        // The view after the fade's last frame, before the travel draws the place arrived at.
        const SViewDescriptor& view = driver.Game().PlayView();
        uint16_t lastFadeView = 0x1234;
        int frames = 0;
        while (play().SubMode() == SPlaySubMode::kTravelFade && frames < 100) {
            driver.Frame();
            ++frames;
            if (play().SubMode() == SPlaySubMode::kTravelFade)
                lastFadeView =
                    driver.Rig().Pixel(view.m_viewX + view.m_viewWidth / 2, view.m_viewY + view.m_viewHeight / 2);
        }
        EXPECT_EQ(frames, row.frames + 1) << row.kind;
        EXPECT_EQ(lastFadeView, row.lastView) << row.kind;
        EXPECT_EQ(play().m_positionTravels, std::vector<std::string>{"base_start"}) << row.kind;
        EXPECT_FALSE(play().IsBusy()) << row.kind;
    }
}

TEST_F(PlayEventsTest, aTurnEndsOnTheHeadingOfItsQuarterEvenPastAFullTurn) {
    const struct {
        uint32_t start;
        uint32_t quarter;
        uint32_t heading;
        int ticks;
    } rows[] = {
        {0, 1, 90, 6},     // west, to the left
        {0, 7, 270, 6},    // east, counted round once: to the right
        {0, 5, 90, 6},     // west again
        {270, 0, 0, 6},    // from east to north, to the left
        {270, 2, 180, 6},  // to the right
        {90, 3, 270, 12},  // a half turn goes right
        {180, 6, 180, 1},  // already there
    };
    for (const auto& row : rows) {
        PlayDriver& driver = StartWithSounds();
        play().m_heading = row.start;
        play().QueueTurn(row.quarter);
        const uint32_t before = play().Clocks().Count(SPlayClock::kMovement);
        driver.Frame();
        ASSERT_TRUE(driver.RunUntilIdle(40)) << row.quarter << " from " << row.start;
        EXPECT_EQ(play().m_heading, row.heading) << row.quarter << " from " << row.start;
        EXPECT_LE(play().Clocks().Count(SPlayClock::kMovement) - before, uint32_t(row.ticks + 2));
    }
}

// Scripts and marks that ask for what cannot be leave the player where they were and the screen
// free.
TEST_F(PlayEventsTest, placesAndTravelsThatDoNotExistChangeNothing) {
    const struct {
        const char* name;
        std::function<void(SStateGame&)> queue;
    } rows[] = {
        {"a place far outside the map", [](SStateGame& p) { p.QueuePlace(50, 50); }},
        {"a place left of the map", [](SStateGame& p) { p.QueuePlace(-1, 2); }},
        {"an unknown position", [](SStateGame& p) { p.QueueTravelTo("base_nowhere", 0); }},
        {"an unknown map", [](SStateGame& p) { p.QueueTravelToCoords("base", "base_nowhere", 2, 2, 0, 1); }},
        {"an unknown world", [](SStateGame& p) { p.QueueTravelToCoords("isle", "base_room", 2, 2, 0, 0); }},
        {"a cell outside the map", [](SStateGame& p) { p.QueueTravelToCoords("base", "base_room", 35, 2, 0, 0); }},
        {"a heading quarter past west", [](SStateGame& p) { p.QueueTravelToCoords("base", "base_room", 2, 2, 4, 0); }},
        {"a transition that does not exist", [](SStateGame& p) { p.QueueTravelByName("base_start", 9); }},
        {"a scene that does not exist", [](SStateGame& p) { p.QueueScene("base_none"); }},
    };
    for (const auto& row : rows) {
        PlayDriver& driver = StartWithSounds();
        const auto before = stance();
        SMap* map = play().m_currentMap;
        row.queue(play());
        ASSERT_TRUE(driver.RunUntilIdle(30)) << row.name;
        EXPECT_EQ(stance(), before) << row.name;
        EXPECT_EQ(play().m_currentMap, map) << row.name;
        EXPECT_EQ(driver.Game().m_currentScreen, &play()) << row.name;
        EXPECT_EQ(play().m_child, nullptr) << row.name;
    }
}

TEST_F(PlayEventsTest, placingAndTravellingToCoordinatesMoveThePlayer) {
    PlayDriver& driver = StartWithSounds();
    play().m_previousX = play().m_previousY = 2;
    play().QueuePlace(1, 5);
    driver.Frame();
    EXPECT_EQ(stance(), std::make_tuple(1, 5, 270u));
    EXPECT_EQ(play().m_previousX, -1) << "no step is left behind";

    play().QueueTravelToCoords("base", "base_room", 4, 2, 1, 0);
    driver.Frame();
    EXPECT_EQ(stance(), std::make_tuple(4, 2, 90u));
    EXPECT_EQ(play().m_cellX, 4);
    EXPECT_FALSE(play().IsBusy());
}

TEST_F(PlayEventsTest, arrivingFreesAParalysedPlayer) {
    PlayDriver& driver = StartWithSounds();
    SPlayer& player = driver.Game().m_player;
    player.AddTimedEffect(kFromSpell, nullptr, 1, 30, 28, 0, nullptr);
    ASSERT_TRUE(player.IsParalyzed());
    play().ClearEvents();
    play().QueuePlace(2, 2);
    driver.Frame();
    EXPECT_FALSE(player.IsParalyzed());
    driver.Frame();
    EXPECT_EQ(driver.OpenMessageText(), "You're no longer paralyzed.");
}

// Talk and scenes keep the play screen aside for the screen they open, which gives it back.
TEST_F(PlayEventsTest, talkAndScenesOpenTheirScreensAndPlayComesBack) {
    PlayDriver& driver = StartWithSounds();
    SGameData& game = driver.Game();
    auto person = std::make_unique<SNpcType>();
    person->name.Set("base_innkeeper");
    person->topics = std::make_unique<SDialogTopicSet>();
    SNpcType* innkeeper = person.get();
    game.m_npcTypes.Add(std::move(person));
    auto mute = std::make_unique<SNpcType>();
    mute->name.Set("base_mute");
    game.m_npcTypes.Add(std::move(mute));
    auto scene = std::make_unique<SScene>();
    scene->name.Set("base_dawn");
    SScene* dawn = scene.get();
    game.m_sceneTable.Add(std::move(scene));

    play().QueueTalkNpc("base_nobody");
    play().QueueTalkNpc("base_mute");
    EXPECT_EQ(driver.QueuedEventTypes(), (std::vector<uint32_t>{SGameEvent::kMessage, SGameEvent::kMessage}));
    play().ClearEvents();

    const struct {
        std::function<void()> queue;
        ScreenId screen;
        uintptr_t words[4];
    } rows[] = {
        {[&] { play().QueueTalkNpc("base_innkeeper"); },
         kConversationScreen,
         {0, reinterpret_cast<uintptr_t>(innkeeper), 0, reinterpret_cast<uintptr_t>(play().m_currentMap)}},
        {[&] { play().QueueScene("base_dawn"); }, kSceneScreen, {1, reinterpret_cast<uintptr_t>(dawn), 0, 0}},
    };
    for (const auto& row : rows) {
        row.queue();
        EXPECT_EQ(driver.Frame(), uint32_t(row.screen));
        EXPECT_EQ(game.m_currentScreen, game.Screen(row.screen));
        EXPECT_EQ(game.StackDepth(), 1) << "the play screen is kept";
        for (int i = 0; i < 4; ++i) EXPECT_EQ(game.m_currentScreen->m_param[i], row.words[i]) << i;
        game.SwitchState(kGoBack);
        EXPECT_EQ(game.m_currentScreen, &play());
        EXPECT_EQ(game.StackDepth(), 0);
        driver.Frame();
        EXPECT_FALSE(play().IsBusy());
    }
}

// The queue frees what waits in it, text controls included, when a world reset empties it; the
// sanitizer build finds any control left behind.
TEST_F(PlayEventsTest, aWorldResetEmptiesTheQueueWithTheControlsOfItsMessages) {
    PlayDriver& driver = StartWithSounds();
    play().QueueMessage("never shown", 1, nullptr);
    play().AppendMessage("nor this", false);
    play().QueueTravelByName("base_start", 3);
    play().AskRest();
    driver.Frame();
    ASSERT_EQ(play().SubMode(), SPlaySubMode::kMessage);
    play().ResetWorld();
    EXPECT_TRUE(play().Events().empty());
    EXPECT_EQ(play().m_child, nullptr);
    EXPECT_EQ(play().SubMode(), SPlaySubMode::kFree);
}

// The town portal leads to the nearest town with a portal position, through the teleport; a
// section that denies teleport magic refuses it.
TEST_F(PlayEventsTest, theTownPortalTeleportsToTheNearestTownUnlessTheMapDeniesIt) {
    PlayDriver& driver = StartWithSounds();
    TestWorldPackage towns;
    towns.identifier = "isle";
    towns.mapPrefix = "isle_s";
    towns.maps = {{"isle_s0101", "Harbour", "surface\nflags 0x280\nobject 1 isle_s0101townportal\n"},
                  {"isle_s0201", "Fields", "surface\nflags 0x80\n"},
                  {"isle_s0301", "Tower", "surface\nflags 0x480\n"}};
    ASSERT_TRUE(towns.Write(SFileFolder(), "Isle"));
    ASSERT_TRUE(driver.Game().m_packages.Open("Isle")) << driver.Game().m_packages.Error().Message();
    SModule* isle = driver.Game().m_packages.Current();
    for (const char* here : {"isle_s0201", "isle_s0301"}) {
        play().m_package = isle;
        play().m_currentMap = isle->FindMap(here);
        isle->SetPosition(*play().m_currentMap, 14, 14, 0);
        play().QueueSimpleEvent(SGameEvent::kTownPortal, 0);
        driver.Frame();
        ASSERT_EQ(play().Events().size(), 1u) << here;
        const SGameEvent& event = *play().Events()[0];
        if (here == std::string("isle_s0201")) {
            EXPECT_EQ(event.type, SGameEvent::kTravel);
            EXPECT_EQ(event.kind, 1u);
            EXPECT_EQ(event.travel.position, "isle_s0101townportal");
        } else {
            EXPECT_EQ(event.type, SGameEvent::kMessage);
            EXPECT_EQ(TextCtrlLines(*event.textCtrl), "Teleport magic is denied on this map.");
        }
        play().ClearEvents();
    }
}

// A script's question waits in the queue; its answer, 1 for Yes and 2 for No, runs the script
// again, which reads it.
TEST_F(PlayEventsTest, aQuestionsAnswerRunsTheWaitingScriptAgainWithIt) {
    PlayDriver& driver = StartWithSounds();
    SGameData& game = driver.Game();
    auto out = std::make_unique<SGlobalVar>();
    out->m_name.Set("base_out");
    out->m_value = SScriptValue(int32_t(-1));
    const SGlobalVar& result = *out;
    game.m_globals.Add(std::move(out));
    auto script = std::make_unique<SNamedScript>();
    script->name.Set("base_ask");
    script->program = SScriptAssembler::Assemble(
        "if ( answer ( ) == 0 ) questionyesno ( \"Enter?\" ) ; setglobal ( \"base_out\" , answer ( ) ) ;",
        GameScriptCommands());
    game.m_scriptTable.Add(std::move(script));
    SPlacedObject* sign = play().m_currentMap->FindObjectByName(PlayDriver::kStartPosition);
    ASSERT_NE(sign, nullptr);
    sign->textB.Assign("base_ask");

    const std::pair<uint32_t, int32_t> answers[] = {{kActionUse, 1}, {kCancelKey, 2}};
    for (const auto& [key, answer] : answers) {
        game.m_scriptContext->SetupForObjectNpc(kEventUse, sign, play().m_currentMap, nullptr, nullptr, {},
                                                SScriptOutputMode::PlayScreen);
        game.m_scriptContext->RunObjectScript();
        EXPECT_EQ(result.m_value.Number(), 0);
        driver.Frames(2);
        EXPECT_EQ(driver.OpenMessageText(), "Enter?");
        driver.Press(key);
        EXPECT_EQ(play().m_child, nullptr);
        EXPECT_EQ(result.m_value.Number(), answer);
    }
}

}  // namespace

// A script's choice menu: the list it filled shows as "What do you want?" with nothing chosen; the
// chosen row's key, or nothing on Cancel, reaches the script, which runs again and reads it.
TEST_F(PlayEventsTest, aChoiceMenusKeyRunsTheWaitingScriptAgainWithIt) {
    PlayDriver& driver = StartWithSounds();
    SGameData& game = driver.Game();
    auto out = std::make_unique<SGlobalVar>();
    out->m_name.Set("base_out");
    out->m_value = SScriptValue("unset");
    const SGlobalVar& result = *out;
    game.m_globals.Add(std::move(out));
    auto script = std::make_unique<SNamedScript>();
    script->name.Set("base_choose");
    script->program = SScriptAssembler::Assemble(
        "setglobalstr ( \"base_out\" , getobjectlistresult ( ) ) ; if ( getobjectlistresult ( ) == \"\" ) { "
        "createobjectlist ( \"Pick\" ) ; addobjecttolist ( \"base_left\" , \"Left\" ) ; "
        "addobjecttolist ( \"base_right\" , \"Right\" ) ; showobjectlist ( ) ; }",
        GameScriptCommands());
    game.m_scriptTable.Add(std::move(script));
    SPlacedObject* sign = play().m_currentMap->FindObjectByName(PlayDriver::kStartPosition);
    ASSERT_NE(sign, nullptr);
    sign->textB.Assign("base_choose");
    game.m_scriptContext->SetupForObjectNpc(kEventUse, sign, play().m_currentMap, nullptr, nullptr, {},
                                            SScriptOutputMode::PlayScreen);
    game.m_scriptContext->RunObjectScript();
    EXPECT_EQ(driver.QueuedEventTypes(), std::vector<uint32_t>{SGameEvent::kChoiceMenu});

    auto openMenu = [&]() -> SDialogList* {
        driver.Frames(2);
        EXPECT_EQ(play().SubMode(), SPlaySubMode::kChoiceList);
        return dynamic_cast<SDialogList*>(play().m_child);
    };
    SDialogList* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(menu->m_list, nullptr);
    EXPECT_EQ(menu->m_list->RowCount(), 2);
    EXPECT_EQ(menu->m_list->m_w, 140) << "340 wide, less the dialog's margins on a 240 wide screen";
    EXPECT_LE(menu->m_x + menu->m_w, 240);
    EXPECT_EQ(menu->m_list->GetSelectedKey(), std::string()) << "nothing is chosen at first";
    driver.Rig().Shot("play-choice-menu");
    // Cancel answers nothing...
    driver.Press(kCancelKey);
    EXPECT_EQ(result.m_value.Text(), std::string());
    // ...and the script, run again, offers its menu anew.
    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    menu->m_list->Select(1);
    EXPECT_EQ(menu->OnCommand(SDialogList::kOk), SDialogList::kOk);
    play().OnCommand(SDialogList::kOk);
    EXPECT_EQ(play().m_child, nullptr);
    EXPECT_EQ(play().SubMode(), SPlaySubMode::kFree);
    EXPECT_EQ(result.m_value.Text(), std::string("base_right"));
    EXPECT_TRUE(driver.QueuedEventTypes().empty());
}

// A menu never shown is freed with the queue.
TEST_F(PlayEventsTest, aWorldResetFreesAChoiceMenuNeverShown) {
    StartWithSounds();
    auto list = std::make_unique<SDialogListCtrl>();
    list->AddRowLabel("base_a", "A", 0);
    play().QueueChoiceMenu(std::move(list));
    play().QueueChoiceMenu(nullptr);
    EXPECT_EQ(play().Events().size(), 1u) << "a missing list queues nothing";
    play().ResetWorld();
    EXPECT_TRUE(play().Events().empty());
}

}  // namespace play_events_test
