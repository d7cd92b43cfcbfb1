#pragma once
// SPlayerSaveNames: the saved game's name tables as the player's record uses them: besides the item
// types and monsters that maps name, the spells the player knows and is under. Index 0 names
// nothing.
#include <cstdint>

#include "data/maps/map_save_names.h"

class SSpellType;

class SPlayerSaveNames : public SMapSaveNames {
public:
    // The index of the spell's name, which is added when the table lacks it.
    virtual uint16_t InternSpell(const SSpellType& spell) = 0;
    // The spell the name at that index stands for; null for 0, for an index past the table's end
    // and for a name no spell has any more.
    virtual SSpellType* GetSpell(uint16_t index) const = 0;
};
