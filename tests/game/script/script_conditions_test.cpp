#include <gtest/gtest.h>

#include "game/script/script_context_fixture.h"

namespace script_conditions_test {

namespace {

using ScriptConditionsTest = ScriptContextTest;

TEST_F(ScriptConditionsTest, aggressivenessFollowsTheStateAndThenTheMonstersDefault) {
    const struct {
        uint8_t state;
        uint8_t monsterFlags;
        bool aggressive;
    } cases[] = {
        {SCreature::kAggressive, 0, true},
        {SCreature::kAggressive | SCreature::kProvoked, 0, true},
        {SCreature::kProvoked, SMonster::kFlagHostileWhenProvoked, true},
        {SCreature::kProvoked, 0, false},
        {0, SMonster::kFlagHostileWhenProvoked, false},
        {0, 0, false},
    };
    context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    for (const auto& row : cases) {
        guard->state = row.state;
        monster->m_flags = row.monsterFlags;
        EXPECT_EQ(context.CreatureIs(SCreatureTest::Aggressive), row.aggressive) << int(row.state);
        EXPECT_EQ(context.NamedObjectIs("base_guard", SCreatureTest::Aggressive), row.aggressive) << int(row.state);
    }
    context.SetupForScene();
    EXPECT_FALSE(context.CreatureIs(SCreatureTest::Aggressive));
}

TEST_F(ScriptConditionsTest, effectTestsAskTheCreaturesMapOfItsEffects) {
    const struct {
        SCreatureTest test;
        uint8_t effect;  // 0: a disease
    } cases[] = {{SCreatureTest::Cursed, kEffectCurse},
                 {SCreatureTest::Paralyzed, kEffectParalyze},
                 {SCreatureTest::Poisoned, kEffectPoison},
                 {SCreatureTest::Diseased, 0}};
    context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    for (const auto& row : cases) {
        SCreatureEffects& effects = map->Effects();
        effects.Remove(guard->id);
        EXPECT_FALSE(context.CreatureIs(row.test));
        EXPECT_FALSE(context.NamedObjectIs("base_guard", row.test));
        if (row.effect)
            effects.AddTimed(guard->id, 3, 5, row.effect, 0, "");
        else
            effects.Infect(guard->id, "base_plague");
        EXPECT_TRUE(context.CreatureIs(row.test)) << int(row.effect);
        EXPECT_TRUE(context.NamedObjectIs("base_guard", row.test)) << int(row.effect);
        EXPECT_FALSE(context.NamedObjectIs("base_door", row.test));
        EXPECT_FALSE(context.NamedObjectIs("base_nobody", row.test));
    }
}

TEST_F(ScriptConditionsTest, theMonsterIsNamedExactly) {
    context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    EXPECT_TRUE(context.CreatureIsMonster("base_orcish"));
    EXPECT_FALSE(context.CreatureIsMonster("BASE_ORCISH"));
    EXPECT_FALSE(context.CreatureIsMonster("base_orc"));
}

TEST_F(ScriptConditionsTest, namedObjectsStateAndDeath) {
    guardObject->stateByte = 200;
    EXPECT_EQ(context.GetNamedObjectState("base_guard"), -56);
    EXPECT_EQ(context.GetNamedObjectState("base_nobody"), 0);
    EXPECT_FALSE(context.NamedObjectIsDead("base_guard"));
    guardObject->flags |= SPlacedObject::kClosed;
    doorObject->flags |= SPlacedObject::kClosed;
    EXPECT_TRUE(context.NamedObjectIsDead("base_guard"));
    // No creature belongs to the door.
    EXPECT_FALSE(context.NamedObjectIsDead("base_door"));
}

TEST_F(ScriptConditionsTest, currentMapAndWorldAreNamedExactly) {
    EXPECT_TRUE(context.IsCurrentMap("base_cave"));
    EXPECT_FALSE(context.IsCurrentMap("base_cellar"));
    EXPECT_TRUE(context.IsCurrentWorld(modules.Current()->Identifier().Text()));
    EXPECT_FALSE(context.IsCurrentWorld("elsewhere"));
    play.map = nullptr;
    EXPECT_FALSE(context.IsCurrentMap("base_cave"));
}

TEST_F(ScriptConditionsTest, timeSinceAGlobalCountsWholeHoursAndDays) {
    play.minutes = 5 * 1440 + 30;
    AddGlobal("base_met", SScriptValue(int32_t(2 * 1440 + 31)));
    AddGlobal("base_later", SScriptValue(int32_t(6 * 1440)));
    EXPECT_EQ(context.GetHourDiffOfGlobal("base_met"), 71);
    EXPECT_EQ(context.GetDayDiffOfGlobal("base_met"), 2);
    EXPECT_EQ(context.GetHourDiffOfGlobal("base_later"), 0);
    EXPECT_EQ(context.GetDayDiffOfGlobal("base_missing"), 0);
}

TEST_F(ScriptConditionsTest, thePartnersFace) {
    house->m_pictureNames.Append("base_house");
    house->m_pictureNames.Append("base_face_anna");
    SMonsterBaseType* people = AddBaseType("base_townsman", SMonsterBaseType::kKindPeople);
    const std::vector<std::string> names = PictureNames("base_townsman", SMonsterBaseType::kKindPeople);
    for (const std::string& name : names) people->m_pictureNames.Append(name.c_str());
    const std::vector<std::string> orcNames = PictureNames("base_orc", 1);
    for (const std::string& name : orcNames) base->m_pictureNames.Append(name.c_str());

    context.SetupForObjectNpc(kEventUse, guardObject, map, nullptr, house, {}, SScriptOutputMode::Conversation);
    EXPECT_STREQ(context.GetPartnerFace(), "base_face_anna");
    context.SetupForObjectNpc(kEventUse, doorObject, map, nullptr, door, {}, SScriptOutputMode::Conversation);
    EXPECT_STREQ(context.GetPartnerFace(), SScriptContext::kUnknownFace);

    context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::Conversation);
    EXPECT_STREQ(context.GetPartnerFace(), "base_orc7");
    monster->m_baseType = people;
    EXPECT_STREQ(context.GetPartnerFace(), "base_townsman10");
    // A base type short of pictures, or none, has no portrait.
    monster->m_baseType = cyclops;
    EXPECT_STREQ(context.GetPartnerFace(), SScriptContext::kUnknownFace);
    monster->m_baseType = nullptr;
    EXPECT_STREQ(context.GetPartnerFace(), SScriptContext::kUnknownFace);

    context.SetupForScene();
    EXPECT_STREQ(context.GetPartnerFace(), SScriptContext::kUnknownFace);
}

TEST_F(ScriptConditionsTest, aCharacterObjectWithoutAPortraitPictureHasNoFace) {
    house->m_pictureNames.Append("base_house");
    context.SetupForObjectNpc(kEventUse, guardObject, map, nullptr, house, {}, SScriptOutputMode::Conversation);
    EXPECT_EQ(context.GetPartnerFace(), nullptr);
}

}  // namespace

}  // namespace script_conditions_test
