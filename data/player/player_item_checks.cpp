// What the player's pack allows and what the player may use: lockpicks, enchanting, alignment,
// wands and scrolls.
#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "data/player/player.h"

bool SPlayer::HasLockpick() const {
    for (int i = 0; i < m_pack.Count(); ++i) {
        const SItemType* type = m_pack.At(i)->m_type;
        if (type && type->m_class == kItemKey && type->m_subtype == kKeySubtypeLockpick) return true;
    }
    return false;
}

bool SPlayer::HasEnchantableItem() const {
    for (int i = 0; i < m_pack.Count(); ++i) {
        const SItem& item = *m_pack.At(i);
        const SItemType* type = item.m_type;
        if (type == nullptr || item.m_effects || type->m_effects || type->m_enchantCapacity == 0) continue;
        const bool worn = type->m_class >= kItemWeapon && type->m_class <= kItemAccessory;
        const bool blank = type->m_class == kItemMagic &&
                           (type->m_subtype == kMagicBlankScroll || type->m_subtype == kMagicEmptyWand);
        if (worn || blank) return true;
    }
    return false;
}

bool SPlayer::CanUseByAlignment(const SItem& item) const {
    const SItemType* type = item.m_type;
    if (type == nullptr || type->m_class < kItemWeapon || type->m_class > kItemAccessory) return false;
    switch (type->m_alignment) {
        case kAlignmentGood: return m_fame >= 0;
        case kAlignmentEvil: return m_fame < 0;
        default: return true;
    }
}

bool SPlayer::CanReadScroll(const SItem& item) const {
    if (item.m_type == nullptr) return false;
    return m_rules.spells == nullptr || item.m_type->IsUsableByRace(&item, Race(), *m_rules.spells);
}

bool SPlayer::CanUseWand(const SItem& item) const { return item.m_amount != 0 && CanReadScroll(item); }
