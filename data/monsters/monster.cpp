#include "data/monsters/monster.h"

#include <algorithm>
#include <cstring>

#include "data/items/item_type.h"
#include "data/items/item_type_names.h"
#include "data/player/active_effect.h"
#include "engine/base/archive.h"
#include "engine/packages/resource_cache.h"

namespace {

constexpr uint8_t kMonsterRecordTag = 31;

void dropString(SArchive& archive) {
    const char* dropped = nullptr;
    archive.SerializeCStr(dropped);
}

}  // namespace

void SMonster::Serialize(SArchive& archive, int version, const SFindBaseType& findBase, SItemTypeNames* names) {
    const bool reading = !archive.IsWriting();
    archive.SerializeTag(kMonsterRecordTag);
    m_name.Serialize(archive);
    if (reading) m_name.SetOwned();
    const char* baseName = m_baseType ? m_baseType->NameKey().Text() : nullptr;
    archive.SerializeCStr(baseName);
    if (reading) m_baseType = baseName && findBase ? findBase(baseName) : nullptr;
    archive.SerializeSString(m_displayName);
    archive.SerializeSString(m_paletteName);
    if (version < 94) dropString(archive);
    if (version > 20) archive.SerializeSString(m_talkText);
    if (version >= 22 && version < 105)
        for (int i = 0; i < 3; ++i) dropString(archive);
    m_effects.Serialize(archive, version);
    serializeLoot(archive, version, names);
    archive.Align(2);
    for (uint16_t& stat : m_stats) archive.SerializeU16(stat);
    archive.SerializeU8(m_kind);
    archive.SerializeU8(m_level);
    archive.SerializeU8(m_flags);
    if (version > 78) archive.SerializeU8(m_attackKind);
    if (version > 79) archive.SerializeSString(m_missilePalette);
    if (version > 87) archive.SerializeU8(m_perception);
    if (version > 95) archive.SerializeU8(m_copied[0]);
    if (version > 96) archive.SerializeU8(m_copied[1]);
}

// The rule list of an item container: an aligned u16 count, then the rules.
void SMonster::serializeLoot(SArchive& archive, int version, SItemTypeNames* names) {
    SPtrArray<SLootRule>& rules = m_loot.m_rules;
    archive.Align(2);
    uint16_t count = rules.Count();
    archive.SerializeU16(count);
    if (archive.IsWriting()) {
        for (int i = 0; i < rules.Count(); ++i) {
            SLootRule& rule = *rules[i];
            uint16_t index = rule.m_itemType.IsEmpty() || !names ? 0 : names->InternItemType(rule.m_itemType.Text());
            rule.SerializeIndexed(archive, version, index);
        }
        return;
    }
    m_unresolvedLoot.clear();
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        auto rule = std::make_unique<SLootRule>();
        uint16_t index = 0;
        rule->SerializeIndexed(archive, version, index);
        if (!archive.Failed()) m_unresolvedLoot.emplace_back(std::move(rule), index);
    }
}

void SMonster::ResolveLoot(std::span<SItemType* const> itemTypes) {
    for (auto& [rule, index] : m_unresolvedLoot) {
        if (index != 0) {
            const SItemType* type = index < itemTypes.size() ? itemTypes[index] : nullptr;
            if (type == nullptr) continue;
            rule->m_itemType.Assign(type->NameKey().Text());
        }
        m_loot.m_rules.Add(rule.release(), ListOrder::Appended);
    }
    m_unresolvedLoot.clear();
}

void SMonster::InitFromType(SMonsterBaseType& type) {
    m_baseType = &type;
    const char* colouring = type.FirstPaletteName();
    m_paletteName.Assign(colouring ? colouring : "");
    m_level = 1;
    std::transform(type.m_stats.begin(), type.m_stats.end(), m_stats.begin(),
                   [](uint16_t hundredths) { return uint16_t(hundredths / 100); });
    m_kind = type.m_kind;
    m_flags = type.m_kind == SMonsterBaseType::kKindPeople ? kFlagDefault : kFlagHostileWhenProvoked | kFlagDefault;
    m_attackKind = type.m_attackKind;
    m_missilePalette.Assign("");
    m_copied[0] = type.m_copied[0];
    m_copied[1] = type.m_copied[1];
}

int SMonster::attribute(SMonsterStat stat, int fortified) const { return std::max(1, m_stats[stat] + fortified); }

bool SMonster::KnowsSpell(const char* spell) const {
    if (spell == nullptr) return false;
    for (int i = 0; i < m_effects.Count(); ++i) {
        const SEffect& effect = *m_effects.Get(i);
        if (effect.m_source == kSourceSpellCharge && std::strcmp(effect.m_target.Text(), spell) == 0) return true;
    }
    return false;
}

void SMonster::ResolvePalettes(const SResourceCache& cache) {
    m_paletteSlot = uint16_t(cache.FindPaletteSlot(m_paletteName.Text()));
    m_missilePaletteSlot = uint16_t(cache.FindPaletteSlot(m_missilePalette.Text()));
    const char* paralysed = m_baseType ? m_baseType->m_paralysedPalette : nullptr;
    m_paralysedPaletteSlot = paralysed ? uint16_t(cache.FindPaletteSlot(paralysed)) : 0;
}

int SMonster::PercentSum(uint8_t type) const {
    int sum = 0;
    for (int i = 0; i < m_effects.Count(); ++i) {
        const SEffect& effect = *m_effects.Get(i);
        if (effect.m_source == kSourceConstant && effect.m_type == type) sum += effect.m_baseMagnitude;
    }
    return FoldPercent(sum);
}
