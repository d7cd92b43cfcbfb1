#include "data/items/loot_rule.h"

#include <memory>

#include "data/items/item_type.h"
#include "data/items/item_type_names.h"
#include "engine/base/archive.h"

namespace {

constexpr uint8_t kRuleTag = 24;
constexpr int kConditionFrom = 28;

}  // namespace

void SLootRule::SerializeIndexed(SArchive& archive, int version, uint16_t& itemTypeIndex) {
    archive.SerializeTag(kRuleTag);
    archive.SerializeU16(itemTypeIndex);
    archive.SerializeU8(m_count);
    archive.SerializeU8(m_level);
    archive.SerializeU8(m_chance);
    if (version >= kConditionFrom) archive.SerializeU8(m_condition);
}

bool SLootRule::Serialize(SArchive& archive, int version, SItemTypeNames& names) {
    const bool writing = archive.IsWriting();
    uint16_t index = 0;
    if (writing && !m_itemType.IsEmpty()) index = names.InternItemType(m_itemType.Text());
    SerializeIndexed(archive, version, index);
    if (writing || index == 0) return true;
    const SItemType* type = names.GetItemType(index);
    if (type == nullptr) return false;
    m_itemType.Assign(type->NameKey().Text());
    return true;
}

void SerializeLootRules(SArchive& archive, int version, SPtrArray<SLootRule>& rules, SItemTypeNames& names) {
    archive.Align(2);
    uint16_t count = rules.Count();
    archive.SerializeU16(count);
    if (archive.IsWriting()) {
        for (int i = 0; i < rules.Count(); ++i) rules[i]->Serialize(archive, version, names);
        return;
    }
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        auto rule = std::make_unique<SLootRule>();
        if (rule->Serialize(archive, version, names) && !archive.Failed())
            rules.Add(rule.release(), ListOrder::Appended);
    }
}
