// Restocking a person's shop from the item database's lists, with a seeded generator.
#include <gtest/gtest.h>

#include <string>

#include "data/items/item_database.h"
#include "data/maps/map.h"
#include "data/maps/placed_object.h"
#include "data/persons/npc_type.h"
#include "engine/base/random.h"
#include "engine/packages/resource_cache.h"
#include "support/item_records.h"

namespace npc_shop_test {

namespace {

constexpr uint16_t kWeaponBit = 1, kHeavyArmourBit = 2, kPotionBit = 0x80;

// The fewest and the most of a count over many restocks, as "fewest..most".
struct Spread {
    void Add(int count) {
        fewest = std::min(fewest, count);
        most = std::max(most, count);
    }
    std::string Text() const { return std::to_string(fewest) + ".." + std::to_string(most); }
    int fewest = 1000;
    int most = -1;
};

class NpcShopTest : public ::testing::Test {
protected:
    NpcShopTest() {
        items.InitCategories();
        // Weapons at every level 2 to 6; a weighted one at level 2; potions only at level 2.
        for (auto [name, level, weight] :
             {std::tuple{"base_dagger", 2, 1}, std::tuple{"base_sword", 2, 2}, std::tuple{"base_axe", 3, 1},
              std::tuple{"base_mace", 4, 1}, std::tuple{"base_glaive", 5, 1}, std::tuple{"base_runeblade", 6, 1}}) {
            auto type = MakeItemType(name, kItemWeapon);
            type->m_level = uint8_t(level);
            type->m_stockWeight = uint8_t(weight);
            items.AddItemType(std::move(type));
        }
        auto potion = MakeItemType("base_tonic", kItemPotion);
        potion->m_level = 2;
        items.AddItemType(std::move(potion));
        cache.Init();
        items.BuildTables(cache);
        stock = map.AddItemList();
        shop.containerId = stock->m_id;
    }

    int count(const char* type) const { return stock->CountOfType(items.FindItemType(type)); }

    // Restocks afresh (the flag cleared, as a new visit does) with the generator seeded so.
    void restock(uint32_t seed) {
        random.Seed(seed);
        shop.flags &= uint8_t(~SPlacedObject::kRestocked);
        merchant.RestockShop(map, shop, items, random);
    }

    SItemDatabase items;
    SResourceCache cache;
    SMap map{nullptr};
    SItemList* stock = nullptr;
    SPlacedObject shop;
    SNpcType merchant;
    SRandom random;
};

TEST_F(NpcShopTest, randomPicksTakeAThirdOfTheBaseStockAndTwoThirdsFromTheLevelAbove) {
    // Weapons restock 10: 3 + Random(3) + 1 picks at the level, 6 + Random(6) + 1 above it.
    merchant.shopLevel = 2;
    merchant.classMask = kWeaponBit | kHeavyArmourBit;
    Spread atLevel, above;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        restock(seed);
        atLevel.Add(count("base_dagger") + count("base_sword"));
        above.Add(count("base_axe"));
        EXPECT_EQ(stock->Count(), count("base_dagger") + count("base_sword") + count("base_axe"))
            << "nothing else: no heavy armour exists, no potions are sold";
    }
    EXPECT_EQ(atLevel.Text(), "4..6");
    EXPECT_EQ(above.Text(), "7..12");
}

TEST_F(NpcShopTest, aTopShopPicksTheWholeBaseStockOrMoreAndNothingFromAbove) {
    merchant.shopLevel = 5;
    merchant.classMask = kWeaponBit;
    Spread glaives;
    for (uint32_t seed = 1; seed <= 80; ++seed) {
        restock(seed);
        EXPECT_EQ(count("base_runeblade"), 0) << "no level 6";
        glaives.Add(count("base_glaive"));
    }
    EXPECT_EQ(glaives.Text(), "11..20");
}

TEST_F(NpcShopTest, theFullListTakesEveryTypeOnceAndRepeatsOfAHeldTypeOnlyByChance) {
    // The full-list bit is also the potions' bit, so potions are sold too.
    merchant.shopLevel = 2;
    merchant.classMask = kPotionBit | kWeaponBit;
    Spread swords;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        restock(seed);
        EXPECT_EQ(count("base_dagger"), 1);
        EXPECT_EQ(count("base_axe"), 1) << "the level above";
        EXPECT_EQ(count("base_tonic"), 1);
        EXPECT_EQ(count("base_mace"), 0) << "two levels above";
        swords.Add(count("base_sword"));
    }
    // The sword's ten entries: the first always, each other when its roll passes 50.
    EXPECT_GE(swords.fewest, 1);
    EXPECT_LE(swords.most, 10);
    EXPECT_LT(swords.fewest, 4);
    EXPECT_GT(swords.most, 6);
}

TEST_F(NpcShopTest, aShopIsRestockedOnceAVisitAndAShopOfLevel0IsEmptied) {
    merchant.shopLevel = 3;
    merchant.classMask = kWeaponBit;
    restock(5);
    const int first = stock->Count();
    ASSERT_GT(first, 0);
    EXPECT_TRUE(shop.flags & SPlacedObject::kRestocked);
    stock->Take(stock->At(0));
    merchant.RestockShop(map, shop, items, random);
    EXPECT_EQ(stock->Count(), first - 1) << "the second restock of the visit changes nothing";

    merchant.shopLevel = 0;
    restock(5);
    EXPECT_EQ(stock->Count(), 0);

    SPlacedObject stall;
    stall.containerId = 99;
    merchant.RestockShop(map, stall, items, random);
    EXPECT_TRUE(stall.flags & SPlacedObject::kRestocked) << "a shop object without its container";
}

}  // namespace

}  // namespace npc_shop_test
