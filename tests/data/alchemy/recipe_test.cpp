// Alchemy recipes: read from packages, matched against ingredients, and brewed into potions.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "data/items/item.h"
#include "engine/base/random.h"
#include "support/item_records.h"
#include "support/table_fixture.h"

namespace recipe_test {

namespace {

std::unique_ptr<SRecipe> recipe(const char* name, const char* potion,
                                const std::vector<std::tuple<uint8_t, uint8_t, const char*>>& slots) {
    auto made = std::make_unique<SRecipe>();
    made->m_name.Set(name);
    made->m_potion.Assign(potion);
    for (size_t i = 0; i < slots.size(); ++i) {
        auto [type, subTarget, target] = slots[i];
        made->m_slots[i].effectType = type;
        made->m_slots[i].subTarget = subTarget;
        made->m_slots[i].target.Assign(target);
    }
    return made;
}

class RecipeLoadingTest : public TablesTest {};

TEST_F(RecipeLoadingTest, theRecipesOfAPackageJoinTheTable) {
    SRecipeTable written;
    auto swift = recipe("base_swiftness", "base_swiftpotion", {{2, 2, ""}, {17, 0, "base_plague"}});
    swift->m_magnitudeBase = -5;
    swift->m_magnitudePerSkill = 50;
    swift->m_durationBase = 7;
    swift->m_durationPerSkill = 300;
    swift->m_level = 9;
    written.Add(std::move(swift));
    written.Add(recipe("base_water", "base_waterpotion", {}));
    ASSERT_NE(OpenWith({{SModuleTable::Recipes, TableRecord(written, 114)}}), nullptr) << modules.Error().Message();
    ASSERT_EQ(recipes.Count(), 2);
    const SRecipe* read = recipes.Find("base_swiftness");
    ASSERT_NE(read, nullptr);
    EXPECT_STREQ(read->m_potion.Text(), "base_swiftpotion");
    EXPECT_EQ(read->m_slots[0].effectType, 2);
    EXPECT_EQ(read->m_slots[0].subTarget, 2);
    EXPECT_STREQ(read->m_slots[1].target.Text(), "base_plague");
    EXPECT_EQ(read->m_slots[2].effectType, 0);
    EXPECT_EQ(read->m_magnitudeBase, -5);
    EXPECT_EQ(read->m_magnitudePerSkill, 50);
    EXPECT_EQ(read->m_durationBase, 7);
    EXPECT_EQ(read->m_durationPerSkill, 300);
    EXPECT_EQ(read->m_level, 9);
}

std::unique_ptr<SItemType> ingredient(const char* name, std::vector<std::unique_ptr<SEffect>> effects) {
    auto type = MakeItemType(name, kItemIngredient);
    type->m_effects = EffectListOf(std::move(effects));
    return type;
}

template <typename... Effects>
std::vector<std::unique_ptr<SEffect>> effects(Effects... list) {
    std::vector<std::unique_ptr<SEffect>> made;
    (made.push_back(std::move(list)), ...);
    return made;
}

std::unique_ptr<SEffect> onUse(uint8_t type, uint8_t subTarget = 0, const char* target = "") {
    return ItemEffect(type, 1, subTarget, target, kSourceOnUse);
}

class RecipeMatchTest : public ::testing::Test {
protected:
    RecipeMatchTest() {
        items.AddItemType(
            ingredient("base_root", effects(onUse(kEffectFortifyAttribute, 2), onUse(kEffectRestoreHp), onUse(26))));
        items.AddItemType(ingredient(
            "base_leaf", effects(onUse(kEffectFortifyAttribute, 3), onUse(kEffectResistDisease, 0, "base_plague"))));
        items.AddItemType(ingredient("base_berry", effects(onUse(kEffectRestoreHp), onUse(kEffectRestoreHp))));
        items.AddItemType(ingredient("base_dust", effects()));
        items.AddItemType(MakeItemType("base_potion", kItemPotion, 1, "Mixture"));
        recipes.Add(recipe("agility", "base_potion", {{kEffectFortifyAttribute, 2, ""}}));
        recipes.Add(recipe("endurance", "base_potion", {{kEffectFortifyAttribute, 3, ""}}));
        recipes.Add(recipe("doubleheal", "base_potion", {{kEffectRestoreHp, 0, ""}, {kEffectRestoreHp, 0, ""}}));
        recipes.Add(recipe("plague", "base_potion", {{kEffectResistDisease, 0, "base_plague"}}));
        recipes.Add(recipe("pox", "base_potion", {{kEffectResistDisease, 0, "base_pox"}}));
        recipes.Add(recipe("water", "base_potion", {}));
        recipes.Add(recipe("lost", "base_gone", {{kEffectRestoreHp, 0, ""}}));
    }

    const SItemType* type(const char* name) const { return name ? items.FindItemType(name) : nullptr; }

    SItemDatabase items;
    SRecipeTable recipes;
};

TEST_F(RecipeMatchTest, eachUsedSlotNeedsAnEffectOfItsOwn) {
    struct Case {
        const char* a;
        const char* b;
        const char* c;
        std::set<std::string> matched;
    };
    const Case cases[] = {
        {"base_root", nullptr, nullptr, {"agility", "water"}},
        {"base_leaf", nullptr, nullptr, {"endurance", "plague", "water"}},
        {"base_berry", nullptr, nullptr, {"doubleheal", "water"}},
        {"base_root", "base_dust", nullptr, {"agility", "water"}},
        {nullptr, "base_root", "base_berry", {"agility", "doubleheal", "water"}},
        {nullptr, nullptr, nullptr, {"water"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a ? c.a : "-") + " " + (c.b ? c.b : "-") + " " + (c.c ? c.c : "-"));
        const std::vector<SRecipeMatch> matches = recipes.FindMatching(100, type(c.a), type(c.b), type(c.c), items);
        std::set<std::string> matched;
        for (size_t i = 0; i < matches.size(); ++i) {
            matched.insert(matches[i].recipe->NameKey().Text());
            EXPECT_STREQ(matches[i].text.Text(), "Mixture");
            if (i > 0) {
                EXPECT_LE(matches[i - 1].recipe->NameKey().Hash(), matches[i].recipe->NameKey().Hash());
            }
        }
        EXPECT_EQ(matched, c.matched);
    }
}

TEST_F(RecipeMatchTest, theIngredientsAreRecordedPerSlot) {
    recipes.Clear();
    recipes.Add(recipe("mix", "base_potion",
                       {{0, 0, ""}, {kEffectResistDisease, 0, "base_plague"}, {kEffectRestoreHp, 0, ""}}));
    const std::vector<SRecipeMatch> matches =
        recipes.FindMatching(100, type("base_leaf"), type("base_berry"), nullptr, items);
    ASSERT_EQ(matches.size(), 1u);
    const std::array<const SItemType*, 3> used = {nullptr, type("base_leaf"), type("base_berry")};
    EXPECT_EQ(matches[0].ingredients, used);
}

TEST_F(RecipeMatchTest, aResultThroughASecondOrThirdEffectIsHiddenFromALowAlchemy) {
    recipes.Clear();
    recipes.Add(recipe("heal", "base_potion", {{kEffectRestoreHp, 0, ""}}));
    recipes.Add(recipe("poison", "base_potion", {{26, 0, ""}}));
    // The slot matched last decides: the first effect of the root shows the result.
    recipes.Add(recipe("healfirst", "base_potion", {{kEffectRestoreHp, 0, ""}, {kEffectFortifyAttribute, 2, ""}}));
    struct Case {
        int32_t alchemy;
        const char* heal;
        const char* poison;
    };
    for (Case c :
         {Case{25, "? Unknown", "? Unknown"}, Case{29, "? Unknown", "? Unknown"}, Case{30, "Mixture", "? Unknown"},
          Case{59, "Mixture", "? Unknown"}, Case{60, "Mixture", "Mixture"}}) {
        SCOPED_TRACE(c.alchemy);
        std::map<std::string, std::pair<std::string, bool>> shown;
        for (const SRecipeMatch& match : recipes.FindMatching(c.alchemy, type("base_root"), nullptr, nullptr, items))
            shown[match.recipe->NameKey().Text()] = {match.text.Text(), match.hidden};
        ASSERT_EQ(shown.size(), 3u);
        EXPECT_EQ(shown["heal"].first, c.heal);
        EXPECT_EQ(shown["heal"].second, std::string(c.heal) != "Mixture");
        EXPECT_EQ(shown["poison"].first, c.poison);
        EXPECT_EQ(shown["healfirst"].first, "Mixture");
    }
}

class PotionTest : public ::testing::Test {
protected:
    PotionTest() { random.Seed(5); }

    // A potion type whose first effect is of the type, with magnitude 1 and duration 2, followed by
    // a second effect of the same numbers.
    void addPotion(const char* name, uint8_t effectType) {
        auto potion = MakeItemType(name, kItemPotion, 1, "Brew");
        auto first = onUse(effectType);
        first->m_baseDuration = 2;
        auto second = onUse(effectType);
        second->m_baseDuration = 2;
        potion->m_effects = EffectListOf(effects(std::move(first), std::move(second)), 60);
        items.AddItemType(std::move(potion));
    }

    SItemDatabase items;
    SRandom random;
};

TEST_F(PotionTest, theFirstEffectTakesTheStrengthOfTheBrewersAlchemy) {
    struct Case {
        uint8_t effectType;
        int16_t magnitude, duration;
    };
    // Magnitude 10 + 50 per skill and duration 5 + 100 per skill, at Alchemy 40: 30 and 45.
    const Case cases[] = {
        {2, 30, 45},   {5, 30, 45},   {8, 30, 45},   {10, 30, 45},  {20, 30, 45},  {3, 30, 0},    {6, 30, 0},
        {9, 30, 0},    {26, 30, 0},   {56, 30, 0},   {57, 30, 0},   {4, 0, 0},     {7, 0, 0},     {12, 0, 0},
        {13, 0, 0},    {14, 0, 0},    {19, 0, 0},    {55, 0, 0},    {15, 130, 45}, {16, 130, 45}, {17, 130, 45},
        {22, 130, 45}, {33, 130, 45}, {36, 130, 45}, {38, 130, 45}, {1, 1, 2},     {31, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.effectType));
        items.Clear();
        addPotion("base_brew", c.effectType);
        auto brew = recipe("brew", "base_brew", {});
        brew->m_magnitudeBase = 10;
        brew->m_magnitudePerSkill = 50;
        brew->m_durationBase = 5;
        brew->m_durationPerSkill = 100;
        std::unique_ptr<SItem> potion = brew->CreatePotion(items, 40, random);
        ASSERT_NE(potion, nullptr);
        const SItemType* type = items.FindItemType("base_brew");
        EXPECT_EQ(potion->m_type, type);
        EXPECT_EQ(potion->m_amount, 0u);
        ASSERT_NE(potion->m_effects, nullptr);
        EXPECT_EQ(potion->m_effects->m_value, 60u);
        ASSERT_EQ(potion->m_effects->Count(), 2);
        EXPECT_EQ(potion->m_effects->Get(0)->m_baseMagnitude, c.magnitude);
        EXPECT_EQ(potion->m_effects->Get(0)->m_baseDuration, c.duration);
        EXPECT_TRUE(potion->m_effects->Get(1)->Equals(*type->m_effects->Get(1))) << "only the first changes";
        EXPECT_EQ(type->m_effects->Get(0)->m_baseMagnitude, 1) << "the type keeps its own";
    }
}

TEST_F(PotionTest, aPotionTypeWithoutEffectsOrMissingIsHandledWithoutAnEffectToChange) {
    items.AddItemType(MakeItemType("base_plain", kItemPotion));
    auto empty = MakeItemType("base_empty", kItemPotion);
    empty->m_effects = EffectListOf({}, 5);
    items.AddItemType(std::move(empty));
    auto plain = recipe("plain", "base_plain", {});
    std::unique_ptr<SItem> potion = plain->CreatePotion(items, 50, random);
    ASSERT_NE(potion, nullptr);
    EXPECT_EQ(potion->m_effects, nullptr);
    potion = recipe("empty", "base_empty", {})->CreatePotion(items, 50, random);
    ASSERT_NE(potion, nullptr);
    ASSERT_NE(potion->m_effects, nullptr);
    EXPECT_EQ(potion->m_effects->Count(), 0);
    EXPECT_EQ(potion->m_effects->m_value, 5u);
    EXPECT_EQ(recipe("lost", "base_gone", {})->CreatePotion(items, 50, random), nullptr);
}

TEST_F(PotionTest, aStrengthBeyondWhatAnEffectHoldsStopsAtItsLargest) {
    addPotion("base_brew", 15);
    auto brew = recipe("brew", "base_brew", {});
    brew->m_magnitudeBase = 32000;
    brew->m_magnitudePerSkill = 32000;
    brew->m_durationPerSkill = -32000;
    std::unique_ptr<SItem> potion = brew->CreatePotion(items, 200, random);
    EXPECT_EQ(potion->m_effects->Get(0)->m_baseMagnitude, 32767);
    EXPECT_EQ(potion->m_effects->Get(0)->m_baseDuration, -32768);
}

}  // namespace

}  // namespace recipe_test
