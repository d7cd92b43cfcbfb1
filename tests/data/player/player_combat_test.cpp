#include <gtest/gtest.h>

#include "data/items/item_classes.h"
#include "data/player/player_fixture.h"

namespace player_combat_test {

namespace {

constexpr uint32_t kStrength = 1;
constexpr uint32_t kDexterity = 2;
constexpr uint32_t kBlock = 1;
constexpr uint32_t kDualWield = 4;
constexpr uint32_t kLightArmor = 5;
constexpr uint32_t kHeavyArmor = 6;
constexpr uint32_t kHeavyWeapon = 3;

class PlayerCombatTest : public BaseGamePlayerTest {
protected:
    // Worn at once: a new piece of the class and subtype with that armour class or damage.
    SItem* Wear(const char* name, uint8_t itemClass, uint8_t subtype, uint16_t value, bool second = false) {
        SItemType& type = AddItemType(name, itemClass, subtype);
        type.m_armorClass = value;
        type.m_minDamage = value;
        type.m_maxDamage = value;
        SItem* item = player.AddItems(type, 1);
        player.EquipItem(item, second);
        return item;
    }
    // Dexterity below 10 adds no armour class.
    void ClumsyPlayer() { player.SetBaseAttribute(kDexterity, 5); }
};

TEST_F(PlayerCombatTest, theArmourSkillsScaleTheWornPieces) {
    ClumsyPlayer();
    Wear("base_plate", kItemHeavyArmour, kArmourBody, 20);
    const struct {
        uint16_t heavyArmor;
        int32_t armorClass;
    } cases[] = {{0, 0}, {16, 9}, {33, 20}, {66, 30}};
    for (const auto& c : cases) {
        player.SetBaseSkill(kHeavyArmor, c.heavyArmor);
        EXPECT_EQ(player.GetArmorClass(), c.armorClass) << "Heavy Armor " << c.heavyArmor;
    }
    // Dexterity adds a tenth, and the light pieces go by their own skill.
    player.SetBaseAttribute(kDexterity, 25);
    player.SetBaseSkill(kLightArmor, 33);
    Wear("base_cap", kItemLightArmour, kArmourHelm, 4);
    EXPECT_EQ(player.GetArmorClass(), 30 + 4 + 2);
}

TEST_F(PlayerCombatTest, aBlockedShieldCountsTwiceOrThriceByTheBlockSkill) {
    ClumsyPlayer();
    player.SetBaseSkill(kLightArmor, 33);
    Wear("base_buckler", kItemLightArmour, kArmourShield, 10);
    EXPECT_EQ(player.GetArmorClassWithBlock(false), 10);
    for (uint16_t block : {20, 60}) {
        SCOPED_TRACE(block);
        player.SetBaseSkill(kBlock, block);
        SRandom twin;
        twin.Seed(77);
        random.Seed(77);
        const uint32_t usesBefore = player.UseCount(kBlock);
        int blocks = 0;
        for (int blow = 0; blow < 200; ++blow) {
            int factor = 1;
            if (block <= 30)
                factor = twin.Next(100) < block ? 2 : 1;
            else if (twin.Next(100) < block / 2)
                factor = 3;
            else if (twin.Next(100) < 2 * block / 3)
                factor = 2;
            blocks += factor > 1;
            ASSERT_EQ(player.GetArmorClassWithBlock(true), 10 * factor) << "blow " << blow;
        }
        EXPECT_EQ(player.UseCount(kBlock), std::min<uint32_t>(usesBefore + blocks, 255));
    }
}

TEST_F(PlayerCombatTest, aWeaponInTheSecondHandIsNoShield) {
    ClumsyPlayer();
    player.SetBaseSkill(kBlock, 100);
    Wear("base_dagger", kItemWeapon, kWeaponShortSword, 3, true);
    EXPECT_EQ(player.GetArmorClassWithBlock(true), 0);
    EXPECT_EQ(player.UseCount(kBlock), 0u);
}

TEST_F(PlayerCombatTest, fistsDealByStrengthAndDexterityAndHalfWhenOverloaded) {
    player.SetBaseAttribute(kStrength, 16);
    player.SetBaseAttribute(kDexterity, 16);
    int32_t min = 0;
    int32_t max = 0;
    player.GetDamageRange(min, max, false);
    EXPECT_EQ(std::make_pair(min, max), std::make_pair(2, 4));
    SItemType& anvil = AddItemType("base_anvil", kItemMiscellaneous);
    anvil.m_weight = 60000;
    player.AddItems(anvil, 1);
    player.GetDamageRange(min, max, false);
    EXPECT_EQ(std::make_pair(min, max), std::make_pair(1, 2));
}

TEST_F(PlayerCombatTest, weaponsWearByWhatTheyDealAndTrainTheirSkills) {
    SItem* sword = Wear("base_sword", kItemWeapon, kWeaponLongSword, 20);
    SItem* dagger = Wear("base_dagger", kItemWeapon, kWeaponShortSword, 200, true);
    const uint32_t swordBefore = sword->m_amount;
    const uint32_t daggerBefore = dagger->m_amount;
    int32_t min = 0;
    int32_t max = 0;
    player.GetDamageRange(min, max, false);
    EXPECT_EQ(sword->m_amount, swordBefore);
    player.GetDamageRange(min, max, true);
    EXPECT_LT(sword->m_amount, swordBefore);
    EXPECT_LT(dagger->m_amount, daggerBefore);

    const uint32_t heavy = player.UseCount(kHeavyWeapon);
    const uint32_t dual = player.UseCount(kDualWield);
    player.CountWeaponUse();
    EXPECT_EQ(player.UseCount(kHeavyWeapon), heavy + 2);
    EXPECT_EQ(player.UseCount(kDualWield), dual + 1);
}

TEST_F(PlayerCombatTest, aBlowAtNoTargetRollsThePlainRange) {
    player.SetBaseAttribute(kStrength, 16);
    player.SetBaseAttribute(kDexterity, 16);
    for (int blow = 0; blow < 50; ++blow) {
        const int32_t damage = player.RollHitDamage(nullptr);
        ASSERT_GE(damage, 2);
        ASSERT_LE(damage, 4);
    }
}

}  // namespace

}  // namespace player_combat_test
