#pragma once
// SRaceTable: the playable races (and race 0, the creatures); built in, and replaceable by a world
// package.
#include <array>

#include "data/package/module_load_order.h"
#include "data/rules/replaceable_table.h"
#include "engine/base/name.h"
#include "engine/base/string.h"

class SArchive;

struct SRaceDef {
    SRaceDef() { id.SetOwned(); }
    void Assign(const SRaceDef& other);
    // Tag 'O', the id text, the name, two texts and from data version 52 the third.
    void Serialize(SArchive& archive, int version);
    // The name of the race's ability in the ability table.
    const SString& AbilityName() const { return texts[0]; }

    SName id;  // "base_rasvim"
    SString name;
    std::array<SString, 3> texts;
};

class SRaceTable : public SReplaceableTable<SRaceDef, 'N', SModuleTable::Races, 0, 6> {
public:
    // The built-in races, in place of whatever a package gave; their texts are empty.
    void InitDefaults();
};
