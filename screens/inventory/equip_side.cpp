#include "screens/inventory/equip_side.h"

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "data/player/player.h"

namespace {

bool isBow(uint8_t subtype) { return subtype == kWeaponShortBow || subtype == kWeaponLongBow; }

// The subtype of the weapon in the main hand; none answers false for every test.
bool mainHandIs(const SPlayer& player, bool (*test)(uint8_t)) {
    const SItem* held = player.EquippedItem(kSlotMainHand);
    return held && held->m_type && held->m_type->m_class == kItemWeapon && test(held->m_type->m_subtype);
}

// Two places: ask when both are taken, the second when only the first is.
SEquipSide pairedPlace(const SPlayer& player, SEquipmentSlot first, SEquipmentSlot second) {
    SEquipSide side;
    if (player.EquippedItem(first) == nullptr) return side;
    side.askHand = player.EquippedItem(second) != nullptr;
    side.second = !side.askHand;
    return side;
}

}  // namespace

SEquipSide ChooseEquipSide(const SPlayer& player, const SItemType& type) {
    SEquipSide side;
    const uint8_t subtype = type.m_subtype;
    switch (type.m_class) {
        case kItemWeapon:
            if (subtype == kWeaponShortSword) {
                side = pairedPlace(player, kSlotMainHand, kSlotSecondHand);
                // A bow needs both hands: the sword takes its place.
                if (side.second && mainHandIs(player, isBow)) side.second = false;
            } else if (isBow(subtype)) {
                side.clearFirst = kSlotSecondHand;
            }
            break;
        case kItemHeavyArmour:
        case kItemLightArmour:
            if (subtype != kArmourShield) break;
            if (mainHandIs(player, [](uint8_t held) { return held == kWeaponShortBow; }))
                side.clearFirst = kSlotMainHand;
            side.second = true;
            break;
        case kItemAccessory:
            if (subtype == kAccessoryRing) side = pairedPlace(player, kSlotFirstRing, kSlotSecondRing);
            break;
        default: break;
    }
    return side;
}
