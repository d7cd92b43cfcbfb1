#pragma once
// SSpellEffect: an animation that flies where a spell is cast or shows where it strikes: its frame
// pictures and the palettes they are drawn with. SSpellEffectTable: all of them.
#include <cstdint>
#include <vector>

#include "data/package/module_load_order.h"
#include "data/palette_holder.h"
#include "data/tables/record_table.h"
#include "engine/base/ptr_array.h"

class SArchive;
class SResourceCache;

class SSpellEffect : public SPaletteHolder {
public:
    static constexpr uint8_t kChunkTag = '0';
    static constexpr SModuleTable kTable = SModuleTable::SpellEffects;

    // One slot of the resource cache per frame name, in the same order; slot 0 for a name the cache
    // does not hold, so that frame i is always slot i. The cache's slots must have been assigned.
    void ResolvePictures(const SResourceCache& cache);
    // Loads every frame picture the cache has not loaded yet and acquires the palettes. False when
    // a frame names a picture the cache lacks or cannot load; the others are loaded all the same.
    bool LoadPictures(SResourceCache& cache);

    // Tag '1', the name, the value; from data version 26 to 108 a text that is read and dropped;
    // the frame names and the palette names as string lists. Read names point into the record.
    void Serialize(SArchive& archive, int version);

    // Handed to the animation by the casting code.
    uint8_t m_value = 1;
    SPtrArray<const char> m_frameNames{4, false};
    std::vector<uint32_t> m_frameSlots;
};

class SSpellEffectTable : public SRecordTable<SSpellEffect> {
public:
    void ResolvePictures(const SResourceCache& cache);
    // False when any effect lacks a picture; every effect loads what it can.
    bool LoadPictures(SResourceCache& cache);
};
