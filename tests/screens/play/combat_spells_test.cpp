// The spells' part of the combat queue on the tests' own grid: the casting gesture, the effect over
// the portrait, the effect in a cell and the spell missile, each on its own clock; an area spell's
// reach; the wall face a missile meets; the warning that guards peaceful creatures from spells.
#include <gtest/gtest.h>

#include <memory>

#include "data/effects/effect.h"
#include "data/map_objects/map_object_type_table.h"
#include "data/maps/map_cell.h"
#include "data/monsters/monster.h"
#include "data/spells/spell_effect.h"
#include "data/spells/spell_type.h"
#include "screens/play/combat_fixture.h"

namespace combat_spells_test {

namespace {

constexpr int kNorth = 0, kEast = 1, kSouth = 2, kWest = 3;
constexpr uint8_t kDamageAll = 25;

class CombatSpellTest : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        AttachScriptsAndPlayer();
        play.m_portrait.m_game = &game;
        // Two animations of three frames, their pictures in cache slots 21 to 23 and 31 to 33.
        addAnimation("flight", {21, 22, 23});
        addAnimation("burst", {31, 32, 33});
    }

    // A spell whose one effect hurts by the caster's level: the strength it is cast with.
    std::unique_ptr<SSpellType> Spell(uint8_t targetKind, uint8_t radius = 0) {
        auto spell = std::make_unique<SSpellType>();
        spell->m_name.Set("fire");
        spell->m_targetKind = targetKind;
        spell->m_castSound.Assign("bsnd_fire");
        auto effect = std::make_unique<SEffect>(kContextSpell);
        effect->m_type = kDamageAll;
        effect->m_magnitudePerLevel = 100;
        effect->m_radius = radius;
        spell->m_effects.Append(effect.release());
        return spell;
    }
    SCombatAnim& Last() { return *play.CombatAnims().back(); }

private:
    void addAnimation(const char* name, std::vector<uint32_t> slots) {
        auto effect = std::make_unique<SSpellEffect>();
        effect->m_name.Set(name);
        effect->m_frameSlots = std::move(slots);
        game.m_spellEffects.Add(std::move(effect));
    }
};

// The hand rises for 5 frames (3 fast) and a few more, the spell leaves at the top, exactly once,
// and the hand comes down again.
TEST_F(CombatSpellTest, theCastingGestureCastsOnceAtTheTopOfItsLift) {
    struct Row {
        uint32_t fast;
        int frames;
    };
    for (const Row row : {Row{0, 16}, Row{1, 12}}) {
        play.m_fast = row.fast;
        std::unique_ptr<SSpellType> spell = Spell(kTargetSelf);
        play.CastAnimation(*spell, 0);
        ASSERT_EQ(Last().kind, SCombatAnim::kGesture);
        play.sounds.clear();
        EXPECT_EQ(play.FramesOf(Last()), row.frames) << "fast " << row.fast;
        EXPECT_EQ(std::count(play.sounds.begin(), play.sounds.end(), "bsnd_spellcast0@10"), 1) << "cast once";
    }
}

// The effect over the portrait and the effect in a cell step on the 80 ms clock, one frame of
// their animation a step.
TEST_F(CombatSpellTest, effectsShowEachFrameOnTheirOwnClock) {
    play.QueueSelfEffect("burst", nullptr);
    SCombatAnim& self = Last();
    ASSERT_EQ(self.kind, SCombatAnim::kSelfEffect);
    EXPECT_FALSE(play.Advance(self, 80));
    EXPECT_FALSE(play.Advance(self, 40)) << "40 ms is too soon for the next frame";
    EXPECT_EQ(self.frame, 1);
    EXPECT_EQ(play.FramesOf(self, 80), 2);

    std::unique_ptr<SSpellType> spell = Spell(kTargetTouch);
    spell->m_strikeEffect.Assign("burst");
    play.CastSpellOnPlayer(*spell, 0);
    SCombatAnim& cell = Last();
    ASSERT_EQ(cell.kind, SCombatAnim::kCellEffect);
    EXPECT_EQ(play.FramesOf(cell, 80), 3);
}

// The player's spell missile flies half a cell a frame and bursts on the first creature in its way; one that meets a
// wall bursts there and hurts nobody.
TEST_F(CombatSpellTest, theSpellMissileFliesUntilItStrikes) {
    std::unique_ptr<SSpellType> spell = Spell(kTargetRanged);
    spell->m_castEffect.Assign("flight");
    SCreature& target = Put(kMelee, 10, 7);
    target.hp = 20;
    play.CastSpell(*spell, 8, false, 0, 0, kNorth);
    SCombatAnim& missile = Last();
    ASSERT_EQ(missile.kind, SCombatAnim::kSpellMissile);
    EXPECT_EQ(play.FramesOf(missile), 6) << "three cells at half a cell a frame";
    EXPECT_EQ(target.hp, 12);

    SMapObjectTypeTable types;
    std::unique_ptr<SMapObjectType> wall = types.CreateType(5);
    grid.Cell(10, 8).centreType = wall.get();
    target.hp = 20;
    play.CastSpell(*spell, 8, false, 0, 0, kNorth);
    EXPECT_GE(play.FramesOf(Last()), 1);
    EXPECT_EQ(target.hp, 20) << "the wall took it";
    grid.Cell(10, 8).centreType = nullptr;
}

// While the player is hurt the portrait shows the game's hurt picture (the poison one for poison),
// drawn in the mode the damage gives; a harmless blow shows none, and the picture goes at the end.
TEST_F(CombatSpellTest, aHurtShowsItsPictureOverThePortraitForItsDamage) {
    struct Row {
        const char* name;
        bool poison;
        int32_t amount;
    };
    for (const Row& row : {Row{"a blow", false, 7}, Row{"poison", true, 3}, Row{"a harmless blow", false, 0}}) {
        play.m_portrait.SetInterfaceOverlay(nullptr, 0);
        if (row.poison)
            play.QueuePoisonHurt(row.amount);
        else
            play.QueueHitFromSide(kEast, row.amount);
        SCombatAnim& hurt = Last();
        ASSERT_EQ(hurt.kind, SCombatAnim::kHurt);
        EXPECT_FALSE(play.Advance(hurt));
        EXPECT_EQ(play.m_portrait.m_overlayKeyed, uint32_t(row.amount)) << row.name;
        EXPECT_GE(play.FramesOf(hurt), 0);
        EXPECT_EQ(play.m_portrait.m_overlay, nullptr) << row.name << ": cleared at the end";
    }
}

// Centred one cell from the player, an area spell strikes the cell's creature at its strength and
// the player and the creatures around at half of it.
TEST_F(CombatSpellTest, anAreaSpellStrikesAroundItsCentreAtHalfStrength) {
    std::unique_ptr<SSpellType> spell = Spell(kTargetRanged, 1);
    SCreature& centre = Put(kMelee, 10, 9);
    SCreature& beside = Put(4, 11, 8);
    SCreature& beyond = Put(5, 10, 7);
    centre.hp = beside.hp = beyond.hp = 20;
    play.SpellHitsCell(*spell, 10, *play.m_currentMap, 10, 9, kNorth, true);
    EXPECT_EQ(centre.hp, 10);
    EXPECT_EQ(beside.hp, 15);
    EXPECT_EQ(beyond.hp, 20) << "two cells from the centre";
    // The player's hurt shows the damage taken.
    ASSERT_EQ(Last().kind, SCombatAnim::kHurt);
    EXPECT_EQ(Last().amount, 5u) << "the player, one cell from the centre";
    EXPECT_EQ(Last().side, -1) << "an area strikes from no side";

    spell->m_effects[0]->m_radius = 0;
    play.SpellHitsCell(*spell, 10, *play.m_currentMap, 10, 9, kNorth, true);
    EXPECT_EQ(beside.hp, 15) << "a spell without an area strikes its cell alone";
}

// A missile that meets a wall shows on the face turned towards it, when that face has a picture
// or an object that shows.
TEST_F(CombatSpellTest, aMissileMeetsTheWallFaceTurnedTowardsIt) {
    SMapObjectTypeTable types;
    std::unique_ptr<SMapObjectType> wall = types.CreateType(5);
    std::unique_ptr<SMapObjectType> decoration = types.CreateType(9);
    std::unique_ptr<SMapObjectType> floor = types.CreateType(1);
    struct Row {
        const char* name;
        SMapObjectType* centre;
        int decoratedSide;
        int flightSide;
        int expected;
    };
    const Row rows[] = {
        {"flying north, the south face", wall.get(), kSouth, kNorth, kSouth},
        {"flying east, the west face", wall.get(), kWest, kEast, kWest},
        {"the face turned away", wall.get(), kNorth, kNorth, -1},
        {"a bare wall", wall.get(), -1, kNorth, -1},
        {"no wall", floor.get(), kSouth, kNorth, -1},
    };
    for (const Row& row : rows) {
        SMapCell& cell = grid.Cell(12, 12);
        cell.centreType = row.centre;
        for (SMapCellSide& side : cell.sides) side = {};
        if (row.decoratedSide >= 0) cell.sides[row.decoratedSide].wallType = decoration.get();
        EXPECT_EQ(play.FacingWallSide(row.flightSide, 12, 12), row.expected) << row.name;
    }
    grid.Cell(12, 12) = {};
}

// With the warning option on, an offensive spell at townsfolk counts as a crime and one at a
// peaceful creature only warns; with it off, neither happens, and the spell does nothing.
TEST_F(CombatSpellTest, theWarningOptionGuardsPeacefulPeopleFromSpells) {
    SMonster* person = AddMonster("base_person", 20, 4);
    ASSERT_NE(person, nullptr);
    // The creature's rules find the spell by name in the world's table.
    game.m_spells.Add(Spell(kTargetRanged));
    const SSpellType* spell = game.m_spells.FindSpell("fire");
    ASSERT_NE(spell, nullptr);
    SCreature& townsman = Put(kMelee, 10, 9);
    townsman.monster = person;
    townsman.hp = 20;
    townsman.state = 0;
    for (const bool warns : {false, true}) {
        play.m_warnOfPeaceful = warns;
        game.m_player.ClearCrime();
        play.SpellHitsCell(*spell, 10, *play.m_currentMap, 10, 9, kNorth, false);
        EXPECT_EQ(game.m_player.Crime() > 0, warns) << "warns " << warns;
        EXPECT_EQ(townsman.hp, 20) << "people are never harmed by the spell";
    }
}

}  // namespace

}  // namespace combat_spells_test
