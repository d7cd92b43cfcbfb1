#include "data/palette_holder.h"

#include "engine/base/archive.h"
#include "engine/packages/resource_cache.h"

void SPaletteHolder::SerializePaletteNames(SArchive& archive, int) { m_paletteNames.SerializeCStrs(archive); }

void SPaletteHolder::AcquirePalettes(SResourceCache& cache) {
    for (int i = 0; i < m_paletteNames.Count(); ++i)
        if (SPaletteEntry* entry = cache.FindPalette(m_paletteNames[i])) cache.AcquirePalette(*entry);
}

void SPaletteHolder::ReleasePalettes(SResourceCache& cache) {
    for (int i = 0; i < m_paletteNames.Count(); ++i)
        if (SPaletteEntry* entry = cache.FindPalette(m_paletteNames[i])) cache.ReleasePalette(*entry);
}
