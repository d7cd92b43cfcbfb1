// The sample world with its start position renamed by one byte, as a damaged copy of the package
// holds it: the world still opens and its saved games still load, but a new game is refused,
// naming the file and the position, both at the menu and when the world is read for the new game.
// The refusal comes after a game in which townsfolk were in view, and the play screen keeps nothing
// of that game's world: entered anyway, it shows its empty view and message and runs on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string>
#include <vector>

#include "screens/play/village_play.h"
#include "support/program_test.h"

namespace {

constexpr const char* kWorldFile = "Brimvale.pdb";
constexpr const char* kStart = "base_start";

// The package's bytes with the one name "base_start" (not the names it begins, such as the start
// scripts') changed in its last letter. False when the package holds that name other than once.
bool RenameStartPosition(const std::string& path) {
    std::vector<char> bytes;
    {
        std::ifstream file(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    const std::string name = kStart;
    std::vector<size_t> found;
    for (auto at = bytes.begin(); (at = std::search(at, bytes.end(), name.begin(), name.end())) != bytes.end(); ++at) {
        const auto next = at + std::ptrdiff_t(name.size());
        if (next == bytes.end() || !(std::isalnum(uint8_t(*next)) || *next == '_'))
            found.push_back(size_t(at - bytes.begin()));
    }
    if (found.size() != 1) return false;
    bytes[found[0] + name.size() - 1] = 'x';
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(file);
}

void ExpectNamesFileAndPosition(const std::string& message) {
    // The box may break the long path anywhere, which the read-back lines join with a space.
    std::string unbroken = message;
    std::erase(unbroken, ' ');
    EXPECT_NE(unbroken.find(kWorldFile), std::string::npos) << message;
    EXPECT_NE(message.find(std::string("\"") + kStart + "\""), std::string::npos) << message;
}

class MissingStartPositionMenuTest : public ProgramTest {};

TEST_F(MissingStartPositionMenuTest, isRefusedAtTheNewGameNamingFileAndPositionAndTheMenuStaysUsable) {
    ASSERT_TRUE(RenameStartPosition(Folder() + kWorldFile));
    LaunchToMenu();
    for (int attempt = 0; attempt < 2; ++attempt) {
        TapRow("Start new game");
        ASSERT_EQ(Current(), &Menu());
        EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kNewGameFailed);
        std::string message;
        for (const std::string& line : MessageLines()) message += line + " ";
        ExpectNamesFileAndPosition(message);
        EXPECT_FALSE(Game().m_gameRunning);
        Frame();
        Press(platform::kVkReturn);
        EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kPlain);
        Frame();
    }
    TapRow("Settings");
    EXPECT_EQ(Current(), Game().Screen(kSettingsScreen));
}

// How the game with townsfolk in view was had before the new game was asked for.
enum class Before { kPlayed, kLoaded };

class MissingStartPositionTest : public VillageTest, public ::testing::WithParamInterface<Before> {};

TEST_P(MissingStartPositionTest, aNewGameIsRefusedAndThePlayScreenKeepsNothingOfTheOldWorld) {
    PlayDriver& driver = StartInTown();
    // Before the pedlar's stall, among the townsfolk of the street.
    StandInTown(8, 7, 0);
    driver.Frames(10);
    ASSERT_FALSE(Play().Persons().empty());
    std::string error;
    if (GetParam() == Before::kLoaded) {
        ASSERT_TRUE(Game().m_saveNames.SaveGame(1, error)) << error;
        ASSERT_TRUE(RenameStartPosition(Folder() + kWorldFile));
        StepCounter loading;
        ASSERT_TRUE(Game().m_saveNames.LoadGame(1, loading, error)) << "a save needs no start position: " << error;
        Play().Enter(0, 0, 0, 0);
        driver.Frames(10);
        ASSERT_FALSE(Play().Persons().empty());
    } else {
        ASSERT_TRUE(RenameStartPosition(Folder() + kWorldFile));
    }

    StepCounter loading;
    EXPECT_FALSE(Game().m_saveNames.NewGame(loading, SCharacterChoice{.name = "Ayla"}, error));
    ExpectNamesFileAndPosition(error);
    EXPECT_TRUE(Play().Persons().empty());
    EXPECT_EQ(Play().NearbyPersonCreature(), nullptr);

    // The play screen entered for a new game all the same finds nowhere to start: it says so over
    // an empty view, and its frames (the persons' clock among them) touch nothing of the old world.
    Play().Enter(1, 0, 0, 0);
    driver.Frames(40);
    EXPECT_EQ(Play().m_currentMap, nullptr);
    EXPECT_TRUE(Play().Persons().empty());
    EXPECT_NE(driver.OpenMessageText().find(kStart), std::string::npos) << driver.OpenMessageText();
}

INSTANTIATE_TEST_SUITE_P(AfterAGame, MissingStartPositionTest, ::testing::Values(Before::kPlayed, Before::kLoaded),
                         [](const ::testing::TestParamInfo<Before>& info) {
                             return info.param == Before::kPlayed ? "Played" : "LoadedFromASave";
                         });

}  // namespace
