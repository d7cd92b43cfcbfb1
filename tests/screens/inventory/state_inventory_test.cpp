// The inventory screen's frame through the game object: the status line, closing with the weight
// check and the container-closed notification, the way to the main menu and back to play.
#include "screens/inventory/state_inventory.h"

#include <gtest/gtest.h>

#include "engine/draw/digit_glyphs.h"
#include "screens/menu/state_main.h"
#include "tests/screens/inventory/inventory_fixture.h"

namespace state_inventory_test {

namespace {

constexpr uint32_t kStrengthAttribute = 1;

class InventoryFrameTest : public InventoryTest {
protected:
    void SetUp() override {
        InventoryTest::SetUp();
        StartInventory(7);
        Player().SetBaseAttribute(kStrengthAttribute, 10);
        m_capacity = uint32_t(Player().GetMaxCarryWeight());
        ASSERT_GT(m_capacity, 1000u);
    }
    // One item in the pack weighing the hundredths.
    void Carry(uint32_t weight) {
        SItemType& type = Type(("load" + std::to_string(weight)).c_str(), kItemGem, 1);
        type.m_weight = uint16_t(weight);
        Give(type);
    }
    std::string Glyphs(const char* text) {
        SString rewritten(text);
        ToDigitGlyphs(rewritten);
        return rewritten.Text();
    }

    uint32_t m_capacity = 0;
};

TEST_F(InventoryFrameTest, theStatusShowsTheShortGoldAndThePackAgainstTheCapacity) {
    const std::pair<uint32_t, const char*> cases[] = {
        {9999, "9999"}, {10'000, "10K"}, {999'999, "999K"}, {1'000'000, "1M"}, {1'000'000'000, "1B"}};
    Carry(1234);
    for (auto [gold, shown] : cases) {
        Player().RemoveGold(Player().Gold(), false);
        Player().ReceiveGold(gold, false, false);
        OpenBag(nullptr);
        const std::string capacity = std::to_string(m_capacity / 100) + "." + std::to_string(m_capacity % 100 / 10);
        EXPECT_EQ(Status(), Glyphs((std::string("Gold: ") + shown + "\t\rPack: 12.3/" + capacity).c_str())) << gold;
        Command(SStateInventory::kClose);
    }
}

struct CloseCase {
    const char* name;
    uint32_t (*weight)(uint32_t capacity);
    const char* message;  // null for none
};

class ClosingTest : public InventoryFrameTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingTest, returnsToThePlayScreenAndWarnsOfTheLoad) {
    Carry(GetParam().weight(m_capacity));
    OpenBag(nullptr);
    EXPECT_EQ(Command(SStateInventory::kClose), kGoBack);
    EXPECT_EQ(Game().m_currentScreen, &Play());
    if (GetParam().message) {
        ASSERT_EQ(Host().messages.size(), 1u);
        EXPECT_EQ(Host().messages[0], GetParam().message);
        EXPECT_EQ(Host().buttonSets[0], SDialogMessage::kOk);
    } else {
        EXPECT_TRUE(Host().messages.empty());
    }
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_bagclose 10"});
}

INSTANTIATE_TEST_SUITE_P(Loads, ClosingTest,
                         ::testing::Values(CloseCase{"atTheCapacity", [](uint32_t c) { return c; }, nullptr},
                                           CloseCase{"oneAbove", [](uint32_t c) { return c + 1; },
                                                     "You carry too much - your attack capabilities are decreased."},
                                           CloseCase{"halfAgain", [](uint32_t c) { return c * 3 / 2; },
                                                     "You carry too much - your attack capabilities are decreased."},
                                           CloseCase{"pastHalfAgain", [](uint32_t c) { return c * 3 / 2 + 1; },
                                                     "You carry way too much - you can't move."}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InventoryFrameTest, theContainerClosedNotificationGoesOutOnlyWhenAContainerWasGiven) {
    OpenBag(nullptr);
    Command(SStateInventory::kClose);
    EXPECT_TRUE(Host().closed.empty()) << "the bag alone";

    OpenBag(&m_pile);
    Command(SStateInventory::kClose);
    ASSERT_EQ(Host().closed.size(), 1u) << "the bag over a pile";
    EXPECT_EQ(Host().closed[0].object, nullptr);

    SPlacedObject chest{};
    OpenContainer(m_pile, &chest);
    Command(SStateInventory::kClose);
    ASSERT_EQ(Host().closed.size(), 2u) << "a chest";
    EXPECT_EQ(Host().closed[1].object, &chest);
}

TEST_F(InventoryFrameTest, theMainMenuKeepsTheInventoryAndContinueResumesPlay) {
    OpenBag(&m_pile);
    SStateInventory& inventory = Inventory();
    EXPECT_EQ(Command(SStateInventory::kMainMenu), kMainMenuScreen);
    EXPECT_EQ(Game().m_currentScreen, Game().Screen(kMainMenuScreen));
    EXPECT_EQ(Game().StackDepth(), 2) << "the play screen and the inventory kept";
    for (uintptr_t word : inventory.m_param) EXPECT_EQ(word, 0u);
    EXPECT_EQ(Host().ambientStops, 1);
    EXPECT_EQ(m_rig->Sounds().Lines().front(), "bsnd_clickh 10");

    m_rig->Frame();
    const SDialogListCtrl& rows = static_cast<SStateMain&>(*Game().m_currentScreen).m_list;
    ASSERT_GT(rows.RowCount(), 0);
    ASSERT_STREQ(rows.Row(0).text.Text(), "Continue game");
    m_rig->Tap(rows.m_x + 10, rows.m_y + int(rows.m_rowHeight) / 2);
    EXPECT_EQ(Game().m_currentScreen, &Play());
    EXPECT_EQ(Game().StackDepth(), 0);
    EXPECT_EQ(inventory.m_ctrls.Count(), 0) << "the inventory was left";
}

TEST_F(InventoryFrameTest, pageTabsSwitchPagesAndTheItemsTabClearsTheFilter) {
    const SItemType& sword = Type("sword", kItemWeapon, kWeaponShortSword);
    Give(sword);
    SStateInventory& inventory = OpenBag(nullptr);
    TapOn(inventory.m_categoryTabs[1]);
    EXPECT_EQ(inventory.m_pages.itemFilter, 1u);
    TapOn(inventory.m_pageTabButtons[2]);
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kQuests);
    EXPECT_TRUE(inventory.m_pageTabButtons[2].IsChecked());
    EXPECT_FALSE(inventory.m_grid.IsShown()) << "the quests page is empty for now";
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    TapOn(inventory.m_pageTabButtons[0]);
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kItems);
    EXPECT_EQ(inventory.m_pages.itemFilter, 0u);
    EXPECT_TRUE(inventory.m_grid.IsShown());
}

TEST_F(InventoryFrameTest, enteringAgainStartsOnTheItemsPageButKeepsTheViewAndTheSchool) {
    SStateInventory& inventory = OpenBag(nullptr);
    Command(SStateInventory::kCompactView);
    inventory.m_pages.spellSchool = 5;
    Command(SStateInventory::kQuestsTab);
    Command(SStateInventory::kClose);
    OpenBag(nullptr);
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kItems);
    EXPECT_EQ(inventory.m_pages.descriptionView, 0u);
    EXPECT_EQ(inventory.m_pages.spellSchool, 5u);
    // The Spells page itself starts at the first school whenever it is built.
    Command(SStateInventory::kSpellsTab);
    EXPECT_EQ(inventory.m_pages.spellSchool, 1u);
}

}  // namespace

}  // namespace state_inventory_test
