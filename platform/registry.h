#pragma once
// The device's registry: 32-bit values under key paths such as
// "HKEY_LOCAL_MACHINE\SOFTWARE\Brimvale". Kept in a small text file, registry.ini, in
// $BRIMVALE_HOME when that is set, else in $XDG_CONFIG_HOME/brimvale (~/.config/brimvale).
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// False when the value is missing or unreadable.
bool RegistryGetDword(const std::string& keyPath, const std::string& valueName, uint32_t& value);
// Creates the key and the file when missing; false when the value could not be stored.
bool RegistrySetDword(const std::string& keyPath, const std::string& valueName, uint32_t value);

// Empty when registry.ini reads cleanly or is not there yet; otherwise what is wrong with it (it
// cannot be read, or a line is neither a "[key path]" nor a "Name=value"), naming the file.
std::string RegistryFault();
// Moves registry.ini aside to registry.ini.damaged, over an older one, so that a fresh file written
// in its place loses nothing the player may want back. The path it is kept at; empty when it could
// not be moved.
std::string SetRegistryAside();

struct RegistryValue {
    std::string name;
    uint32_t value;
};
// Stores the values under the key in one write of the registry, so that they reach it together or
// not at all, whenever the program is ended.
bool RegistrySetDwords(const std::string& keyPath, const std::vector<RegistryValue>& values);

}  // namespace platform
