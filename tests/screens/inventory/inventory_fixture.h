#pragma once
// The inventory screen on the interface rig: the tool dialogs' fixture (sounds, plain skills,
// pictured item types) with the inventory opened over the recording play screen by the words the
// play screen hands over, and a host that writes down what the inventory asks of the play screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/items/item_list.h"
#include "platform/clock.h"
#include "screens/inventory/state_inventory.h"
#include "screens/screen_id.h"
#include "ui/dialogs/tool_dialog_fixture.h"

class RecordingInventoryHost : public SInventoryHost {
public:
    struct Closed {
        SMap* map;
        SPlacedObject* object;
    };

    bool UnderThreat() const override { return threat; }
    void QueueMessage(const char* text, uint32_t buttons, const char*) override {
        messages.emplace_back(text);
        buttonSets.push_back(buttons);
    }
    void StopAmbientSounds() override { ++ambientStops; }
    void ContainerClosed(SMap* map, SPlacedObject* object) override { closed.push_back({map, object}); }

    bool threat = false;
    std::vector<std::string> messages;
    std::vector<uint32_t> buttonSets;
    int ambientStops = 0;
    std::vector<Closed> closed;
};

class InventoryTest : public ToolDialogTest {
protected:
    // The rig in the mode with the inventory sounds; the inventory is not open yet.
    UiRig& StartInventory(uint32_t mode) {
        UiRig& rig = StartTools(mode);
        if (HasFailure()) return rig;
        AddSounds({"bsnd_bagclose", "bsnd_wear", "bsnd_drop", "bsnd_money", "bsnd_pickup"});
        Inventory().SetHost(&m_host);
        return rig;
    }
    // The play screen's bag command: the pack, with the pile (or none) beside it.
    SStateInventory& OpenBag(SItemList* pile) { return open(SStateInventory::kOpenBag, pile, nullptr); }
    // A placed object's container, shown first.
    SStateInventory& OpenContainer(SItemList& container, SPlacedObject* object) { return open(0, &container, object); }

    SStateInventory& Inventory() { return static_cast<SStateInventory&>(*Game().Screen(kInventoryScreen)); }
    RecordingInventoryHost& Host() { return m_host; }

    // A pictured type of the class: a coloured disc, so that the grid shows each type apart.
    SItemType& Type(const char* name, uint8_t itemClass, uint8_t subtype, const char* displayName = nullptr) {
        return Tool(name, itemClass, subtype, displayName ? displayName : name, 1000,
                    uint16_t(0x2104 + 0x1863 * (itemClass % 8) + 0x0841 * subtype));
    }
    // One new item of the type in the list.
    SItem& Put(SItemList& list, const SItemType& type, uint32_t amount = 1000) {
        auto item = std::make_unique<SItem>(type);
        item->m_amount = amount;
        SItem& kept = *item;
        list.Add(std::move(item));
        return kept;
    }

    // Taps the middle of a shown control.
    void TapOn(const SCtrl& ctrl) {
        ASSERT_TRUE(ctrl.IsShown()) << "control " << ctrl.m_id << " is not on the screen";
        m_rig->Tap(ctrl.m_x + ctrl.m_w / 2, ctrl.m_y + ctrl.m_h / 2);
    }
    // Sends a command as a control of the screen would.
    uint32_t Command(uint32_t id) {
        const uint32_t answer = Inventory().OnCommand(id);
        if (answer != kStay) Game().SwitchState(ScreenId(answer));
        return answer;
    }
    // The index-th entry of the grid selected, as a tap on its cell selects it.
    void Select(int index) {
        Inventory().m_grid.Select(index);
        Inventory().m_grid.m_equipRequest = 0;
        Inventory().m_grid.m_useRequest = 0;
    }
    std::string Status() const { return m_rig->Game().Screen(kInventoryScreen) ? statusText() : ""; }
    // The description panel's body, its wrapped lines joined by spaces.
    std::string PanelBody() {
        std::string body;
        for (const SString& page : Inventory().m_info.m_pages) body += page.Text() ? page.Text() : "";
        for (char& c : body)
            if (c == '\r') c = ' ';
        while (!body.empty() && body.back() == ' ') body.pop_back();
        return body;
    }

    SItemList m_pile;

private:
    SStateInventory& open(uintptr_t bag, SItemList* list, SPlacedObject* object) {
        SState& play = *Game().m_currentScreen;
        play.m_keep = 1;
        play.m_param[0] = bag;
        play.m_param[1] = reinterpret_cast<uintptr_t>(list);
        play.m_param[2] = reinterpret_cast<uintptr_t>(object);
        play.m_param[3] = 0;
        Game().SwitchState(kInventoryScreen);
        m_rig->Frame();
        m_rig->Sounds().Clear();
        return Inventory();
    }
    std::string statusText() const {
        return static_cast<SStateInventory&>(*m_rig->Game().Screen(kInventoryScreen)).m_status.m_words.Text();
    }

    RecordingInventoryHost m_host;
};
