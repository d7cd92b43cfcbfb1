#include <gtest/gtest.h>

#include <set>

#include "monster_fixture.h"

namespace monster_sounds_test {

namespace {

class MonsterSoundsTest : public MonsterTest {
protected:
    MonsterSoundsTest() { EXPECT_TRUE(Open("")) << error; }
};

TEST_F(MonsterSoundsTest, peopleSpeakWithAnyOfTheirSetVoicesAndOthersWithTheirCreatureSound) {
    SMonster* smith = AddMonster("base_smith", 40, SMonsterBaseType::kKindPeople);
    SMonsterBaseType* man = AddBaseType("base_man", SMonsterBaseType::kKindPeople);
    smith->m_baseType = man;
    man->m_sounds[0] = "bsnd_hello";
    man->m_sounds[1] = "";
    man->m_sounds[2] = "bsnd_hmm";
    man->m_creatureSound = "bsnd_cough";
    std::set<std::string> heard;
    for (int i = 0; i < 60; ++i) smith->PlayCreatureSound(*context, 7);
    heard.insert(screen.sounds.begin(), screen.sounds.end());
    EXPECT_EQ(heard, (std::set<std::string>{"bsnd_hello@7", "bsnd_hmm@7", "bsnd_cough@7"}));

    screen.sounds.clear();
    base->m_sounds[0] = "bsnd_roar";
    base->m_creatureSound = "bsnd_growl";
    monster->PlayCreatureSound(*context, 3);
    base->m_creatureSound = nullptr;
    monster->PlayCreatureSound(*context, 3);
    man->m_sounds[0] = man->m_sounds[2] = man->m_creatureSound = nullptr;
    smith->PlayCreatureSound(*context, 3);
    EXPECT_EQ(screen.sounds, std::vector<std::string>{"bsnd_growl@3"});
}

}  // namespace

}  // namespace monster_sounds_test
