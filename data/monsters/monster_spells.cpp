#include <algorithm>
#include <cstdlib>

#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_grid.h"
#include "data/monsters/combat_effect_types.h"
#include "data/monsters/creature_pose.h"
#include "data/monsters/creature_stats.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/monsters/monster_reactions.h"
#include "data/monsters/monster_screen.h"
#include "data/player/active_effect.h"
#include "data/player/player.h"
#include "data/spells/spell_table.h"
#include "engine/base/random.h"

namespace {

// The timed effects a Dispel takes away, besides paralysis.
constexpr uint8_t kDispelled[] = {2, 5, 8, 10, 11, 15, 16, 17, 20, 22, 27, 33, 34, 35, 36, 38, 39, 58};

// A percentage back in its stored form, 100 further from 0.
int storedPercent(int percent) { return percent >= 0 ? percent + 100 : percent - 100; }

// How much a creature at `hp` of `most` wants a spell that heals it in part or in full.
int restoreScore(bool full, int hp, int most, SRandom& random) {
    if (hp < most / 4) return full ? 13 + random.Next(26) : 16 + random.Next(33);
    if (hp < most / 3) return full ? 10 + random.Next(20) : 13 + random.Next(26);
    if (!full && hp < most / 2) return 10 + random.Next(20);
    return 3 + random.Next(6);
}

// How much the creature wants one effect of a spell it could cast.
int effectScore(const SEffect& effect, const SSpellType& spell, const SMonster& monster, const SCreature& creature,
                const SMonsterContext& context) {
    SRandom& random = context.random;
    const SCreatureEffects& effects = context.map.Effects();
    const SCreatureStats stats(monster, creature, effects, context.diseases);
    const int most = monster.m_stats[kStatMaxHitPoints];
    const bool undead = stats.IsUndead();
    const uint8_t type = effect.m_type;
    switch (type) {
        case kCombatFortifySkill:
        case kCombatFortifyAttribute:
            if (spell.m_targetKind != kTargetSelf) return 23 + random.Next(46);
            return stats.Has(type) ? 0 : 26 + random.Next(53);
        case kCombatRestoreHp:
        case kCombatRestoreUnholy:
            return undead == (type == kCombatRestoreUnholy) ? restoreScore(false, creature.hp, most, random) : 0;
        case kCombatRestoreFullHp:
        case kCombatRestoreFullUnholy:
            return undead == (type == kCombatRestoreFullUnholy) ? restoreScore(true, creature.hp, most, random) : 0;
        case kCombatFortifyAc: {
            const int weight = stats.Has(type) ? 80 : 40;
            return weight / 3 + random.Next(2 * weight / 3);
        }
        case kCombatCurePoison:
        case kCombatCureParalysis:
        case kCombatRemoveCurse:
        case kCombatDispel:
        case kCombatCureDisease: {
            bool needed = false;
            if (type == kCombatCurePoison) needed = stats.Has(kCombatPoison);
            if (type == kCombatCureParalysis) needed = stats.Has(kCombatParalyze);
            if (type == kCombatRemoveCurse) needed = stats.Has(kCombatCurse);
            if (type == kCombatDispel) needed = stats.Has(kCombatParalyze) || stats.Has(kCombatCurse);
            if (type == kCombatCureDisease) needed = effects.HasDisease(creature.id, effect.m_target.Text());
            return needed ? 30 + random.Next(60) : 0;
        }
        case kCombatResistPoison:
        case kCombatResistParalysis:
        case kCombatResistMagic:
        case kCombatResistDiseases: return stats.Has(type) ? 0 : 23 + random.Next(46);
        case kCombatDamageType: {
            // The damage suits a class of foe: undead players, or living ones.
            const bool undeadPlayer = context.player.Race() == SPlayer::kUndeadRace;
            const bool suits = (effect.m_subTarget == 3 && undeadPlayer) || (effect.m_subTarget == 1 && !undeadPlayer);
            return suits ? 26 + random.Next(53) : 0;
        }
        case kCombatDamageAll:
        case kCombatPoison:
        case kCombatCurse:
        case kCombatDrainHp:
        case kCombatDrainSp:
        case kCombatInfectDisease:
        case kCombatCrush:
        case kCombatLevelDrops: return 26 + random.Next(53);
        case kCombatParalyze: return 20 + random.Next(40);
        default: return 0;
    }
}

// Whether the spell can be cast from where the creature stands.
bool reaches(const SSpellType& spell, const SCreature& creature, const SMonsterContext& context, bool areaOnly) {
    if (spell.m_effects.Count() == 0) return false;
    if (areaOnly && !spell.HasAreaEffect()) return false;
    const int dx = std::abs(creature.x - context.screen.PlayerX());
    const int dy = std::abs(creature.y - context.screen.PlayerY());
    const bool inLine = dx == 0 || dy == 0;
    if (spell.m_targetKind == kTargetTouch) return inLine && dx + dy == 1;
    if (spell.m_targetKind == kTargetRanged) return inLine || areaOnly;
    return true;
}

void setParalysed(const SMonster& monster, SMonsterContext& context, const SCreature& creature, bool paralysed) {
    SetSpritePalette(context.grid, creature, paralysed ? monster.m_paralysedPaletteSlot : monster.m_paletteSlot);
}

void dispel(const SMonster& monster, SMonsterContext& context, const SCreature& creature) {
    SCreatureEffects& effects = context.map.Effects();
    if (effects.IsParalyzed(creature.id)) {
        effects.RemoveTimed(creature.id, kCombatParalyze);
        setParalysed(monster, context, creature, false);
    }
    for (uint8_t type : kDispelled) effects.RemoveTimed(creature.id, type);
}

}  // namespace

const SSpellType* SMonster::ChooseSpell(SMonsterContext& context, const SCreature& creature, bool areaOnly) const {
    const SSpellType* best = nullptr;
    int bestScore = 0;
    for (int i = 0; i < m_effects.Count(); ++i) {
        const SEffect& carried = *m_effects.Get(i);
        if (carried.m_source != kSourceSpellCharge) continue;
        const SSpellType* spell = context.spells.FindSpell(carried.m_target.Text());
        if (spell == nullptr || !reaches(*spell, creature, context, areaOnly)) continue;
        int score = 0;
        for (int k = 0; k < spell->m_effects.Count(); ++k)
            score = std::max(score, effectScore(*spell->m_effects[k], *spell, *this, creature, context));
        if (score > bestScore) {
            best = spell;
            bestScore = score;
        }
    }
    return best;
}

void SMonster::OnSpellCast(SMonsterContext& context, SCreature& creature) {
    const SSpellType* spell = context.spells.FindSpell(context.event.spell);
    const bool offensive = spell != nullptr && spell->IsOffensive();
    if (offensive && m_kind == SMonsterBaseType::kKindPeople) {
        if (context.screen.WarnsOfPeacefulTargets()) PunishAttackOnPeople(context);
        return;
    }
    if (offensive && LooksPeaceful(*this, context.map, creature)) {
        if (context.screen.WarnsOfPeacefulTargets()) WarnOfPeacefulCreature(context);
        return;
    }
    if (offensive && !creature.IsHostile()) creature.MakeAggressive();
    const int damage = context.event.damage;
    SetCreatureHp(creature, int64_t(creature.hp) - damage);
    if (spell) ApplySpell(context, creature, *spell, context.event.spellLevel);
    if (damage == 0) return;
    const uint8_t motion = creature.state & SCreature::kMotion;
    // A creature caught winding up or striking keeps its move and shows the hit with it.
    if (motion == kWindingUp || motion == kStriking)
        creature.state |= SCreature::kHit;
    else
        EnterHitPose(creature);
}

void SMonster::ApplySpell(SMonsterContext& context, SCreature& creature, const SSpellType& spell, int level) {
    const SCreatureStats stats(*this, creature, context.map.Effects(), context.diseases);
    SCreatureEffects& effects = context.map.Effects();
    const int resistance = stats.MagicResistance();
    const bool immune = stats.Has(kCombatMagicImmunity);
    const bool undead = stats.IsUndead();
    const uint8_t id = creature.id;
    bool crush = false;
    bool mindShown = false;
    for (int i = 0; i < spell.m_effects.Count(); ++i) {
        const SEffect& effect = *spell.m_effects[i];
        const uint8_t type = effect.m_type;
        if (immune && type != kCombatDispel) continue;
        const int magnitude = effect.GetMagnitude(level);
        const int kept = Resisted(magnitude, resistance);
        const int percent = Resisted(FoldPercent(magnitude), resistance);
        const int duration = effect.GetDuration(level) + 1;
        const int keptDuration = Resisted(duration, resistance);
        // A duration of 0 would last for ever: fully resisted, the effect takes no hold.
        const bool lasts = keptDuration >= 1;
        switch (type) {
            case kCombatFortifyAttribute:
            case kCombatFortifyAc:
                if (kept != 0 && lasts)
                    effects.AddTimed(id, kept, keptDuration, type, type == kCombatFortifyAc ? 0 : effect.m_subTarget,
                                     nullptr);
                break;
            case kCombatResistPoison:
            case kCombatResistParalysis:
            case kCombatResistDisease:
            case kCombatResistMagic:
            case kCombatResistDiseases:
            case kCombatFortifyMagic:
            case kCombatFortifyMelee:
                if (percent != 0 && lasts)
                    effects.AddTimed(id, storedPercent(percent), keptDuration, type, 0,
                                     type == kCombatResistDisease ? effect.m_target.Text() : nullptr);
                break;
            case kCombatRestoreHp: SetCreatureHp(creature, creature.hp + (undead ? -kept : kept)); break;
            case kCombatRestoreUnholy: SetCreatureHp(creature, creature.hp + (undead ? kept : -kept)); break;
            case kCombatRestoreFullHp:
            case kCombatRestoreFullUnholy:
                if (undead == (type == kCombatRestoreFullUnholy))
                    creature.Heal();
                else
                    creature.hp = std::min<int16_t>(creature.hp, 1);
                break;
            case kCombatCurePoison: effects.RemoveTimed(id, kCombatPoison); break;
            case kCombatRemoveCurse: effects.RemoveTimed(id, kCombatCurse); break;
            case kCombatCureParalysis:
                effects.RemoveTimed(id, kCombatParalyze);
                setParalysed(*this, context, creature, false);
                break;
            case kCombatCureDisease: effects.Cure(id, effect.m_target.Text()); break;
            case kCombatDispel: dispel(*this, context, creature); break;
            case kCombatPoison: {
                const int amount = Resisted(magnitude, stats.PoisonResistance());
                if (amount >= 1 && lasts) effects.AddTimed(id, amount, keptDuration, kCombatPoison, 0, nullptr);
                break;
            }
            case kCombatCurse:
                if (lasts) effects.AddTimed(id, 1, keptDuration, kCombatCurse, 0, nullptr);
                break;
            case kCombatParalyze: {
                const int paralysis = Resisted(duration, stats.ParalysisResistance());
                if (paralysis < 1) break;
                effects.AddTimed(id, 1, paralysis, kCombatParalyze, 0, nullptr);
                setParalysed(*this, context, creature, true);
                break;
            }
            case kCombatDrainHp:
            case kCombatDrainSp: {
                const int gain = Resisted(2 * level, resistance);
                if (type == kCombatDrainHp)
                    context.player.ChangeHp(gain, false);
                else
                    context.player.ChangeMana(gain, false);
                break;
            }
            case kCombatInfectDisease:
                if (context.random.Next(100) > stats.DiseaseResistance()) effects.Infect(id, effect.m_target.Text());
                break;
            case kCombatMagicImmunity:
                if (!lasts) break;
                dispel(*this, context, creature);
                effects.AddTimed(id, 1, keptDuration, kCombatMagicImmunity, 0, nullptr);
                break;
            case kCombatCrush: crush = true; break;
            case kCombatCalm:
                if (context.random.Next(100) > resistance && m_kind != SMonsterBaseType::kKindPeople &&
                    creature.IsHostile() && context.map.FindObject(creature.ownerId) == nullptr && m_talkText.IsEmpty())
                    creature.MakePeaceful();
                break;
            case kCombatDetectMind:
                if (!mindShown) context.screen.ShowCreatureInfo(context.map, creature);
                mindShown = true;
                break;
            default: break;
        }
    }
    const int health = creature.HealthPercent();
    if (crush && health <= 25 && context.random.Next(100) > 3 * health) creature.hp = 0;
}
