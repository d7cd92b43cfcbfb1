// The monsters' turn on the tests' own grid: what each creature decides, where it steps, how it
// walks and attacks frame by frame, and how it moves from cell to cell and section to section.
#include <gtest/gtest.h>

#include <string>

#include "data/map_objects/map_object_type_table.h"
#include "data/maps/creature_effects.h"
#include "screens/play/combat_fixture.h"
#include "screens/play/monster_steps.h"

namespace monster_turns_test {

namespace {

using Action = SActingMonster::Action;

// Every candidate step goes one cell along the side it names, north always as side 0, and each
// direction's steps lead towards the player (or stop).
TEST(MonsterStepTable, everyStepGoesAlongItsSideAndNorthIsSideZero) {
    const int kDx[4] = {0, -1, 0, 1}, kDy[4] = {-1, 0, 1, 0};
    for (int direction = 0; direction < 8; ++direction)
        for (int preference = 0; preference < 2; ++preference)
            for (int i = 0; i < monster_steps::kCandidates; ++i) {
                const monster_steps::SStepChoice& step = monster_steps::Candidate(direction, preference, i);
                if (step.dx == 0 && step.dy == 0) continue;
                EXPECT_EQ(step.dx, kDx[step.side]) << direction << "/" << preference << "/" << i;
                EXPECT_EQ(step.dy, kDy[step.side]) << direction << "/" << preference << "/" << i;
            }
    EXPECT_EQ(monster_steps::Direction(0, -1), 0);
    EXPECT_EQ(monster_steps::Direction(1, -1), 1);
    EXPECT_EQ(monster_steps::Direction(1, 1), 3);
    EXPECT_EQ(monster_steps::Direction(-1, 0), 6);
    EXPECT_EQ(monster_steps::SlotOffset(monster_steps::SSlotPlace::SecondSmall, 3).y, 45056);
    EXPECT_EQ(monster_steps::InsideEdges(0), 65000);
    EXPECT_EQ(monster_steps::InsideEdges(65536), 535);
}

class MonsterTurnTest : public CombatTest {};

// What a creature decides by where it stands, how it attacks, its temper, paralysis, health and
// the generator's rolls; the player stands at (10, 10).
TEST_F(MonsterTurnTest, theActionFollowsPlaceAttackTemperAndRolls) {
    struct Row {
        const char* name;
        uint8_t id;
        int x, y;
        int hpPercent;
        uint8_t state;
        bool paralysed;
        std::vector<std::function<bool(int)>> rolls;
        uint8_t action;
    };
    auto below = [](int n) { return [n](int roll) { return roll < n; }; };
    auto atLeast = [](int n) { return [n](int roll) { return roll >= n; }; };
    const uint8_t angry = SCreature::kAggressive;
    const Row rows[] = {
        {"a peaceful brute stays", kMelee, 11, 10, 100, 0, false, {}, Action::kStay},
        {"a paralysed brute stays", kMelee, 11, 10, 100, angry, true, {}, Action::kStay},
        {"a brute beside strikes", kMelee, 11, 10, 100, angry, false, {}, Action::kStrike},
        {"a weak brute backs off on a low roll", kMelee, 10, 11, 20, angry, false, {below(40)}, Action::kBackOff},
        {"a weak brute strikes on a high roll", kMelee, 10, 11, 20, angry, false, {atLeast(40)}, Action::kStrike},
        {"a brute in line closes in", kMelee, 13, 10, 100, angry, false, {}, Action::kCloseInRanged},
        {"a brute off the lines closes in", kMelee, 12, 13, 100, angry, false, {}, Action::kCloseIn},
        {"an archer in line shoots", kArcher, 10, 15, 100, angry, false, {}, Action::kStrike},
        {"an archer off the lines closes in", kArcher, 13, 12, 100, angry, false, {}, Action::kCloseInRanged},
        {"an archer beside steps back on a low roll", kArcher, 9, 10, 100, angry, false, {below(30)}, Action::kBackOff},
        {"an archer beside shoots on a high roll", kArcher, 9, 10, 100, angry, false, {atLeast(30)}, Action::kStrike},
        {"a caster in line casts", kCaster, 6, 10, 100, angry, false, {}, Action::kCast},
        {"a caster beside casts on high rolls", kCaster, 10, 9, 100, angry, false, {atLeast(30)}, Action::kCast},
    };
    for (const Row& row : rows) {
        SActingMonster record = Record(row.id, row.x, row.y);
        record.creature->state = row.state;
        record.creature->hp = int16_t(20 * row.hpPercent / 100);
        play.m_currentMap->Effects().RemoveTimed(row.id, kEffectParalyze);
        if (row.paralysed) play.m_currentMap->Effects().AddTimed(row.id, 1, 5, kEffectParalyze, 0, nullptr);
        RollsThat(row.rolls);
        play.DecideAction(record, 10, 10);
        EXPECT_EQ(int(record.action), int(row.action)) << row.name;
        grid.Cell(row.x, row.y).creatures[0] = 0;
    }
}

// A creature in the way stops an archer's line of fire: it closes in instead.
TEST_F(MonsterTurnTest, aCreatureInTheLineOfFireMakesAnArcherCloseIn) {
    SActingMonster record = Record(kArcher, 10, 15);
    Put(4, 10, 13);
    play.DecideAction(record, 10, 10);
    EXPECT_EQ(int(record.action), int(Action::kCloseInRanged));
}

// With all three of its steps blocked a walker stays where it is.
TEST_F(MonsterTurnTest, aWalkerWithEveryStepBlockedStays) {
    SActingMonster record = Record(kMelee, 10, 7);
    record.action = Action::kCloseInRanged;
    for (auto [x, y] : {std::pair(10, 8), std::pair(9, 7), std::pair(11, 7)}) {
        grid.Cell(x, y).creatures[0] = 5;
        grid.Cell(x, y).creatures[1] = 6;
    }
    play.ChooseStep(record, 10, 10);
    EXPECT_EQ(int(record.action), int(Action::kStay));
    EXPECT_EQ(record.targetX, 10);
    EXPECT_EQ(record.targetY, 7);

    grid.Cell(9, 7) = {};
    record.action = Action::kCloseInRanged;
    play.ChooseStep(record, 10, 10);
    EXPECT_EQ(int(record.action), int(Action::kCloseInRanged)) << "one way open";
    EXPECT_EQ(record.targetX, 9);
    EXPECT_EQ(record.targetY, 7);
}

// Two walkers heading for one cell share it, one in each place; with a third creature standing
// there the second finds it full and tries its next step.
TEST_F(MonsterTurnTest, twoWalkersShareACellThatAThirdFills) {
    for (bool third : {false, true}) {
        grid.Cell(9, 9) = {};
        if (third) Put(4, 9, 9);
        auto a = std::make_unique<SActingMonster>(Record(kMelee, 8, 9));
        auto b = std::make_unique<SActingMonster>(Record(5, 9, 8));
        a->action = b->action = Action::kCloseIn;
        SActingMonster& first = *a;
        SActingMonster& second = *b;
        play.m_actingMonsters.push_back(std::move(a));
        play.m_actingMonsters.push_back(std::move(b));
        play.ChooseStep(first, 10, 10);
        play.ChooseStep(second, 10, 10);
        EXPECT_EQ(std::pair(int(first.targetX), int(first.targetY)), std::pair(9, 9));
        EXPECT_EQ(first.slotChoice, third ? 1 : 0);
        if (third) {
            EXPECT_NE(std::pair(int(second.targetX), int(second.targetY)), std::pair(9, 9)) << "the cell is full";
        } else {
            EXPECT_EQ(std::pair(int(second.targetX), int(second.targetY)), std::pair(9, 9));
            EXPECT_EQ(second.slotChoice, 1);
        }
        play.ClearActingMonsters();
        grid.Cell(8, 9) = {};
        grid.Cell(9, 8) = {};
    }
}

// A one-cell walk takes 8 frames, 4 in fast mode, and moves the creature into its new cell; an
// attack leaves a pause of 6 frames, 3 in fast mode, before the next may start.
TEST_F(MonsterTurnTest, aWalkTakesEightFramesOrFourWhenFast) {
    for (uint32_t fast : {0u, 1u}) {
        play.m_fast = fast;
        grid.Cell(12, 10) = {};
        grid.Cell(13, 10) = {};
        SActingMonster record = Record(kMelee, 13, 10);
        record.action = Action::kCloseIn;
        record.targetX = 12;
        record.dx = -1;
        grid.sprites[record.creature->displaySlot].m_x = 32768;
        grid.sprites[record.creature->displaySlot].m_y = 32768;
        play.StartWalk(record);
        int frames = 1;
        while (!play.StepMonster(record) && frames < 20) ++frames;
        EXPECT_EQ(frames, fast != 0 ? 4 : 8);
        EXPECT_EQ(grid.Cell(12, 10).creatures[0], kMelee) << "in its new cell";
        EXPECT_EQ(grid.Cell(13, 10).creatures[0], 0);
        EXPECT_EQ(record.creature->x, 12);
        EXPECT_EQ(record.creature->displayTimer, 0) << "the walking pose ends with the walk";

        play.ClearActingMonsters();
        auto striker = std::make_unique<SActingMonster>(Record(4, 10, 11));
        striker->action = Action::kStrike;
        play.m_actingMonsters.push_back(std::move(striker));
        play.m_attackPause = 0;
        play.MonsterTurnTick();
        EXPECT_EQ(play.m_attackPause, fast != 0 ? 2 : 5) << "set to 3 or 6, one frame gone";
        EXPECT_EQ(play.ActingMonsters().front()->action, Action::kAttackDone);
        EXPECT_EQ(play.ActingMonsters().front()->creature->displayTimer, 8) << "the wind-up";
        play.ClearActingMonsters();
        grid.Cell(10, 11) = {};
    }
}

// A diagonal step crosses the cell beside its target first; when that cell is a wall the walk ends
// where it began instead of passing through the wall's corner.
TEST_F(MonsterTurnTest, aDiagonalStepNeverCutsThroughAWallCorner) {
    SMapObjectTypeTable types;
    std::unique_ptr<SMapObjectType> wall = types.CreateType(5);
    for (const bool walled : {false, true}) {
        grid.Cell(12, 10) = {};
        grid.Cell(13, 10) = {};
        grid.Cell(12, 9) = {};
        grid.Cell(12, 10).centreType = walled ? wall.get() : nullptr;
        SActingMonster record = Record(kMelee, 13, 10);
        record.action = Action::kCloseIn;
        record.targetX = 12;
        record.targetY = 9;
        record.dx = -1;
        record.dy = -1;
        grid.sprites[record.creature->displaySlot].m_x = 32768;
        grid.sprites[record.creature->displaySlot].m_y = 32768;
        play.StartWalk(record);
        for (int frames = 0; frames < 20 && !play.StepMonster(record); ++frames) {
        }
        EXPECT_EQ(grid.Cell(12, 10).creatures[0], 0) << "never inside the wall";
        EXPECT_EQ(std::pair(int(record.currentX), int(record.currentY)), walled ? std::pair(13, 10) : std::pair(12, 9))
            << (walled ? "walled" : "open");
        grid.Cell(12, 9) = {};
        grid.Cell(13, 10) = {};
    }
    grid.Cell(12, 10) = {};
}

// Below ground the walkers move with the player's step, all or none: one beside the player or one
// that would attack keeps every one back.
TEST_F(MonsterTurnTest, belowGroundEveryWalkerMovesWithTheStepOrNone) {
    Put(kMelee, 10, 4);
    Put(4, 4, 10);
    play.StartMonsterTurn(true, 11, 10);
    EXPECT_EQ(play.m_stepReaction, 1u);
    EXPECT_EQ(play.ActingMonsters().size(), 2u) << "both walk along";
    for (const auto& record : play.ActingMonsters()) EXPECT_TRUE(SActingMonster::Walks(record->action));
    play.ClearActingMonsters();
    play.m_stepReaction = 0;

    Put(5, 11, 11);
    play.StartMonsterTurn(true, 11, 10);
    EXPECT_EQ(play.m_stepReaction, 0u);
    EXPECT_TRUE(play.ActingMonsters().empty()) << "one beside the player: none moves";
}

class SectionMoveTest : public CombatTest {
protected:
    // The current section at grid (7, 7), its eastern neighbour at (28, 7).
    void EnterSections(const std::string& eastLevel) {
        ASSERT_TRUE(OpenMaps({{"base_s0101", "Fields", "surface\ncreature base_brute 20 5\n"},
                              {"base_s0201", "East fields", "surface\n" + eastLevel}}))
            << error;
        fields = Use("base_s0201");
        east = fields;
        grid.origins[east] = {28, 7};
        fields = Use("base_s0101");
        grid.origins[fields] = {7, 7};
        play.m_sectionMaps = {};
        play.m_sectionMaps[4] = fields;
        play.m_sectionMaps[5] = east;
        Stand(20, 12, 0);
    }
    SActingMonster Walker() {
        SActingMonster record;
        record.creature = fields->FindCreature(1);
        record.creature->displaySlot = 1;
        record.map = fields;
        record.startX = record.currentX = 27;
        record.startY = record.currentY = 12;
        grid.Cell(27, 12).creatures[0] = 1;
        return record;
    }
    SMap* fields = nullptr;
    SMap* east = nullptr;
};

// Over a section's edge the creature joins the other map with a new id, its place wrapped into
// that section and its effects going with it.
TEST_F(SectionMoveTest, aCreatureCrossingIntoAnotherSectionTakesANewIdAndItsEffects) {
    EnterSections("creature base_brute 3 3\n");
    SActingMonster record = Walker();
    SCreature* creature = record.creature;
    fields->Effects().AddTimed(1, 2, 9, kEffectPoison, 0, nullptr);
    ASSERT_TRUE(play.CanStepTo(record, 27, 12, 28, 12));
    ASSERT_TRUE(play.MoveCreature(record, 27, 12, 1, 0));
    EXPECT_EQ(fields->FindCreature(1), nullptr);
    EXPECT_EQ(creature->id, 2) << "id 1 is taken in the east";
    EXPECT_EQ(east->FindCreature(2), creature);
    EXPECT_EQ(record.map, east);
    EXPECT_EQ(creature->x, 0) << "20 + 1 wraps to 0";
    EXPECT_EQ(creature->y, 5);
    EXPECT_EQ(grid.Cell(28, 12).creatures[0], 2);
    EXPECT_EQ(grid.Cell(27, 12).creatures[0], 0);
    EXPECT_EQ(fields->Effects().Find(1), nullptr);
    EXPECT_EQ(east->Effects().Sum(2, kEffectPoison), 2);
}

// A map with every creature id taken turns the walker back: it stays, id and all.
TEST_F(SectionMoveTest, aFullMapLeavesTheCreatureWhereItWas) {
    std::string crowd;
    for (int i = 0; i < 255; ++i) crowd += "creature base_brute 3 3\n";
    EnterSections(crowd);
    SActingMonster record = Walker();
    EXPECT_FALSE(play.MoveCreature(record, 27, 12, 1, 0));
    EXPECT_EQ(fields->FindCreature(1), record.creature);
    EXPECT_EQ(record.creature->id, 1);
    EXPECT_EQ(record.creature->x, 20);
    EXPECT_EQ(grid.Cell(27, 12).creatures[0], 1);
    EXPECT_EQ(grid.Cell(28, 12).creatures[0], 0);
}

// A creature bound to a map object never leaves its section, though the next cell is free.
TEST_F(SectionMoveTest, aCreatureBoundToAnObjectStaysInItsSection) {
    EnterSections("");
    SActingMonster record = Walker();
    EXPECT_TRUE(play.CanStepTo(record, 27, 12, 28, 12));
    record.creature->ownerId = 1;
    EXPECT_FALSE(play.CanStepTo(record, 27, 12, 28, 12));
    EXPECT_TRUE(play.CanStepTo(record, 27, 12, 26, 12)) << "within its own section";
}

}  // namespace

}  // namespace monster_turns_test
