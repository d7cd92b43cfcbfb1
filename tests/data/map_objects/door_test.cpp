// Doors: using them against their lock, key, lockpicks and trap; sliding open and shut; their
// script commands; spells cast at them; their records and sound. Levers and switches.
#include <gtest/gtest.h>

#include <memory>

#include "data/effects/effect.h"
#include "data/map_objects/doors/map_object_door.h"
#include "data/map_objects/map_object_play_fixture.h"
#include "data/map_objects/object_events.h"
#include "data/script_command_ids.h"
#include "data/spells/spell_type.h"

namespace door_test {

namespace {

constexpr int kDoorX = 3;
constexpr int kDoorY = 4;
constexpr uint32_t kDisarm = 19;

class DoorTest : public MapObjectPlayTest {
protected:
    void SetUp() override {
        MapObjectPlayTest::SetUp();
        door().m_param2 = "bsnd_dooropen";
        door().m_param3 = "bsnd_doorclose";
        Type("doubledoor").m_param2 = "bsnd_dooropen";
        Type("doubledoor").m_param3 = "bsnd_doorclose";
        screen.playerColumn = kDoorX;
        screen.playerRow = kDoorY;
        object.flags |= SPlacedObject::kClosed;
        cell = CentreCell("door");
    }

    SMapObjectDoor& door() { return static_cast<SMapObjectDoor&>(Type("door")); }

    void SetMode(int mode, int facing = 0) { cell.centreExtra = uint8_t(facing | mode << 2); }

    bool Fire(uint32_t event, const char* name = "door") {
        bool changed = false;
        EXPECT_EQ(Type(name).OnEvent(event, &map, &object, &cell, kDoorX, kDoorY, changed), 0);
        return changed;
    }

    int Command(int command, int argument = 0, const char* name = "door") {
        std::optional<SScriptValue> result;
        bool changed = false;
        Type(name).ExecuteCommand(&map, &object, kDoorX, kDoorY, command, SScriptValue(argument), SScriptValue(0),
                                  SScriptValue(0), result, changed);
        return result ? result->Number() : -1;
    }

    // Ticks the door until it stops moving; the ticks that took, at most `limit`.
    int TickUntilStill(const char* name, int limit = 100) {
        for (int ticks = 1; ticks <= limit; ++ticks) {
            Type(name).Tick(&object, kDoorX, kDoorY, cell, record);
            if ((object.flags & (SPlacedObject::kOpening | SPlacedObject::kClosing)) == 0) return ticks;
        }
        return limit + 1;
    }
    int Position() const { return record.m_kind >> 10; }
    void SetPositionTo(int position) { record.m_kind = uint16_t((record.m_kind & 0x3FF) | position << 10); }

    SMap map{nullptr};
    SPlacedObject object;
    SMapCell cell;
    SObjectTypeRecord record;
};

// Every way a use can go, from the door's mode, lock, the key and lockpicks the player has, and a
// trap the player sees or not (seen from a third of its level, the skill short below its level).
TEST_F(DoorTest, useGivesTheTextDialogAndSoundOfItsCase) {
    struct Row {
        const char* label;
        bool open;
        int mode;
        int lock;
        bool ownsKey;
        bool lockpick;
        int trap;
        int disarm;
        const char* message;  // "" for none
        const char* choice;   // "" for none
        const char* sound;
        uint8_t movement;  // the flag the door moves by afterwards, 0 for none
    };
    const Row rows[] = {
        {"no handle", false, 0, 0, false, false, 0, 0, "You can't see any method of opening this door.", "",
         "bsnd_ddoorlocked@10", 0},
        {"plain", false, 2, 0, false, false, 0, 0, "", "", "bsnd_dooropen@10", SPlacedObject::kOpening},
        {"trap unseen: 9 is below 30/3", false, 1, 0, false, false, 30, 9, "", "", "bsnd_dooropen@10",
         SPlacedObject::kOpening},
        {"trap seen, skill short", false, 2, 0, false, false, 30, 10, "",
         "The door seems to be trapped.\rYour disarm skill may not be enough. [trapped]", "bsnd_ddoorlocked@10", 0},
        {"trap seen, skill enough", false, 1, 0, false, false, 30, 30, "", "The door seems to be trapped. [trapped]",
         "bsnd_ddoorlocked@10", 0},
        {"locked, key", false, 1, 50, true, true, 30, 30, "", "", "bsnd_lockout@10", SPlacedObject::kOpening},
        {"locked, lockpick", false, 1, 50, false, true, 0, 0, "",
         "The door is locked,\rand you don't have the right key. [lockpick]", "bsnd_ddoorlocked@10", 0},
        {"locked, nothing", false, 1, 50, false, false, 0, 0,
         "The door is locked,\rand you don't have the right key nor any lockpicks.", "", "bsnd_ddoorlocked@10", 0},
        {"locked, nothing, trap seen", false, 1, 50, false, false, 20, 7, "",
         "The door is locked,\rand you don't have the right key nor any lockpicks.\rAlso, it seems to be "
         "trapped...\rYour disarm skill may not be enough. [trapped]",
         "bsnd_ddoorlocked@10", 0},
        {"locked, lockpick, trap seen", false, 1, 50, false, true, 20, 20, "",
         "The door is locked,\rand you don't have the right key.\rAlso, it seems to be trapped... [trapped] "
         "[lockpick]",
         "bsnd_ddoorlocked@10", 0},
        {"open, plain", true, 2, 0, false, false, 0, 0, "", "", "bsnd_doorclose@10", SPlacedObject::kClosing},
        {"open, lockable", true, 1, 50, false, false, 0, 0, "You can't close the door.", "", "bsnd_ddoorlocked@10", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        screen.messages.clear();
        screen.doorChoices.clear();
        screen.sounds.clear();
        screen.lost.clear();
        screen.pack.clear();
        object.flags = row.open ? SPlacedObject::kVisible : SPlacedObject::kVisible | SPlacedObject::kClosed;
        object.SetLockLevel(row.lock);
        object.SetTrapLevel(row.trap);
        object.textA.Assign("base_key");
        if (row.ownsKey) screen.pack = {"base_key"};
        screen.hasLockpick = row.lockpick;
        screen.skills[kDisarm] = row.disarm;
        SetMode(row.mode);

        Fire(kUsed);
        EXPECT_EQ(screen.messages, row.message[0] ? std::vector<std::string>{row.message} : std::vector<std::string>{});
        EXPECT_EQ(screen.doorChoices,
                  row.choice[0] ? std::vector<std::string>{row.choice} : std::vector<std::string>{});
        ASSERT_FALSE(screen.sounds.empty());
        EXPECT_EQ(screen.sounds.front(), row.sound);
        EXPECT_EQ(object.flags & (SPlacedObject::kOpening | SPlacedObject::kClosing), row.movement);
        EXPECT_EQ(screen.lost, row.ownsKey ? std::vector<std::string>{"base_key"} : std::vector<std::string>{});
    }
}

TEST_F(DoorTest, theKeyNamedByNoTextOpensNothing) {
    SetMode(SMapObjectDoor::kLockable);
    object.SetLockLevel(30);
    screen.pack = {""};
    Fire(kUsed);
    EXPECT_TRUE(screen.lost.empty());
    EXPECT_TRUE(object.flags & SPlacedObject::kClosed);
}

// A single door slides 5 a frame, a double door 3, held at 63; the frame after that it stands open.
// Shutting, it comes back down to 0 and clicks shut the frame after.
TEST_F(DoorTest, doorsSlideOpenAndShutAtTheirPace) {
    struct Row {
        const char* name;
        int ticksOpen;
        int ticksShut;
    };
    for (const Row& row : {Row{"door", 14, 14}, Row{"doubledoor", 22, 22}}) {
        SCOPED_TRACE(row.name);
        object.flags = SPlacedObject::kVisible | SPlacedObject::kClosed;
        record = {};
        Command(kOpen, 0, row.name);
        EXPECT_TRUE(Type(row.name).IsBlocking(&object) == false) << "an opening door lets the player through";
        EXPECT_EQ(TickUntilStill(row.name), row.ticksOpen);
        EXPECT_EQ(Position(), SMapObjectDoor::kFullyOpen);
        EXPECT_EQ(object.flags & SPlacedObject::kClosed, 0);
        EXPECT_EQ(Command(kIsOpened, 0, row.name), 1);

        screen.sounds.clear();
        Command(kClose, 0, row.name);
        EXPECT_TRUE(Type(row.name).IsBlocking(&object));
        EXPECT_EQ(TickUntilStill(row.name), row.ticksShut);
        EXPECT_EQ(Position(), 0);
        EXPECT_TRUE(object.flags & SPlacedObject::kClosed);
        EXPECT_EQ(screen.sounds, (std::vector<std::string>{"bsnd_doorclose@10", "bsnd_ddoorcloseok@10"}));
    }
}

TEST_F(DoorTest, closingAnOpeningDoorTurnsItBackAtOnce) {
    Command(kOpen);
    for (int k = 0; k < 4; ++k) door().Tick(&object, kDoorX, kDoorY, cell, record);
    EXPECT_EQ(Position(), 20);
    Command(kClose);
    EXPECT_EQ(object.flags & (SPlacedObject::kOpening | SPlacedObject::kClosing), SPlacedObject::kClosing);
    door().Tick(&object, kDoorX, kDoorY, cell, record);
    EXPECT_EQ(Position(), 15);
    Command(kOpen);
    EXPECT_EQ(object.flags & (SPlacedObject::kOpening | SPlacedObject::kClosing), SPlacedObject::kOpening);
}

TEST_F(DoorTest, openAndCloseCommandsOnlyActWhereTheyChangeSomething) {
    Command(kClose);
    EXPECT_TRUE(screen.sounds.empty()) << "a shut door is not closed again";
    object.flags = SPlacedObject::kVisible;
    Command(kOpen);
    EXPECT_TRUE(screen.sounds.empty()) << "an open door is not opened again";
    EXPECT_EQ(Command(kIsOpened), 1);
}

// The sound fades by a step a cell away, but never out.
TEST_F(DoorTest, theDoorIsHeardByTheCellsBetween) {
    struct Row {
        int column, row;
        const char* sound;
    };
    for (const Row& row :
         {Row{3, 4, "bsnd_dooropen@10"}, Row{0, 0, "bsnd_dooropen@3"}, Row{30, 30, "bsnd_dooropen@1"}}) {
        screen.sounds.clear();
        screen.playerColumn = row.column;
        screen.playerRow = row.row;
        door().Open(object, kDoorX, kDoorY);
        EXPECT_EQ(screen.sounds, std::vector<std::string>{row.sound});
    }
}

// Levels beyond what a door can have are held to it.
TEST_F(DoorTest, lockAndTrapLevelsAreHeldToTheirRange) {
    struct Row {
        int command;
        int argument;
        int getter;
        int stored;
    };
    const Row rows[] = {
        {kSetLockedState, 250, kGetLockedState, 110}, {kSetLockedState, -5, kGetLockedState, 0},
        {kSetLockedState, 47, kGetLockedState, 40},   {kSetTrappedState, 250, kGetTrappedState, 100},
        {kSetTrappedState, -5, kGetTrappedState, 0},  {kSetTrappedState, 101, kGetTrappedState, 100},
    };
    for (const Row& row : rows) {
        Command(row.command, row.argument);
        EXPECT_EQ(Command(row.getter), row.stored) << row.command << " " << row.argument;
    }
    object.SetLockLevel(0);
    object.SetTrapLevel(0);
    Command(kSetLockedState, 250);
    EXPECT_EQ(object.state >> 6 & 15, 11);
    EXPECT_EQ(object.TrapLevel(), 0) << "the lock leaves the trap's bits alone";
}

class DoorSpellTest : public DoorTest {
protected:
    // A spell with one effect of each type, of those strengths at caster level 0.
    void CastWith(std::initializer_list<std::pair<uint8_t, int16_t>> effects) {
        spell = std::make_unique<SSpellType>();
        for (auto [type, strength] : effects) {
            auto* effect = new SEffect;
            effect->m_type = type;
            effect->m_baseMagnitude = strength;
            spell->m_effects.Append(effect);
        }
        screen.spell = spell.get();
        Fire(kSpellCast);
    }

    std::unique_ptr<SSpellType> spell;
};

// Strength S beats a level when Random(S / 10) + 9 S / 10 reaches it: always at 9 S / 10, never
// above S - 1; in between by the roll.
TEST_F(DoorSpellTest, unlockAndDisarmBeatLevelsByTheirStrength) {
    struct Row {
        const char* label;
        int lock, trap;
        int16_t unlock, disarm;
        int lockAfter, trapAfter;
    };
    const Row rows[] = {
        {"both beaten", 40, 40, 50, 45, 0, 0},      {"lock too strong", 60, 30, 50, 50, 60, 0},
        {"trap too strong", 40, 60, 50, 50, 0, 60}, {"weak spell", 10, 10, 5, 5, 10, 10},
        {"nothing to act on", 0, 0, 50, 50, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        object.flags = SPlacedObject::kVisible | SPlacedObject::kClosed;
        screen.doorHighlight = 0;
        object.SetLockLevel(row.lock);
        object.SetTrapLevel(row.trap);
        CastWith({{45, row.unlock}, {44, row.disarm}});
        EXPECT_EQ(object.LockLevel(), row.lockAfter);
        EXPECT_EQ(object.TrapLevel(), row.trapAfter);
        const bool acted = row.lockAfter < row.lock || row.trapAfter < row.trap;
        EXPECT_EQ((object.flags & SMapObjectDoor::kSpellHighlight) != 0, acted);
        EXPECT_EQ(screen.doorHighlight, acted ? 10 : 0);
    }
}

TEST_F(DoorSpellTest, theStrongestEffectOfEachKindCountsAndTheRollDecidesBetween) {
    // 9 x 50 / 10 = 45; lock 40 beaten only by the strongest of the two.
    object.SetLockLevel(40);
    CastWith({{45, 10}, {45, 50}, {44, 100}});
    EXPECT_EQ(object.LockLevel(), 0);

    // Strength 55 against lock 50: beaten unless Random(5) gives 0; the same seed, the same rolls.
    screen.random.Seed(RecordingMapObjectScreen::kSeed);
    SRandom roll;
    roll.Seed(RecordingMapObjectScreen::kSeed);
    int beaten = 0;
    for (int k = 0; k < 40; ++k) {
        object.SetLockLevel(50);
        const bool expected = roll.Next(5) + 49 >= 50;
        CastWith({{45, 55}});
        EXPECT_EQ(object.LockLevel() == 0, expected);
        beaten += expected ? 1 : 0;
    }
    EXPECT_GT(beaten, 0);
    EXPECT_LT(beaten, 40);
}

TEST_F(DoorSpellTest, theHighlightCountsDownWhileTheDoorStandsStill) {
    object.SetLockLevel(20);
    CastWith({{45, 50}});
    for (int k = 0; k < 10; ++k) {
        door().Tick(&object, kDoorX, kDoorY, cell, record);
        EXPECT_TRUE(record.m_kind & SMapObjectDoor::kHighlightBit);
    }
    EXPECT_EQ(screen.doorHighlight, 0);
    door().Tick(&object, kDoorX, kDoorY, cell, record);
    EXPECT_FALSE(record.m_kind & SMapObjectDoor::kHighlightBit);
    EXPECT_FALSE(object.flags & SMapObjectDoor::kSpellHighlight);
}

// Seen across: three leaves placed at 43, 55 and 71 (a single door: the first only) in the frame,
// facing in bits 8..9, open or shut in the top six; from within: the frame's third picture. The
// flames beside the door burn indoors; a fire type counting no frames shows its first picture.
TEST_F(DoorTest, theDoorsRecordShowsItsFrameLeavesAndFlames) {
    cell.upperType = &Type("leaf");
    cell.upperPalette = &wallPalette;
    SetMode(SMapObjectDoor::kPlain, 1);
    Type("doubledoor").m_linkedType = "fire";
    Type("doubledoor").m_place[0] = 3;
    Type("doubledoor").m_place[2] = 8;
    screen.tick = 1;
    uint16_t light = 256;
    record = {};
    Type("doubledoor").BuildCellRecord(&object, cell, record, light);
    EXPECT_EQ(record.m_kind, 3 | 1 << 8);
    EXPECT_EQ(record.m_pictures[3], Picture(1)) << "the frame";
    EXPECT_EQ(record.m_pictures[0], Picture(5)) << "the leaf's second picture";
    EXPECT_EQ(record.m_pictures[1], Picture(5));
    EXPECT_EQ(record.m_palettes[1], wallPalette.slot);
    EXPECT_EQ(record.m_x[2], 71);
    EXPECT_EQ(record.m_pictures[4], Picture(8));
    EXPECT_EQ(record.m_pictures[5], Picture(7)) << "two frames on";
    EXPECT_EQ(record.m_x[4], 3);
    EXPECT_GE(light, 256 + 64 + 16);
    EXPECT_EQ(record.m_drawCode, 15);
    EXPECT_STREQ(Type("doubledoor").GetAmbientSound(&object, cell), "bsnd_fire");
    record = {};
    door().BuildCellRecord(&object, cell, record, light);
    EXPECT_EQ(record.m_pictures[0], Picture(5));
    EXPECT_EQ(record.m_pictures[1], 0) << "a single door has one leaf";
    EXPECT_EQ(record.m_pictures[2], 0);
    EXPECT_NE(record.m_pictures[3], 0) << "its frame";

    object.flags = SPlacedObject::kVisible;
    screen.playerCell = &cell;
    screen.wallsEastAndWest = true;
    record = {};
    Type("doubledoor").BuildCellRecord(&object, cell, record, light);
    EXPECT_EQ(record.m_kind, 9 | 1 << 8 | 0xFC00);
    EXPECT_EQ(record.m_pictures[0], Picture(3));
    EXPECT_EQ(record.m_x[4], 18);
    EXPECT_EQ(record.m_drawCode, 16);

    record = {};
    door().BuildCellRecord(&object, cell, record, light);
    EXPECT_EQ(record.m_pictures[4], 0) << "no linked fire";
    EXPECT_EQ(door().GetAmbientSound(&object, cell), nullptr);
    door().m_linkedType = "wall";
    door().BuildAnimatedCellRecord(&object, cell, record, light);
    EXPECT_EQ(record.m_pictures[4], Picture(5)) << "the wall counts no frames";

    screen.outdoor = true;
    screen.SetTime(12, 0);
    record = {};
    door().BuildAnimatedCellRecord(&object, cell, record, light);
    EXPECT_EQ(record.m_pictures[4], 0) << "out by day";
}

// Sliding, a door facing south shows the west handle near shut: below 20 opening, below 54
// closing.
TEST_F(DoorTest, theHandleTurnsNearShut) {
    door().m_placeA = 4;
    door().m_placeB = 6;
    SetMode(SMapObjectDoor::kPlain, 2);
    Command(kOpen);
    std::vector<int> facings;
    for (int k = 0; k < 5; ++k) {
        door().Tick(&object, kDoorX, kDoorY, cell, record);
        facings.push_back(record.m_pictures[6] - RecordingMapObjectScreen::kHandlePicture);
    }
    EXPECT_EQ(facings, (std::vector<int>{3, 3, 3, 3, 2}));
    EXPECT_EQ(record.m_x[6], 4);
    EXPECT_EQ(record.m_y[6], 6);
    SetPositionTo(60);
    Command(kClose);
    facings.clear();
    for (int k = 0; k < 3; ++k) {
        door().Tick(&object, kDoorX, kDoorY, cell, record);
        facings.push_back(record.m_pictures[6] - RecordingMapObjectScreen::kHandlePicture);
    }
    EXPECT_EQ(facings, (std::vector<int>{2, 2, 3}));
}

TEST_F(DoorTest, aLeverUsedTwiceEndsOffWithTwoSounds) {
    SPlacedObject lever;
    Type("lever").InitInstance(lever);
    EXPECT_TRUE(lever.flags & SPlacedObject::kClosed) << "levers start off";
    for (int k = 0; k < 2; ++k) {
        bool changed = false;
        Type("lever").OnEvent(kUsed, &map, &lever, nullptr, 0, 0, changed);
        EXPECT_TRUE(changed);
    }
    EXPECT_TRUE(lever.flags & SPlacedObject::kClosed);
    EXPECT_EQ(screen.sounds, (std::vector<std::string>{"bsnd_switchlargeon@10", "bsnd_switchlargeoff@10"}));

    SPlacedObject secret;
    Type("secretswitch").InitInstance(secret);
    bool changed = false;
    Type("secretswitch").OnEvent(kUsed, &map, &secret, nullptr, 0, 0, changed);
    Type("secretswitch").OnEvent(kAttacked, &map, &secret, nullptr, 0, 0, changed);
    EXPECT_EQ(screen.sounds.back(), "bsnd_switchsecreton@10") << "only using turns it";
}

TEST_F(DoorTest, switchesShowTheirPositionOnTheirSide) {
    struct Row {
        const char* name;
        bool on;
        int picture, second;
        uint16_t projecting, drawCode;
    };
    const Row rows[] = {
        {"lever", true, 1, 3, 0x8000, 21},
        {"lever", false, 2, 4, 0x8000, 21},
        {"secretswitch", true, 6, 7, 0, 0},
        {"secretswitch", false, 5, 7, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + (row.on ? " on" : " off"));
        SPlacedObject sw;
        if (!row.on) sw.flags |= SPlacedObject::kClosed;
        SMapCell wall = SideCell(row.name, 1);
        SSideOverlayRecord side;
        uint16_t light = 256;
        Type(row.name).BuildSideRecord(&sw, wall, 1, side, light);
        const int e = 3;  // side 1 seen from the cell in front
        EXPECT_EQ(side.m_picture[e], Picture(row.picture));
        EXPECT_EQ(side.m_obliquePicture[e], Picture(row.second));
        EXPECT_EQ(side.m_position[e],
                  PackPlacement(e, SizeOf(row.picture), Type(row.name).m_placeA, Type(row.name).m_place[3]) |
                      row.projecting);
        EXPECT_EQ(side.m_palette[e], wallPalette.slot);
        EXPECT_EQ(side.m_drawCode[e], row.drawCode);
    }
}

TEST_F(DoorTest, aFloorSwitchCountsStepsAndShowsItsPosition) {
    SPlacedObject sw;
    Type("floorswitch").InitInstance(sw);
    EXPECT_FALSE(Type("floorswitch").IsBlocking(&sw));
    bool changed = false;
    Type("floorswitch").OnEvent(kUsed, &map, &sw, nullptr, 0, 0, changed);
    EXPECT_FALSE(changed);
    Type("floorswitch").OnEvent(kSteppedOff, &map, &sw, nullptr, 0, 0, changed);
    EXPECT_TRUE(changed);
    EXPECT_TRUE(sw.flags & SPlacedObject::kClosed) << "the scripts turn it, not the step";

    SMapCell floor = CentreCell("floorswitch");
    SObjectTypeRecord off, on;
    uint16_t light = 256;
    Type("floorswitch").BuildCellRecord(&sw, floor, off, light);
    sw.flags &= uint8_t(~SPlacedObject::kClosed);
    Type("floorswitch").BuildCellRecord(&sw, floor, on, light);
    EXPECT_EQ(off.m_pictures[0], Picture(8));
    EXPECT_EQ(on.m_pictures[0], Picture(9));
    EXPECT_EQ(on.m_x[0], 0x8000);
    EXPECT_EQ(on.m_drawCode, 17);
}

}  // namespace

}  // namespace door_test
