// What the player faces: the look along the heading, what stops it and what the panels show.
#include <gtest/gtest.h>

#include "data/map_objects/map_object_type.h"
#include "data/maps/placed_object.h"
#include "data/persons/npc_type.h"
#include "screens/play/play_world_fixture.h"

namespace look_target_test {

namespace {

constexpr uint32_t kEast = 270;
constexpr uint32_t kNorth = 0;

// A cave with the orcs 1 to 3 and a goblin 4, a door 1, a character 2 who is the smith, and an
// object 3 the orc 3 belongs with.
const char* const kCave = R"(object 1 base_door
object 2 base_counter text-a=base_smith
object 3 base_cage
creature base_orc 0 0
creature base_orc 0 0 state=4
creature base_orc 0 0 owner=3
creature base_goblin 0 0
)";

class LookTargetTest : public PlayWorldTest {
protected:
    void SetUp() override {
        orc = AddMonster("base_orc", 20);
        orc->m_displayName.Assign("Orc");
        AddMonster("base_goblin", 10)->m_displayName.Assign("Goblin");
        wall = AddType(5, "base_wall");
        door = AddType(20, "base_doortype");
        character = AddType(12, "base_character");
        ASSERT_NE(Enter(kCave), nullptr);
        auto smith = std::make_unique<SNpcType>();
        smith->name.Set("base_smith");
        smith->texts[0].Assign("Smith Borran");
        game.m_npcTypes.Add(std::move(smith));
        Stand(2, 5, kEast);
    }
    SPlacedObject& object(uint8_t id) { return *play.m_currentMap->FindObject(id); }
    std::string firstPanel() {
        const SLookTarget& target = play.LookTargets()[0];
        return target.shown ? target.text : "-";
    }
    std::string secondPanel() {
        const SLookTarget& target = play.LookTargets()[1];
        return target.shown ? target.text : "-";
    }
    void PutWall(int x, int y) { grid.Cell(x, y).centreType = wall; }

    SMonster* orc = nullptr;
    SMapObjectType* wall = nullptr;
    SMapObjectType* door = nullptr;
    SMapObjectType* character = nullptr;
};

TEST_F(LookTargetTest, theFirstCreatureAheadIsTheTarget) {
    SCreature& hostile = PutCreature(5, 5, 0, 2);
    hostile.hp = 5;
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "Orc");
    const SLookTarget& target = play.LookTargets()[0];
    EXPECT_EQ(target.creature, &hostile);
    EXPECT_TRUE(target.hostile);
    EXPECT_EQ(target.health, 25);
    EXPECT_EQ(secondPanel(), "-");

    play.m_fog.viewDistance = 2;
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "-") << "three cells away lies beyond a view of two";
}

TEST_F(LookTargetTest, wallsAndClosedDoorsEndTheLook) {
    PutCreature(5, 5, 0, 1);
    struct Row {
        const char* what;
        SMapObjectType* type;
        uint8_t objectId;
        uint8_t flags;
        const char* seen;
    };
    const Row rows[] = {
        {"a wall", wall, 0, 0, "-"},
        {"a wall that is there", wall, 3, SPlacedObject::kVisible, "-"},
        {"a hidden wall", wall, 3, 0, "Orc"},
        {"a closed door", door, 1, SPlacedObject::kVisible | SPlacedObject::kClosed, "-"},
        {"an opening door", door, 1, SPlacedObject::kVisible | SPlacedObject::kClosed | SPlacedObject::kOpening, "Orc"},
        {"an open door", door, 1, SPlacedObject::kVisible, "Orc"},
        {"a door without its object", door, 0, 0, "Orc"},
        {"a hidden closed door", door, 1, SPlacedObject::kClosed, "Orc"},
    };
    for (const Row& row : rows) {
        SMapCell& cell = grid.Cell(4, 5);
        cell.centreType = row.type;
        cell.centreId = row.objectId;
        if (row.objectId != 0) object(row.objectId).flags = row.flags;
        play.UpdateLookTarget();
        EXPECT_EQ(firstPanel(), row.seen) << row.what;
    }
}

// A character on the side of a wall that faces the player names itself in the first panel.
TEST_F(LookTargetTest, aCharacterOnTheFacingSideOfAWallIsNamed) {
    PutWall(4, 5);
    SMapCellSide& west = grid.Cell(4, 5).sides[3];
    west.wallType = character;
    west.objectId = 2;
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "Smith Borran");
    EXPECT_EQ(play.LookTargets()[0].health, 100);
    EXPECT_FALSE(play.LookTargets()[0].hostile);

    object(2).flags = 0;
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "-") << "a hidden character";
    object(2).flags = SPlacedObject::kVisible;
    object(2).textA.Assign("base_stranger");
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "-") << "a person the world does not know";

    object(2).textA.Assign("base_smith");
    grid.Cell(4, 5).sides[1] = west;
    grid.Cell(4, 5).ClearSide(3);
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "-") << "the far side is not seen";
}

// The second creature of the cell shows in the second panel; a pick of the second that finds it
// gone falls back to the first.
TEST_F(LookTargetTest, theSecondCreatureShowsBesideTheFirstAndAPickFallsBack) {
    PutCreature(4, 5, 0, 1);
    play.m_targetSlot = 1;
    play.UpdateLookTarget();
    EXPECT_EQ(play.m_targetSlot, 0u);
    EXPECT_EQ(firstPanel(), "Orc");
    EXPECT_EQ(secondPanel(), "-");

    PutCreature(4, 5, 1, 4);
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "Orc");
    EXPECT_EQ(secondPanel(), "Goblin");
    play.m_targetSlot = 1;
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "Goblin");
    EXPECT_EQ(secondPanel(), "Orc");
}

// A creature whose object is hidden is not there for the look, which goes on past it.
TEST_F(LookTargetTest, aCreatureWhoseObjectIsHiddenIsLookedPast) {
    PutCreature(3, 5, 0, 3);
    PutCreature(6, 5, 0, 4);
    object(3).flags = 0;
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "Goblin");
    object(3).flags = SPlacedObject::kVisible;
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "Orc");
}

// A person in the front half of the player's own cell is the one faced; behind the player's
// middle, the look goes on ahead.
TEST_F(LookTargetTest, aPersonInFrontInThePlayersOwnCellIsFaced) {
    AddMonster("base_townsman", 10, 4)->m_displayName.Assign("Townsman");
    SCreature* person = play.m_currentMap->AddCreature(monsters.FindMonster("base_townsman"), 2, 5);
    ASSERT_NE(person, nullptr);
    PutCreature(2, 5, 0, person->id);
    PutCreature(2, 2, 0, 4);
    Stand(2, 5, kNorth);
    struct Row {
        uint16_t x, y;
        const char* seen;
    };
    for (Row row : {Row{0x8000, 0x4000, "Townsman"}, Row{0x8000, 0xC000, "Goblin"}, Row{0x2000, 0x8000, "Goblin"}}) {
        grid.sprites[person->displaySlot].m_x = row.x;
        grid.sprites[person->displaySlot].m_y = row.y;
        play.UpdateLookTarget();
        EXPECT_EQ(firstPanel(), row.seen) << row.x << "," << row.y;
        EXPECT_FALSE(play.LookTargets()[0].hostile) << "people are never hostile";
    }
}

// The look ends at the grid's edge; cells that no map fills stop nothing and hold nothing.
TEST_F(LookTargetTest, theLookEndsAtTheGridsEdgeAndFindsNothingWhereNoMapIs) {
    Stand(33, 5, kEast);
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "-");

    ASSERT_TRUE(OpenMaps({{"base_s0101", "Fields", "surface\ncreature base_orc 3 3\n"}})) << error;
    SMap* fields = Use("base_s0101");
    play.m_sectionMaps[kCurrentSectionSlot] = fields;
    Stand(8, 10, 90);  // looking west, into the empty section slot
    grid.Cell(6, 10).creatures[0] = 1;
    play.UpdateLookTarget();
    EXPECT_EQ(firstPanel(), "-");
}

}  // namespace

}  // namespace look_target_test
