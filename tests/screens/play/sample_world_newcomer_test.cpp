// A newcomer bitten by the cellar's goblin finds a cure at the start's feet: the pile there holds a
// potion that takes away both the goblin's poison and its cellar rot, so the character need not
// reach the village near death to be cured at the inn.
#include <gtest/gtest.h>

#include <string>

#include "data/effects/effect_type.h"
#include "data/items/item.h"
#include "data/items/item_list.h"
#include "data/items/item_type.h"
#include "data/maps/map.h"
#include "data/player/active_effect.h"
#include "data/player/player.h"
#include "screens/play/sample_world_play.h"
#include "tools/sampledata/sample_afflictions.h"

namespace sample_world_newcomer_test {

namespace {

class SampleWorldNewcomerTest : public SampleWorldPlayTest {};

TEST_F(SampleWorldNewcomerTest, thePotionAtTheStartsFeetCuresTheGoblinsPoisonAndRot) {
    StartSampleWorld();
    SPlayer& player = Game().m_player;
    const SItemList* pile = nullptr;
    for (int i = 0; i < Play().m_currentMap->Containers().Count(); ++i) {
        const SItemList* container = Play().m_currentMap->Containers()[i];
        if (container->m_x == Play().m_playerX && container->m_y == Play().m_playerY) pile = container;
    }
    ASSERT_NE(pile, nullptr) << "a pile at the start";
    const SItem* cure = nullptr;
    for (int i = 0; i < pile->Count(); ++i)
        if (std::string(pile->At(i)->m_type->m_name.Text()) == kPurityPotion) cure = pile->At(i);
    ASSERT_NE(cure, nullptr);

    player.InfectDisease(kCellarRot, false);
    player.AddTimedEffect(kFromUsedItem, cure->m_type, 5, 0, kEffectPoison, 0, nullptr);
    ASSERT_TRUE(player.HasDisease(kCellarRot));
    ASSERT_GT(player.PoisonTotal(), 0);
    player.ApplyItemEffects(*cure);
    EXPECT_FALSE(player.HasDisease(kCellarRot));
    EXPECT_EQ(player.PoisonTotal(), 0);
}

}  // namespace

}  // namespace sample_world_newcomer_test
