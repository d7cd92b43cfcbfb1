#include "ui/dialogs/spell_entry_array.h"

#include "data/items/item.h"

void SSpellEntryArray::AddItem(const SItem& item, uint32_t index) {
    for (int32_t i = 0; i < Count(); ++i) {
        if ((*this)[i].type == item.m_type) {
            ++(*this)[i].count;
            return;
        }
    }
    Add({item.m_type, &item, 1, index});
}
