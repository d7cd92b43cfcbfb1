#include "ui/dialogs/spell_entry_array.h"

#include "data/effects/effect_list.h"
#include "data/items/item.h"

namespace {

// Items of one type stack in a row only with the same effects of their own: two blank scrolls
// written with different spells are two rows, each described by its own.
bool sameKind(const SItem& first, const SItem& item) {
    if (first.m_type != item.m_type) return false;
    if (first.m_effects == nullptr || item.m_effects == nullptr) return first.m_effects == item.m_effects;
    return first.m_effects->Equals(item.m_effects.get());
}

}  // namespace

void SSpellEntryArray::AddItem(const SItem& item, uint32_t index) { addTo(item, index, &sameKind); }

void SSpellEntryArray::AddItemByType(const SItem& item, uint32_t index) {
    addTo(item, index, [](const SItem& first, const SItem& other) { return first.m_type == other.m_type; });
}

void SSpellEntryArray::addTo(const SItem& item, uint32_t index, bool (*together)(const SItem&, const SItem&)) {
    for (int32_t i = 0; i < Count(); ++i) {
        if (together(*(*this)[i].first, item)) {
            ++(*this)[i].count;
            return;
        }
    }
    Add({item.m_type, &item, 1, index});
}
