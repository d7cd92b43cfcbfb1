#pragma once
// SMapSaveNames: the saved game's name tables as maps use them: a saved creature names its monster,
// and an item in a saved container its item type, by an index into the names that the saved game
// writes once for all its records. Index 0 names nothing.
#include <cstdint>

#include "data/items/item_type_names.h"

class SMonster;

class SMapSaveNames : public SItemTypeNames {
public:
    // The index of the monster's name, which is added when the table lacks it.
    virtual uint16_t InternMonster(const SMonster& monster) = 0;
    // The monster the name at that index stands for; null for 0, for an index past the table's end
    // and for a name no monster has any more.
    virtual SMonster* GetMonster(uint16_t index) const = 0;
};
