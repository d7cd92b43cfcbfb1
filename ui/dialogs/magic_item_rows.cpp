#include "ui/dialogs/magic_item_rows.h"

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "data/player/player.h"
#include "ui/dialogs/spell_entry_array.h"
#include "ui/widgets/dialog_list_ctrl.h"

namespace {

constexpr char kScrollMark = char(0xB5);
constexpr char kWandMark = char(0xB6);

// Scrolls: written ones, and blank ones only once something is written on them.
bool isListedScroll(const SItem& item) {
    const SItemType& type = *item.m_type;
    if (type.m_class != kItemMagic || (type.m_flags & kItemUnlisted)) return false;
    return type.m_subtype == kMagicScroll || (type.m_subtype == kMagicBlankScroll && item.m_effects != nullptr);
}

// Wands and other charged items; an empty wand only with spells of its own.
bool isListedWand(const SItem& item) {
    const SItemType& type = *item.m_type;
    if (type.m_class != kItemMagic) return false;
    if (type.m_subtype == kMagicScroll || type.m_subtype == kMagicSpellbook || type.m_subtype == kMagicBlankScroll)
        return false;
    return type.m_subtype != kMagicEmptyWand || (item.m_effects != nullptr && item.m_effects->Count() > 0);
}

void addScrollRows(SDialogListCtrl& list, const SPlayer& player, const SSpellTable& spells, bool bareNames) {
    SSpellEntryArray groups;
    for (int i = 0; i < player.ItemCount(); ++i) {
        const SItem* item = player.Item(i);
        if (item && item->m_type && isListedScroll(*item) && player.CanReadScroll(*item))
            groups.AddItem(*item, uint32_t(i));
    }
    SString text, key, name;
    for (int32_t g = 0; g < groups.Count(); ++g) {
        const SSpellEntry& group = groups[g];
        group.type->GetDisplayName(group.first, name, bareNames, spells);
        text.Format("%c%s", kScrollMark, name.Text());
        if (group.count > 1) text.AppendFormat(" (%u)", group.count);
        key.Format("%u", group.index);
        list.AddRowLabel(key.Text(), text.Text(), 0);
    }
}

void addWandRows(SDialogListCtrl& list, const SPlayer& player, const SSpellTable& spells, bool bareNames) {
    SString text, key, name;
    for (int i = 0; i < player.ItemCount(); ++i) {
        const SItem* item = player.Item(i);
        if (!item || !item->m_type || !isListedWand(*item) || !player.CanReadScroll(*item)) continue;
        const uint32_t charges = item->m_amount & 0xFFFF;
        if (charges == 0) continue;
        item->m_type->GetDisplayName(item, name, bareNames, spells);
        text.Format("%c%s", kWandMark, name.Text());
        // A full wand counts from its type's first spell, a filled empty wand from its own.
        const SEffectList* full = item->m_type->m_subtype == kMagicEmptyWand ? item->m_effects.get()
                                                                             : item->m_type->m_effects.get();
        if (full != nullptr && full->Count() > 0) {
            const uint32_t most = FullCharges(full);
            if (charges == most)
                text.AppendFormat(" (%u ch)", charges);
            else
                text.AppendFormat(" (%u/%u ch)", charges, most);
        }
        key.Format("%u", uint32_t(i));
        list.AddRowLabel(key.Text(), text.Text(), 0);
    }
}

}  // namespace

void AddMagicItemRows(SDialogListCtrl& list, const SPlayer& player, const SSpellTable& spells, bool bareNames) {
    addScrollRows(list, player, spells, bareNames);
    addWandRows(list, player, spells, bareNames);
}
