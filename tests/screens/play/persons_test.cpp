// The townspeople in view: how they are found, walked about inside their zones, turned to the
// player, and robbed.
#include <gtest/gtest.h>

#include <string>

#include "data/items/item.h"
#include "data/items/item_list.h"
#include "data/items/item_type.h"
#include "data/maps/map.h"
#include "data/monsters/creature_pose.h"
#include "screens/play/play_world_fixture.h"
#include "screens/play/travel_words.h"
#include "support/item_records.h"
#include "support/text_ctrl_lines.h"
#include "ui/dialogs/dialog_message.h"

namespace persons_test {

namespace {

constexpr uint32_t kNorth = 0;
constexpr uint32_t kStealth = 20;

// Open ground round the grid's middle; the player stands at (17, 17).
class PersonsTest : public PlayWorldTest {
protected:
    PersonsTest() : PlayWorldTest(true) {}
    void SetUp() override {
        townsman = AddMonster("base_townsman", 10, 4);
        goblin = AddMonster("base_goblin", 10);
        ASSERT_NE(Enter(""), nullptr);
        Stand(17, 17, kNorth);
    }
    // A townsman of the current map in the grid cell, with a sprite in the middle of the cell.
    SCreature& AddPerson(int x, int y, SMonster* monster = nullptr) {
        SCreature* creature = play.m_currentMap->AddCreature(monster ? monster : townsman, uint8_t(x), uint8_t(y));
        EXPECT_NE(creature, nullptr);
        SMapCell& cell = grid.Cell(x, y);
        cell.creatures[cell.creatures[0] == 0 ? 0 : 1] = creature->id;
        creature->displaySlot = creature->id;
        grid.sprites[creature->id] = SItemPileRecord{0, 0, 0x8000, 0x8000};
        return *creature;
    }
    std::string openMessage() {
        return play.Events().empty() ? std::string() : TextCtrlLines(*play.Events().back()->textCtrl);
    }

    SMonster* townsman = nullptr;
    SMonster* goblin = nullptr;
};

TEST_F(PersonsTest, theViewScanKeepsARecordForEachPersonWithinSevenCells) {
    SCreature& near = AddPerson(18, 17);
    SCreature& far = AddPerson(24, 10);
    AddPerson(25, 17);  // eight cells away
    AddPerson(16, 16, goblin);
    play.UpdatePersonsInView();
    ASSERT_EQ(play.Persons().size(), 2u);
    EXPECT_NE(play.FindPerson(near), nullptr);
    EXPECT_NE(play.FindPerson(far), nullptr);
    EXPECT_EQ(play.NearbyPersonCreature(), &near) << "the only person within 2 cells";

    // Out of sight, the record goes.
    Stand(11, 17, kNorth);
    play.UpdatePersonsInView();
    ASSERT_EQ(play.Persons().size(), 1u);
    EXPECT_EQ(play.CreatureOf(*play.Persons()[0]), &near);
    EXPECT_EQ(play.NearbyPersonCreature(), nullptr);
}

TEST_F(PersonsTest, removingPersonsTakesOnlyPersonsOffTheGridAndRestoringPutsThemBack) {
    SCreature& first = AddPerson(18, 17);
    AddPerson(18, 17, goblin);
    SCreature& second = AddPerson(20, 20);
    play.UpdatePersonsInView();
    play.RemovePersons(true);
    EXPECT_TRUE(play.Persons().empty());
    EXPECT_NE(grid.Cell(18, 17).creatures[0], first.id) << "the goblin moved up into the first place";
    EXPECT_EQ(grid.Cell(18, 17).creatures[1], 0);
    EXPECT_EQ(grid.Cell(20, 20).creatures[0], 0);
    play.RestorePersonPlaces();
    EXPECT_TRUE(std::find(grid.placed.begin(), grid.placed.end(), TestGrid::Placed{second.id, 20, 20}) !=
                    grid.placed.end() ||
                grid.Cell(20, 20).creatures[0] == second.id)
        << "the map puts its people back on their cells";
}

// Over many seeded ticks a person walks, waits and turns, but never leaves its 7 x 7 zone, never
// enters the player's cell and never shares a cell.
TEST_F(PersonsTest, aWanderingPersonNeverLeavesItsZoneNorStepsOnThePlayer) {
    Stand(15, 15, kNorth);
    SCreature& wanderer = AddPerson(16, 16);
    AddPerson(18, 18);
    play.UpdatePersonsInView();
    int moves = 0, lastX = 16, lastY = 16;
    for (int tick = 0; tick < 10000; ++tick) {
        play.TickPersons();
        const SPerson* person = play.FindPerson(wanderer);
        ASSERT_NE(person, nullptr);
        ASSERT_EQ(person->cellX / 7, 2) << tick;
        ASSERT_EQ(person->cellY / 7, 2) << tick;
        ASSERT_FALSE(person->cellX == 15 && person->cellY == 15) << tick;
        ASSERT_EQ(grid.Cell(person->cellX, person->cellY).creatures[0], wanderer.id) << tick;
        ASSERT_EQ(grid.Cell(person->cellX, person->cellY).creatures[1], 0) << tick;
        EXPECT_EQ(wanderer.x, person->cellX) << "the creature's own place follows";
        if (person->cellX != lastX || person->cellY != lastY) {
            ++moves;
            // It walks face first: north 0, east 1, south 2, west 3.
            const int side = person->cellY < lastY ? 0 : person->cellX > lastX ? 1 : person->cellY > lastY ? 2 : 3;
            EXPECT_EQ(FacingSideOf(wanderer), side) << tick;
        }
        lastX = person->cellX, lastY = person->cellY;
    }
    EXPECT_GT(moves, 20) << "it does wander";
}

TEST_F(PersonsTest, aPersonTurnedToThePlayerFacesThePlayerAndWaits) {
    const struct {
        uint32_t heading;
        int facing;
    } rows[] = {{0, 2}, {270, 3}, {180, 0}, {90, 1}};
    SCreature& person = AddPerson(17, 16);
    play.UpdatePersonsInView();
    for (const auto& row : rows) {
        Stand(17, 17, row.heading);
        person.state = 0x60 | 0x80;
        person.displayTimer = 4;
        play.TurnPersonToPlayer(person);
        const SPerson* record = play.FindPerson(person);
        EXPECT_EQ(record->state, SPerson::kWaiting);
        EXPECT_EQ(record->facing, row.facing) << "heading " << row.heading;
        EXPECT_EQ(person.displayTimer, 0);
        EXPECT_EQ(person.state & 0xE0, 0) << "no pose left";
        for (int i = 0; i < 4; ++i) play.TickPersons();
        EXPECT_EQ(FacingSideOf(person), row.facing) << "after any turn between";
        // The creature's own facing is what its picture and a use read: the player sees its face,
        // so a use talks instead of asking to steal.
        EXPECT_EQ((FacingOf(person) - HeadingQuarter(int(row.heading)) + 4) % 4, 2) << "heading " << row.heading;
    }
}

TEST_F(PersonsTest, theStealChanceFollowsTheSkillAgainstTheDifficultyAndThoseAround) {
    townsman->m_copied[1] = 30;
    SCreature& target = AddPerson(17, 16);
    const struct {
        int skill;
        int around;
        int chance;
    } rows[] = {{30, 1, 95}, {29, 1, 55}, {30, 3, 85}, {0, 2, 50}};
    for (const auto& row : rows) {
        game.m_player.AddSkillValue(kStealth, row.skill - game.m_player.SkillValue(kStealth), false);
        ASSERT_EQ(game.m_player.SkillValue(kStealth), row.skill);
        play.AskSteal(*play.m_currentMap, target);
        EXPECT_EQ(play.StealChance(row.around), row.chance) << row.skill << "/" << row.around;
        play.ClearEvents();
    }
}

// The chance in words at 95, 85, 55 and 35, with the warning once anyone else is within 2 cells.
TEST_F(PersonsTest, theQuestionSaysTheChanceInWordsAndWarnsOfPeopleAround) {
    SCreature& target = AddPerson(17, 16);
    play.UpdatePersonsInView();
    const struct {
        int difficulty;
        int others;
        const char* text;
    } rows[] = {
        {0, 0, "Do you try to steal (chance: very good)?"},
        {0, 2, "There are people around.\rDo you try to steal (chance: good)?"},
        {50, 0, "Do you try to steal (chance: average)?"},
        {50, 4, "There are people around.\rDo you try to steal (chance: slight)?"},
    };
    std::vector<SCreature*> others;
    for (const auto& row : rows) {
        townsman->m_copied[1] = uint8_t(row.difficulty);
        for (SCreature* other : others) play.RemoveCreatureFromCell(*play.m_currentMap, *other);
        others.clear();
        for (int i = 0; i < row.others; ++i) others.push_back(&AddPerson(15 + i, 18));
        play.AskSteal(*play.m_currentMap, target);
        EXPECT_EQ(play.SubMode(), SPlaySubMode::kStealQuestion);
        const auto* box = dynamic_cast<const SDialogMessage*>(play.m_child);
        ASSERT_TRUE(box != nullptr && box->m_textCtrl != nullptr);
        EXPECT_EQ(TextCtrlLines(*box->m_textCtrl), row.text) << row.difficulty << "/" << row.others;
        // No lets the person go on, turned to the player.
        play.OnCommand(SDialogMessage::kNo);
        EXPECT_EQ(play.SubMode(), SPlaySubMode::kFree);
        EXPECT_EQ(play.FindPerson(target)->state, SPerson::kWaiting);
    }
}

TEST_F(PersonsTest, aSuccessfulTryTakesAPieceOfThePersonsGoods) {
    auto bread = MakeItemType("base_bread", 8, 1, "Bread");
    SCreature& target = AddPerson(17, 16);
    SItemList* goods = play.m_currentMap->AddItemList();
    ASSERT_NE(goods, nullptr);
    target.containerId = goods->m_id;
    goods->Add(std::make_unique<SItem>(*bread));
    play.UpdatePersonsInView();
    const uint32_t uses = game.m_player.UseCount(kStealth);
    // Alone with the person and skilled enough, the chance is 95: a handful of tries succeeds.
    for (int tries = 0; tries < 20 && goods->Count() > 0; ++tries) {
        play.ClearEvents();
        play.AskSteal(*play.m_currentMap, target);
        play.OnCommand(SDialogMessage::kYes);
    }
    EXPECT_EQ(goods->Count(), 0);
    EXPECT_EQ(openMessage(), "You have stolen Bread.");
    EXPECT_EQ(game.m_player.Pack().Count(), 1);
    EXPECT_GT(game.m_player.UseCount(kStealth), uses);

    play.ClearEvents();
    for (int tries = 0; tries < 20 && openMessage() != "There's nothing to steal!"; ++tries) {
        play.ClearEvents();
        play.AskSteal(*play.m_currentMap, target);
        play.OnCommand(SDialogMessage::kYes);
    }
    EXPECT_EQ(openMessage(), "There's nothing to steal!");
}

// Caught: a message, crime up by 2, fame down by 2 but never past -1000, and the person looks.
TEST_F(PersonsTest, aCaughtThiefLosesFameDownToTheFloorAndGainsCrime) {
    townsman->m_copied[1] = 100;
    SCreature& target = AddPerson(17, 16);
    for (int i = 0; i < 8; ++i) AddPerson(15 + i % 5, 18 + i / 5);
    play.UpdatePersonsInView();
    game.m_player.AddFame(-999);
    for (int tries = 0; tries < 50 && openMessage() != "You failed!"; ++tries) {
        play.ClearEvents();
        play.AskSteal(*play.m_currentMap, target);
        play.OnCommand(SDialogMessage::kYes);
    }
    ASSERT_EQ(openMessage(), "You failed!");
    EXPECT_EQ(game.m_player.Fame(), -1000);
    EXPECT_EQ(game.m_player.Crime(), 2u);
    EXPECT_EQ(play.FindPerson(target)->state, SPerson::kWaiting) << "the person turns to the player";
}

TEST_F(PersonsTest, onlyAPersonInViewIsAskedAbout) {
    SCreature& near = AddPerson(17, 16);
    SCreature& away = AddPerson(30, 30);
    play.UpdatePersonsInView();
    play.QueueStealQuestion(*play.m_currentMap, away);
    EXPECT_TRUE(play.Events().empty());
    play.QueueStealQuestion(*play.m_currentMap, near);
    ASSERT_EQ(play.Events().size(), 1u);
    EXPECT_EQ(play.Events().back()->type, SGameEvent::kStealQuestion);
    EXPECT_FALSE(play.HasPendingMessage());
    play.QueueMessage("Hello", 0, nullptr);
    EXPECT_TRUE(play.HasPendingMessage());
}

// Twenty townspeople in view are all kept and keep walking about; what their tick costs is
// measured in bench/persons_bench.cpp.
TEST_F(PersonsTest, twentyPersonsInViewAreAllKeptWhileTheyTick) {
    for (int i = 0; i < 20; ++i) AddPerson(11 + (i % 5) * 3, 11 + (i / 5) * 3);
    play.UpdatePersonsInView();
    ASSERT_EQ(play.Persons().size(), 20u);
    for (int i = 0; i < 2000; ++i) play.TickPersons();
    EXPECT_EQ(play.Persons().size(), 20u);
}

TEST(TravelWordsTest, transitionKindsAreWholeWordsInAnyCase) {
    const struct {
        const char* text;
        int kind;
    } rows[] = {{"teleport", 1}, {"HOLE", 2},      {"Fall", 3},      {"ladderdown", 4}, {"ladder down", 4},
                {"LadderUp", 5}, {"ladder up", 5}, {"stairdown", 6}, {"stair down", 6}, {"stairup", 7},
                {"STAIR UP", 7}, {"stairs", 0},    {"", 0},          {nullptr, 0},      {"teleport ", 0}};
    for (const auto& row : rows) EXPECT_EQ(ParseTransitionKind(row.text), row.kind) << (row.text ? row.text : "null");
}

TEST(TravelWordsTest, directionLettersGiveTheQuarter) {
    const struct {
        const char* text;
        int quarter;
    } rows[] = {{"north", 0}, {"W", 1}, {"south", 2}, {"East", 3}, {"x", 0}, {"", 0}, {nullptr, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(ParseDirectionLetter(row.text), row.quarter) << (row.text ? row.text : "null");
}

}  // namespace

}  // namespace persons_test
