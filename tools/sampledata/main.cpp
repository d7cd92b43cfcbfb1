// brimvale-sampledata [FOLDER]: writes the sample data packages into FOLDER, by default the game's
// program folder.
#include <cstdio>
#include <filesystem>

#include "engine/files/file_layer.h"
#include "tools/sampledata/audio_packages.h"
#include "tools/sampledata/interface_package.h"
#include "tools/sampledata/world_packages.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: brimvale-sampledata [FOLDER]\n");
        return 2;
    }
    if (argc == 2) {
        std::error_code error;
        std::filesystem::create_directories(argv[1], error);
    }
    const SFileFolder folder = argc == 2 ? SFileFolder(argv[1]) : SFileFolder();
    std::string error;
    if (!WriteInterfacePackage(folder, error) || !WriteSoundPackage(folder, error) ||
        !WriteMusicPackage(folder, error) || !WriteResourcePackage(folder, error) ||
        !WriteWorldPackage(folder, error)) {
        std::fprintf(stderr, "brimvale-sampledata: %s\n", error.c_str());
        return 1;
    }
    std::printf("Sample data written to %s\n", folder.ProgramFolder().c_str());
    return 0;
}
