// The items page's actions through the game object: equipping with its slot rules and refusals,
// the hand question, reading, dropping and taking.
#include <gtest/gtest.h>

#include "engine/draw/digit_glyphs.h"
#include "tests/screens/inventory/inventory_fixture.h"

namespace item_actions_test {

namespace {

constexpr uint8_t kUnusableType = 0x10;

class ItemActionsTest : public InventoryTest {
protected:
    void SetUp() override {
        InventoryTest::SetUp();
        StartInventory(7);
        Player().SetRace(3);
    }
    // Selects the grid's entry that holds the item.
    void SelectItem(const SItem& item) {
        SStateInventory& inventory = Inventory();
        for (int i = 0; i < inventory.m_grid.EntryCount(); ++i)
            if (inventory.m_grid.Entry(i)->item == &item) return Select(i);
        ADD_FAILURE() << "the grid does not show the item";
    }
    std::string Glyphs(const std::string& text) {
        SString rewritten(text.c_str());
        ToDigitGlyphs(rewritten);
        return rewritten.Text();
    }
    SItem* Slot(uint32_t slot) { return Player().EquippedItem(slot); }
};

// What the hands and ring fingers hold before, and the piece equipped.
struct EquipCase {
    const char* name;
    const char* mainHand;  // "" for empty
    const char* secondHand;
    int rings;
    const char* piece;
    // Where the piece ends; 0 for the hand question.
    uint32_t slot;
    const char* mainHandAfter;
    const char* secondHandAfter;
};

class EquipCasesTest : public ItemActionsTest, public ::testing::WithParamInterface<EquipCase> {
protected:
    SItem* Make(const std::string& what) {
        if (what.empty()) return nullptr;
        struct Kind {
            const char* name;
            uint8_t itemClass, subtype;
        };
        static constexpr Kind kKinds[] = {
            {"sword", kItemWeapon, kWeaponShortSword},   {"axe", kItemWeapon, kWeaponAxe},
            {"shortbow", kItemWeapon, kWeaponShortBow},  {"longbow", kItemWeapon, kWeaponLongBow},
            {"shield", kItemLightArmour, kArmourShield}, {"ring", kItemAccessory, kAccessoryRing}};
        for (const Kind& kind : kKinds)
            if (what.rfind(kind.name, 0) == 0) {
                SItemType* type = Game().m_items.FindItemType(what.c_str());
                if (type == nullptr) type = &Type(what.c_str(), kind.itemClass, kind.subtype);
                return &Give(*type, 1000);
            }
        ADD_FAILURE() << what;
        return nullptr;
    }
    std::string Name(uint32_t slot) {
        const SItem* item = Slot(slot);
        return item ? item->m_type->m_name.Text() : "";
    }
};

TEST_P(EquipCasesTest, putsThePieceInItsSlotOrAsksWhichHand) {
    const EquipCase& c = GetParam();
    if (SItem* held = Make(c.mainHand)) Player().EquipItem(held, false);
    if (SItem* held = Make(c.secondHand)) Player().EquipItem(held, true);
    for (int i = 0; i < c.rings; ++i) Player().EquipItem(Make("ring" + std::to_string(i)), i == 1);
    SItem& piece = *Make(c.piece);
    SStateInventory& inventory = OpenBag(nullptr);
    SelectItem(piece);
    inventory.EquipOrRemove();
    if (c.slot == 0) {
        EXPECT_EQ(inventory.m_child, &inventory.m_handChooser);
        EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kHandQuestion);
        EXPECT_FALSE(Player().HasInSlots(&piece));
        return;
    }
    EXPECT_EQ(inventory.m_child, nullptr);
    EXPECT_EQ(Slot(c.slot), &piece);
    EXPECT_EQ(Name(kSlotMainHand), c.mainHandAfter);
    EXPECT_EQ(Name(kSlotSecondHand), c.secondHandAfter);
    EXPECT_EQ(m_rig->Sounds().Lines().back(), "bsnd_wear 10");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EquipCasesTest,
    ::testing::Values(
        EquipCase{"swordInEmptyHands", "", "", 0, "sword2", kSlotMainHand, "sword2", ""},
        EquipCase{"secondSwordToTheFreeHand", "sword1", "", 0, "sword2", kSlotSecondHand, "sword1", "sword2"},
        EquipCase{"swordReplacesAShortBow", "shortbow", "", 0, "sword2", kSlotMainHand, "sword2", ""},
        EquipCase{"swordReplacesALongBow", "longbow", "", 0, "sword2", kSlotMainHand, "sword2", ""},
        EquipCase{"thirdSwordAsks", "sword1", "shield", 0, "sword2", 0, "", ""},
        EquipCase{"axeTakesTheMainHand", "sword1", "", 0, "axe", kSlotMainHand, "axe", ""},
        EquipCase{"bowEmptiesTheSecondHand", "sword1", "shield", 0, "longbow", kSlotMainHand, "longbow", ""},
        EquipCase{"shieldPushesOutAShortBow", "shortbow", "", 0, "shield", kSlotSecondHand, "", "shield"},
        EquipCase{"shieldStaysBesideALongBow", "longbow", "", 0, "shield", kSlotSecondHand, "longbow", "shield"},
        EquipCase{"firstRing", "", "", 0, "ring9", kSlotFirstRing, "", ""},
        EquipCase{"secondRingGoesLeft", "", "", 1, "ring9", kSlotSecondRing, "", ""},
        EquipCase{"thirdRingAsks", "", "", 2, "ring9", 0, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ItemActionsTest, theHandQuestionPutsAThirdRingOnTheChosenHand) {
    const SItemType& ring = Type("ring", kItemAccessory, kAccessoryRing, "Copper");
    Player().EquipItem(&Give(ring), false);
    Player().EquipItem(&Give(Type("gold ring", kItemAccessory, kAccessoryRing)), true);
    SItem& third = Give(Type("iron ring", kItemAccessory, kAccessoryRing, "Iron"));
    SStateInventory& inventory = OpenBag(nullptr);
    SelectItem(third);
    inventory.EquipOrRemove();
    ASSERT_EQ(inventory.m_child, &inventory.m_handChooser);
    m_rig->Frame();
    TapOn(inventory.m_handChooser.m_buttons[5]);  // Left
    EXPECT_EQ(inventory.m_child, nullptr);
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kItems);
    EXPECT_EQ(Slot(kSlotSecondRing), &third);
    EXPECT_NE(PanelBody().find("in your left hand."), std::string::npos) << PanelBody();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(ItemActionsTest, aBrokenPieceCanBeNeitherWieldedNorRemoved) {
    SItemType& sword = Type("sword", kItemWeapon, kWeaponShortSword);
    SItem& worn = Give(sword, 99);
    Player().EquipItem(&worn, false);
    SStateInventory& inventory = OpenBag(nullptr);
    SelectItem(worn);
    inventory.EquipOrRemove();
    EXPECT_EQ(Slot(kSlotMainHand), &worn);
    EXPECT_EQ(PanelBody(), "This item is broken - you cannot wield it.");
    EXPECT_EQ(m_rig->Sounds().Lines().back(), "bsnd_click 10");

    worn.m_amount = 100;
    inventory.EquipOrRemove();
    EXPECT_EQ(Slot(kSlotMainHand), nullptr);
    EXPECT_EQ(m_rig->Sounds().Lines().back(), "bsnd_wear 10");
}

TEST_F(ItemActionsTest, aMaximumConditionOf0CountsAsUndamaged) {
    SItemType& cloth = Type("tunic", kItemLightArmour, kArmourBody);
    cloth.m_maxCondition = 0;
    SItem& tunic = Give(cloth, 0);
    SStateInventory& inventory = OpenBag(nullptr);
    SelectItem(tunic);
    inventory.EquipOrRemove();
    EXPECT_EQ(Slot(kSlotArmour), &tunic);
}

TEST_F(ItemActionsTest, removingSaysItInTheWordsOfTheView) {
    SItem& worn = Give(Type("sword", kItemWeapon, kWeaponShortSword, "Blade"), 1000);
    Player().EquipItem(&worn, false);
    SStateInventory& inventory = OpenBag(nullptr);
    SelectItem(worn);
    inventory.EquipOrRemove();
    EXPECT_EQ(PanelBody().rfind("You have removed ", 0), 0u) << PanelBody();
    SelectItem(worn);
    inventory.EquipOrRemove();
    EXPECT_EQ(PanelBody().rfind("You have wielded ", 0), 0u) << PanelBody();
    Command(SStateInventory::kCompactView);
    SelectItem(worn);
    inventory.EquipOrRemove();
    EXPECT_EQ(PanelBody().rfind("Removed: ", 0), 0u) << PanelBody();
    SelectItem(worn);
    inventory.EquipOrRemove();
    EXPECT_EQ(PanelBody(), "Wielded: Blade.");
}

struct RefusalCase {
    const char* name;
    uint8_t itemClass, subtype;
    bool threat, unusable;
    bool use;  // the use command, else equip
    const char* message;
};

class RefusalTest : public ItemActionsTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, leavesEverythingAsItWasAndSaysWhy) {
    const RefusalCase& c = GetParam();
    SItemType& type = Type("thing", c.itemClass, c.subtype);
    if (c.unusable) type.m_flags |= kUnusableType;
    SItem& item = Give(type, 1000);
    Host().threat = c.threat;
    SStateInventory& inventory = OpenBag(nullptr);
    SelectItem(item);
    if (c.use)
        inventory.UseItem();
    else
        inventory.EquipOrRemove();
    EXPECT_EQ(inventory.m_child, nullptr);
    EXPECT_FALSE(Player().HasInSlots(&item));
    EXPECT_EQ(PanelBody(), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusalTest,
    ::testing::Values(
        RefusalCase{"armourUnderThreat", kItemHeavyArmour, kArmourBody, true, false, false,
                    "You cannot equip or remove anything (except weapons and shields) when there might be immediate "
                    "threat."},
        RefusalCase{"ringUnderThreat", kItemAccessory, kAccessoryRing, true, false, false,
                    "You cannot equip or remove anything (except weapons and shields) when there might be immediate "
                    "threat."},
        RefusalCase{"unusableSword", kItemWeapon, kWeaponShortSword, false, true, false, "You cannot wield this item."},
        RefusalCase{"unusableQuiver", kItemWeapon, kWeaponQuiver, false, true, false, "You cannot select this item."},
        RefusalCase{"unusableHelm", kItemLightArmour, kArmourHelm, false, true, false, "You cannot equip this item."},
        RefusalCase{"bookUnderThreat", kItemBook, 1, true, false, true,
                    "You cannot read books when there might be immediate threat."},
        RefusalCase{"letterUnderThreat", kItemBook, 2, true, false, true,
                    "You cannot read letters when there might be immediate threat."},
        RefusalCase{"mapUnderThreat", kItemBook, 3, true, false, true,
                    "You cannot examine maps when there might be immediate threat."},
        RefusalCase{"unusableMap", kItemBook, 3, false, true, true, "You cannot read this map."},
        RefusalCase{"unusableLetter", kItemBook, 2, false, true, true, "You cannot read this letter."},
        RefusalCase{"mortarUnderThreat", kItemAlchemy, 1, true, false, true,
                    "You cannot mix potions when there might be immediate threat."},
        RefusalCase{"unusableMortar", kItemAlchemy, 1, false, true, true, "You cannot use this item."},
        RefusalCase{"unusableIngredient", kItemIngredient, 1, false, true, true, "You cannot eat this ingredient."},
        RefusalCase{"unusablePotion", kItemPotion, 1, false, true, true, "You cannot quaff this potion."},
        RefusalCase{"spellbookUnderThreat", kItemMagic, kMagicSpellbook, true, false, true,
                    "You cannot read spellbooks when there might be immediate threat."},
        RefusalCase{"unusableSpellbook", kItemMagic, kMagicSpellbook, false, true, true,
                    "You cannot read this spellbook."},
        RefusalCase{"hammerUnderThreat", kItemRepair, 1, true, false, true,
                    "You cannot repair items when there might be immediate threat."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ItemActionsTest, weaponsAndShieldsCanBeWieldedUnderThreat) {
    SItem& sword = Give(Type("sword", kItemWeapon, kWeaponShortSword), 1000);
    SItem& shield = Give(Type("shield", kItemLightArmour, kArmourShield), 1000);
    Host().threat = true;
    SStateInventory& inventory = OpenBag(nullptr);
    SelectItem(sword);
    inventory.EquipOrRemove();
    SelectItem(shield);
    inventory.EquipOrRemove();
    EXPECT_EQ(Slot(kSlotMainHand), &sword);
    EXPECT_EQ(Slot(kSlotSecondHand), &shield);
}

TEST_F(ItemActionsTest, readingABookOpensItAndShowsWhatItTaught) {
    Player().SetBaseAttribute(2, 10);
    SItemType& book = Type("blockbook", kItemBook, kBookSubtypeBook, "On Blocking");
    std::vector<std::unique_ptr<SEffect>> effects;
    effects.push_back(ItemEffect(1, 2, 1));
    book.m_effects = EffectListOf(std::move(effects));
    book.m_firstText.Assign("Hold the shield high.");
    SItem& item = Give(book);
    SStateInventory& inventory = OpenBag(nullptr);
    SelectItem(item);
    ASSERT_TRUE(inventory.m_use.IsShown());
    TapOn(inventory.m_use);
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kReading);
    EXPECT_EQ(inventory.m_child, &inventory.m_reader);
    EXPECT_EQ(inventory.m_reader.m_child, &inventory.m_reader.m_resultBox);
    EXPECT_EQ(Player().GetSkillValue(1), 2);
    m_rig->Frame();
    inventory.m_reader.ResetOpen();
    EXPECT_EQ(Command(SStateInventory::kReadingClosed), kStay);
    EXPECT_EQ(inventory.m_child, nullptr);
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kItems);
    EXPECT_EQ(inventory.SelectedEntry()->item, &item);
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(ItemActionsTest, droppingOneOfAStackLeavesTheOthersInTheEntry) {
    const SItemType& potion = Type("potion", kItemPotion, 1, "Healing");
    for (int i = 0; i < 3; ++i) Give(potion);
    SStateInventory& inventory = OpenBag(&m_pile);
    Select(0);
    ASSERT_EQ(inventory.SelectedEntry()->count, 3);
    TapOn(inventory.m_drop);
    EXPECT_EQ(m_pile.Count(), 1);
    EXPECT_EQ(Player().ItemCount(), 2);
    ASSERT_NE(inventory.SelectedEntry(), nullptr);
    EXPECT_EQ(inventory.SelectedEntry()->count, 2);
    EXPECT_NE(inventory.SelectedEntry()->item, m_pile.At(0));
    EXPECT_TRUE(Player().Pack().Holds(inventory.SelectedEntry()->item));
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_drop 10"});
    EXPECT_EQ(PanelBody().rfind("You have dropped ", 0), 0u) << PanelBody();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(ItemActionsTest, takingGoldHoldsThePurseAtTheCapAndSaysTheValue) {
    SItemType& coins = Type("coins", kItemMoney, 1);
    coins.m_baseValue = 50;
    Put(m_pile, coins, 0);
    Player().ReceiveGold(999'999'990, false, false);
    SStateInventory& inventory = OpenContainer(m_pile, nullptr);
    Select(0);
    TapOn(inventory.m_take);
    EXPECT_EQ(Player().Gold(), SPlayer::kMaxGold);
    EXPECT_EQ(m_pile.Count(), 0);
    EXPECT_EQ(Player().ItemCount(), 0) << "gold is not an item of the pack";
    EXPECT_EQ(PanelBody(), Glyphs("You have taken 50 gold."));
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_money 10"});
    EXPECT_EQ(inventory.SelectedEntry(), nullptr);
    EXPECT_NE(Status().find("Gold: " + Glyphs("1B")), std::string::npos);
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(ItemActionsTest, withoutAContainerThereIsNoTakeOrDrop) {
    SItem& sword = Give(Type("sword", kItemWeapon, kWeaponShortSword), 1000);
    SStateInventory& inventory = OpenBag(nullptr);
    EXPECT_FALSE(inventory.m_take.IsShown());
    EXPECT_FALSE(inventory.m_drop.IsShown());
    SelectItem(sword);
    Command(SStateInventory::kDrop);
    Command(SStateInventory::kTake);
    EXPECT_EQ(Player().ItemCount(), 1);
    EXPECT_FALSE(inventory.ContainerView());
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

}  // namespace

}  // namespace item_actions_test
