#pragma once
// SFrameHolder: a palette holder whose pictures are the frames of an animation, named in its record
// and found in the resource cache: spell effects and the first-person item sprites.
// SFrameHolderTable: a table of them.
#include <cstdint>
#include <vector>

#include "data/palette_holder.h"
#include "data/tables/record_table.h"
#include "engine/base/ptr_array.h"

class SResourceCache;

class SFrameHolder : public SPaletteHolder {
public:
    // One slot of the resource cache per frame name, in the same order; slot 0 for a name the cache
    // does not hold, so that frame i is always slot i. The cache's slots must have been assigned.
    void ResolvePictures(const SResourceCache& cache);
    // Loads every frame picture the cache has not loaded yet and acquires the palettes. False when
    // a frame names a picture the cache lacks or cannot load; the others are loaded all the same.
    // Works from the names alone, so it may run before the slots are resolved.
    bool LoadPictures(SResourceCache& cache);

    // Read names point into the record, which the holder's table keeps.
    SPtrArray<const char> m_frameNames{4, false};
    std::vector<uint32_t> m_frameSlots;
};

template <typename T>
class SFrameHolderTable : public SRecordTable<T> {
public:
    void ResolvePictures(const SResourceCache& cache) {
        for (int i = 0; i < this->Count(); ++i) this->At(i)->ResolvePictures(cache);
    }
    // False when any holder lacks a picture; every holder loads what it can.
    bool LoadPictures(SResourceCache& cache) {
        bool all = true;
        for (int i = 0; i < this->Count(); ++i)
            if (!this->At(i)->LoadPictures(cache)) all = false;
        return all;
    }
};
