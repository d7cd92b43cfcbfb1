// Where a spell takes effect: on the player, on a cell ahead, on the creatures of a cell and the
// cells around it; the player's casts from the spell book and from items, and a monster's spell
// leaving it as a touch or a missile.
#include <algorithm>
#include <cstdlib>

#include "data/effects/effect.h"
#include "data/maps/creature.h"
#include "data/maps/creature_effects.h"
#include "data/maps/map.h"
#include "data/maps/map_cell.h"
#include "data/monsters/creature_stats.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_events.h"
#include "data/player/equipment_slot.h"
#include "data/spells/spell_effect.h"
#include "data/spells/spell_table.h"
#include "data/spells/spell_type.h"
#include "engine/audio/volume.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "screens/play/monster_steps.h"
#include "screens/play/monster_traits.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"

namespace {

using play_tables::kSideDx;
using play_tables::kSideDy;

constexpr int32_t kSpellsMiddle = 32768;
constexpr uint16_t kSmallSize = 2000;
constexpr uint16_t kEffectSize = 4000;
constexpr uint8_t kTwoPart = 2;

// What a spell's damage reads of the creature it strikes.
class SCreatureSpellTarget : public SSpellTarget {
public:
    SCreatureSpellTarget(const SCreature& creature, const SCreatureEffects& effects, const SDiseaseTable& diseases)
        : m_creature(creature), m_stats(*creature.monster, creature, effects, diseases) {}
    int32_t HitPoints() const override { return m_creature.hp; }
    uint8_t CreatureClass() const override {
        const int kind = m_creature.monster->m_kind;
        return uint8_t(kind >= kHumanoids && kind <= kUndead ? kind : kHumanoids);
    }
    const char* BaseTypeName() const override {
        const SMonsterBaseType* base = m_creature.monster->m_baseType;
        return base ? base->m_name.Text() : "";
    }
    int32_t MagicResistance() const override { return m_stats.MagicResistance(); }

private:
    const SCreature& m_creature;
    SCreatureStats m_stats;
};

// The damage of the spell's effects that harm what stands nowhere (an object).
int32_t objectDamage(const SSpellType& spell, int32_t strength) {
    int32_t sum = 0;
    for (int i = 0; i < spell.m_effects.Count(); ++i) {
        const SEffect& effect = *spell.m_effects[i];
        if (effect.m_type == 25 || effect.m_type == 26 || effect.m_type == 29 || effect.m_type == 40)
            sum += effect.GetMagnitude(strength);
    }
    return sum;
}

}  // namespace

void SStateGame::spellOnCreature(const SSpellType& spell, int32_t strength, SMap& map, SCreature& creature, int x,
                                 int y, int slot) {
    if (creature.monster == nullptr) return;
    const uint8_t id = creature.id;
    const SCreatureSpellTarget target(creature, map.Effects(), m_game->m_diseases);
    m_hitValues = {};
    m_hitValues.damage = spell.DamageAgainst(strength, &target);
    m_hitValues.spell = spell.m_name.Text();
    m_hitValues.spellLevel = strength;
    if (SScriptContext* context = m_game->m_scriptContext.get()) {
        context->SetSpell(spell.m_name.Text(), strength);
        context->SetDamage(m_hitValues.damage);
    }
    const uint32_t where = slot == 1 ? kWhereSecondCreature : kWhereFirstCreature;
    SendObjectEvent(kEventSpellCast, where, x, y, -1);
    if (map.FindCreature(id) == &creature && creature.hp <= 0) {
        creature.hp = 1;
        SendObjectEvent(kEventKilled, where, x, y, -1);
    }
}

void SStateGame::SpellHitsCell(const SSpellType& spell, int32_t strength, SMap& map, int x, int y, int side,
                               bool area) {
    const SMapCell* cell = GetCell(x, y);
    if (cell == nullptr) return;
    if (x == m_playerX && y == m_playerY) {
        m_game->m_player.ApplySpell(spell, strength, m_playerCast != 0, side, false);
        refreshBars();
    } else if (cell->creatures[0] == 0) {
        m_hitValues = {};
        m_hitValues.damage = objectDamage(spell, strength);
        if (SScriptContext* context = m_game->m_scriptContext.get()) {
            context->SetSpell(spell.m_name.Text(), strength);
            context->SetDamage(m_hitValues.damage);
        }
        SendObjectEvent(kEventSpellCast, kWhereCentre | kWhereSide, x, y, side);
    } else {
        if (m_targetSlot == 1 && cell->creatures[1] == 0) m_targetSlot = 0;
        const uint8_t first = cell->creatures[0], second = cell->creatures[1];
        if (SCreature* creature = map.FindCreature(first)) spellOnCreature(spell, strength, map, *creature, x, y, 0);
        // The first may have died and the second moved up into its place.
        if (second != 0) {
            const int slot = cell->creatures[1] == second ? 1 : 0;
            if (SCreature* creature = map.FindCreature(second); creature != nullptr && cell->creatures[slot] == second)
                spellOnCreature(spell, strength, map, *creature, x, y, slot);
        }
    }
    if (area && spell.HasAreaEffect()) SpellHitsArea(spell, strength, map, x, y);
}

void SStateGame::SpellHitsArea(const SSpellType& spell, int32_t strength, SMap& map, int x, int y) {
    for (int cy = y - 1; cy <= y + 1; ++cy)
        for (int cx = x - 1; cx <= x + 1; ++cx) {
            if ((cx == x && cy == y) || !IsOnGrid(cx, cy)) continue;
            const SMapCell* cell = GetCell(cx, cy);
            const bool player = cx == m_playerX && cy == m_playerY;
            if (cell != nullptr && (player || cell->creatures[0] != 0))
                SpellHitsAreaCell(spell, strength / 2, map, cx, cy);
        }
}

void SStateGame::SpellHitsAreaCell(const SSpellType& spell, int32_t strength, SMap& map, int x, int y) {
    if (x == m_playerX && y == m_playerY) {
        m_game->m_player.ApplySpell(spell, strength, m_playerCast != 0, -1, false);
        refreshBars();
        return;
    }
    SMap* zone = GetZoneMap(x, y);
    SMap& cellMap = zone != nullptr ? *zone : map;
    const SMapCell* cell = GetCell(x, y);
    const uint8_t ids[2] = {cell->creatures[0], cell->creatures[1]};
    for (int slot = 0; slot < 2; ++slot)
        if (SCreature* creature = cellMap.FindCreature(ids[slot]))
            spellOnCreature(spell, strength, cellMap, *creature, x, y, cell->creatures[1] == ids[slot] ? 1 : 0);
}

std::unique_ptr<SCombatAnim> SStateGame::cellEffect(const SSpellType& spell, int x, int y, int32_t subX, int32_t subY,
                                                    uint16_t size) {
    const SSpellEffect* effect = m_game->m_spellEffects.Find(spell.m_strikeEffect.Text());
    if (effect == nullptr || effect->m_frameSlots.empty() || !IsOnGrid(x, y)) return nullptr;
    auto anim = std::make_unique<SCombatAnim>();
    anim->kind = SCombatAnim::kCellEffect;
    anim->spell = &spell;
    anim->effectAnim = effect;
    anim->effectPalette = uint16_t(m_game->m_cache.FindPaletteSlot(spell.m_strikePalette.Text()));
    anim->cellX = uint16_t(x);
    anim->cellY = uint16_t(y);
    anim->subX = subX;
    anim->subY = subY;
    anim->spriteSize = size;
    anim->frame = effect->m_value == kTwoPart ? 1 : 0;
    return anim;
}

void SStateGame::CastSpell(const SSpellType& spell, int32_t strength, bool adjacent, int x, int y, int side) {
    PlaySound("bsnd_spellcast0", kLoudestVolume);
    auto playSpellSound = [&] {
        if (!spell.m_castSound.IsEmpty()) PlaySound(spell.m_castSound.Text(), kLoudestVolume);
    };
    if (spell.m_targetKind == kTargetSelf) {
        m_game->m_player.ApplySpell(spell, strength, true, -1, false);
        refreshBars();
        const SSpellEffect* effect = m_game->m_spellEffects.Find(spell.m_strikeEffect.Text());
        if (effect == nullptr || effect->m_frameSlots.empty()) {
            playSpellSound();
            return;
        }
        auto anim = std::make_unique<SCombatAnim>();
        anim->kind = SCombatAnim::kSelfEffect;
        anim->spell = &spell;
        anim->effectAnim = effect;
        anim->effectPalette = uint16_t(m_game->m_cache.FindPaletteSlot(spell.m_strikePalette.Text()));
        QueueCombatAnim(std::move(anim));
        return;
    }
    if (spell.m_targetKind == kTargetTouch || adjacent) {
        if (!adjacent) {
            SFacingCell facing;
            int wallSide = -1;
            side = int(FacingSide());
            if (GetFacingCell(side, facing) == nullptr || !CellBlocksMissile(facing.x, facing.y, side, wallSide, true))
                return;
            x = facing.x;
            y = facing.y;
        }
        SMap* map = GetZoneMap(x, y);
        if (map == nullptr) return;
        m_playerCast = 1;
        SpellHitsCell(spell, strength, *map, x, y, side, true);
        const int back = (side + 2) % 4;
        const int32_t edgeX = monster_steps::InsideEdges((kSideDx[back] + 1) * kSpellsMiddle);
        const int32_t edgeY = monster_steps::InsideEdges((kSideDy[back] + 1) * kSpellsMiddle);
        auto anim = cellEffect(spell, x + kSideDx[back], y + kSideDy[back], edgeX, edgeY, kEffectSize);
        if (anim == nullptr)
            playSpellSound();
        else
            QueueCombatAnim(std::move(anim));
        return;
    }
    const SSpellEffect* missile = m_game->m_spellEffects.Find(spell.m_castEffect.Text());
    side = int(FacingSide());
    if (missile == nullptr || missile->m_frameSlots.empty()) {
        // Without its picture the spell still flies: it takes effect where the path stops.
        int endX = 0, endY = 0;
        if (FindMissileTarget(m_playerX, m_playerY, side, endX, endY, false))
            CastSpell(spell, strength, true, endX, endY, side);
        return;
    }
    auto anim = std::make_unique<SCombatAnim>();
    anim->kind = SCombatAnim::kSpellMissile;
    anim->cellX = uint16_t(m_playerX);
    anim->cellY = uint16_t(m_playerY);
    anim->subX = anim->subY = kSpellsMiddle;
    anim->side = int8_t(side);
    anim->spriteSize = kEffectSize;
    anim->spell = &spell;
    anim->strength = strength;
    anim->effectAnim = missile;
    anim->effectPalette = uint16_t(m_game->m_cache.FindPaletteSlot(spell.m_castPalette.Text()));
    QueueCombatAnim(std::move(anim));
}

void SStateGame::QueueMonsterSpell(int x, int y, int side, const SSpellType& spell, int32_t strength, bool adjacent,
                                   SCreature& caster, SMap& map) {
    m_playerCast = 0;
    const bool onItself = spell.m_targetKind == kTargetSelf;
    if (onItself) {
        side = (side + 2) % 4;
        adjacent = true;
    }
    if (spell.m_targetKind == kTargetTouch || adjacent) {
        const int tx = adjacent ? x : x + kSideDx[side], ty = adjacent ? y : y + kSideDy[side];
        SMap* zone = GetZoneMap(tx, ty);
        if (zone == nullptr) return;
        const int back = (side + 2) % 4;
        int32_t subX = kSpellsMiddle + 8000 * kSideDx[back], subY = kSpellsMiddle + 8000 * kSideDy[back];
        if (onItself) {
            const SMapCell* cell = GetCell(tx, ty);
            subX = kSpellsMiddle + 32767 * kSideDx[back];
            subY = kSpellsMiddle + 32767 * kSideDy[back];
            if (cell != nullptr && cell->creatures[1] != 0) {
                const int across = (side + 3) % 4;
                const int32_t apart = monster_traits::IsWide(caster.monster) ? 16384 : 12000;
                const int32_t sign = cell->creatures[0] == caster.id ? 1 : -1;
                subX += sign * apart * kSideDx[across];
                subY += sign * apart * kSideDy[across];
            }
        }
        std::unique_ptr<SCombatAnim> anim = cellEffect(spell, tx, ty, subX, subY, kSmallSize);
        SpellHitsCell(spell, strength, *zone, tx, ty, side, !onItself);
        if (anim != nullptr) QueueCombatAnim(std::move(anim));
        return;
    }
    const SSpellEffect* missile = m_game->m_spellEffects.Find(spell.m_castEffect.Text());
    if (missile == nullptr || missile->m_frameSlots.empty()) {
        int endX = 0, endY = 0;
        const bool reaches = FindMissileTarget(x, y, side, endX, endY, true);
        int wallSide = -1;
        if (reaches || (IsOnGrid(endX, endY) && CellBlocksMissile(endX, endY, side, wallSide, false)))
            QueueMonsterSpell(endX, endY, side, spell, strength, true, caster, map);
        return;
    }
    auto anim = std::make_unique<SCombatAnim>();
    anim->kind = SCombatAnim::kSpellMissile;
    anim->byPlayer = 0;
    anim->cellX = uint16_t(x);
    anim->cellY = uint16_t(y);
    anim->subX = anim->subY = kSpellsMiddle;
    anim->side = int8_t(side & 3);
    anim->spriteSize = kEffectSize;
    anim->spell = &spell;
    anim->strength = strength;
    anim->effectAnim = missile;
    anim->effectPalette = uint16_t(m_game->m_cache.FindPaletteSlot(spell.m_castPalette.Text()));
    anim->attacker = &caster;
    anim->attackerId = caster.id;
    anim->attackerMap = &map;
    const SMapCell* cell = GetCell(x, y);
    if (cell != nullptr && cell->creatures[0] != 0 && cell->creatures[1] != 0) {
        const int across = (anim->side + 1) % 4;
        const int32_t apart = monster_traits::IsWide(caster.monster) ? 16000 : 10000;
        const int32_t sign = cell->creatures[0] == caster.id ? 1 : -1;
        anim->subX += sign * apart * kSideDx[across];
        anim->subY += sign * apart * kSideDy[across];
    }
    QueueCombatAnim(std::move(anim));
}

void SStateGame::CastSpellOnPlayer(const SSpellType& spell, int32_t strength) {
    SMap* map = GetZoneMap(m_playerX, m_playerY);
    if (map == nullptr) return;
    m_playerCast = 1;
    SpellHitsCell(spell, strength, *map, m_playerX, m_playerY, -1, false);
    const int side = int(FacingSide());
    const int32_t subX = monster_steps::InsideEdges(kSpellsMiddle + 16000 * kSideDx[side]);
    const int32_t subY = monster_steps::InsideEdges(kSpellsMiddle + 16000 * kSideDy[side]);
    if (auto anim = cellEffect(spell, m_playerX, m_playerY, subX, subY, kSmallSize)) QueueCombatAnim(std::move(anim));
}

void SStateGame::QueueSelfEffect(const char* animation, const char* sound) {
    const SSpellEffect* effect = animation ? m_game->m_spellEffects.Find(animation) : nullptr;
    if (effect == nullptr || effect->m_frameSlots.empty()) {
        if (sound != nullptr && sound[0] != '\0') PlaySound(sound, kLoudestVolume);
        return;
    }
    auto anim = std::make_unique<SCombatAnim>();
    anim->kind = SCombatAnim::kSelfEffect;
    anim->effectAnim = effect;
    QueueCombatAnim(std::move(anim));
}

void SStateGame::QueueSpellMissile(const SSpellType& spell, int32_t value) {
    CastSpell(spell, value, false, m_playerX, m_playerY, int(FacingSide()));
}

void SStateGame::BeginCast(const SSpellType& spell, SItem* item) {
    SPlayer& player = m_game->m_player;
    if (player.IsParalyzed() && spell.m_targetKind != kTargetSelf) {
        QueueMessage("You can cast spells only on yourself when you're paralyzed.", SPlayerScreen::kOkButton, nullptr);
        return;
    }
    if (item != nullptr) {
        QueueItemCast(*item);
    } else {
        const int32_t cost = spell.GetCost(m_game->m_spells.Schools(), player);
        if (cost > player.Mana()) {
            QueueMessage("You don't have enough mana.", SPlayerScreen::kOkButton, nullptr);
            return;
        }
        player.ChangeMana(-cost, false);
        refreshBars();
        m_manaBar.SetDirty();
        const uint32_t skill = m_game->m_spells.Schools().Skill(spell.m_school);
        int32_t strength = 0;
        if (skill != 0 && player.IsSchoolAllowed(spell))
            strength = std::max(0, player.SkillValue(skill) + player.FortifySkillTotal(skill));
        if (skill != 0) player.CountSkillUse(skill);
        CastAnimation(spell, strength);
    }
    m_monsterPassRequest = 1;
    TickMinute();
}

void SStateGame::CastChosenSpell() {
    const SSpellType* spell = m_spellbook.GetSelectedSpell();
    SItem* item = m_spellbook.GetSelectedItem();
    if (item != nullptr) {
        const SEffectList* effects = item->Effects();
        const SEffect* effect = effects != nullptr && effects->Count() > 0 ? effects->Get(0) : nullptr;
        spell = effect ? m_game->m_spells.FindSpell(effect->m_target.Text()) : nullptr;
    }
    if (spell != nullptr) BeginCast(*spell, item);
}
