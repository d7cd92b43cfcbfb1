#include "ui/dialogs/wand_charges.h"

#include "data/items/item.h"
#include "data/items/item_type.h"

bool IsEnchantedWand(const SItem& item) {
    return item.m_type != nullptr && item.m_type->IsWand() && item.Effects() != nullptr;
}

const SEffectList* WandChargeList(const SItem& item) {
    if (item.m_effects && item.m_effects->Count() > 0) return item.m_effects.get();
    const SEffectList* typeList = item.m_type ? item.m_type->m_effects.get() : nullptr;
    return typeList && typeList->Count() > 0 ? typeList : nullptr;
}

uint32_t FullWandCharges(const SItem& item) { return FullCharges(WandChargeList(item)); }

bool IsRechargeable(const SItem& item) { return IsEnchantedWand(item) && item.m_amount < FullWandCharges(item); }
