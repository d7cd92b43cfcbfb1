#include "data/player/equipment_slot.h"

#include "data/items/item_classes.h"
#include "data/items/item_type.h"

namespace {

// By armour subtype, from kArmourShield to kArmourBelt.
constexpr SEquipmentSlot kArmourSlots[] = {kSlotSecondHand, kSlotPants, kSlotArmour, kSlotHelm,
                                           kSlotGauntlets,  kSlotBoots, kSlotCloak,  kSlotBelt};

}  // namespace

SEquipmentSlot EquipmentSlotFor(const SItemType& type, bool second) {
    switch (type.m_class) {
        case kItemWeapon:
            if (type.m_subtype == kWeaponQuiver || type.m_subtype == kWeaponBoltQuiver) return kSlotAmmunition;
            return second ? kSlotSecondHand : kSlotMainHand;
        case kItemHeavyArmour:
        case kItemLightArmour:
            if (type.m_subtype < kArmourShield || type.m_subtype > kArmourBelt) return kNoSlot;
            return kArmourSlots[type.m_subtype - kArmourShield];
        case kItemAccessory:
            if (type.m_subtype == kAccessoryRing) return second ? kSlotSecondRing : kSlotFirstRing;
            return kSlotAmulet;
        default: return kNoSlot;
    }
}
