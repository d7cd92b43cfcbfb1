#pragma once
// SSpellEntryArray: equal items of the player's pack (one type, the same effects of their own)
// gathered into one row each while a list is built (the spell book's scrolls, the potion dialog's
// potions): the item type, the first item of it, how many there are, and the first one's index in
// the pack.
#include <cstdint>

#include "engine/base/value_array.h"

class SItem;
class SItemType;

struct SSpellEntry {
    const SItemType* type = nullptr;
    const SItem* first = nullptr;
    uint32_t count = 0;
    uint32_t index = 0;
};

class SSpellEntryArray : public SValueArray<SSpellEntry> {
public:
    SSpellEntryArray() : SValueArray<SSpellEntry>(4) {}
    // Counts the item in its kind's row, or opens a row for the kind with it as the first.
    void AddItem(const SItem& item, uint32_t index);
    // The same by the type alone, whatever effects of its own the item has: one row per type.
    void AddItemByType(const SItem& item, uint32_t index);

private:
    void addTo(const SItem& item, uint32_t index, bool (*together)(const SItem& first, const SItem& item));
};
