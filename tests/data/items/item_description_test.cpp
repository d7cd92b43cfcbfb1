// What an inventory or a shop tells of an item, in both layouts, and what it tells its reader.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "support/effect_world.h"

namespace item_description_test {

namespace {

constexpr uint32_t kLargeScreen = 9;
constexpr uint32_t kSmallScreen = 2;
constexpr uint32_t kNarrowScreen = 5;
constexpr int64_t kNewItem = -1;

// The item types of the cases, each with its own numbers.
struct Shop {
    Shop() {
        sword = MakeItemType("sword", kItemWeapon, kWeaponShortSword);
        sword->m_flags = kItemLightWeapon;
        sword->m_minDamage = 10;
        sword->m_maxDamage = 15;
        sword->m_weight = 250;
        sword->m_outfit = 6;
        sword->m_enchantCapacity = 150;

        hammer = MakeItemType("hammer", kItemWeapon, kWeaponHammer);
        hammer->m_minDamage = 10;
        hammer->m_maxDamage = 15;
        hammer->m_weight = 400;
        hammer->m_outfit = 6;
        hammer->m_maxCondition = 20000;

        plate = MakeItemType("plate", kItemHeavyArmour, kArmourBody);
        plate->m_armorClass = 20;
        plate->m_weight = 1000;
        plate->m_outfit = 5;
        plate->m_alignment = kAlignmentGood;
        plate->m_effects = ListOf(ItemEffect(15, 150));

        quiver = MakeItemType("quiver", kItemWeapon, kWeaponQuiver);
        quiver->m_flags = kItemLightWeapon;
        quiver->m_minDamage = 3;
        quiver->m_maxDamage = 5;
        quiver->m_weight = 50;
        quiver->m_alignment = kAlignmentEvil;

        ring = MakeItemType("ring", kItemAccessory, kAccessoryRing);
        ring->m_weight = 10;
        ring->m_outfit = 9;
        ring->m_effects = ListOf(ItemEffect(1, 5, 1));

        root = MakeItemType("root", kItemIngredient);
        root->m_weight = 10;
        root->m_effects = ListOf(ItemEffect(3, 10), ItemEffect(26, 3), ItemEffect(9, 4));

        potion = MakeItemType("potion", kItemPotion);
        potion->m_weight = 50;
        potion->m_effects = ListOf(ItemEffect(3, 10));

        wand = MakeItemType("wand", kItemMagic, kMagicWand);
        wand->m_weight = 30;
        wand->m_effects = ListOf(ItemEffect(31, 10, 0, "base_recall", kSourceSpellCharge));

        emptyWand = MakeItemType("empty_wand", kItemMagic, kMagicEmptyWand);
        emptyWand->m_weight = 30;
        emptyWand->m_enchantCapacity = 50;

        scroll = MakeItemType("scroll", kItemMagic, kMagicScroll);
        scroll->m_weight = 10;
        auto fireball = ItemEffect(31, 1, 0, "base_fireball", kSourceSpellCharge);
        fireball->m_magnitudePerLevel = 40;
        scroll->m_effects = ListOf(std::move(fireball));

        spellbook = MakeItemType("spellbook", kItemMagic, kMagicSpellbook);
        spellbook->m_weight = 100;
        spellbook->m_effects = ListOf(ItemEffect(31, 1, 0, "base_recall", kSourceSpellCharge));

        book = MakeItemType("book_alchemy", kItemBook, kBookSubtypeBook);
        book->m_weight = 100;
        book->m_effects = ListOf(ItemEffect(1, 2, 16));

        gold = MakeItemType("gold", kItemMoney);
        gold->m_weight = 1;
        bread = MakeItemType("bread", kItemComestible, kComestibleFood);
        bread->m_weight = 30;
        lockpick = MakeItemType("lockpick", kItemKey, kKeySubtypeLockpick);
        lockpick->m_weight = 20;
        lockpick->m_maxCondition = 100;
    }

    std::unique_ptr<SItemType> sword, hammer, plate, quiver, ring, root, potion, wand, emptyWand, scroll, spellbook,
        book, gold, bread, lockpick;
};

struct DescriptionCase {
    const char* name;
    const SItemType* type;
    int64_t amount;
    uint32_t screenMode;
    bool details;
    const char* text;
};

std::string describe(const EffectWorld& world, const SItemType& type, int64_t amount, uint32_t screenMode,
                     bool details) {
    SItem item(type);
    item.m_amount = uint32_t(amount);
    SString out("stale");
    type.GetDescription(amount == kNewItem ? nullptr : &item, world.lookups, world.player, screenMode, details, out);
    return out.Text();
}

TEST(ItemDescriptionTest, everyClassInBothLayouts) {
    const EffectWorld world;
    const Shop shop;
    // clang-format off
    const DescriptionCase cases[] = {
        {"swordAtHalf", shop.sword.get(), 500, kLargeScreen, false,
         "Light weapon\rDamage: 6-8\rWeight: 2.5\rOutfit: regular\rCondition: average\rModerately enchantable\r"},
        {"swordAtHalfSmall", shop.sword.get(), 500, kSmallScreen, false,
         "Light weapon, Damage: 6-8, Weight: 2.5\rOutfit: regular, Condition: average\rModerately enchantable\r"},
        {"swordAtHalfNarrow", shop.sword.get(), 500, kNarrowScreen, false,
         "Light weapon, Dam: 6-8, Weight: 2.5\rOutfit: regular, Condition: average\rModerately enchantable\r"},
        {"swordAtHalfDetails", shop.sword.get(), 500, kLargeScreen, true,
         "Light weapon\rDamage: 6-8\rWeight: 2.5\rOutfit: regular (40)\rCondition: 500/1000\rModerately enchantable\r"},
        {"newSword", shop.sword.get(), kNewItem, kLargeScreen, false,
         "Light weapon\rDamage: 10-15\rWeight: 2.5\rOutfit: fashionable\rCondition: perfect\rModerately enchantable\r"},
        {"brokenHammer", shop.hammer.get(), 1000, kLargeScreen, false,
         "Heavy weapon\rDamage: 0-0\rWeight: 4.0\rOutfit: plain\rCondition: broken\rUnenchantable\r"},
        {"hammerCountsShortened", shop.hammer.get(), 15000, kLargeScreen, true,
         "Heavy weapon\rDamage: 8-12\rWeight: 4.0\rOutfit: regular (50)\rCondition: 15K/20K\rUnenchantable\r"},
        {"armourWithEffects", shop.plate.get(), kNewItem, kLargeScreen, false,
         "Heavy armor\rAC: 20\rWeight: 10.0\rRequires good alignment\rOutfit: regular\rCondition: perfect\r"
         "+50% Poison resistance\r"},
        {"quiverCountsItsArrows", shop.quiver.get(), 20, kLargeScreen, false,
         "Light weapon\rContains 20 units.\rDamage: 3-5\rWeight: 0.5\rRequires evil alignment\rUnenchantable\r"},
        {"quiverOfOne", shop.quiver.get(), 1, kSmallScreen, false,
         "Light weapon, Contains 1 unit.\rDamage: 3-5, Weight: 0.5\rRequires evil alignment\rUnenchantable\r"},
        {"ringNeverWears", shop.ring.get(), 0, kLargeScreen, false, "Weight: 0.1\rOutfit: swell\r+5 Block\r"},
        {"ingredient", shop.root.get(), 0, kLargeScreen, false,
         "Alchemy ingredient\rWeight: 0.1\r\rEffects:\rRestore health\rUnknown effect\rUnknown effect\r"},
        {"ingredientSmall", shop.root.get(), 0, kSmallScreen, false,
         "Alchemy ingredient\rWeight: 0.1\r\rEffects:\rRestore health, Unknown effect, Unknown effect\r"},
        {"potion", shop.potion.get(), 0, kLargeScreen, false, "Weight: 0.5\rHeals 10 hp\r"},
        {"wandHalfFull", shop.wand.get(), 5, kLargeScreen, false, "Weight: 0.3\rCasts Recall (5 out of 10 charges)\r"},
        {"wandChargesAreTheLow16Bits", shop.wand.get(), 0x10007, kLargeScreen, false,
         "Weight: 0.3\rCasts Recall (7 out of 10 charges)\r"},
        {"newWandIsFull", shop.wand.get(), kNewItem, kLargeScreen, false, "Weight: 0.3\rCasts Recall (10 charges)\r"},
        {"emptyWandMayBeEnchanted", shop.emptyWand.get(), 0, kLargeScreen, false, "Weight: 0.3\rSlightly enchantable\r"},
        {"scroll", shop.scroll.get(), 0, kLargeScreen, false, "Weight: 0.1\rCasts Fireball at skill level 40\r"},
        // Lists word their entries in full on every screen.
        {"scrollSmall", shop.scroll.get(), 0, kSmallScreen, false, "Weight: 0.1\rCasts Fireball at skill level 40\r"},
        {"spellbook", shop.spellbook.get(), 0, kLargeScreen, false,
         "Weight: 1.0\rTeaches Recall\rYou don't know this spell."},
        {"book", shop.book.get(), 0, kLargeScreen, false,
         "Book\rWeight: 1.0\rTeaches Alchemy (+2)\rYou haven't read this book yet."},
        {"bookSmall", shop.book.get(), 0, kSmallScreen, false,
         "Book, Weight: 1.0\rTeaches Alchemy (+2)\rYou haven't read this book yet."},
        {"moneyWeighsNothing", shop.gold.get(), 50, kLargeScreen, false, ""},
        {"food", shop.bread.get(), 0, kLargeScreen, false, "Comestible\rWeight: 0.3\r"},
        {"lockpickWears", shop.lockpick.get(), 80, kLargeScreen, false, "Weight: 0.2\rCondition: good\r"},
    };
    // clang-format on
    for (const DescriptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(describe(world, *c.type, c.amount, c.screenMode, c.details), c.text);
    }
}

TEST(ItemDescriptionTest, theReaderLearnsWhatItCanDoWithTheItem) {
    EffectWorld world;
    const Shop shop;
    auto last = [&](const SItemType& type) {
        const std::string text = describe(world, type, 5, kLargeScreen, false);
        return text.substr(text.rfind('\r') + 1);
    };
    EXPECT_EQ(last(*shop.spellbook), "You don't know this spell.");
    world.player.knownSpells.insert("base_recall");
    EXPECT_EQ(last(*shop.spellbook), "You already know this spell.");
    world.player.barredSchools.insert(kSchoolEnvironment);
    EXPECT_EQ(last(*shop.spellbook), "You can't learn this spell.");

    EXPECT_EQ(last(*shop.wand), "");
    world.player.canUseWands = false;
    EXPECT_EQ(last(*shop.wand), "You can't use this wand.");
    // A wand that was never filled tells nothing of its use.
    EXPECT_EQ(last(*shop.emptyWand), "");

    EXPECT_EQ(last(*shop.scroll), "");
    world.player.canReadScrolls = false;
    EXPECT_EQ(last(*shop.scroll), "You can't read this scroll.");

    world.player.maxedSkills.insert(16);
    EXPECT_EQ(last(*shop.book), "You can't learn from this book.");
    world.player.readBooks.insert("book_alchemy");
    EXPECT_EQ(last(*shop.book), "You have already read this book.");
}

TEST(ItemDescriptionTest, theItemsOwnEffectsComeBeforeItsTypes) {
    const EffectWorld world;
    const Shop shop;
    SItem written(*shop.emptyWand);
    written.m_amount = 2;
    written.m_effects = ListOf(ItemEffect(31, 4, 0, "base_recall", kSourceSpellCharge));
    SString out;
    shop.emptyWand->GetDescription(&written, world.lookups, world.player, kLargeScreen, false, out);
    EXPECT_STREQ(out.Text(), "Weight: 0.3\rCasts Recall (2 out of 4 charges)\r");
}

}  // namespace

}  // namespace item_description_test
