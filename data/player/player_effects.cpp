// How effects act on the player: timed entries with their announcements, poison, drink, used
// items and spells cast at the player.
#include <algorithm>

#include "data/effects/stored_percent.h"
#include "data/items/item.h"
#include "data/player/player.h"
#include "data/spells/spell_type.h"
#include "engine/base/random.h"

namespace {

enum SEffectKind : uint32_t {
    kKindFortifyAttribute = 2,
    kKindRestoreHp = 3,
    kKindRestoreFullHp = 4,
    kKindFortifyHp = 5,
    kKindRestoreUnholy = 6,
    kKindRestoreFullUnholy = 7,
    kKindFortifyUnholy = 8,
    kKindRestoreMana = 9,
    kKindCurePoison = 12,
    kKindCureParalysis = 13,
    kKindCureDisease = 14,
    kKindResistDisease = 17,
    kKindDispel = 19,
    kKindRemoveCurse = 21,
    kKindDamageType = 24,
    kKindDamageAll = 25,
    kKindPoison = 26,
    kKindCurse = 27,
    kKindParalyze = 28,
    kKindDrainHp = 29,
    kKindDrainMana = 30,
    kKindInfectDisease = 32,
    kKindMagicImmunity = 39,
    kKindCrush = 40,
    kKindCalm = 41,
    kKindMark = 46,
    kKindRecall = 47,
    kKindTownPortal = 48,
    kKindRechargeWand = 49,
    kKindEnchant = 50,
    kKindEnchantToo = 51,
    kKindCreateFood = 52,
    kKindLevelDrops = 53,
    kKindRestoreFullMana = 55,
    kKindPermanentAttribute = 56,
    kKindAlcoholic = 57,
};

// The kinds an item or a spell gives as a plain timed entry.
constexpr uint32_t kPlainTimedItemKinds[] = {10, 15, 16, 20, 22, 33, 36, 38};
constexpr uint32_t kPlainTimedSpellKinds[] = {2, 11, 20};
// The kinds a spell stores as percentages (resistances and the magic and melee bonuses).
constexpr uint32_t kPercentSpellKinds[] = {15, 16, 17, 22, 33, 36, 38};

constexpr uint8_t kHumanoidOrCreatureClass = 1;
constexpr uint8_t kUndeadClass = 3;
constexpr int32_t kCrushingHpPercent = 25;
constexpr int32_t kMaxDrinkMinutes = 240;

template <size_t N>
bool IsOneOf(uint32_t kind, const uint32_t (&kinds)[N]) {
    return std::find(std::begin(kinds), std::end(kinds), kind) != std::end(kinds);
}

int32_t Resisted(int32_t value, int32_t resistance) { return value - value * resistance / 100; }

}  // namespace

void SPlayer::AddTimedEffect(uint8_t origin, const void* source, int32_t magnitude, uint32_t minutes, uint32_t kind,
                             uint32_t subId, const char* name) {
    if (kind == kKindPoison && PoisonTotal() == 0) queue("You're poisoned!", nullptr);
    if (kind == kKindParalyze && !IsParalyzed()) queue("You're paralyzed!", nullptr);
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
    if (m_effects.RemoveTimed(kind) && kind == kKindParalyze && m_screen) m_screen->UpdateHands();
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
        const uint32_t kind = effect.m_type;
        if (IsOneOf(kind, kPlainTimedItemKinds)) {
            if (timed) AddTimedEffect(kFromUsedItem, source, m, d, kind, 0, nullptr);
            continue;
        }
        switch (kind) {
            case kKindFortifyAttribute:
                if (timed) AddTimedEffect(kFromUsedItem, source, m, d, kind, effect.m_subTarget, nullptr);
                break;
            case kKindRestoreHp: ChangeHp(undead ? -m : m, false); break;
            case kKindRestoreFullHp: undead ? SetHp(1, false) : SetFullHp(false); break;
            case kKindFortifyHp:
                if (undead)
                    lowerHpKeepingOne(m);
                else if (timed)
                    AddTimedEffect(kFromUsedItem, source, m, d, kind, 0, nullptr);
                break;
            case kKindRestoreUnholy: ChangeHp(undead ? m : -m, false); break;
            case kKindRestoreFullUnholy: undead ? SetFullHp(false) : SetHp(1, false); break;
            case kKindFortifyUnholy:
                if (!undead)
                    lowerHpKeepingOne(m);
                else if (timed)
                    AddTimedEffect(kFromUsedItem, source, m, d, kind, 0, nullptr);
                break;
            case kKindRestoreMana: ChangeMana(m, false); break;
            case kKindCurePoison: RemoveTimedEffects(kKindPoison); break;
            case kKindCureParalysis: RemoveTimedEffects(kKindParalyze); break;
            case kKindCureDisease: CureDisease(effect.m_target.Text(), true); break;
            case kKindResistDisease:
                if (timed) AddTimedEffect(kFromUsedItem, source, m, d, kind, 0, effect.m_target.Text());
                break;
            case kKindDispel: Dispel(); break;
            case kKindPoison: {
                const int32_t poison = Resisted(m, GetPoisonResistance());
                if (poison == 0) break;
                AddTimedEffect(kFromUsedItem, source, poison, 0, kind, 0, nullptr);
                ApplyPoisonDamage();
                break;
            }
            case kKindRestoreFullMana: RestoreFullMana(false); break;
            case kKindPermanentAttribute:
                if (effect.m_subTarget >= 1 && effect.m_subTarget <= kLastAttribute)
                    AddAttributeValue(effect.m_subTarget, 1, false);
                break;
            case kKindAlcoholic: Drink(m, source); break;
            default: break;
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
        const uint32_t kind = effect.m_type;
        if (immune && kind != kKindDispel) continue;
        const int32_t fullMagnitude = effect.GetMagnitude(level);
        const int32_t fullDuration = effect.GetDuration(level);
        const int32_t m = lowered(fullMagnitude);
        const uint32_t d = uint32_t(std::max(lowered(fullDuration), 0));
        if (IsOneOf(kind, kPlainTimedSpellKinds)) {
            const uint32_t subId = kind == kKindFortifyAttribute ? effect.m_subTarget : 0;
            if (roll() && m != 0 && d != 0) AddTimedEffect(kFromSpell, &spell, m, d, kind, subId, nullptr);
            continue;
        }
        if (IsOneOf(kind, kPercentSpellKinds)) {
            const int32_t stored = PercentToStored(lowered(FoldPercent(fullMagnitude)));
            const char* name = kind == kKindResistDisease ? effect.m_target.Text() : nullptr;
            if (roll() && stored != 0 && d != 0) AddTimedEffect(kFromSpell, &spell, stored, d, kind, 0, name);
            continue;
        }
        switch (kind) {
            case kKindRestoreHp:
            case kKindRestoreUnholy:
                if (undead == (kind == kKindRestoreHp))
                    damage += m;
                else
                    ChangeHp(m, false);
                break;
            case kKindRestoreFullHp:
            case kKindRestoreFullUnholy:
                if (undead == (kind == kKindRestoreFullHp))
                    damage += std::max(m_hp - 1, 0);
                else
                    SetFullHp(false);
                break;
            case kKindFortifyHp:
                if (!roll()) break;
                if (undead)
                    damage += std::clamp(m, 0, std::max(m_hp - 1, 0));
                else if (m != 0 && d != 0)
                    AddTimedEffect(kFromSpell, &spell, m, d, kind, 0, nullptr);
                break;
            case kKindFortifyUnholy:
                if (!undead)
                    damage += std::clamp(m, 0, std::max(m_hp - 1, 0));
                else if (m != 0 && d != 0)
                    AddTimedEffect(kFromSpell, &spell, m, d, kind, 0, nullptr);
                break;
            case kKindCurePoison: RemoveTimedEffects(kKindPoison); break;
            case kKindCureParalysis: RemoveTimedEffects(kKindParalyze); break;
            case kKindRemoveCurse: RemoveTimedEffects(kKindCurse); break;
            case kKindCureDisease: CureDisease(effect.m_target.Text(), true); break;
            case kKindDispel: Dispel(); break;
            case kKindDamageType:
                if ((!undead && effect.m_subTarget == kHumanoidOrCreatureClass) ||
                    (undead && effect.m_subTarget == kUndeadClass))
                    damage += Resisted(fullMagnitude, resistance);
                break;
            case kKindDamageAll: damage += Resisted(fullMagnitude, resistance); break;
            case kKindPoison: {
                const int32_t poisonResistance = GetPoisonResistance();
                const int32_t poison = Resisted(fullMagnitude, poisonResistance);
                if (!friendly && m_rules.random && m_rules.random->Next(100) <= poisonResistance) break;
                if (poison == 0) break;
                AddTimedEffect(kFromSpell, &spell, poison, 0, kind, 0, nullptr);
                damage += poison;
                break;
            }
            case kKindCurse:
                if (roll() && d != 0) AddTimedEffect(kFromSpell, &spell, 0, d, kind, 0, nullptr);
                break;
            case kKindParalyze: {
                const int32_t paralysisResistance = GetParalysisResistance();
                const int32_t minutes = Resisted(fullDuration, paralysisResistance);
                if (!friendly && m_rules.random && m_rules.random->Next(100) <= paralysisResistance) break;
                if (minutes <= 0) break;
                AddTimedEffect(kFromSpell, &spell, 0, uint32_t(minutes), kind, 0, nullptr);
                if (m_screen) m_screen->UpdateHands();
                break;
            }
            case kKindDrainHp: damage += m; break;
            case kKindDrainMana:
                if (m != 0) ChangeMana(-m, false);
                break;
            case kKindInfectDisease: {
                const char* disease = effect.m_target.Text();
                if (m_rules.random && m_rules.random->Next(100) > GetDiseaseResistanceFor(disease))
                    InfectDisease(disease, true);
                break;
            }
            case kKindMagicImmunity:
                if (!roll() || d == 0) break;
                Dispel();
                AddTimedEffect(kFromSpell, &spell, m, d, kind, 0, nullptr);
                break;
            case kKindCrush:
                damage += Resisted(fullMagnitude, resistance);
                crushing = true;
                break;
            case kKindCalm:
                if (m_screen) m_screen->CalmMonsters(level / 10);
                break;
            case kKindMark:
            case kKindRecall:
            case kKindTownPortal:
            case kKindRechargeWand:
                if (m_screen)
                    m_screen->QueueSimpleEvent(SPlayerEvent(uint32_t(SPlayerEvent::Mark) + kind - kKindMark), 0);
                break;
            case kKindEnchant:
            case kKindEnchantToo:
                if (m_screen) m_screen->QueueSimpleEvent(SPlayerEvent::Enchant, level);
                break;
            case kKindCreateFood: CreateFood(); break;
            case kKindLevelDrops: DrainXp(); break;
            default: break;
        }
    }
    if (damage != 0) {
        m_hp = int16_t(std::clamp<int32_t>(m_hp - damage, 0, std::max(GetMaxHp(), 0)));
        refreshHpBar();
        if (m_screen) m_screen->QueueHitFromSide(side, damage);
    }
    if (!crushing || m_hp <= 0 || int64_t(m_hp) * 100 > int64_t(GetMaxHp()) * kCrushingHpPercent) return;
    if (m_rules.random && m_rules.random->Next(100) > 3 * GetHpPercent()) {
        if (m_screen) m_screen->QueueDamage(m_hp);
        m_hp = 0;
        refreshHpBar();
    }
}
