#include "engine/files/game_registry.h"

#include "platform/registry.h"

namespace {
constexpr const char* kGameKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Brimvale";
}

uint32_t RegGetDword(const char* valueName, uint32_t defaultValue) {
    uint32_t value = 0;
    return platform::RegistryGetDword(kGameKey, valueName, value) ? value : defaultValue;
}

void RegSetDword(const char* valueName, uint32_t value) { platform::RegistrySetDword(kGameKey, valueName, value); }

void RegSetDwords(const std::vector<platform::RegistryValue>& values) { platform::RegistrySetDwords(kGameKey, values); }
