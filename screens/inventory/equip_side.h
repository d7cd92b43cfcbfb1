#pragma once
// Which hand or ring finger an item goes to when the player equips it from the pack: a one-handed
// weapon joins a weapon already held, a bow leaves no second weapon, a shield cannot go with a
// short bow, and a third weapon or ring asks which side it replaces.
#include <cstdint>

#include "data/player/equipment_slot.h"

class SItemType;
class SPlayer;

struct SEquipSide {
    // Both places are taken: the player chooses the left or the right.
    bool askHand = false;
    // The second hand or the second ring.
    bool second = false;
    // Emptied before the item is put on; kNoSlot for none.
    SEquipmentSlot clearFirst = kNoSlot;
};

SEquipSide ChooseEquipSide(const SPlayer& player, const SItemType& type);
