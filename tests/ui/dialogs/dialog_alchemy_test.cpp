#include "ui/dialogs/dialog_alchemy.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/item_records.h"
#include "ui/dialogs/tool_dialog_fixture.h"

namespace dialog_alchemy_test {

namespace {

constexpr uint32_t kAlchemy = 16;

// Of the rolls 0 to 99, those above the threshold fail: skill 30 against recipes of these levels.
TEST(AlchemyThresholdTest, theRollsThatFailFollowTheGapToTheRecipesLevel) {
    struct Case {
        int32_t level;
        int failing;
    };
    const Case cases[] = {{25, 0}, {30, 9}, {35, 24}, {50, 99}, {51, 100}};
    for (const Case& c : cases) {
        const int32_t threshold = SDialogAlchemy::BrewThreshold(30, c.level);
        int failing = 0;
        for (int roll = 0; roll < 100; ++roll) failing += roll > threshold;
        EXPECT_EQ(failing, c.failing) << "level " << c.level;
    }
}

class AlchemyTest : public ToolDialogTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartTools(mode);
        if (HasFailure()) return rig;
        dialog.Init(&Game());
        Player().SetBaseSkill(kAlchemy, 30);
        root = &ingredient("base_root", "Healroot", 0x07E0, {kEffectRestoreHp});
        berry = &ingredient("base_berry", "Redberry", 0xF800, {kEffectRestoreHp, kEffectFortifyAttribute});
        AddItemType("base_healing", kItemPotion, 1, "Healing");
        AddItemType("base_strong", kItemPotion, 1, "Strong healing");
        mortar = &Tool("base_mortar", kItemAlchemy, 1, "Mortar and pestle", 1000, 0xBDF7);
        return rig;
    }
    SItemType& ingredient(const char* name, const char* shown, uint16_t colour, std::vector<uint8_t> kinds) {
        SItemType& type = Tool(name, kItemIngredient, 1, shown, 0, colour);
        std::vector<std::unique_ptr<SEffect>> effects;
        for (uint8_t kind : kinds) effects.push_back(ItemEffect(kind, 5, 0, "", kSourceOnUse));
        type.m_effects = EffectListOf(std::move(effects));
        return type;
    }
    // A recipe of the level for Healing from one Restore hp effect, or for Strong healing from two.
    void recipe(const char* name, uint8_t level, bool strong = false) {
        auto made = std::make_unique<SRecipe>();
        made->m_name.Set(name);
        made->m_potion.Assign(strong ? "base_strong" : "base_healing");
        made->m_slots[0].effectType = kEffectRestoreHp;
        if (strong) made->m_slots[1].effectType = kEffectRestoreHp;
        made->m_level = level;
        Game().m_recipes.Add(std::move(made));
    }
    void show() {
        dialog.Open(&Give(*mortar, 800));
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
    }
    // Steps the slot's ingredient on by one, as its next button does.
    void next(int slot) {
        m_rig->Tap(dialog.m_slots[size_t(slot)].next.m_x + 2, dialog.m_slots[size_t(slot)].next.m_y + 2);
    }
    // Create has no key: the list takes the use key.
    void create() { m_rig->Tap(dialog.m_create.m_x + 2, dialog.m_create.m_y + 2); }
    int owned(const SItemType* type) { return Player().Pack().CountOfType(type); }
    // In the recipe table's order, which is its own.
    std::vector<std::string> potions() const {
        std::vector<std::string> rows = Rows(dialog.m_potions);
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    bool played(const char* name) {
        const std::vector<std::string> lines = m_rig->Sounds().Lines();
        return std::find(lines.begin(), lines.end(), std::string(name) + " 10") != lines.end();
    }

    SDialogAlchemy dialog;
    SItemType* root = nullptr;
    SItemType* berry = nullptr;
    SItemType* mortar = nullptr;
};

// Root in two slots is one ingredient: it cannot fill both of Strong healing's slots.
TEST_F(AlchemyTest, aTypeInTwoSlotsIsOfferedToTheRecipesOnce) {
    open();
    ASSERT_FALSE(HasFailure());
    recipe("heal", 10);
    recipe("strong", 10, true);
    Give(*root);
    Give(*root);
    Give(*berry);
    show();
    EXPECT_TRUE(potions().empty());
    next(0);
    next(1);
    EXPECT_EQ(dialog.m_slots[1].picture.m_count, 2u);
    EXPECT_EQ(potions(), std::vector<std::string>{"Healing"});
    next(1);
    EXPECT_EQ(potions(), (std::vector<std::string>{"Healing", "Strong healing"}));
    EXPECT_EQ(dialog.m_slots[0].picture.m_marked, 1u) << "Healing takes the root";
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(AlchemyTest, answeringNoConsumesNothingAndTheQuestionComesAgain) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    recipe("heal", 50);
    Give(*root);
    show();
    next(0);
    ASSERT_EQ(potions(), std::vector<std::string>{"Healing"});
    EXPECT_EQ(dialog.m_slots[0].picture.m_marked, 0u) << "a recipe above the skill marks nothing";
    for (int question = 0; question < 2; ++question) {
        create();
        ASSERT_EQ(dialog.m_child, &dialog.m_message);
        EXPECT_EQ(dialog.m_pending, SDialogAlchemy::kQuestion);
        rig.Key(3007);
        EXPECT_EQ(dialog.m_child, nullptr);
        EXPECT_EQ(owned(root), 1);
        EXPECT_EQ(Player().UseCount(kAlchemy), 0u);
        EXPECT_TRUE(rig.MatchesFullRepaint());
    }
}

TEST_F(AlchemyTest, everyAttemptConsumesTheIngredientsAndTrainsTheSkill) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    recipe("heal", 51);
    Give(*root);
    Give(*root);
    Give(*berry);
    show();
    next(0);
    next(1);
    next(1);
    ASSERT_EQ(potions(), (std::vector<std::string>{"Healing"}));
    create();
    rig.Sounds().Clear();
    rig.Key(3006);  // Yes
    EXPECT_EQ(dialog.m_pending, SDialogAlchemy::kResult);
    EXPECT_TRUE(played("bsnd_alchemyfailed"));
    EXPECT_EQ(owned(root), 1) << "the recipe took one root";
    EXPECT_EQ(owned(berry), 1) << "and left the berry it did not use";
    EXPECT_EQ(Player().UseCount(kAlchemy), 1u);
    EXPECT_EQ(dialog.m_slots[0].picture.m_count, 1u);
    rig.Key(3006);  // Ok
    EXPECT_EQ(dialog.m_child, nullptr);
    EXPECT_EQ(dialog.m_pending, SDialogAlchemy::kNothing);
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

TEST_F(AlchemyTest, aSuccessfulBrewGivesThePotionAndTheLastIngredientEmptiesItsSlot) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    recipe("heal", 25);
    Give(*root);
    show();
    next(0);
    rig.Sounds().Clear();
    create();
    EXPECT_TRUE(played("bsnd_fillpotion"));
    EXPECT_EQ(owned(root), 0);
    EXPECT_EQ(owned(Game().m_items.FindItemType("base_healing")), 1);
    EXPECT_EQ(dialog.m_slots[0].index, -1);
    EXPECT_EQ(dialog.m_slots[0].picture.m_picture, nullptr);
    EXPECT_TRUE(potions().empty());
    ASSERT_EQ(dialog.m_child, &dialog.m_message);
    EXPECT_TRUE(rig.Shot("alchemy_result_mode7"));
    rig.Key(3006);
    EXPECT_EQ(dialog.m_child, nullptr);
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

// Below Alchemy 30 the berry's second effect is unknown.
TEST_F(AlchemyTest, aSlotDescribesItsIngredientsEffectsOnOneLine) {
    open();
    ASSERT_FALSE(HasFailure());
    Player().SetBaseSkill(kAlchemy, 20);
    Give(*berry);
    show();
    next(0);
    std::string body;
    for (const SString& page : dialog.m_slots[0].text.m_pages) body += page.Text();
    EXPECT_NE(body.find('?'), std::string::npos) << body;
    EXPECT_EQ(body.find("Unknown"), std::string::npos) << body;
    EXPECT_STREQ(dialog.m_slots[0].text.m_title.Text(), "Redberry");
}

// The mortar's text has no background of its own: stepping must not leave the old name showing.
TEST_F(AlchemyTest, steppingTheMortarShowsItsConditionAndRepaints) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    Give(Tool("base_ghost", kItemAlchemy, 1, "Ghost mortar", 0), 0);
    Give(Tool("base_stone", kItemAlchemy, 1, "Stone mortar"), 100);
    show();
    ASSERT_EQ(dialog.m_mortars.size(), 2u) << "a mortar without a maximum condition is not offered";
    EXPECT_STREQ(dialog.m_mortarText.m_title.Text(), "Mortar and pestle") << "the used one is shown first";
    EXPECT_FALSE(dialog.m_nextMortar.IsEnabled());
    rig.Tap(dialog.m_previousMortar.m_x + 2, dialog.m_previousMortar.m_y + 2);
    EXPECT_STREQ(dialog.m_mortarText.m_title.Text(), "Stone mortar");
    ASSERT_FALSE(dialog.m_mortarText.m_pages.empty());
    EXPECT_STREQ(dialog.m_mortarText.m_pages[0].Text(), "Condition: poor\r");
    EXPECT_FALSE(dialog.m_previousMortar.IsEnabled());
    EXPECT_TRUE(rig.MatchesFullRepaint());
    rig.Tap(dialog.m_nextMortar.m_x + 2, dialog.m_nextMortar.m_y + 2);
    EXPECT_STREQ(dialog.m_mortarText.m_title.Text(), "Mortar and pestle");
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

TEST_F(AlchemyTest, alchemyWithTwoIngredientsAndAPotionListLooksRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode);
        ASSERT_FALSE(HasFailure());
        recipe("heal", 10);
        recipe("strong", 20, true);
        Give(*root);
        Give(*berry);
        Give(*berry);
        show();
        next(0);
        next(1);
        next(1);
        const std::string name = "alchemy_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
    }
}

}  // namespace

}  // namespace dialog_alchemy_test
