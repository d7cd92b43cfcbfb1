#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "data/player/player_fixture.h"
#include "support/spell_records.h"

namespace player_item_checks_test {

namespace {

constexpr uint8_t kCastSpellKind = 31;

class PlayerItemChecksTest : public BaseGamePlayerTest {
protected:
    SItem* Give(const char* name, uint8_t itemClass, uint8_t subtype) {
        return player.AddItems(AddItemType(name, itemClass, subtype), 1);
    }

    // A type whose list charges its holder with the named spell.
    SItem* Charged(const char* name, uint8_t subtype, const char* spell) {
        SItemType& type = AddItemType(name, kItemMagic, subtype);
        type.m_effects = EffectListOf({});
        type.m_effects->Add(ItemEffect(kCastSpellKind, 5, 0, spell, kSourceSpellCharge));
        return player.AddItems(type, 1);
    }
};

TEST_F(PlayerItemChecksTest, onlyALockpickOpensLocks) {
    Give("base_key_door", kItemKey, 1);
    EXPECT_FALSE(player.HasLockpick());
    Give("base_key_lockpick", kItemKey, kKeySubtypeLockpick);
    EXPECT_TRUE(player.HasLockpick());
}

TEST_F(PlayerItemChecksTest, enchantableItemsAreBlankWornPiecesScrollsAndWands) {
    struct Case {
        uint8_t itemClass;
        uint8_t subtype;
        uint16_t capacity;
        bool typeEffects;
        bool ownEffects;
        bool enchantable;
    };
    const Case cases[] = {
        {kItemWeapon, kWeaponLongSword, 100, false, false, true},
        {kItemHeavyArmour, kArmourHelm, 100, false, false, true},
        {kItemLightArmour, kArmourBoots, 100, false, false, true},
        {kItemAccessory, kAccessoryRing, 100, false, false, true},
        {kItemMagic, kMagicBlankScroll, 100, false, false, true},
        {kItemMagic, kMagicEmptyWand, 100, false, false, true},
        {kItemMagic, kMagicScroll, 100, false, false, false},
        {kItemPotion, 1, 100, false, false, false},
        {kItemWeapon, kWeaponLongSword, 0, false, false, false},
        {kItemWeapon, kWeaponLongSword, 100, true, false, false},
        {kItemWeapon, kWeaponLongSword, 100, false, true, false},
    };
    int made = 0;
    for (const Case& c : cases) {
        StartBaseGame();
        const std::string name = "base_blank" + std::to_string(made++);
        SItemType& type = AddItemType(name.c_str(), c.itemClass, c.subtype);
        type.m_enchantCapacity = c.capacity;
        if (c.typeEffects) type.m_effects = EffectListOf({});
        SItem* item = player.AddItems(type, 1);
        if (c.ownEffects) item->m_effects = EffectListOf({});
        EXPECT_EQ(player.HasEnchantableItem(), c.enchantable) << name;
    }
}

TEST_F(PlayerItemChecksTest, alignmentFollowsFameForWornPiecesOnly) {
    struct Case {
        uint8_t itemClass;
        uint8_t alignment;
        int32_t fame;
        bool usable;
    };
    const Case cases[] = {
        {kItemWeapon, kAlignmentAny, -500, true},      {kItemWeapon, kAlignmentGood, 0, true},
        {kItemHeavyArmour, kAlignmentGood, -1, false}, {kItemLightArmour, kAlignmentEvil, -1, true},
        {kItemAccessory, kAlignmentEvil, 0, false},    {kItemPotion, kAlignmentAny, 0, false},
        {kItemMagic, kAlignmentAny, 0, false},
    };
    int made = 0;
    for (const Case& c : cases) {
        StartBaseGame();
        player.AddFame(c.fame);
        SItemType& type = AddItemType(("base_aligned" + std::to_string(made++)).c_str(), c.itemClass, 1);
        type.m_alignment = c.alignment;
        EXPECT_EQ(player.CanUseByAlignment(*player.AddItems(type, 1)), c.usable)
            << int(c.itemClass) << "/" << int(c.alignment) << " at " << c.fame;
    }
}

TEST_F(PlayerItemChecksTest, aBarredSchoolsScrollsAndWandsRefuseTheRace) {
    spells.Add(MakeSpell("base_spellheal", kSchoolHeal));
    spells.Add(MakeSpell("base_spelldrain", kSchoolUndead));
    SItem* healScroll = Charged("base_scrheal", kMagicScroll, "base_spellheal");
    SItem* drainScroll = Charged("base_scrdrain", kMagicScroll, "base_spelldrain");
    SItem* healWand = Charged("base_wandheal", kMagicWand, "base_spellheal");
    SItem* plain = Give("base_scrplain", kItemMagic, kMagicScroll);

    // Race 2 may not use Undead spells.
    EXPECT_TRUE(player.CanReadScroll(*healScroll));
    EXPECT_FALSE(player.CanReadScroll(*drainScroll));
    EXPECT_TRUE(player.CanReadScroll(*plain));
    EXPECT_TRUE(player.CanUseWand(*healWand));
    healWand->m_amount = 0;
    EXPECT_FALSE(player.CanUseWand(*healWand));

    player.SetRace(kUndeadRace);
    EXPECT_FALSE(player.CanReadScroll(*healScroll));
    EXPECT_TRUE(player.CanReadScroll(*drainScroll));
    healWand->m_amount = 3;
    EXPECT_FALSE(player.CanUseWand(*healWand));

    // Without a list a wand needs only charges.
    SItem* bare = Give("base_wandbare", kItemMagic, kMagicWand);
    EXPECT_FALSE(player.CanUseWand(*bare));
    bare->m_amount = 1;
    EXPECT_TRUE(player.CanUseWand(*bare));
}

class PlayerFoodTest : public BaseGamePlayerTest {
protected:
    SItemType& Comestible(const char* name, uint8_t subtype, bool spoilt) {
        SItemType& type = AddItemType(name, kItemComestible, subtype);
        if (spoilt) type.m_flags = kItemSpoilt;
        return type;
    }
};

TEST_F(PlayerFoodTest, spoiltFoodFeedsOnlyTheUndead) {
    player.AddItems(Comestible("base_food_rotten", kComestibleFood, true), 1);
    player.AddItems(Comestible("base_water", kComestibleWater, false), 1);
    EXPECT_FALSE(player.HasFoodAndWater());
    player.SetRace(kUndeadRace);
    EXPECT_TRUE(player.HasFoodAndWater());
    player.ConsumeFoodAndWater();
    EXPECT_EQ(player.ItemCount(), 0);
}

TEST_F(PlayerFoodTest, eatingTakesTheFirstFoodAndWaterTheRaceEats) {
    player.AddItems(Comestible("base_food_rotten", kComestibleFood, true), 1);
    player.AddItems(Comestible("base_bread", kComestibleFood, false), 2);
    player.AddItems(Comestible("base_water", kComestibleWater, false), 1);
    player.AddItems(AddItemType("base_phealing", kItemPotion, 1), 1);
    EXPECT_TRUE(player.HasFoodAndWater());
    player.ConsumeFoodAndWater();
    EXPECT_EQ(player.CountOwnedItemsByName("base_food_rotten"), 1);
    EXPECT_EQ(player.CountOwnedItemsByName("base_bread"), 1);
    EXPECT_EQ(player.CountOwnedItemsByName("base_water"), 0);
    EXPECT_EQ(player.CountOwnedItemsByName("base_phealing"), 1);
    EXPECT_FALSE(player.HasFoodAndWater());
    // Nothing to drink: the food stays.
    player.ConsumeFoodAndWater();
    EXPECT_EQ(player.CountOwnedItemsByName("base_bread"), 0);
}

TEST_F(PlayerFoodTest, createdFoodIsWhatTheRaceEats) {
    Comestible("base_food_rotten", kComestibleFood, true);
    Comestible("base_bread", kComestibleFood, false);
    Comestible("base_water", kComestibleWater, false);
    for (int i = 0; i < 10; ++i) player.CreateFood();
    EXPECT_EQ(player.CountOwnedItemsByName("base_bread"), 10);
    EXPECT_EQ(player.CountOwnedItemsByName("base_water"), 10);
    EXPECT_EQ(player.CountOwnedItemsByName("base_food_rotten"), 0);
    ASSERT_EQ(screen.queued.size(), 10u);
    EXPECT_EQ(screen.queued[0].text, "You have created some food.");
    EXPECT_EQ(screen.queued[0].sound, "bsnd_click");

    // The undead eat both kinds of food.
    player.SetRace(kUndeadRace);
    for (int i = 0; i < 40; ++i) player.CreateFood();
    EXPECT_GT(player.CountOwnedItemsByName("base_food_rotten"), 0);
    EXPECT_GT(player.CountOwnedItemsByName("base_bread"), 10);
}

TEST_F(PlayerFoodTest, aWorldWithoutFittingFoodCreatesNone) {
    Comestible("base_food_rotten", kComestibleFood, true);
    player.CreateFood();
    EXPECT_EQ(player.ItemCount(), 0);
    EXPECT_TRUE(screen.queued.empty());
    // A drink alone is still created.
    Comestible("base_water", kComestibleWater, false);
    player.CreateFood();
    EXPECT_EQ(player.CountOwnedItemsByName("base_water"), 1);
    EXPECT_EQ(player.ItemCount(), 1);
}

}  // namespace

}  // namespace player_item_checks_test
