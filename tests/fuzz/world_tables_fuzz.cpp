// A world package read by the game's own table loaders, as a new game or a load opens it: every
// table chunk into its table, then the tables' pictures loaded and resolved.
#include "fuzz/fuzz_folder.h"
#include "game/game_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("Brimvale.pdb", data, size);
    SGameData game;
    game.InitTables();
    if (!game.m_packages.Open(path.c_str())) return 0;
    game.LoadTablePictures(nullptr);
    game.BuildTables(nullptr);
    game.ClearTables();
    return 0;
}
