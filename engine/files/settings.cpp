#include "engine/files/settings.h"

#include <algorithm>
#include <string>

#include "engine/files/game_registry.h"

namespace {

constexpr uint32_t kPortraitKeys[SSettings::kKeyCount] = {1000, 1002, 1004, 1006, 3006, 3001,
                                                          3004, 3005, 3000, 0,    0,    0};
constexpr uint32_t kLeftKeys[SSettings::kKeyCount] = {1004, 1006, 1002, 1000, 3006, 3001, 3004, 3005, 3000, 0, 0, 0};
constexpr uint32_t kRightKeys[SSettings::kKeyCount] = {1006, 1004, 1000, 1002, 3006, 3000, 3005, 3004, 3001, 0, 0, 0};
// Forward, back, turn left, turn right, use, spell book, attack, strafe left, strafe right.
constexpr uint32_t kKeyboardLetters[9] = {'w', 's', 'q', 'e', ' ', 'c', 13, 'a', 'd'};

std::string keyName(const char* prefix, int entry) { return prefix + std::to_string(entry + 1); }

void readTable(uint32_t (&table)[SSettings::kKeyCount], const char* prefix, int count) {
    for (int i = 0; i < count; ++i) table[i] = RegGetDword(keyName(prefix, i).c_str(), 0);
}

void listTable(std::vector<platform::RegistryValue>& values, const uint32_t (&table)[SSettings::kKeyCount],
               const char* prefix) {
    for (int i = 0; i < SSettings::kKeyCount; ++i) values.push_back({keyName(prefix, i), table[i]});
}

uint32_t readViewSize(const char* name) { return std::min(RegGetDword(name, 0), SSettings::kSmallestViewSize); }

}  // namespace

void SSettings::SetDefaults() {
    startMode = 0;
    std::copy(std::begin(kPortraitKeys), std::end(kPortraitKeys), keys);
    std::copy(std::begin(kLeftKeys), std::end(kLeftKeys), leftKeys);
    std::copy(std::begin(kRightKeys), std::end(kRightKeys), rightKeys);
    soundVolume = 10;
    musicVolume = 5;
    viewSize = leftViewSize = rightViewSize = 0;
}

bool IsKeyboardScreenMode(int screenMode) { return screenMode >= 14 && screenMode <= 16; }

bool IsLargeScreenMode(int screenMode) {
    return screenMode == 9 || screenMode == 10 || screenMode == 11 || screenMode == 14 || screenMode == 15;
}

void LoadSettings(SSettings& settings, int screenMode) {
    settings.startMode = RegGetDword("StartMode", 0);
    settings.soundVolume = RegGetDword("SoundVolume", 10);
    settings.musicVolume = RegGetDword("MusicVolume", 5);
    settings.viewSize = readViewSize("ViewSize");
    settings.leftViewSize = readViewSize("LViewSize");
    settings.rightViewSize = readViewSize("RViewSize");

    settings.keys[SSettings::kMarkerEntry] = RegGetDword("Key12", 0);
    if (settings.keys[SSettings::kMarkerEntry] != 0) {
        readTable(settings.keys, "Key", SSettings::kMarkerEntry);
        readTable(settings.leftKeys, "LKey", SSettings::kKeyCount);
    } else {
        if (IsKeyboardScreenMode(screenMode))
            std::copy(std::begin(kKeyboardLetters), std::end(kKeyboardLetters), settings.keys);
        settings.keys[SSettings::kMarkerEntry] = 1;
    }

    settings.rightKeys[SSettings::kMarkerEntry] = RegGetDword("RKey12", 0);
    if (settings.rightKeys[SSettings::kMarkerEntry] != 0)
        readTable(settings.rightKeys, "RKey", SSettings::kMarkerEntry);
    else
        settings.rightKeys[SSettings::kMarkerEntry] = 1;

    SaveSettings(settings);
}

std::vector<platform::RegistryValue> SettingsValues(const SSettings& settings) {
    std::vector<platform::RegistryValue> values{{"StartMode", settings.startMode}};
    listTable(values, settings.keys, "Key");
    listTable(values, settings.leftKeys, "LKey");
    listTable(values, settings.rightKeys, "RKey");
    values.insert(values.end(), {{"SoundVolume", settings.soundVolume},
                                 {"MusicVolume", settings.musicVolume},
                                 {"ViewSize", settings.viewSize},
                                 {"LViewSize", settings.leftViewSize},
                                 {"RViewSize", settings.rightViewSize}});
    return values;
}

void SaveSettings(const SSettings& settings) { RegSetDwords(SettingsValues(settings)); }
