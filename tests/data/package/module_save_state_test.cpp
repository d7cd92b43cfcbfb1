#include <cstring>

#include "data/package/module.h"
#include "engine/base/archive.h"
#include "engine/files/pdb_writer.h"
#include "support/map_fixture.h"
#include "support/package_builder.h"

namespace module_save_state_test {

namespace {

// A world package of grid maps. Each map's saved state shows which cells were explored, so that a
// test sees which record each map read.
class ModuleSaveStateTest : public MapTest {
protected:
    SModule* openWorld(const std::vector<TestMap>& maps, const char* fileName) {
        TestWorldPackage package;
        package.mapPrefix = "base_s";
        package.maps = maps;
        return OpenPackage(package, fileName);
    }

    // Saves the module as the records from 3100 on and opens the saved file.
    void save(SModule& module, int saveVersion) {
        SPdbWriter writer;
        writer.Attach(folder);
        writer.InitSaveHeader("BrimvaleSave1");
        SArchive archive;
        module.SaveSaveState(writer, archive, saveVersion, 3100, names);
        ASSERT_TRUE(writer.Write("BrimvaleSave1"));
        saveFile.Attach(folder);
        ASSERT_TRUE(saveFile.Open("BrimvaleSave1", kSaveTag)) << saveFile.Error().Message();
    }

    // Marks the map's cell (n, n) explored; explored() finds it again.
    static void mark(SModule& module, const char* map, int n) { module.FindMap(map)->SetExplored(n, n); }
    static int explored(SModule& module, const char* map) {
        for (int n = 0; n < SMap::kSectionCells; ++n)
            if (module.FindMap(map)->IsExplored(n, n)) return n;
        return -1;
    }

    SPdb saveFile;
    TestSaveNames names{items};
};

struct SaveVersionCase {
    const char* name;
    int version;
    bool position;
    bool facing;
};

class ModuleSaveVersionTest : public ModuleSaveStateTest, public ::testing::WithParamInterface<SaveVersionCase> {};

TEST_P(ModuleSaveVersionTest, thePositionAndTheMapStatesComeBackAsTheVersionHoldsThem) {
    const std::vector<TestMap> maps = {{"base_s0303", ""}, {"base_s0403", ""}, {"base_s10", ""}};
    SModule* saved = openWorld(maps, "Brimvale");
    ASSERT_NE(saved, nullptr) << modules.Error().Message();
    ASSERT_TRUE(saved->SetPosition(*saved->FindMap("base_s0403"), 10, 20, 3));
    mark(*saved, "base_s0303", 3);
    mark(*saved, "base_s0403", 4);
    mark(*saved, "base_s10", 10);
    save(*saved, GetParam().version);

    SModule* loaded = openWorld(maps, "Copy");
    ASSERT_NE(loaded, nullptr) << modules.Error().Message();
    ASSERT_TRUE(loaded->SetPosition(*loaded->FindMap("base_s0303"), 7, 7, 1));
    SArchive archive;
    ASSERT_TRUE(loaded->LoadSaveState(saveFile, archive, GetParam().version, 3100, names)) << loaded->Error().Message();
    EXPECT_EQ(loaded->WorldX(), GetParam().position ? 66 : 42);
    EXPECT_EQ(loaded->WorldY(), GetParam().position ? 55 : 42);
    EXPECT_EQ(loaded->Facing(), GetParam().facing ? 3 : 1);
    EXPECT_EQ(explored(*loaded, "base_s0303"), 3);
    EXPECT_EQ(explored(*loaded, "base_s0403"), 4);
    EXPECT_EQ(explored(*loaded, "base_s10"), 10);
}

const SaveVersionCase kSaveVersions[] = {
    {"version90_noPosition", 90, false, false},
    {"version95_positionWithoutFacing", 95, true, false},
    {"version116_everything", 116, true, true},
};

INSTANTIATE_TEST_SUITE_P(SaveVersions, ModuleSaveVersionTest, ::testing::ValuesIn(kSaveVersions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModuleSaveStateTest, theRecordListsEveryMapWithTheIdOfItsState) {
    SModule* module = openWorld({{"base_s0303", ""}, {"base_s0403", ""}}, "Brimvale");
    ASSERT_NE(module, nullptr) << modules.Error().Message();
    ASSERT_TRUE(module->SetPosition(*module->FindMap("base_s0303"), 8, 9, 2));
    save(*module, 116);
    auto record = saveFile.LoadRecord(3100);
    ASSERT_NE(record, nullptr);
    // 'V', three pad bytes, x 43, y 44, facing 2, u16 count 2, then each name and its u16 id.
    const std::vector<uint8_t> expected = {'V', 0,   0,   0,   43,  0,   0,    0,    44,   0,   0,   0,
                                           2,   0,   0,   0,   2,   0,   'b',  'a',  's',  'e', '_', 's',
                                           '0', '3', '0', '3', 0,   0,   0x1D, 0x0C, 'b',  'a', 's', 'e',
                                           '_', 's', '0', '4', '0', '3', 0,    0,    0x1E, 0x0C};
    ASSERT_GE(record->Size(), expected.size());
    EXPECT_EQ(std::vector<uint8_t>(record->Data(), record->Data() + expected.size()), expected);
    EXPECT_NE(saveFile.LoadRecord(3102), nullptr);
    EXPECT_EQ(saveFile.LoadRecord(3103), nullptr);
}

TEST_F(ModuleSaveStateTest, mapsThePackageNoLongerHasAreSkipped) {
    SModule* saved = openWorld({{"base_s0303", ""}, {"base_s0503", ""}, {"base_s0403", ""}}, "Old");
    ASSERT_NE(saved, nullptr) << modules.Error().Message();
    mark(*saved, "base_s0303", 3);
    mark(*saved, "base_s0403", 4);
    save(*saved, 116);
    SModule* loaded = openWorld({{"base_s0403", ""}, {"base_s0303", ""}}, "New");
    ASSERT_NE(loaded, nullptr) << modules.Error().Message();
    SArchive archive;
    ASSERT_TRUE(loaded->LoadSaveState(saveFile, archive, 116, 3100, names)) << loaded->Error().Message();
    EXPECT_EQ(explored(*loaded, "base_s0303"), 3);
    EXPECT_EQ(explored(*loaded, "base_s0403"), 4);
}

TEST_F(ModuleSaveStateTest, aDamagedSaveIsRefusedWithTheRecordNamed) {
    SModule* module = openWorld({{"base_s0303", ""}}, "Brimvale");
    ASSERT_NE(module, nullptr) << modules.Error().Message();
    struct Case {
        std::vector<STestRecord> records;
        const char* message;
    };
    const Case cases[] = {
        {{}, "Damaged.pdb: record 3100 (the position and maps of package \"base\"): missing"},
        {{{3100, {'V', 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3}}},
         "record 3100 (the position and maps of package \"base\") at byte 12: cut short"},
        {{{3100, {'V', 0, 0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, 0, 0,    0,
                  1,   0, 'b', 'a', 's', 'e', '_', 's', '0', '3', '0', '3', 0, 0, 0x1D, 0x0C}}},
         "record 3101 (the state of map \"base_s0303\"): missing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        SPdbWriter writer;
        writer.Attach(folder);
        writer.InitSaveHeader("Damaged");
        for (const STestRecord& record : c.records)
            writer.AddRecord(record.id, record.bytes.data(), uint32_t(record.bytes.size()));
        ASSERT_TRUE(writer.Write("Damaged"));
        SPdb save;
        save.Attach(folder);
        ASSERT_TRUE(save.Open("Damaged", kSaveTag));
        SArchive archive;
        EXPECT_FALSE(module->LoadSaveState(save, archive, 116, 3100, names));
        EXPECT_NE(module->Error().Message().find(c.message), std::string::npos) << module->Error().Message();
    }
}

// Far outside the grid, finding the position's map divided near the 32-bit limits and overflowed;
// the play screen's grid over maps 00 .. 99 reaches from cell -28 to cell 2085.
TEST_F(ModuleSaveStateTest, aSavedPositionOffTheMapGridIsRefusedAtTheRead) {
    SModule* module = openWorld({{"base_s0303", ""}}, "Brimvale");
    ASSERT_NE(module, nullptr) << modules.Error().Message();
    struct Row {
        int32_t x, y;
        bool accepted;
    };
    const Row rows[] = {{-28, 2085, true},
                        {2085, -28, true},
                        {-29, 0, false},
                        {0, 2086, false},
                        {INT32_MIN, 0, false},
                        {0, INT32_MAX, false},
                        {INT32_MAX, INT32_MIN, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + ", " + std::to_string(row.y));
        std::vector<uint8_t> bytes = {'V', 0, 0, 0};
        for (int32_t value : {row.x, row.y, int32_t(1)})
            for (int shift = 0; shift < 32; shift += 8) bytes.push_back(uint8_t(uint32_t(value) >> shift));
        bytes.insert(bytes.end(), {0, 0});  // no maps
        SPdbWriter writer;
        writer.Attach(folder);
        writer.InitSaveHeader("Position");
        writer.AddRecord(3100, bytes.data(), uint32_t(bytes.size()));
        ASSERT_TRUE(writer.Write("Position"));
        SPdb save;
        save.Attach(folder);
        ASSERT_TRUE(save.Open("Position", kSaveTag));
        ASSERT_TRUE(module->SetPosition(*module->FindMap("base_s0303"), 7, 7, 0));
        SArchive archive;
        EXPECT_EQ(module->LoadSaveState(save, archive, 116, 3100, names), row.accepted) << module->Error().Message();
        int x = 0, y = 0;
        module->FindPositionMap(x, y);
        if (row.accepted) {
            EXPECT_EQ(module->WorldX(), row.x);
            continue;
        }
        EXPECT_EQ(module->WorldX(), 42) << "the position recorded before stays";
        EXPECT_NE(module->Error().Message().find("record 3100 (the position and maps of package \"base\") at byte 4: "
                                                 "the world position " +
                                                 std::to_string(row.x) + ", " + std::to_string(row.y) +
                                                 " lies off the map grid"),
                  std::string::npos)
            << module->Error().Message();
    }
}

}  // namespace

}  // namespace module_save_state_test
