// The rules item types apply to an item: condition scaling, price, display name, damage, the
// skills and effect context of each class, and the words of the item texts.
#include <gtest/gtest.h>

#include <string>

#include "data/items/item.h"
#include "data/items/item_words.h"
#include "data/rules/undead.h"
#include "data/spells/spell_table.h"
#include "support/item_records.h"
#include "support/spell_records.h"

namespace item_rules_test {

namespace {

std::unique_ptr<SItem> itemAt(const SItemType& type, uint32_t amount) {
    auto item = std::make_unique<SItem>(type);
    item->m_amount = amount;
    return item;
}

TEST(ItemConditionTest, damageArmourAndOutfitWearDownWithTheCondition) {
    struct Case {
        const char* name;
        uint8_t itemClass;
        uint8_t subtype;
        uint16_t maxCondition;
        int64_t amount;  // -1: a new item
        uint32_t minDamage, maxDamage, armour, outfit;
    };
    // Every type has damage 10-15, armour class 8 and outfit 9.
    const Case cases[] = {
        {"swordAtHalf", kItemWeapon, kWeaponLongSword, 1000, 500, 6, 8, 5, 5},
        {"swordAt550", kItemWeapon, kWeaponLongSword, 1000, 550, 6, 9, 5, 5},
        {"swordWhole", kItemWeapon, kWeaponLongSword, 1000, 1000, 10, 15, 8, 9},
        {"swordNew", kItemWeapon, kWeaponLongSword, 1000, -1, 10, 15, 8, 9},
        {"swordAt490", kItemWeapon, kWeaponLongSword, 1000, 490, 4, 7, 3, 4},
        {"swordBroken", kItemWeapon, kWeaponLongSword, 1000, 0, 0, 0, 0, 0},
        {"overrepairedHelm", kItemHeavyArmour, 4, 100, 300, 10, 15, 8, 9},
        {"quiverOfFive", kItemWeapon, kWeaponQuiver, 1000, 5, 10, 15, 8, 9},
        {"throwingKnives", kItemWeapon, kWeaponThrowing, 1000, 12, 10, 15, 8, 9},
        {"ring", kItemAccessory, 2, 1000, 0, 10, 15, 8, 9},
        {"noMaximum", kItemLightArmour, 3, 0, 0, 10, 15, 8, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto type = MakeItemType("base_thing", c.itemClass, c.subtype);
        type->m_minDamage = 10;
        type->m_maxDamage = 15;
        type->m_armorClass = 8;
        type->m_outfit = 9;
        type->m_maxCondition = c.maxCondition;
        auto item = c.amount < 0 ? nullptr : itemAt(*type, uint32_t(c.amount));
        EXPECT_EQ(type->GetMinDamage(item.get()), c.minDamage);
        EXPECT_EQ(type->GetMaxDamage(item.get()), c.maxDamage);
        EXPECT_EQ(type->GetArmorClass(item.get()), c.armour);
        EXPECT_EQ(type->GetOutfitValue(item.get()), c.outfit);
    }
}

TEST(ItemConditionTest, theConditionTestsAndRepairs) {
    auto axe = MakeItemType("base_axe", kItemWeapon, kWeaponAxe);
    axe->m_maxCondition = 200;
    auto item = itemAt(*axe, 19);
    EXPECT_TRUE(item->IsNearlyBroken());
    EXPECT_FALSE(item->IsFull());
    item->AddAmount(1);
    EXPECT_FALSE(item->IsNearlyBroken());
    item->RepairFully();
    EXPECT_EQ(item->m_amount, 200u);
    EXPECT_TRUE(item->IsFull());
    item->TakeAmount(500);
    EXPECT_EQ(item->m_amount, 0u);
    item->m_amount = 0xFFFFFFF0;
    item->AddAmount(0x20);
    EXPECT_EQ(item->m_amount, 0xFFFFFFFFu);

    auto relic = MakeItemType("base_relic", kItemMiscellaneous);
    relic->m_maxCondition = 0;
    auto unbreakable = itemAt(*relic, 0);
    EXPECT_TRUE(unbreakable->IsFull());
    EXPECT_FALSE(unbreakable->IsNearlyBroken());
}

// One Cast spell effect of that many charges, in a list worth 999.
std::unique_ptr<SEffectList> wandCharges(int16_t charges, const char* spell = "base_fireball") {
    std::vector<std::unique_ptr<SEffect>> effects;
    effects.push_back(ItemEffect(kEffectCastSpell, charges, 0, spell, kSourceSpellCharge));
    return EffectListOf(std::move(effects), 999);
}

TEST(ItemValueTest, thePriceFollowsTheConditionTheEffectsAndTheCharges) {
    struct Case {
        const char* name;
        uint8_t itemClass;
        uint8_t subtype;
        bool typeList;   // the type's effects are worth 40
        bool ownList;    // the item's own effects are worth 70
        int64_t amount;  // -1: a new item
        uint32_t value;
    };
    // Base value 300, maximum condition 1000, enchant capacity 25.
    const Case cases[] = {
        {"armourAtHalf", kItemHeavyArmour, 3, false, false, 500, 150 + 25},
        {"armourAtHalfWithEffects", kItemLightArmour, 3, true, false, 500, 150 + 40},
        {"ownEffectsReplaceTheTypes", kItemLightArmour, 3, true, true, 1000, 300 + 70},
        {"newArmour", kItemHeavyArmour, 3, true, false, -1, 300 + 40},
        {"newArmourWithoutEffects", kItemHeavyArmour, 3, false, false, -1, 300},
        {"swordAtQuarter", kItemWeapon, kWeaponLongSword, false, false, 250, 75 + 25},
        {"quiverNotScaled", kItemWeapon, kWeaponQuiver, false, false, 12, 300 + 25},
        {"mortarScaled", kItemAlchemy, 1, false, false, 100, 30 + 25},
        {"hammerScaled", kItemRepair, 1, false, false, 100, 30 + 25},
        {"lockpickScaled", kItemKey, kKeySubtypeLockpick, false, false, 100, 30 + 25},
        {"keyNotScaled", kItemKey, 1, false, false, 100, 300 + 25},
        {"gem", kItemGem, 1, true, false, 0, 300 + 40},
    };
    const TestWandPricing wands;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto type = MakeItemType("base_thing", c.itemClass, c.subtype);
        type->m_baseValue = 300;
        type->m_enchantCapacity = 25;
        if (c.typeList) type->m_effects = EffectListOf({}, 40);
        auto item = c.amount < 0 ? nullptr : itemAt(*type, uint32_t(c.amount));
        if (c.ownList) item->m_effects = EffectListOf({}, 70);
        EXPECT_EQ(type->GetValue(item.get(), wands), c.value);
    }
}

TEST(ItemValueTest, aWandIsWorthItsChargesAndAPriceNeverWraps) {
    TestWandPricing wands;
    auto wand = MakeItemType("base_wandfire", kItemMagic, kMagicWand);
    wand->m_baseValue = 100;
    wand->m_effects = wandCharges(10);
    auto item = itemAt(*wand, 5);
    EXPECT_EQ(wand->GetValue(item.get(), wands), 100u + 150u);
    EXPECT_EQ(wands.askedList, wand->m_effects.get());
    // A filled empty wand is priced by its own list.
    auto empty = MakeItemType("base_emptywand", kItemMagic, kMagicEmptyWand);
    auto filled = itemAt(*empty, 2);
    filled->m_effects = wandCharges(4);
    EXPECT_EQ(empty->GetValue(filled.get(), wands), 60u);
    EXPECT_EQ(wands.askedList, filled->m_effects.get());
    // Without an item the type's list value counts, as for anything else.
    EXPECT_EQ(wand->GetValue(nullptr, wands), 100u + 999u);

    auto crown = MakeItemType("base_crown", kItemAccessory);
    crown->m_baseValue = 0xFFFFFFF0;
    crown->m_effects = EffectListOf({}, 0x100);
    EXPECT_EQ(crown->GetValue(nullptr, wands), 0xFFFFFFFFu);
    auto armour = MakeItemType("base_plate", kItemHeavyArmour, 3);
    armour->m_baseValue = 0xFFFFFFFF;
    armour->m_maxCondition = 100;
    EXPECT_EQ(armour->GetValue(itemAt(*armour, 100).get(), wands), 0xFFFFFFFFu);
}

class ItemNameTest : public ::testing::Test {
protected:
    ItemNameTest() {
        auto fireball = MakeSpell("base_fireball", kSchoolAttack);
        fireball->m_displayName.Assign("Fireball");
        spells.Add(std::move(fireball));
    }

    SSpellTable spells;
};

TEST_F(ItemNameTest, eachClassShowsItsNameItsOwnWay) {
    struct Case {
        const char* name;
        uint8_t itemClass;
        uint8_t subtype;
        uint8_t flags;
        const char* ownSpell;  // the item's own first effect's spell; null: no own list
        bool bare;
        const char* shown;
    };
    const Case cases[] = {
        {"book", kItemBook, kBookSubtypeBook, 0, nullptr, false, "'Thing' book"},
        {"letter", kItemBook, 2, 0, nullptr, false, "Thing"},
        {"potion", kItemPotion, 1, 0, nullptr, false, "Thing potion"},
        {"homemadePotion", kItemPotion, 1, kItemHomemade, nullptr, false, "Homemade Thing potion"},
        {"gem", kItemGem, 1, 0, nullptr, false, "Thing gem"},
        {"card", kItemCard, 1, 0, nullptr, false, "'Thing' card"},
        {"scroll", kItemMagic, kMagicScroll, 0, nullptr, false, "Scroll of Thing"},
        {"bareScroll", kItemMagic, kMagicScroll, 0, nullptr, true, "Thing"},
        {"spellbook", kItemMagic, kMagicSpellbook, 0, nullptr, true, "Spellbook of Thing"},
        {"wand", kItemMagic, kMagicWand, 0, nullptr, false, "Wand of Thing"},
        {"bareWand", kItemMagic, kMagicWand, 0, nullptr, true, "Thing"},
        {"blankScroll", kItemMagic, kMagicBlankScroll, 0, nullptr, false, "Thing"},
        {"writtenScroll", kItemMagic, kMagicBlankScroll, 0, "base_fireball", false, "Scroll of Fireball"},
        {"bareWrittenScroll", kItemMagic, kMagicBlankScroll, 0, "base_fireball", true, "Fireball"},
        {"scrollOfAnUnknownSpell", kItemMagic, kMagicBlankScroll, 0, "base_gone", false, "Scroll of Unknown"},
        {"filledWand", kItemMagic, kMagicEmptyWand, 0, "base_fireball", false, "Wand of Fireball"},
        {"wandOfAnUnknownSpell", kItemMagic, kMagicEmptyWand, 0, "base_gone", false, "Wand of Unknown"},
        {"bareUnknown", kItemMagic, kMagicEmptyWand, 0, "base_gone", true, "Unknown"},
        {"otherMagic", kItemMagic, 9, 0, nullptr, false, ""},
        {"sword", kItemWeapon, kWeaponLongSword, kItemHomemade, nullptr, true, "Thing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto type = MakeItemType("base_thing", c.itemClass, c.subtype, "Thing");
        type->m_flags = c.flags;
        auto item = itemAt(*type, 0);
        if (c.ownSpell) item->m_effects = wandCharges(3, c.ownSpell);
        SString shown("old text");
        type->GetDisplayName(item.get(), shown, c.bare, spells);
        EXPECT_STREQ(shown.Text(), c.shown);
    }
}

TEST_F(ItemNameTest, aWrittenScrollWithAnEmptyListIsOfAnUnknownSpell) {
    auto type = MakeItemType("base_blank", kItemMagic, kMagicBlankScroll, "Blank scroll");
    auto item = itemAt(*type, 0);
    item->m_effects = EffectListOf({});
    SString shown;
    type->GetDisplayName(item.get(), shown, false, spells);
    EXPECT_STREQ(shown.Text(), "Scroll of Unknown");
}

TEST(ItemClassTest, eachClassHasItsEffectContextAndTrainsItsSkills) {
    struct Case {
        uint8_t itemClass;
        uint8_t subtype;
        uint8_t flags;
        SEffectContext context;
        uint32_t primary, secondary;
    };
    const Case cases[] = {
        {kItemWeapon, kWeaponLongSword, 0, kContextWeapon, 3, 0},
        {kItemWeapon, kWeaponShortSword, kItemLightWeapon, kContextWeapon, 2, 0},
        {kItemWeapon, kWeaponMagicStaff, 0, kContextMagicStaff, 3, 0},
        {kItemWeapon, kWeaponThrowing, kItemLightWeapon, kContextThrown, 2, 7},
        {kItemWeapon, kWeaponQuiver, 0, kContextThrown, 3, 0},
        {kItemWeapon, kWeaponBoltQuiver, 0, kContextThrown, 3, 0},
        {kItemWeapon, kWeaponShortBow, 0, kContextBow, 3, 7},
        {kItemWeapon, kWeaponLongBow, 0, kContextBow, 3, 7},
        {kItemWeapon, kWeaponCrossbow, 0, kContextWeapon, 3, 7},
        {kItemHeavyArmour, 3, 0, kContextArmour, 6, 0},
        {kItemLightArmour, 1, 0, kContextArmour, 5, 0},
        {kItemAccessory, 2, 0, kContextAccessory, 0, 0},
        {kItemBook, 1, 0, kContextBook, 0, 0},
        {kItemIngredient, 1, 0, kContextIngredient, 0, 0},
        {kItemPotion, 1, 0, kContextPotion, 0, 0},
        {kItemMagic, kMagicScroll, 0, kContextScroll, 0, 0},
        {kItemMagic, kMagicBlankScroll, 0, kContextScroll, 0, 0},
        {kItemMagic, kMagicSpellbook, 0, kContextSpellbook, 0, 0},
        {kItemMagic, kMagicWand, 0, kContextWand, 0, 0},
        {kItemMagic, kMagicEmptyWand, 0, kContextWand, 0, 0},
        {kItemMagic, 6, 0, kContextNone, 0, 0},
        {kItemGem, 1, 0, kContextNone, 0, 0},
        {kItemKey, 2, 0, kContextNone, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.itemClass) + "/" + std::to_string(c.subtype));
        auto type = MakeItemType("base_thing", c.itemClass, c.subtype);
        type->m_flags = c.flags;
        EXPECT_EQ(type->GetEffectContext(), c.context);
        uint32_t primary = 99, secondary = 99;
        type->GetTrainedSkills(primary, secondary);
        EXPECT_EQ(primary, c.primary);
        EXPECT_EQ(secondary, c.secondary);
    }
}

TEST(ItemClassTest, namesAndTheMerchantsTable) {
    EXPECT_STREQ(ItemClassName(kItemMiscellaneous), "Miscellaneous");
    EXPECT_STREQ(ItemSubtypeName(kItemMiscellaneous, 1), "Miscellaneous");
    EXPECT_STREQ(ItemClassName(17), "?");
    EXPECT_STREQ(ItemSubtypeName(kItemWeapon, kWeaponHand), "hand");
    EXPECT_STREQ(ItemSubtypeName(kItemWeapon, kWeaponBoltQuiver), "bolt quiver");
    EXPECT_STREQ(ItemSubtypeName(kItemWeapon, 14), "?");
    EXPECT_STREQ(ItemSubtypeName(kItemLightArmour, 8), "Belt");
    EXPECT_STREQ(ItemSubtypeName(kItemHeavyArmour, 0), "?");
    EXPECT_STREQ(ItemSubtypeName(kItemGem, 2), "?");
    EXPECT_STREQ(ItemSubtypeName(20, 1), "?");
    EXPECT_STREQ(AlignmentName(2), "evil");
    EXPECT_STREQ(AlignmentName(3), "?");

    SItemDatabase items;
    EXPECT_EQ(items.CategoryBit(kItemCard), 0) << "empty until set up";
    items.InitCategories();
    EXPECT_EQ(items.CategoryBit(kItemCard), 16384);
    EXPECT_EQ(items.BaseStock(kItemCard), 5);
    EXPECT_EQ(items.CategoryBit(kItemMoney), 0);
    EXPECT_EQ(items.BaseStock(kItemAlchemy), 1);
    EXPECT_EQ(items.CategoryBit(17), 0);
    EXPECT_EQ(items.BaseStock(-1), 0);
}

TEST(ItemWordsTest, eachLadderChangesWordAtItsSteps) {
    struct Case {
        const char* (*word)(int64_t);
        int64_t value;
        const char* expected;
    };
    auto condition = [](int64_t v) { return GetConditionWord(int32_t(v)); };
    auto outfit = [](int64_t v) { return GetOutfitWord(int32_t(v)); };
    auto enchant = [](int64_t v) { return GetEnchantabilityWord(uint32_t(v)); };
    const Case cases[] = {
        {condition, 9, "broken"},
        {condition, 10, "poor"},
        {condition, 29, "poor"},
        {condition, 30, "average"},
        {condition, 69, "average"},
        {condition, 70, "good"},
        {condition, 99, "good"},
        {condition, 100, "perfect"},
        {outfit, 29, "plain"},
        {outfit, 30, "regular"},
        {outfit, 59, "regular"},
        {outfit, 60, "fashionable"},
        {outfit, 89, "fashionable"},
        {outfit, 90, "swell"},
        {enchant, 0, "Unenchantable"},
        {enchant, 1, "Slightly enchantable"},
        {enchant, 99, "Slightly enchantable"},
        {enchant, 100, "Moderately enchantable"},
        {enchant, 200, "May be enchantable"},
        {enchant, 300, "Strongly enchantable"},
        {enchant, 499, "Strongly enchantable"},
        {enchant, 500, "Superiorly enchantable"},
    };
    for (const Case& c : cases) EXPECT_STREQ(c.word(c.value), c.expected) << c.value;
}

// The tools' steps at 9, 10, 29, 30, 69, 70, 99 and 100 per cent of a maximum of 1000, a maximum
// of 0 that must not divide, and a condition above the maximum that must not wrap.
TEST(ItemWordsTest, aConditionOutOfItsMaximumGivesTheWordOfItsWholePerCent) {
    struct Case {
        uint32_t condition, maximum;
        const char* expected;
    };
    const Case cases[] = {{99, 1000, "broken"},   {100, 1000, "poor"},        {299, 1000, "poor"},
                          {300, 1000, "average"}, {699, 1000, "average"},     {700, 1000, "good"},
                          {999, 1000, "good"},    {1000, 1000, "perfect"},    {0, 0, "perfect"},
                          {0, 7, "broken"},       {4000000000u, 3, "perfect"}};
    for (const Case& c : cases)
        EXPECT_STREQ(GetConditionWord(c.condition, c.maximum), c.expected) << c.condition << " of " << c.maximum;
}

TEST(ItemDamageTest, skillsAttributesTheOffHandAndACurseShapeTheDamage) {
    struct Case {
        const char* name;
        uint8_t subtype;
        uint8_t flags;
        int32_t accuracy, light, heavy, dual;
        bool offHand, cursed;
        int32_t min, max;
    };
    // Damage 30-60 at full condition; Strength 50 and Dexterity 75.
    const Case cases[] = {
        // Heavy 33 leaves the damage; + 50/25 + 75/16 = 2 + 4.
        {"heavyAtPar", kWeaponLongSword, 0, 0, 0, 33, 0, false, false, 36, 66},
        // Heavy 99: + value x 66 / 66.
        {"heavyMastered", kWeaponLongSword, 0, 0, 0, 99, 0, false, false, 66, 126},
        // Heavy 11: value x 11 / 33.
        {"heavyNovice", kWeaponLongSword, 0, 0, 0, 11, 0, false, false, 16, 26},
        // Light 33: + 75/25 + 50/16 = 3 + 3.
        {"light", kWeaponShortSword, kItemLightWeapon, 0, 33, 0, 0, false, false, 36, 66},
        // Accuracy 66: +50%, then Heavy 33 and the heavy bonus.
        {"bow", kWeaponLongBow, 0, 66, 0, 33, 0, false, false, 51, 96},
        // Ammunition takes Light Weapon; Accuracy 0 leaves nothing but the bonus.
        {"throwingKnife", kWeaponThrowing, 0, 0, 33, 0, 0, false, false, 6, 6},
        // Dual Wield 0 in the off hand takes everything.
        {"offHandUnskilled", kWeaponLongSword, 0, 0, 0, 33, 0, true, false, 0, 0},
        // Dual Wield 66 in the off hand: 36 + 18, 66 + 33.
        {"offHandSkilled", kWeaponLongSword, 0, 0, 0, 33, 66, true, false, 54, 99},
        // Cursed: max = min + (max - min) / 2.
        {"cursed", kWeaponLongSword, 0, 0, 0, 33, 0, false, true, 36, 51},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto type = MakeItemType("base_weapon", kItemWeapon, c.subtype);
        type->m_flags = c.flags;
        type->m_minDamage = 30;
        type->m_maxDamage = 60;
        TestItemUser user;
        user.skills = {{7, c.accuracy}, {2, c.light}, {4, c.dual}};
        // The fortify bonus counts with the skill.
        user.skills[3] = c.heavy - 3;
        user.fortify[3] = 3;
        user.attributes = {{1, 50}, {2, 75}};
        user.cursed = c.cursed;
        int32_t min = -1, max = -1;
        type->GetDamageRange(nullptr, user, c.offHand, min, max);
        EXPECT_EQ(min, c.min);
        EXPECT_EQ(max, c.max);
    }
}

TEST(ItemDamageTest, theRangeStartsFromTheWornDamage) {
    auto type = MakeItemType("base_sword", kItemWeapon, kWeaponLongSword);
    type->m_minDamage = 10;
    type->m_maxDamage = 15;
    TestItemUser user;
    user.skills[3] = 33;
    int32_t min = 0, max = 0;
    type->GetDamageRange(itemAt(*type, 500).get(), user, false, min, max);
    EXPECT_EQ(min, 6);
    EXPECT_EQ(max, 8);
}

TEST(ItemEffectsTest, theItemsOwnListDecidesPermanentEffectsAndWhoMayUseIt) {
    SSpellTable spells;
    spells.Add(MakeSpell("base_mend", kSchoolHeal));
    spells.Add(MakeSpell("base_raise", kSchoolUndead));
    auto wand = MakeItemType("base_wandmend", kItemMagic, kMagicWand);
    wand->m_effects = wandCharges(5, "base_mend");
    auto item = itemAt(*wand, 5);
    EXPECT_TRUE(wand->IsUsableByRace(item.get(), 2, spells));
    EXPECT_FALSE(wand->IsUsableByRace(item.get(), kUndeadRace, spells));
    item->m_effects = wandCharges(5, "base_raise");
    EXPECT_FALSE(wand->IsUsableByRace(item.get(), 2, spells));
    EXPECT_TRUE(wand->IsUsableByRace(item.get(), kUndeadRace, spells));
    auto plain = MakeItemType("base_stick", kItemWeapon, kWeaponClub);
    EXPECT_TRUE(plain->IsUsableByRace(nullptr, kUndeadRace, spells));

    auto elixir = MakeItemType("base_elixir", kItemPotion);
    std::vector<std::unique_ptr<SEffect>> effects;
    effects.push_back(ItemEffect(kEffectPermanentAttribute, 1, 2, "", kSourceOnUse));
    elixir->m_effects = EffectListOf(std::move(effects));
    auto bottle = itemAt(*elixir, 0);
    EXPECT_TRUE(elixir->HasPermanentAttributeEffect(bottle.get()));
    EXPECT_TRUE(elixir->HasPermanentAttributeEffect(nullptr));
    bottle->m_effects = EffectListOf({});
    EXPECT_FALSE(elixir->HasPermanentAttributeEffect(bottle.get()));
    EXPECT_FALSE(plain->HasPermanentAttributeEffect(nullptr));
}

TEST(ItemEffectsTest, rechargingFillsAWandFromItsFirstEffect) {
    auto wand = MakeItemType("base_wandfire", kItemMagic, kMagicWand);
    wand->m_effects = wandCharges(12);
    auto item = itemAt(*wand, 1);
    item->Recharge();
    EXPECT_EQ(item->m_amount, 12u);
    item->m_effects = wandCharges(4);
    item->Recharge();
    EXPECT_EQ(item->m_amount, 4u);
    item->m_effects = wandCharges(-3);
    item->Recharge();
    EXPECT_EQ(item->m_amount, 0u);
    item->m_effects = EffectListOf({});
    item->Recharge();
    EXPECT_EQ(item->m_amount, 0u);
}

}  // namespace

}  // namespace item_rules_test
