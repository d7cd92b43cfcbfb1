#include "data/items/item.h"

#include <algorithm>
#include <limits>

#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "data/items/item_type_names.h"
#include "engine/base/archive.h"
#include "engine/base/random.h"

namespace {

// Presence bits of a saved item.
constexpr uint8_t kSavedAmount = 1;
constexpr uint8_t kSavedEffects = 4;
constexpr uint32_t kLargestSavedAmount = std::numeric_limits<uint16_t>::max();

// Items whose amount is their condition.
bool wearsByCondition(const SItemType& type) {
    switch (type.m_class) {
        case kItemWeapon:
        case kItemHeavyArmour:
        case kItemLightArmour:
        case kItemAlchemy:
        case kItemKey:
        case kItemRepair: return true;
        default: return false;
    }
}

}  // namespace

uint32_t FullCharges(const SEffectList* effects) {
    const SEffect* first = effects ? effects->Get(0) : nullptr;
    return first ? uint32_t(std::max<int16_t>(first->m_baseMagnitude, 0)) : 0;
}

std::unique_ptr<SItem> SItem::Create(const SItemType& type, int conditionPercent, SRandom& random) {
    auto item = std::make_unique<SItem>(type);
    if (type.IsAmmunition()) {
        item->m_amount = uint32_t(random.Next(10) + 10);
    } else if (wearsByCondition(type)) {
        // A condition above the maximum would price and strike above the type's own values.
        const uint32_t percent = conditionPercent == kFullCondition ? 100
                                                                    : uint32_t(std::clamp(conditionPercent, 0, 100));
        item->m_amount = type.m_maxCondition * percent / 100;
    } else if (type.m_class == kItemMagic && type.m_subtype == kMagicWand) {
        item->m_amount = FullCharges(type.m_effects.get());
    }
    return item;
}

const SEffectList* SItem::Effects() const { return m_type ? m_type->EffectsOf(this) : m_effects.get(); }

bool SItem::IsFull() const { return m_amount >= m_type->m_maxCondition; }

bool SItem::IsNearlyBroken() const {
    return m_type->m_maxCondition > 0 && uint64_t(m_amount) * 100 / m_type->m_maxCondition < 10;
}

void SItem::RepairFully() { m_amount = m_type->m_maxCondition; }

void SItem::AddAmount(uint32_t amount) {
    m_amount = uint32_t(std::min<uint64_t>(uint64_t(m_amount) + amount, std::numeric_limits<uint32_t>::max()));
}

void SItem::TakeAmount(uint32_t amount) { m_amount = amount < m_amount ? m_amount - amount : 0; }

void SItem::Recharge() { m_amount = FullCharges(Effects()); }

void SItem::SerializeSaved(SArchive& archive, SItemTypeNames& names) {
    const bool writing = archive.IsWriting();
    uint16_t index = 0;
    if (writing && m_type) index = names.InternItemType(m_type->NameKey().Text());
    archive.SerializeU16(index);
    if (!writing) m_type = names.GetItemType(index);

    uint8_t bits = uint8_t((m_amount ? kSavedAmount : 0) | (m_effects ? kSavedEffects : 0));
    archive.SerializeU8(bits);
    uint16_t amount = uint16_t(std::min(m_amount, kLargestSavedAmount));
    if (bits & kSavedAmount) archive.SerializeU16(amount);
    if (!writing) m_amount = (bits & kSavedAmount) ? amount : 0;
    if (!writing) m_effects = (bits & kSavedEffects) ? std::make_unique<SEffectList>() : nullptr;
    if (m_effects) m_effects->SerializeSaved(archive);
}
