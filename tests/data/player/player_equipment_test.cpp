#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "data/player/player_fixture.h"

namespace player_equipment_test {

namespace {

constexpr uint8_t kFortifySkillKind = 1;
constexpr uint8_t kFortifyOutfitKind = 58;
constexpr uint32_t kLightWeaponSkill = 2;

class PlayerEquipmentTest : public BaseGamePlayerTest {
protected:
    SItem* Give(const char* name, uint8_t itemClass, uint8_t subtype, const char* displayName = "") {
        SItemType* type = items.FindItemType(name);
        if (type == nullptr) type = &AddItemType(name, itemClass, subtype, displayName);
        return player.AddItems(*type, 1);
    }

    // A ring whose type's list holds a worn Fortify outfit entry of that size.
    SItem* OutfitRing(int16_t points) {
        SItem* ring = Give("base_ring_outfit", kItemAccessory, kAccessoryRing);
        auto effects = EffectListOf({});
        effects->Add(ItemEffect(kFortifyOutfitKind, points));
        ring->m_effects = std::move(effects);
        return ring;
    }

    int32_t Outfit() {
        bool changed = false;
        return player.GetOutfitRating(changed);
    }
};

TEST_F(PlayerEquipmentTest, aSecondRingGoesToTheSecondSlotOnlyWhenAskedFor) {
    SItem* first = Give("base_ring_a", kItemAccessory, kAccessoryRing);
    SItem* second = Give("base_ring_b", kItemAccessory, kAccessoryRing);
    SItem* third = Give("base_ring_c", kItemAccessory, kAccessoryRing);
    player.EquipItem(first, false);
    player.EquipItem(second, true);
    EXPECT_EQ(player.EquippedItem(kSlotFirstRing), first);
    EXPECT_EQ(player.EquippedItem(kSlotSecondRing), second);
    player.EquipItem(third, false);
    EXPECT_EQ(player.EquippedItem(kSlotFirstRing), third);
    EXPECT_FALSE(player.HasInSlots(first));
    // The replaced ring stays in the pack.
    EXPECT_EQ(player.ItemCount(), 3);
}

TEST_F(PlayerEquipmentTest, wearingAPieceElsewhereMovesIt) {
    SItem* sword = Give("base_sword", kItemWeapon, kWeaponShortSword);
    player.EquipItem(sword, false);
    player.EquipItem(sword, true);
    EXPECT_EQ(player.EquippedItem(kSlotMainHand), nullptr);
    EXPECT_EQ(player.EquippedItem(kSlotSecondHand), sword);
    // Taken from the pack, it is worn nowhere: no slot keeps a pointer to it.
    std::unique_ptr<SItem> taken = player.RemoveOwnedItem(sword);
    EXPECT_EQ(taken.get(), sword);
    for (uint32_t slot = 0; slot < SPlayer::kEquipmentSlots; ++slot) EXPECT_EQ(player.EquippedItem(slot), nullptr);
}

TEST_F(PlayerEquipmentTest, piecesThatAreNotWornStayOutOfTheSlots) {
    SItem* potion = Give("base_potion", kItemPotion, 1);
    player.EquipItem(potion, false);
    EXPECT_FALSE(player.HasInSlots(potion));
    player.EquipItem(nullptr, false);
    player.UnequipItem(nullptr);
    // A piece the pack does not own is not worn.
    SItem stranger(*items.FindItemType("base_potion"));
    stranger.m_type = &AddItemType("base_ring_stranger", kItemAccessory, kAccessoryRing);
    player.EquipItem(&stranger, false);
    EXPECT_FALSE(player.HasInSlots(&stranger));
}

TEST_F(PlayerEquipmentTest, wornEffectsFollowTheDressSlots) {
    SItem* ring = Give("base_ring_skill", kItemAccessory, kAccessoryRing);
    std::vector<std::unique_ptr<SEffect>> entries;
    entries.push_back(ItemEffect(kFortifySkillKind, 5, kLightWeaponSkill));
    // Only the worn (constant) entries act while worn.
    entries.push_back(ItemEffect(kFortifySkillKind, 40, kLightWeaponSkill, "", kSourceOnUse));
    items.FindItemType("base_ring_skill")->m_effects = EffectListOf(std::move(entries));
    SItem* quiver = Give("base_quiver", kItemWeapon, kWeaponQuiver);
    items.FindItemType("base_quiver")->m_effects = EffectListOf({});
    items.FindItemType("base_quiver")->m_effects->Add(ItemEffect(kFortifySkillKind, 7, kLightWeaponSkill));

    const int32_t base = player.GetSkillValue(kLightWeaponSkill);
    player.EquipItem(quiver, false);
    EXPECT_EQ(player.EquippedItem(kSlotAmmunition), quiver);
    EXPECT_EQ(player.GetSkillValue(kLightWeaponSkill), base);
    player.EquipItem(ring, false);
    EXPECT_EQ(player.GetSkillValue(kLightWeaponSkill), base + 5);
    // Refreshing again does not count the ring twice.
    player.EquipItem(ring, false);
    EXPECT_EQ(player.GetSkillValue(kLightWeaponSkill), base + 5);
    // An item's own list stands in for its type's.
    ring->m_effects = EffectListOf({});
    ring->m_effects->Add(ItemEffect(kFortifySkillKind, 2, kLightWeaponSkill));
    player.EquipItem(ring, false);
    EXPECT_EQ(player.GetSkillValue(kLightWeaponSkill), base + 2);
    player.UnequipItem(ring);
    EXPECT_EQ(player.GetSkillValue(kLightWeaponSkill), base);
}

TEST_F(PlayerEquipmentTest, theSecondWeaponIsTheAmmunitionOfABowElseAWeaponInTheSecondHand) {
    struct Case {
        const char* what;
        uint8_t mainHand;     // weapon subtype, or 255 for an empty hand
        uint8_t secondClass;  // 0 for nothing in the second hand
        uint8_t secondSubtype;
        bool withQuiver;
        const char* expected;  // "quiver", "second" or "none"
    };
    const Case cases[] = {
        {"bow and quiver", kWeaponShortBow, 0, 0, true, "quiver"},
        {"long bow and quiver", kWeaponLongBow, kItemWeapon, kWeaponShortSword, true, "quiver"},
        {"crossbow and bolts", kWeaponCrossbow, 0, 0, true, "quiver"},
        {"bow without quiver", kWeaponShortBow, kItemWeapon, kWeaponShortSword, false, "none"},
        {"two swords", kWeaponLongSword, kItemWeapon, kWeaponShortSword, true, "second"},
        {"sword and shield", kWeaponLongSword, kItemHeavyArmour, kArmourShield, false, "none"},
        {"empty main hand", 255, kItemWeapon, kWeaponShortSword, false, "second"},
    };
    for (const Case& c : cases) {
        StartBaseGame();
        if (c.mainHand != 255)
            player.EquipItem(Give(("base_main" + std::to_string(c.mainHand)).c_str(), kItemWeapon, c.mainHand), false);
        SItem* second = nullptr;
        if (c.secondClass != 0) {
            const std::string name = "base_second" + std::to_string(c.secondClass) + "_" +
                                     std::to_string(c.secondSubtype);
            second = Give(name.c_str(), c.secondClass, c.secondSubtype);
            player.EquipItem(second, true);
        }
        SItem* quiver = nullptr;
        if (c.withQuiver) {
            quiver = Give("base_bolts", kItemWeapon, kWeaponBoltQuiver);
            player.EquipItem(quiver, false);
        }
        const std::string expected = c.expected;
        SItem* want = expected == "quiver" ? quiver : expected == "second" ? second : nullptr;
        EXPECT_EQ(player.GetSecondWeapon(), want) << c.what;
    }
}

TEST_F(PlayerEquipmentTest, aWeaponWornBelowATenthBreaksOutOfTheHand) {
    SItem* sword = Give("base_sword", kItemWeapon, kWeaponLongSword, "Long sword");
    sword->m_amount = 150;
    player.EquipItem(sword, false);
    player.BreakItem(sword, 60, SWearCause::Fighting);
    EXPECT_EQ(sword->m_amount, 90u);
    EXPECT_EQ(player.EquippedItem(kSlotMainHand), nullptr);
    EXPECT_EQ(player.Item(0), sword);
    EXPECT_EQ(screen.handUpdates, 1);
    ASSERT_EQ(screen.queued.size(), 1u);
    EXPECT_EQ(screen.queued[0].text, "Your Long sword broke!.");
}

TEST_F(PlayerEquipmentTest, wearBreaksOnlyBelowATenthOfTheMaximum) {
    struct Case {
        uint16_t maxCondition;
        uint32_t condition;
        int32_t wear;
        uint32_t after;
        bool broken;
    };
    const Case cases[] = {
        {1000, 150, 50, 100, false},                           // exactly a tenth holds
        {1000, 150, 51, 99, true},   {1000, 20, 50, 0, true},  // not below 0
        {1000, 50, -1, 50, true},                              // no wear: the test alone
        {1000, 500, -5, 500, false}, {0, 0, 10, 0, false},     // no maximum: never breaks, never divides by 0
    };
    for (const Case& c : cases) {
        StartBaseGame();
        screen.queued.clear();
        SItemType& type =
            AddItemType(("base_helm" + std::to_string(c.condition) + "_" + std::to_string(c.wear)).c_str(),
                        kItemHeavyArmour, kArmourHelm, "Iron helm");
        type.m_maxCondition = c.maxCondition;
        SItem* helm = player.AddItems(type, 1);
        helm->m_amount = c.condition;
        player.EquipItem(helm, false);
        player.BreakItem(helm, c.wear, SWearCause::Struck);
        EXPECT_EQ(helm->m_amount, c.after) << c.condition << " - " << c.wear;
        EXPECT_EQ(!player.HasInSlots(helm), c.broken) << c.condition << " - " << c.wear;
        if (c.broken) {
            ASSERT_EQ(screen.queued.size(), 1u);
            EXPECT_EQ(screen.queued[0].text, "Your Iron helm broke!");
        } else {
            EXPECT_TRUE(screen.queued.empty());
        }
    }
}

TEST_F(PlayerEquipmentTest, bootsWearByOneUnderALightPackAndMoreUnderAHeavyOne) {
    SItem* boots = Give("base_boots", kItemLightArmour, kArmourBoots);
    player.EquipItem(boots, false);
    player.WearBoots();
    EXPECT_EQ(boots->m_amount, 999u);

    // 100,000 hundredths carried: wear 1 to 5.
    AddItemType("base_anvil", kItemMiscellaneous).m_weight = 50000;
    player.ReceiveItems("base_anvil", 2, false);
    uint32_t lowest = 999;
    uint32_t highest = 0;
    for (int minute = 0; minute < 100; ++minute) {
        const uint32_t before = boots->m_amount;
        player.WearBoots();
        lowest = std::min(lowest, before - boots->m_amount);
        highest = std::max(highest, before - boots->m_amount);
    }
    EXPECT_EQ(lowest, 1u);
    EXPECT_EQ(highest, 5u);

    // Boots in the pack only do not wear.
    player.UnequipItem(boots);
    const uint32_t kept = boots->m_amount;
    player.WearBoots();
    EXPECT_EQ(boots->m_amount, kept);
}

TEST_F(PlayerEquipmentTest, theOutfitCountsTheBodyArmourMostAndTheQuiverNot) {
    struct Piece {
        const char* name;
        uint8_t itemClass;
        uint8_t subtype;
    };
    const Piece pieces[] = {
        {"base_mail", kItemHeavyArmour, kArmourBody},
        {"base_cap", kItemLightArmour, kArmourHelm},
        {"base_quiver", kItemWeapon, kWeaponQuiver},
    };
    for (const Piece& piece : pieces) {
        AddItemType(piece.name, piece.itemClass, piece.subtype).m_outfit = 5;
        player.EquipItem(player.AddItems(*items.FindItemType(piece.name), 1), false);
    }
    // (5 x 20 + 5 x 8) / 10; the quiver adds nothing.
    bool changed = true;
    EXPECT_EQ(player.GetOutfitRating(changed), 14);
    EXPECT_FALSE(changed);

    // Drunkenness 50 takes half away.
    player.Drink(150, &pieces);
    EXPECT_EQ(player.GetOutfitRating(changed), 7);
    EXPECT_TRUE(changed);
}

TEST_F(PlayerEquipmentTest, anUndressedPlayerRatesOne) { EXPECT_EQ(Outfit(), 1); }

TEST_F(PlayerEquipmentTest, outfitWordsByRating) {
    struct Case {
        int16_t rating;
        const char* word;
    };
    const Case cases[] = {
        {1, "threadbare"},   {10, "threadbare"},  {11, "shabby"},       {20, "shabby"},
        {21, "plain"},       {40, "plain"},       {41, "regular"},      {60, "regular"},
        {61, "dressy"},      {80, "dressy"},      {81, "well dressed"}, {90, "well dressed"},
        {91, "fashionable"}, {95, "fashionable"}, {96, "swell"},        {500, "swell"},
    };
    SItem* ring = OutfitRing(0);
    for (const Case& c : cases) {
        ring->m_effects->Get(0)->m_baseMagnitude = c.rating;
        player.EquipItem(ring, false);
        EXPECT_EQ(Outfit(), c.rating);
        EXPECT_STREQ(player.GetOutfitWord(), c.word) << c.rating;
    }
}

}  // namespace

}  // namespace player_equipment_test
