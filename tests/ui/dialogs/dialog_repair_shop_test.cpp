#include "ui/dialogs/dialog_repair_shop.h"

#include <gtest/gtest.h>

#include "engine/draw/digit_glyphs.h"
#include "ui/dialogs/tool_dialog_fixture.h"

namespace dialog_repair_shop_test {

namespace {

constexpr uint32_t kMercantile = 15;

class RepairShopTest : public ToolDialogTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartTools(mode);
        if (!HasFailure()) dialog.Init(&Game());
        return rig;
    }
    void show(uint32_t factor = 100) {
        dialog.Open(factor);
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
    }
    SItem& sword(uint32_t condition, const char* name = "Sword") {
        const std::string id = std::string("base_") + name;
        SItemType* type = Game().m_items.FindItemType(id.c_str());
        if (type == nullptr) type = &Tool(id.c_str(), kItemWeapon, kWeaponLongSword, name);
        return Give(*type, condition);
    }
    std::vector<std::string> sides() const {
        std::vector<std::string> prices;
        for (int i = 0; i < dialog.m_list.RowCount(); ++i) prices.emplace_back(dialog.m_list.Row(i).side.Text());
        return prices;
    }

    SDialogRepairShop dialog;
};

// The full repair of 300 points at the factor, less the player's haggling percentage; never below
// 1 gold, however good the haggling or small the damage.
TEST_F(RepairShopTest, aRepairCostsTheMissingConditionAtTheFactorLessTheHaggling) {
    struct Case {
        uint32_t factor;
        uint16_t mercantile;  // a fifth of Mercantile x 2 / 7 is the percentage taken off
        const char* price;
    };
    const Case cases[] = {{100, 35, "270\t"}, {100, 0, "300\t"}, {250, 0, "750\t"},
                          {100, 350, "1\t"},  {100, 700, "1\t"}, {0, 0, "1\t"}};
    for (const Case& c : cases) {
        open();
        ASSERT_FALSE(HasFailure());
        Player().SetBaseSkill(kMercantile, c.mercantile);
        sword(700);
        show(c.factor);
        EXPECT_EQ(sides(), std::vector<std::string>{c.price})
            << "factor " << c.factor << ", Mercantile " << c.mercantile;
    }
}

TEST_F(RepairShopTest, onlyDamagedWeaponsAndArmourAreListedInPackOrder) {
    open();
    ASSERT_FALSE(HasFailure());
    Give(Tool("base_quiver", kItemWeapon, kWeaponQuiver, "Quiver"), 10);
    Give(Tool("base_knives", kItemWeapon, kWeaponThrowing, "Knives"), 10);
    Give(Tool("base_bolts", kItemWeapon, kWeaponBoltQuiver, "Bolts"), 10);
    Give(Tool("base_mail", kItemHeavyArmour, kArmourBody, "Mail"), 500);
    Give(Tool("base_ring", kItemAccessory, kAccessoryRing, "Ring"), 10);
    Give(Tool("base_hammer", kItemRepair, 1, "Hammer"), 10);
    sword(1000, "Whole");
    Give(Tool("base_ghost", kItemWeapon, kWeaponMace, "Ghost mace", 0), 0);
    Give(Tool("base_cap", kItemLightArmour, kArmourHelm, "Cap"), 999);
    sword(1);
    show();
    EXPECT_EQ(Rows(dialog.m_list), (std::vector<std::string>{"Mail", "Cap", "Sword"}));
    EXPECT_STREQ(dialog.m_list.Row(2).key.Text(), "2");
}

TEST_F(RepairShopTest, theGoldShowsInItsShortFormInSmallDigits) {
    struct Case {
        uint32_t gold;
        const char* shown;
    };
    const Case cases[] = {{9999, "9999"}, {12345, "12K"}, {999999, "999K"}, {1000000, "1M"}, {1000000000, "1B"}};
    for (const Case& c : cases) {
        open();
        ASSERT_FALSE(HasFailure());
        Player().ReceiveGold(c.gold, false, false);
        show();
        SString expected;
        expected.Format("Player gold:\r%s\t", c.shown);
        ToDigitGlyphs(expected);
        EXPECT_STREQ(dialog.m_gold.m_words.Text(), expected.Text()) << c.gold;
    }
}

TEST_F(RepairShopTest, repairingTheLastRowPaysMendsAndSelectsTheNewLastRow) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    Player().ReceiveGold(1000, false, false);
    sword(900, "First");
    sword(800, "Second");
    SItem& last = sword(700, "Third");
    show();
    dialog.m_list.Select(2);
    rig.Sounds().Clear();
    rig.Key(3006);
    EXPECT_EQ(last.m_amount, 1000u);
    EXPECT_EQ(Player().Gold(), 700u);
    EXPECT_EQ(Rows(dialog.m_list), (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(dialog.m_list.m_selected, 1);
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_repairok 10"});
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

TEST_F(RepairShopTest, tooLittleGoldOrNoSelectionDoesNothing) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    Player().ReceiveGold(299, false, false);
    SItem& item = sword(700);
    show();
    rig.Sounds().Clear();
    rig.Key(3006);
    dialog.m_list.Select(-1);
    Player().ReceiveGold(1, false, false);
    rig.Key(3006);
    EXPECT_EQ(item.m_amount, 700u);
    EXPECT_EQ(Player().Gold(), 300u);
    EXPECT_EQ(dialog.m_list.RowCount(), 1);
    EXPECT_TRUE(rig.Sounds().Lines().empty());
}

TEST_F(RepairShopTest, closeGoesToTheParentWithItsSound) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    show();
    rig.Sounds().Clear();
    rig.Key(3007);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogRepairShop::kClose});
    EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{"bsnd_clickh 10"});
}

TEST_F(RepairShopTest, theSmithsListLooksRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode);
        ASSERT_FALSE(HasFailure());
        Player().ReceiveGold(12345, false, false);
        sword(700, "Long sword");
        Give(Tool("base_mail", kItemHeavyArmour, kArmourBody, "Chain mail"), 250);
        Give(Tool("base_cap", kItemLightArmour, kArmourHelm, "Leather cap"), 990);
        show(100);
        const std::string name = "repair_shop_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
    }
}

}  // namespace

}  // namespace dialog_repair_shop_test
