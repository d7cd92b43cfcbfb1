#include <gtest/gtest.h>

#include <optional>

#include "data/effects/effect_type.h"
#include "monster_fixture.h"

namespace monster_commands_test {

namespace {

constexpr int kNone = -1000;  // the function gives no result

class MonsterCommandsTest : public MonsterTest {
protected:
    MonsterCommandsTest() {
        items.AddItemType(MakeItemType("base_dagger", 1));
        monster->m_level = 6;
        monster->m_stats[kStatArmourClass] = 17;
        AddSpell("base_bolt", {{kEffectCurse}});
        Carry(monster, "base_bolt");
    }
    // Runs the function; its result, or kNone.
    int Run(SPlacedObject* object, SCreature* creature, int command, const SScriptValue& arg = SScriptValue(0)) {
        std::optional<SScriptValue> result;
        changed = false;
        EXPECT_EQ(monster->ExecuteCommand(*context, object, creature, command, arg, result, changed), 0);
        return result ? result->Number() : kNone;
    }

    bool changed = false;
};

TEST_F(MonsterCommandsTest, scriptFunctionsReadAndChangeTheCreatureAndItsObject) {
    ASSERT_TRUE(Open("object 1 base_statue\ncreature base_orcish 3 4 owner=1")) << error;
    SPlacedObject* object = map->FindObject(1);
    SCreature* creature = map->Creatures()[0];
    creature->state = SCreature::kAggressive;
    SItemList* goods = map->AddItemList();
    goods->AddItems(*items.FindItemType("base_dagger"), 1, random);
    creature->containerId = goods->m_id;
    // A script in order: each function with its argument and the result it gives.
    const struct {
        int command;
        SScriptValue arg;
        int result;
    } script[] = {
        {109, SScriptValue(0), 1},
        {116, SScriptValue(7), kNone},
        {115, SScriptValue(0), 7},
        {126, SScriptValue(0), 0},
        {141, SScriptValue("base_dagger"), 1},
        {141, SScriptValue("base_apple"), 0},
        {156, SScriptValue("base_bolt"), 1},
        {156, SScriptValue("base_storm"), 0},
        {166, SScriptValue(0), 3},
        {167, SScriptValue(0), 4},
        {175, SScriptValue("base_plague"), 0},
        {173, SScriptValue("base_plague"), kNone},
        {175, SScriptValue("base_plague"), 1},
        {174, SScriptValue("base_plague"), kNone},
        {175, SScriptValue("base_plague"), 0},
        {177, SScriptValue(0), 40},
        {178, SScriptValue(12), kNone},
        {177, SScriptValue(0), 12},
        {179, SScriptValue(5), kNone},
        {177, SScriptValue(0), 17},
        {179, SScriptValue(-50), kNone},
        {177, SScriptValue(0), 0},
        {178, SScriptValue(500), kNone},
        {177, SScriptValue(0), 40},
        {178, SScriptValue(3), kNone},
        {180, SScriptValue(0), kNone},
        {177, SScriptValue(0), 40},
        {181, SScriptValue(0), 40},
        {194, SScriptValue(0), 0},
        {210, SScriptValue(0), 6},
        {213, SScriptValue(0), 17},
        {214, SScriptValue(0), 1},
        {216, SScriptValue(0), kNone},
        {214, SScriptValue(0), 0},
        {215, SScriptValue(0), kNone},
        {214, SScriptValue(0), 1},
        {239, SScriptValue(0), 0},
        {240, SScriptValue(0), 0},
        {241, SScriptValue(0), 0},
        {999, SScriptValue(0), 0},
    };
    for (const auto& line : script)
        EXPECT_EQ(Run(object, creature, line.command, line.arg), line.result) << line.command << " " << line.arg.Text();
    EXPECT_EQ(creature->state & (SCreature::kAggressive | SCreature::kProvoked), SCreature::kAggressive);

    for (uint8_t type : {kEffectParalyze, kEffectPoison, kEffectCurse})
        map->Effects().AddTimed(creature->id, 3, 5, type, 0, nullptr);
    EXPECT_EQ(Run(object, creature, 239), 1);
    EXPECT_EQ(Run(object, creature, 240), 1);
    EXPECT_EQ(Run(object, creature, 241), 1);
    object->flags |= SPlacedObject::kClosed;
    EXPECT_EQ(Run(object, creature, 126), 1);
}

TEST_F(MonsterCommandsTest, hidingAndShowingTakesTheCreatureOffTheGridAndBack) {
    ASSERT_TRUE(Open("object 1 base_statue\ncreature base_orcish 3 4 owner=1")) << error;
    SPlacedObject* object = map->FindObject(1);
    SCreature* creature = map->Creatures()[0];
    grid.placed.clear();
    EXPECT_EQ(Run(object, creature, 111), kNone);
    EXPECT_TRUE(changed);
    EXPECT_EQ(object->flags & SPlacedObject::kVisible, 0);
    EXPECT_EQ(screen.log, std::vector<std::string>{"leave"});
    EXPECT_EQ(Run(object, creature, 109), 0);
    EXPECT_EQ(Run(object, creature, 110), kNone);
    EXPECT_TRUE(changed);
    EXPECT_NE(object->flags & SPlacedObject::kVisible, 0);
    EXPECT_EQ(grid.placed, (std::vector<TestGrid::Placed>{{creature->id, 3, 4}}));
    EXPECT_EQ(screen.redraws, 1);
}

TEST_F(MonsterCommandsTest, withoutACreatureItsFunctionsGiveNothingButTheMonstersOwn) {
    ASSERT_TRUE(Open("object 1 base_statue")) << error;
    SPlacedObject* object = map->FindObject(1);
    const int cases[][2] = {{177, 0},  {166, 0}, {141, 0},  {239, 0}, {178, 0}, {214, 1},
                            {181, 40}, {210, 6}, {213, 17}, {156, 1}, {109, 1}, {115, 0}};
    for (auto [command, result] : cases) {
        const SScriptValue arg(command == 156 ? "base_bolt" : "base_dagger");
        EXPECT_EQ(Run(object, nullptr, command, arg), result) << command;
    }
    // Without an object either, the object's functions give 0 as well.
    EXPECT_EQ(Run(nullptr, nullptr, 109), 0);
    EXPECT_EQ(Run(nullptr, nullptr, 126), 0);
}

}  // namespace

}  // namespace monster_commands_test
