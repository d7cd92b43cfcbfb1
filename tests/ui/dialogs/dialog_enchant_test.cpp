#include "ui/dialogs/dialog_enchant.h"

#include <gtest/gtest.h>

#include "tests/ui/dialogs/enchant_fixture.h"

namespace dialog_enchant_test {

namespace {

constexpr uint8_t kFortifySkill = 1;
constexpr uint8_t kFortifyHp = 5;
constexpr uint8_t kFortifyUnholy = 8;
constexpr uint8_t kFortifyAc = 11;

class EnchantDialogTest : public EnchantTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartEnchanting(mode);
        if (HasFailure()) return rig;
        dialog.Init(&Game());
        ring = &Give(BlankType("base_ring", kItemAccessory, kAccessoryRing, "Silver ring", 60));
        return rig;
    }
    void show(const SNpcType* worker, SItem& item, uint32_t capacity) {
        dialog.Open(worker, item, capacity);
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
    }
    // What the player makes in the editor, taken with OK.
    void add(uint8_t type, int16_t magnitude, uint8_t subTarget = 0, const char* target = "") {
        dialog.OnCommand(SDialogEnchant::kAdd);
        SDialogEnchantEntry& editor = *static_cast<SDialogEnchantEntry*>(dialog.m_child);
        editor.m_entry = *ItemEffect(type, magnitude, subTarget, target, editor.m_entry.m_source);
        editor.OnCommand(25);
    }
    std::vector<const SEffect*> entries() const {
        std::vector<const SEffect*> list;
        for (int i = 0; i < dialog.m_list->Count(); ++i) list.push_back(dialog.m_list->Get(i));
        return list;
    }

    SItem* ring = nullptr;
    SDialogEnchant dialog;
};

TEST_F(EnchantDialogTest, theCapacityIsTheSmallerOfTheItemsAndTheWorkers) {
    open();
    ASSERT_FALSE(HasFailure());
    SItem& sword = Give(BlankType("base_sword", kItemWeapon, kWeaponLongSword, "Sword", 20), 1000);
    show(&host, sword, 30);
    EXPECT_EQ(dialog.m_capacity, 20);
    EXPECT_EQ(dialog.m_remaining, 20);
    show(&host, *ring, 30);
    EXPECT_EQ(dialog.m_capacity, 30);
    add(kFortifyAc, 2);  // 20 x 2 = 40 storage
    EXPECT_EQ(dialog.m_remaining, -10) << "over the capacity while editing";
}

// Fortify hp costs 10 storage and 75 gold a point, Fortify ac 20 and 100.
TEST_F(EnchantDialogTest, thePriceFollowsTheEntriesAndTheFactorAndRemovingTheLastLeavesNothing) {
    open();
    ASSERT_FALSE(HasFailure());
    host.roomPrice = 15;
    show(&host, *ring, 200);
    add(kFortifyHp, 2);
    add(kFortifyAc, 1);
    EXPECT_EQ(dialog.m_list->m_value, 250u) << "the item is worth what its enchantments cost";
    EXPECT_EQ(dialog.m_priceGold, 375u);
    EXPECT_EQ(dialog.m_remaining, 60 - 40) << "the ring holds 60";
    EXPECT_EQ(Rows(dialog.m_entries).size(), 2u);
    for (int i = 0; i < 2; ++i) {
        dialog.m_entries.Select(0);
        dialog.OnCommand(SDialogEnchant::kRemove);
    }
    EXPECT_EQ(dialog.m_list->Count(), 0);
    EXPECT_EQ(dialog.m_priceGold, 0u);
    EXPECT_EQ(dialog.m_list->m_value, 0u);
    EXPECT_EQ(dialog.m_remaining, 60);
    EXPECT_EQ(dialog.m_entries.RowCount(), 0);
}

// The entry is out of the list while it is edited, so that the editor is shown what the others
// leave; cancelling puts the very entry back where it was, OK puts the edited one there.
TEST_F(EnchantDialogTest, modifyingPutsTheEntryBackAtItsPlace) {
    open();
    ASSERT_FALSE(HasFailure());
    show(&host, *ring, 200);
    add(kFortifySkill, 5, 3);
    add(kFortifyHp, 2);
    add(kFortifyAc, 1);
    const std::vector<const SEffect*> before = entries();
    const std::vector<std::string> rows = Rows(dialog.m_entries);

    dialog.m_entries.Select(1);
    dialog.OnCommand(SDialogEnchant::kModify);
    ASSERT_EQ(dialog.m_child, &dialog.m_otherEditor);
    EXPECT_EQ(dialog.m_list->Count(), 2);
    EXPECT_EQ(dialog.m_remaining, 60 - 75 - 20) << "the ring holds 60";
    EXPECT_EQ(dialog.m_otherEditor.m_entry.m_type, kFortifyHp);
    dialog.m_otherEditor.OnCommand(SDialogEnchantEntryOther::kValueIds.up);
    dialog.m_otherEditor.OnCommand(26);
    EXPECT_EQ(entries(), before);
    EXPECT_EQ(before[1]->m_baseMagnitude, 2);
    EXPECT_EQ(Rows(dialog.m_entries), rows);
    EXPECT_EQ(dialog.m_child, nullptr);

    dialog.m_entries.Select(1);
    dialog.OnCommand(SDialogEnchant::kModify);
    dialog.m_otherEditor.OnCommand(SDialogEnchantEntryOther::kValueIds.up);
    dialog.m_otherEditor.OnCommand(25);
    ASSERT_EQ(dialog.m_list->Count(), 3);
    EXPECT_EQ(dialog.m_list->Get(1)->m_type, kFortifyHp);
    EXPECT_EQ(dialog.m_list->Get(1)->m_baseMagnitude, 3);
    EXPECT_EQ(dialog.m_list->Get(2)->m_type, kFortifyAc);
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

// Gold is checked first, then the storage, then Fortify hp beside Fortify unholy; each refusal
// keeps the dialog and its list as they were. Fortify hp and unholy cost 10 storage and 75 gold a
// point, Fortify ac 20 and 100; the ring takes 30.
TEST_F(EnchantDialogTest, refusalsComeInTheirOrderAndKeepTheDialogOpen) {
    open();
    ASSERT_FALSE(HasFailure());
    struct Case {
        uint32_t gold;
        bool overStorage;
        const char* message;
    };
    const Case cases[] = {
        {100, true, "You don't have enough gold."},
        {1000, true, "There isn't enough available storage for this enchantment."},
        {1000, false, "The item cannot contain both fortify hp and fortify unholy enchantments."},
    };
    for (const Case& c : cases) {
        SetGold(c.gold);
        show(&host, *ring, 30);
        add(kFortifyHp, 1);
        add(kFortifyUnholy, 1);
        if (c.overStorage) add(kFortifyAc, 1);
        const std::vector<const SEffect*> before = entries();
        EXPECT_EQ(dialog.OnCommand(25), 0u) << c.message;
        EXPECT_EQ(dialog.m_state, SDialogEnchant::kMessage) << c.message;
        EXPECT_EQ(MessageOf(dialog.m_messageText), c.message);
        dialog.m_message.OnCommand(SDialogMessage::kOk);
        EXPECT_EQ(dialog.m_state, SDialogEnchant::kMain);
        EXPECT_EQ(dialog.m_child, nullptr);
        EXPECT_EQ(entries(), before) << c.message;
        EXPECT_EQ(ring->m_effects, nullptr);
        EXPECT_EQ(Player().Gold(), c.gold);
        EXPECT_TRUE(Play().m_commands.empty()) << c.message;
        dialog.OnCommand(26);
        Play().m_commands.clear();
    }
}

TEST_F(EnchantDialogTest, anEnchanterIsPaidAndTheItemTakesTheList) {
    open();
    ASSERT_FALSE(HasFailure());
    SetGold(1000);
    show(&host, *ring, 30);
    add(kFortifyHp, 2);
    const SEffect* entry = dialog.m_list->Get(0);
    dialog.OnCommand(25);
    ASSERT_NE(ring->m_effects, nullptr);
    EXPECT_EQ(ring->m_effects->Get(0), entry);
    EXPECT_EQ(ring->m_effects->m_value, 150u);
    EXPECT_EQ(Player().Gold(), 850u);
    EXPECT_EQ(dialog.m_state, SDialogEnchant::kEnchanted);
    EXPECT_EQ(MessageOf(dialog.m_messageText), "The enchanting was successful. You pay 150 gold.");
    EXPECT_TRUE(Play().m_commands.empty()) << "the message is read first";
    dialog.m_message.OnCommand(SDialogMessage::kOk);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{25});
}

TEST_F(EnchantDialogTest, withoutAnEnchanterNoPriceIsShownOrTaken) {
    open();
    ASSERT_FALSE(HasFailure());
    SetGold(10);
    show(nullptr, *ring, 30);
    for (const STextCtrl* text : {&dialog.m_priceLabel, &dialog.m_price, &dialog.m_goldLabel, &dialog.m_gold})
        EXPECT_FALSE(text->IsShown());
    EXPECT_TRUE(dialog.m_storage.IsShown());
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    add(kFortifyHp, 2);
    dialog.OnCommand(25);
    EXPECT_EQ(Player().Gold(), 10u);
    EXPECT_NE(ring->m_effects, nullptr);
    EXPECT_EQ(MessageOf(dialog.m_messageText), "The enchanting was successful.");
}

// Wands and scrolls carry one spell; a wand's charges are what its entry was given.
TEST_F(EnchantDialogTest, aWandOrScrollTakesOneSpellAndTheWandItsCharges) {
    open();
    ASSERT_FALSE(HasFailure());
    AddSpell("base_mend", "Mend", 10);
    struct Case {
        uint8_t subtype;
        const char* message;
        uint32_t amount;
    };
    const Case cases[] = {
        {kMagicEmptyWand, "A wand cannot contain more than one spell.", 7},
        {kMagicBlankScroll, "A scroll cannot contain more than one spell.", 0},
    };
    for (const Case& c : cases) {
        SItem& item = Give(
            BlankType(c.subtype == kMagicEmptyWand ? "base_wand" : "base_scroll", kItemMagic, c.subtype, "Blank", 500));
        show(nullptr, item, 500);
        add(kEffectCastSpell, 7, 0, "base_mend");
        dialog.OnCommand(SDialogEnchant::kAdd);
        EXPECT_EQ(dialog.m_child, &dialog.m_message);
        EXPECT_EQ(MessageOf(dialog.m_messageText), c.message);
        dialog.m_message.OnCommand(SDialogMessage::kOk);
        EXPECT_EQ(dialog.m_list->Count(), 1);
        dialog.OnCommand(25);
        EXPECT_EQ(item.m_amount, c.amount);
        ASSERT_NE(item.m_effects, nullptr);
        EXPECT_STREQ(item.m_effects->Get(0)->m_target.Text(), "base_mend");
    }
}

TEST_F(EnchantDialogTest, confirmingNothingClosesAndAddDoesNothingWithoutAnEditor) {
    open();
    ASSERT_FALSE(HasFailure());
    SItem& book = Give(BlankType("base_spellbook", kItemMagic, kMagicSpellbook, "Spellbook", 50));
    show(&host, book, 30);
    dialog.OnCommand(SDialogEnchant::kAdd);
    EXPECT_EQ(dialog.m_child, nullptr);
    EXPECT_EQ(dialog.m_state, SDialogEnchant::kMain);
    dialog.OnCommand(25);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{25});
    EXPECT_EQ(book.m_effects, nullptr);
}

// Run under the sanitizers: every path leaves the list and the entry with exactly one owner.
TEST_F(EnchantDialogTest, cancellingAtEveryStepFreesWhatWasBuilt) {
    open();
    ASSERT_FALSE(HasFailure());
    SetGold(0);
    show(&host, *ring, 30);
    add(kFortifyHp, 1);
    dialog.OnCommand(SDialogEnchant::kAdd);
    dialog.m_otherEditor.OnCommand(26);
    EXPECT_EQ(dialog.m_list->Count(), 1);
    EXPECT_EQ(dialog.m_entry, nullptr);
    dialog.OnCommand(25);
    dialog.m_message.OnCommand(SDialogMessage::kOk);
    dialog.m_entries.Select(0);
    dialog.OnCommand(SDialogEnchant::kModify);
    dialog.m_otherEditor.OnCommand(26);
    dialog.OnCommand(26);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{26});
    EXPECT_EQ(dialog.m_list->Count(), 0);
    EXPECT_EQ(ring->m_effects, nullptr);
}

}  // namespace

}  // namespace dialog_enchant_test
