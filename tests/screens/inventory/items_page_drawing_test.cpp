// The items page as it looks: every control the layout gives is on the screen, nothing is drawn
// that a full repaint would not draw, and with BRIMVALE_SHOTS set the page is written as a PNG.
#include <gtest/gtest.h>

#include "support/ui_rig.h"
#include "tests/screens/inventory/inventory_fixture.h"

namespace items_page_drawing_test {

namespace {

class ItemsPageDrawingTest : public InventoryTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    void FillPack() {
        const SItemType& sword = Type("sword", kItemWeapon, kWeaponShortSword, "Short sword");
        const SItemType& shield = Type("shield", kItemLightArmour, kArmourShield, "Round shield");
        const SItemType& ring = Type("ring", kItemAccessory, kAccessoryRing, "Copper ring");
        const SItemType& book = Type("book", kItemBook, kBookSubtypeBook, "Old tome");
        const SItemType& potion = Type("potion", kItemPotion, 1, "Healing");
        Give(sword, 1000);
        Give(shield, 1000);
        Give(ring);
        Give(ring);
        Give(book);
        for (int i = 0; i < 3; ++i) Give(potion);
        Player().EquipItem(Player().Item(0), false);
    }
};

TEST_P(ItemsPageDrawingTest, packViewEqualsAFullRepaint) {
    StartInventory(GetParam());
    FillPack();
    const SItemType& gem = Type("gem", kItemGem, 1, "Garnet");
    Put(m_pile, gem);
    SStateInventory& inventory = OpenBag(&m_pile);
    // The screen opens in the description view, which the compact view's button leaves.
    for (const SCtrl* ctrl :
         std::initializer_list<const SCtrl*>{&inventory.m_grid, &inventory.m_info, &inventory.m_compactView,
                                             &inventory.m_close, &inventory.m_take, &inventory.m_drop})
        EXPECT_TRUE(ctrl->IsShown()) << "control " << ctrl->m_id;
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("inventory_items_description_mode" + std::to_string(GetParam()));
    TapOn(inventory.m_compactView);
    m_rig->Frame();
    EXPECT_TRUE(inventory.m_doll.IsShown());
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("inventory_items_mode" + std::to_string(GetParam()));
    Command(SStateInventory::kTake);
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("inventory_pile_mode" + std::to_string(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Modes, ItemsPageDrawingTest, ::testing::Values(7u, 10u, 6u, 8u, 9u, 11u, 14u, 15u, 16u));

}  // namespace

}  // namespace items_page_drawing_test
