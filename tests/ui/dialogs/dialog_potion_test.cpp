#include "ui/dialogs/dialog_potion.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/effects/effect_list.h"
#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "ui/dialogs/play_dialog_fixture.h"

namespace dialog_potion_test {

namespace {

class PotionDialogTest : public PlayDialogTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        dialog.Init(&Game());
        return rig;
    }
    void show() {
        dialog.Open();
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
    }
    SItemType& potion(const char* name, const char* displayName, uint16_t weight) {
        SItemType& type = AddItemType(name, kItemPotion, 1, displayName);
        type.m_weight = weight;
        return type;
    }

    SDialogPotion dialog;
};

// Heaviest first; Healing and Cure weigh the same and go by name, not by their order in the pack.
TEST_F(PotionDialogTest, potionsAreGroupedByTypeHeaviestFirstWithTiesByName) {
    open();
    ASSERT_FALSE(HasFailure());
    const SItemType& healing = potion("base_healing", "Healing", 50);
    const SItemType& cure = potion("base_cure", "Cure poison", 50);
    const SItemType& mana = potion("base_mana", "Mana", 80);
    SItemType& quest = potion("base_elixir", "Elixir", 99);
    quest.m_flags = kItemUnlisted;
    Give(healing);
    Give(cure);
    Give(mana);
    Give(healing);
    Give(quest);
    Give(AddItemType("base_sword", kItemWeapon, kWeaponLongSword, "Sword"));
    Give(healing);
    show();
    EXPECT_EQ(Rows(dialog.m_list), (std::vector<std::string>{"Mana", "Cure poison", "Healing (3)"}));
    EXPECT_STREQ(dialog.m_list.Row(0).key.Text(), "2");
    EXPECT_STREQ(dialog.m_list.Row(1).key.Text(), "1");
    EXPECT_STREQ(dialog.m_list.Row(2).key.Text(), "0");
    EXPECT_EQ(dialog.GetSelectedItem(), Player().Item(2)) << "the first row is selected";
    EXPECT_STREQ(dialog.m_prompt.m_words.Text(), "Select a potion:");

    dialog.m_list.Select(-1);
    EXPECT_EQ(dialog.GetSelectedItem(), nullptr);
}

// The rows went by pack order, which drinking and picking up change: the first row, the one a tap
// on Drink takes, moved between openings, and the player drank another potion than the last time.
// Enough rows for a sort that is not stable to show it; the pack is filled in an order of its own.
TEST_F(PotionDialogTest, twentyPotionsOfEqualWeightGoByNameWhateverThePackOrder) {
    open();
    ASSERT_FALSE(HasFailure());
    std::vector<std::string> expected;
    for (int i = 0; i < 20; ++i) {
        const int n = (i * 7) % 20;
        const std::string name = "base_potion_" + std::to_string(n), shown = "Potion " + std::string(1, char('a' + n));
        Give(potion(name.c_str(), shown.c_str(), 40));
        expected.push_back(shown);
    }
    std::sort(expected.begin(), expected.end());
    show();
    EXPECT_EQ(Rows(dialog.m_list), expected);
}

// A potion with effects of its own (a brewed one) showed as a second row of the same name.
TEST_F(PotionDialogTest, aPotionTypeIsOneRowWhateverEffectsItsPotionsCarry) {
    open();
    ASSERT_FALSE(HasFailure());
    const SItemType& healing = potion("base_healing", "Healing", 50);
    Give(healing);
    SItem& brewed = Give(healing);
    brewed.m_effects = std::make_unique<SEffectList>();
    show();
    EXPECT_EQ(Rows(dialog.m_list), (std::vector<std::string>{"Healing (2)"}));
}

TEST_F(PotionDialogTest, onePageDisablesBothScrollButtonsAndATapOutsideCloses) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    Give(potion("base_healing", "Healing", 50));
    show();
    EXPECT_FALSE(dialog.m_scrollUp.IsEnabled());
    EXPECT_FALSE(dialog.m_scrollDown.IsEnabled());
    rig.Sounds().Clear();
    rig.Tap(2, 2);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogPotion::kClose});
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_clickh 10"});
}

TEST_F(PotionDialogTest, drinkGoesToTheParentWithoutASound) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    Give(potion("base_healing", "Healing", 50));
    show();
    rig.Sounds().Clear();
    rig.Tap(dialog.m_drink.m_x + 2, dialog.m_drink.m_y + 2);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogPotion::kDrink});
    EXPECT_TRUE(rig.Sounds().Lines().empty());
}

TEST_F(PotionDialogTest, thePotionListLooksRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode);
        ASSERT_FALSE(HasFailure());
        const SItemType& healing = potion("base_healing", "Healing", 50);
        Give(healing);
        Give(healing);
        Give(potion("base_mana", "Mana", 80));
        Give(potion("base_cure", "Cure poison", 20));
        show();
        const std::string name = "potions_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
        const SViewDescriptor& view = Game().PlayView();
        EXPECT_EQ(dialog.m_x + dialog.m_w, view.m_viewX + view.m_viewWidth) << name;
        EXPECT_EQ(dialog.m_y + dialog.m_h, view.m_viewY + view.m_viewHeight) << name;
    }
}

}  // namespace

}  // namespace dialog_potion_test
