#pragma once
// What a worn piece is as a weapon: the hands and the ammunition slot ask it.
#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"

inline bool IsWeapon(const SItem* item) { return item && item->m_type && item->m_type->m_class == kItemWeapon; }

// Bows and crossbows: they shoot what the ammunition slot holds instead of striking with a second
// weapon.
inline bool ShootsAmmunition(const SItem* weapon) {
    if (!IsWeapon(weapon)) return false;
    const uint8_t subtype = weapon->m_type->m_subtype;
    return subtype == kWeaponShortBow || subtype == kWeaponLongBow || subtype == kWeaponCrossbow;
}
