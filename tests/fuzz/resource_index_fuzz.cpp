// The resource index: a package's picture and palette index records from 4000 on, then every
// picture and palette they name loaded, placed in the slot tables and unloaded again.
#include <cstdlib>

#include "engine/packages/resource_cache.h"
#include "fuzz/fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("Index.pdb", data, size);
    SPdb file;
    if (!file.Open(path.c_str())) return 0;
    SResourceCache cache;
    cache.Init();
    uint16_t id = 4000;
    if (!cache.ReadIndex(file, id)) {
        if (cache.Error().Message().empty()) std::abort();
        return 0;
    }
    for (uint32_t i = 1; i < cache.PictureCount(); ++i) {
        SPictureEntry& entry = *cache.Picture(i);
        if (cache.FindPicture(entry.name.Text()) == nullptr && entry.name.Text() != nullptr) std::abort();
        if (!cache.LoadPicture(entry) && cache.Error().Message().empty()) std::abort();
    }
    for (uint32_t i = 1; i < cache.PaletteCount(); ++i) {
        SPaletteEntry& entry = *cache.Palette(i);
        cache.AcquirePalette(entry);
        // Reading the table as a drawing would, to its last byte.
        volatile uint8_t sum = 0;
        for (uint8_t byte : entry.Colours()) sum = uint8_t(sum + byte);
    }
    cache.AssignSlots();
    for (uint32_t i = 1; i < cache.PictureCount(); ++i) cache.UnloadPicture(*cache.Picture(i));
    for (uint32_t i = 1; i < cache.PaletteCount(); ++i) cache.ReleasePalette(*cache.Palette(i));
    if (cache.LoadedBytes() != 0) std::abort();
    return 0;
}
