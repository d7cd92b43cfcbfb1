#pragma once
// SPaletteHolder: the base of every type record that names palettes its pictures are drawn with.
// The palettes are loaded while a holder needs them and let go when no holder does.
#include "engine/base/name.h"
#include "engine/base/ptr_array.h"

class SArchive;
class SResourceCache;

class SPaletteHolder {
public:
    SPaletteHolder() = default;
    virtual ~SPaletteHolder() = default;
    SPaletteHolder(const SPaletteHolder&) = delete;
    SPaletteHolder& operator=(const SPaletteHolder&) = delete;

    const SName& NameKey() const { return m_name; }

    // An aligned u16 count and the names. Read names point into the record, which must outlive the
    // holder; an empty name reads as null.
    void SerializePaletteNames(SArchive& archive, int version);
    // Loads every named palette the cache knows; each acquire is counted.
    void AcquirePalettes(SResourceCache& cache);
    // Gives up this holder's claim; a palette is freed when its last holder lets go.
    void ReleasePalettes(SResourceCache& cache);

    SName m_name;
    SPtrArray<const char> m_paletteNames{4, false};
};
