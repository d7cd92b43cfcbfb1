#pragma once
// The monster rules' tests: a cave map with its creatures, a grid, a play screen that writes down
// what reaches it, a player, the spells, items and diseases the rules look up, and a seeded
// generator.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/monsters/monster_context.h"
#include "data/monsters/monster_screen.h"
#include "data/player/player_fixture.h"
#include "data/spells/spell_table.h"
#include "support/map_fixture.h"
#include "support/spell_records.h"

class RecordingMonsterScreen : public SMonsterScreen {
public:
    int PlayerX() const override { return playerX; }
    int PlayerY() const override { return playerY; }
    int PlayerHeading() const override { return heading; }
    int SoundVolumeAt(int x, int y) const override { return 10 - std::abs(x - playerX) - std::abs(y - playerY); }
    void PlaySound(const char* name, int volume) override {
        sounds.push_back(name + std::string("@") + std::to_string(volume));
    }
    void ShowMessageBox(const char* text) override { boxes.emplace_back(text); }
    void RedrawView() override { ++redraws; }
    bool WarnsOfPeacefulTargets() const override { return warns; }
    bool ChoseAreaAttack(const SCreature&) const override { return areaAttack; }
    int RemoveActiveMonster(const SCreature&) override {
        log.push_back("stop");
        return actingSide;
    }
    const char* PendingAttackSound(int side) const override {
        return side == pendingSide || (side == -1 && pendingSide >= 0) ? pendingSound : nullptr;
    }
    bool OnSurface() const override { return surface; }
    int RainIntensity() const override { return rain; }
    uint32_t GameMinutes() const override { return minutes; }
    void LaunchMissile(SMap&, SCreature&, const SFpsItem& missile, uint16_t palette) override {
        log.push_back("missile " + std::string(missile.NameKey().Text()) + " " + std::to_string(palette));
    }
    void CastMonsterSpell(SMap&, SCreature&, const SSpellType& spell, int chance) override {
        log.push_back("cast " + std::string(spell.NameKey().Text()) + " " + std::to_string(chance));
    }
    void QueueStealQuestion(SMap&, SCreature&) override { log.push_back("steal"); }
    void TalkToCreature(SMap&, SCreature&) override { log.push_back("talk"); }
    void ShowCreatureInfo(SMap&, SCreature&) override { log.push_back("info"); }
    void RemoveCreatureFromCell(SMap&, SCreature&) override { log.push_back("leave"); }
    void MarkPictureInUse(uint16_t slot, uint8_t mark) override { marks.push_back({slot, mark}); }

    int playerX = 5;
    int playerY = 1;
    int heading = 0;
    bool warns = true;
    bool areaAttack = false;
    int actingSide = -1;
    int pendingSide = -1;  // the side of the attack animation shown, -1 for none
    const char* pendingSound = "";
    bool surface = false;
    int rain = 0;
    uint32_t minutes = 12 * 60;
    int redraws = 0;
    std::vector<std::string> boxes;
    std::vector<std::string> sounds;
    std::vector<std::string> log;
    std::vector<std::pair<uint16_t, uint8_t>> marks;
};

class MonsterTest : public MapTest {
protected:
    MonsterTest() {
        attributes.InitDefaults();
        skills.InitDefaults();
        races.InitDefaults();
        player.Attach({&attributes, &skills, &races, &modules, &random}, &messages, &playerScreen);
        player.SetBaseAttribute(3, 20);
        player.SetBaseAttribute(4, 20);
        base = AddBaseType("base_orc", 1);
        monster = AddMonster("base_orcish", 40);
        monster->m_baseType = base;
    }

    SMonsterBaseType* AddBaseType(const char* name, uint8_t kind) {
        std::unique_ptr<SMonsterBaseType> type = MakeBaseType(name, kind, {});
        SMonsterBaseType* added = type.get();
        monsters.Add(std::move(type));
        return added;
    }

    // The cave map drawn by `level`, with the context over it; false when it does not open.
    bool Open(const std::string& level) {
        map = OpenMap(level);
        if (map == nullptr) return false;
        grid.origins[map] = {0, 0};
        context = std::make_unique<SMonsterContext>(
            SMonsterContext{*map, grid, screen, player, random, spells, items, diseases});
        return true;
    }
    // A creature of the monster at (x, y), aggressive unless told.
    SCreature& Place(SMonster* of, uint8_t x, uint8_t y, uint8_t state = SCreature::kAggressive) {
        SCreature* creature = map->AddCreature(of, x, y);
        creature->state = state;
        creature->displaySlot = creature->id;
        return *creature;
    }
    // An effect of a spell: its type, magnitude and duration, the cells it reaches around the
    // target, and the disease or the attribute it names.
    struct SpellEntry {
        uint8_t type;
        int16_t magnitude = 0;
        int16_t duration = 0;
        uint8_t radius = 0;
        const char* target = "";
        uint8_t subTarget = 0;
    };
    SSpellType* AddSpell(const char* name, std::vector<SpellEntry> entries, uint8_t targetKind = kTargetRanged) {
        std::unique_ptr<SSpellType> spell = MakeSpell(name, 3);
        for (const SpellEntry& entry : entries) {
            std::unique_ptr<SEffect> effect = SpellEffectEntry(entry.type, entry.magnitude);
            effect->m_baseDuration = entry.duration;
            effect->m_radius = entry.radius;
            effect->m_target.Assign(entry.target);
            effect->m_subTarget = entry.subTarget;
            spell->m_effects.Append(effect.release());
        }
        spell->m_targetKind = targetKind;
        SSpellType* added = spell.get();
        spells.Add(std::move(spell));
        return added;
    }
    // The monster carries the spell to cast.
    static void Carry(SMonster* of, const char* spell) {
        of->m_effects.Add(ItemEffect(kEffectCastSpell, 0, 0, spell, kSourceSpellCharge));
    }
    SItemPileRecord& SpriteOf(const SCreature& creature) { return grid.sprites[creature.displaySlot]; }
    // Checks that the player committed a crime of `crime` (0 none) and lost as much fame since the
    // last check, with the messages that say so.
    void ExpectCrime(int crime) {
        EXPECT_EQ(int(player.Crime()) - crimeSeen, crime);
        EXPECT_EQ(player.Fame() - fameSeen, -crime);
        const std::vector<std::string> told = {"You have committed a crime.", "Your fame has been decreased."};
        EXPECT_EQ(messages.shown, crime ? told : std::vector<std::string>{});
        crimeSeen = int(player.Crime());
        fameSeen = player.Fame();
        messages.shown.clear();
    }

    SAttributeTable attributes;
    SSkillTable skills;
    SRaceTable races;
    RecordingMessages messages;
    RecordingPlayerScreen playerScreen;
    SPlayer player;
    SSpellTable spells;
    SDiseaseTable diseases;
    RecordingMonsterScreen screen;
    TestGrid grid;
    SMonsterBaseType* base = nullptr;
    SMonster* monster = nullptr;
    SMap* map = nullptr;
    std::unique_ptr<SMonsterContext> context;
    int crimeSeen = 0;
    int fameSeen = 0;
};
