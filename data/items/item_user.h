#pragma once
// SItemUser: what an item's rules ask of the one who wields or reads it: its race and skills, as a
// spell's cost does, its attributes, and whether a curse weakens its blows.
#include <cstdint>

#include "data/spells/spell_type.h"

class SItemUser : public SSpellCaster {
public:
    // The attribute with what the active Fortify attribute effects add to it.
    virtual int32_t AttributeTotal(uint32_t attribute) const = 0;
    // A Curse is among the active effects.
    virtual bool IsCursed() const = 0;
};
