// How effects act on the player: timed entries with their announcements, poison, drink, used
// items and spells cast at the player.
#include <algorithm>

#include "data/effects/effect_rules.h"
#include "data/effects/stored_percent.h"
#include "data/items/item.h"
#include "data/player/player.h"
#include "data/spells/spell_type.h"
#include "engine/base/random.h"

namespace {

constexpr uint8_t kHumanoidOrCreatureClass = 1;
constexpr int32_t kMaxDrinkMinutes = 240;

}  // namespace

void SPlayer::AddTimedEffect(uint8_t origin, const void* source, int32_t magnitude, uint32_t minutes, uint32_t kind,
                             uint32_t subId, const char* name) {
    if (kind == kEffectPoison && PoisonTotal() == 0) queue("You're poisoned!", nullptr);
    if (kind == kEffectParalyze && !IsParalyzed()) queue("You're paralyzed!", nullptr);
    m_effects.Add(origin, source, magnitude, minutes, kind, subId, name);
}

void SPlayer::addLastingEffect(uint8_t origin, const void* source, const SEffect& effect) {
    AddTimedEffect(origin, source, effect.m_baseMagnitude, 0, effect.m_type, effect.m_subTarget,
                   effect.m_target.Text());
}

void SPlayer::PassTimeEffects(int32_t minutes) {
    if (m_effects.PassTime(minutes) && m_screen) m_screen->UpdateHands();
}

void SPlayer::RemoveTimedEffects(uint32_t kind) {
    if (m_effects.RemoveTimed(kind) && kind == kEffectParalyze && m_screen) m_screen->UpdateHands();
}

void SPlayer::Dispel() {
    m_effects.Dispel();
    if (m_screen) m_screen->UpdateHands();
}

int32_t SPlayer::ApplyPoisonDamage() {
    const int32_t poison = PoisonTotal();
    if (poison <= 0) return 0;
    // Poison never kills, and never wakes the dead either.
    m_hp = m_hp <= poison ? std::min<int16_t>(m_hp, 1) : int16_t(m_hp - poison);
    refreshHpBar();
    if (m_screen) m_screen->QueuePoisonHurt(poison);
    return poison;
}

void SPlayer::Drink(int32_t magnitude, const void* source) {
    const int32_t endurance = GetAttribute(3);
    const bool wasDrunk = Drunkenness() > 2 * endurance;
    const int32_t minutes = (magnitude / 5) * 60;
    const int32_t duration = std::min(Resisted(minutes, endurance), kMaxDrinkMinutes);
    // A drink too weak to last would otherwise be stored as lasting for ever.
    if (duration <= 0) return;
    SActiveEffect effect;
    effect.source = source;
    effect.magnitude = int16_t(std::clamp<int32_t>(magnitude, INT16_MIN, INT16_MAX));
    effect.duration = SActiveEffect::StoredDuration(uint32_t(duration));
    effect.type = kPlayerAlcoholic;
    effect.origin = kFromUsedItem;
    m_effects.Append(std::move(effect));
    if (!wasDrunk && Drunkenness() > 2 * endurance) queue("You're drunk!", "bsnd_ambientman4");
}

void SPlayer::lowerHpKeepingOne(int32_t amount) {
    m_hp = int16_t(std::max<int32_t>(m_hp - std::max(amount, 0), std::min<int16_t>(m_hp, 1)));
}

void SPlayer::ApplyItemEffects(const SItem& item) {
    const SEffectList* effects = item.Effects();
    if (effects == nullptr) return;
    const void* source = item.m_type;
    const bool undead = IsUndead();
    for (int i = 0; i < effects->Count(); ++i) {
        const SEffect& effect = *effects->Get(i);
        const int32_t m = effect.m_baseMagnitude;
        const uint32_t d = uint32_t(std::max<int32_t>(effect.m_baseDuration, 0));
        // A timed effect without a duration would never end.
        const bool timed = m != 0 && d != 0;
        const SEffectType kind = effect.Type();
        switch (kind) {
            case kEffectFortifyMana:
            case kEffectResistPoison:
            case kEffectResistParalysis:
            case kEffectFeather:
            case kEffectResistMagic:
            case kEffectResistDiseases:
            case kEffectFortifyMagic:
            case kEffectFortifyMelee:
                if (timed) AddTimedEffect(kFromUsedItem, source, m, d, kind, 0, nullptr);
                break;
            case kEffectFortifyAttribute:
                if (timed) AddTimedEffect(kFromUsedItem, source, m, d, kind, effect.m_subTarget, nullptr);
                break;
            case kEffectRestoreHp:
            case kEffectRestoreFullHp:
            case kEffectFortifyHp:
            case kEffectRestoreUnholy:
            case kEffectRestoreFullUnholy:
            case kEffectFortifyUnholy:
                switch (VitalOutcome(kind, undead)) {
                    case SVitalOutcome::Heal: ChangeHp(m, false); break;
                    case SVitalOutcome::HealFully: SetFullHp(false); break;
                    case SVitalOutcome::Fortify:
                        if (timed) AddTimedEffect(kFromUsedItem, source, m, d, kind, 0, nullptr);
                        break;
                    case SVitalOutcome::Harm: ChangeHp(-m, false); break;
                    case SVitalOutcome::HarmToOne: SetHp(1, false); break;
                    case SVitalOutcome::HarmKeepingOne: lowerHpKeepingOne(m); break;
                    case SVitalOutcome::None: break;
                }
                break;
            case kEffectRestoreMana: ChangeMana(m, false); break;
            case kEffectCurePoison: RemoveTimedEffects(kEffectPoison); break;
            case kEffectCureParalysis: RemoveTimedEffects(kEffectParalyze); break;
            case kEffectCureDisease: CureDisease(effect.m_target.Text(), true); break;
            case kEffectResistDisease:
                if (timed) AddTimedEffect(kFromUsedItem, source, m, d, kind, 0, effect.m_target.Text());
                break;
            case kEffectDispel: Dispel(); break;
            case kEffectPoison: {
                const int32_t poison = Resisted(m, GetPoisonResistance());
                if (poison == 0) break;
                AddTimedEffect(kFromUsedItem, source, poison, 0, kind, 0, nullptr);
                ApplyPoisonDamage();
                break;
            }
            case kEffectRestoreFullMana: RestoreFullMana(false); break;
            case kEffectPermanentAttribute:
                if (effect.m_subTarget >= 1 && effect.m_subTarget <= kLastAttribute)
                    AddAttributeValue(effect.m_subTarget, 1, false);
                break;
            case kEffectAlcoholic: Drink(m, source); break;
            // Used items do nothing with these.
            case kEffectNone:
            case kEffectFortifySkill:
            case kEffectFortifyAc:
            case kEffectResistNormalWeapons:
            case kEffectRemoveCurse:
            case kEffectDamageBase:
            case kEffectDamageType:
            case kEffectDamageAll:
            case kEffectCurse:
            case kEffectParalyze:
            case kEffectDrainHp:
            case kEffectDrainSp:
            case kEffectCastSpell:
            case kEffectInfectDisease:
            case kEffectResistSpell:
            case kEffectFortifySpell:
            case kEffectCreateWall:
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
            case kEffectFortifyOutfit: break;
        }
    }
}

void SPlayer::ApplySpell(const SSpellType& spell, int32_t level, bool friendly, int32_t side, bool filter) {
    const int32_t resistance = GetMagicResistance();
    const bool immune = IsMagicImmune();
    const auto roll = [&] { return friendly || (m_rules.random && m_rules.random->Next(100) > resistance); };
    const auto lowered = [&](int32_t value) { return friendly ? value : Resisted(value, resistance); };
    const bool undead = IsUndead();
    int32_t damage = 0;
    bool crushing = false;
    for (int i = 0; i < spell.m_effects.Count(); ++i) {
        const SEffect& effect = *spell.m_effects[i];
        if (filter && effect.m_source == kSourceNone) continue;
        const SEffectType kind = effect.Type();
        if (immune && kind != kEffectDispel) continue;
        const int32_t fullMagnitude = effect.GetMagnitude(level);
        const int32_t fullDuration = effect.GetDuration(level);
        const int32_t m = lowered(fullMagnitude);
        const uint32_t d = uint32_t(std::max(lowered(fullDuration), 0));
        const auto vital = [&] {
            switch (VitalOutcome(kind, undead)) {
                case SVitalOutcome::Heal: ChangeHp(m, false); break;
                case SVitalOutcome::HealFully: SetFullHp(false); break;
                case SVitalOutcome::Fortify:
                    if (m != 0 && d != 0) AddTimedEffect(kFromSpell, &spell, m, d, kind, 0, nullptr);
                    break;
                case SVitalOutcome::Harm: damage += m; break;
                case SVitalOutcome::HarmToOne: damage += std::max(m_hp - 1, 0); break;
                case SVitalOutcome::HarmKeepingOne: damage += std::clamp(m, 0, std::max(m_hp - 1, 0)); break;
                case SVitalOutcome::None: break;
            }
        };
        switch (kind) {
            case kEffectFortifyAttribute:
            case kEffectFortifyAc:
            case kEffectFeather: {
                const uint32_t subId = kind == kEffectFortifyAttribute ? effect.m_subTarget : 0;
                if (roll() && m != 0 && d != 0) AddTimedEffect(kFromSpell, &spell, m, d, kind, subId, nullptr);
                break;
            }
            case kEffectResistPoison:
            case kEffectResistParalysis:
            case kEffectResistDisease:
            case kEffectResistMagic:
            case kEffectResistDiseases:
            case kEffectFortifyMagic:
            case kEffectFortifyMelee: {
                const int32_t stored = PercentToStored(lowered(FoldPercent(fullMagnitude)));
                const char* name = kind == kEffectResistDisease ? effect.m_target.Text() : nullptr;
                if (roll() && stored != 0 && d != 0) AddTimedEffect(kFromSpell, &spell, stored, d, kind, 0, name);
                break;
            }
            case kEffectFortifyHp:
                // Of the hp effects only Fortify hp must pass the roll, on either nature.
                if (roll()) vital();
                break;
            case kEffectRestoreHp:
            case kEffectRestoreFullHp:
            case kEffectRestoreUnholy:
            case kEffectRestoreFullUnholy:
            case kEffectFortifyUnholy: vital(); break;
            case kEffectCurePoison: RemoveTimedEffects(kEffectPoison); break;
            case kEffectCureParalysis: RemoveTimedEffects(kEffectParalyze); break;
            case kEffectRemoveCurse: RemoveTimedEffects(kEffectCurse); break;
            case kEffectCureDisease: CureDisease(effect.m_target.Text(), true); break;
            case kEffectDispel: Dispel(); break;
            case kEffectDamageType:
                if ((!undead && effect.m_subTarget == kHumanoidOrCreatureClass) ||
                    (undead && effect.m_subTarget == kUndeadClass))
                    damage += Resisted(fullMagnitude, resistance);
                break;
            case kEffectDamageAll: damage += Resisted(fullMagnitude, resistance); break;
            case kEffectPoison: {
                const int32_t poisonResistance = GetPoisonResistance();
                const int32_t poison = Resisted(fullMagnitude, poisonResistance);
                if (!friendly && m_rules.random && m_rules.random->Next(100) <= poisonResistance) break;
                if (poison == 0) break;
                AddTimedEffect(kFromSpell, &spell, poison, 0, kind, 0, nullptr);
                damage += poison;
                break;
            }
            case kEffectCurse:
                if (roll() && d != 0) AddTimedEffect(kFromSpell, &spell, 0, d, kind, 0, nullptr);
                break;
            case kEffectParalyze: {
                const int32_t paralysisResistance = GetParalysisResistance();
                const int32_t minutes = Resisted(fullDuration, paralysisResistance);
                if (!friendly && m_rules.random && m_rules.random->Next(100) <= paralysisResistance) break;
                if (minutes <= 0) break;
                AddTimedEffect(kFromSpell, &spell, 0, uint32_t(minutes), kind, 0, nullptr);
                if (m_screen) m_screen->UpdateHands();
                break;
            }
            case kEffectDrainHp: damage += m; break;
            case kEffectDrainSp:
                if (m != 0) ChangeMana(-m, false);
                break;
            case kEffectInfectDisease: {
                const char* disease = effect.m_target.Text();
                if (m_rules.random && m_rules.random->Next(100) > GetDiseaseResistanceFor(disease))
                    InfectDisease(disease, true);
                break;
            }
            case kEffectMagicImmunity:
                if (!roll() || d == 0) break;
                Dispel();
                AddTimedEffect(kFromSpell, &spell, m, d, kind, 0, nullptr);
                break;
            case kEffectCrush:
                damage += Resisted(fullMagnitude, resistance);
                crushing = true;
                break;
            case kEffectCalm:
                if (m_screen) m_screen->CalmMonsters(level / 10);
                break;
            case kEffectMark:
            case kEffectRecall:
            case kEffectTownPortal:
            case kEffectRechargeWand:
                if (m_screen)
                    m_screen->QueueSimpleEvent(SPlayerEvent(uint32_t(SPlayerEvent::Mark) + kind - kEffectMark), 0);
                break;
            case kEffectEnchant:
            case kEffectEnchantToo:
                if (m_screen) m_screen->QueueSimpleEvent(SPlayerEvent::Enchant, level);
                break;
            case kEffectCreateFood: CreateFood(); break;
            case kEffectLevelDrops: DrainXp(); break;
            // Spells cast at the player do nothing with these.
            case kEffectNone:
            case kEffectFortifySkill:
            case kEffectRestoreMana:
            case kEffectFortifyMana:
            case kEffectResistNormalWeapons:
            case kEffectDamageBase:
            case kEffectCastSpell:
            case kEffectResistSpell:
            case kEffectFortifySpell:
            case kEffectCreateWall:
            case kEffectDetectSecrets:
            case kEffectDetectMind:
            case kEffectDisarm:
            case kEffectUnlock:
            case kEffectRevealMap:
            case kEffectRestoreFullMana:
            case kEffectPermanentAttribute:
            case kEffectAlcoholic:
            case kEffectFortifyOutfit: break;
        }
    }
    if (damage != 0) {
        m_hp = int16_t(std::clamp<int32_t>(m_hp - damage, 0, std::max(GetMaxHp(), 0)));
        refreshHpBar();
        if (m_screen) m_screen->QueueHitFromSide(side, damage);
    }
    if (crushing && m_hp > 0 && CrushFinishes(m_hp, GetMaxHp(), SCrushMeasure::Exact, m_rules.random)) {
        if (m_screen) m_screen->QueueDamage(m_hp);
        m_hp = 0;
        refreshHpBar();
    }
}
