#include "data/player/equipment_slot.h"

#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "support/item_records.h"

namespace equipment_slot_test {

namespace {

TEST(EquipmentSlotTest, eachClassAndSubtypeGoesToItsSlot) {
    struct Case {
        uint8_t itemClass;
        uint8_t subtype;
        bool second;
        SEquipmentSlot slot;
    };
    const Case cases[] = {
        {kItemWeapon, kWeaponHand, false, kSlotMainHand},
        {kItemWeapon, kWeaponLongSword, false, kSlotMainHand},
        {kItemWeapon, kWeaponLongSword, true, kSlotSecondHand},
        {kItemWeapon, kWeaponThrowing, true, kSlotSecondHand},
        {kItemWeapon, kWeaponShortBow, false, kSlotMainHand},
        {kItemWeapon, kWeaponQuiver, false, kSlotAmmunition},
        {kItemWeapon, kWeaponBoltQuiver, true, kSlotAmmunition},
        // Armour subtypes 1..8 in order; the second flag does not matter.
        {kItemHeavyArmour, kArmourShield, false, kSlotSecondHand},
        {kItemLightArmour, kArmourPants, true, kSlotPants},
        {kItemHeavyArmour, kArmourBody, false, kSlotArmour},
        {kItemLightArmour, kArmourHelm, false, kSlotHelm},
        {kItemHeavyArmour, kArmourGauntlets, false, kSlotGauntlets},
        {kItemLightArmour, kArmourBoots, false, kSlotBoots},
        {kItemHeavyArmour, kArmourCloak, false, kSlotCloak},
        {kItemLightArmour, kArmourBelt, true, kSlotBelt},
        {kItemHeavyArmour, 0, false, kNoSlot},
        {kItemLightArmour, 9, false, kNoSlot},
        {kItemAccessory, kAccessoryRing, false, kSlotFirstRing},
        {kItemAccessory, kAccessoryRing, true, kSlotSecondRing},
        {kItemAccessory, 1, true, kSlotAmulet},
        {kItemAccessory, 7, false, kSlotAmulet},
        {kItemPotion, 1, false, kNoSlot},
        {kItemMoney, 1, false, kNoSlot},
        {kItemNone, 0, false, kNoSlot},
    };
    for (const Case& c : cases) {
        const auto type = MakeItemType("base_piece", c.itemClass, c.subtype);
        EXPECT_EQ(EquipmentSlotFor(*type, c.second), c.slot)
            << "class " << int(c.itemClass) << " subtype " << int(c.subtype) << " second " << c.second;
    }
}

TEST(EquipmentSlotTest, theAmmunitionSlotIsNoDressSlot) {
    for (uint32_t slot = 0; slot <= kLastEquipmentSlot + 1; ++slot)
        EXPECT_EQ(IsDressSlot(slot), slot >= 1 && slot <= 13 && slot != 12) << slot;
}

}  // namespace

}  // namespace equipment_slot_test
