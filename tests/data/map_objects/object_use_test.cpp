// What walls and plants do when used or attacked, what blocks the way, and the script commands of
// floor decorations.
#include <gtest/gtest.h>

#include "data/map_objects/map_object_play_fixture.h"
#include "data/map_objects/object_events.h"
#include "data/maps/map.h"
#include "data/script_command_ids.h"

namespace object_use_test {

namespace {

class ObjectUseTest : public MapObjectPlayTest {
protected:
    // The event on the object; the changed flag it left.
    bool Fire(const char* name, uint32_t event, SPlacedObject* object) {
        bool changed = false;
        EXPECT_EQ(Type(name).OnEvent(event, &map, object, nullptr, 3, 4, changed), 0) << name;
        return changed;
    }

    SMap map{nullptr};
};

TEST_F(ObjectUseTest, aFlowerIsPickedOnceAndYieldsOneIngredient) {
    Type("rose").m_param1 = "base_rosepetal";
    SPlacedObject rose;
    EXPECT_FALSE(Fire("rose", kAttacked, &rose)) << "only using picks";
    EXPECT_TRUE(Fire("rose", kUsed, &rose));
    EXPECT_TRUE(rose.flags & SPlacedObject::kClosed);
    EXPECT_EQ(screen.given, (std::vector<std::string>{"base_rosepetal x1"}));
    EXPECT_EQ(screen.sounds, (std::vector<std::string>{"bsnd_tearflower@10"}));
    EXPECT_EQ(screen.messages, (std::vector<std::string>{"You have found 1 base_rosepetal."}));

    EXPECT_FALSE(Fire("rose", kUsed, &rose));
    EXPECT_EQ(screen.given.size(), 1u) << "a picked flower yields no more";
    EXPECT_EQ(items.calls, (std::vector<std::string>{"ingredient base_rosepetal"}));
}

TEST_F(ObjectUseTest, aFlowerOfOnePictureOrWithoutAnObjectNeverYields) {
    Type("stone").m_param1 = "base_rosepetal";
    Type("rose").m_param1 = "base_rosepetal";
    SPlacedObject stone;
    EXPECT_FALSE(Fire("stone", kUsed, &stone));
    EXPECT_EQ(stone.flags, SPlacedObject::kVisible);
    EXPECT_FALSE(Fire("rose", kUsed, nullptr)) << "nothing to mark picked, so nothing to pick";
    EXPECT_TRUE(screen.given.empty());
    EXPECT_TRUE(screen.sounds.empty());
    EXPECT_TRUE(screen.messages.empty());
}

// The house answers: the door opens onto the talk, through the city door; closed hours: it stays
// shut.
TEST_F(ObjectUseTest, aCityDoorOpensWhenAnsweredAndStaysShutOtherwise) {
    SPlacedObject door;
    Fire("citydoor", kUsed, &door);
    EXPECT_EQ(screen.talks, (std::vector<std::string>{"citydoor"}));
    EXPECT_EQ(screen.sounds, (std::vector<std::string>{"bsnd_cdooropen@10"}));
    EXPECT_EQ(screen.cityDoorEntries, 1);

    screen.answers = false;
    Fire("citydoor", kUsed, &door);
    EXPECT_EQ(screen.talks.size(), 2u);
    EXPECT_EQ(screen.sounds.back(), "bsnd_cdoorclosed@10");
    EXPECT_EQ(screen.cityDoorEntries, 1);

    Fire("citydoor", kAttacked, &door);
    EXPECT_EQ(screen.talks.size(), 2u) << "only using knocks";
}

// Used, a decoration that leads somewhere travels by its object's text with the kind in its state;
// any other wall decoration shows the text, its markers replaced; a wall-and-floor one says nothing.
TEST_F(ObjectUseTest, usedDecorationsTravelOrShowTheirText) {
    struct Row {
        const char* label;
        const char* name;
        bool leads;
        const char* text;
        uint16_t state;
        const char* request;  // "" for none
        const char* message;  // "" for none
    };
    for (Row row : {
             Row{"plain", "torch", false, "Hello, %name%.", 0, "", "Hello, Ayla."},
             Row{"plainEmpty", "torch", false, "", 0, "", ""},
             Row{"travel", "torch", true, "base_gate", 0x0F, "travel base_gate 7", ""},
             Row{"ask", "torch", true, "Climb down?#base_cellar", 4, "ask Climb down? / base_cellar 4 0", ""},
             Row{"noQuestion", "torch", true, "#base_cellar", 4, "", ""},
             Row{"fountainTravel", "fountain", true, "base_spring", 2, "travel base_spring 2", ""},
             Row{"fountainSilent", "fountain", false, "Cool water.", 0, "", ""},
         }) {
        screen.requests.clear();
        screen.messages.clear();
        SMapObjectType& type = Type(row.name);
        type.m_flags = row.leads ? SMapObjectType::kLeadsSomewhere : 0;
        SPlacedObject object;
        object.textA.Assign(row.text);
        object.state = row.state;
        EXPECT_FALSE(Fire(row.name, kUsed, &object)) << row.label;
        EXPECT_EQ(screen.requests.empty() ? "" : screen.requests[0], std::string(row.request)) << row.label;
        EXPECT_EQ(screen.messages.empty() ? "" : screen.messages[0], std::string(row.message)) << row.label;
        EXPECT_LE(screen.requests.size() + screen.messages.size(), 1u) << row.label;
    }
}

TEST_F(ObjectUseTest, wallDecorationsAddTheirInitialStateToNewObjects) {
    for (const char* name : {"torch", "fountain"}) {
        Type(name).m_initialState = 0x05;
        SPlacedObject object;
        object.state = 0x40;
        Type(name).InitInstance(object);
        EXPECT_EQ(object.state, 0x45) << name;
    }
    SPlacedObject window;
    Type("window").InitInstance(window);
    EXPECT_EQ(window.state, 0);
}

// Trees and bushes block where solid: over a visible object or where the cell names them alone;
// webs and walls of force block only over a visible object that is whole or on.
TEST_F(ObjectUseTest, whatStandsInTheWay) {
    struct Row {
        const char* name;
        bool solid;
        uint8_t flags;  // 0xFF: no object
        bool blocks;
    };
    constexpr uint8_t none = 0xFF, visible = SPlacedObject::kVisible, hidden = 0,
                      closed = SPlacedObject::kVisible | SPlacedObject::kClosed;
    for (
        Row row : {
            Row{"tree", true, none, true},      Row{"tree", true, visible, true},   Row{"tree", true, hidden, false},
            Row{"tree", false, none, false},    Row{"tree", false, visible, false}, Row{"bush", true, none, true},
            Row{"bush", true, closed, true},    Row{"bush", true, hidden, false},   Row{"bush", false, visible, false},
            Row{"web", false, visible, true},   Row{"web", false, closed, false},   Row{"web", false, hidden, false},
            Row{"web", true, none, false},      Row{"force", false, visible, true}, Row{"force", false, closed, false},
            Row{"force", false, hidden, false}, Row{"force", true, none, false},    Row{"pillar", true, visible, false},
            Row{"rose", true, visible, false},
        }) {
        SMapObjectType& type = Type(row.name);
        type.m_flags = row.solid ? SMapObjectType::kSolid : 0;
        SPlacedObject object;
        object.flags = row.flags;
        EXPECT_EQ(type.IsBlocking(row.flags == none ? nullptr : &object), row.blocks)
            << row.name << " solid " << row.solid << " flags " << int(row.flags);
    }
}

// A blow tears a web, and again changes nothing but asks for the cell once more; the web is not
// drawn from inside it.
TEST_F(ObjectUseTest, aWebTearsWhenStruckAndIsNotDrawnFromItsOwnCell) {
    SPlacedObject web;
    EXPECT_FALSE(Fire("web", kUsed, &web));
    EXPECT_TRUE(Fire("web", kAttacked, &web));
    EXPECT_EQ(web.flags, SPlacedObject::kVisible | SPlacedObject::kClosed);
    EXPECT_TRUE(Fire("web", kAttacked, &web));
    EXPECT_EQ(web.flags, SPlacedObject::kVisible | SPlacedObject::kClosed);

    SMapCell cell = CentreCell("web");
    SMapCell elsewhere = CentreCell("web");
    uint16_t light = 256;
    screen.playerCell = &cell;
    SObjectTypeRecord inside;
    Type("web").BuildCellRecord(&web, cell, inside, light);
    EXPECT_EQ(inside.m_kind, 0);
    EXPECT_EQ(inside.m_pictures[0], 0);
    SObjectTypeRecord outside;
    Type("web").BuildCellRecord(&web, elsewhere, outside, light);
    EXPECT_EQ(outside.m_kind, 10);
    EXPECT_EQ(outside.m_pictures[0], Picture(11));

    SMapCell forceCell = CentreCell("force");
    screen.playerCell = &forceCell;
    SObjectTypeRecord force;
    Type("force").BuildCellRecord(nullptr, forceCell, force, light);
    EXPECT_EQ(force.m_kind, 10) << "a wall of force shows from its own cell";
}

// Each build places the bush anew, 32268 + Random(1000) across and along.
TEST_F(ObjectUseTest, aBushStandsOffTheMiddleByTheGamesRolls) {
    SRandom expected;
    expected.Seed(RecordingMapObjectScreen::kSeed);
    SMapCell cell = CentreCell("bush");
    for (int build = 0; build < 5; ++build) {
        SObjectTypeRecord record;
        uint16_t light = 256;
        Type("bush").BuildCellRecord(nullptr, cell, record, light);
        const int x = expected.Next(1000), y = expected.Next(1000);
        EXPECT_EQ(record.m_x[0], 32268 + x) << build;
        EXPECT_EQ(record.m_y[0], 32268 + y) << build;
        EXPECT_EQ(record.m_kind, 1);
        EXPECT_EQ(record.m_drawCode, 2);
        EXPECT_EQ(record.m_pictures[0], Picture(8));
        EXPECT_EQ(record.m_palettes[0], centrePalette.slot);
    }
}

// The item commands of a floor decoration reach the pile in the player's cell, not the object's
// own container; the others are the base's.
TEST_F(ObjectUseTest, floorDecorationItemCommandsActOnThePileInThePlayersCell) {
    SMapObjectType& rug = Type("rug");
    SPlacedObject object;
    object.containerId = 3;
    auto run = [&](int command, SScriptValue arg1, SScriptValue arg2 = SScriptValue("")) {
        std::optional<SScriptValue> result;
        bool changed = false;
        rug.ExecuteCommand(&map, &object, 3, 4, command, arg1, arg2, SScriptValue(""), result, changed);
        return result ? result->Number() : -1;
    };

    EXPECT_EQ(run(kHasItem, SScriptValue("base_key")), 0) << "no player cell, no pile";
    SMapCell playerCell;
    screen.playerCell = &playerCell;
    EXPECT_EQ(run(kHasItem, SScriptValue("base_key")), 0) << "no pile in the cell";
    EXPECT_TRUE(items.calls.empty());

    playerCell.containerId = 12;
    EXPECT_EQ(run(kHasItem, SScriptValue("base_key")), 5);
    run(kReceiveItem, SScriptValue("base_gold"), SScriptValue(50));
    run(kFindItem, SScriptValue("base_key"), SScriptValue(1));
    run(kRemoveItem, SScriptValue("base_gold"), SScriptValue(20));
    EXPECT_EQ(items.calls, (std::vector<std::string>{"count 12 base_key", "add 12 base_gold 50", "add 12 base_key 1",
                                                     "remove 12 base_gold 20"}));

    playerCell.containerId = 300;
    EXPECT_EQ(run(kHasItem, SScriptValue("base_key")), 0) << "no map container has that number";

    EXPECT_EQ(run(kIsOn, SScriptValue("")), 1);
    run(kSetOff, SScriptValue(""));
    EXPECT_EQ(object.flags, SPlacedObject::kVisible | SPlacedObject::kClosed);
}

// Without a play screen the objects still build their still records, and their requests go
// nowhere.
TEST_F(ObjectUseTest, withoutAPlayScreenRecordsAreStillAndRequestsVanish) {
    types.SetScreen(nullptr);
    Type("rose").m_param1 = "base_rosepetal";
    SPlacedObject rose, door;
    EXPECT_FALSE(Fire("rose", kUsed, &rose));
    EXPECT_EQ(rose.flags, SPlacedObject::kVisible);
    Fire("citydoor", kUsed, &door);

    SMapCell cell = CentreCell("bush");
    SObjectTypeRecord bush;
    uint16_t light = 256;
    Type("bush").BuildCellRecord(nullptr, cell, bush, light);
    EXPECT_EQ(bush.m_x[0], 0x8000);

    SMapCell torchCell = SideCell("torch", 0);
    SSideOverlayRecord record;
    Type("torch").BuildAnimatedSideRecord(nullptr, torchCell, 0, record, light);
    EXPECT_EQ(record.m_picture[2], 0);
    EXPECT_EQ(light, 256);
    EXPECT_TRUE(screen.talks.empty());
}

}  // namespace

}  // namespace object_use_test
