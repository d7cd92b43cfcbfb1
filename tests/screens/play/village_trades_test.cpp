// Eastbrook's new trades and talk played through the driver: Orla's stall sells a spellbook, the
// kit's mortar brews a potion from a herb by the world's recipes, and a townsman stopped in the
// street answers a question and points the way from a list.
#include <gtest/gtest.h>

#include <string>

#include "data/items/item_classes.h"
#include "data/items/item_database.h"
#include "screens/inventory/state_inventory.h"
#include "screens/play/village_play.h"
#include "screens/shop/state_shop.h"
#include "tools/sampledata/sample_spell_vendor.h"

namespace village_trades_test {

namespace {

constexpr uint32_t kEast = 270;
constexpr uint32_t kAlchemySkill = 16;

TEST_F(VillageTest, orlasStallSellsASpellbook) {
    PlayDriver& driver = StartInTown();
    SPlayer& player = Game().m_player;
    player.ReceiveGold(500, false, false);
    // On the sand before her counter, facing it.
    StandInTown(16, 3, kEast);
    SwitchTo(Play().Interact(-1, 1));
    ASSERT_EQ(Game().m_currentScreen, &Talk());
    EXPECT_NE(TalkText().find("Spellbooks, scrolls and herbs"), std::string::npos) << TalkText();
    driver.Rig().Shot("village-orla");

    ASSERT_EQ(Command(SStateDialog::kBuySell), uint32_t(kShopScreen));
    auto& shop = static_cast<SStateShop&>(*Game().m_currentScreen);
    int spellbook = -1, blankScroll = -1, wand = -1;
    for (int i = 0; i < shop.m_grid.EntryCount(); ++i) {
        const SItemType& type = *shop.m_grid.Entry(i)->type;
        if (type.m_class != kItemMagic) continue;
        if (type.m_subtype == kMagicSpellbook && spellbook < 0) spellbook = i;
        if (type.m_subtype == kMagicBlankScroll) blankScroll = i;
        if (type.m_subtype == kMagicWand) wand = i;
    }
    ASSERT_GE(spellbook, 0) << "the restocked stall holds spellbooks";
    EXPECT_GE(blankScroll, 0);
    EXPECT_GE(wand, 0);
    driver.Rig().Shot("village-orla-shop");

    shop.m_grid.Select(spellbook);
    const SItemType* book = shop.m_grid.Entry(spellbook)->type;
    const uint32_t price = shop.m_grid.Entry(spellbook)->price, gold = player.Gold();
    Command(SStateShop::kBuy);
    EXPECT_EQ(player.Gold(), gold - price);
    EXPECT_EQ(player.Pack().CountOfType(book), 1) << book->m_name.Text();
    EXPECT_EQ(Command(SStateShop::kBack), uint32_t(kGoBack));
    EXPECT_EQ(Command(SStateDialog::kGoodbye), uint32_t(kGoBack));
    EXPECT_EQ(Game().m_currentScreen, &Play());
}

TEST_F(VillageTest, theMortarBrewsAHealingPotionFromPowerBerries) {
    PlayDriver& driver = StartInTown();
    SPlayer& player = Game().m_player;
    // Above the recipe's level the brew never fails.
    player.SetBaseSkill(kAlchemySkill, 10);
    player.ReceiveItems("base_alc_mortarbeginner", 1, false);
    player.ReceiveItems("base_alc_powerberries", 2, false);
    const SItemType* mortarType = Game().m_items.FindItemType("base_alc_mortarbeginner");
    const SItemType* potion = Game().m_items.FindItemType("base_phealsmall");
    const SItemType* berries = Game().m_items.FindItemType("base_alc_powerberries");
    ASSERT_NE(potion, nullptr);
    const int potions = player.Pack().CountOfType(potion);

    SwitchTo(Play().OpenFloorPile());
    ASSERT_EQ(Game().m_currentScreen, Game().Screen(kInventoryScreen));
    auto& inventory = static_cast<SStateInventory&>(*Game().m_currentScreen);
    const SItem* mortar = player.Pack().FindByType(mortarType);
    ASSERT_NE(mortar, nullptr);
    inventory.OpenAlchemy(*mortar);
    driver.Frame();
    SDialogAlchemy& alchemy = inventory.m_alchemy;
    const SButtonCtrl& next = alchemy.m_slots[0].next;
    driver.Tap(next.m_x + 2, next.m_y + 2);
    ASSERT_EQ(alchemy.m_potions.RowCount(), 1) << "Power berries make one potion";
    driver.Rig().Shot("village-alchemy");
    driver.Tap(alchemy.m_create.m_x + 2, alchemy.m_create.m_y + 2);
    EXPECT_EQ(player.Pack().CountOfType(potion), potions + 1);
    EXPECT_EQ(player.Pack().CountOfType(berries), 1) << "the brew took one of the two";
}

TEST_F(VillageTest, aTownsmanAnswersTheNewsQuestionAndPointsTheWayFromAList) {
    StartInTown();
    SCreature* townsman = TownCreature("base_townsman");
    ASSERT_NE(townsman, nullptr);
    Play().TalkToCreature(*Play().m_currentMap, *townsman);
    SwitchTo(std::exchange(Play().m_pendingScreen, 0));
    ASSERT_EQ(Game().m_currentScreen, &Talk());
    EXPECT_NE(TalkText().find("Good day to you, Ayla."), std::string::npos) << TalkText();

    ASSERT_FALSE(AskAbout("News").empty());
    ASSERT_TRUE(Talk().m_answers[1].IsShown()) << "two replies: " << TalkText();
    Command(SStateDialog::kFirstAnswer);
    EXPECT_NE(TalkText().find("She walks the north street"), std::string::npos) << TalkText();

    ASSERT_FALSE(AskAbout("The way").empty());
    ASSERT_TRUE(Talk().ListOpen());
    ASSERT_EQ(Talk().m_list.RowCount(), 3);
    Talk().m_list.Select(1);
    Command(SStateDialog::kListOk);
    EXPECT_NE(TalkText().find("Orla's stall stands at the east end"), std::string::npos) << TalkText();
}

}  // namespace

}  // namespace village_trades_test
