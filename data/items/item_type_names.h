#pragma once
// SItemTypeNames: a table that names item types by small numbers, as records outside the item
// database refer to them: a package's loot rules by its item-type names, a saved game's items by
// its name table. Index 0 names no item type.
#include <cstdint>

class SItemType;

class SItemTypeNames {
public:
    virtual ~SItemTypeNames() = default;

    // The index of the name, which is added when the table lacks it.
    virtual uint16_t InternItemType(const char* name) = 0;
    // The item type the name at that index stands for; null for index 0, for an index past the
    // table's end and for a name no item type has any more.
    virtual SItemType* GetItemType(uint16_t index) const = 0;
};
