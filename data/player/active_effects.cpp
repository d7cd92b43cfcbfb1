#include "data/player/active_effects.h"

#include <algorithm>
#include <limits>

#include "data/effects/effect_types.h"

namespace {

enum class STotalRule { None, SumPerSubId, Sum, FoldedSum, FoldedSumPerName, Presence };

STotalRule RuleOf(uint32_t type) {
    switch (type) {
        case kPlayerFortifySkill:
        case kPlayerFortifyAttribute: return STotalRule::SumPerSubId;
        case kPlayerFortifyHp:
        case kPlayerFortifyUnholy:
        case kPlayerFortifyMana:
        case kPlayerFortifyAc:
        case kPlayerFeather:
        case kPlayerAlcoholic:
        case kPlayerFortifyOutfit:
        case kPlayerPoison: return STotalRule::Sum;
        case kPlayerResistPoison:
        case kPlayerResistParalysis:
        case kPlayerResistMagic:
        case kPlayerResistDiseases:
        case kPlayerFortifyMagic:
        case kPlayerFortifyMelee: return STotalRule::FoldedSum;
        case kPlayerResistDisease:
        case kPlayerResistSpell:
        case kPlayerFortifySpell: return STotalRule::FoldedSumPerName;
        case kPlayerMagicImmunity:
        case kPlayerDetectSecrets:
        case kPlayerParalysis:
        case kPlayerCurse: return STotalRule::Presence;
        default: return STotalRule::None;
    }
}

int16_t ClampMagnitude(int32_t magnitude) {
    return int16_t(
        std::clamp<int32_t>(magnitude, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

}  // namespace

int32_t SActiveEffects::Total(uint32_t type, uint32_t subId, const char* name, bool* found) const {
    if (found != nullptr) *found = false;
    const STotalRule rule = RuleOf(type);
    if (rule == STotalRule::None) return 0;
    const std::string wanted = name ? name : "";
    int32_t total = 0;
    bool counted = false;
    for (const SActiveEffect& effect : m_lists[type]) {
        if (rule == STotalRule::SumPerSubId && effect.subId != subId) continue;
        if (rule == STotalRule::FoldedSumPerName && effect.name != wanted) continue;
        counted = true;
        if (rule == STotalRule::Presence) break;
        const bool folded = rule == STotalRule::FoldedSum || rule == STotalRule::FoldedSumPerName;
        total += folded ? FoldPercent(effect.magnitude) : effect.magnitude;
    }
    if (found != nullptr) *found = counted;
    if (rule == STotalRule::Presence) return counted ? 1 : 0;
    return total;
}

SActiveEffect* SActiveEffects::Find(uint32_t type, const void* source, uint32_t subId, const char* name) {
    if (type >= kPlayerEffectTypes) return nullptr;
    for (SActiveEffect& effect : m_lists[type])
        if (effect.SameCause(source, subId, name)) return &effect;
    return nullptr;
}

void SActiveEffects::Add(uint8_t origin, const void* source, int32_t magnitude, uint32_t minutes, uint32_t kind,
                         uint32_t subId, const char* name) {
    const SPlayerEffect type = PlayerEffectOfKind(kind);
    if (type == kNoPlayerEffect) return;
    const uint8_t duration = SActiveEffect::StoredDuration(minutes);
    const int16_t stored = ClampMagnitude(magnitude);
    if (SActiveEffect* same = Find(type, source, subId, name)) {
        if (stored > same->magnitude) {
            same->magnitude = stored;
            same->duration = duration;
        } else if (stored == same->magnitude && duration > same->duration) {
            same->duration = duration;
        }
        return;
    }
    SActiveEffect effect;
    effect.name = name ? name : "";
    effect.source = source;
    effect.magnitude = stored;
    effect.duration = duration;
    effect.type = type;
    effect.origin = origin;
    effect.subId = uint8_t(subId);
    Append(std::move(effect));
}

void SActiveEffects::Append(SActiveEffect effect) {
    if (effect.type == kNoPlayerEffect || effect.type >= kPlayerEffectTypes) return;
    m_lists[effect.type].push_back(std::move(effect));
}

bool SActiveEffects::PassTime(int32_t minutes) {
    bool paralysisEnded = false;
    if (minutes <= 0) return paralysisEnded;
    for (uint32_t type = 1; type < kPlayerEffectTypes; ++type) {
        std::vector<SActiveEffect>& list = m_lists[type];
        for (auto it = list.begin(); it != list.end();) {
            if (!it->IsTimed() || it->duration == 0) {
                ++it;
                continue;
            }
            it->duration = it->duration < minutes ? 0 : uint8_t(it->duration - minutes);
            if (it->duration != 0) {
                ++it;
                continue;
            }
            paralysisEnded |= type == kPlayerParalysis;
            it = list.erase(it);
        }
    }
    return paralysisEnded;
}

bool SActiveEffects::RemoveTimed(uint32_t kind) {
    const SPlayerEffect type = PlayerEffectOfKind(kind);
    if (type == kNoPlayerEffect) return false;
    return std::erase_if(m_lists[type], [](const SActiveEffect& effect) { return effect.IsTimed(); }) != 0;
}

void SActiveEffects::RemoveByOrigin(uint8_t origin) {
    for (std::vector<SActiveEffect>& list : m_lists)
        std::erase_if(list, [origin](const SActiveEffect& effect) { return effect.origin == origin; });
}

void SActiveEffects::Clear() {
    for (std::vector<SActiveEffect>& list : m_lists) list.clear();
}

void SActiveEffects::Dispel() {
    for (int kind = 0; kind < kEffectTypeCount; ++kind)
        if (IsDispelledEffect(kind)) RemoveTimed(uint32_t(kind));
}
