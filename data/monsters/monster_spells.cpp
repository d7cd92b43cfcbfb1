#include <algorithm>
#include <cstdlib>

#include "data/effects/effect_rules.h"
#include "data/effects/effect_types.h"
#include "data/effects/stored_percent.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_grid.h"
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
    const SEffectType type = effect.Type();
    switch (type) {
        case kEffectFortifySkill:
        case kEffectFortifyAttribute:
            if (spell.m_targetKind != kTargetSelf) return 23 + random.Next(46);
            return stats.Has(type) ? 0 : 26 + random.Next(53);
        case kEffectRestoreHp:
        case kEffectRestoreUnholy:
            return undead == (type == kEffectRestoreUnholy) ? restoreScore(false, creature.hp, most, random) : 0;
        case kEffectRestoreFullHp:
        case kEffectRestoreFullUnholy:
            return undead == (type == kEffectRestoreFullUnholy) ? restoreScore(true, creature.hp, most, random) : 0;
        case kEffectFortifyAc: {
            const int weight = stats.Has(type) ? 80 : 40;
            return weight / 3 + random.Next(2 * weight / 3);
        }
        case kEffectCurePoison:
        case kEffectCureParalysis:
        case kEffectRemoveCurse:
        case kEffectDispel:
        case kEffectCureDisease: {
            bool needed = false;
            if (type == kEffectCurePoison) needed = stats.Has(kEffectPoison);
            if (type == kEffectCureParalysis) needed = stats.Has(kEffectParalyze);
            if (type == kEffectRemoveCurse) needed = stats.Has(kEffectCurse);
            if (type == kEffectDispel) needed = stats.Has(kEffectParalyze) || stats.Has(kEffectCurse);
            if (type == kEffectCureDisease) needed = effects.HasDisease(creature.id, effect.m_target.Text());
            return needed ? 30 + random.Next(60) : 0;
        }
        case kEffectResistPoison:
        case kEffectResistParalysis:
        case kEffectResistMagic:
        case kEffectResistDiseases: return stats.Has(type) ? 0 : 23 + random.Next(46);
        case kEffectDamageType: {
            // The damage suits a class of foe: undead players, or living ones.
            const bool undeadPlayer = context.player.Race() == kUndeadRace;
            const bool suits = (effect.m_subTarget == kUndeadClass && undeadPlayer) ||
                               (effect.m_subTarget == 1 && !undeadPlayer);
            return suits ? 26 + random.Next(53) : 0;
        }
        case kEffectDamageAll:
        case kEffectPoison:
        case kEffectCurse:
        case kEffectDrainHp:
        case kEffectDrainSp:
        case kEffectInfectDisease:
        case kEffectCrush:
        case kEffectLevelDrops: return 26 + random.Next(53);
        case kEffectParalyze: return 20 + random.Next(40);
        case kEffectNone:
        case kEffectFortifyHp:
        case kEffectFortifyUnholy:
        case kEffectRestoreMana:
        case kEffectFortifyMana:
        case kEffectResistDisease:
        case kEffectResistNormalWeapons:
        case kEffectFeather:
        case kEffectDamageBase:
        case kEffectCastSpell:
        case kEffectResistSpell:
        case kEffectFortifySpell:
        case kEffectFortifyMagic:
        case kEffectCreateWall:
        case kEffectFortifyMelee:
        case kEffectMagicImmunity:
        case kEffectCalm:
        case kEffectDetectSecrets:
        case kEffectDetectMind:
        case kEffectDisarm:
        case kEffectUnlock:
        case kEffectMark:
        case kEffectRecall:
        case kEffectTownPortal:
        case kEffectRechargeWand:
        case kEffectEnchant:
        case kEffectEnchantToo:
        case kEffectCreateFood:
        case kEffectRevealMap:
        case kEffectRestoreFullMana:
        case kEffectPermanentAttribute:
        case kEffectAlcoholic:
        case kEffectFortifyOutfit: break;
    }
    return 0;
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

// The hp effects on a creature; their harm beyond Restore is already in the spell's damage.
void applyVital(SCreature& creature, SVitalOutcome outcome, int kept) {
    switch (outcome) {
        case SVitalOutcome::Heal: SetCreatureHp(creature, creature.hp + kept); break;
        case SVitalOutcome::Harm: SetCreatureHp(creature, creature.hp - kept); break;
        case SVitalOutcome::HealFully: creature.Heal(); break;
        case SVitalOutcome::HarmToOne: creature.hp = std::min<int16_t>(creature.hp, 1); break;
        case SVitalOutcome::None:
        case SVitalOutcome::Fortify:
        case SVitalOutcome::HarmKeepingOne: break;
    }
}

void dispel(const SMonster& monster, SMonsterContext& context, const SCreature& creature) {
    SCreatureEffects& effects = context.map.Effects();
    if (effects.IsParalyzed(creature.id)) {
        effects.RemoveTimed(creature.id, kEffectParalyze);
        setParalysed(monster, context, creature, false);
    }
    for (int type = 0; type < kEffectTypeCount; ++type)
        if (IsDispelledEffect(type)) effects.RemoveTimed(creature.id, uint8_t(type));
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
    const bool immune = stats.Has(kEffectMagicImmunity);
    const bool undead = stats.IsUndead();
    const uint8_t id = creature.id;
    bool crush = false;
    bool mindShown = false;
    for (int i = 0; i < spell.m_effects.Count(); ++i) {
        const SEffect& effect = *spell.m_effects[i];
        const SEffectType type = effect.Type();
        if (immune && type != kEffectDispel) continue;
        const int magnitude = effect.GetMagnitude(level);
        const int kept = Resisted(magnitude, resistance);
        const int percent = Resisted(FoldPercent(magnitude), resistance);
        const int duration = effect.GetDuration(level) + 1;
        const int keptDuration = Resisted(duration, resistance);
        // A duration of 0 would last for ever: fully resisted, the effect takes no hold.
        const bool lasts = keptDuration >= 1;
        switch (type) {
            case kEffectFortifyAttribute:
            case kEffectFortifyAc:
                if (kept != 0 && lasts)
                    effects.AddTimed(id, kept, keptDuration, type, type == kEffectFortifyAc ? 0 : effect.m_subTarget,
                                     nullptr);
                break;
            case kEffectResistPoison:
            case kEffectResistParalysis:
            case kEffectResistDisease:
            case kEffectResistMagic:
            case kEffectResistDiseases:
            case kEffectFortifyMagic:
            case kEffectFortifyMelee:
                if (percent != 0 && lasts)
                    effects.AddTimed(id, PercentToStored(percent), keptDuration, type, 0,
                                     type == kEffectResistDisease ? effect.m_target.Text() : nullptr);
                break;
            case kEffectRestoreHp:
            case kEffectRestoreUnholy:
            case kEffectRestoreFullHp:
            case kEffectRestoreFullUnholy:
            case kEffectFortifyHp:
            case kEffectFortifyUnholy: applyVital(creature, VitalOutcome(type, undead), kept); break;
            case kEffectCurePoison: effects.RemoveTimed(id, kEffectPoison); break;
            case kEffectRemoveCurse: effects.RemoveTimed(id, kEffectCurse); break;
            case kEffectCureParalysis:
                effects.RemoveTimed(id, kEffectParalyze);
                setParalysed(*this, context, creature, false);
                break;
            case kEffectCureDisease: effects.Cure(id, effect.m_target.Text()); break;
            case kEffectDispel: dispel(*this, context, creature); break;
            case kEffectPoison: {
                const int amount = Resisted(magnitude, stats.PoisonResistance());
                if (amount >= 1 && lasts) effects.AddTimed(id, amount, keptDuration, kEffectPoison, 0, nullptr);
                break;
            }
            case kEffectCurse:
                if (lasts) effects.AddTimed(id, 1, keptDuration, kEffectCurse, 0, nullptr);
                break;
            case kEffectParalyze: {
                const int paralysis = Resisted(duration, stats.ParalysisResistance());
                if (paralysis < 1) break;
                effects.AddTimed(id, 1, paralysis, kEffectParalyze, 0, nullptr);
                setParalysed(*this, context, creature, true);
                break;
            }
            case kEffectDrainHp:
            case kEffectDrainSp: {
                const int gain = Resisted(2 * level, resistance);
                if (type == kEffectDrainHp)
                    context.player.ChangeHp(gain, false);
                else
                    context.player.ChangeMana(gain, false);
                break;
            }
            case kEffectInfectDisease:
                if (context.random.Next(100) > stats.DiseaseResistance()) effects.Infect(id, effect.m_target.Text());
                break;
            case kEffectMagicImmunity:
                if (!lasts) break;
                dispel(*this, context, creature);
                effects.AddTimed(id, 1, keptDuration, kEffectMagicImmunity, 0, nullptr);
                break;
            case kEffectCrush: crush = true; break;
            case kEffectCalm:
                if (context.random.Next(100) > resistance && m_kind != SMonsterBaseType::kKindPeople &&
                    creature.IsHostile() && context.map.FindObject(creature.ownerId) == nullptr && m_talkText.IsEmpty())
                    creature.MakePeaceful();
                break;
            case kEffectDetectMind:
                if (!mindShown) context.screen.ShowCreatureInfo(context.map, creature);
                mindShown = true;
                break;
            // What these do to the creature, its damage holds.
            case kEffectNone:
            case kEffectFortifySkill:
            case kEffectRestoreMana:
            case kEffectFortifyMana:
            case kEffectResistNormalWeapons:
            case kEffectFeather:
            case kEffectDamageBase:
            case kEffectDamageType:
            case kEffectDamageAll:
            case kEffectCastSpell:
            case kEffectResistSpell:
            case kEffectFortifySpell:
            case kEffectCreateWall:
            case kEffectDetectSecrets:
            case kEffectDisarm:
            case kEffectUnlock:
            case kEffectMark:
            case kEffectRecall:
            case kEffectTownPortal:
            case kEffectRechargeWand:
            case kEffectEnchant:
            case kEffectEnchantToo:
            case kEffectCreateFood:
            case kEffectLevelDrops:
            case kEffectRevealMap:
            case kEffectRestoreFullMana:
            case kEffectPermanentAttribute:
            case kEffectAlcoholic:
            case kEffectFortifyOutfit: break;
        }
    }
    if (crush && CrushFinishes(creature.hp, creature.MostHp(), SCrushMeasure::WholePercent, &context.random))
        creature.hp = 0;
}
