// Where the inventory stood goes into every saved game as record 3005 and comes back with a load;
// a damaged record is refused before the running game changes.
#include <gtest/gtest.h>

#include "engine/base/byte_order.h"
#include "game/saved_game_fixture.h"
#include "screens/inventory/state_inventory.h"

namespace inventory_saved_test {

namespace {

class InventorySavedTest : public SavedGameTest {
protected:
    void SetUp() override {
        SavedGameTest::SetUp();
        inventory.Init(&game);
        ASSERT_TRUE(StartGame()) << error;
        inventory.m_pages.page = SInventoryPages::kSpells;
        inventory.m_pages.subPage = 3;
        inventory.m_pages.itemFilter = 6;
        inventory.m_pages.spellSchool = 4;
    }
    void TearDown() override {
        game.m_saveNames.SetInventory(nullptr);
        SavedGameTest::TearDown();
    }
    // The record's eight words as the file holds them, after the tag.
    static uint32_t Word(const std::vector<uint8_t>& record, int index) { return ReadLE32(&record[4 + 4 * index]); }

    SStateInventory inventory;
};

TEST_F(InventorySavedTest, theSaveKeepsThePagesAndALoadBringsThemBack) {
    ASSERT_TRUE(Save()) << error;
    const std::vector<uint8_t> record = SavedRecords()[kSaveInventoryRecord];
    // The file keeps a few bytes after each record; the record is its 36 bytes.
    ASSERT_GE(record.size(), 36u);
    EXPECT_EQ(record[0], 'X');
    EXPECT_EQ(Word(record, 0), SInventoryPages::kSpells);
    EXPECT_EQ(Word(record, 2), 3u);
    inventory.m_pages = SInventoryPages();
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kSpells);
    EXPECT_EQ(inventory.m_pages.subPage, 3u);
    EXPECT_EQ(inventory.m_pages.itemFilter, 6u);
    EXPECT_EQ(inventory.m_pages.spellSchool, 4u);
}

TEST_F(InventorySavedTest, aRecordWithPage77LoadsWithTheItemsPage) {
    ASSERT_TRUE(Save()) << error;
    auto records = SavedRecords();
    WriteLE32(&records[kSaveInventoryRecord][4], 77);
    WriteSave(records);
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kItems);
    EXPECT_EQ(inventory.m_pages.subPage, 3u) << "the words in range stay";
}

TEST_F(InventorySavedTest, aRecordCutShortIsRefusedWithTheRunningGameAsItWas) {
    ASSERT_TRUE(Save()) << error;
    auto records = SavedRecords();
    records[kSaveInventoryRecord].resize(20);
    WriteSave(records);
    game.m_gameRunning = true;
    game.m_player.ReceiveGold(1000, false, false);
    const uint32_t gold = game.m_player.Gold();
    const int items = game.m_player.ItemCount();

    EXPECT_FALSE(Load());
    EXPECT_NE(error.find("BrimvaleSave1.pdb"), std::string::npos) << error;
    EXPECT_NE(error.find("the inventory"), std::string::npos) << error;
    EXPECT_EQ(game.m_player.Gold(), gold);
    EXPECT_EQ(game.m_player.ItemCount(), items);
    EXPECT_TRUE(game.m_gameRunning);
    EXPECT_EQ(inventory.m_pages.page, SInventoryPages::kSpells);
}

}  // namespace

}  // namespace inventory_saved_test
