#include "ui/dialogs/dialog_enchant_recharge_wand.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/ui/dialogs/enchant_fixture.h"

namespace dialog_enchant_recharge_wand_test {

namespace {

class RechargeWandTest : public EnchantTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartEnchanting(mode);
        if (HasFailure()) return rig;
        dialog.Init(&Game());
        return rig;
    }
    // A wand of a spell of that mana cost, holding `charges` of `full`. Its value is the spell's
    // wand price shared out over the full charges: cost / 2 x full x 2 / 3 in all.
    SItem& wandOf(uint16_t cost, int16_t full, uint32_t charges) {
        const std::string spell = "base_spell_" + std::to_string(cost);
        const std::string type = spell + "_wand_" + std::to_string(full);
        if (Game().m_spells.FindSpell(spell.c_str()) == nullptr) AddSpell(spell.c_str(), "Mend", cost);
        SItemType* found = Game().m_items.FindItemType(type.c_str());
        return Give(found ? *found : WandType(type.c_str(), spell.c_str(), full), charges);
    }
    void show(SItem& wand) {
        dialog.Open(host, wand);
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
    }

    SDialogEnchantRechargeWand dialog;
};

// A wand of a spell of cost 6 with 10 charges is worth 20, 2 a charge: filling 4 to 10 is worth 12.
// With a cost of 6666 (or 8230) and 3 charges, an empty wand is worth the cost to fill, which a
// factor of 15 makes 9999 (or 12,345).
TEST_F(RechargeWandTest, thePriceIsTheValueAddedTimesTheFactorInTenths) {
    open();
    ASSERT_FALSE(HasFailure());
    struct Case {
        const char* name;
        uint8_t factorByte;
        std::optional<int32_t> global;
        uint16_t spellCost;
        int16_t full;
        uint32_t charges;
        uint32_t gold;
        uint32_t cost;
        const char* text;
    };
    const Case cases[] = {
        {"plain factor", 10, {}, 6, 10, 4, 100, 12, "Recharge cost: 12\t\rYour gold: 100\t"},
        {"one and a half", 15, {}, 6, 10, 4, 100, 18, "Recharge cost: 18\t\rYour gold: 100\t"},
        {"global of 0 ignored", 10, 0, 6, 10, 4, 100, 12, "Recharge cost: 12\t\rYour gold: 100\t"},
        {"negative global ignored", 10, -5, 6, 10, 4, 100, 12, "Recharge cost: 12\t\rYour gold: 100\t"},
        {"global replaces the byte", 10, 20, 6, 10, 4, 100, 24, "Recharge cost: 24\t\rYour gold: 100\t"},
        {"9999 in full", 15, {}, 6666, 3, 0, 50000, 9999, "Recharge cost: 9999\t\rYour gold: 50K\t"},
        {"12,345 as 12K", 15, {}, 8230, 3, 0, 12345, 12345, "Recharge cost: 12K\t\rYour gold: 12K\t"},
    };
    for (const Case& c : cases) {
        host.roomPrice = c.factorByte;
        host.globalName.Assign("");
        if (c.global) SetPriceGlobal(*c.global);
        SetGold(c.gold);
        show(wandOf(c.spellCost, c.full, c.charges));
        EXPECT_EQ(dialog.m_cost, c.cost) << c.name;
        EXPECT_STREQ(dialog.m_costText.m_words.Text(), c.text) << c.name;
    }
    EXPECT_STREQ(dialog.m_wandText.m_title.Text(), "Wand of Mending");
    ASSERT_EQ(dialog.m_wandText.PageCount(), 1);
    EXPECT_STREQ(dialog.m_wandText.m_pages[0].Text(), "0/3 charges\r");
}

TEST_F(RechargeWandTest, goldEqualToTheCostRechargesAndLeavesNone) {
    open();
    ASSERT_FALSE(HasFailure());
    SetGold(12);
    SItem& wand = wandOf(6, 10, 4);
    show(wand);
    dialog.OnCommand(25);
    EXPECT_EQ(wand.m_amount, 10u);
    EXPECT_EQ(Player().Gold(), 0u);
    EXPECT_EQ(dialog.m_state, SDialogEnchantRechargeWand::kRecharged);
    EXPECT_EQ(dialog.m_child, &dialog.m_message);
    EXPECT_EQ(MessageOf(dialog.m_messageText), "The wand has been recharged. You pay 12\t.");
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    // Closing the message closes the dialog with 25.
    dialog.m_message.OnCommand(SDialogMessage::kOk);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{25});
    EXPECT_EQ(dialog.m_child, nullptr);
}

TEST_F(RechargeWandTest, tooLittleGoldLeavesWandAndGoldAndTheDialogOpen) {
    open();
    ASSERT_FALSE(HasFailure());
    SetGold(11);
    SItem& wand = wandOf(6, 10, 4);
    show(wand);
    dialog.OnCommand(25);
    EXPECT_EQ(wand.m_amount, 4u);
    EXPECT_EQ(Player().Gold(), 11u);
    EXPECT_EQ(dialog.m_state, SDialogEnchantRechargeWand::kRefused);
    EXPECT_EQ(MessageOf(dialog.m_messageText), "You don't have enough gold.");
    dialog.m_message.OnCommand(SDialogMessage::kOk);
    EXPECT_EQ(dialog.m_state, SDialogEnchantRechargeWand::kNormal);
    EXPECT_EQ(dialog.m_child, nullptr);
    EXPECT_TRUE(Play().m_commands.empty());
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    dialog.OnCommand(26);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{26});
}

// A wand whose own list was left empty is priced and filled by its type's spell, not by nothing.
TEST_F(RechargeWandTest, anEmptyOwnListLeavesTheTypesChargesInForce) {
    open();
    ASSERT_FALSE(HasFailure());
    SetGold(100);
    SItem& wand = wandOf(6, 10, 4);
    wand.m_effects = EffectListOf({});
    show(wand);
    EXPECT_EQ(dialog.m_cost, 12u);
    dialog.OnCommand(25);
    EXPECT_EQ(wand.m_amount, 10u);
    EXPECT_EQ(Player().Gold(), 88u);
}

}  // namespace

}  // namespace dialog_enchant_recharge_wand_test
