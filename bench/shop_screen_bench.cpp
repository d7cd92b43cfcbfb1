// A full redraw of the shop at 800x600 (screen mode 15): the merchant's portrait and name, a
// stock of sixty pictured items filling the 8 x 7 grid with their prices, the panel, the buttons
// and the status line, all painted again; against memset of the whole 800 x 584 screen in the
// same run (BM_MemsetPlayScreen). Read the ratio redraw / memset; it should stay within 10.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "data/items/item_classes.h"
#include "data/items/item_list.h"
#include "data/maps/map.h"
#include "data/maps/placed_object.h"
#include "data/persons/npc_type.h"
#include "large_screen_rig.h"
#include "screens/screen_id.h"
#include "support/pictured_items.h"

namespace {

void BM_ShopRedraw(benchmark::State& state) {
    OnLargeScreenRig(state, [&](UiRig& rig) {
        SGameData& game = rig.Game();
        SNpcType merchant;
        merchant.texts[0].Assign("Tobin the trader");
        SMap map(nullptr);
        SItemList& stock = *map.AddItemList();
        SPlacedObject trader;
        trader.containerId = stock.m_id;
        trader.flags |= SPlacedObject::kRestocked;
        const uint8_t classes[] = {kItemWeapon, kItemLightArmour, kItemAccessory, kItemBook, kItemPotion, kItemMagic};
        for (int i = 0; i < 60; ++i) {
            const std::string name = "ware" + std::to_string(i);
            SItemType& type =
                AddPicturedItemType(game, name, classes[i % 6], 1, uint32_t(100 + 37 * i), DiscItemPicture(i));
            auto item = std::make_unique<SItem>(type);
            item->m_amount = 1000;
            stock.Add(std::move(item));
        }
        SState& play = *game.m_currentScreen;
        play.m_keep = 1;
        play.m_param[1] = reinterpret_cast<uintptr_t>(&merchant);
        play.m_param[2] = reinterpret_cast<uintptr_t>(&trader);
        play.m_param[3] = reinterpret_cast<uintptr_t>(&map);
        game.SwitchState(kShopScreen);
        rig.Frame();
        SState& shop = *game.m_currentScreen;
        for (auto _ : state) {
            shop.SetDirty();
            shop.Draw();
            benchmark::DoNotOptimize(game.m_display.get());
        }
        game.SwitchState(kGoBack);
    });
}

}  // namespace

BENCHMARK(BM_ShopRedraw);
