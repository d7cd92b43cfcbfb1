#include "screens/inventory/item_page_rules.h"

#include "data/items/item_classes.h"
#include "data/items/item_type.h"

namespace {

enum class Verb { kEquip, kSelect, kWield };

Verb verbOf(const SItemType& type) {
    const uint8_t itemClass = type.m_class;
    if (itemClass == kItemAccessory) return Verb::kEquip;
    if ((itemClass == kItemHeavyArmour || itemClass == kItemLightArmour) && type.m_subtype != kArmourShield)
        return Verb::kEquip;
    if (itemClass == kItemWeapon && (type.m_subtype == kWeaponQuiver || type.m_subtype == kWeaponBoltQuiver))
        return Verb::kSelect;
    return Verb::kWield;
}

}  // namespace

uint32_t CategoryTabOf(uint8_t itemClass) {
    switch (itemClass) {
        case kItemWeapon: return 1;
        case kItemHeavyArmour:
        case kItemLightArmour: return 2;
        case kItemAccessory: return 3;
        case kItemBook: return 4;
        case kItemAlchemy:
        case kItemIngredient: return 5;
        case kItemPotion: return 6;
        case kItemMagic: return 7;
        case kItemNone: return 0;
        default: return 8;
    }
}

uint32_t DollTabOf(uint8_t itemClass) {
    const uint32_t tab = CategoryTabOf(itemClass);
    return tab <= 3 ? tab : 0;
}

const char* EquipVerb(const SItemType& type) {
    switch (verbOf(type)) {
        case Verb::kEquip: return "equip";
        case Verb::kSelect: return "select";
        case Verb::kWield: break;
    }
    return "wield";
}

const char* EquipPastVerb(const SItemType& type) {
    switch (verbOf(type)) {
        case Verb::kEquip: return "equipped";
        case Verb::kSelect: return "selected";
        case Verb::kWield: break;
    }
    return "wielded";
}
