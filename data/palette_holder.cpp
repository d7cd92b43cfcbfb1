#include "data/palette_holder.h"

#include "engine/base/archive.h"
#include "engine/packages/resource_cache.h"

void SPaletteHolder::SerializePaletteNames(SArchive& archive, int) {
    archive.Align(2);
    uint16_t count = m_paletteNames.Count();
    archive.SerializeU16(count);
    if (archive.IsWriting()) {
        for (int i = 0; i < count; ++i) {
            const char* name = m_paletteNames[i];
            archive.SerializeCStr(name);
        }
        return;
    }
    for (int i = 0; i < count && !archive.Failed(); ++i) {
        const char* name = nullptr;
        archive.SerializeCStr(name);
        if (!archive.Failed()) m_paletteNames.Append(name);
    }
}

void SPaletteHolder::AcquirePalettes(SResourceCache& cache) {
    for (int i = 0; i < m_paletteNames.Count(); ++i)
        if (SPaletteEntry* entry = cache.FindPalette(m_paletteNames[i])) cache.AcquirePalette(*entry);
}

void SPaletteHolder::ReleasePalettes(SResourceCache& cache) {
    for (int i = 0; i < m_paletteNames.Count(); ++i)
        if (SPaletteEntry* entry = cache.FindPalette(m_paletteNames[i])) cache.ReleasePalette(*entry);
}
