#pragma once
// The seventeen item classes and their subtypes: names, the bit of each class in a merchant's
// purchase mask and how many items of it a merchant restocks.
#include <cstdint>

enum SItemClass : uint8_t {
    kItemNone,
    kItemWeapon,
    kItemHeavyArmour,
    kItemLightArmour,
    kItemAccessory,
    kItemBook,
    kItemAlchemy,  // mortar and pestle
    kItemIngredient,
    kItemPotion,
    kItemMagic,
    kItemMoney,
    kItemKey,
    kItemRepair,
    kItemMiscellaneous,
    kItemComestible,
    kItemGem,
    kItemCard,
};
constexpr int kItemClassCount = kItemCard + 1;

enum SWeaponSubtype : uint8_t {
    kWeaponHand,
    kWeaponShortSword,
    kWeaponLongSword,
    kWeaponMace,
    kWeaponAxe,
    kWeaponHammer,
    kWeaponClub,
    kWeaponMagicStaff,
    kWeaponThrowing,
    kWeaponShortBow,
    kWeaponLongBow,
    kWeaponQuiver,
    kWeaponCrossbow,
    kWeaponBoltQuiver,
};

enum SMagicSubtype : uint8_t {
    kMagicScroll = 1,
    kMagicSpellbook,
    kMagicBlankScroll,
    kMagicWand,
    kMagicEmptyWand,
};

enum SArmourSubtype : uint8_t {
    kArmourShield = 1,
    kArmourPants,
    kArmourBody,
    kArmourHelm,
    kArmourGauntlets,
    kArmourBoots,
    kArmourCloak,
    kArmourBelt,
};

enum SComestibleSubtype : uint8_t {
    kComestibleFood = 1,
    kComestibleWater,
};

constexpr uint8_t kBookSubtypeBook = 1;
constexpr uint8_t kAccessoryRing = 2;
constexpr uint8_t kKeySubtypeLockpick = 2;

// A class's row of the merchants' table.
struct SItemCategory {
    uint16_t bit = 0;       // in a merchant's purchase mask
    uint8_t baseStock = 0;  // items of the class a merchant restocks
};

// "?" outside the classes.
const char* ItemClassName(int itemClass);
// "?" for a subtype the class does not have.
const char* ItemSubtypeName(int itemClass, int subtype);
// "none", "good" or "evil"; "?" for any other value.
const char* AlignmentName(int alignment);
// Zeros outside the classes.
SItemCategory BuiltInItemCategory(int itemClass);
