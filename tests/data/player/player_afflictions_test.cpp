#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "data/player/player_fixture.h"
#include "support/spell_records.h"

namespace player_afflictions_test {

namespace {

constexpr uint8_t kFortifySkillKind = 1;
constexpr uint8_t kFortifyAttributeKind = 2;
constexpr uint8_t kCureDiseaseKind = 14;
constexpr uint8_t kCastSpellKind = 31;
constexpr uint8_t kInfectDiseaseKind = 32;
constexpr uint8_t kCreateFoodKind = 52;
constexpr uint32_t kStrength = 1;
constexpr uint32_t kEndurance = 3;
constexpr uint32_t kBlock = 1;

// An effect of a disease or an ability.
std::unique_ptr<SEffect> Entry(uint8_t kind, int16_t magnitude, uint8_t subTarget = 0, const char* target = "") {
    return ItemEffect(kind, magnitude, subTarget, target);
}

class PlayerAfflictionsTest : public BaseGamePlayerTest {
protected:
    void SetUp() override {
        BaseGamePlayerTest::SetUp();
        spells.Add(MakeSpell("base_spellheal", kSchoolHeal));
        spells.Add(MakeSpell("base_spelldrain", kSchoolUndead));
        AddDisease("base_dis_plague", "Plague", Entry(kFortifyAttributeKind, -3, kStrength));
        AddDisease("base_dis_cough", "Cough", Entry(kFortifySkillKind, -2, kBlock));
        AddAbility("base_abil_tough", "Toughness", Entry(kFortifyAttributeKind, 4, kEndurance));
    }

    void AddDisease(const char* name, const char* text, std::unique_ptr<SEffect> effect) {
        auto disease = std::make_unique<SDisease>();
        disease->m_name.Set(name);
        disease->m_text.Assign(text);
        disease->m_effects.Append(effect.release());
        diseases.Add(std::move(disease));
    }

    SAbility& AddAbility(const char* name, const char* text, std::unique_ptr<SEffect> effect) {
        auto ability = std::make_unique<SAbility>();
        ability->m_name.Set(name);
        ability->m_text.Assign(text);
        if (effect) ability->m_effects.Append(effect.release());
        abilities.Add(std::move(ability));
        return *abilities.Find(name);
    }

    // A spell or a potion of one on-use effect naming a disease.
    const SSpellType& DiseaseSpell(uint8_t kind, const char* disease) {
        auto spell = MakeSpell("base_spellplague", 4);
        auto effect = SpellEffectEntry(kind, 10);
        effect->m_target.Assign(disease);
        spell->m_effects.Append(effect.release());
        spells.Add(std::move(spell));
        return *spells.FindSpell("base_spellplague");
    }
};

TEST_F(PlayerAfflictionsTest, aDiseaseActsUntilItIsCured) {
    player.InfectDisease("base_dis_plague", true);
    player.InfectDisease("base_dis_plague", true);
    player.InfectDisease("base_dis_none", true);
    EXPECT_TRUE(player.HasDisease("base_dis_plague"));
    EXPECT_EQ(player.BaseAttribute(kStrength), 15u);
    EXPECT_EQ(player.GetAttribute(kStrength), 12);
    SString title;
    player.GetFirstDiseaseTitle(title);
    EXPECT_STREQ(title.Text(), "Plague");
    player.CureDisease("base_dis_plague", true);
    player.CureDisease("base_dis_plague", true);
    EXPECT_EQ(player.GetAttribute(kStrength), 15);
    player.GetFirstDiseaseTitle(title);
    EXPECT_STREQ(title.Text(), "");
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"You have been infected by Plague.", "You have been cured of Plague."}));
    player.InfectDisease("base_dis_cough", false);
    player.CureDisease("base_dis_cough", false);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(PlayerAfflictionsTest, anEmptyNameAsksForAnyDisease) {
    EXPECT_FALSE(player.HasDisease(""));
    EXPECT_FALSE(player.HasDisease(nullptr));
    player.InfectDisease("base_dis_cough", false);
    EXPECT_TRUE(player.HasDisease(""));
    EXPECT_TRUE(player.HasDisease(nullptr));
    EXPECT_TRUE(player.HasDisease("base_dis_cough"));
    EXPECT_FALSE(player.HasDisease("base_dis_plague"));
}

TEST_F(PlayerAfflictionsTest, curingOneDiseaseKeepsTheOthersEffects) {
    player.InfectDisease("base_dis_plague", false);
    player.InfectDisease("base_dis_cough", false);
    player.CureDisease("base_dis_plague", false);
    EXPECT_EQ(player.GetAttribute(kStrength), 15);
    EXPECT_EQ(player.GetSkillValue(kBlock), 8);
    // Rebuilding does not count a disease twice.
    player.ReapplyDiseases();
    EXPECT_EQ(player.GetSkillValue(kBlock), 8);
}

TEST_F(PlayerAfflictionsTest, abilitiesAreGainedOnceAndLost) {
    player.AddAbility("base_abil_tough", true);
    player.AddAbility("base_abil_tough", true);
    player.AddAbility("base_abil_none", true);
    EXPECT_TRUE(player.HasAbility("base_abil_tough"));
    EXPECT_EQ(player.GetAttribute(kEndurance), 19);
    player.ReapplyAbilities();
    EXPECT_EQ(player.GetAttribute(kEndurance), 19);
    player.RemoveAbility("base_abil_tough");
    player.RemoveAbility("base_abil_tough");
    EXPECT_FALSE(player.HasAbility("base_abil_tough"));
    EXPECT_EQ(player.GetAttribute(kEndurance), 15);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"You have gained the Toughness ability.",
                                                        "You have lost the Toughness ability."}));
}

TEST_F(PlayerAfflictionsTest, anAbilityTeachesItsSpellsUnlessTheRaceIsBarred) {
    SAbility& magic = AddAbility("base_abil_magic", "", Entry(kCastSpellKind, 0, 0, "base_spellheal"));
    magic.m_effects.Append(Entry(kCastSpellKind, 0, 0, "base_spelldrain").release());
    magic.m_effects.Append(Entry(kCastSpellKind, 0, 0, "base_spellnone").release());
    player.AddAbility("base_abil_magic", true);
    EXPECT_TRUE(player.KnowsSpellByName("base_spellheal"));
    EXPECT_FALSE(player.KnowsSpellByName("base_spelldrain"));
    // A spell entry adds no active effect; a record without a text goes by its name.
    for (uint32_t type = 1; type < kPlayerEffectTypes; ++type) EXPECT_FALSE(player.Effects().Has(type)) << type;
    player.ReapplyAbilities();
    EXPECT_TRUE(player.KnowsSpellByName("base_spellheal"));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"You have gained the base_abil_magic ability."});
}

TEST_F(PlayerAfflictionsTest, aCuringPotionAndSpellCureTheNamedDisease) {
    player.InfectDisease("base_dis_plague", false);
    player.InfectDisease("base_dis_cough", false);
    SItemType& potion = AddItemType("base_pcure", kItemPotion, 1);
    potion.m_effects = EffectListOf({});
    potion.m_effects->Add(ItemEffect(kCureDiseaseKind, 0, 0, "base_dis_plague", kSourceOnUse));
    player.ApplyItemEffects(*player.AddItems(potion, 1));
    EXPECT_FALSE(player.HasDisease("base_dis_plague"));
    player.ApplySpell(DiseaseSpell(kCureDiseaseKind, "base_dis_cough"), 1, true, -1, false);
    EXPECT_FALSE(player.HasDisease(""));
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"You have been cured of Plague.", "You have been cured of Cough."}));
}

TEST_F(PlayerAfflictionsTest, anInfectingSpellIsResistedByTheDiseaseResistance) {
    const SSpellType& spell = DiseaseSpell(kInfectDiseaseKind, "base_dis_plague");
    // Endurance 15 resists 7 percent: most casts infect.
    int infected = 0;
    for (int i = 0; i < 50; ++i) {
        player.ApplySpell(spell, 1, false, -1, false);
        if (player.HasDisease("base_dis_plague")) ++infected;
        player.CureDisease("base_dis_plague", false);
    }
    EXPECT_GT(infected, 35);
    EXPECT_LT(infected, 50);

    // Full resistance to the disease keeps it away.
    player.AddTimedEffect(kFromSpell, &spell, 200, 60, 17, 0, "base_dis_plague");
    for (int i = 0; i < 50; ++i) player.ApplySpell(spell, 1, false, -1, false);
    EXPECT_FALSE(player.HasDisease(""));
}

TEST_F(PlayerAfflictionsTest, aCreateFoodSpellFillsThePack) {
    AddItemType("base_bread", kItemComestible, kComestibleFood);
    AddItemType("base_water", kItemComestible, kComestibleWater);
    auto spell = MakeSpell("base_spellfood", 6, {{kCreateFoodKind, 0}});
    player.ApplySpell(*spell, 1, true, -1, false);
    EXPECT_EQ(player.CountOwnedItemsByName("base_bread"), 1);
    EXPECT_EQ(player.CountOwnedItemsByName("base_water"), 1);
}

}  // namespace

}  // namespace player_afflictions_test
