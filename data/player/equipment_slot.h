#pragma once
// The thirteen places the player wears things in, and the place an item type goes to.
#include <cstdint>

class SItemType;

enum SEquipmentSlot : uint8_t {
    kNoSlot,
    kSlotHelm,
    kSlotCloak,
    kSlotAmulet,
    kSlotArmour,
    kSlotMainHand,
    kSlotSecondHand,  // a second weapon or a shield
    kSlotBelt,
    kSlotFirstRing,
    kSlotSecondRing,
    kSlotPants,
    kSlotBoots,
    kSlotAmmunition,
    kSlotGauntlets,
};
constexpr uint32_t kLastEquipmentSlot = kSlotGauntlets;

// The slot an item of the type is worn in; `second` asks for the second hand (weapons) or the
// second ring. kNoSlot for what is not worn.
SEquipmentSlot EquipmentSlotFor(const SItemType& type, bool second);

// The slots whose piece counts for armour, outfit and worn-item effects: a quiver is carried
// there, not worn.
inline bool IsDressSlot(uint32_t slot) {
    return slot >= kSlotHelm && slot <= kLastEquipmentSlot && slot != kSlotAmmunition;
}
