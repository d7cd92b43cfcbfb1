#include "data/items/item_classes.h"

#include <array>

namespace {

struct SClassRow {
    const char* name;
    SItemCategory category;
    std::array<const char*, 14> subtypes;  // from subtype 0; null past the class's last
};

const char* const kArmourSubtypes[] = {"?",         "Shield", "Arm. pants", "Armor", "Helm",
                                       "Gauntlets", "Boots",  "Cloak",      "Belt"};

// clang-format off
constexpr SClassRow kClasses[kItemClassCount] = {
    {"?", {0, 0}, {"?"}},
    {"Weapon", {1, 10}, {"hand", "short sword", "long sword", "mace", "axe", "hammer", "club", "magicstaff",
                         "throwing", "short bow", "long bow", "quiver", "crossbow", "bolt quiver"}},
    {"Heavy armor", {2, 10}, {}},
    {"Light armor", {4, 10}, {}},
    {"Accessory", {8, 5}, {"?", "Amulet", "Ring"}},
    {"Book", {16, 10}, {"?", "Book", "Letter", "Map"}},
    {"Alchemy", {32, 1}, {"?", "Mortar/pestle"}},
    {"Ingredient", {64, 10}, {"?", "Ingredient"}},
    {"Potion", {128, 10}, {"?", "Potion"}},
    {"Magic", {256, 10}, {"?", "Scroll", "Spellbook", "Blank scroll", "Wand", "Empty wand"}},
    {"Money", {0, 0}, {"?", "Money"}},
    {"Key", {512, 5}, {"?", "Key", "Lockpick"}},
    {"Repair", {1024, 5}, {"?", "Hammer"}},
    {"Miscellaneous", {2048, 1}, {"?", "Miscellaneous"}},
    {"Comestible", {4096, 10}, {"?", "Food", "Water"}},
    {"Gem", {8192, 5}, {"?", "Gem"}},
    {"Card", {16384, 5}, {"?", "Card"}},
};
// clang-format on

bool isClass(int itemClass) { return itemClass >= 0 && itemClass < kItemClassCount; }

}  // namespace

const char* ItemClassName(int itemClass) { return isClass(itemClass) ? kClasses[itemClass].name : "?"; }

const char* ItemSubtypeName(int itemClass, int subtype) {
    if (itemClass == kItemHeavyArmour || itemClass == kItemLightArmour)
        return subtype >= 0 && subtype < int(std::size(kArmourSubtypes)) ? kArmourSubtypes[subtype] : "?";
    if (!isClass(itemClass) || subtype < 0 || subtype >= int(kClasses[itemClass].subtypes.size())) return "?";
    const char* name = kClasses[itemClass].subtypes[subtype];
    return name ? name : "?";
}

const char* AlignmentName(int alignment) {
    static const char* const kNames[] = {"none", "good", "evil"};
    return alignment >= 0 && alignment < 3 ? kNames[alignment] : "?";
}

SItemCategory BuiltInItemCategory(int itemClass) {
    return isClass(itemClass) ? kClasses[itemClass].category : SItemCategory{};
}
