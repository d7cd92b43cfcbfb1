#include "engine/files/settings.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/files/game_registry.h"
#include "support/temp_folder.h"

namespace settings_test {

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

// A registry file with a line that means nothing, or one that cannot be read at all, was written
// over without a word. Now the player is told, what can be read is kept, and so is the old file.
TEST_F(SettingsTest, aDamagedOrUnreadableRegistryFileIsKeptAsideAndSaysSo) {
    const std::string path = PathOf("registry.ini");
    struct Row {
        const char* name;
        std::function<void()> damage;
        const char* fault;
        uint32_t soundVolume;
    };
    const Row rows[] = {
        {"a line that is no value",
         [&] { std::ofstream(path) << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brimvale]\nSoundVolume=3\n\x01\x02garbage\n"; },
         " is damaged at line 3", 3},
        {"a folder where the file belongs", [&] { std::filesystem::create_directory(path); }, " cannot be read", 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(path);
        row.damage();
        SSettings settings;
        EXPECT_EQ(LoadSettings(settings, 10), path + row.fault +
                                                  ": what could not be read starts from its defaults, and the old "
                                                  "file is kept as " +
                                                  path + ".damaged.");
        EXPECT_EQ(settings.soundVolume, row.soundVolume);
        EXPECT_TRUE(std::filesystem::exists(path + ".damaged"));
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << "a fresh file in its place";
        EXPECT_EQ(LoadSettings(settings, 10), "") << "the fresh file reads cleanly";
        EXPECT_EQ(settings.soundVolume, row.soundVolume);
    }
}

// A binding outside every action (or past a character code on a keyboard) left its key, an arrow
// key say, unbound. It takes that key's default; a binding cleared on purpose (0) stays cleared.
TEST_F(SettingsTest, aKeyBindingOutOfRangeTakesItsDefault) {
    SSettings first;
    LoadSettings(first, 10);
    RegSetDwords({{"Key1", 70000}, {"Key2", 0}, {"Key3", 1001}, {"LKey4", 0xFFFFFFFF}, {"RKey9", 12}});
    SSettings settings;
    LoadSettings(settings, 10);
    EXPECT_EQ(settings.keys[0], DefaultBindings(0, false)[0]);
    EXPECT_EQ(settings.keys[1], 0u);
    EXPECT_EQ(settings.keys[2], DefaultBindings(0, false)[2]);
    EXPECT_EQ(settings.leftKeys[3], DefaultBindings(1, false)[3]);
    EXPECT_EQ(settings.rightKeys[8], DefaultBindings(2, false)[8]);
    EXPECT_EQ(RegGetDword("Key1", kMissing), DefaultBindings(0, false)[0]) << "the mended binding is stored back";

    SSettings keyboard;
    LoadSettings(keyboard, 14);
    RegSetDwords({{"Key5", 300}});
    LoadSettings(keyboard, 14);
    EXPECT_EQ(keyboard.keys[4], DefaultBindings(0, true)[4]);
}

// Only 0, 1 and 2 mean a view size; 5 made the 3-D view narrower than nothing on the 640x480 mode,
// and a huge one overflowed the viewport arithmetic. Anything else shows the whole view, as a new
// player has it, and is stored back so.
TEST_F(SettingsTest, viewSizesBeyondTheSmallestReadAsTheWholeView) {
    struct Row {
        uint32_t stored;
        uint32_t read;
    };
    for (const Row& row : {Row{0, 0}, Row{1, 1}, Row{2, 2}, Row{3, 0}, Row{5, 0}, Row{0xFFFFFFFF, 0}}) {
        SCOPED_TRACE(row.stored);
        RegSetDwords({{"ViewSize", row.stored}, {"LViewSize", row.stored}, {"RViewSize", row.stored}});
        SSettings settings;
        LoadSettings(settings, 10);
        EXPECT_EQ(settings.viewSize, row.read);
        EXPECT_EQ(settings.leftViewSize, row.read);
        EXPECT_EQ(settings.rightViewSize, row.read);
        EXPECT_EQ(RegGetDword("ViewSize", kMissing), row.read) << "the mended value is stored back";
    }
}

// Volumes above 10 were passed on as they were, and an orientation above 2 turned the display by
// nothing the display knows; both read as the nearest value that means something.
TEST_F(SettingsTest, volumesAndOrientationsOutOfRangeReadAsTheNearestSaneValue) {
    struct Row {
        uint32_t stored, volume, orientation;
    };
    for (const Row& row : {Row{0, 0, 0}, Row{2, 2, 2}, Row{10, 10, 0}, Row{11, 10, 0}, Row{0xFFFFFFFF, 10, 0}}) {
        SCOPED_TRACE(row.stored);
        RegSetDwords({{"SoundVolume", row.stored}, {"MusicVolume", row.stored}, {"StartMode", row.stored}});
        SSettings settings;
        LoadSettings(settings, 10);
        EXPECT_EQ(settings.soundVolume, row.volume);
        EXPECT_EQ(settings.musicVolume, row.volume);
        EXPECT_EQ(settings.startMode, row.orientation);
        EXPECT_EQ(RegGetDword("SoundVolume", kMissing), row.volume);
        EXPECT_EQ(RegGetDword("StartMode", kMissing), row.orientation);
    }
}

// One registry file serves every screen size the program is started with: a portrait table that
// a keyboard stored (letters) is dead on a device with buttons, and one a device with buttons
// stored (actions) is dead on a keyboard. Either gives the device's defaults instead.
TEST_F(SettingsTest, aKeyTableStoredByTheOtherKindOfDeviceGivesThisDevicesDefaults) {
    SSettings keyboard;
    LoadSettings(keyboard, 14);
    SSettings handheld;
    LoadSettings(handheld, 7);
    EXPECT_EQ(std::vector<uint32_t>(handheld.keys, handheld.keys + 9),
              std::vector<uint32_t>(DefaultBindings(0, false).begin(), DefaultBindings(0, false).end()));
    SSettings keyboardAgain;
    LoadSettings(keyboardAgain, 16);
    EXPECT_EQ(std::vector<uint32_t>(keyboardAgain.keys, keyboardAgain.keys + 9),
              (std::vector<uint32_t>{'w', 's', 'q', 'e', ' ', 'c', 13, 'a', 'd'}));
    // A table of this device's kind stays as stored, holes and all.
    keyboardAgain.keys[0] = 0;
    keyboardAgain.keys[4] = 160;
    SaveSettings(keyboardAgain);
    SSettings kept;
    LoadSettings(kept, 15);
    EXPECT_EQ(kept.keys[0], 0u);
    EXPECT_EQ(kept.keys[4], 160u);
}

// Only the devices that can be turned take the stored orientation for the display.
TEST_F(SettingsTest, onlyTurnableDevicesTakeTheStoredOrientation) {
    SSettings settings;
    settings.startMode = 2;
    for (int mode : {6, 7, 9, 10}) EXPECT_EQ(DisplayOrientationFor(settings, mode), 2u) << mode;
    for (int mode : {8, 11, 14, 15, 16}) EXPECT_EQ(DisplayOrientationFor(settings, mode), 0u) << mode;
}

// Saving was 42 rewrites of the registry file, one per value, so a kill during a save left old and
// new values mixed. A child saves two different settings in turn, telling the parent over a pipe
// after each save; the parent kills it either at a random moment during a later save or while it
// waits between two, and the file must then hold every value of one of them. Killing on the child's
// word, not after a set time, keeps a loaded machine from killing it before it saved anything.
TEST_F(SettingsTest, aSaveKilledAtAnyMomentLeavesAllOldOrAllNewValues) {
    SSettings before, after;
    after.startMode = 1;
    for (int i = 0; i < SSettings::kKeyCount; ++i) {
        after.keys[i] = 5000 + i;
        after.leftKeys[i] = 6000 + i;
        after.rightKeys[i] = 7000 + i;
    }
    after.soundVolume = 1;
    after.musicVolume = 2;
    after.viewSize = after.leftViewSize = after.rightViewSize = 1;
    const std::vector<platform::RegistryValue> oldValues = SettingsValues(before), newValues = SettingsValues(after);
    ASSERT_EQ(oldValues.size(), 42u);
    for (size_t i = 0; i < oldValues.size(); ++i)
        ASSERT_NE(oldValues[i].value, newValues[i].value) << oldValues[i].name;
    SaveSettings(before);

    std::mt19937 random(22);
    int oldSeen = 0, newSeen = 0;
    for (int kill = 0; kill < 100; ++kill) {
        int saved[2], resume[2];
        ASSERT_EQ(pipe(saved), 0);
        ASSERT_EQ(pipe(resume), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (char go = 0;;) {
                SaveSettings(after);
                if (write(saved[1], "n", 1) != 1 || read(resume[0], &go, 1) != 1) _exit(1);
                SaveSettings(before);
                if (write(saved[1], "o", 1) != 1 || read(resume[0], &go, 1) != 1) _exit(1);
            }
        }
        // Let the child finish one to four saves; on every other kill it is then killed during the
        // next, otherwise while it waits, where the file holds what it saved last.
        const int saves = int(random() % 4) + 1;
        const bool duringASave = kill % 2 == 0;
        char last = 0;
        for (int i = 0; i < saves; ++i) {
            ASSERT_EQ(read(saved[0], &last, 1), 1);
            if (i + 1 < saves || duringASave) {
                ASSERT_EQ(write(resume[1], "g", 1), 1);
            }
        }
        if (duringASave) std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        for (int fd : {saved[0], saved[1], resume[0], resume[1]}) close(fd);

        int oldCount = 0, newCount = 0;
        for (size_t i = 0; i < oldValues.size(); ++i) {
            const uint32_t value = RegGetDword(oldValues[i].name.c_str(), kMissing);
            oldCount += value == oldValues[i].value;
            newCount += value == newValues[i].value;
        }
        ASSERT_TRUE(oldCount == 42 || newCount == 42)
            << "after kill " << kill << ": " << oldCount << " old and " << newCount << " new values";
        if (!duringASave) {
            EXPECT_EQ(newCount == 42, last == 'n') << "after kill " << kill;
        }
        (oldCount == 42 ? oldSeen : newSeen)++;
    }
    EXPECT_GT(newSeen, 0);
    EXPECT_GT(oldSeen, 0);
}

}  // namespace

}  // namespace settings_test
