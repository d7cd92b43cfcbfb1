#include <gtest/gtest.h>

#include "data/effects/effect_type.h"
#include "monster_fixture.h"

namespace monster_spell_effects_test {

namespace {

class MonsterSpellEffectsTest : public MonsterTest {
protected:
    MonsterSpellEffectsTest() {
        EXPECT_TRUE(Open("")) << error;
        monster->m_stats[kStatMaxHitPoints] = 100;
        // Intelligence and endurance 1: the resistances are what the test adds to them.
        monster->m_stats[kStatIntelligence] = 0;
        monster->m_stats[kStatEndurance] = 0;
        monster->m_paletteSlot = 4;
        monster->m_paralysedPaletteSlot = 9;
    }
    // A magic resistance of exactly `resistance` (from -100 to 100).
    void ResistMagic(int resistance) {
        const int constant = resistance - 1;
        monster->m_effects.Add(ItemEffect(kEffectResistMagic, int16_t(constant > 100 ? constant + 100 : constant), 0,
                                          "", kSourceConstant));
    }
    // The creature's timed entry of the type, or null.
    const SCreatureEffect* Timed(const SCreature& creature, uint8_t type) const {
        const SCreatureEffectList* list = map->Effects().Find(creature.id);
        for (int i = 0; list && i < list->entries.Count(); ++i)
            if (list->entries[i]->kind == SCreatureEffect::kTimed && list->entries[i]->type == type)
                return list->entries[i];
        return nullptr;
    }
    void Cast(SCreature& creature, const char* spell, int damage, int level = 0) {
        context->event.spell = spell;
        context->event.damage = damage;
        context->event.spellLevel = level;
        bool changed = false;
        creature.monster->OnEvent(16, *context, creature, changed);
    }
};

TEST_F(MonsterSpellEffectsTest, restoringEffectsHealWhatTheySuitAndHurtTheRest) {
    SMonster* ghost = AddMonster("base_ghost", 100);
    ghost->m_kind = SMonsterBaseType::kKindUndead;
    AddSpell("base_heal", {{kEffectRestoreHp, 20}});
    AddSpell("base_unholy", {{kEffectRestoreUnholy, 20}});
    AddSpell("base_fullheal", {{kEffectRestoreFullHp}});
    AddSpell("base_fullunholy", {{kEffectRestoreFullUnholy}});
    const struct {
        bool undead;
        const char* spell;
        int hp;
        int after;
    } cases[] = {
        {true, "base_heal", 5, 0},        {false, "base_heal", 5, 25},       {false, "base_heal", 90, 100},
        {true, "base_unholy", 5, 25},     {false, "base_unholy", 5, 0},      {false, "base_fullheal", 5, 100},
        {true, "base_fullheal", 50, 1},   {true, "base_fullunholy", 5, 100}, {false, "base_fullunholy", 50, 1},
        {false, "base_fullunholy", 0, 0},
    };
    for (const auto& c : cases) {
        SMonster* of = c.undead ? ghost : monster;
        SCreature& creature = Place(of, 3, 3);
        creature.hp = int16_t(c.hp);
        of->ApplySpell(*context, creature, *spells.FindSpell(c.spell), 0);
        EXPECT_EQ(creature.hp, c.after) << c.spell << (c.undead ? " on the undead at " : " on the living at ") << c.hp;
    }
}

TEST_F(MonsterSpellEffectsTest, timedEffectsKeepWhatTheMagicResistanceLeaves) {
    ResistMagic(50);
    AddSpell("base_all", {
                             {kEffectFortifyAttribute, 10, 3, 0, "", 4},
                             {kEffectFortifyAc, 7, 3},
                             {kEffectResistPoison, 140, 3},
                             {kEffectResistMagic, -130, 3},
                             {kEffectResistDisease, 120, 3, 0, "base_plague"},
                             {kEffectCurse, 0, 3},
                             {kEffectParalyze, 0, 3},
                             {kEffectPoison, 10, 3},
                         });
    SCreature& creature = Place(monster, 3, 3);
    monster->ApplySpell(*context, creature, *spells.FindSpell("base_all"), 0);
    // Amounts and durations (3 + 1 turns) are halved, rounding the resisted part down; the
    // paralysis goes against its own resistance of 2.
    const struct {
        uint8_t type;
        int amount;
        int duration;
        uint8_t subId;
    } expected[] = {
        {kEffectFortifyAttribute, 5, 2, 4},
        {kEffectFortifyAc, 4, 2, 0},
        {kEffectResistPoison, 120, 2, 0},
        {kEffectResistMagic, -115, 2, 0},
        {kEffectResistDisease, 110, 2, 0},
        {kEffectCurse, 1, 2, 0},
        {kEffectParalyze, 1, 4, 0},
        // Against the poison resistance of 1 and the 20 the spell's own Resist poison just gave.
        {kEffectPoison, 8, 2, 0},
    };
    for (const auto& e : expected) {
        const SCreatureEffect* effect = Timed(creature, e.type);
        ASSERT_NE(effect, nullptr) << int(e.type);
        EXPECT_EQ(effect->amount, e.amount) << int(e.type);
        EXPECT_EQ(effect->duration, e.duration) << int(e.type);
        EXPECT_EQ(effect->subId, e.subId) << int(e.type);
    }
    EXPECT_STREQ(Timed(creature, kEffectResistDisease)->name.Text(), "base_plague");
    EXPECT_EQ(SpriteOf(creature).m_palette, 9);
}

TEST_F(MonsterSpellEffectsTest, aFullyResistedSpellTakesNoHold) {
    ResistMagic(100);
    monster->m_effects.Add(ItemEffect(kEffectResistParalysis, 100, 0, "", kSourceConstant));
    monster->m_effects.Add(ItemEffect(kEffectResistPoison, 100, 0, "", kSourceConstant));
    AddSpell("base_all", {{kEffectFortifyAttribute, 10, 3, 0, "", 4},
                          {kEffectResistPoison, 140, 3},
                          {kEffectCurse, 0, 3},
                          {kEffectParalyze, 0, 3},
                          {kEffectPoison, 10, 3},
                          {kEffectMagicImmunity, 0, 3}});
    SCreature& creature = Place(monster, 3, 3);
    monster->ApplySpell(*context, creature, *spells.FindSpell("base_all"), 0);
    EXPECT_EQ(map->Effects().Find(creature.id), nullptr);
}

TEST_F(MonsterSpellEffectsTest, curesAndDispelTakeTheirEffectsAway) {
    AddSpell("base_cures", {{kEffectCurePoison}, {kEffectRemoveCurse}, {kEffectCureDisease, 0, 0, 0, "base_plague"}});
    AddSpell("base_unstone", {{kEffectCureParalysis}});
    AddSpell("base_dispel", {{kEffectDispel}});
    SCreature& creature = Place(monster, 3, 3);
    SCreatureEffects& effects = map->Effects();
    const auto give = [&](std::initializer_list<uint8_t> types) {
        for (uint8_t type : types) effects.AddTimed(creature.id, 5, 5, type, 0, nullptr);
    };
    give({kEffectPoison, kEffectCurse, kEffectParalyze});
    effects.Infect(creature.id, "base_plague");
    monster->ApplySpell(*context, creature, *spells.FindSpell("base_cures"), 0);
    EXPECT_EQ(Timed(creature, kEffectPoison), nullptr);
    EXPECT_EQ(Timed(creature, kEffectCurse), nullptr);
    EXPECT_FALSE(effects.HasDisease(creature.id, "base_plague"));
    ASSERT_NE(Timed(creature, kEffectParalyze), nullptr);
    SpriteOf(creature).m_palette = 9;
    monster->ApplySpell(*context, creature, *spells.FindSpell("base_unstone"), 0);
    EXPECT_EQ(Timed(creature, kEffectParalyze), nullptr);
    EXPECT_EQ(SpriteOf(creature).m_palette, 4);

    // Dispel takes the magic that was cast; poison and diseases are no magic.
    const std::initializer_list<uint8_t> dispelled = {2,  5,  8,  10, 11, 15, 16, 17, 20, 22,
                                                      27, 28, 33, 34, 35, 36, 38, 39, 58};
    give(dispelled);
    const std::initializer_list<uint8_t> kept = {kEffectPoison, 1, 3, 12, 40};
    give(kept);
    effects.Infect(creature.id, "base_plague");
    SpriteOf(creature).m_palette = 9;
    monster->ApplySpell(*context, creature, *spells.FindSpell("base_dispel"), 0);
    for (uint8_t type : dispelled) EXPECT_EQ(Timed(creature, type), nullptr) << int(type);
    for (uint8_t type : kept) EXPECT_NE(Timed(creature, type), nullptr) << int(type);
    EXPECT_TRUE(effects.HasDisease(creature.id, "base_plague"));
    EXPECT_EQ(SpriteOf(creature).m_palette, 4);
}

TEST_F(MonsterSpellEffectsTest, withMagicImmunityOnlyDispelActs) {
    AddSpell("base_storm",
             {{kEffectPoison, 10, 3}, {kEffectCurse, 0, 3}, {kEffectRestoreHp, 20}, {kEffectFortifyAc, 5, 3}});
    AddSpell("base_dispel", {{kEffectDispel}});
    AddSpell("base_ward", {{kEffectMagicImmunity, 0, 3}});
    SCreature& creature = Place(monster, 3, 3);
    creature.hp = 50;
    map->Effects().AddTimed(creature.id, 5, 5, kEffectFortifyAttribute, 1, nullptr);
    monster->ApplySpell(*context, creature, *spells.FindSpell("base_ward"), 0);
    // The immunity dispels what was cast on the creature before it.
    EXPECT_EQ(Timed(creature, kEffectFortifyAttribute), nullptr);
    ASSERT_NE(Timed(creature, kEffectMagicImmunity), nullptr);

    monster->ApplySpell(*context, creature, *spells.FindSpell("base_storm"), 0);
    EXPECT_EQ(creature.hp, 50);
    ASSERT_EQ(map->Effects().Find(creature.id)->entries.Count(), 1);

    monster->ApplySpell(*context, creature, *spells.FindSpell("base_dispel"), 0);
    EXPECT_EQ(Timed(creature, kEffectMagicImmunity), nullptr);
    monster->ApplySpell(*context, creature, *spells.FindSpell("base_storm"), 0);
    EXPECT_EQ(creature.hp, 70);
    EXPECT_NE(Timed(creature, kEffectPoison), nullptr);
}

TEST_F(MonsterSpellEffectsTest, crushKillsAWeakCreatureWhenTheRollBeatsThreeTimesItsHealth) {
    AddSpell("base_crush", {{kEffectCrush}});
    int kills = 0, survivals = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SCreature& creature = Place(monster, 3, 3);
        creature.hp = 20;
        random.Seed(seed);
        SRandom replay;
        replay.Seed(seed);
        const bool dies = replay.Next(100) > 60;
        monster->ApplySpell(*context, creature, *spells.FindSpell("base_crush"), 0);
        EXPECT_EQ(creature.hp, dies ? 0 : 20) << seed;
        (dies ? kills : survivals)++;
        map->RemoveCreature(creature.id);
    }
    EXPECT_GT(kills, 0);
    EXPECT_GT(survivals, 0);

    // Above a quarter of its health nothing is rolled.
    SCreature& strong = Place(monster, 3, 3);
    strong.hp = 26;
    for (int i = 0; i < 20; ++i) monster->ApplySpell(*context, strong, *spells.FindSpell("base_crush"), 0);
    EXPECT_EQ(strong.hp, 26);
}

TEST_F(MonsterSpellEffectsTest, crushWeighsTheWholeHealthPercent) {
    monster->m_stats[kStatMaxHitPoints] = 200;
    AddSpell("base_crush", {{kEffectCrush}});
    // 51 of 200 is 25 whole percent: a roll above 75 kills. 52 is 26 percent: nothing is rolled.
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        for (int16_t hp : {51, 52}) {
            SCreature& creature = Place(monster, 3, 3);
            creature.hp = hp;
            random.Seed(seed);
            SRandom replay;
            replay.Seed(seed);
            const bool dies = hp == 51 && replay.Next(100) > 75;
            monster->ApplySpell(*context, creature, *spells.FindSpell("base_crush"), 0);
            EXPECT_EQ(creature.hp, dies ? 0 : hp) << seed << " at " << hp;
            map->RemoveCreature(creature.id);
        }
    }
}

TEST_F(MonsterSpellEffectsTest, fortifyingHpLeavesTheCreatureToTheSpellsDamage) {
    SMonster* ghost = AddMonster("base_ghost", 100);
    ghost->m_kind = SMonsterBaseType::kKindUndead;
    AddSpell("base_fortify", {{5, 20, 5}, {8, 20, 5}});
    for (SMonster* of : {monster, ghost}) {
        SCreature& creature = Place(of, 3, 3);
        creature.hp = 50;
        of->ApplySpell(*context, creature, *spells.FindSpell("base_fortify"), 0);
        EXPECT_EQ(creature.hp, 50);
        EXPECT_EQ(Timed(creature, 5), nullptr);
        EXPECT_EQ(Timed(creature, 8), nullptr);
        map->RemoveCreature(creature.id);
    }
}

TEST_F(MonsterSpellEffectsTest, drainsGiveThePlayerTwiceTheLevelLessTheResistance) {
    ResistMagic(50);
    AddSpell("base_drain", {{kEffectDrainHp, 99}, {kEffectDrainSp, 99}});
    SCreature& creature = Place(monster, 3, 3);
    player.SetHp(1, false);
    player.SetMana(1, false);
    monster->ApplySpell(*context, creature, *spells.FindSpell("base_drain"), 10);
    EXPECT_EQ(player.Hp(), 11);
    EXPECT_EQ(player.Mana(), 11);
}

TEST_F(MonsterSpellEffectsTest, calmQuietsOnlyHostileCreaturesThatNothingElseHoldsBack) {
    ResistMagic(-100);
    AddSpell("base_calm", {{kEffectCalm}});
    SMonster* hermit = AddMonster("base_hermit", 40);
    hermit->m_talkText.Assign("Peace.");
    SMonster* smith = AddMonster("base_smith", 40, SMonsterBaseType::kKindPeople);
    const struct {
        SMonster* of;
        uint8_t state;
        uint8_t after;
    } cases[] = {
        {monster, SCreature::kAggressive, 0},
        {monster, SCreature::kProvoked, 0},
        {hermit, SCreature::kAggressive, SCreature::kAggressive},
        {smith, SCreature::kAggressive, SCreature::kAggressive},
    };
    for (const auto& c : cases) {
        c.of->m_effects.Add(ItemEffect(kEffectResistMagic, -250, 0, "", kSourceConstant));
        SCreature& creature = Place(c.of, 3, 3, c.state);
        c.of->ApplySpell(*context, creature, *spells.FindSpell("base_calm"), 0);
        EXPECT_EQ(creature.state, c.after) << c.of->m_name.Text() << " " << int(c.state);
    }
}

TEST_F(MonsterSpellEffectsTest, detectMindShowsTheCreatureOnceAndInfectionPassesTheDiseaseResistance) {
    monster->m_effects.Add(ItemEffect(kEffectResistDiseases, -250, 0, "", kSourceConstant));
    AddSpell("base_mind", {{kEffectDetectMind}, {kEffectDetectMind}, {kEffectInfectDisease, 0, 0, 0, "base_plague"}});
    SCreature& creature = Place(monster, 3, 3);
    monster->ApplySpell(*context, creature, *spells.FindSpell("base_mind"), 0);
    EXPECT_EQ(screen.log, std::vector<std::string>{"info"});
    EXPECT_TRUE(map->Effects().HasDisease(creature.id, "base_plague"));
}

TEST_F(MonsterSpellEffectsTest, aSpellCastAtACreatureSparesThePeacefulAndHurtsTheRest) {
    AddSpell("base_bolt", {{kEffectDamageAll, 10}});
    AddSpell("base_heal", {{kEffectRestoreHp, 10}});
    SMonster* hermit = AddMonster("base_hermit", 100);
    hermit->m_talkText.Assign("Peace.");
    SMonster* smith = AddMonster("base_smith", 100, SMonsterBaseType::kKindPeople);
    const struct {
        const char* name;
        SMonster* of;
        uint8_t state;
        const char* spell;
        bool warns;
        int hp;
        uint8_t after;
        const char* box;
        int crime;
    } cases[] = {
        {"people, warned", smith, 0, "base_bolt", true, 50, 0, "You've tried to attack peaceful people!", 5},
        {"people, unwarned", smith, 0, "base_bolt", false, 50, 0, nullptr, 0},
        {"peaceful, warned", hermit, 0, "base_bolt", true, 50, 0, "You shouldn't attack this monster", 0},
        {"peaceful, unwarned", hermit, 0, "base_bolt", false, 50, 0, nullptr, 0},
        {"calm", monster, 0, "base_bolt", true, 30, SCreature::kAggressive, nullptr, 0},
        {"calm, healed", monster, 0, "base_heal", true, 60, 0, nullptr, 0},
        {"people, healed", smith, 0, "base_heal", true, 60, 0, nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        screen = RecordingMonsterScreen();
        screen.warns = c.warns;
        SCreature& creature = Place(c.of, 3, 3, c.state);
        creature.hp = 50;
        const bool bolt = std::string(c.spell) == "base_bolt";
        Cast(creature, c.spell, bolt ? 20 : 0);
        EXPECT_EQ(creature.hp, c.hp);
        EXPECT_EQ(creature.state & (SCreature::kAggressive | SCreature::kProvoked), c.after);
        ASSERT_EQ(screen.boxes.size(), c.box ? 1u : 0u);
        if (c.box) {
            EXPECT_EQ(screen.boxes[0].rfind(c.box, 0), 0u);
        }
        ExpectCrime(c.crime);
    }
}

TEST_F(MonsterSpellEffectsTest, aHurtingSpellShowsTheHitOverAnAttackUnderWay) {
    AddSpell("base_bolt", {{kEffectDamageAll, 10}});
    const struct {
        uint8_t motion;
        int damage;
        uint8_t state;
        uint8_t timer;
    } cases[] = {
        {0x20, 5, 0x20 | SCreature::kHit, 3},
        {0x40, 5, 0x40 | SCreature::kHit, 3},
        {0x60, 5, SCreature::kHit, 10},
        {0x00, 5, SCreature::kHit, 10},
        {0x60, 0, 0x60, 3},
    };
    for (const auto& c : cases) {
        SCreature& creature = Place(monster, 3, 3, SCreature::kAggressive | c.motion);
        creature.displayTimer = 3;
        Cast(creature, "base_bolt", c.damage);
        EXPECT_EQ(creature.state, SCreature::kAggressive | c.state) << int(c.motion) << " " << c.damage;
        EXPECT_EQ(creature.displayTimer, c.timer) << int(c.motion) << " " << c.damage;
    }
}

}  // namespace

}  // namespace monster_spell_effects_test
