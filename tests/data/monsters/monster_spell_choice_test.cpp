#include <gtest/gtest.h>

#include "data/effects/effect_type.h"
#include "monster_fixture.h"

namespace monster_spell_choice_test {

namespace {

class MonsterSpellChoiceTest : public MonsterTest {
protected:
    MonsterSpellChoiceTest() { EXPECT_TRUE(Open("")) << error; }

    // The name of the spell the creature chooses, "" for none.
    std::string Choice(const SCreature& creature, bool areaOnly = false) {
        const SSpellType* spell = monster->ChooseSpell(*context, creature, areaOnly);
        return spell ? spell->NameKey().Text() : "";
    }
    void CarryOnly(const char* spell) {
        monster->m_effects.Assign(SEffectList());
        Carry(monster, spell);
    }
};

TEST_F(MonsterSpellChoiceTest, aSpellMustReachThePlayerFromWhereTheCreatureStands) {
    AddSpell("base_touch", {{kEffectCurse}}, kTargetTouch);
    AddSpell("base_bolt", {{kEffectCurse}}, kTargetRanged);
    AddSpell("base_ball", {{kEffectCurse, 0, 0, 1}}, kTargetRanged);
    AddSpell("base_touchball", {{kEffectCurse, 0, 0, 1}}, kTargetTouch);
    AddSpell("base_ward", {{kEffectResistMagic}}, kTargetSelf);
    AddSpell("base_empty", {}, kTargetRanged);
    // The player stands at (5, 1).
    const struct {
        const char* spell;
        uint8_t x, y;
        bool areaOnly;
        const char* chosen;
    } cases[] = {
        {"base_touch", 5, 2, false, "base_touch"},
        {"base_touch", 4, 1, false, "base_touch"},
        {"base_touch", 5, 4, false, ""},
        {"base_touch", 4, 2, false, ""},
        {"base_bolt", 5, 9, false, "base_bolt"},
        {"base_bolt", 0, 1, false, "base_bolt"},
        {"base_bolt", 3, 3, false, ""},
        {"base_bolt", 3, 3, true, ""},
        {"base_bolt", 5, 9, true, ""},
        {"base_ball", 3, 3, true, "base_ball"},
        {"base_ball", 3, 3, false, ""},
        {"base_touchball", 3, 3, true, ""},
        {"base_touchball", 5, 2, true, "base_touchball"},
        {"base_ward", 3, 3, false, "base_ward"},
        {"base_empty", 5, 9, false, ""},
        {"base_unknown", 5, 9, false, ""},
    };
    for (const auto& c : cases) {
        CarryOnly(c.spell);
        SCreature& creature = Place(monster, c.x, c.y);
        EXPECT_EQ(Choice(creature, c.areaOnly), c.chosen)
            << c.spell << " from " << int(c.x) << "," << int(c.y) << (c.areaOnly ? " area only" : "");
        map->RemoveCreature(creature.id);
    }
}

TEST_F(MonsterSpellChoiceTest, aSpellThatWouldDoNothingForTheCreatureIsNotChosen) {
    SMonster* ghost = AddMonster("base_ghost", 100);
    ghost->m_kind = SMonsterBaseType::kKindUndead;
    AddSpell("base_curepoison", {{kEffectCurePoison}});
    AddSpell("base_heal", {{kEffectRestoreHp, 10}});
    AddSpell("base_unholy", {{kEffectRestoreUnholy, 10}});
    AddSpell("base_fullheal", {{kEffectRestoreFullHp}});
    AddSpell("base_resist", {{kEffectResistPoison, 120}});
    AddSpell("base_bane", {{kEffectDamageType, 10, 0, 0, "", 3}});
    AddSpell("base_slay", {{kEffectDamageType, 10, 0, 0, "", 1}});
    AddSpell("base_might", {{kEffectFortifySkill, 10, 0, 0, "", 2}}, kTargetSelf);
    AddSpell("base_blessing", {{kEffectFortifySkill, 10, 0, 0, "", 2}}, kTargetRanged);
    AddSpell("base_wall", {{58, 10}});
    const struct {
        const char* spell;
        bool undead;
        uint8_t has;  // a timed effect the creature holds, 0 none
        int race;
        bool chosen;
    } cases[] = {
        {"base_curepoison", false, 0, 2, false},
        {"base_curepoison", false, kEffectPoison, 2, true},
        {"base_heal", false, 0, 2, true},
        {"base_heal", true, 0, 2, false},
        {"base_unholy", true, 0, 2, true},
        {"base_unholy", false, 0, 2, false},
        {"base_fullheal", true, 0, 2, false},
        {"base_resist", false, 0, 2, true},
        {"base_resist", false, kEffectResistPoison, 2, false},
        {"base_bane", false, 0, 2, false},
        {"base_bane", false, 0, 1, true},
        {"base_slay", false, 0, 2, true},
        {"base_slay", false, 0, 1, false},
        {"base_might", false, 0, 2, true},
        {"base_might", false, kEffectFortifySkill, 2, false},
        {"base_blessing", false, kEffectFortifySkill, 2, true},
        {"base_wall", false, 0, 2, false},
    };
    for (const auto& c : cases) {
        SMonster* of = c.undead ? ghost : monster;
        of->m_effects.Assign(SEffectList());
        Carry(of, c.spell);
        player.SetRace(uint32_t(c.race));
        SCreature& creature = Place(of, 5, 4);
        if (c.has) map->Effects().AddTimed(creature.id, 5, 5, c.has, 0, nullptr);
        const SSpellType* spell = of->ChooseSpell(*context, creature, false);
        EXPECT_EQ(spell != nullptr, c.chosen) << c.spell << " has " << int(c.has) << " race " << c.race;
        map->RemoveCreature(creature.id);
    }
}

TEST_F(MonsterSpellChoiceTest, aLaterSpellWinsOnlyWithAStrictlyHigherScore) {
    AddSpell("base_first", {{kEffectCurse}});
    AddSpell("base_second", {{kEffectCurse}});
    Carry(monster, "base_first");
    Carry(monster, "base_second");
    SCreature& creature = Place(monster, 5, 4);
    int ties = 0;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        random.Seed(seed);
        SRandom replay;
        replay.Seed(seed);
        const int first = 26 + replay.Next(53);
        const int second = 26 + replay.Next(53);
        ties += first == second;
        EXPECT_EQ(Choice(creature), second > first ? "base_second" : "base_first") << seed;
    }
    EXPECT_GT(ties, 0);
}

TEST_F(MonsterSpellChoiceTest, aSpellScoresItsBestEffect) {
    // A wounded creature's healing scores 16..48 with the Restore hp; the same spell's Fortify ac
    // alone would score 13..38: with both, the spell beats a Curse (26..78) about as often as the
    // healing alone would.
    AddSpell("base_mend", {{kEffectFortifyAc, 5}, {kEffectRestoreHp, 10}});
    AddSpell("base_curse", {{kEffectCurse}});
    Carry(monster, "base_curse");
    Carry(monster, "base_mend");
    SCreature& creature = Place(monster, 5, 4);
    creature.hp = 1;
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        random.Seed(seed);
        SRandom replay;
        replay.Seed(seed);
        const int curse = 26 + replay.Next(53);
        const int armour = 13 + replay.Next(26);
        const int healing = 16 + replay.Next(33);
        EXPECT_EQ(Choice(creature), std::max(armour, healing) > curse ? "base_mend" : "base_curse") << seed;
    }
}

}  // namespace

}  // namespace monster_spell_choice_test
