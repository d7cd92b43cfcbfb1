// The player's actions in the sample world through the driver: the chest's pile beside the start
// opens in the inventory, which hands the play screen back when it closes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/monsters/monster.h"
#include "data/player/equipment_slot.h"
#include "game/feldmar2.h"
#include "render/view_descriptor.h"
#include "screens/play/sample_world_play.h"
#include "screens/play/village_play.h"
#include "ui/dialogs/dialog_message.h"

namespace sample_world_actions_test {

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

// A new character walks the cellar in boots: the stone names its two footsteps, and the sound
// package holds them, so each step is heard twice, the second fainter, by the parity of the cell.
TEST_F(SampleWorldPlayTest, shodStepsOnTheCellarStoneAreHeard) {
    PlayDriver& driver = StartSampleWorld();
    ASSERT_NE(Game().m_player.EquippedItem(kSlotBoots), nullptr);
    Sounds().Clear();
    for (int step = 0; step < 2; ++step) {
        driver.Press(kActionForward);
        ASSERT_TRUE(driver.RunUntilIdle(20));
    }
    EXPECT_EQ(LinesOf("bsnd_stepstone-2"), (std::vector<std::string>{"bsnd_stepstone-2 10", "bsnd_stepstone-2 6"}));
    EXPECT_EQ(LinesOf("bsnd_stepstone-1"), (std::vector<std::string>{"bsnd_stepstone-1 10", "bsnd_stepstone-1 6"}));
}

// In the cave a goblin is too near for the player to rest.
TEST_F(SampleWorldPlayTest, restIsRefusedInTheCaveWhileItsGoblinIsNear) {
    PlayDriver& driver = StartSampleWorld();
    Play().TravelToPosition("base_cave", 0);
    driver.RunUntilIdle(50);
    ASSERT_STREQ(Play().m_currentMap->Name(), "base_cave");
    const uint32_t before = Play().GetClock();
    Play().TryRest();
    driver.Frame();
    EXPECT_EQ(driver.OpenMessageText(), "There are monsters around - you cannot rest here.");
    EXPECT_EQ(Play().GetClock(), before);
}

TEST_F(VillageTest, theTownsfolkWanderTheStreetsAndThePedlarCanBeRobbed) {
    PlayDriver& driver = StartInTown();
    StandInTown(8, 7, 0);
    EXPECT_GE(Play().Persons().size(), 2u);
    SCreature* pedlar = nullptr;
    for (const auto& person : Play().Persons()) {
        SCreature* creature = Play().CreatureOf(*person);
        if (creature != nullptr && creature->monster != nullptr &&
            creature->monster->m_displayName.Text() == std::string("Pedlar"))
            pedlar = creature;
    }
    ASSERT_NE(pedlar, nullptr);
    driver.Frames(30);
    driver.Rig().Shot("village-street");
    Play().AskSteal(*Play().m_currentMap, *pedlar);
    driver.Frame();
    EXPECT_NE(driver.OpenMessageText().find("Do you try to steal (chance: "), std::string::npos)
        << driver.OpenMessageText();
    driver.Rig().Shot("village-steal-question");
    Play().OnCommand(SDialogMessage::kNo);
    Game().m_player.SetBaseSkill(20, 40);
    const int before = Game().m_player.ItemCount();
    for (int tries = 0; tries < 30 && Game().m_player.ItemCount() == before; ++tries) {
        Play().ClearEvents();
        Play().AskSteal(*Play().m_currentMap, *pedlar);
        Play().OnCommand(SDialogMessage::kYes);
    }
    EXPECT_EQ(Game().m_player.ItemCount(), before + 1) << "the pedlar's goods reach the pack";
    Play().ClearEvents();
    driver.Frames(40);
}

TEST_F(VillageTest, theLockedHouseDoorAsksToDisarmOrPick) {
    PlayDriver& driver = StartInTown();
    Game().m_player.SetBaseSkill(19, 20);
    Game().m_player.ReceiveItems("base_key_lockpickbeginner", 1, false);
    // North of the door, facing south onto it.
    StandInTown(3, 14, 180);
    Play().Interact(-1, 0);
    driver.Frames(2);
    EXPECT_EQ(Play().SubMode(), SPlaySubMode::kDoorQuestion);
    driver.Rig().Shot("village-door-question");
    EXPECT_NE(driver.OpenMessageText().find("locked"), std::string::npos) << driver.OpenMessageText();
}

TEST_F(VillageTest, theGuardPostTakesThePlayerToJailAndTheSentenceEndsInTheStreet) {
    PlayDriver& driver = StartInTown();
    Game().m_player.AddCrime(20);
    Play().SendToPrison("base_s0303");
    EXPECT_TRUE(Play().IsInPrison());
    PlayOnThroughMessages(driver);
    EXPECT_STREQ(Play().m_currentMap->Name(), "base_s0303_jail");
    for (int minute = 0; minute < 11; ++minute) Play().TickMinute();
    PlayOnThroughMessages(driver);
    EXPECT_FALSE(Play().IsInPrison());
    EXPECT_STREQ(Play().m_currentMap->Name(), "base_s0303");
    EXPECT_EQ(Game().m_player.Crime(), 0u);
}

}  // namespace

}  // namespace sample_world_actions_test
