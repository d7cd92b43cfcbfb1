#include "engine/files/settings.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/files/game_registry.h"
#include "support/temp_folder.h"

namespace {

// Every value name the settings keep, in the order they are written.
std::vector<std::string> allValueNames() {
    std::vector<std::string> names{"StartMode"};
    for (const char* prefix : {"Key", "LKey", "RKey"})
        for (int i = 1; i <= 12; ++i) names.push_back(prefix + std::to_string(i));
    for (const char* name : {"SoundVolume", "MusicVolume", "ViewSize", "LViewSize", "RViewSize"}) names.push_back(name);
    return names;
}

constexpr uint32_t kMissing = 0xDEADBEEF;

class SettingsTest : public TempFolderTest {};

TEST_F(SettingsTest, aFirstRunStoresEveryValueWithItsDefault) {
    SSettings settings;
    LoadSettings(settings, 10);

    const std::vector<std::string> names = allValueNames();
    ASSERT_EQ(names.size(), 42u);
    for (const std::string& name : names) EXPECT_NE(RegGetDword(name.c_str(), kMissing), kMissing) << name;
    EXPECT_EQ(RegGetDword("Key12", 0), 1u);
    EXPECT_EQ(RegGetDword("RKey12", 0), 1u);
    EXPECT_EQ(RegGetDword("LKey12", kMissing), 0u);
    EXPECT_EQ(RegGetDword("Key1", 0), 1000u);
    EXPECT_EQ(RegGetDword("LKey1", 0), 1004u);
    EXPECT_EQ(RegGetDword("RKey6", 0), 3000u);
    EXPECT_EQ(RegGetDword("SoundVolume", 0), 10u);
    EXPECT_EQ(RegGetDword("MusicVolume", 0), 5u);
    EXPECT_TRUE(std::filesystem::exists(PathOf("registry.ini")));
}

TEST_F(SettingsTest, aTableWithoutItsMarkerIsIgnoredAndOverwritten) {
    RegSetDword("Key1", 3000);
    RegSetDword("Key12", 0);
    RegSetDword("RKey1", 3000);
    SSettings settings;
    LoadSettings(settings, 10);
    EXPECT_EQ(settings.keys[0], 1000u);
    EXPECT_EQ(settings.rightKeys[0], 1006u);
    EXPECT_EQ(RegGetDword("Key1", 0), 1000u);
    EXPECT_EQ(RegGetDword("RKey1", 0), 1006u);
}

TEST_F(SettingsTest, storedTablesAndLevelsSurviveARestart) {
    SSettings first;
    LoadSettings(first, 10);
    first.keys[0] = 3000;
    first.leftKeys[3] = 3001;
    first.rightKeys[8] = 1000;
    first.soundVolume = 3;
    first.startMode = 2;
    SaveSettings(first);

    SSettings second;
    LoadSettings(second, 10);
    EXPECT_EQ(second.keys[0], 3000u);
    EXPECT_EQ(second.leftKeys[3], 3001u);
    EXPECT_EQ(second.rightKeys[8], 1000u);
    EXPECT_EQ(second.soundVolume, 3u);
    EXPECT_EQ(second.startMode, 2u);
}

TEST_F(SettingsTest, keyboardScreenModesBindLettersOnTheFirstRun) {
    const std::vector<uint32_t> letters{'w', 's', 'q', 'e', ' ', 'c', 13, 'a', 'd'};
    for (int mode : {14, 15, 16}) {
        std::filesystem::remove(PathOf("registry.ini"));
        SSettings settings;
        LoadSettings(settings, mode);
        EXPECT_EQ(std::vector<uint32_t>(settings.keys, settings.keys + 9), letters) << "mode " << mode;
        EXPECT_EQ(settings.keys[11], 1u);
    }
    std::filesystem::remove(PathOf("registry.ini"));
    SSettings handheld;
    LoadSettings(handheld, 10);
    EXPECT_EQ(handheld.keys[0], 1000u);
}

TEST_F(SettingsTest, anUnreadableValueGivesItsDefault) {
    std::ofstream(PathOf("registry.ini"))
        << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brimvale]\nSoundVolume=loud\nMusicVolume=\nStartMode=1\n";
    EXPECT_EQ(RegGetDword("SoundVolume", 7), 7u);
    EXPECT_EQ(RegGetDword("MusicVolume", 4), 4u);
    EXPECT_EQ(RegGetDword("StartMode", 0), 1u);
}

}  // namespace
