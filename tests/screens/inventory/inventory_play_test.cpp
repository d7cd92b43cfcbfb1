// The inventory in a game of the sample world, played through the driver as a player plays it:
// walk to the cellar's chest, tap its pile, take everything and close (the anvil in it is too
// heavy, and closing says so); the portrait opens the bag beside the pile of the player's cell, the
// anvil dropped there lies in the cell; a save and a load keep the pack, the emptied chest and the
// pile; the anvil taken back warns again.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "game/feldmar2.h"
#include "render/view_descriptor.h"
#include "screens/inventory/state_inventory.h"
#include "screens/play/sample_world_play.h"

namespace inventory_play_test {

namespace {

constexpr const char* kAnvil = "base_misc_anvil";
constexpr const char* kTooMuch = "You carry too much - your attack capabilities are decreased.";

class InventoryPlayTest : public SampleWorldPlayTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    SStateInventory& Inventory() { return static_cast<SStateInventory&>(*Game().Screen(kInventoryScreen)); }
    bool InventoryOpen() { return Game().m_currentScreen == &Inventory(); }

    void Walk(std::initializer_list<uint32_t> actions) {
        for (uint32_t action : actions) {
            m_driver->Press(action);
            ASSERT_TRUE(m_driver->RunUntilIdle(40));
        }
    }
    // Taps the middle of a shown control of the current screen.
    void TapOn(const SCtrl& ctrl) {
        ASSERT_TRUE(ctrl.IsShown()) << "control " << ctrl.m_id << " is not on the screen";
        const int ownerX = ctrl.m_owner ? ctrl.m_owner->m_x : 0;
        const int ownerY = ctrl.m_owner ? ctrl.m_owner->m_y : 0;
        m_driver->Tap(ownerX + ctrl.m_x + ctrl.m_w / 2, ownerY + ctrl.m_y + ctrl.m_h / 2);
        m_driver->Frame();
    }
    // The pile under the player's feet, tapped in the lower middle of the view.
    void TapPileUnderfoot() {
        const SViewDescriptor& view = Game().PlayView();
        m_driver->Tap(view.m_viewX + view.m_viewWidth / 2, view.m_viewY + view.m_viewHeight * 9 / 10);
        m_driver->Frame();
        ASSERT_TRUE(InventoryOpen());
    }
    void TapPortrait() {
        TapOn(Play().m_portrait);
        ASSERT_TRUE(InventoryOpen());
    }
    // Closes the inventory with its X and runs play on to the first message or to rest.
    void Close() {
        TapOn(Inventory().m_close);
        ASSERT_EQ(Game().m_currentScreen, &Play());
        m_driver->RunUntilIdle(40);
    }
    // The message the play screen shows, on one line.
    std::string Message() {
        std::string text = m_driver->OpenMessageText();
        std::replace(text.begin(), text.end(), '\n', ' ');
        return text;
    }
    void DismissMessage() {
        m_driver->Press(kActionUse);
        ASSERT_TRUE(m_driver->RunUntilIdle(40));
        ASSERT_EQ(m_driver->OpenDialogKind(), "");
    }
    // Selects the grid's entry of the type; false when the grid shows none.
    bool SelectType(const char* name) {
        SItemsCtrl& grid = Inventory().m_grid;
        for (int i = 0; i < grid.EntryCount(); ++i)
            if (std::string(grid.Entry(i)->type->m_name.Text()) == name) {
                grid.Select(i);
                return true;
            }
        return false;
    }
    std::multiset<std::string> Names(const SItemList* list) {
        std::multiset<std::string> names;
        for (int i = 0; list != nullptr && i < list->Count(); ++i) names.insert(list->At(i)->m_type->m_name.Text());
        return names;
    }
    std::multiset<std::string> Pack() { return Names(&Game().m_player.Pack()); }
    SItemList* PileAt(int x, int y) {
        const SMapCell* cell = Play().GetCell(x, y);
        return cell ? Play().FindItemListAt(x, y, uint8_t(cell->containerId)) : nullptr;
    }
    SItemList& Chest() { return *Play().m_currentMap->FindContainer(2); }
    bool Place(int x, int y) { return Play().m_playerX == x && Play().m_playerY == y; }
    void Save() {
        std::string error;
        ASSERT_TRUE(Game().m_saveNames.SaveGame(1, error)) << error;
    }
    // As the load screen does: the slot loaded, then play entered after the load.
    void Load() {
        std::string error;
        StepCounter loading;
        ASSERT_TRUE(Game().m_saveNames.LoadGame(1, loading, error)) << error;
        Play().Enter(0, 0, 0, 0);
        m_driver->Frame();
    }
};

TEST_P(InventoryPlayTest, theChestEmptiedAndTheAnvilDroppedStayThatWayThroughASaveAndALoad) {
    StartSampleWorld(GetParam());
    const uint32_t goldBefore = Game().m_player.Gold();
    const std::multiset<std::string> kit = Pack();
    const std::multiset<std::string> chest = Names(&Chest());
    ASSERT_EQ(chest.count(kAnvil), 1u);
    const uint32_t capacity = uint32_t(Game().m_player.GetMaxCarryWeight());
    const uint32_t anvil = Game().m_items.FindItemType(kAnvil)->m_weight;
    ASSERT_GT(anvil, capacity) << "the anvil alone is too heavy";
    ASSERT_LE(anvil, capacity * 3 / 2) << "but not so heavy that the player cannot move";

    // The chest's pile lies two cells west of the start.
    Walk({kActionTurnLeft, kActionForward, kActionForward});
    ASSERT_TRUE(Place(16, 19));
    TapPileUnderfoot();
    SStateInventory& inventory = Inventory();
    ASSERT_TRUE(inventory.ContainerView()) << "a pile tapped in the view shows first";
    EXPECT_EQ(inventory.m_container, &Chest());
    for (int taps = 0; taps < 50 && inventory.m_grid.EntryCount() > 0; ++taps) TapOn(inventory.m_take);
    EXPECT_EQ(Chest().Count(), 0);
    Close();
    EXPECT_EQ(Message(), kTooMuch);
    DismissMessage();
    std::multiset<std::string> expected = kit;
    for (const std::string& name : chest)
        if (name != "base_money_100") expected.insert(name);
    EXPECT_EQ(Pack(), expected);
    EXPECT_EQ(Game().m_player.Gold(), goldBefore + 100);

    // One step back east, where no pile lies yet: the portrait opens the bag beside a new one.
    Walk({kActionTurnRight, kActionTurnRight, kActionForward});
    ASSERT_TRUE(Place(17, 19));
    ASSERT_EQ(PileAt(17, 19), nullptr);
    TapPortrait();
    EXPECT_FALSE(inventory.ContainerView()) << "the portrait shows the pack first";
    ASSERT_TRUE(SelectType(kAnvil));
    TapOn(inventory.m_drop);
    TapOn(inventory.m_compactView);
    EXPECT_EQ(inventory.m_pages.descriptionView, 0u);
    Close();
    EXPECT_EQ(Message(), "") << "the pack is light again";
    ASSERT_NE(PileAt(17, 19), nullptr) << "the anvil lies in the cell";
    EXPECT_EQ(Names(PileAt(17, 19)), std::multiset<std::string>{kAnvil});
    expected.erase(expected.find(kAnvil));
    EXPECT_EQ(Pack(), expected);

    Save();
    // Taken back after the save, so that the load has something to undo: too heavy again.
    TapPortrait();
    TapOn(inventory.m_take);
    ASSERT_TRUE(inventory.ContainerView()) << "take shows the pile first";
    ASSERT_TRUE(SelectType(kAnvil));
    TapOn(inventory.m_take);
    TapOn(inventory.m_drop);
    ASSERT_FALSE(inventory.ContainerView()) << "drop shows the pack again";
    TapOn(inventory.m_descriptionView);
    Close();
    EXPECT_EQ(Message(), kTooMuch);
    EXPECT_EQ(Pack().count(kAnvil), 1u);
    DismissMessage();

    Load();
    EXPECT_EQ(Pack(), expected);
    EXPECT_EQ(Game().m_player.Gold(), goldBefore + 100);
    EXPECT_EQ(Chest().Count(), 0) << "the chest stays empty";
    ASSERT_NE(PileAt(17, 19), nullptr);
    EXPECT_EQ(Names(PileAt(17, 19)), std::multiset<std::string>{kAnvil});
    TapPortrait();
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kItems);
    EXPECT_EQ(inventory.m_pages.descriptionView, 0u) << "the view the saved game was left in";
    m_driver->Rig().Shot("inventory_play_after_load_mode" + std::to_string(GetParam()));
}

// A tall large screen and the small handheld one.
INSTANTIATE_TEST_SUITE_P(Modes, InventoryPlayTest, ::testing::Values(7u, 10u));

}  // namespace

}  // namespace inventory_play_test
