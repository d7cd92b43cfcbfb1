#pragma once
// SDisease: a named set of effects the player catches from a monster's strike, a trap or a script,
// and keeps until it is cured; SDiseaseTable, the world's diseases.
#include <cstdint>

#include "data/effects/effect_record.h"
#include "data/package/module_load_order.h"
#include "data/tables/record_table.h"

class SDisease : public SEffectRecord {
public:
    static constexpr uint8_t kChunkTag = 12;
    static constexpr SModuleTable kTable = SModuleTable::Diseases;

    // Tag 13, the name, the description, the strength and the effects.
    void Serialize(SArchive& archive, int version);
    // Its effects as the journal lists them, one a line in the fonts' small digits.
    void Describe(const SEffectLookups& lookups, SString& out) const;

    // Scales what it costs to resist the disease.
    uint8_t m_strength = 1;
};

using SDiseaseTable = SRecordTable<SDisease>;
