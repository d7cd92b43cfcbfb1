#include "ui/dialogs/dialog_enchant_item.h"

#include <gtest/gtest.h>

#include "tests/ui/dialogs/enchant_fixture.h"

namespace dialog_enchant_item_test {

namespace {

class EnchantItemTest : public EnchantTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartEnchanting(mode);
        if (HasFailure()) return rig;
        AddSpell("base_mend", "Mend", 6);
        wand = &WandType("base_wand_mend", "base_mend", 10);
        chooser.Init(&Game());
        return rig;
    }
    void show(const SNpcType* worker, uint32_t level, bool recharge) {
        chooser.Open(worker, level, recharge);
        m_rig->OpenDialog(chooser);
        m_rig->Frame();
    }
    void choose(int packIndex) {
        chooser.m_list.SelectById(uint32_t(packIndex));
        chooser.OnCommand(SDialogEnchantItem::kList);
        chooser.OnCommand(25);
    }
    std::vector<uint32_t> rowIds() const {
        std::vector<uint32_t> ids;
        for (int i = 0; i < chooser.m_list.RowCount(); ++i) ids.push_back(chooser.m_list.Row(i).id);
        return ids;
    }

    SItemType* wand = nullptr;
    SDialogEnchantItem chooser;
};

// Enchanting offers what has no effects yet and room for some, and the wands short of charges, in
// pack order; recharging only those wands. A wand's own list that is empty says nothing about its
// charges: the type's list counts.
TEST_F(EnchantItemTest, eachModeOffersItsItemsInPackOrder) {
    open();
    ASSERT_FALSE(HasFailure());
    Give(*wand, 10);                                                                         // 0 full
    Give(*wand, 4);                                                                          // 1 used
    SItem& ring = Give(BlankType("base_ring", kItemAccessory, kAccessoryRing, "Ring", 60));  // 2 enchanted
    ring.m_effects = EffectListOf({});
    ring.m_effects->Add(ItemEffect(5, 10));
    Give(BlankType("base_blank_scroll", kItemMagic, kMagicBlankScroll, "Blank scroll", 80));  // 3
    Give(AddItemType("base_club", kItemWeapon, kWeaponClub, "Club"), 1000);                   // 4 no storage
    Give(BlankType("base_sword", kItemWeapon, kWeaponLongSword, "Long sword", 40), 1000);     // 5
    SItem& emptied = Give(*wand, 3);                                                          // 6
    emptied.m_effects = EffectListOf({});
    SItemType& amulet = BlankType("base_amulet", kItemAccessory, 1, "Amulet", 30);  // 7 type's effects
    amulet.m_effects = EffectListOf({});
    Give(amulet);

    struct Case {
        const char* name;
        bool recharge;
        std::vector<uint32_t> ids;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"enchanting", false, {1, 3, 5, 6}, {"Wand of Mending", "Blank scroll", "Long sword", "Wand of Mending"}},
        {"recharging", true, {1, 6}, {"Wand of Mending", "Wand of Mending"}},
    };
    for (const Case& c : cases) {
        show(&host, 0, c.recharge);
        EXPECT_EQ(rowIds(), c.ids) << c.name;
        EXPECT_EQ(Rows(chooser.m_list), c.rows) << c.name;
        EXPECT_EQ(chooser.m_list.m_selected, 0) << c.name;
        EXPECT_STREQ(chooser.m_description.m_title.Text(), "Wand of Mending") << c.name;
    }
    chooser.m_list.Select(1);
    chooser.OnCommand(SDialogEnchantItem::kList);
    ASSERT_EQ(chooser.m_description.PageCount(), 1);
    EXPECT_STREQ(chooser.m_description.m_pages[0].Text(), " (3/10 charges)\r");
}

TEST_F(EnchantItemTest, theWorkerSetsTheCapacityAndTheTitleFollowsTheMode) {
    open();
    ASSERT_FALSE(HasFailure());
    host.smallValues[2] = 12;
    struct Case {
        const SNpcType* worker;
        uint32_t level;
        bool recharge;
        uint32_t capacity;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {&host, 5, false, 36, "Select the item to be enchanted",
         "Ilse the enchanter can enchant items up to 36 storage."},
        {&host, 5, true, 36, "Select the item to be recharged",
         "Ilse the enchanter can enchant items up to 36 storage."},
        {nullptr, 7, false, 21, "Select the item to be enchanted", "You can enchant items up to 21 storage."},
        {nullptr, 7, true, 0, "Select the item to be recharged", ""},
    };
    for (const Case& c : cases) {
        show(c.worker, c.level, c.recharge);
        EXPECT_EQ(chooser.m_capacity, c.capacity) << c.text;
        EXPECT_STREQ(chooser.m_title.m_words.Text(), c.title);
        EXPECT_STREQ(chooser.m_capacityText.m_words.Text(), c.text);
    }
}

// An enchanter recharges for gold in the recharge dialog; the player's own magic fills the wand at
// once, even one whose own list is empty, and serves one wand.
TEST_F(EnchantItemTest, aUsedWandGoesToTheRechargeDialogOrIsFilledForFree) {
    open();
    ASSERT_FALSE(HasFailure());
    Give(*wand, 4);
    SItem& emptied = Give(*wand, 2);
    emptied.m_effects = EffectListOf({});

    show(&host, 0, false);
    choose(0);
    EXPECT_EQ(chooser.m_child, &chooser.m_rechargeWand);
    EXPECT_EQ(chooser.m_state, SDialogEnchantItem::kNested);
    chooser.m_rechargeWand.OnCommand(26);
    EXPECT_EQ(chooser.m_child, nullptr);
    EXPECT_EQ(chooser.m_state, SDialogEnchantItem::kListing);
    EXPECT_TRUE(Play().m_commands.empty()) << "an enchanter's chooser stays open";

    show(nullptr, 0, true);
    choose(1);
    EXPECT_EQ(emptied.m_amount, 10u);
    EXPECT_EQ(chooser.m_child, &chooser.m_message);
    EXPECT_EQ(MessageOf(chooser.m_messageText), "The wand has been recharged.");
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    chooser.m_message.OnCommand(SDialogMessage::kOk);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogEnchantItem::kClose});
    EXPECT_EQ(Player().Item(0)->m_amount, 4u) << "one wand only";
}

TEST_F(EnchantItemTest, aBlankMagicItemNeedsAKnownSpell) {
    open();
    ASSERT_FALSE(HasFailure());
    Player().ForgetSpell("base_mend");
    Give(BlankType("base_blank_scroll", kItemMagic, kMagicBlankScroll, "Blank scroll", 80));
    show(&host, 0, false);
    choose(0);
    EXPECT_EQ(chooser.m_child, &chooser.m_message);
    EXPECT_EQ(MessageOf(chooser.m_messageText), "You don't know any spells - this item cannot be enchanted.");
    chooser.m_message.OnCommand(SDialogMessage::kOk);
    EXPECT_EQ(chooser.m_child, nullptr);
    EXPECT_EQ(chooser.m_state, SDialogEnchantItem::kListing);
    EXPECT_TRUE(Play().m_commands.empty());

    Player().LearnSpell("base_mend", false);
    choose(0);
    EXPECT_EQ(chooser.m_child, &chooser.m_enchant);
}

TEST_F(EnchantItemTest, withoutRowsChooseDoesNothing) {
    open();
    ASSERT_FALSE(HasFailure());
    Give(*wand, 10);
    show(&host, 0, false);
    EXPECT_EQ(chooser.m_list.RowCount(), 0);
    EXPECT_EQ(chooser.OnCommand(25), 0u);
    EXPECT_EQ(chooser.m_child, nullptr);
    EXPECT_EQ(chooser.m_state, SDialogEnchantItem::kListing);
    EXPECT_TRUE(Play().m_commands.empty());
}

// Enchanting a worn piece changes what it gives; closing the chooser brings that into force.
TEST_F(EnchantItemTest, closingRecomputesWhatTheWornPiecesGive) {
    open();
    ASSERT_FALSE(HasFailure());
    SItem& ring = Give(BlankType("base_ring", kItemAccessory, kAccessoryRing, "Ring", 60));
    Player().EquipItem(&ring, false);
    show(&host, 0, false);
    ring.m_effects = EffectListOf({});
    ring.m_effects->Add(ItemEffect(5, 10));
    EXPECT_EQ(Player().GetEffectTotal(kPlayerFortifyHp), 0);
    chooser.OnCommand(SDialogEnchantItem::kClose);
    EXPECT_EQ(Player().GetEffectTotal(kPlayerFortifyHp), 10);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogEnchantItem::kClose});
}

// After an enchanter's work the list is offered again without what was done; the player's own
// magic closes the chooser.
TEST_F(EnchantItemTest, aNestedDialogClosingRefillsTheListOrEndsTheChooser) {
    open();
    ASSERT_FALSE(HasFailure());
    SetGold(1000);
    Give(*wand, 4);
    Give(BlankType("base_ring", kItemAccessory, kAccessoryRing, "Ring", 60));
    show(&host, 0, false);
    choose(0);
    chooser.m_rechargeWand.OnCommand(25);
    chooser.m_rechargeWand.m_message.OnCommand(SDialogMessage::kOk);
    EXPECT_EQ(chooser.m_child, nullptr);
    EXPECT_EQ(rowIds(), std::vector<uint32_t>{1});
    EXPECT_TRUE(Play().m_commands.empty());

    show(nullptr, 10, false);
    choose(1);
    ASSERT_EQ(chooser.m_child, &chooser.m_enchant);
    chooser.m_enchant.OnCommand(26);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogEnchantItem::kClose});
}

}  // namespace

}  // namespace dialog_enchant_item_test
