#include "framework/device/optional_libraries.h"

#include <cstdlib>
#include <map>

namespace HAL {

namespace {
// Missing libraries are remembered too, so that a device without them is asked once.
std::map<std::string, platform::Library*> g_libraries;
}  // namespace

platform::Library* LoadOptionalLibrary(const std::string& name) {
    auto found = g_libraries.find(name);
    if (found != g_libraries.end()) return found->second;
    // Registered after the first load, so the freeing runs before the platform's own state goes.
    static const bool freedAtExit = std::atexit(FreeOptionalLibraries) == 0;
    (void)freedAtExit;
    return g_libraries[name] = platform::LoadLibrary(name);
}

void FreeOptionalLibraries() {
    for (auto& [name, library] : g_libraries)
        if (library != nullptr) platform::FreeLibrary(library);
    g_libraries.clear();
}

}  // namespace HAL
