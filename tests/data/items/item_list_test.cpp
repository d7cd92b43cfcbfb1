// Items and item containers: new items by class, what containers hold, loot rolled from rules, and
// the level-data and saved-game forms.
#include "data/items/item_list.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/base/random.h"
#include "engine/packages/resource_cache.h"
#include "support/item_records.h"
#include "support/record_bytes.h"

namespace item_list_test {

namespace {

constexpr uint32_t kSeed = 1234;

std::unique_ptr<SItemType> typeWithCondition(const char* name, uint8_t itemClass, uint8_t subtype,
                                             uint16_t maxCondition) {
    auto type = MakeItemType(name, itemClass, subtype);
    type->m_maxCondition = maxCondition;
    return type;
}

std::unique_ptr<SEffectList> charges(int16_t count) {
    std::vector<std::unique_ptr<SEffect>> effects;
    effects.push_back(ItemEffect(kEffectCastSpell, count, 0, "base_fireball", kSourceSpellCharge));
    return EffectListOf(std::move(effects));
}

TEST(ItemCreateTest, theAmountOfANewItemDependsOnItsClass) {
    SRandom reference;
    reference.Seed(kSeed);
    const uint32_t quiverCount = uint32_t(reference.Next(10) + 10);
    ASSERT_GE(quiverCount, 10u);
    ASSERT_LE(quiverCount, 19u);

    struct Case {
        const char* name;
        uint8_t itemClass;
        uint8_t subtype;
        int percent;
        bool wandList;
        uint32_t amount;
    };
    const Case cases[] = {
        {"quiver", kItemWeapon, kWeaponQuiver, 50, false, quiverCount},
        {"throwing", kItemWeapon, kWeaponThrowing, -1, false, quiverCount},
        {"swordAtHalf", kItemWeapon, kWeaponLongSword, 50, false, 450},
        {"swordFull", kItemWeapon, kWeaponLongSword, SItem::kFullCondition, false, 900},
        {"swordAt33", kItemWeapon, kWeaponLongSword, 33, false, 297},
        {"swordAbove100", kItemWeapon, kWeaponLongSword, 250, false, 900},
        {"armour", kItemLightArmour, 3, 10, false, 90},
        {"mortar", kItemAlchemy, 1, 100, false, 900},
        {"key", kItemKey, 1, 50, false, 450},
        {"lockpick", kItemKey, kKeySubtypeLockpick, 0, false, 0},
        {"hammer", kItemRepair, 1, 20, false, 180},
        {"wand", kItemMagic, kMagicWand, 50, true, 12},
        {"wandWithoutEffects", kItemMagic, kMagicWand, 50, false, 0},
        {"emptyWand", kItemMagic, kMagicEmptyWand, 50, true, 0},
        {"potion", kItemPotion, 1, 100, false, 0},
        {"ring", kItemAccessory, 2, 100, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto type = typeWithCondition("base_thing", c.itemClass, c.subtype, 900);
        if (c.wandList) type->m_effects = charges(12);
        SRandom random;
        random.Seed(kSeed);
        auto item = SItem::Create(*type, c.percent, random);
        EXPECT_EQ(item->m_type, type.get());
        EXPECT_EQ(item->m_amount, c.amount);
        EXPECT_EQ(item->m_effects, nullptr);
    }
}

class ItemListTest : public ::testing::Test {
protected:
    ItemListTest() {
        random.Seed(kSeed);
        items.AddItemType(typeWithCondition("base_sword", kItemWeapon, kWeaponLongSword, 1000));
        items.AddItemType(MakeItemType("base_healing", kItemPotion));
        items.AddItemType(MakeItemType("base_bread", kItemComestible));
        sword = items.FindItemType("base_sword");
        potion = items.FindItemType("base_healing");
        bread = items.FindItemType("base_bread");
    }

    SItemDatabase items;
    SRandom random;
    const SItemType* sword;
    const SItemType* potion;
    const SItemType* bread;
};

TEST_F(ItemListTest, itemsAreAddedFoundCountedTakenAndRemoved) {
    SItemList chest;
    chest.AddItems(*potion, 2, random);
    chest.AddItems(*sword, 1, random);
    chest.AddItems(*potion, 1, random);
    ASSERT_EQ(chest.Count(), 4);
    EXPECT_EQ(chest.At(2)->m_amount, 1000u) << "added items are whole";
    EXPECT_EQ(chest.CountOfType(potion), 3);
    EXPECT_EQ(chest.FindByType(sword), chest.At(2));
    EXPECT_EQ(chest.FindByType(bread), nullptr);
    EXPECT_EQ(chest.At(4), nullptr);

    SItem* first = chest.At(0);
    std::unique_ptr<SItem> taken = chest.Take(first);
    EXPECT_EQ(taken.get(), first);
    EXPECT_EQ(chest.Count(), 3);
    EXPECT_EQ(chest.At(0)->m_type, potion);
    EXPECT_EQ(chest.Take(first), nullptr) << "no longer there";

    chest.RemoveItems(potion, 0);
    chest.RemoveItems(nullptr, 5);
    EXPECT_EQ(chest.Count(), 3);
    chest.RemoveItems(potion, 5);
    ASSERT_EQ(chest.Count(), 1);
    EXPECT_EQ(chest.At(0)->m_type, sword);

    SItemList pack;
    pack.Add(std::move(taken));
    pack.MoveAllFrom(chest);
    EXPECT_EQ(chest.Count(), 0);
    ASSERT_EQ(pack.Count(), 2);
    EXPECT_EQ(pack.At(0)->m_type, potion);
    EXPECT_EQ(pack.At(1)->m_type, sword);
    pack.DeleteAll();
    EXPECT_EQ(pack.Count(), 0);
}

std::unique_ptr<SLootRule> rule(const char* type, uint8_t count, uint8_t chance, uint8_t level = 1,
                                uint8_t condition = 100) {
    auto made = std::make_unique<SLootRule>();
    made->m_itemType.Assign(type);
    made->m_count = count;
    made->m_chance = chance;
    made->m_level = level;
    made->m_condition = condition;
    return made;
}

TEST_F(ItemListTest, fillingRollsEachRuleInOrder) {
    items.FindItemType("base_sword")->m_level = 2;
    items.FindItemType("base_bread")->m_level = 5;
    SResourceCache cache;
    items.BuildTables(cache);
    struct Case {
        const char* name;
        std::unique_ptr<SLootRule> rule;
        std::vector<std::pair<const char*, uint32_t>> expected;  // type and amount
    };
    std::vector<Case> cases;
    cases.push_back({"threeAtFullChance",
                     rule("base_healing", 3, 100),
                     {{"base_healing", 0}, {"base_healing", 0}, {"base_healing", 0}}});
    cases.push_back({"neverAtChance0", rule("base_healing", 3, 0), {}});
    cases.push_back({"unknownName", rule("base_gone", 3, 100), {}});
    cases.push_back({"countZero", rule("base_healing", 0, 100), {}});
    cases.push_back(
        {"anyOfLevel2AtHalfCondition", rule("", 2, 100, 2, 50), {{"base_sword", 500}, {"base_sword", 500}}});
    cases.push_back({"anyOfAnEmptyLevel", rule("", 2, 100, 3), {}});
    cases.push_back({"anyOfLevel0", rule("", 2, 100, 0), {}});
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        SPtrArray<SLootRule> rules;
        rules.Append(c.rule.release());
        SItemList chest;
        items.FillContainer(rules, chest, random);
        ASSERT_EQ(chest.Count(), int(c.expected.size()));
        for (int i = 0; i < chest.Count(); ++i) {
            EXPECT_STREQ(chest.At(i)->m_type->NameKey().Text(), c.expected[i].first);
            EXPECT_EQ(chest.At(i)->m_amount, c.expected[i].second);
        }
    }

    // Several rules, rolled in order, at a chance a seeded generator decides.
    SPtrArray<SLootRule> rules;
    rules.Append(rule("base_bread", 40, 50).release());
    rules.Append(rule("base_healing", 1, 100).release());
    SItemList chest;
    items.FillContainer(rules, chest, random);
    EXPECT_GT(chest.CountOfType(bread), 5);
    EXPECT_LT(chest.CountOfType(bread), 35);
    EXPECT_EQ(chest.At(chest.Count() - 1)->m_type, potion);
}

TEST_F(ItemListTest, aLootRuleNamesItsTypeByIndexAndGainedItsConditionAtVersion28) {
    TestItemNames names(items);
    for (int version : {27, 28}) {
        SCOPED_TRACE(version);
        SPtrArray<SLootRule> written;
        written.Append(rule("base_healing", 3, 40, 2, 75).release());
        written.Append(rule("", 1, 100, 4, 20).release());
        const std::vector<uint8_t> bytes =
            WrittenBytes([&](SArchive& a) { SerializeLootRules(a, version, written, names); });
        // The count, then the tag and the index of the first rule.
        EXPECT_EQ(bytes[0], 2);
        EXPECT_EQ(bytes[2], 24);
        EXPECT_EQ(bytes[4], 1);
        SPtrArray<SLootRule> read;
        ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { SerializeLootRules(a, version, read, names); }),
                  int(bytes.size()));
        ASSERT_EQ(read.Count(), 2);
        EXPECT_STREQ(read[0]->m_itemType.Text(), "base_healing");
        EXPECT_EQ(read[0]->m_count, 3);
        EXPECT_EQ(read[0]->m_level, 2);
        EXPECT_EQ(read[0]->m_chance, 40);
        EXPECT_EQ(read[0]->m_condition, version >= 28 ? 75 : 100);
        EXPECT_TRUE(read[1]->m_itemType.IsEmpty());
        EXPECT_EQ(read[1]->m_level, 4);
    }
    EXPECT_EQ(names.names, std::vector<std::string>({"", "base_healing"}));
}

TEST_F(ItemListTest, aRuleWhoseIndexNamesNoItemTypeIsPassedOver) {
    TestItemNames names(items);
    names.InternItemType("base_gone");
    SPtrArray<SLootRule> written;
    written.Append(rule("base_gone", 1, 100).release());
    written.Append(rule("base_sword", 2, 100).release());
    written.Append(rule("base_bread", 3, 100).release());
    std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { SerializeLootRules(a, 114, written, names); });
    // Each rule is the tag, a pad byte, the index and four bytes; the third rule's index is made
    // to point past the names.
    ASSERT_EQ(bytes.size(), 2u + 3 * 8);
    ASSERT_EQ(bytes[20], 3);
    bytes[20] = 9;
    SPtrArray<SLootRule> read;
    ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { SerializeLootRules(a, 114, read, names); }), int(bytes.size()));
    ASSERT_EQ(read.Count(), 1);
    EXPECT_STREQ(read[0]->m_itemType.Text(), "base_sword");
    EXPECT_EQ(read[0]->m_count, 2);
}

TEST_F(ItemListTest, aContainerOfTheLevelDataKeepsItsPlaceAndRules) {
    TestItemNames names(items);
    SItemList written;
    written.m_id = 7;
    written.m_flags = 1;
    written.m_x = 3;
    written.m_y = 18;
    written.m_rules.Append(rule("base_sword", 1, 60).release());
    const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { written.Serialize(a, 114, names); });
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 5), std::vector<uint8_t>({'K', 7, 1, 3, 18}));
    SItemList read;
    ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { read.Serialize(a, 114, names); }), int(bytes.size()));
    EXPECT_EQ(read.m_id, 7);
    EXPECT_EQ(read.m_flags, 1);
    EXPECT_EQ(read.m_x, 3);
    EXPECT_EQ(read.m_y, 18);
    ASSERT_EQ(read.m_rules.Count(), 1);
    EXPECT_STREQ(read.m_rules[0]->m_itemType.Text(), "base_sword");
    EXPECT_EQ(read.m_rules[0]->m_chance, 60);
}

TEST_F(ItemListTest, anEmptyContainerLyingNowhereSavesAsTwoBytes) {
    TestItemNames names(items);
    SItemList chest;
    chest.m_id = 4;
    chest.m_x = chest.m_y = SItemList::kNowhere;
    const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { chest.SaveState(a, names); });
    EXPECT_EQ(bytes, std::vector<uint8_t>({4, 0}));

    SItemList read;
    read.m_flags = 9;
    read.m_x = read.m_y = 2;
    read.AddItems(*potion, 1, random);
    ASSERT_EQ(ReadBytes({0}, [&](SArchive& a) { EXPECT_TRUE(read.LoadState(a, names)); }), 1);
    EXPECT_EQ(read.m_flags, 0);
    EXPECT_EQ(read.m_x, 255);
    EXPECT_EQ(read.m_y, 255);
    EXPECT_EQ(read.Count(), 0) << "the saved state replaces the items";
}

TEST_F(ItemListTest, aSavedContainerReadsBackWithItsItems) {
    TestItemNames names(items);
    SItemList chest;
    chest.m_id = 9;
    chest.m_flags = SItemList::kFilled;
    chest.m_x = 255;
    chest.m_y = 12;
    chest.AddItems(*sword, 1, random);
    chest.At(0)->m_amount = 70000;
    chest.AddItems(*potion, 1, random);
    chest.At(1)->m_effects = charges(4);
    chest.At(1)->m_effects->m_value = 33;
    chest.AddItems(*bread, 1, random);
    const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { chest.SaveState(a, names); });
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 5), std::vector<uint8_t>({9, 7, 2, 255, 12}));
    EXPECT_EQ(names.names, std::vector<std::string>({"", "base_sword", "base_healing", "base_bread"}));

    SItemList read;
    ASSERT_EQ(ReadBytes(bytes,
                        [&](SArchive& a) {
                            uint8_t id = 0;
                            a.SerializeU8(id);
                            EXPECT_EQ(id, 9);
                            EXPECT_TRUE(read.LoadState(a, names));
                        }),
              int(bytes.size()));
    EXPECT_EQ(read.m_flags, SItemList::kFilled);
    EXPECT_EQ(read.m_x, 255);
    EXPECT_EQ(read.m_y, 12);
    ASSERT_EQ(read.Count(), 3);
    EXPECT_EQ(read.At(0)->m_type, sword);
    EXPECT_EQ(read.At(0)->m_amount, 65535u) << "an amount beyond 16 bits saves as the largest it can";
    EXPECT_EQ(read.At(1)->m_type, potion);
    EXPECT_EQ(read.At(1)->m_amount, 0u);
    ASSERT_NE(read.At(1)->m_effects, nullptr);
    EXPECT_TRUE(read.At(1)->m_effects->Equals(chest.At(1)->m_effects.get()));
    EXPECT_EQ(read.At(1)->m_effects->m_value, 33u);
    EXPECT_EQ(read.At(2)->m_type, bread);
    EXPECT_EQ(read.At(2)->m_effects, nullptr);
}

// A pack of a sword, an item whose type the data lost since, and a potion, saved with the names.
std::vector<uint8_t> packWithAVanishedItem(SItemDatabase& items, SRandom& random, TestItemNames& names) {
    items.AddItemType(MakeItemType("base_gone", kItemGem));
    SItemList pack;
    pack.m_id = 1;
    for (const char* name : {"base_sword", "base_gone", "base_healing"})
        pack.AddItems(*items.FindItemType(name), 1, random);
    pack.At(1)->m_effects = charges(2);
    pack.At(1)->m_amount = 3;
    const std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { pack.SaveState(a, names); });
    items.Clear();
    items.AddItemType(typeWithCondition("base_sword", kItemWeapon, kWeaponLongSword, 1000));
    items.AddItemType(MakeItemType("base_healing", kItemPotion));
    return bytes;
}

TEST_F(ItemListTest, anItemWhoseTypeIsGoneIsSkippedAndTheNextReadsFine) {
    TestItemNames names(items);
    const std::vector<uint8_t> bytes = packWithAVanishedItem(items, random, names);
    SItemList read;
    ASSERT_EQ(ReadBytes(bytes,
                        [&](SArchive& a) {
                            a.Skip(1);
                            EXPECT_TRUE(read.LoadState(a, names));
                        }),
              int(bytes.size()));
    ASSERT_EQ(read.Count(), 2);
    EXPECT_STREQ(read.At(0)->m_type->NameKey().Text(), "base_sword");
    EXPECT_STREQ(read.At(1)->m_type->NameKey().Text(), "base_healing");

    // An index past the name table's end is no item type either.
    names.names.resize(2);
    ASSERT_EQ(ReadBytes(bytes,
                        [&](SArchive& a) {
                            a.Skip(1);
                            EXPECT_TRUE(read.LoadState(a, names));
                        }),
              int(bytes.size()));
    EXPECT_EQ(read.Count(), 1);
}

TEST_F(ItemListTest, theWornItemsOfThePackAreFoundAsItIsRead) {
    TestItemNames names(items);
    const std::vector<uint8_t> bytes = packWithAVanishedItem(items, random, names);
    SEquipmentIndexes indexes;
    indexes.fill(-1);
    indexes[1] = 0;  // the sword
    indexes[4] = 1;  // the vanished item
    indexes[6] = 2;  // the potion
    indexes[8] = 2;  // a second slot of the potion: only the first takes it
    SEquipmentSlots slots{};
    SItemList pack;
    ASSERT_EQ(ReadBytes(bytes, [&](SArchive& a) { EXPECT_TRUE(pack.LoadPlayerState(a, names, indexes, slots)); }),
              int(bytes.size()));
    EXPECT_EQ(pack.m_id, 1);
    ASSERT_EQ(pack.Count(), 2);
    EXPECT_EQ(slots[1], pack.At(0));
    EXPECT_EQ(slots[4], nullptr);
    EXPECT_EQ(slots[6], pack.At(1));
    EXPECT_EQ(slots[8], nullptr);
    const SEquipmentIndexes left = {-1, -1, -1, -1, -1, -1, -1, -1, 2, -1, -1, -1, -1, -1};
    EXPECT_EQ(indexes, left);
}

TEST_F(ItemListTest, aSavedContainerThatEndsEarlyOrHoldsADamagedEffectIsRefused) {
    TestItemNames names(items);
    SItemList chest;
    chest.AddItems(*potion, 2, random);
    chest.At(1)->m_effects = charges(4);
    std::vector<uint8_t> bytes = WrittenBytes([&](SArchive& a) { chest.SaveState(a, names); });
    SItemList read;
    std::vector<uint8_t> cut(bytes.begin(), bytes.end() - 3);
    ReadBytes(cut, [&](SArchive& a) {
        a.Skip(1);
        EXPECT_FALSE(read.LoadState(a, names));
    });
    // The effect's type is the second byte from the end.
    bytes[bytes.size() - 2] = 77;
    ReadBytes(bytes, [&](SArchive& a) {
        a.Skip(1);
        EXPECT_FALSE(read.LoadState(a, names));
    });
}

}  // namespace

}  // namespace item_list_test
