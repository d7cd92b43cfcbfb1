#include <gtest/gtest.h>

#include "data/effects/effect_type.h"
#include "monster_fixture.h"

namespace monster_attack_test {

namespace {

class MonsterAttackTest : public MonsterTest {
protected:
    MonsterAttackTest() {
        EXPECT_TRUE(Open("")) << error;
        auto arrow = std::make_unique<SFpsItem>();
        arrow->m_name.Set("base_arrow");
        items.Sprites().Add(std::move(arrow));
        monster->m_missilePaletteSlot = 12;
        monster->m_stats[kStatIntelligence] = 15;
        AddSpell("base_bolt", {{kEffectCurse}});
        AddSpell("base_ball", {{kEffectCurse, 0, 0, 2}});
    }
};

TEST_F(MonsterAttackTest, theAttackGoesByTheMonstersAttackKind) {
    // The player stands at (5, 1).
    const struct {
        const char* name;
        uint8_t kind;
        uint8_t x, y;
        const char* missile;
        const char* spell;
        bool area;
        std::vector<std::string> log;
        bool strikesPlayer = false;
    } cases[] = {
        {"melee", 1, 3, 3, nullptr, nullptr, false, {"stop"}, true},
        {"missile", 2, 5, 6, "base_arrow", nullptr, false, {"stop", "missile base_arrow 12"}},
        {"unknown missile", 2, 5, 6, "base_rock", nullptr, false, {"stop"}},
        {"spell", 3, 5, 6, nullptr, "base_bolt", false, {"stop", "cast base_bolt 30"}},
        {"spell out of line", 3, 3, 3, nullptr, "base_bolt", false, {"stop"}},
        {"area spell", 3, 3, 3, nullptr, "base_ball", true, {"stop", "cast base_ball 30"}},
        {"no spell", 3, 5, 6, nullptr, nullptr, false, {"stop"}},
        {"melee when adjacent", 4, 5, 2, nullptr, "base_bolt", false, {"stop"}, true},
        {"else a spell", 4, 5, 6, nullptr, "base_bolt", false, {"stop", "cast base_bolt 30"}},
        {"no attack", 0, 5, 2, nullptr, nullptr, false, {}},
    };
    // A melee blow far past the player's armour lands.
    monster->m_stats[kStatDamageMin] = 30;
    monster->m_stats[kStatDamageMax] = 30;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        screen = RecordingMonsterScreen();
        playerScreen.hits.clear();
        screen.areaAttack = c.area;
        monster->m_attackKind = c.kind;
        base->m_missile = c.missile;
        monster->m_effects.Assign(SEffectList());
        if (c.spell) Carry(monster, c.spell);
        SCreature& creature = Place(monster, c.x, c.y);
        monster->Attack(*context, creature);
        EXPECT_EQ(screen.log, c.log);
        EXPECT_EQ(playerScreen.hits.size(), c.strikesPlayer ? 1u : 0u);
        map->RemoveCreature(creature.id);
    }
}

TEST_F(MonsterAttackTest, aMonsterCastsAtRangeWithAHarmfulSpellThatReachesTheDistance) {
    AddSpell("base_touch", {{kEffectCurse}}, kTargetTouch);
    AddSpell("base_mend", {{kEffectRestoreHp, 5}}, kTargetRanged);
    const struct {
        const char* spell;
        int distance;
        bool can;
    } cases[] = {
        {"base_bolt", 1, true},  {"base_bolt", 6, true},  {"base_touch", 1, true}, {"base_touch", 2, false},
        {"base_mend", 3, false}, {"base_none", 3, false}, {nullptr, 3, false},
    };
    for (const auto& c : cases) {
        monster->m_effects.Assign(SEffectList());
        if (c.spell) Carry(monster, c.spell);
        EXPECT_EQ(monster->CanCastAtRange(spells, c.distance), c.can)
            << (c.spell ? c.spell : "none") << " at " << c.distance;
    }
}

TEST_F(MonsterAttackTest, aPersonUsedFromBehindCanBeRobbedAndOtherwiseTurnsToTalk) {
    SMonster* smith = AddMonster("base_smith", 40, SMonsterBaseType::kKindPeople);
    const struct {
        SMonster* of;
        int heading;
        int facing;
        int facingAfter;
        const char* log;
    } cases[] = {
        {smith, 0, 0, 0, "steal"}, {smith, 90, 1, 1, "steal"}, {smith, 100, 1, 1, "steal"}, {smith, 0, 2, 2, "talk"},
        {smith, 0, 1, 2, "talk"},  {smith, 270, 1, 1, "talk"}, {smith, 180, 3, 0, "talk"},  {monster, 0, 0, 0, "talk"},
    };
    for (const auto& c : cases) {
        screen = RecordingMonsterScreen();
        screen.heading = c.heading;
        SCreature& creature = Place(c.of, 5, 4, uint8_t(c.facing << 3));
        bool changed = false;
        c.of->OnEvent(32, *context, creature, changed);
        EXPECT_EQ(screen.log, std::vector<std::string>{c.log}) << c.heading << " " << c.facing;
        EXPECT_EQ((creature.state >> 3) & 3, c.facingAfter) << c.heading << " " << c.facing;
        map->RemoveCreature(creature.id);
    }
}

}  // namespace

}  // namespace monster_attack_test
