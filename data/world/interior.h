#pragma once
// SInterior: a still scene the interior screen draws from layered pictures (a shop, a room);
// SInteriorTable, the world's interiors.
#include <cstdint>

#include "data/package/module_load_order.h"
#include "data/tables/record_table.h"
#include "engine/base/name.h"
#include "engine/base/ptr_array.h"
#include "engine/base/string.h"

class SArchive;
class SResourceCache;

struct SInteriorLayer {
    // The picture's name, then its aligned u16 x, y and third value.
    void Serialize(SArchive& archive, int version);

    SString picture;
    uint16_t x = 0;
    uint16_t y = 0;
    uint16_t value = 50;
};

class SInterior {
public:
    static constexpr uint8_t kChunkTag = ';';
    static constexpr SModuleTable kTable = SModuleTable::Interiors;

    SInterior() { m_name.SetOwned(); }
    SInterior(const SInterior&) = delete;
    SInterior& operator=(const SInterior&) = delete;

    const SName& NameKey() const { return m_name; }
    int LayerCount() const { return m_layers.Count(); }
    // Null outside 0 .. count-1.
    const SInteriorLayer* Layer(int index) const { return m_layers.At(index); }

    // Loads every layer's picture the cache has not loaded yet. False when a layer names a picture
    // the cache lacks or cannot load; the others are loaded all the same.
    bool LoadPictures(SResourceCache& cache) const;
    void ReleasePictures(SResourceCache& cache) const;

    // Tag ':', the name, from data version 112 the text, then the layers in file order.
    void Serialize(SArchive& archive, int version);

    SName m_name;
    SString m_text;
    SPtrArray<SInteriorLayer> m_layers{4};
};

using SInteriorTable = SRecordTable<SInterior>;
