// A fight in the sample world's dungeon, played through the driver: down the cellar's stairs, the
// brute walks up and strikes, the player's held attack strikes back until the brute dies and
// leaves its loot; and a brute too strong for the player ends the game on the death screen.
#include <gtest/gtest.h>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/monsters/monster.h"
#include "game/feldmar2.h"
#include "screens/play/sample_world_play.h"
#include "screens/screen_id.h"

namespace dungeon_fight_test {

namespace {

constexpr uint32_t kEast = 270;

class DungeonFightTest : public SampleWorldPlayTest {
protected:
    // Down the stairs in the cellar's east wall; true once the player stands in the dungeon.
    bool GoDown() {
        PlayDriver& driver = StartSampleWorld();
        Play().m_playerX = 21;
        Play().m_playerY = 15;
        Play().m_heading = kEast;
        driver.Press(kActionForward);
        driver.RunUntilIdle(120);
        driver.Frame();
        return Play().m_currentMap != nullptr && std::string(Play().m_currentMap->Name()) == "base_dungeon";
    }
    // Only the brute is left in the dungeon, standing two cells east of the player.
    SCreature* BruteAlone() {
        SMap& map = *Play().m_currentMap;
        SCreature* brute = nullptr;
        for (int i = map.Creatures().Count() - 1; i >= 0; --i) {
            SCreature* creature = map.Creatures()[i];
            if (std::string(creature->monster->m_name.Text()) == "base_dungeonbrute") {
                brute = creature;
                continue;
            }
            Play().RemoveCreatureFromCell(map, *creature);
            map.RemoveCreature(creature->id);
        }
        return brute;
    }
    // Where the creature stands on the grid; false when it is gone.
    bool Locate(uint8_t id, int& x, int& y) {
        for (y = 0; y < SStateGame::kGridSize; ++y)
            for (x = 0; x < SStateGame::kGridSize; ++x)
                if (const SMapCell* cell = Play().GetCell(x, y);
                    cell && (cell->creatures[0] == id || cell->creatures[1] == id))
                    return true;
        return false;
    }
};

TEST_F(DungeonFightTest, theHeldAttackKillsTheBruteWhichLeavesItsLoot) {
    ASSERT_TRUE(GoDown());
    SCreature* brute = BruteAlone();
    ASSERT_NE(brute, nullptr);
    const uint8_t id = brute->id;
    Play().m_heading = kEast;
    PlayDriver& driver = *m_driver;
    // The brute comes up to the player before the player strikes.
    for (int frame = 0; frame < 400; ++frame) {
        driver.Frame();
        int x = 0, y = 0;
        if (Locate(id, x, y) && x == Play().m_playerX + 1 && y == Play().m_playerY) break;
        if (!Play().IsBusy()) Play().m_monsterPassRequest = 1;
    }
    int x = 0, y = 0;
    ASSERT_TRUE(Locate(id, x, y));
    ASSERT_EQ(std::pair(x, y), std::pair(Play().m_playerX + 1, Play().m_playerY)) << "the brute walked up";
    driver.Hold(kActionAttack);
    int frames = 0;
    for (; frames < 6000 && Locate(id, x, y); ++frames) {
        Game().m_player.ChangeHp(100, false);
        driver.Frame();
    }
    driver.Release();
    EXPECT_FALSE(Locate(id, x, y)) << "the brute died after " << frames << " frames";
    const SMapCell* cell = Play().GetCell(Play().m_playerX + 1, Play().m_playerY);
    ASSERT_NE(cell, nullptr);
    EXPECT_NE(cell->containerId, 0) << "its loot lies where it died";
}

TEST_F(DungeonFightTest, aBruteTooStrongEndsTheGameOnTheDeathScreen) {
    ASSERT_TRUE(GoDown());
    SCreature* brute = BruteAlone();
    ASSERT_NE(brute, nullptr);
    brute->monster->m_stats[kStatDamageMin] = brute->monster->m_stats[kStatDamageMax] = 400;
    uint32_t next = 0;
    for (int frame = 0; frame < 3000 && next == 0; ++frame) {
        next = m_driver->Frame();
        if (!Play().IsBusy()) Play().m_monsterPassRequest = 1;
    }
    EXPECT_EQ(next, uint32_t(kDeathScreen));
}

}  // namespace

}  // namespace dungeon_fight_test
