// A full redraw of the inventory's items page at 800x600 (screen mode 15): the frame, a pack of
// thirty pictured items in the 7 x 8 grid, the tabs, the buttons and the description panel, all
// painted again as after a page switch; against memset of the whole 800 x 584 screen in the same
// run (BM_MemsetPlayScreen). Read the ratio redraw / memset; it should stay within 10.
#include <benchmark/benchmark.h>

#include <string>

#include "data/items/item_classes.h"
#include "large_screen_rig.h"
#include "screens/inventory/state_inventory.h"
#include "support/pictured_items.h"

namespace {

void BM_ItemsPageRedraw(benchmark::State& state) {
    OnLargeScreenRig(state, [&](UiRig& rig) {
        SGameData& game = rig.Game();
        const uint8_t classes[] = {kItemWeapon, kItemLightArmour, kItemAccessory, kItemBook, kItemPotion, kItemMagic};
        for (int i = 0; i < 30; ++i) {
            const std::string name = "ware" + std::to_string(i);
            SItemType& type = AddPicturedItemType(game, name, classes[i % 6], 1, uint32_t(10 + i), DiscItemPicture(i));
            game.m_player.AddItems(type, 1);
        }
        game.m_currentScreen->m_keep = 1;
        game.SwitchState(kInventoryScreen);
        rig.Frame();
        SState& inventory = *game.m_currentScreen;
        for (auto _ : state) {
            inventory.SetDirty();
            inventory.Draw();
            benchmark::DoNotOptimize(game.m_display.get());
        }
    });
}

}  // namespace

BENCHMARK(BM_ItemsPageRedraw);
