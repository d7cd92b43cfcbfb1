#pragma once
// SItemUser: what an item's rules ask of the one who wields or reads it: its race and skills, as a
// spell's cost does, its attributes, whether a curse weakens its blows, and what an item's
// description tells it: whether it may learn or use the item's spell and learn from a book.
#include <cstdint>

#include "data/spells/spell_type.h"

class SItem;

class SItemUser : public SSpellCaster {
public:
    // The attribute with what the active Fortify attribute effects add to it.
    virtual int32_t AttributeTotal(uint32_t attribute) const = 0;
    // A Curse is among the active effects.
    virtual bool IsCursed() const = 0;

    // Whether the race may learn spells of the spell's school.
    virtual bool IsSchoolAllowed(const SSpellType& spell) const = 0;
    virtual bool KnowsSpell(const SSpellType& spell) const = 0;
    virtual bool CanUseWand(const SItem& item) const = 0;
    virtual bool CanReadScroll(const SItem& item) const = 0;
    // By the book's item-type name.
    virtual bool HasReadBook(const char* name) const = 0;
    virtual bool CanRaiseSkill(uint32_t skill) const = 0;
};
