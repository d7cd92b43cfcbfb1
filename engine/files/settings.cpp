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

constexpr uint32_t kMaxVolume = 10;

// A view size the viewport knows nothing of shows the whole view, as a new player has it.
uint32_t readViewSize(const char* name) {
    const uint32_t size = RegGetDword(name, 0);
    return size <= SSettings::kSmallestViewSize ? size : 0;
}

uint32_t readVolume(const char* name, uint32_t defaultLevel) {
    return std::min(RegGetDword(name, defaultLevel), kMaxVolume);
}

// Key letters and keys are below 256, actions from 1000 on: a table that holds the other kind was
// stored by a run on another kind of device, and would leave every binding dead here.
bool fitsDevice(const uint32_t (&table)[SSettings::kKeyCount], bool keyboard) {
    for (int i = 0; i < 9; ++i)
        if (table[i] != 0 && (table[i] < 256) != keyboard) return false;
    return true;
}

// A binding this device can carry out: on a keyboard a character code, elsewhere one of the
// actions. 0 is a binding cleared on purpose.
bool isBinding(uint32_t value, bool keyboard) {
    if (value == 0 || keyboard) return value < 256;
    return std::find(kPortraitKeys, kPortraitKeys + 9, value) != kPortraitKeys + 9;
}

// An entry out of range (an action code no key carries out, a character code past a byte) takes
// its default rather than leave its key, an arrow key say, doing nothing.
void mendTable(uint32_t (&table)[SSettings::kKeyCount], uint32_t orientation, bool keyboard) {
    const auto defaults = DefaultBindings(orientation, keyboard);
    for (int i = 0; i < 9; ++i)
        if (!isBinding(table[i], keyboard)) table[i] = defaults[size_t(i)];
}

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

bool HasOrientationChoice(int screenMode) {
    return screenMode == 3 || screenMode == 4 || screenMode == 6 || screenMode == 7 || screenMode == 9 ||
           screenMode == 10;
}

uint32_t DisplayOrientationFor(const SSettings& settings, int screenMode) {
    return HasOrientationChoice(screenMode) && settings.startMode <= 2 ? settings.startMode : 0;
}

std::span<const uint32_t, 9> DefaultBindings(uint32_t orientation, bool keyboard) {
    if (keyboard) return std::span<const uint32_t, 9>(kKeyboardLetters);
    const uint32_t* table = orientation == 1 ? kLeftKeys : orientation == 2 ? kRightKeys : kPortraitKeys;
    return std::span<const uint32_t, 9>(table, 9);
}

std::string LoadSettings(SSettings& settings, int screenMode) {
    const std::string fault = platform::RegistryFault();
    settings.startMode = RegGetDword("StartMode", 0);
    if (settings.startMode > 2) settings.startMode = 0;
    settings.soundVolume = readVolume("SoundVolume", 10);
    settings.musicVolume = readVolume("MusicVolume", 5);
    settings.viewSize = readViewSize("ViewSize");
    settings.leftViewSize = readViewSize("LViewSize");
    settings.rightViewSize = readViewSize("RViewSize");

    const bool keyboard = IsKeyboardScreenMode(screenMode);
    settings.keys[SSettings::kMarkerEntry] = RegGetDword("Key12", 0);
    if (settings.keys[SSettings::kMarkerEntry] != 0) {
        readTable(settings.keys, "Key", SSettings::kMarkerEntry);
        readTable(settings.leftKeys, "LKey", SSettings::kKeyCount);
    } else {
        settings.keys[SSettings::kMarkerEntry] = 1;
    }
    // Also the first run of a keyboard, whose record holds the buttons' defaults.
    if (!fitsDevice(settings.keys, keyboard)) {
        const auto defaults = DefaultBindings(0, keyboard);
        std::copy(defaults.begin(), defaults.end(), settings.keys);
    }
    mendTable(settings.keys, 0, keyboard);
    mendTable(settings.leftKeys, 1, false);

    settings.rightKeys[SSettings::kMarkerEntry] = RegGetDword("RKey12", 0);
    if (settings.rightKeys[SSettings::kMarkerEntry] != 0)
        readTable(settings.rightKeys, "RKey", SSettings::kMarkerEntry);
    else
        settings.rightKeys[SSettings::kMarkerEntry] = 1;
    mendTable(settings.rightKeys, 2, false);

    // A damaged file gives what can be read of it and the defaults for the rest, as a missing one
    // gives the defaults; but it is kept aside rather than written over, and the player is told.
    std::string notice;
    if (!fault.empty()) {
        const std::string kept = platform::SetRegistryAside();
        notice = fault + ": what could not be read starts from its defaults";
        notice += kept.empty() ? "." : ", and the old file is kept as " + kept + ".";
    }
    SaveSettings(settings);
    return notice;
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
