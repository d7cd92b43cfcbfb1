// What a player sees of enchanting, in the sample interface's own pictures: the chooser with items
// and wands, the wand recharge, the enchant dialog with two entries and an enchanter, and both
// entry editors, each repainted exactly by a full repaint.
#include <gtest/gtest.h>

#include "tests/ui/dialogs/enchant_fixture.h"
#include "ui/dialogs/dialog_enchant_item.h"

namespace enchant_pictures_test {

namespace {

class EnchantPictures : public EnchantTest {
protected:
    void shot(const std::string& name) {
        m_rig->Frame();
        EXPECT_TRUE(m_rig->MatchesFullRepaint()) << name;
        EXPECT_TRUE(m_rig->Shot(name));
    }
    // Chooses the pack item as the player would: its row, then the choose button.
    void choose(int packIndex) {
        chooser.m_list.SelectById(uint32_t(packIndex));
        chooser.OnCommand(SDialogEnchantItem::kList);
        chooser.OnCommand(25);
    }

    SDialogEnchantItem chooser;
};

TEST_F(EnchantPictures, picturesOfEnchantingInTheSampleInterface) {
    for (uint32_t mode : {7u, 10u}) {
        const std::string suffix = "_mode" + std::to_string(mode);
        StartEnchanting(mode);
        ASSERT_FALSE(HasFailure());
        SetGold(12345);
        AddSpell("base_mend", "Mend", 40);
        AddSpell("base_dispel", "Dispel", 30, true, kFixedEffect);
        Give(BlankType("base_sword", kItemWeapon, kWeaponLongSword, "Long sword", 40), 1000);
        Give(BlankType("base_ring", kItemAccessory, kAccessoryRing, "Silver ring", 60));
        Give(BlankType("base_blank_scroll", kItemMagic, kMagicBlankScroll, "Blank scroll", 80));
        Give(BlankType("base_empty_wand", kItemMagic, kMagicEmptyWand, "Empty wand", 80));
        Give(WandType("base_wand_mend", "base_mend", 10), 4);
        Give(WandType("base_wand_full", "base_mend", 10), 10);
        chooser.Init(&Game());
        chooser.Open(&host, 0, false);
        m_rig->OpenDialog(chooser);
        chooser.m_list.SelectById(4);
        chooser.OnCommand(SDialogEnchantItem::kList);
        shot("enchant_chooser" + suffix);

        chooser.OnCommand(25);
        ASSERT_EQ(chooser.m_child, &chooser.m_rechargeWand);
        shot("enchant_recharge" + suffix);
        chooser.m_rechargeWand.OnCommand(26);

        choose(1);
        SDialogEnchant& enchant = chooser.m_enchant;
        ASSERT_EQ(chooser.m_child, &enchant);
        enchant.OnCommand(SDialogEnchant::kAdd);
        ASSERT_EQ(enchant.m_child, &enchant.m_otherEditor);
        enchant.m_otherEditor.m_types.SelectById(2);
        enchant.m_otherEditor.OnCommand(SDialogEnchantEntryOther::kTypeList);
        enchant.m_otherEditor.OnCommand(SDialogEnchantEntryOther::kValueIds.upTen);
        shot("enchant_entry_other" + suffix);
        enchant.m_otherEditor.OnCommand(25);
        enchant.OnCommand(SDialogEnchant::kAdd);
        enchant.m_otherEditor.m_types.SelectById(22);
        enchant.m_otherEditor.OnCommand(SDialogEnchantEntryOther::kTypeList);
        enchant.m_otherEditor.OnCommand(SDialogEnchantEntryOther::kValueIds.upTen);
        enchant.m_otherEditor.OnCommand(25);
        shot("enchant_dialog" + suffix);
        enchant.OnCommand(26);

        choose(3);
        ASSERT_EQ(chooser.m_child, &enchant);
        enchant.OnCommand(SDialogEnchant::kAdd);
        ASSERT_EQ(enchant.m_child, &enchant.m_wandScrollEditor);
        enchant.m_wandScrollEditor.OnCommand(SDialogEnchantEntryWandScroll::kChargeIds.up);
        shot("enchant_entry_wand" + suffix);
        enchant.m_wandScrollEditor.OnCommand(26);
        enchant.OnCommand(26);
    }
}

}  // namespace

}  // namespace enchant_pictures_test
