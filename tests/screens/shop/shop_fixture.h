#pragma once
// The shop screen on the interface rig: the tool dialogs' fixture (plain skills, pictured item
// types, a seeded generator) with a merchant, a map whose container is the merchant's stock, and
// the shop opened with the words the conversation hands over.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

#include "data/items/item_list.h"
#include "data/maps/map.h"
#include "data/maps/placed_object.h"
#include "data/persons/npc_type.h"
#include "data/world/global_table.h"
#include "screens/screen_id.h"
#include "screens/shop/state_shop.h"
#include "ui/dialogs/tool_dialog_fixture.h"

class ShopTest : public ToolDialogTest {
protected:
    UiRig& StartShop(uint32_t mode) {
        UiRig& rig = StartTools(mode);
        if (HasFailure()) return rig;
        AddSounds({"bsnd_pickup", "bsnd_drop"});
        merchant.texts[0].Assign("Tobin the trader");
        merchant.roomPrice = 10;
        merchant.wideValue = 100000;
        merchant.classMask = 0xFFFF & ~SNpcType::kFullListStock;
        map = std::make_unique<SMap>(nullptr);
        stock = map->AddItemList();
        trader.containerId = stock->m_id;
        // The stock is the test's: a restock would replace it.
        trader.flags |= SPlacedObject::kRestocked;
        SetGold(1000);
        return rig;
    }
    void SetGold(uint32_t gold) {
        Player().RemoveGold(Player().Gold(), false);
        Player().ReceiveGold(gold, false, false);
    }
    // A pictured type of the class worth `value`.
    SItemType& Type(const char* name, uint8_t itemClass, uint8_t subtype, uint32_t value) {
        SItemType& type = Tool(name, itemClass, subtype, name);
        type.m_baseValue = value;
        return type;
    }
    SItem& Put(SItemList& list, const SItemType& type, uint32_t amount = 1000) {
        auto item = std::make_unique<SItem>(type);
        item->m_amount = amount;
        SItem& kept = *item;
        list.Add(std::move(item));
        return kept;
    }
    SItem& Give(const SItemType& type, uint32_t amount = 1000) {
        auto item = std::make_unique<SItem>(type);
        item->m_amount = amount;
        SItem& kept = *item;
        Player().AddOwnedItem(std::move(item));
        return kept;
    }
    // The play screen keeps itself and hands the merchant, the trader and the map over.
    SStateShop& Open(bool withTrader = true) {
        SState& opener = *Game().m_currentScreen;
        opener.m_keep = 1;
        opener.m_param[0] = 0;
        opener.m_param[1] = reinterpret_cast<uintptr_t>(&merchant);
        opener.m_param[2] = withTrader ? reinterpret_cast<uintptr_t>(&trader) : 0;
        opener.m_param[3] = withTrader ? reinterpret_cast<uintptr_t>(map.get()) : 0;
        Game().SwitchState(kShopScreen);
        m_rig->Frame();
        m_rig->Sounds().Clear();
        return Shop();
    }
    SStateShop& Shop() { return static_cast<SStateShop&>(*Game().Screen(kShopScreen)); }
    // Sends a command as a control of the screen would.
    uint32_t Command(uint32_t id) {
        const uint32_t answer = Shop().OnCommand(id);
        if (answer != kStay) Game().SwitchState(ScreenId(answer));
        return answer;
    }
    void ToSellMode() {
        if (Shop().ShopMode() == SStateShop::kBuyMode) Command(SStateShop::kSell);
    }
    const SItemEntry* Entry(int index) { return Shop().m_grid.Entry(index); }
    std::string Info() {
        std::string text;
        // The panel's lines end in CR; read back as one line of text.
        for (const SString& page : Shop().m_info.m_pages) text += page.Text();
        for (char& c : text)
            if (c == '\r') c = ' ';
        while (!text.empty() && text.back() == ' ') text.pop_back();
        return text;
    }
    void SetLevelGlobal(const char* name, int32_t value) {
        auto global = std::make_unique<SGlobalVar>();
        global->m_name.Set(name);
        global->m_value = SScriptValue(value);
        Game().m_globals.Add(std::move(global));
        merchant.globalName.Assign(name);
    }

    SNpcType merchant;
    std::unique_ptr<SMap> map;
    SItemList* stock = nullptr;
    SPlacedObject trader;
};
