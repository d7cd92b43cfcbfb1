// The player's actions in the sample world through the driver: the chest's pile beside the start
// opens in the inventory, which hands the play screen back when it closes.
#include <gtest/gtest.h>

#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "render/view_descriptor.h"
#include "screens/play/sample_world_play.h"

namespace {

TEST_F(SampleWorldPlayTest, aTapOnThePileUnderfootOpensItInTheInventoryAndPlayResumesAfter) {
    PlayDriver& driver = StartSampleWorld();
    // The chest's pile lies west of the start.
    Play().m_playerX = 16;
    Play().m_playerY = 19;
    const SMapCell* cell = Play().GetCell(16, 19);
    ASSERT_NE(cell, nullptr);
    SItemList* pile = Play().FindItemListAt(16, 19, uint8_t(cell->containerId));
    ASSERT_NE(pile, nullptr);

    const SViewDescriptor& view = Game().PlayView();
    driver.Tap(view.m_viewX + view.m_viewWidth / 2, view.m_viewY + view.m_viewHeight * 9 / 10);
    SState* inventory = Game().Screen(kInventoryScreen);
    ASSERT_EQ(Game().m_currentScreen, inventory);
    EXPECT_EQ(inventory->m_param[0], 0u);
    EXPECT_EQ(inventory->m_param[1], reinterpret_cast<uintptr_t>(pile));
    EXPECT_EQ(inventory->m_param[2], 0u);
    EXPECT_EQ(inventory->m_param[3], reinterpret_cast<uintptr_t>(Play().m_currentMap));
    EXPECT_EQ(LinesOf("bsnd_bagopen").size(), 1u);

    Game().SwitchState(kGoBack);
    EXPECT_EQ(Game().m_currentScreen, &Play());
    EXPECT_TRUE(driver.RunUntilIdle(20));
}

}  // namespace
