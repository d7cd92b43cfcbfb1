// The combat queue's records on the tests' own grid, stepped on the headless clock: the hurt, the
// missiles of monsters, the shield raise and the bow without a quiver; and what a blow, a missile
// and a spell do where they land.
#include <gtest/gtest.h>

#include <memory>

#include "data/items/fps_item.h"
#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "data/map_objects/map_object_type_table.h"
#include "data/player/equipment_slot.h"
#include "data/spells/spell_type.h"
#include "screens/play/combat_fixture.h"

namespace combat_anims_test {

namespace {

constexpr int kNorth = 0, kEast = 1, kSouth = 2;

class CombatAnimTest : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        arrow.m_name.Set("bres_arrow");
        AttachScriptsAndPlayer();
    }
    SCombatAnim& Last() { return *play.CombatAnims().back(); }
    void Shoot(uint8_t id, int x, int y, int side) {
        play.QueueMonsterAttackAnim(x, y, side, *play.m_currentMap, *play.m_currentMap->FindCreature(id), arrow, 0);
    }
    SFpsItem arrow;
};

// A blow's jolt lasts 6 frames (4 fast) and pushes the view back to the middle of the cell at the
// end; poison and a blow from no side never move the view.
TEST_F(CombatAnimTest, aHurtLastsSixFramesAndMovesTheViewUnlessPoisonOrSideless) {
    struct Row {
        const char* name;
        int side;
        bool poison;
        uint32_t fast;
        int frames;
        bool moves;
        const char* sound;
    };
    const Row rows[] = {{"a blow from the east", kEast, false, 0, 6, true, "bsnd_hitclub@10"},
                        {"fast", kEast, false, 1, 4, true, "bsnd_hitclub@10"},
                        {"from no side", -1, false, 0, 6, false, "bsnd_hitclub@10"},
                        {"poison", -1, true, 0, 6, false, "bsnd_hitpoison@10"}};
    for (const Row& row : rows) {
        play.m_fast = row.fast;
        play.sounds.clear();
        if (row.poison)
            play.QueuePoisonHurt(3);
        else
            play.QueueHitFromSide(row.side, 3);
        SCombatAnim& hurt = Last();
        bool moved = false;
        int frames = 0;
        while (!play.Advance(hurt) && frames < 50) {
            ++frames;
            moved = moved || play.m_fractionX != SStateGame::kCellCentre || play.m_fractionY != SStateGame::kCellCentre;
        }
        EXPECT_EQ(frames, row.frames) << row.name;
        EXPECT_EQ(moved, row.moves) << row.name;
        EXPECT_EQ(play.m_fractionX, SStateGame::kCellCentre) << row.name;
        ASSERT_FALSE(play.sounds.empty()) << row.name;
        EXPECT_EQ(play.sounds.front(), row.sound) << row.name;
    }
    EXPECT_EQ(play.m_fightCounter, 4u) << "a blow starts the fight music";
}

// A monster's missile flies half a cell a frame and ends after 7 cells, at the grid's edge, or
// one frame after it reached a creature in its way.
TEST_F(CombatAnimTest, aMissileEndsAfterSevenCellsAtTheEdgeOrAtACreature) {
    Put(kArcher, 10, 15);
    Shoot(kArcher, 10, 15, kSouth);
    SCombatAnim& far = Last();
    EXPECT_EQ(play.FramesOf(far), 14) << "seven cells of two frames; entering the eighth ends it";
    EXPECT_EQ(far.hit, 0);

    Put(kArcher, 10, 31);
    Shoot(kArcher, 10, 31, kSouth);
    SCombatAnim& edge = Last();
    EXPECT_EQ(play.FramesOf(edge), 6) << "cells 32 to 34";
    EXPECT_EQ(edge.hit, 0);

    Put(kArcher, 10, 15);
    SCreature& target = Put(4, 10, 18);
    target.hp = 20;
    target.monster->m_stats[kStatDamageMin] = target.monster->m_stats[kStatDamageMax] = 5;
    Shoot(kArcher, 10, 15, kSouth);
    SCombatAnim& blocked = Last();
    EXPECT_EQ(play.FramesOf(blocked), 6) << "the middle of the third cell, then the hit";
    EXPECT_EQ(blocked.hit, 1);
    EXPECT_EQ(blocked.cellY, 18);
}

// A missile that reaches the player's cell strikes the player, the blow coming from the way the
// missile flew.
TEST_F(CombatAnimTest, aMissileAtThePlayerHurtsThePlayerFromItsSide) {
    SCreature& archer = Put(kArcher, 10, 14);
    archer.monster->m_stats[kStatDamageMin] = archer.monster->m_stats[kStatDamageMax] = 500;
    game.m_player.ChangeHp(100, false);
    Shoot(kArcher, 10, 14, kNorth);
    SCombatAnim& missile = Last();
    EXPECT_EQ(play.FramesOf(missile), 8);
    ASSERT_EQ(play.CombatAnims().size(), 2u);
    EXPECT_EQ(play.CombatAnims().back()->kind, SCombatAnim::kHurt);
    EXPECT_EQ(play.CombatAnims().back()->side, kNorth);
}

// Two creatures of one cell shoot from its left and its right; a lone one from the middle.
TEST_F(CombatAnimTest, twoCreaturesInOneCellShootFromTheLeftAndTheRight) {
    Put(kArcher, 10, 15, 0);
    Put(4, 10, 15, 1);
    Shoot(kArcher, 10, 15, kNorth);
    EXPECT_EQ(Last().subX, 32768 + 10000);
    Shoot(4, 10, 15, kNorth);
    EXPECT_EQ(Last().subX, 32768 - 10000);
    grid.Cell(10, 15).creatures[1] = 0;
    Shoot(kArcher, 10, 15, kNorth);
    EXPECT_EQ(Last().subX, 32768);
    EXPECT_EQ(Last().byPlayer, 0);
}

// The shield rises for 26 frames, 12 in fast mode, after its start delay, which fast mode doubles.
TEST_F(CombatAnimTest, aShieldRaiseLastsItsFramesAfterItsDelay) {
    play.QueueShieldRaise(2, kNorth);
    EXPECT_EQ(play.FindPendingAttack(-1), &Last());
    EXPECT_EQ(play.FindPendingAttack(kNorth), &Last());
    EXPECT_EQ(play.FindPendingAttack(kEast), nullptr);
    EXPECT_EQ(play.FramesOf(Last()), 2 + 26 - 1);
    play.m_fast = 1;
    play.QueueShieldRaise(2, kNorth);
    EXPECT_EQ(play.FramesOf(Last()), 4 + 12 - 1);
}

// A bow without a quiver shoots nothing: the player is told and the stroke ends at once.
TEST_F(CombatAnimTest, aBowWithoutAQuiverShootsNothing) {
    SItemType bowType;
    bowType.m_class = kItemWeapon;
    bowType.m_subtype = kWeaponShortBow;
    SItem* bow = game.m_player.AddItems(bowType, 1);
    ASSERT_NE(bow, nullptr);
    game.m_player.EquipItem(bow, false);
    ASSERT_EQ(game.m_player.EquippedItem(kSlotMainHand), bow);
    play.QueueAttack();
    ASSERT_EQ(play.CombatAnims().size(), 1u);
    EXPECT_TRUE(play.Advance(Last())) << "ends on its first frame";
    EXPECT_TRUE(play.HasPendingMessage());
    EXPECT_EQ(play.CombatAnims().size(), 1u) << "no arrow flies";
}

// A blow's sound and volume by what the cell holds and the damage dealt: a blow that deals nothing
// misses where it lands, one that hurts sounds with the weapon.
TEST_F(CombatAnimTest, aBlowSoundsByWhatItStrikesAndTheDamage) {
    SFpsItem sword;
    sword.m_soundName.Assign("bsnd_sword");
    play.m_currentStroke.picture = &sword;
    SCreature& target = Put(4, 10, 8);
    target.hp = 20;
    struct Row {
        const char* name;
        int penalty;
        const char* sound;
    };
    target.monster->m_stats[kStatArmourClass] = 0;
    const Row rows[] = {{"a blow that deals nothing", 100, "bsnd_hitmiss@8"},
                        {"a blow that hurts", 0, "bsnd_sword@10"}};
    for (const Row& row : rows) {
        play.sounds.clear();
        play.ResolveHit(*play.m_currentMap, 10, 8, kSouth, row.penalty);
        ASSERT_FALSE(play.sounds.empty()) << row.name;
        EXPECT_EQ(play.sounds.front(), row.sound) << row.name;
        target.hp = 20;
    }
    // An empty cell: the blow misses there unless an object takes it.
    play.sounds.clear();
    play.ResolveHit(*play.m_currentMap, 10, 7, kSouth, 0);
    ASSERT_FALSE(play.sounds.empty());
    EXPECT_EQ(play.sounds.front(), "bsnd_hitmiss@7");
}

// A killing blow leaves the creature's death to its killed event, told once; hit points never
// fall below 0 on the way.
TEST_F(CombatAnimTest, aKillIsToldOnceAndTheCreatureLeaves) {
    SCreature& target = Put(4, 10, 9);
    target.hp = 1;
    target.monster->m_stats[kStatArmourClass] = 0;
    SFpsItem sword;
    play.m_currentStroke.picture = &sword;
    for (int attempt = 0; attempt < 20 && play.m_currentMap->FindCreature(4) != nullptr; ++attempt)
        play.ResolveHit(*play.m_currentMap, 10, 9, kSouth, 0);
    EXPECT_EQ(play.m_currentMap->FindCreature(4), nullptr) << "killed and gone";
    EXPECT_EQ(grid.Cell(10, 9).creatures[0], 0);
}

// Which cells stop a missile, by the type code of their centre, with and without a spell.
TEST_F(CombatAnimTest, cellsStopMissilesByTheirTypeCode) {
    SMapObjectTypeTable types;
    struct Row {
        uint8_t code;
        bool missile, spell;
    };
    const Row rows[] = {{5, true, true},  {19, true, true},  {25, true, true}, {32, true, true},
                        {33, true, true}, {37, false, true}, {4, false, true}, {1, false, true},
                        {35, true, true}, {26, false, true}, {20, false, true}};
    for (const Row& row : rows) {
        std::unique_ptr<SMapObjectType> type = types.CreateType(row.code);
        grid.Cell(12, 12).centreType = type.get();
        int wallSide = -1;
        EXPECT_EQ(play.CellBlocksMissile(12, 12, kNorth, wallSide, false), row.missile) << int(row.code);
        EXPECT_EQ(play.CellBlocksMissile(12, 12, kNorth, wallSide, true), row.spell) << int(row.code) << " spell";
        grid.Cell(12, 12).centreType = nullptr;
    }
    int wallSide = -1;
    EXPECT_FALSE(play.CellBlocksMissile(12, 12, kNorth, wallSide, true)) << "an empty cell";
    Put(4, 12, 12);
    EXPECT_TRUE(play.CellBlocksMissile(12, 12, kNorth, wallSide, false)) << "a creature";
}

// A touch spell at open floor does nothing; one that names no missile picture still takes effect
// where its path stops; an area spell one cell from the player reaches the player at half strength.
TEST_F(CombatAnimTest, spellsTakeEffectWhereTheyLand) {
    SSpellType touch;
    touch.m_name.Set("touch");
    touch.m_targetKind = kTargetTouch;
    play.sounds.clear();
    play.CastSpell(touch, 10, false, 0, 0, kNorth);
    EXPECT_EQ(play.sounds, std::vector<std::string>{"bsnd_spellcast0@10"}) << "nothing but the casting sound";
    EXPECT_TRUE(play.CombatAnims().empty());

    SSpellType bolt;
    bolt.m_name.Set("bolt");
    bolt.m_targetKind = kTargetRanged;
    bolt.m_castSound.Assign("bsnd_bolt");
    SCreature& target = Put(4, 10, 6);
    target.hp = 20;
    play.sounds.clear();
    play.CastSpell(bolt, 10, false, 0, 0, kNorth);
    EXPECT_EQ(play.sounds, (std::vector<std::string>{"bsnd_spellcast0@10", "bsnd_spellcast0@10", "bsnd_bolt@10"}))
        << "no picture: cast again where the path stops, at the creature";
}

}  // namespace

}  // namespace combat_anims_test
