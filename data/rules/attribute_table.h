#pragma once
// SAttributeTable: the five attributes of a character (Strength .. Personality) with their names;
// built in, and replaceable by a world package.
#include <cstdint>

#include "data/package/module_load_order.h"
#include "data/rules/replaceable_table.h"
#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;

struct SAttributeDef {
    SAttributeDef() { id.SetOwned(); }
    void Assign(const SAttributeDef& other);
    // Tag 'S', the id text, the full name and the short name.
    void Serialize(SArchive& archive, int version);

    SName id;  // "base_strength"
    SString fullName;
    SString shortName;
};

class SAttributeTable : public SReplaceableTable<SAttributeDef, 'R', SModuleTable::Attributes, 1, 5> {
public:
    // The built-in attributes, in place of whatever a package gave.
    void InitDefaults();
    // The first attribute whose id text equals the text exactly, or whose full or short name
    // equals it ignoring case; 0 when none does.
    int Find(const char* text) const;
    // Null outside 1..5.
    const char* FullName(int id) const;
};
