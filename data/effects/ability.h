#pragma once
// SAbility: a named set of effects that a race or a script grants for good, and that may teach
// spells; SAbilityTable, the world's abilities.
#include <cstdint>

#include "data/effects/effect_record.h"
#include "data/package/module_load_order.h"
#include "data/tables/record_table.h"

class SAbility : public SEffectRecord {
public:
    static constexpr uint8_t kChunkTag = 10;
    static constexpr SModuleTable kTable = SModuleTable::Abilities;

    // Tag 11, the name, the description and the effects.
    void Serialize(SArchive& archive, int version);
    // Its effects as the journal lists them, one a line in the fonts' small digits.
    void Describe(const SEffectLookups& lookups, SString& out) const;
    // The effects first .. end - 1 as the race choice shows them on the screen mode: small screens
    // take the short wording, the two smallest the shortest.
    void DescribeForRace(const SEffectLookups& lookups, uint32_t screenMode, SString& out, int first, int end) const;
};

using SAbilityTable = SRecordTable<SAbility>;
