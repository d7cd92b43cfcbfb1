#pragma once
// The device's optional libraries as the framework uses them: each loaded on first use and kept until
// FreeOptionalLibraries or the end of the process.
#include <string>

#include "platform/library.h"

namespace HAL {

// Null when the device does not have the library.
platform::Library* LoadOptionalLibrary(const std::string& name);
// Frees every library loaded so far; the next use loads it again (on a device whose libraries
// changed meanwhile, as in tests).
void FreeOptionalLibraries();

// The entry point as its own function type; null when the library is missing or lacks it.
template <typename Function>
Function LibraryEntry(platform::Library* library, const char* name) {
    if (library == nullptr) return nullptr;
    return reinterpret_cast<Function>(platform::GetLibraryFunction(library, name));
}

}  // namespace HAL
