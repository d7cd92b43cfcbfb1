#pragma once
// What the fight asks of the items in the player's hands: shields, bows and their quivers, thrown
// weapons, staffs and the items that carry spells.
#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"

namespace hand_items {

inline bool IsClass(const SItem* item, uint8_t itemClass) {
    return item != nullptr && item->m_type != nullptr && item->m_type->m_class == itemClass;
}
inline bool IsShield(const SItem* item) {
    return (IsClass(item, kItemHeavyArmour) || IsClass(item, kItemLightArmour)) &&
           item->m_type->m_subtype == kArmourShield;
}
inline bool IsWeaponOf(const SItem* item, uint8_t subtype) {
    return IsClass(item, kItemWeapon) && item->m_type->m_subtype == subtype;
}
// A bow or crossbow: it shoots what the quiver holds.
inline bool FiresAmmunition(const SItem* item) {
    return IsWeaponOf(item, kWeaponShortBow) || IsWeaponOf(item, kWeaponLongBow) || IsWeaponOf(item, kWeaponCrossbow);
}
inline bool IsThrown(const SItem* item) { return IsWeaponOf(item, kWeaponThrowing); }
inline bool IsStaff(const SItem* item) { return IsWeaponOf(item, kWeaponMagicStaff); }

}  // namespace hand_items
