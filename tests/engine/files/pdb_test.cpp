#include "engine/files/pdb.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/base/byte_order.h"
#include "engine/files/pdb_writer.h"
#include "engine/files/unix_time.h"
#include "support/package_builder.h"
#include "support/temp_folder.h"

namespace pdb_test {

namespace {

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class PdbTest : public TempFolderTest {
protected:
    SFileFolder folder() const { return SFileFolder(Folder()); }
};

TEST_F(PdbTest, writerLaysOutHeaderEntriesAndPaddedRecordsByteForByte) {
    SPdbWriter writer;
    SFileFolder f = folder();
    writer.Attach(f);
    writer.AddRecord(3000, "ABCDE", 5);
    writer.AddRecord(3010, "xyz", 3);
    ASSERT_TRUE(writer.Write("Example"));

    std::vector<uint8_t> file = readFile(PathOf("Example.pdb"));
    ASSERT_EQ(file.size(), 109u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data())), "db");
    EXPECT_EQ(ReadBE16(&file[32]), 8);                                  // attributes
    EXPECT_EQ(ReadBE16(&file[34]), 1);                                  // version
    EXPECT_EQ(ReadBE32(&file[36]), 1'700'000'000u + kPalmEpochOffset);  // the headless device's clock
    EXPECT_EQ(ReadBE32(&file[40]), 1'700'000'000u + kPalmEpochOffset);
    EXPECT_EQ(std::string(&file[60], &file[68]), "        ");  // type and creator: blanks
    EXPECT_EQ(ReadBE16(&file[76]), 2);
    const std::vector<uint8_t> entries(file.begin() + 78, file.begin() + 94);
    EXPECT_EQ(entries, (std::vector<uint8_t>{0, 0, 0, 0x60, 0, 0, 0x0B, 0xB8, 0, 0, 0, 0x68, 0, 0, 0x0B, 0xC2}));
    EXPECT_EQ(file[94], 0);
    EXPECT_EQ(file[95], 0);
    EXPECT_EQ(std::string(&file[96], &file[101]), "ABCDE");
    EXPECT_EQ((std::vector<uint8_t>(&file[101], &file[104])), (std::vector<uint8_t>{0, 0, 0}));
    EXPECT_EQ(std::string(&file[104], &file[107]), "xyz");
    EXPECT_EQ((std::vector<uint8_t>(&file[107], &file[109])), (std::vector<uint8_t>{0, 0}));
}

TEST_F(PdbTest, recordsReadBackWithTheirPaddingAndIdsAboveAByte) {
    SFileFolder f = folder();
    ASSERT_TRUE(WriteTestPackage(f, "Pkg", {{3000, {1, 2, 3, 4, 5}}, {0x1234, {6, 7, 8}}}));
    SPdb pdb;
    pdb.Attach(f);
    ASSERT_TRUE(pdb.Open("Pkg")) << pdb.Error().Message();
    auto first = pdb.LoadRecord(3000);
    auto second = pdb.LoadRecord(0x1234);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->bytes, (std::vector<uint8_t>{1, 2, 3, 4, 5, 0, 0, 0}));  // size 8: runs to the next record
    EXPECT_EQ(second->bytes, (std::vector<uint8_t>{6, 7, 8, 0, 0}));          // size 5: runs to the end of the file
    EXPECT_EQ(pdb.LoadRecord(0x34), nullptr);
    EXPECT_EQ(pdb.LoadRecord(0x1200), nullptr);
}

TEST_F(PdbTest, theFirstRecordOfAnIdWins) {
    SFileFolder f = folder();
    ASSERT_TRUE(WriteTestPackage(f, "Twice", {{7, {1}}, {7, {2}}}));
    SPdb pdb;
    pdb.Attach(f);
    ASSERT_TRUE(pdb.Open("Twice"));
    EXPECT_EQ(pdb.LoadRecord(7)->bytes.front(), 1);
}

struct NameCase {
    const char* name;
    const char* given;
    std::string expected;  // "$" stands for the program folder
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.name; }

class PdbNameTest : public PdbTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(PdbNameTest, namesAreCompletedAndResolved) {
    const NameCase& c = GetParam();
    std::string expected = c.expected;
    if (expected[0] == '$') expected = Folder() + expected.substr(1);
    EXPECT_EQ(folder().Resolve(CompletePdbName(c.given).c_str()), expected);
}

INSTANTIATE_TEST_SUITE_P(Names, PdbNameTest,
                         ::testing::Values(NameCase{"bare", "Save1", "$Save1.pdb"},
                                           NameCase{"withExtension", "Save1.pdb", "$Save1.pdb"},
                                           NameCase{"extensionInside", "a.pdb.old", "$a.pdb.old"},
                                           NameCase{"upperCaseExtensionIsNotOne", "A.PDB", "$A.PDB.pdb"},
                                           NameCase{"absolutePath", "/data/Brimvale", "/data/Brimvale.pdb"},
                                           NameCase{"devicePath", "\\My Documents\\x", "\\My Documents\\x.pdb"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PdbTest, aWrongCreatorIsRefusedThoughTheRecordsAreIntact) {
    SFileFolder f = folder();
    SPdbWriter writer;
    writer.Attach(f);
    writer.InitSaveHeader("Slot 1");
    writer.AddRecord(3000, "abc", 3);
    ASSERT_TRUE(writer.Write("Save"));

    SPdb pdb;
    pdb.Attach(f);
    EXPECT_FALSE(pdb.Open("Save"));
    EXPECT_NE(pdb.Error().Message().find("BrVa"), std::string::npos) << pdb.Error().Message();
    ASSERT_TRUE(pdb.Open("Save", kSaveTag));
    EXPECT_TRUE(pdb.IsSaveGame());
    EXPECT_STREQ(pdb.Header().name, "Slot 1");
}

TEST_F(PdbTest, aMissingFileNamesTheFileInItsError) {
    SFileFolder f = folder();
    SPdb pdb;
    pdb.Attach(f);
    EXPECT_FALSE(pdb.Open("Nowhere"));
    EXPECT_NE(pdb.Error().Message().find(PathOf("Nowhere.pdb")), std::string::npos) << pdb.Error().Message();
}

// A damaged copy of a valid two-record package: each row breaks one thing.
struct DamageCase {
    const char* name;
    void (*damage)(std::vector<uint8_t>& file);
};

void PrintTo(const DamageCase& c, std::ostream* out) { *out << c.name; }

class PdbDamageTest : public PdbTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(PdbDamageTest, damagedFilesAreRefused) {
    SFileFolder f = folder();
    ASSERT_TRUE(WriteTestPackage(f, "Good", {{1, {1, 2, 3, 4, 5}}, {2, {6, 7, 8}}}));
    std::vector<uint8_t> file = readFile(PathOf("Good.pdb"));
    GetParam().damage(file);
    writeFile(PathOf("Bad.pdb"), file);

    SPdb pdb;
    pdb.Attach(f);
    EXPECT_FALSE(pdb.Open("Bad"));
    EXPECT_NE(pdb.Error().Message().find("Bad.pdb"), std::string::npos);
    EXPECT_EQ(pdb.LoadRecord(1), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, PdbDamageTest,
    ::testing::Values(DamageCase{"empty", [](std::vector<uint8_t>& f) { f.clear(); }},
                      DamageCase{"shortHeader", [](std::vector<uint8_t>& f) { f.resize(77); }},
                      DamageCase{"countBeyondTheFile", [](std::vector<uint8_t>& f) { WriteBE16(&f[76], 40); }},
                      DamageCase{"offsetsBackwards", [](std::vector<uint8_t>& f) { WriteBE32(&f[86], 0x5F); }},
                      DamageCase{"offsetInsideTheTable", [](std::vector<uint8_t>& f) { WriteBE32(&f[78], 80); }},
                      DamageCase{"offsetPastTheEnd", [](std::vector<uint8_t>& f) { WriteBE32(&f[86], 0x7FFFFFF0); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PdbTest, aFailedWriteLeavesTheExistingFileUnchanged) {
    SFileFolder f = folder();
    ASSERT_TRUE(WriteTestPackage(f, "Kept", {{1, {42}}}));
    const std::vector<uint8_t> before = readFile(PathOf("Kept.pdb"));
    // The temporary file cannot be created where a folder of its name stands.
    std::filesystem::create_directory(PathOf("Kept.pdb.new"));

    SPdbWriter writer;
    writer.Attach(f);
    writer.AddRecord(1, "other", 5);
    EXPECT_FALSE(writer.Write("Kept"));
    EXPECT_EQ(readFile(PathOf("Kept.pdb")), before);
}

TEST_F(PdbTest, aWriteIntoAMissingFolderFails) {
    SFileFolder nowhere(Folder() + "no/such/folder");
    SPdbWriter writer;
    writer.Attach(nowhere);
    EXPECT_FALSE(writer.Write("X"));
}

TEST_F(PdbTest, aSuccessfulWriteReplacesTheFileAndLeavesNoTemporary) {
    SFileFolder f = folder();
    ASSERT_TRUE(WriteTestPackage(f, "Twice", {{1, {1}}}));
    ASSERT_TRUE(WriteTestPackage(f, "Twice", {{1, {2}}, {2, {3}}}));
    EXPECT_FALSE(std::filesystem::exists(PathOf("Twice.pdb.new")));
    SPdb pdb;
    pdb.Attach(f);
    ASSERT_TRUE(pdb.Open("Twice"));
    EXPECT_EQ(pdb.RecordCount(), 2);
    EXPECT_EQ(pdb.LoadRecord(1)->bytes.front(), 2);
}

TEST_F(PdbTest, deleteRemovesTheCompletedName) {
    SFileFolder f = folder();
    ASSERT_TRUE(WriteTestPackage(f, "Gone", {{1, {1}}}));
    SPdbWriter writer;
    writer.Attach(f);
    EXPECT_TRUE(writer.DeleteFile("Gone"));
    EXPECT_FALSE(std::filesystem::exists(PathOf("Gone.pdb")));
}

}  // namespace

}  // namespace pdb_test
