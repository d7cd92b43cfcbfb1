#include <gtest/gtest.h>

#include "data/effects/effect_type.h"
#include "data/items/item.h"
#include "monster_fixture.h"

namespace monster_hit_test {

namespace {

constexpr const char* kPeopleBox = "You've tried to attack peaceful people!";
constexpr const char* kPeacefulBox =
    "You shouldn't attack this monster - it looks peaceful, maybe it has something to say or do for you.";

class MonsterHitTest : public MonsterTest {
protected:
    MonsterHitTest() {
        base->m_sounds[1] = "bsnd_orchurt";
        base->m_sounds[2] = "bsnd_orcdies";
        smith = AddMonster("base_smith", 40, SMonsterBaseType::kKindPeople, SMonster::kFlagDefault);
        smith->m_baseType = AddBaseType("base_man", SMonsterBaseType::kKindPeople);
        talker = AddMonster("base_hermit", 40);
        talker->m_baseType = base;
        talker->m_talkText.Assign("Spare me.");
    }
    void Hit(SCreature& creature, int damage) {
        context->event.damage = damage;
        bool changed = false;
        creature.monster->OnEvent(8, *context, creature, changed);
    }
    // A weapon with strike effects of these types, naming the disease.
    SItem& Weapon(std::initializer_list<uint8_t> strikes, const char* disease = "base_plague") {
        auto item = std::make_unique<SItem>();
        item->m_effects = std::make_unique<SEffectList>();
        for (uint8_t type : strikes) item->m_effects->Add(ItemEffect(type, 0, 0, disease, kSourceStrike));
        weapons.push_back(std::move(item));
        return *weapons.back();
    }

    SMonster *smith, *talker;
    std::vector<std::unique_ptr<SItem>> weapons;
};

TEST_F(MonsterHitTest, theBlowLandsOnlyOnCreaturesThatAreNotPeaceful) {
    const struct {
        const char* name;
        const char* level;
        uint8_t state;
        int damage;
        int hp;
        const char* box;
        int crime;
        bool aggressive;  // and no longer provoked
        bool ownerDead = false;
    } cases[] = {
        {"people", "creature base_smith 3 3", SCreature::kProvoked, 12, 40, kPeopleBox, 5, false},
        {"owned and calm", "object 1 base_statue\ncreature base_orcish 3 3 owner=1", 0, 12, 40, kPeacefulBox, 0, false},
        {"talking and calm", "creature base_hermit 3 3", 0, 12, 40, kPeacefulBox, 0, false},
        {"owned and hostile", "object 1 base_statue\ncreature base_orcish 3 3 owner=1", SCreature::kAggressive, 12, 28,
         nullptr, 0, true},
        {"calm without a word", "creature base_orcish 3 3", 0, 12, 28, nullptr, 0, true},
        // Provoked is hostile for a monster that turns hostile when provoked, as this one does.
        {"provoked", "creature base_orcish 3 3", SCreature::kProvoked, 50, 0, nullptr, 0, false},
        {"no damage", "creature base_orcish 3 3", SCreature::kAggressive, 0, 40, nullptr, 0, true},
        // Marked dead after loading: the level data leaves the creatures of dead owners out.
        {"owner dead", "object 1 base_statue\ncreature base_orcish 3 3 owner=1", SCreature::kAggressive, 12, 40,
         nullptr, 0, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Open(c.level)) << error;
        screen = RecordingMonsterScreen();
        ASSERT_EQ(map->Creatures().Count(), 1);
        SCreature& creature = *map->Creatures()[0];
        if (c.ownerDead) map->FindObject(1)->flags |= SPlacedObject::kClosed;
        creature.state = c.state;
        Hit(creature, c.damage);
        EXPECT_EQ(creature.hp, c.hp);
        EXPECT_EQ(screen.boxes, c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{});
        ExpectCrime(c.crime);
        EXPECT_EQ((creature.state & SCreature::kAggressive) != 0, c.aggressive);
        EXPECT_EQ(creature.state & SCreature::kProvoked, c.aggressive ? 0 : c.state & SCreature::kProvoked);
    }
}

TEST_F(MonsterHitTest, aCalmCreatureTurnsAggressiveAndTheViewIsRedrawn) {
    ASSERT_TRUE(Open("")) << error;
    SCreature& creature = Place(monster, 3, 3, SCreature::kProvoked | SCreature::kScripted);
    monster->m_flags = 0;
    Hit(creature, 5);
    EXPECT_EQ(creature.state & (SCreature::kProvoked | SCreature::kAggressive | SCreature::kScripted),
              SCreature::kAggressive | SCreature::kScripted);
    EXPECT_EQ(screen.redraws, 1);
    Hit(creature, 5);
    EXPECT_EQ(screen.redraws, 1);
}

TEST_F(MonsterHitTest, aHitShowsTheHitPoseWithAFlashAsLargeAsTheBlow) {
    ASSERT_TRUE(Open("")) << error;
    monster->m_stats[kStatMaxHitPoints] = 1000;
    const int cases[][2] = {{1, 50}, {10, 50}, {11, 52}, {30, 90}, {59, 148}, {60, 100}, {300, 100}};
    for (auto [damage, flash] : cases) {
        SCreature& creature = Place(monster, 3, 3, SCreature::kAggressive | SCreature::kMotion | (2 << 3));
        SItemPileRecord& sprite = SpriteOf(creature);
        sprite.m_flags = SItemPileRecord::kMarkerB | SItemPileRecord::kMirrored;
        Hit(creature, damage);
        EXPECT_EQ(creature.state, SCreature::kAggressive | SCreature::kHit | (2 << 3)) << damage;
        EXPECT_EQ(creature.displayTimer, 10) << damage;
        EXPECT_EQ(sprite.m_flags, SItemPileRecord::kMirrored) << damage;
        EXPECT_EQ(sprite.m_markerPercent, flash) << damage;
    }
}

TEST_F(MonsterHitTest, theHurtSoundPlaysWhileItLivesAndTheDeathSoundAtNoHitPoints) {
    ASSERT_TRUE(Open("")) << error;
    SCreature& creature = Place(monster, 3, 3);
    Hit(creature, 30);
    Hit(creature, 30);
    Hit(creature, 30);
    EXPECT_EQ(creature.hp, 0);
    // The player stands at (5, 1): four cells away.
    EXPECT_EQ(screen.sounds, (std::vector<std::string>{"bsnd_orchurt@6", "bsnd_orcdies@6", "bsnd_orcdies@6"}));
}

TEST_F(MonsterHitTest, strikeEffectsActWithTheirShareOfTheBlowPastTheResistances) {
    ASSERT_TRUE(Open("")) << error;
    monster->m_stats[kStatMaxHitPoints] = 1000;
    base->m_paralysedPalette = "base_stone";
    monster->m_paralysedPaletteSlot = 9;
    monster->m_paletteSlot = 4;
    // Resistances as low as they go: -250 folds to -150, which with any attribute is held at -100.
    monster->m_stats[kStatIntelligence] = 0;
    monster->m_stats[kStatEndurance] = 0;
    for (uint8_t type : {kEffectResistPoison, kEffectResistParalysis, kEffectResistMagic, kEffectResistDiseases})
        monster->m_effects.Add(ItemEffect(type, -250, 0, "", kSourceConstant));
    SCreature& creature = Place(monster, 3, 3);
    player.SetHp(1, false);
    player.SetMana(1, false);

    SItem& sword = Weapon({kEffectPoison, kEffectParalyze, kEffectDrainHp, kEffectInfectDisease});
    // A constant effect of a weapon does nothing to whom it strikes.
    sword.m_effects->Add(ItemEffect(kEffectCurse));
    context->event.weapons[0] = &sword;
    Hit(creature, 20);

    const SCreatureEffects& effects = map->Effects();
    // A share of 20 gives 5, which a resistance of -100 doubles.
    EXPECT_EQ(effects.Sum(creature.id, kEffectPoison), 10);
    EXPECT_TRUE(effects.IsParalyzed(creature.id));
    EXPECT_EQ(SpriteOf(creature).m_palette, 9);
    EXPECT_EQ(player.Hp(), 1 + 40);
    EXPECT_TRUE(effects.HasDisease(creature.id, "base_plague"));
    EXPECT_FALSE(effects.IsCursed(creature.id));

    // Two weapons share the blow: each curses for 40 / 2 / 5 + 1 turns, and drains half as much.
    SItem& axe = Weapon({kEffectCurse, kEffectDrainSp});
    context->event.weapons[1] = &axe;
    Hit(creature, 40);
    ASSERT_NE(effects.Find(creature.id), nullptr);
    bool cursed = false;
    for (int i = 0; i < effects.Find(creature.id)->entries.Count(); ++i) {
        const SCreatureEffect& effect = *effects.Find(creature.id)->entries[i];
        if (effect.type == kEffectCurse) cursed = effect.duration == 5;
    }
    EXPECT_TRUE(cursed);
    EXPECT_EQ(player.Mana(), 1 + 40);
}

TEST_F(MonsterHitTest, fullResistancesKeepEveryStrikeEffectOff) {
    ASSERT_TRUE(Open("")) << error;
    monster->m_stats[kStatMaxHitPoints] = 1000;
    for (uint8_t type : {kEffectResistPoison, kEffectResistParalysis, kEffectResistMagic, kEffectResistDiseases})
        monster->m_effects.Add(ItemEffect(type, 100, 0, "", kSourceConstant));
    SCreature& creature = Place(monster, 3, 3);
    player.SetHp(1, false);
    SItem& sword = Weapon({kEffectPoison, kEffectParalyze, kEffectDrainHp, kEffectInfectDisease});
    context->event.weapons[0] = &sword;
    for (int i = 0; i < 20; ++i) Hit(creature, 20);
    EXPECT_EQ(map->Effects().Find(creature.id), nullptr);
    EXPECT_EQ(player.Hp(), 1);
}

}  // namespace

}  // namespace monster_hit_test
