
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/map_objects/doors/map_object_door.h"
#include "data/map_objects/map_object_fixture.h"
#include "data/map_objects/recording_items.h"
#include "data/maps/map.h"
#include "data/maps/placed_object.h"
#include "data/script_command_ids.h"

namespace object_commands_test {

namespace {

class ObjectCommandsTest : public ::testing::Test {
protected:
    ObjectCommandsTest() { table.SetItems(&items); }

    // Runs the command on the object; the result's number, or -1 when there is none.
    int Run(SMapObjectType& type, SPlacedObject* object, int command, SScriptValue arg1 = SScriptValue(""),
            SScriptValue arg2 = SScriptValue("")) {
        std::optional<SScriptValue> result;
        changed = false;
        EXPECT_EQ(type.ExecuteCommand(&map, object, 3, 4, command, arg1, arg2, SScriptValue(""), result, changed), 0);
        return result ? result->Number() : -1;
    }

    SMapObjectTypeTable table;
    RecordingItems items;
    SMap map{nullptr};
    bool changed = false;
};

// The base command table on a placed object: what each command answers and leaves behind.
TEST_F(ObjectCommandsTest, theBaseCommandsReadAndWriteTheObjectsFlagsAndState) {
    struct Row {
        const char* name;
        int command;
        int argument;
        uint8_t flags;
        uint16_t state;
        int result;  // -1: none
        uint8_t flagsAfter;
        uint16_t stateAfter;
        bool changed;
    };
    constexpr uint8_t visible = SPlacedObject::kVisible, closed = SPlacedObject::kClosed;
    for (Row row : {
             Row{"isopened", kIsOpened, 0, visible, 0, 1, visible, 0, false},
             Row{"isopenedClosed", kIsOpened, 0, visible | closed, 0, 0, visible | closed, 0, false},
             Row{"open", kOpen, 0, visible | closed, 0, -1, visible, 0, false},
             Row{"close", kClose, 0, visible, 0, -1, visible | closed, 0, false},
             Row{"getlockedstate", kGetLockedState, 0, visible, 7 << 6 | 3 << 10, 70, visible, 7 << 6 | 3 << 10, false},
             Row{"setlockedstate", kSetLockedState, 59, visible, 0xF03F, -1, visible, 0xF03F | 5 << 6, false},
             // Past the four bits the level stops at 150 instead of wrapping (250 would give 90).
             Row{"setlockedstateHigh", kSetLockedState, 250, visible, 0, -1, visible, 15 << 6, false},
             Row{"setlockedstateNegative", kSetLockedState, -10, visible, 9 << 6, -1, visible, 0, false},
             Row{"gettrappedstate", kGetTrappedState, 0, visible, 7 << 6 | 3 << 10, 30, visible, 7 << 6 | 3 << 10,
                 false},
             Row{"settrappedstate", kSetTrappedState, 40, visible, 7 << 6 | 15 << 10, -1, visible, 7 << 6 | 4 << 10,
                 false},
             Row{"isvisible", kIsVisible, 0, visible, 0, 1, visible, 0, false},
             Row{"isvisibleHidden", kIsVisible, 0, closed, 0, 0, closed, 0, false},
             Row{"setvisible", kSetVisible, 0, closed, 0, -1, visible | closed, 0, true},
             Row{"sethidden", kSetHidden, 0, visible | closed, 0, -1, closed, 0, true},
             Row{"ison", kIsOn, 0, visible, 0, 1, visible, 0, false},
             Row{"isonOff", kIsOn, 0, visible | closed, 0, 0, visible | closed, 0, false},
             Row{"seton", kSetOn, 0, visible | closed, 0, -1, visible, 0, true},
             Row{"setoff", kSetOff, 0, visible, 0, -1, visible | closed, 0, true},
             // "isdead" gives the bit as it stands: 2, not 1.
             Row{"isdead", kIsDead, 0, visible | closed, 0, 2, visible | closed, 0, false},
             Row{"isdeadAlive", kIsDead, 0, visible, 0, 0, visible, 0, false},
             Row{"unknownInside", 117, 0, visible, 0, -1, visible, 0, false},
             Row{"unknownBelow", 101, 0, visible, 0, -1, visible, 0, false},
             Row{"unknownAbove", 142, 0, visible, 0, -1, visible, 0, false},
         }) {
        SMapObjectType type;
        SPlacedObject object;
        object.flags = row.flags;
        object.state = row.state;
        EXPECT_EQ(Run(type, &object, row.command, SScriptValue(row.argument)), row.result) << row.name;
        EXPECT_EQ(object.flags, row.flagsAfter) << row.name;
        EXPECT_EQ(object.state, row.stateAfter) << row.name;
        EXPECT_EQ(changed, row.changed) << row.name;
    }
}

TEST_F(ObjectCommandsTest, theStateByteIsTheScriptsOwn) {
    SMapObjectType type;
    SPlacedObject object;
    object.state = 0x1234;
    EXPECT_EQ(Run(type, &object, kGetState), 0);
    Run(type, &object, kSetState, SScriptValue(200));
    EXPECT_EQ(Run(type, &object, kGetState), 200);
    EXPECT_EQ(object.state, 0x1234) << "the state word is not the state byte";
}

// Every class that answers no commands itself answers the base ones.
TEST_F(ObjectCommandsTest, aSubclassAnswersTheBaseCommands) {
    auto door = table.CreateType(20);
    ASSERT_NE(dynamic_cast<SMapObjectDoor*>(door.get()), nullptr);
    SPlacedObject object;
    Run(*door, &object, kSetOff);
    EXPECT_EQ(object.flags, SPlacedObject::kVisible | SPlacedObject::kClosed);
    EXPECT_TRUE(changed);
}

TEST_F(ObjectCommandsTest, itemCommandsActOnTheObjectsOwnContainer) {
    auto chest = table.CreateType(14);
    SPlacedObject object;
    object.containerId = 9;
    Run(*chest, &object, kFindItem, SScriptValue("base_key"), SScriptValue(1));
    Run(*chest, &object, kReceiveItem, SScriptValue("base_gold"), SScriptValue(50));
    Run(*chest, &object, kRemoveItem, SScriptValue("base_gold"), SScriptValue(20));
    EXPECT_EQ(Run(*chest, &object, kHasItem, SScriptValue("base_gold")), 5);
    EXPECT_EQ(items.calls, (std::vector<std::string>{"add 9 base_key 1", "add 9 base_gold 50", "remove 9 base_gold 20",
                                                     "count 9 base_gold"}));
}

// Without a container, an object or a map nothing is asked and "hasitem" counts 0.
TEST_F(ObjectCommandsTest, itemCommandsWithoutAContainerDoNothing) {
    auto chest = table.CreateType(14);
    SPlacedObject object;
    for (int command : {kFindItem, kReceiveItem, kRemoveItem}) Run(*chest, &object, command, SScriptValue("base_key"));
    EXPECT_EQ(Run(*chest, &object, kHasItem, SScriptValue("base_key")), 0);
    EXPECT_EQ(Run(*chest, nullptr, kHasItem, SScriptValue("base_key")), 0);
    EXPECT_EQ(Run(*chest, nullptr, kIsOpened), -1);
    object.containerId = 9;
    EXPECT_EQ(chest->CountContainerItem(nullptr, &object, "base_key"), 0u);
    SMapObjectType unbound;
    EXPECT_EQ(Run(unbound, &object, kHasItem, SScriptValue("base_key")), 0) << "no table, no items";
    EXPECT_TRUE(items.calls.empty());
}

TEST_F(ObjectCommandsTest, aPlantWithOnePictureYieldsNoIngredient) {
    auto flower = MakeMapObject(table, 13, "base_rose", {"bres_rose"});
    flower->m_param1 = "base_rosepetal";
    EXPECT_EQ(flower->FindIngredientType(), nullptr);
    flower->m_pictureNames.Append("bres_rosepicked");
    EXPECT_EQ(flower->FindIngredientType(), &items.ingredient);
    EXPECT_EQ(items.calls, (std::vector<std::string>{"ingredient base_rosepetal"}));
    flower->m_param1 = nullptr;
    EXPECT_EQ(flower->FindIngredientType(), nullptr);
}

}  // namespace

}  // namespace object_commands_test
