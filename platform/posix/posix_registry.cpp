// The registry as an INI-style text file: a "[key path]" line opens each key, "Name=value" lines
// hold its values in decimal. Every change is written through at once, the whole file in one step,
// so nothing is lost and nothing is left half-written when the program is ended.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/files.h"
#include "platform/registry.h"

namespace platform {

namespace {

using Registry = std::map<std::string, std::map<std::string, std::string>>;

std::string registryFolder() {
    if (const char* home = std::getenv("BRIMVALE_HOME"); home && *home) return home;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return std::string(xdg) + "/brimvale";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.config/brimvale";
}

std::string registryPath() { return registryFolder() + "/registry.ini"; }

// The registry and, when registry.ini is there but cannot be read or holds a line that is neither
// a "[key path]" nor a "Name=value", what is wrong with it. Blank lines are fine.
struct SLoaded {
    Registry registry;
    std::string fault;
};

SLoaded loadChecked() {
    SLoaded loaded;
    const std::string path = registryPath();
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return loaded;
    std::ifstream in(path);
    if (!std::filesystem::is_regular_file(path, error) || !in) {
        loaded.fault = path + " cannot be read";
        return loaded;
    }
    std::string line, key;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            key = line.substr(1, line.size() - 2);
        } else if (auto equals = line.find('='); equals != std::string::npos && !key.empty()) {
            loaded.registry[key][line.substr(0, equals)] = line.substr(equals + 1);
        } else if (!line.empty() && loaded.fault.empty()) {
            loaded.fault = path + " is damaged at line " + std::to_string(number);
        }
    }
    if (in.bad()) loaded.fault = path + " cannot be read";
    return loaded;
}

Registry load() { return loadChecked().registry; }

bool store(const Registry& registry) {
    std::error_code error;
    std::filesystem::create_directories(registryFolder(), error);
    std::string text;
    for (const auto& [key, values] : registry) {
        text += '[' + key + "]\n";
        for (const auto& [name, value] : values) text += name + '=' + value + '\n';
    }
    return ReplaceFileContents(registryPath(), text.data(), text.size());
}

}  // namespace

bool RegistryGetDword(const std::string& keyPath, const std::string& valueName, uint32_t& value) {
    Registry registry = load();
    auto key = registry.find(keyPath);
    if (key == registry.end()) return false;
    auto found = key->second.find(valueName);
    if (found == key->second.end()) return false;
    char* end = nullptr;
    unsigned long long number = std::strtoull(found->second.c_str(), &end, 10);
    if (found->second.empty() || *end != '\0' || number > 0xFFFFFFFFull) return false;
    value = uint32_t(number);
    return true;
}

std::string RegistryFault() { return loadChecked().fault; }

std::string SetRegistryAside() {
    const std::string path = registryPath(), kept = path + ".damaged";
    std::error_code error;
    std::filesystem::remove_all(kept, error);
    std::filesystem::rename(path, kept, error);
    return error ? std::string() : kept;
}

bool RegistrySetDword(const std::string& keyPath, const std::string& valueName, uint32_t value) {
    return RegistrySetDwords(keyPath, {{valueName, value}});
}

bool RegistrySetDwords(const std::string& keyPath, const std::vector<RegistryValue>& values) {
    Registry registry = load();
    for (const RegistryValue& value : values) registry[keyPath][value.name] = std::to_string(value.value);
    return store(registry);
}

}  // namespace platform
