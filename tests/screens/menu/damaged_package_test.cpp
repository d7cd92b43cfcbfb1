// A damaged game package, or a missing picture or world package, stops a new game at the menu
// before the intro: the menu names the file (and the record of a damaged one), stays usable, and
// leaves the saved games as they were.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/files/pdb.h"
#include "platform/messages.h"
#include "support/program_test.h"

namespace damaged_package_test {

namespace {

enum class Damage { kCutShort, kOneRecord, kMissing };

struct DamageCase {
    const char* package;
    Damage damage;
    // Which record is overwritten: the one in the middle of the file, or the first after the header
    // (the music package's middle holds sample bytes, where any value is a sound).
    bool middleRecord;
};

std::string Describe(const ::testing::TestParamInfo<DamageCase>& info) {
    const char* damages[] = {"CutShort", "OneRecordDamaged", "Missing"};
    return std::string(info.param.package) + damages[int(info.param.damage)];
}

// The text without its blanks: a long path may break anywhere across the lines of the box.
std::string WithoutBlanks(const std::string& text) {
    std::string kept;
    for (char c : text)
        if (c != ' ') kept += c;
    return kept;
}

uint32_t BigEndian32(const std::vector<char>& bytes, size_t at) {
    return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
           uint32_t(uint8_t(bytes[at + 2])) << 8 | uint8_t(bytes[at + 3]);
}

// The file with one record's bytes overwritten by a pattern no writer makes.
std::vector<char> WithRecordDamaged(std::vector<char> bytes, bool middleRecord) {
    const uint32_t count = uint32_t(uint8_t(bytes[kPdbHeaderSize - 2])) << 8 | uint8_t(bytes[kPdbHeaderSize - 1]);
    const uint32_t index = middleRecord ? count / 2 : 1;
    const uint32_t begin = BigEndian32(bytes, kPdbHeaderSize + index * kPdbEntrySize);
    const uint32_t end = index + 1 < count ? BigEndian32(bytes, kPdbHeaderSize + (index + 1) * kPdbEntrySize)
                                           : uint32_t(bytes.size());
    for (uint32_t at = begin; at < end; ++at) bytes[at] = char(0xA5 ^ (at * 7));
    return bytes;
}

class DamagedPackageTest : public ProgramTest, public ::testing::WithParamInterface<DamageCase> {
protected:
    void WriteFile(const std::string& name, const std::vector<char>& bytes) {
        std::ofstream file(Folder() + name, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), std::streamsize(bytes.size()));
    }
    void AnswerThroughPages() {
        for (int page = 0; page < 6 && Menu().CurrentSubMode() == SStateMain::kNewGameFailed; ++page) {
            Frame();
            Press(platform::kVkReturn);
        }
        Frame();
    }
    // A game saved in slot 1 with whole packages, so that there is a saved game to keep.
    void SaveAGame() {
        LaunchToMenu();
        TapRow("Start new game");
        PlayANewGame();
        std::string error;
        ASSERT_TRUE(Game().m_saveNames.SaveGame(1, error)) << error;
    }
};

TEST_P(DamagedPackageTest, isRefusedAtTheNewGameNamingFileAndRecordAndTheMenuStaysUsable) {
    SaveAGame();
    ASSERT_FALSE(HasFailure());
    const std::vector<char> saved = FileBytes("BrimvaleSave1.pdb");
    ASSERT_FALSE(saved.empty());

    const std::string file = std::string(GetParam().package) + ".pdb";
    std::vector<char> bytes = FileBytes(file.c_str());
    if (GetParam().damage == Damage::kCutShort)
        bytes.resize(bytes.size() / 2);
    else
        bytes = WithRecordDamaged(bytes, GetParam().middleRecord);
    if (GetParam().damage == Damage::kMissing)
        std::remove((Folder() + file).c_str());
    else
        WriteFile(file, bytes);

    LaunchToMenu();
    TapRow("Start new game");
    ASSERT_EQ(Current(), &Menu());
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kNewGameFailed);
    std::string message;
    for (const std::string& line : MessageLines()) message += WithoutBlanks(line);
    EXPECT_NE(message.find(file), std::string::npos) << message;
    const bool missing = GetParam().damage == Damage::kMissing;
    EXPECT_NE(message.find(missing ? "notfound" : "record"), std::string::npos) << message;
    EXPECT_FALSE(Game().m_gameRunning);

    // Ok (after Continue through the pages a long path takes), and the menu works on: a second try
    // says the same, the settings open.
    AnswerThroughPages();
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kPlain);
    Frame();
    TapRow("Start new game");
    EXPECT_EQ(Menu().CurrentSubMode(), SStateMain::kNewGameFailed);
    AnswerThroughPages();
    TapRow("Settings");
    EXPECT_EQ(Current(), Game().Screen(kSettingsScreen));
    EXPECT_EQ(FileBytes("BrimvaleSave1.pdb"), saved);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPackage, DamagedPackageTest,
    ::testing::Values(
        DamageCase{"BrimvaleMusic", Damage::kCutShort, true}, DamageCase{"BrimvaleMusic", Damage::kOneRecord, false},
        DamageCase{"BrimvaleSound", Damage::kCutShort, true}, DamageCase{"BrimvaleSound", Damage::kOneRecord, true},
        DamageCase{"BrimvaleRes", Damage::kCutShort, true}, DamageCase{"BrimvaleRes", Damage::kOneRecord, true},
        DamageCase{"Brimvale", Damage::kCutShort, true}, DamageCase{"Brimvale", Damage::kOneRecord, true},
        DamageCase{"BrimvaleRes", Damage::kMissing, true}, DamageCase{"Brimvale", Damage::kMissing, true}),
    Describe);

// A package that is not there is no damage: the game plays on without its sounds.
TEST_F(ProgramTest, aMissingSoundPackageStillStartsANewGame) {
    std::remove((Folder() + "BrimvaleSound.pdb").c_str());
    LaunchToMenu();
    TapRow("Start new game");
    EXPECT_EQ(Current(), Game().Screen(kSceneScreen));
}

}  // namespace

}  // namespace damaged_package_test
