#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "data/player/player_fixture.h"

namespace player_pack_test {

namespace {

class PlayerPackTest : public BaseGamePlayerTest {
protected:
    void SetUp() override {
        BaseGamePlayerTest::SetUp();
        AddItemType("base_money_100", kItemMoney, 1, "Gold").m_baseValue = 100;
        AddItemType("base_phealing", kItemPotion, 1, "Healing").m_weight = 30;
        AddItemType("base_sword", kItemWeapon, kWeaponShortSword, "Short sword");
    }
};

TEST_F(PlayerPackTest, moneyTurnsIntoGoldAndNeverStaysInThePack) {
    EXPECT_EQ(player.AddItems(*items.FindItemType("base_money_100"), 10), nullptr);
    EXPECT_EQ(player.Gold(), 1100u);
    EXPECT_EQ(player.ItemCount(), 0);

    player.AddOwnedItem(std::make_unique<SItem>(*items.FindItemType("base_money_100")));
    EXPECT_EQ(player.Gold(), 1200u);
    EXPECT_EQ(player.ItemCount(), 0);
}

TEST_F(PlayerPackTest, goldStopsAtTheCapAndAtZero) {
    player.ReceiveGold(SPlayer::kMaxGold, false, false);
    EXPECT_EQ(player.Gold(), SPlayer::kMaxGold);
    player.ReceiveGold(UINT32_MAX, false, true);
    player.AddItems(*items.FindItemType("base_money_100"), INT32_MAX);
    EXPECT_EQ(player.Gold(), 1000000000u);
    player.RemoveGold(SPlayer::kMaxGold - 3, false);
    EXPECT_EQ(player.Gold(), 3u);
    player.RemoveGold(5, true);
    EXPECT_EQ(player.Gold(), 0u);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"You have lost 5\t."});
}

TEST_F(PlayerPackTest, goldMessagesTellTheAmountAskedWithTheCoin) {
    player.ReceiveGold(50, true, true);
    player.ReceiveGold(7, true, false);
    player.ReceiveGold(7, false, false);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"You have found 50\t.", "You have received 7\t."}));
    EXPECT_EQ(player.Gold(), 164u);
}

TEST_F(PlayerPackTest, newItemsStartAsTheirKindIsMade) {
    struct Case {
        uint8_t itemClass;
        uint8_t subtype;
        uint32_t lowest;
        uint32_t highest;
    };
    // Maximum condition 800; a wand's first entry gives 7 charges.
    const Case cases[] = {
        {kItemWeapon, kWeaponLongSword, 800, 800},
        {kItemWeapon, kWeaponThrowing, 10, 19},
        {kItemWeapon, kWeaponQuiver, 10, 19},
        {kItemWeapon, kWeaponBoltQuiver, 10, 19},
        {kItemHeavyArmour, kArmourBody, 800, 800},
        {kItemLightArmour, kArmourBoots, 800, 800},
        {kItemAlchemy, 1, 800, 800},
        {kItemKey, kKeySubtypeLockpick, 800, 800},
        {kItemRepair, 1, 800, 800},
        {kItemMagic, kMagicWand, 7, 7},
        {kItemMagic, kMagicEmptyWand, 0, 0},
        {kItemPotion, 1, 0, 0},
        {kItemAccessory, kAccessoryRing, 0, 0},
    };
    int made = 0;
    for (const Case& c : cases) {
        const std::string name = "base_kind" + std::to_string(made++);
        SItemType& type = AddItemType(name.c_str(), c.itemClass, c.subtype);
        type.m_maxCondition = 800;
        type.m_effects = EffectListOf({});
        type.m_effects->Add(ItemEffect(31, 7, 0, "base_spellsparks", kSourceSpellCharge));
        for (int i = 0; i < 20; ++i) {
            const SItem* item = player.AddItems(type, 1);
            ASSERT_NE(item, nullptr);
            EXPECT_GE(item->m_amount, c.lowest) << name;
            EXPECT_LE(item->m_amount, c.highest) << name;
        }
    }
    // Without its first entry a wand has no charges.
    SItemType& bare = AddItemType("base_wandbare", kItemMagic, kMagicWand);
    EXPECT_EQ(player.AddItems(bare, 1)->m_amount, 0u);
}

TEST_F(PlayerPackTest, addingNothingMakesNothing) {
    EXPECT_EQ(player.AddItems(*items.FindItemType("base_sword"), 0), nullptr);
    EXPECT_EQ(player.AddItems(*items.FindItemType("base_sword"), -3), nullptr);
    EXPECT_EQ(player.ItemCount(), 0);
    SItem* last = player.AddItems(*items.FindItemType("base_sword"), 3);
    EXPECT_EQ(player.ItemCount(), 3);
    EXPECT_EQ(last, player.Item(2));
}

TEST_F(PlayerPackTest, eachItemWeighsOnceWhateverItsAmount) {
    player.AddItems(*items.FindItemType("base_phealing"), 2);
    EXPECT_EQ(player.SumItemWeights(), 60u);
    SItemType& arrows = AddItemType("base_arrows", kItemWeapon, kWeaponQuiver);
    arrows.m_weight = 45;
    player.AddItems(arrows, 1)->m_amount = 20;
    EXPECT_EQ(player.SumItemWeights(), 105u);
}

TEST_F(PlayerPackTest, receivingAndFindingTellWhatCame) {
    player.ReceiveItems("base_phealing", 3, true);
    player.FindItems("base_sword", 1, true);
    player.FindItems("base_sword", 1, false);
    player.ReceiveItems("base_money_100", 1, true);
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"You have received 3 potions of Healing.",
                                        "You have found an item of Short sword.", "You have received 100\t."}));
    EXPECT_EQ(player.CountOwnedItemsByName("base_phealing"), 3);
    EXPECT_EQ(player.CountOwnedItemsByName("base_sword"), 2);
    EXPECT_EQ(player.Gold(), 200u);
}

TEST_F(PlayerPackTest, unknownNamesAndCountsBelowOneDoNothingAndSayNothing) {
    player.ReceiveItems("base_nothing", 3, true);
    player.FindItems(nullptr, 3, true);
    player.ReceiveItems("base_sword", 0, true);
    player.RemoveItems("base_nothing", 1);
    player.RemoveItems("base_sword", 0);
    EXPECT_EQ(player.ItemCount(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PlayerPackTest, removingNeedsEnoughOwnedItems) {
    player.ReceiveItems("base_phealing", 2, false);
    player.RemoveItems("base_phealing", 3);
    EXPECT_EQ(player.ItemCount(), 2);
    EXPECT_TRUE(messages.shown.empty());
    player.RemoveItems("base_phealing", 2);
    EXPECT_EQ(player.ItemCount(), 0);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"You have lost 2 potions of Healing."});
}

TEST_F(PlayerPackTest, removingAWornItemEmptiesItsSlot) {
    player.ReceiveItems("base_sword", 2, false);
    SItem* worn = player.Item(0);
    player.EquipItem(worn, false);
    player.RemoveOwnedItemsOfType(items.FindItemType("base_sword"), 1);
    EXPECT_EQ(player.MainHandWeapon(), nullptr);
    EXPECT_EQ(player.ItemCount(), 1);
    EXPECT_FALSE(player.HasInSlots(player.Item(0)));
}

TEST_F(PlayerPackTest, usedUpItemsGoAndOthersStay) {
    SItem* wand = player.AddItems(*items.FindItemType("base_sword"), 1);
    wand->m_amount = 1;
    player.DeleteItemIfUsedUp(wand);
    EXPECT_EQ(player.ItemCount(), 1);
    player.UseCharge(wand);
    EXPECT_EQ(wand->m_amount, 0u);
    player.UseCharge(wand);
    EXPECT_EQ(wand->m_amount, 0u);
    player.DeleteItemIfUsedUp(wand);
    EXPECT_EQ(player.ItemCount(), 0);
}

TEST_F(PlayerPackTest, anItemTakenOutIsTheCallersAndAStrangerIsNotTaken) {
    player.ReceiveItems("base_phealing", 1, false);
    SItem stranger(*items.FindItemType("base_phealing"));
    EXPECT_EQ(player.RemoveOwnedItem(&stranger), nullptr);
    std::unique_ptr<SItem> taken = player.RemoveOwnedItem(player.Item(0));
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(player.ItemCount(), 0);
    player.AddOwnedItem(std::move(taken));
    EXPECT_EQ(player.ItemCount(), 1);
}

}  // namespace

}  // namespace player_pack_test
