// A package's part of a saved game: the recorded world position and the list of map states, read
// at each save version that changes its layout, then the position's map looked up.
#include <cstdlib>
#include <memory>

#include "data/package/module_context.h"
#include "data/package/module_list.h"
#include "engine/base/archive.h"
#include "engine/packages/resource_cache.h"
#include "fuzz/empty_save_names.h"
#include "fuzz/fuzz_folder.h"
#include "support/world_package.h"

namespace {

// The world the saves belong to, opened once: three maps on the grid and one off it.
struct SWorld {
    SFileFolder folder{FuzzFolder()};
    SResourceCache cache;
    SModuleContext context;
    SModuleList modules{context};
    SModule* module = nullptr;

    SWorld() {
        cache.Init();
        context.folder = &folder;
        context.cache = &cache;
        TestWorldPackage package;
        package.mapPrefix = "base_s";
        package.maps = {{"base_s0303", ""}, {"base_s0403", ""}, {"base_s9999", ""}, {"base_cave", ""}};
        if (!package.Write(folder, "Brimvale") || !modules.Open("Brimvale")) std::abort();
        module = modules.Current();
    }
};

SWorld& World() {
    static SWorld world;
    return world;
}

}  // namespace

// The package is written once before the first input, so its writing is not counted against the
// input's time limit.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    World();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SWorld& world = World();
    const std::string path = WriteFuzzFile("Save.pdb", data, size);
    SPdb save;
    if (!save.Open(path.c_str(), kSaveTag)) return 0;
    SModule& module = *world.module;
    for (int version : {90, 95, 116}) {
        module.SetPosition(*module.FindMap("base_s0303"), 7, 7, 0);
        SArchive archive;
        SEmptySaveNames names;
        if (!module.LoadSaveState(save, archive, version, 3100, names) && module.Error().Message().empty())
            std::abort();
        if (!SModule::IsWorldCell(module.WorldX()) || !SModule::IsWorldCell(module.WorldY())) std::abort();
        int x = 0, y = 0;
        module.FindPositionMap(x, y);
    }
    return 0;
}
