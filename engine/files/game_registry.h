#pragma once
#include <cstdint>
#include <vector>

#include "platform/registry.h"

// The game's values under HKEY_LOCAL_MACHINE "SOFTWARE\Brimvale". A value that cannot be read gives
// the default; a write that fails is ignored.
uint32_t RegGetDword(const char* valueName, uint32_t defaultValue);
void RegSetDword(const char* valueName, uint32_t value);
// Writes the values together: they reach the registry all at once or not at all.
void RegSetDwords(const std::vector<platform::RegistryValue>& values);
