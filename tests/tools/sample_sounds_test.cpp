// Every sound a player can be meant to hear is in the sample sound package: the names the game's code
// plays by fixed name, and the names the sample packages give their spells, weapons, floors, places
// and scripts. A missing one plays nothing, without a word.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "game/game_data.h"
#include "support/temp_folder.h"
#include "tools/sampledata/audio_packages.h"
#include "tools/sampledata/interface_package.h"
#include "tools/sampledata/world_packages.h"

namespace sample_sounds_test {

namespace {

namespace fs = std::filesystem;

std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The sound names in `text`: "bsnd_" and the letters, digits, '_' and '-' after it.
void CollectSoundNames(const std::string& text, std::set<std::string>& names) {
    static const std::regex kName("bsnd_[A-Za-z0-9_-]+");
    for (auto match = std::sregex_iterator(text.begin(), text.end(), kName); match != std::sregex_iterator(); ++match)
        names.insert(match->str());
}

// The source tree is where the tests' golden frames are kept, three folders up.
fs::path SourceRoot() { return fs::path(BRIMVALE_GOLDEN_FOLDER).parent_path().parent_path().parent_path(); }

class SampleSoundsTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        game.InitTables();
        std::string error;
        ASSERT_TRUE(WriteSoundPackage(folder, error)) << error;
        ASSERT_TRUE(game.m_packages.Open("BrimvaleSound")) << game.m_packages.Error().Message();
    }

    // The names of `names` the sound package lacks.
    std::set<std::string> Missing(const std::set<std::string>& names) const {
        std::set<std::string> missing;
        for (const std::string& name : names)
            if (game.m_soundTable.FindSound(name.c_str()) == nullptr) missing.insert(name);
        return missing;
    }

    SFileFolder folder{Folder()};
    SGameData game;
};

TEST_F(SampleSoundsTest, everySoundTheGamePlaysByNameIsInThePackage) {
    std::set<std::string> named;
    for (const char* layer :
         {"platform", "framework", "engine", "script", "render", "cards", "data", "game", "ui", "screens"})
        for (const auto& entry : fs::recursive_directory_iterator(SourceRoot() / layer))
            if (entry.path().extension() == ".cpp" || entry.path().extension() == ".h")
                CollectSoundNames(ReadWhole(entry.path()), named);
    ASSERT_GT(named.size(), 50u) << "the source tree was not found at " << SourceRoot();
    EXPECT_EQ(Missing(named), std::set<std::string>{});
}

TEST_F(SampleSoundsTest, everySoundTheSamplePackagesNameIsInThePackage) {
    std::string error;
    ASSERT_TRUE(WriteInterfacePackage(folder, error)) << error;
    ASSERT_TRUE(WriteResourcePackage(folder, error)) << error;
    ASSERT_TRUE(WriteWorldPackage(folder, error)) << error;
    std::set<std::string> named;
    for (const char* package : {"BrimvaleData", "BrimvaleRes", "Brimvale"})
        CollectSoundNames(ReadWhole(folder.Resolve((std::string(package) + ".pdb").c_str())), named);
    for (const char* sure : {"bsnd_spellcast0", "bsnd_hitclub", "bsnd_stepstone-1", "bsnd_birds"})
        ASSERT_EQ(named.count(sure), 1u) << sure << " is named by the sample world";
    EXPECT_EQ(Missing(named), std::set<std::string>{});
}

}  // namespace

}  // namespace sample_sounds_test
