// The inventory in a game of the sample world, as far as the play screen takes it: a new game,
// the chest's contents beside the start taken into the pack, a save and a load.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "data/items/item.h"
#include "data/items/item_type.h"
#include "data/player/character_choice.h"
#include "screens/inventory/state_inventory.h"
#include "screens/new_game_rig.h"
#include "screens/screen_id.h"

namespace inventory_new_game_test {

namespace {

class InventoryNewGameTest : public NewGameRigTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    // What the play screen will hand over when the portrait opens the bag on the cellar's chest.
    void OpenBagOnChest() {
        SMap* map = Game().m_packages.Current()->CurrentMap();
        ASSERT_NE(map, nullptr);
        SItemList* chest = map->FindContainer(2);
        ASSERT_NE(chest, nullptr);
        SState& play = *Current();
        play.m_keep = 1;
        play.m_param[0] = SStateInventory::kOpenBag;
        play.m_param[1] = reinterpret_cast<uintptr_t>(chest);
        play.m_param[2] = 0;
        play.m_param[3] = reinterpret_cast<uintptr_t>(map);
        Game().SwitchState(kInventoryScreen);
        m_rig->Frame();
        ASSERT_EQ(Current(), &Inventory());
    }
    uint32_t Command(uint32_t id) {
        const uint32_t answer = Inventory().OnCommand(id);
        if (answer != kStay) Game().SwitchState(ScreenId(answer));
        m_rig->Frame();
        return answer;
    }
    std::multiset<std::string> Pack() {
        std::multiset<std::string> names;
        for (int i = 0; i < Game().m_player.ItemCount(); ++i)
            names.insert(Game().m_player.Item(i)->m_type->m_name.Text());
        return names;
    }
    SGameData& Game() { return m_rig->Game(); }
    SStateInventory& Inventory() { return static_cast<SStateInventory&>(*Game().Screen(kInventoryScreen)); }
};

TEST_P(InventoryNewGameTest, theChestsItemsTakenIntoThePackSurviveASaveAndALoad) {
    StartNewGame(GetParam());
    const uint32_t goldBefore = Game().m_player.Gold();
    OpenBagOnChest();
    SStateInventory& inventory = Inventory();
    EXPECT_FALSE(inventory.ContainerView()) << "the bag shows the pack first";
    Command(SStateInventory::kTake);
    ASSERT_TRUE(inventory.ContainerView());
    const int chestItems = inventory.m_container->Count();
    EXPECT_EQ(chestItems, 21) << "one item of every class, and a second scroll";
    m_rig->Shot("inventory_sample_chest_mode" + std::to_string(GetParam()));
    while (inventory.m_grid.EntryCount() > 0) {
        inventory.m_grid.Select(0);
        Command(SStateInventory::kTake);
    }
    EXPECT_EQ(Game().m_player.Gold(), goldBefore + 100);
    std::multiset<std::string> taken = Pack();
    for (const char* name : {"base_ring_copper", "base_ring_silver", "base_book_blocking", "base_wand_sparks",
                             "base_letter_welcome", "base_map_cellar", "base_repair_hammerapprentice"})
        EXPECT_EQ(taken.count(name), 1u) << name;
    EXPECT_EQ(taken.count("base_scrdisarm"), 2u) << "a pair the spell book groups";
    for (int i = 0; i < Game().m_player.ItemCount(); ++i)
        if (const SItem* item = Game().m_player.Item(i);
            item->m_type->m_name.Text() == std::string("base_wand_sparks")) {
            EXPECT_GT(item->m_amount, 0u) << "the wand comes charged";
        }
    Command(SStateInventory::kDrop);  // back to the pack
    Command(SStateInventory::kCompactView);
    m_rig->Shot("inventory_sample_pack_mode" + std::to_string(GetParam()));
    EXPECT_EQ(Command(SStateInventory::kClose), kGoBack);
    EXPECT_EQ(Current(), Game().Screen(kPlayScreen));

    std::string error;
    ASSERT_TRUE(Game().m_saveNames.SaveGame(1, error)) << error;
    Game().m_player.RemoveGold(Game().m_player.Gold(), false);
    inventory.m_pages.descriptionView = 1;
    ASSERT_TRUE(Game().m_saveNames.LoadGame(1, m_steps, error)) << error;
    EXPECT_EQ(Pack(), taken);
    EXPECT_EQ(Game().m_player.Gold(), goldBefore + 100);
    SMap* map = Game().m_packages.Current()->CurrentMap();
    ASSERT_NE(map, nullptr);
    ASSERT_NE(map->FindContainer(2), nullptr);
    EXPECT_EQ(map->FindContainer(2)->Count(), 0) << "the chest stays empty";

    Game().m_currentScreen->m_param[0] = 0;
    Game().SwitchState(kPlayScreen);
    m_rig->Frame();
    OpenBagOnChest();
    EXPECT_EQ(Inventory().m_pages.page, SInventoryPages::kItems);
    EXPECT_EQ(Inventory().m_pages.descriptionView, 0u) << "the view it was left in";
}

// A tall large screen and the small handheld one.
INSTANTIATE_TEST_SUITE_P(Modes, InventoryNewGameTest, ::testing::Values(10u, 7u));

}  // namespace

}  // namespace inventory_new_game_test
