#pragma once
// The device's optional libraries, loaded at run time. Entry points are looked up by name; a caller
// casts the answer back to the entry's own function type before calling it.
#include <string>

namespace platform {

struct Library;
using LibraryFunction = void (*)();

// Null when the library is not on the device.
Library* LoadLibrary(const std::string& name);
// Null when the library has no such entry point.
LibraryFunction GetLibraryFunction(Library* library, const std::string& name);
void FreeLibrary(Library* library);

}  // namespace platform
