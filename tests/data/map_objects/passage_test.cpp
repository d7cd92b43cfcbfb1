// Teleports, stairs, holes and blocks sending the player on; traps springing; the records of
// passages, blocks and groups.
#include <gtest/gtest.h>

#include "data/map_objects/map_object_play_fixture.h"
#include "data/map_objects/object_events.h"
#include "data/map_objects/passages/map_object_trap.h"
#include "data/maps/map.h"

namespace passage_test {

namespace {

class PassageTest : public MapObjectPlayTest {
protected:
    void Fire(const char* name, uint32_t event, SPlacedObject& object) {
        bool changed = false;
        EXPECT_EQ(Type(name).OnEvent(event, &map, &object, &cell, 3, 4, changed), 0) << name;
    }
    SObjectTypeRecord Build(const char* name, SPlacedObject* object, uint16_t& light) {
        SObjectTypeRecord record;
        Type(name).BuildCellRecord(object, cell, record, light);
        return record;
    }

    SMap map{nullptr};
    SMapCell cell;
};

// Which event sends the player, by which kind, asked or not, from each class.
TEST_F(PassageTest, eachPassageSendsThePlayerByItsKind) {
    struct Row {
        const char* label;
        const char* name;
        uint32_t event;
        uint16_t typeFlags;
        uint8_t objectFlags;
        uint16_t state;
        const char* text;
        const char* request;  // "" for none
    };
    const uint8_t on = SPlacedObject::kVisible, off = SPlacedObject::kVisible | SPlacedObject::kClosed;
    const uint16_t leads = SMapObjectType::kLeadsSomewhere;
    const Row rows[] = {
        {"teleport queues", "teleport", kSteppedOn, 0, on, 0, "gate2", "queue gate2 1"},
        {"teleport asks", "teleport", kSteppedOn, 0, on, 0, "Enter?#gate2", "ask Enter? / gate2 1 1"},
        {"teleport off", "teleport", kSteppedOn, 0, off, 0, "gate2", ""},
        {"teleport used", "teleport", kUsed, 0, on, 0, "gate2", ""},
        {"teleport, leading #", "teleport", kSteppedOn, 0, on, 0, "#gate2", ""},
        {"teleport, no text", "teleport", kSteppedOn, 0, on, 0, "", ""},
        {"stair up", "stair", kUsed, 0, on, 0, "top", "travel top 7"},
        {"stair down", "stair", kUsed, 0, on, 1, "cellar", "travel cellar 6"},
        {"stair down asks", "stair", kUsed, 0, on, 1, "Down?#cellar", "ask Down? / cellar 6 0"},
        {"stair stepped on", "stair", kSteppedOn, 0, on, 0, "top", ""},
        {"open hole", "hole", kSteppedOn, leads, on, 0, "pit", "travel pit 4"},
        {"closed hole", "hole", kSteppedOn, leads, off, 0, "pit", "travel pit 2"},
        {"open hole asks", "hole", kSteppedOn, leads, on, 0, "Jump?#pit", "ask Jump? / pit 4 1"},
        {"closed hole asks", "hole", kSteppedOn, leads, off, 0, "Jump?#pit", "ask Jump? / pit 3 1"},
        {"hole leading nowhere", "hole", kSteppedOn, 0, on, 0, "pit", ""},
        {"block", "block", kUsed, leads, on, 0x0F5, "altar", "travel altar 5"},
        {"block asks", "block", kUsed, leads, on, 3, "Pray?#altar", "ask Pray? / altar 3 0"},
        {"block leading nowhere", "block", kUsed, 0, on, 3, "altar", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        screen.requests.clear();
        Type(row.name).m_flags = row.typeFlags;
        SPlacedObject object;
        object.flags = row.objectFlags;
        object.state = row.state;
        object.textA.Assign(row.text);
        Fire(row.name, row.event, object);
        EXPECT_EQ(screen.requests, row.request[0] ? std::vector<std::string>{row.request} : std::vector<std::string>{});
    }
}

TEST_F(PassageTest, aStairIsNeverWalkableAndPassagesNeverBlock) {
    SPlacedObject object;
    EXPECT_TRUE(Type("stair").IsBlocking(&object));
    EXPECT_TRUE(Type("stair").IsBlocking(nullptr));
    for (const char* name : {"teleport", "hole", "trap", "group"}) EXPECT_FALSE(Type(name).IsBlocking(&object)) << name;
}

TEST_F(PassageTest, solidBlocksBlockWhereTheyAreThere) {
    SPlacedObject shown, hidden;
    hidden.flags = 0;
    for (const char* name : {"block", "blockanim"}) {
        Type(name).m_flags = 0;
        EXPECT_FALSE(Type(name).IsBlocking(&shown)) << name;
        Type(name).m_flags = SMapObjectType::kSolid;
        EXPECT_TRUE(Type(name).IsBlocking(&shown)) << name;
        EXPECT_TRUE(Type(name).IsBlocking(nullptr)) << name;
        EXPECT_FALSE(Type(name).IsBlocking(&hidden)) << name;
    }
}

// Strength 0 against armour 0: half the steps are escaped, the others graze for Random(5), 0 being
// an escape too; the seeded generator gives the same rolls to the test.
TEST_F(PassageTest, aWeakTrapGrazesAboutHalfTheSteps) {
    SRandom roll;
    roll.Seed(RecordingMapObjectScreen::kSeed);
    std::vector<int32_t> expected;
    constexpr int kSteps = 200;
    for (int k = 0; k < kSteps; ++k) {
        if (roll.Next(100) < 51) continue;
        const int32_t graze = roll.Next(5);
        if (graze > 0) expected.push_back(graze);
    }
    for (int k = 0; k < kSteps; ++k) {
        SPlacedObject trap;
        Fire("trap", kSteppedOn, trap);
        EXPECT_EQ(SMapObjectTrap::Stage(trap), 1);
    }
    EXPECT_EQ(screen.blows, expected);
    EXPECT_GT(expected.size(), kSteps / 4u);
    EXPECT_LT(expected.size(), kSteps / 2u);
    EXPECT_EQ(screen.sounds.size(), size_t(kSteps)) << "the trap sounds every time";
    EXPECT_EQ(screen.sounds.front(), "bsnd_trap@10");
}

TEST_F(PassageTest, aStrongTrapStrikesThroughTheArmourAndADisarmedOneNot) {
    screen.armourClass = 10;
    SPlacedObject trap;
    trap.state = 3 << 8;
    Fire("trap", kSteppedOn, trap);
    EXPECT_EQ(screen.blows, std::vector<int32_t>{20});

    SPlacedObject disarmed;
    disarmed.flags |= SPlacedObject::kClosed;
    disarmed.state = 3 << 8;
    Fire("trap", kSteppedOn, disarmed);
    EXPECT_EQ(screen.blows.size(), 1u);
    EXPECT_EQ(screen.sounds.size(), 1u);
    EXPECT_EQ(SMapObjectTrap::Stage(disarmed), 0);
}

// Under the player the spikes rise stage by stage (with a sound as they start), and at stage 7 they
// are back at rest; away from the player they drop at once.
TEST_F(PassageTest, theSpikesRiseUnderThePlayerAndRest) {
    SPlacedObject trap;
    Fire("trap", kSteppedOn, trap);
    screen.sounds.clear();
    screen.playerCell = &cell;
    cell.centrePalette = &centrePalette;
    const int16_t heights[] = {-8000, -10000, -15000, -20000, -25000, -30000};
    for (int stage = 1; stage < SMapObjectTrap::kLastStage; ++stage) {
        SCOPED_TRACE(stage);
        SObjectTypeRecord record;
        uint16_t light = 256;
        Type("trap").BuildAnimatedCellRecord(&trap, cell, record, light);
        EXPECT_EQ(record.m_kind, 13);
        EXPECT_EQ(record.m_height, uint16_t(heights[stage - 1]));
        EXPECT_EQ(record.m_pictures[3], Picture(2));
        EXPECT_EQ(record.m_x[3], RecordingMapObjectScreen::kSpikeX + 3);
        EXPECT_EQ(SMapObjectTrap::Stage(trap), stage + 1);
    }
    EXPECT_EQ(screen.sounds, std::vector<std::string>{"bsnd_trapback@10"});
    SObjectTypeRecord rest;
    uint16_t light = 256;
    Type("trap").BuildAnimatedCellRecord(&trap, cell, rest, light);
    EXPECT_EQ(SMapObjectTrap::Stage(trap), 0);
    EXPECT_EQ(rest.m_drawCode, 39);

    Fire("trap", kSteppedOn, trap);
    SMapCell elsewhere;
    Type("trap").BuildAnimatedCellRecord(&trap, elsewhere, rest, light);
    EXPECT_EQ(SMapObjectTrap::Stage(trap), 0) << "stepped off before the spikes rose";
}

// Through the frames and back: 3 frames swing 0 1 2 1 0 ...; off, the still picture; without
// pictures, nothing and silence.
TEST_F(PassageTest, aTeleportSwingsThroughItsFramesAndLights) {
    SPlacedObject gate;
    const int frames[] = {2, 3, 4, 3, 2, 3};
    for (uint32_t tick = 0; tick < 6; ++tick) {
        screen.tick = tick;
        uint16_t light = 256;
        const SObjectTypeRecord record = Build("teleport", &gate, light);
        EXPECT_EQ(record.m_pictures[0], Picture(frames[tick])) << tick;
        EXPECT_EQ(record.m_drawCode, 37);
        EXPECT_EQ(record.m_x[0], 0x8000);
        EXPECT_GE(light, 512 + 16);
    }
    screen.outdoor = true;
    screen.SetTime(12, 0);
    uint16_t light = 256;
    Build("teleport", &gate, light);
    EXPECT_EQ(light, 256) << "the sun outshines it";

    gate.flags |= SPlacedObject::kClosed;
    EXPECT_EQ(Build("teleport", &gate, light).m_pictures[0], Picture(1));
    Type("teleport").m_param2 = "bsnd_hum";
    EXPECT_EQ(Type("teleport").GetAmbientSound(&gate, cell), nullptr);
    gate.flags = SPlacedObject::kVisible;
    EXPECT_STREQ(Type("teleport").GetAmbientSound(&gate, cell), "bsnd_hum");

    Type("bareteleport").m_param2 = "bsnd_hum";
    EXPECT_EQ(Type("bareteleport").Frames(), 0);
    EXPECT_EQ(Build("bareteleport", &gate, light).m_pictures[0], 0);
    EXPECT_EQ(Type("bareteleport").GetAmbientSound(&gate, cell), nullptr);
}

// The fire beside a door or stair takes its frames from its own type; one whose code counts no
// frames shows its first picture instead of dividing by 0.
TEST_F(PassageTest, theStairsFireBurnsIndoorsAndByNight) {
    Type("stair").m_linkedType = "fire";
    Type("stair").m_place[0] = 5;
    Type("stair").m_place[1] = 27;
    SPlacedObject stair;
    screen.tick = 4;
    uint16_t light = 256;
    SObjectTypeRecord record = Build("stair", &stair, light);
    EXPECT_EQ(record.m_kind, 3);
    EXPECT_EQ(record.m_pictures[0], Picture(2));
    EXPECT_EQ(record.m_x[0], 44);
    EXPECT_EQ(record.m_pictures[3], Picture(1)) << "the arch: the renderer draws nothing of a frameless record";
    EXPECT_EQ(record.m_pictures[4], Picture(8)) << "frame 4 mod 3 of p7 p8 p9";
    EXPECT_EQ(record.m_pictures[5], Picture(9));
    EXPECT_EQ(record.m_x[4], 5);
    EXPECT_EQ(record.m_x[5], 27);
    EXPECT_GE(light, 256 + 64 + 16);
    EXPECT_EQ(record.m_drawCode, 34);
    EXPECT_STREQ(Type("stair").GetAmbientSound(&stair, cell), "bsnd_fire");

    screen.wallsEastAndWest = true;
    stair.state = 1;
    record = Build("stair", &stair, light);
    EXPECT_EQ(record.m_pictures[0], Picture(3));
    EXPECT_EQ(record.m_drawCode, 33);

    screen.outdoor = true;
    screen.SetTime(12, 0);
    light = 256;
    record = Build("stair", &stair, light);
    EXPECT_EQ(record.m_pictures[4], 0);
    EXPECT_EQ(light, 256);
    EXPECT_EQ(Type("stair").GetAmbientSound(&stair, cell), nullptr);

    screen.outdoor = false;
    Type("stair").m_linkedType = "wall";
    record = Build("stair", &stair, light);
    EXPECT_EQ(record.m_pictures[4], Picture(5)) << "the wall counts no frames";
}

TEST_F(PassageTest, holesLieFlatOrStandShutOrOpen) {
    SPlacedObject hole;
    uint16_t light = 256;
    SObjectTypeRecord record = Build("hole", &hole, light);
    EXPECT_EQ(record.m_kind, 1);
    EXPECT_EQ(record.m_pictures[0], Picture(2));
    EXPECT_EQ(record.m_drawCode, 19);
    hole.flags |= SPlacedObject::kClosed;
    EXPECT_EQ(Build("hole", &hole, light).m_pictures[0], Picture(1));
    Type("hole").m_flags = SMapObjectType::kLiesFlat;
    hole.flags = SPlacedObject::kVisible;
    record = Build("hole", &hole, light);
    EXPECT_EQ(record.m_kind, 7);
    EXPECT_EQ(record.m_pictures[0], Picture(1));
}

TEST_F(PassageTest, blocksAreDrawnByTheirFlags) {
    struct Row {
        uint16_t flags;
        uint16_t kind;
        uint16_t height;
    };
    const Row rows[] = {
        {0, 1, 0},
        {SMapObjectType::kRaised, 1, 10000},
        {SMapObjectType::kLiesFlat, 7, 0},
        {SMapObjectType::kDrawnSolid, 12, 0},
    };
    cell = CentreCell("block");
    for (const Row& row : rows) {
        Type("block").m_flags = row.flags;
        SPlacedObject block;
        uint16_t light = 256;
        const SObjectTypeRecord record = Build("block", &block, light);
        EXPECT_EQ(record.m_kind, row.kind) << row.flags;
        EXPECT_EQ(record.m_height, row.height) << row.flags;
        EXPECT_EQ(record.m_pictures[0], Picture(1));
        EXPECT_EQ(record.m_drawCode, 1);
    }
}

// A block animates by its linked type's frames (codes 7 and 8 count none of their own); an
// animated block by its own. Outdoors by day a night-lit one shows nothing and is silent.
TEST_F(PassageTest, blocksAnimateByTheirLinkedTypeOrTheirOwnFrames) {
    SPlacedObject block;
    screen.tick = 5;
    Type("block").m_linkedType = "fire";
    SObjectTypeRecord record;
    uint16_t light = 256;
    Type("block").BuildAnimatedCellRecord(&block, cell, record, light);
    EXPECT_EQ(record.m_pictures[2], Picture(9)) << "frame 5 mod 3 of the fire";

    Type("block").m_linkedType = nullptr;
    record = {};
    Type("block").BuildAnimatedCellRecord(&block, cell, record, light);
    EXPECT_EQ(record.m_pictures[2], Picture(1)) << "no frames: the still picture, no division by 0";

    Type("blockanim").m_flags = SMapObjectType::kLitAtNight;
    Type("blockanim").m_param2 = "bsnd_crackle";
    record = Build("blockanim", &block, light);
    EXPECT_EQ(record.m_pictures[0], Picture(4)) << "frame 5 mod 3";
    EXPECT_EQ(record.m_drawCode, 1);
    EXPECT_STREQ(Type("blockanim").GetAmbientSound(&block, cell), "bsnd_crackle");
    screen.outdoor = true;
    screen.SetTime(12, 0);
    EXPECT_EQ(Build("blockanim", &block, light).m_pictures[0], 0);
    EXPECT_EQ(Type("blockanim").GetAmbientSound(&block, cell), nullptr);
    screen.SetTime(23, 0);
    block.flags |= SPlacedObject::kClosed;
    EXPECT_EQ(Build("blockanim", &block, light).m_kind, 0) << "off, it is not there";
    EXPECT_EQ(Type("blockanim").GetAmbientSound(&block, cell), nullptr);
}

// Four copies at most, at the first four places the mask marks.
TEST_F(PassageTest, aGroupDrawsTheFirstFourMarkedPlaces) {
    cell = CentreCell("rose");
    cell.centreExtra = 0b1110110;
    SPlacedObject group;
    uint16_t light = 256;
    SObjectTypeRecord record = Build("group", &group, light);
    EXPECT_EQ(record.m_kind, 5);
    const int places[] = {1, 2, 4, 5};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(record.m_pictures[k], Picture(5));
        EXPECT_EQ(record.m_x[k], RecordingMapObjectScreen::kSubX + places[k]);
        EXPECT_EQ(record.m_y[k], RecordingMapObjectScreen::kSubY + places[k]);
    }
    EXPECT_EQ(record.m_pictures[4], 0);
    group.flags |= SPlacedObject::kClosed;
    EXPECT_EQ(Build("group", &group, light).m_pictures[0], Picture(6)) << "picked flowers";

    cell = CentreCell("blockanim");
    cell.centreExtra = 0b11;
    screen.tick = 1;
    record = {};
    Type("group").BuildAnimatedCellRecord(&group, cell, record, light);
    EXPECT_EQ(record.m_pictures[0], Picture(3));
    EXPECT_EQ(record.m_pictures[1], Picture(4)) << "each copy a frame on";
    Type("blockanim").m_param2 = "bsnd_crackle";
    EXPECT_STREQ(Type("group").GetAmbientSound(&group, cell), "bsnd_crackle");
    EXPECT_EQ(Type("group").GetAmbientSound(&group, CentreCell("rose")), nullptr);
}

}  // namespace

}  // namespace passage_test
