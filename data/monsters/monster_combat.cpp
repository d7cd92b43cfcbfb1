#include <algorithm>
#include <cstdlib>

#include "data/effects/effect_rules.h"
#include "data/items/item.h"
#include "data/items/item_database.h"
#include "data/maps/creature.h"
#include "data/maps/map.h"
#include "data/maps/map_grid.h"
#include "data/monsters/creature_pose.h"
#include "data/monsters/creature_stats.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/monsters/monster_events.h"
#include "data/monsters/monster_reactions.h"
#include "data/monsters/monster_screen.h"
#include "data/player/player.h"
#include "data/spells/spell_table.h"
#include "engine/base/random.h"
#include "render/view_descriptor.h"

namespace {

// A melee blow comes from the side the play screen stored with the acting creature.
constexpr int32_t kSideStoredWithAttacker = -1;

SCreatureStats statsOf(const SMonster& monster, const SMonsterContext& context, const SCreature& creature) {
    return SCreatureStats(monster, creature, context.map.Effects(), context.diseases);
}

bool standsNextToPlayer(const SMonsterContext& context, const SCreature& creature) {
    return std::abs(creature.x - context.screen.PlayerX()) + std::abs(creature.y - context.screen.PlayerY()) == 1;
}

// The flash a blow of that damage shows on the creature, in percent of its sprite.
uint16_t hitFlash(int damage) {
    if (damage >= 60) return 100;
    if (damage > 10) return uint16_t(2 * (damage - 10) + 50);
    return 50;
}

// The strike effects of one weapon, each with its share of the blow.
void applyStrikeEffects(const SMonster& monster, SMonsterContext& context, SCreature& creature, const SItem& weapon,
                        int share) {
    const SEffectList* effects = weapon.Effects();
    if (effects == nullptr) return;
    const SCreatureStats stats = statsOf(monster, context, creature);
    SCreatureEffects& timed = context.map.Effects();
    const int strength = share / 5 + 1;
    for (int i = 0; i < effects->Count(); ++i) {
        const SEffect& effect = *effects->Get(i);
        if (effect.m_source != kSourceStrike) continue;
        switch (effect.Type()) {
            case kEffectPoison: {
                const int resistance = stats.PoisonResistance();
                if (context.random.Next(100) <= resistance) break;
                const int amount = Resisted(strength, resistance);
                if (amount >= 1) timed.AddTimed(creature.id, amount, strength, kEffectPoison, 0, nullptr);
                break;
            }
            case kEffectCurse: timed.AddTimed(creature.id, 1, strength, kEffectCurse, 0, nullptr); break;
            case kEffectParalyze: {
                const int resistance = stats.ParalysisResistance();
                if (context.random.Next(100) <= resistance) break;
                const int duration = Resisted(strength, resistance);
                if (duration < 1) break;
                timed.AddTimed(creature.id, 1, duration, kEffectParalyze, 0, nullptr);
                SetSpritePalette(context.grid, creature, monster.m_paralysedPaletteSlot);
                break;
            }
            case kEffectDrainHp:
            case kEffectDrainSp: {
                const int resistance = stats.MagicResistance();
                if (context.random.Next(100) <= resistance) break;
                const int gain = Resisted(share, resistance);
                if (effect.m_type == kEffectDrainHp)
                    context.player.ChangeHp(gain, false);
                else
                    context.player.ChangeMana(gain, false);
                break;
            }
            case kEffectInfectDisease:
                if (context.random.Next(100) > stats.DiseaseResistance())
                    timed.Infect(creature.id, effect.m_target.Text());
                break;
            // Only the effects above pass on with a blow.
            case kEffectNone:
            case kEffectFortifySkill:
            case kEffectFortifyAttribute:
            case kEffectRestoreHp:
            case kEffectRestoreFullHp:
            case kEffectFortifyHp:
            case kEffectRestoreUnholy:
            case kEffectRestoreFullUnholy:
            case kEffectFortifyUnholy:
            case kEffectRestoreMana:
            case kEffectFortifyMana:
            case kEffectFortifyAc:
            case kEffectCurePoison:
            case kEffectCureParalysis:
            case kEffectCureDisease:
            case kEffectResistPoison:
            case kEffectResistParalysis:
            case kEffectResistDisease:
            case kEffectResistNormalWeapons:
            case kEffectDispel:
            case kEffectFeather:
            case kEffectRemoveCurse:
            case kEffectResistMagic:
            case kEffectDamageBase:
            case kEffectDamageType:
            case kEffectDamageAll:
            case kEffectCastSpell:
            case kEffectResistDiseases:
            case kEffectResistSpell:
            case kEffectFortifySpell:
            case kEffectFortifyMagic:
            case kEffectCreateWall:
            case kEffectFortifyMelee:
            case kEffectMagicImmunity:
            case kEffectCrush:
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
            case kEffectLevelDrops:
            case kEffectRevealMap:
            case kEffectRestoreFullMana:
            case kEffectPermanentAttribute:
            case kEffectAlcoholic:
            case kEffectFortifyOutfit: break;
        }
    }
}

}  // namespace

int SMonster::RollDamage(SMonsterContext& context, const SCreature& creature) const {
    return statsOf(*this, context, creature).RollDamage(context.random);
}

int SMonster::SpellChance(SMonsterContext& context, const SCreature& creature) const {
    return statsOf(*this, context, creature).SpellChance();
}

bool SMonster::CanCastAtRange(const SSpellTable& spells, int distance) const {
    for (int i = 0; i < m_effects.Count(); ++i) {
        const SEffect& effect = *m_effects.Get(i);
        if (effect.m_source != kSourceSpellCharge) continue;
        const SSpellType* spell = spells.FindSpell(effect.m_target.Text());
        if (spell == nullptr || !spell->IsOffensive()) continue;
        if (spell->m_targetKind == kTargetRanged && distance >= 1) return true;
        if (spell->m_targetKind == kTargetTouch && distance == 1) return true;
    }
    return false;
}

void SMonster::Attack(SMonsterContext& context, SCreature& creature) {
    const bool melee = m_attackKind == kAttackMelee ||
                       (m_attackKind == kAttackMeleeWhenAdjacent && standsNextToPlayer(context, creature));
    if (melee) {
        context.player.TakeHit(context, creature, kSideStoredWithAttacker, false);
        return;
    }
    if (m_attackKind == kAttackMissile) {
        context.screen.RemoveActiveMonster(creature);
        const SFpsItem* missile = m_baseType ? context.items.FindFpsItem(m_baseType->m_missile) : nullptr;
        if (missile) context.screen.LaunchMissile(context.map, creature, *missile, m_missilePaletteSlot);
        return;
    }
    if (m_attackKind != kAttackSpell && m_attackKind != kAttackMeleeWhenAdjacent) return;
    context.screen.RemoveActiveMonster(creature);
    const SSpellType* spell = ChooseSpell(context, creature, context.screen.ChoseAreaAttack(creature));
    if (spell) context.screen.CastMonsterSpell(context.map, creature, *spell, SpellChance(context, creature));
}

int SMonster::OnEvent(uint32_t event, SMonsterContext& context, SCreature& creature, bool& changed) {
    switch (event) {
        case kEventAttacked: OnAttacked(context, creature); break;
        case kEventSpellCast: OnSpellCast(context, creature); break;
        case kEventUsed: OnUsed(context, creature); break;
        case kEventKilled: changed = OnKilled(context, creature, true) || changed; break;
        default: break;
    }
    return 0;
}

void SMonster::OnAttacked(SMonsterContext& context, SCreature& creature) {
    const int damage = context.event.damage;
    if (damage == 0 || IsMarkedDead(context.map, creature)) return;
    if (m_kind == SMonsterBaseType::kKindPeople) {
        PunishAttackOnPeople(context);
        return;
    }
    if (LooksPeaceful(*this, context.map, creature)) {
        WarnOfPeacefulCreature(context);
        return;
    }
    if (!creature.IsHostile()) {
        creature.MakeAggressive();
        context.screen.RedrawView();
    }
    SetCreatureHp(creature, int64_t(creature.hp) - damage);

    SItem* const* weapons = context.event.weapons;
    const bool twoWeapons = weapons[0] != nullptr && weapons[1] != nullptr;
    for (SItem* weapon : context.event.weapons)
        if (weapon) applyStrikeEffects(*this, context, creature, *weapon, twoWeapons ? damage / 2 : damage);

    EnterHitPose(creature);
    if (SItemPileRecord* sprite = context.grid.CreatureSprite(creature)) {
        sprite->m_flags &= uint16_t(~SItemPileRecord::kMarkerB);
        sprite->m_markerPercent = hitFlash(damage);
    }
    const int volume = context.screen.SoundVolumeAt(creature.x, creature.y);
    if (creature.hp > 0)
        PlayHitSound(context, volume);
    else
        PlayDeathSound(context, volume);
}

void SMonster::OnUsed(SMonsterContext& context, SCreature& creature) {
    const int quarter = HeadingQuarter(context.screen.PlayerHeading());
    if (m_kind == SMonsterBaseType::kKindPeople) {
        if (FacingOf(creature) == quarter) {
            context.screen.QueueStealQuestion(context.map, creature);
            return;
        }
        SetFacing(creature, quarter + 2);
    }
    context.screen.TalkToCreature(context.map, creature);
}
