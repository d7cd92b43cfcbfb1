#include "fuzz/fuzz_folder.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

std::string makeFolder() {
    const std::string base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path().string();
    std::string pattern = base + "/brimvale-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("brimvale fuzz: cannot make a folder for the inputs");
        std::abort();
    }
    setenv("BRIMVALE_HOME", pattern.c_str(), 1);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(FuzzFolder(), ignored);
    });
    return pattern + "/";
}

}  // namespace

const std::string& FuzzFolder() {
    // Never destroyed: the exit handler that removes the folder runs after static destructors.
    static const std::string* folder = new std::string(makeFolder());
    return *folder;
}

std::string WriteFuzzFile(const char* name, const uint8_t* data, size_t size) {
    const std::string path = FuzzFolder() + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || (size > 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
    return path;
}
