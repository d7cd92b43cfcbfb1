#include "data/maps/creature.h"

#include <gtest/gtest.h>

#include "support/map_fixture.h"
#include "support/record_bytes.h"

namespace creature_test {

namespace {

class CreatureTest : public ::testing::Test {
protected:
    std::unique_ptr<SMonster> ratMonster = MakeMapMonster("base_rat", 30);
    std::unique_ptr<SMonster> smithMonster =
        MakeMapMonster("base_smith", 40, SMonsterBaseType::kKindPeople, SMonster::kFlagDefault);
    SMonster* rat = ratMonster.get();
    SMonster* smith = smithMonster.get();
};

// Each version's record, byte for byte, and what reading it gives back.
TEST_F(CreatureTest, theLevelRecordKeepsItsLayoutAtEachDataVersion) {
    struct Case {
        int version;
        std::vector<uint8_t> bytes;
        int16_t hp;     // as read back
        uint8_t state;  // as read back: data before version 70 has no facing
        uint8_t container;
    };
    const Case cases[] = {
        // Monster name 2, hp 25, id 9, state 0x1A (facing 3, provoked), owner 4, x 5, y 6, container 8.
        {64, {2, 0, 25, 0, 9, 0x1A, 4, 0, 5, 6}, 25, 0x02, 0},
        {65, {2, 0, 25, 0, 9, 0x1A, 4, 0, 0, 5, 6}, 25, 0x02, 0},
        {70, {2, 0, 25, 0, 9, 0x1A, 4, 5, 6}, 25, 0x1A, 0},
        {71, {2, 0, 9, 0x1A, 4, 5, 6}, 0, 0x1A, 0},
        {88, {2, 0, 9, 0x1A, 4, 5, 6}, 0, 0x1A, 0},
        {89, {2, 0, 9, 0x1A, 4, 5, 6, 8}, 0, 0x1A, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        SCreature creature;
        creature.hp = 25;
        creature.id = 9;
        creature.state = 0x1A;
        creature.ownerId = 4;
        creature.x = 5;
        creature.y = 6;
        creature.containerId = 8;
        uint16_t name = 2;
        EXPECT_EQ(WrittenBytes([&](SArchive& a) { creature.SerializeLevel(a, c.version, name); }), c.bytes);

        SCreature read;
        uint16_t readName = 0;
        EXPECT_EQ(ReadBytes(c.bytes, [&](SArchive& a) { read.SerializeLevel(a, c.version, readName); }),
                  int(c.bytes.size()));
        EXPECT_EQ(readName, 2);
        EXPECT_EQ(read.hp, c.hp);
        EXPECT_EQ(read.id, 9);
        EXPECT_EQ(read.state, c.state);
        EXPECT_EQ(read.ownerId, 4);
        EXPECT_EQ(read.x, 5);
        EXPECT_EQ(read.y, 6);
        EXPECT_EQ(read.containerId, c.container);
    }
}

TEST_F(CreatureTest, theSavedStateHoldsOnlyTheFieldsThatAreNotZero) {
    struct Case {
        const char* name;
        SMonster* monster;
        int16_t hp;
        uint8_t state, owner, container, x, y;
        std::vector<uint8_t> bytes;
        int16_t hpRead;
        uint8_t stateRead;
    };
    const Case cases[] = {
        // Id 9, the name aligned to 2, the mask, the aligned hit points and the bytes.
        {"everything", smith, 35, 0x7E, 4, 8, 5, 6, {9, 0, 3, 0, 0x1F, 0, 35, 0, 0x7E, 4, 8, 5, 6}, 35, 0x7E},
        {"onlyThePlace", rat, 0, 0, 0, 0, 0, 6, {9, 0, 3, 0, 0x10, 0, 6}, 0, 0},
        {"nothing", rat, 0, 0, 0, 0, 0, 0, {9, 0, 3, 0, 0x00}, 0, 0},
        // Read back, hit points stop at the monster's most, and a monster keeps no pose.
        {"aMonsterAboveItsMost", rat, 99, 0xFF, 0, 0, 1, 1, {9, 0, 3, 0, 0x13, 0, 99, 0, 0xFF, 1, 1}, 30, 0x07},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SCreature creature;
        creature.monster = c.monster;
        creature.id = 9;
        creature.hp = c.hp;
        creature.state = c.state;
        creature.ownerId = c.owner;
        creature.containerId = c.container;
        creature.x = c.x;
        creature.y = c.y;
        EXPECT_EQ(WrittenBytes([&](SArchive& a) { creature.SaveState(a, 3); }), c.bytes);

        // Read over a creature with every field set: what the mask leaves out comes back as 0.
        SCreature read;
        read.monster = c.monster;
        read.hp = 12;
        read.state = 0x04;
        read.ownerId = 2;
        read.containerId = 2;
        read.x = read.y = 2;
        EXPECT_EQ(ReadBytes(c.bytes,
                            [&](SArchive& a) {
                                uint8_t id = 0;
                                uint16_t name = 0;
                                a.SerializeU8(id);
                                a.SerializeU16(name);
                                read.LoadState(a);
                            }),
                  int(c.bytes.size()));
        EXPECT_EQ(read.hp, c.hpRead);
        EXPECT_EQ(read.state, c.stateRead);
        EXPECT_EQ(read.ownerId, c.owner);
        EXPECT_EQ(read.containerId, c.container);
        EXPECT_EQ(read.x, c.x);
        EXPECT_EQ(read.y, c.y);
    }
}

TEST_F(CreatureTest, hostilityFollowsTheStateAndTheMonsterButNeverForPeople) {
    std::unique_ptr<SMonster> deer = MakeMapMonster("base_deer", 10, 1, SMonster::kFlagDefault);
    SMonster* calm = deer.get();
    struct Case {
        SMonster* monster;
        uint8_t state;
        bool hostile;
    };
    for (const Case& c : {Case{rat, 0, false}, Case{rat, SCreature::kAggressive, true},
                          Case{rat, SCreature::kProvoked, true}, Case{calm, SCreature::kProvoked, false},
                          Case{calm, SCreature::kAggressive, true}, Case{smith, SCreature::kAggressive, false}}) {
        SCreature creature;
        creature.monster = c.monster;
        creature.state = c.state;
        EXPECT_EQ(creature.IsHostile(), c.hostile) << c.monster->m_name.Text() << " " << int(c.state);
    }
    SCreature creature;
    creature.monster = rat;
    creature.state = SCreature::kProvoked | SCreature::kScripted;
    creature.MakeAggressive();
    EXPECT_EQ(creature.state, SCreature::kAggressive | SCreature::kScripted);
    creature.MakePeaceful();
    EXPECT_EQ(creature.state, SCreature::kScripted);
}

TEST_F(CreatureTest, healthIsAPercentageOfTheMostHeldTo0To100) {
    SCreature creature;
    creature.monster = rat;
    for (auto [hp, percent] : {std::pair{15, 50}, {30, 100}, {45, 100}, {-3, 0}, {0, 0}}) {
        creature.hp = int16_t(hp);
        EXPECT_EQ(creature.GetHealthPercent(), percent) << hp;
    }
    creature.hp = 45;
    creature.ClampHp();
    EXPECT_EQ(creature.hp, 30);
    creature.hp = 3;
    creature.ClampHp();
    EXPECT_EQ(creature.hp, 3);
    creature.Heal();
    EXPECT_EQ(creature.hp, 30);
    // A monster of no hit points divides by nothing.
    std::unique_ptr<SMonster> ghost = MakeMapMonster("base_ghost", 0, SMonsterBaseType::kKindUndead);
    creature.monster = ghost.get();
    EXPECT_EQ(creature.GetHealthPercent(), 0);
}

}  // namespace

}  // namespace creature_test
