// What reaches the player in a fight: a monster's blow with the armour it wears, the strike effects
// of the monster past the player's resistances, and a trap's damage.
#include <algorithm>

#include "data/effects/effect.h"
#include "data/effects/effect_rules.h"
#include "data/effects/stored_percent.h"
#include "data/items/item.h"
#include "data/items/item_type.h"
#include "data/maps/creature.h"
#include "data/monsters/creature_stats.h"
#include "data/monsters/monster.h"
#include "data/monsters/monster_context.h"
#include "data/monsters/monster_screen.h"
#include "data/player/player.h"
#include "data/player/worn_weapon.h"
#include "data/rules/character_ids.h"
#include "data/rules/day_hours.h"
#include "engine/base/minutes_per_day.h"
#include "engine/base/random.h"

namespace {

constexpr int32_t kSides = 4;
constexpr int32_t kMissSound = 10;
// Rain and night dim a missile's flight: the share of its damage lost, in percent.
constexpr int32_t kRainPerPercent = 20;
constexpr int32_t kNightPercent = 50;

bool isNight(uint32_t minutes) {
    const uint32_t hour = (minutes % kMinutesPerDay) / 60;
    return hour < kFirstDayHour || hour > kLastDayHour;
}

}  // namespace

void SPlayer::TakeHit(SMonsterContext& context, SCreature& attacker, int32_t side, bool weatherFlag) {
    if (attacker.monster == nullptr) return;
    int32_t damage = attacker.monster->RollDamage(context, attacker);
    if (weatherFlag && context.screen.OnSurface()) {
        const int32_t percent = context.screen.RainIntensity() / kRainPerPercent +
                                (isNight(context.screen.GameMinutes()) ? kNightPercent : 0);
        damage -= damage * percent / 100;
    }
    // The attacker's side of the view seen from the player: the opposite one.
    side = side >= 0 ? (side + 2) % kSides : context.screen.RemoveActiveMonster(attacker);
    bool shieldHit = false;
    WearArmorOnHit(damage, side, context.screen.PlayerHeading(), shieldHit);
    int32_t net = damage - GetArmorClassWithBlock(shieldHit);
    if (net < 1) net = m_rules.random && m_rules.random->Next(100) >= 51 ? m_rules.random->Next(5) : 0;
    if (net == 0) {
        // The blow the shield animation showed was parried.
        const char* sound = context.screen.PendingAttackSound(side);
        if (sound == nullptr) return;
        CountSkillUse(kSkillBlock);
        context.screen.PlaySound(sound, kMissSound);
        return;
    }
    ChangeHp(-net, false);
    if (m_screen) m_screen->QueueHitFromSide(side, net);
    strikeEffects(attacker, net);
}

void SPlayer::strikeEffects(SCreature& attacker, int32_t net) {
    const SEffectList& effects = attacker.monster->m_effects;
    for (int i = 0; i < effects.Count(); ++i) {
        const SEffect& effect = *effects.Get(i);
        if (effect.m_source != kSourceStrike) continue;
        // Its magnitude is the chance that a blow passes it on, a stored percentage.
        if (m_rules.random == nullptr || m_rules.random->Next(100) >= StoredPercent(effect.m_baseMagnitude)) continue;
        switch (effect.Type()) {
            case kEffectPoison: PoisonAttack(net / 10 + (net < 10 ? 1 : 0)); break;
            case kEffectCurse: CurseAttack(net / 5 + (net < 5 ? 1 : 0)); break;
            case kEffectParalyze: ParalyzeAttack(net / 10 + (net < 5 ? 1 : 0)); break;
            case kEffectDrainHp: SetCreatureHp(attacker, int64_t(attacker.hp) + DamageResisted(net / 2)); break;
            case kEffectDrainSp: DrainManaResisted(net / 2); break;
            case kEffectInfectDisease: TryInfect(effect.m_target.Text()); break;
            case kEffectLevelDrops: DrainXp(); break;
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
            case kEffectRevealMap:
            case kEffectRestoreFullMana:
            case kEffectPermanentAttribute:
            case kEffectAlcoholic:
            case kEffectFortifyOutfit: break;
        }
    }
}

void SPlayer::WearArmorOnHit(int32_t wear, int32_t side, int32_t headingDegrees, bool& shieldHit) {
    SItem* second = m_equipment[kSlotSecondHand];
    SItem* shield = second && !IsWeapon(second) && !IsParalyzed() ? second : nullptr;
    SItem* armour = m_equipment[kSlotArmour];
    auto chance = [this](int32_t above) { return m_rules.random && m_rules.random->Next(100) > above; };
    SItem* worn = nullptr;
    if (side >= 0 && (side + 2) % kSides == headingDegrees / 90) {
        // From the front the shield takes the blow first, then the body armour, then the helm.
        if (shield && chance(50)) {
            shieldHit = true;
            worn = shield;
        } else if (armour && chance(70)) {
            worn = armour;
        } else if (m_equipment[kSlotHelm] && chance(90)) {
            worn = m_equipment[kSlotHelm];
        }
    } else if (side >= 0) {
        if (armour && chance(50)) worn = armour;
    } else if (m_equipment[kSlotBoots] && chance(50)) {
        worn = m_equipment[kSlotBoots];
    }
    if (worn) BreakItem(worn, wear, SWearCause::Struck);
}

bool SPlayer::strikeTimedEffect(uint32_t kind, int32_t minutes, int32_t resistance) {
    const int32_t lasting = Resisted(minutes, resistance);
    if (m_rules.random == nullptr || m_rules.random->Next(100) <= resistance || lasting < 1) return false;
    AddTimedEffect(kFromMonster, nullptr, 1, uint32_t(lasting), kind, 0, nullptr);
    return true;
}

void SPlayer::PoisonAttack(int32_t amount) {
    const int32_t resistance = GetPoisonResistance();
    const int32_t poison = Resisted(amount, resistance);
    if (m_rules.random == nullptr || m_rules.random->Next(100) <= resistance || poison < 1) return;
    AddTimedEffect(kFromMonster, nullptr, poison, 0, kEffectPoison, 0, nullptr);
    ApplyPoisonDamage();
}

void SPlayer::CurseAttack(int32_t minutes) { strikeTimedEffect(kEffectCurse, minutes, GetMagicResistance()); }

void SPlayer::ParalyzeAttack(int32_t minutes) {
    if (strikeTimedEffect(kEffectParalyze, minutes, GetParalysisResistance()) && m_screen) m_screen->UpdateHands();
}

int32_t SPlayer::takeResisted(int16_t& value, int32_t maximum, int32_t amount) {
    const int32_t resistance = GetMagicResistance();
    const int32_t taken = Resisted(amount, resistance);
    if (m_rules.random == nullptr || m_rules.random->Next(100) <= resistance || taken < 1) return 0;
    return -changeVital(value, maximum, -taken);
}

int32_t SPlayer::DamageResisted(int32_t amount) {
    const int32_t taken = takeResisted(m_hp, GetMaxHp(), amount);
    refreshHpBar();
    return taken;
}

int32_t SPlayer::DrainManaResisted(int32_t amount) {
    const int32_t taken = takeResisted(m_mana, GetMaxMana(), amount);
    refreshManaBar();
    return taken;
}

void SPlayer::TryInfect(const char* disease) {
    const int32_t roll = m_rules.random ? m_rules.random->Next(100) : 0;
    if (roll > GetDiseaseResistance() && roll > GetDiseaseResistanceFor(disease)) InfectDisease(disease, true);
}

void SPlayer::ApplyTrapDamage(int32_t amount, int32_t side) {
    ChangeHp(-amount, false);
    if (m_screen) m_screen->QueueHitFromSide(side, amount);
}
