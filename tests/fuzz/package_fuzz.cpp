// Data packages: the header, the resource index, the package picture, every table chunk in the load
// order of the package's version, the name indexes and the maps, as opening a package reads them;
// then every picture and palette it lists, as the game loads them on first use.
#include "data/package/module_context.h"
#include "data/package/module_list.h"
#include "engine/packages/resource_cache.h"
#include "fuzz/fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("Brimvale.pdb", data, size);
    SResourceCache cache;
    cache.Init();
    SModuleContext context;
    context.cache = &cache;
    SModuleList modules(context);
    if (!modules.Open(path.c_str())) return 0;

    for (uint32_t i = 1; i < cache.PictureCount(); ++i) cache.LoadPicture(*cache.Picture(i));
    for (uint32_t i = 1; i < cache.PaletteCount(); ++i) cache.LoadPalette(*cache.Palette(i));
    cache.AssignSlots();
    SModule& module = *modules.Current();
    for (int i = 0; i < module.Maps().Count(); ++i) {
        int x = 0, y = 0;
        if (module.ParseMapCoords(*module.Maps()[i], x, y)) module.SetPosition(*module.Maps()[i], 7, 7, 0);
        module.SetCurrentMap(module.Maps()[i]);
        module.FindNeighbourMap(1, -1);
        module.FindPositionMap(x, y);
    }
    return 0;
}
