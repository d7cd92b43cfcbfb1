#include "data/maps/creature_effects.h"

#include <algorithm>
#include <cstring>

#include "data/player/active_effect.h"
#include "data/rules/attribute_table.h"
#include "data/rules/skill_table.h"
#include "engine/base/archive.h"

namespace {

bool sameName(const SString& name, const char* other) { return name.Equals(other ? other : ""); }

// The line of a timed effect: what its type shows, and whether its length counts turns (else rounds).
struct SEffectLine {
    SEffectType type;
    const char* format;
    enum Shows { kAmount, kPercent, kSkill, kAttribute, kSourcePercent, kDurationOnly, kPoison, kNothing } shows;
    bool turns;
};

constexpr SEffectLine kEffectLines[] = {
    {kEffectFortifySkill, "%+d %s (%u %s)\r", SEffectLine::kSkill, false},
    {kEffectFortifyAttribute, "%+d %s (%u %s)\r", SEffectLine::kAttribute, false},
    {kEffectFortifyHp, "%+d hp (%u %s)\r", SEffectLine::kAmount, false},
    {kEffectFortifyUnholy, "%+d unholy hp (%u %s)\r", SEffectLine::kAmount, false},
    {kEffectFortifyMana, "%+d mana (%u %s)\r", SEffectLine::kAmount, false},
    {kEffectFortifyAc, "%+d ac (%u %s)\r", SEffectLine::kAmount, false},
    {kEffectResistPoison, "%+d%% poison resistance (%u %s)\r", SEffectLine::kPercent, false},
    {kEffectResistParalysis, "%+d%% paralysis resistance (%u %s)\r", SEffectLine::kPercent, false},
    {kEffectResistDisease, "%+d%% %s resistance (%u %s)\r", SEffectLine::kSourcePercent, false},
    {kEffectResistNormalWeapons, "%+d%% normal weapon resistance (%u %s)\r", SEffectLine::kPercent, false},
    {kEffectFeather, "%+d feather (%u %s)\r", SEffectLine::kAmount, false},
    {kEffectResistMagic, "%+d%% magic resistance (%u %s)\r", SEffectLine::kPercent, false},
    {kEffectPoison, "Poisoned, %u hp\r", SEffectLine::kPoison, false},
    {kEffectCurse, "Cursed, %u %s\r", SEffectLine::kDurationOnly, true},
    {kEffectParalyze, "Paralyzed, %u %s\r", SEffectLine::kDurationOnly, true},
    {kEffectResistDiseases, "%+d%% diseases resistance (%u %s)\r", SEffectLine::kPercent, false},
    {kEffectFortifyMagic, "%+d%% magic (%u %s)\r", SEffectLine::kPercent, false},
    {kEffectFortifyMelee, "%+d%% melee (%u %s)\r", SEffectLine::kPercent, false},
    {kEffectMagicImmunity, "Magic immunity, %u %s\r", SEffectLine::kDurationOnly, true},
    {kEffectLevelDrops, "Level drop\r", SEffectLine::kNothing, false},
    {kEffectFortifyOutfit, "%+d outfit (%u %s)\r", SEffectLine::kAmount, false},
};

const char* orEmptyCreatureEffects(const char* text) { return text ? text : ""; }

void appendTimedLine(const SCreatureEffect& effect, SString& out, const SSkillTable& skills,
                     const SAttributeTable& attributes) {
    const SEffectLine* line = std::find_if(std::begin(kEffectLines), std::end(kEffectLines),
                                           [&](const SEffectLine& l) { return l.type == effect.type; });
    if (line == std::end(kEffectLines)) return;
    const unsigned duration = effect.duration;
    const char* unit = line->turns ? (duration == 1 ? "turn" : "turns") : (duration == 1 ? "round" : "rounds");
    switch (line->shows) {
        case SEffectLine::kAmount: out.AppendFormat(line->format, effect.amount, duration, unit); break;
        case SEffectLine::kPercent: out.AppendFormat(line->format, FoldPercent(effect.amount), duration, unit); break;
        case SEffectLine::kSkill:
            out.AppendFormat(line->format, effect.amount, orEmptyCreatureEffects(skills.Name(effect.subId)), duration,
                             unit);
            break;
        case SEffectLine::kAttribute:
            out.AppendFormat(line->format, effect.amount, orEmptyCreatureEffects(attributes.FullName(effect.subId)),
                             duration, unit);
            break;
        case SEffectLine::kSourcePercent:
            out.AppendFormat(line->format, FoldPercent(effect.amount), effect.name.Text(), duration, unit);
            break;
        case SEffectLine::kDurationOnly: out.AppendFormat(line->format, duration, unit); break;
        case SEffectLine::kPoison: out.AppendFormat(line->format, unsigned(effect.amount)); break;
        case SEffectLine::kNothing: out.Append(line->format); break;
    }
}

}  // namespace

void SCreatureEffect::Serialize(SArchive& archive) {
    archive.SerializeU8(kind);
    archive.SerializeU8(type);
    archive.SerializeSString(name);
    archive.SerializeI16(amount);
    archive.SerializeU8(duration);
    archive.SerializeU8(subId);
}

void SCreatureEffectList::Serialize(SArchive& archive) {
    archive.SerializeU8(creatureId);
    entries.SerializeEach(archive, ListOrder::Appended,
                          [](SCreatureEffect& effect, SArchive& a) { effect.Serialize(a); });
}

SCreatureEffectList* SCreatureEffects::Find(uint8_t creatureId) const {
    for (int i = 0; i < m_lists.Count(); ++i)
        if (m_lists[i]->creatureId == creatureId) return m_lists[i];
    return nullptr;
}

void SCreatureEffects::Add(SCreatureEffectList* list) {
    Remove(list->creatureId);
    m_lists.Add(list, ListOrder::Appended);
}

void SCreatureEffects::Remove(uint8_t creatureId) {
    if (SCreatureEffectList* list = Find(creatureId)) {
        m_lists.Remove(list);
        delete list;
    }
}

SCreatureEffectList* SCreatureEffects::Take(uint8_t creatureId) {
    SCreatureEffectList* list = Find(creatureId);
    if (list != nullptr) m_lists.Remove(list);
    return list;
}

SCreatureEffectList& SCreatureEffects::listOf(uint8_t creatureId) {
    if (SCreatureEffectList* list = Find(creatureId)) return *list;
    auto* list = new SCreatureEffectList;
    list->creatureId = creatureId;
    m_lists.Add(list, ListOrder::Appended);
    return *list;
}

void SCreatureEffects::AddTimed(uint8_t creatureId, int amount, int duration, uint8_t type, uint8_t subId,
                                const char* name) {
    const auto newAmount = int16_t(std::clamp<int>(amount, INT16_MIN, INT16_MAX));
    const auto newDuration = uint8_t(std::clamp(duration, 0, 255));
    SCreatureEffectList& list = listOf(creatureId);
    for (int i = 0; i < list.entries.Count(); ++i) {
        SCreatureEffect& effect = *list.entries[i];
        if (effect.kind != SCreatureEffect::kTimed || effect.type != type || effect.subId != subId ||
            !sameName(effect.name, name))
            continue;
        if (newAmount > effect.amount || (newAmount == effect.amount && newDuration > effect.duration)) {
            effect.amount = newAmount;
            effect.duration = newDuration;
        }
        return;
    }
    auto* effect = new SCreatureEffect;
    effect->name.Assign(orEmptyCreatureEffects(name));
    effect->amount = newAmount;
    effect->duration = newDuration;
    effect->type = type;
    effect->kind = SCreatureEffect::kTimed;
    effect->subId = subId;
    list.entries.Add(effect, ListOrder::Appended);
}

void SCreatureEffects::RemoveTimed(uint8_t creatureId, uint8_t type) {
    SCreatureEffectList* list = Find(creatureId);
    if (list == nullptr) return;
    for (int i = list->entries.Count() - 1; i >= 0; --i) {
        const SCreatureEffect& effect = *list->entries[i];
        if (effect.kind == SCreatureEffect::kTimed && effect.type == type) delete list->entries.RemoveAt(i);
    }
}

void SCreatureEffects::Infect(uint8_t creatureId, const char* disease) {
    if (disease == nullptr || HasDisease(creatureId, disease)) return;
    auto* effect = new SCreatureEffect;
    effect->name.Assign(disease);
    effect->kind = SCreatureEffect::kDisease;
    listOf(creatureId).entries.Add(effect, ListOrder::Appended);
}

void SCreatureEffects::Cure(uint8_t creatureId, const char* disease) {
    SCreatureEffectList* list = Find(creatureId);
    if (list == nullptr) return;
    for (int i = list->entries.Count() - 1; i >= 0; --i) {
        const SCreatureEffect& effect = *list->entries[i];
        if (effect.kind == SCreatureEffect::kDisease && sameName(effect.name, disease))
            delete list->entries.RemoveAt(i);
    }
}

bool SCreatureEffects::HasDisease(uint8_t creatureId, const char* disease) const {
    const SCreatureEffectList* list = Find(creatureId);
    if (list == nullptr) return false;
    const bool any = disease == nullptr || *disease == '\0';
    for (int i = 0; i < list->entries.Count(); ++i) {
        const SCreatureEffect& effect = *list->entries[i];
        if (effect.kind == SCreatureEffect::kDisease && (any || sameName(effect.name, disease))) return true;
    }
    return false;
}

int SCreatureEffects::Sum(uint8_t creatureId, uint8_t type) const {
    const SCreatureEffectList* list = Find(creatureId);
    if (list == nullptr) return 0;
    int sum = 0;
    bool present = false;
    for (int i = 0; i < list->entries.Count(); ++i) {
        const SCreatureEffect& effect = *list->entries[i];
        if (effect.kind != SCreatureEffect::kTimed || effect.type != type) continue;
        sum += effect.amount;
        present = true;
    }
    if (type == kEffectCurse || type == kEffectParalyze || type == kEffectMagicImmunity) return present ? 1 : 0;
    return sum;
}

int SCreatureEffects::Total(uint8_t creatureId, uint8_t type, uint8_t subId, const SDiseaseTable& diseases) const {
    const SCreatureEffectList* list = Find(creatureId);
    if (list == nullptr) return 0;
    int total = 0;
    for (int i = 0; i < list->entries.Count(); ++i) {
        const SCreatureEffect& effect = *list->entries[i];
        if (effect.kind == SCreatureEffect::kTimed) {
            if (effect.type == type && effect.subId == subId) total += FoldPercent(effect.amount);
            continue;
        }
        const SDisease* disease = diseases.Find(effect.name.Text());
        if (disease == nullptr) continue;
        for (int k = 0; k < disease->m_effects.Count(); ++k) {
            const SEffect& part = *disease->m_effects[k];
            if (part.m_type == type && part.m_subTarget == subId) total += FoldPercent(part.m_baseMagnitude);
        }
    }
    return total;
}

bool SCreatureEffects::PassTime(uint8_t creatureId, uint32_t elapsed) {
    SCreatureEffectList* list = Find(creatureId);
    if (list == nullptr) return false;
    bool paralysisEnded = false;
    for (int i = list->entries.Count() - 1; i >= 0; --i) {
        SCreatureEffect& effect = *list->entries[i];
        if (effect.kind != SCreatureEffect::kTimed || effect.duration == 0) continue;
        if (elapsed < effect.duration) {
            effect.duration = uint8_t(effect.duration - elapsed);
            continue;
        }
        paralysisEnded = paralysisEnded || effect.type == kEffectParalyze;
        delete list->entries.RemoveAt(i);
    }
    return paralysisEnded;
}

void SCreatureEffects::Format(uint8_t creatureId, SString& out, const SSkillTable& skills,
                              const SAttributeTable& attributes) const {
    const SCreatureEffectList* list = Find(creatureId);
    if (list == nullptr || list->entries.Count() == 0) {
        out.Assign("none\r");
        return;
    }
    out.Assign("\r");
    for (int i = 0; i < list->entries.Count(); ++i) {
        const SCreatureEffect& effect = *list->entries[i];
        if (effect.kind == SCreatureEffect::kDisease)
            out.AppendFormat("%s disease\r", effect.name.Text());
        else
            appendTimedLine(effect, out, skills, attributes);
    }
}
