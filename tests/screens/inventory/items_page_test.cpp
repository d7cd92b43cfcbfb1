// The items page through the game object: the grid and its filter, the tabs and arrows, taps and
// double taps, the paper doll's slots and the two views.
#include <gtest/gtest.h>

#include "tests/screens/inventory/inventory_fixture.h"

namespace items_page_test {

namespace {

class ItemsPageTest : public InventoryTest {
protected:
    void SetUp() override {
        InventoryTest::SetUp();
        StartInventory(7);
    }
    std::vector<bool> EnabledTabs() {
        std::vector<bool> enabled;
        for (const SButtonCtrl& tab : Inventory().m_categoryTabs) enabled.push_back(tab.IsEnabled());
        return enabled;
    }
};

TEST_F(ItemsPageTest, anEmptyListSelectsNothingAndOffersNothing) {
    SStateInventory& inventory = OpenBag(&m_pile);
    EXPECT_EQ(inventory.m_grid.m_selected, -1);
    EXPECT_EQ(inventory.SelectedEntry(), nullptr);
    EXPECT_EQ(inventory.m_info.m_title.Text() ? std::string(inventory.m_info.m_title.Text()) : "", "");
    EXPECT_EQ(PanelBody(), "");
    EXPECT_FALSE(inventory.m_use.IsShown());
    EXPECT_FALSE(inventory.m_previousPage.IsEnabled());
    EXPECT_FALSE(inventory.m_nextPage.IsEnabled());
    EXPECT_EQ(EnabledTabs(), (std::vector<bool>{true, false, false, false, false, false, false, false, false}));
    EXPECT_TRUE(inventory.m_categoryTabs[0].IsChecked());
}

TEST_F(ItemsPageTest, tabsEnableOnlyForClassesPresentAndSpellbooksDoNotEnableTheBooksTab) {
    Give(Type("sword", kItemWeapon, kWeaponShortSword));
    Give(Type("spells", kItemMagic, kMagicSpellbook));
    Give(Type("pick", kItemKey, kKeySubtypeLockpick));
    SStateInventory& inventory = OpenBag(nullptr);
    EXPECT_EQ(EnabledTabs(), (std::vector<bool>{true, true, false, false, false, false, false, true, true}));

    Command(SStateInventory::kFirstCategoryTab + 4);
    EXPECT_EQ(inventory.m_grid.EntryCount(), 1) << "the books filter lists the spellbook";
    EXPECT_FALSE(inventory.m_categoryTabs[4].IsEnabled()) << "the tab stays disabled while it is the filter";
    EXPECT_FALSE(inventory.m_categoryTabs[0].IsChecked());
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_clickh 10"});
}

TEST_F(ItemsPageTest, theNextPageArrowOnTheLastPageOnlyClicks) {
    const SItemType& gem = Type("gem", kItemGem, 1);
    for (int i = 0; i < 16; ++i) Give(gem, uint32_t(i));  // different amounts never stack
    SStateInventory& inventory = OpenBag(nullptr);
    EXPECT_FALSE(inventory.m_previousPage.IsEnabled());
    EXPECT_TRUE(inventory.m_nextPage.IsEnabled());
    Command(SStateInventory::kNextPage);
    EXPECT_EQ(inventory.m_grid.m_first, 15);
    EXPECT_EQ(inventory.m_grid.m_selected, 15);
    EXPECT_TRUE(inventory.m_previousPage.IsEnabled());
    EXPECT_FALSE(inventory.m_nextPage.IsEnabled());
    m_rig->Sounds().Clear();
    Command(SStateInventory::kNextPage);
    EXPECT_EQ(inventory.m_grid.m_first, 15);
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_click 10"});
    Command(SStateInventory::kPreviousPage);
    EXPECT_EQ(inventory.m_grid.m_first, 0);
    EXPECT_EQ(inventory.m_grid.m_selected, 0);
}

struct TapCase {
    const char* name;
    uint32_t gap;  // milliseconds between the taps
    bool taken;
};

class DoubleTapTest : public ItemsPageTest, public ::testing::WithParamInterface<TapCase> {};

// In the container view a double tap takes the item.
TEST_P(DoubleTapTest, countsBetweenOneAnd400Milliseconds) {
    Put(m_pile, Type("gem", kItemGem, 1));
    SStateInventory& inventory = OpenContainer(m_pile, nullptr);
    ASSERT_TRUE(inventory.ContainerView());
    Select(0);
    Command(SStateInventory::kItemGrid);
    m_rig->AdvanceClock(GetParam().gap);
    Command(SStateInventory::kItemGrid);
    EXPECT_EQ(m_pile.Count(), GetParam().taken ? 0 : 1);
    EXPECT_EQ(Player().ItemCount(), GetParam().taken ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Gaps, DoubleTapTest,
                         ::testing::Values(TapCase{"sameTick", 0, false}, TapCase{"oneMs", 1, true},
                                           TapCase{"at400", 400, true}, TapCase{"at401", 401, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ItemsPageTest, aDoubleTapOnAnotherEntryIsAFirstTap) {
    const SItemType& gem = Type("gem", kItemGem, 1);
    Put(m_pile, gem, 1);
    Put(m_pile, gem, 2);
    SStateInventory& inventory = OpenContainer(m_pile, nullptr);
    Select(0);
    Command(SStateInventory::kItemGrid);
    m_rig->AdvanceClock(100);
    Select(1);
    Command(SStateInventory::kItemGrid);
    EXPECT_EQ(m_pile.Count(), 2);
    EXPECT_EQ(inventory.m_lastTapIndex, 1);
}

TEST_F(ItemsPageTest, aTapOnAWornPieceOnTheDollOpensItsTabWithItSelected) {
    const SItemType& shield = Type("shield", kItemLightArmour, kArmourShield);
    Give(Type("sword", kItemWeapon, kWeaponShortSword));
    SItem& worn = Give(shield, 1000);
    Player().EquipItem(&worn, true);
    SStateInventory& inventory = OpenBag(nullptr);
    Command(SStateInventory::kCompactView);
    inventory.m_doll.m_selectedSlot = kSlotSecondHand;
    Command(SStateInventory::kPaperDoll);
    EXPECT_EQ(inventory.m_pages.itemFilter, 2u);
    ASSERT_NE(inventory.SelectedEntry(), nullptr);
    EXPECT_EQ(inventory.SelectedEntry()->item, &worn);

    inventory.m_doll.m_selectedSlot = kSlotHelm;
    Command(SStateInventory::kPaperDoll);
    EXPECT_EQ(inventory.m_pages.itemFilter, 2u) << "an empty slot does nothing";
}

TEST_F(ItemsPageTest, switchingBetweenPackAndContainerKeepsTheFilterAndSelectsTheFirstEntry) {
    Give(Type("sword", kItemWeapon, kWeaponShortSword));
    Give(Type("axe", kItemWeapon, kWeaponAxe));
    Put(m_pile, Type("dagger", kItemWeapon, kWeaponShortSword));
    SStateInventory& inventory = OpenBag(&m_pile);
    Command(SStateInventory::kFirstCategoryTab + 1);
    Select(1);
    Command(SStateInventory::kTake);
    EXPECT_TRUE(inventory.ContainerView());
    // The two grids look alike: the panel says which one shows.
    EXPECT_EQ(PanelBody(), "What lies here. Drop shows your pack.");
    EXPECT_EQ(inventory.m_pages.itemFilter, 1u);
    EXPECT_EQ(inventory.m_grid.m_selected, 0);
    EXPECT_EQ(inventory.SelectedEntry()->item, m_pile.At(0));
    Command(SStateInventory::kDrop);
    EXPECT_FALSE(inventory.ContainerView());
    EXPECT_EQ(PanelBody(), "Your pack. Take shows what lies here.");
    EXPECT_EQ(inventory.m_grid.m_selected, 0);
}

TEST_F(ItemsPageTest, theViewButtonsSwapThePanelAndTheDoll) {
    Give(Type("sword", kItemWeapon, kWeaponShortSword, "Short sword"));
    SStateInventory& inventory = OpenBag(nullptr);
    ASSERT_EQ(inventory.m_pages.descriptionView, 1u);
    EXPECT_FALSE(inventory.m_doll.IsShown());
    EXPECT_TRUE(inventory.m_compactView.IsShown());
    EXPECT_FALSE(PanelBody().empty()) << "the description shows";
    TapOn(inventory.m_compactView);
    EXPECT_EQ(inventory.m_pages.descriptionView, 0u);
    EXPECT_TRUE(inventory.m_doll.IsShown());
    EXPECT_TRUE(inventory.m_descriptionView.IsShown());
    EXPECT_EQ(PanelBody(), "") << "the compact view of this screen shows the title alone";
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    TapOn(inventory.m_descriptionView);
    EXPECT_FALSE(inventory.m_doll.IsShown());
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

TEST_F(ItemsPageTest, aStatusMessageStaysThreeSecondsAndThenTheDescriptionReturns) {
    Give(Type("sword", kItemWeapon, kWeaponShortSword, "Short sword"));
    SStateInventory& inventory = OpenBag(nullptr);
    inventory.ShowStatus("Hello.");
    EXPECT_EQ(PanelBody(), "Hello.");
    m_rig->AdvanceClock(2900);
    m_rig->Frame();
    EXPECT_EQ(PanelBody(), "Hello.");
    m_rig->Frames(2);
    EXPECT_NE(PanelBody(), "Hello.");
    EXPECT_STREQ(inventory.m_info.m_title.Text(), "Short sword");
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

// Loaders drop items whose type the world no longer has; a list that holds one all the same shows
// only the others.
TEST_F(ItemsPageTest, anItemWithoutATypeIsNeverShown) {
    m_pile.Add(std::make_unique<SItem>());
    Put(m_pile, Type("gem", kItemGem, 1));
    SStateInventory& inventory = OpenContainer(m_pile, nullptr);
    EXPECT_EQ(inventory.m_grid.EntryCount(), 1);
    EXPECT_EQ(EnabledTabs(), (std::vector<bool>{true, false, false, false, false, false, false, false, true}));
    Select(0);
    Command(SStateInventory::kTake);
    EXPECT_EQ(inventory.m_grid.EntryCount(), 0);
    EXPECT_EQ(m_pile.Count(), 1) << "the item without a type stays where it was";
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
}

}  // namespace

}  // namespace items_page_test
