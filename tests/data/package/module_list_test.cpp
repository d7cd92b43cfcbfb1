#include "data/package/module_list.h"

#include <algorithm>
#include <filesystem>

#include "support/module_fixture.h"
#include "support/step_counter.h"

namespace module_list_test {

namespace {

// The four packages of a game, each with its identifier; the world package has two maps.
class ModuleListTest : public ModuleTest {
protected:
    void writePackages(const std::vector<const char*>& skip = {}) {
        const char* files[][2] = {
            {"BrimvaleMusic", "bmus"}, {"BrimvaleSound", "bsnd"}, {"BrimvaleRes", "bres"}, {"Brimvale", "base"}};
        for (const auto& file : files) {
            if (std::find(skip.begin(), skip.end(), std::string(file[0])) != skip.end()) continue;
            TestWorldPackage package;
            package.identifier = file[1];
            if (std::string(file[1]) == "base") package.maps = {{"base_s0101", "Harbour"}, {"base_cave", "Cave"}};
            if (std::string(file[1]) == "bres") package.maps = {{"bres_cave", "Other cave"}};
            ASSERT_TRUE(package.Write(folder, file[0]));
        }
    }
    StepCounter loading;
};

TEST_F(ModuleListTest, openAllOpensTheFourPackagesInOrderWithAStepEach) {
    writePackages();
    loading.Start(4);
    ASSERT_TRUE(modules.OpenAll(loading)) << modules.Error().Message();
    EXPECT_EQ(loading.Current(), 4u);
    ASSERT_EQ(modules.Count(), 4);
    const char* order[] = {"bmus", "bsnd", "bres", "base"};
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(modules.At(i)->Identifier().Text(), order[i]);
    EXPECT_EQ(modules.Current(), modules.At(3));
    EXPECT_EQ(modules.FindById("bres"), modules.At(2));
    EXPECT_EQ(modules.FindById("bas"), nullptr);
    EXPECT_EQ(modules.FindMap("base_cave"), modules.At(3)->FindMap("base_cave"));
    EXPECT_EQ(modules.FindMap("bres_cave"), modules.At(2)->Maps()[0]);
    EXPECT_EQ(modules.FindMap("base_s0202"), nullptr);
}

TEST_F(ModuleListTest, aMissingPackageIsNamedWhileTheOthersOpenAndEveryStepIsTaken) {
    writePackages({"BrimvaleSound"});
    loading.Start(4);
    EXPECT_FALSE(modules.OpenAll(loading));
    EXPECT_NE(modules.Error().Message().find("BrimvaleSound.pdb"), std::string::npos) << modules.Error().Message();
    EXPECT_EQ(loading.Current(), 4u);
    EXPECT_EQ(modules.Count(), 3);
    EXPECT_EQ(modules.FindById("bsnd"), nullptr);
}

// The music and the sounds may be missing; the pictures and the world may not, and the fault names
// the file.
TEST_F(ModuleListTest, onlyAMissingPictureOrWorldPackageStopsAGame) {
    struct Row {
        const char* missing;
        bool stops;
    };
    for (Row row :
         {Row{"BrimvaleMusic", false}, Row{"BrimvaleSound", false}, Row{"BrimvaleRes", true}, Row{"Brimvale", true}}) {
        writePackages();
        std::filesystem::remove(PathOf(std::string(row.missing) + ".pdb"));
        modules.Clear();
        EXPECT_FALSE(modules.OpenAll(loading)) << row.missing;
        EXPECT_EQ(modules.Damage().Failed(), row.stops) << row.missing;
        if (!row.stops) continue;
        EXPECT_EQ(modules.Damage().Message(), PathOf(std::string(row.missing) + ".pdb") + ": not found");
        EXPECT_EQ(DamagedPackageMessage(modules.Damage()),
                  "The game cannot start: a package is missing.\r" + modules.Damage().Message() + ".");
    }
}

TEST_F(ModuleListTest, clearEmptiesTheListAndAnAddedModuleIsBlank) {
    writePackages();
    ASSERT_TRUE(modules.OpenAll(loading));
    modules.Clear();
    EXPECT_EQ(modules.Count(), 0);
    EXPECT_EQ(modules.Current(), nullptr);
    EXPECT_EQ(modules.FindMap("base_cave"), nullptr);
    SModule* added = modules.Add();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(modules.Count(), 1);
    EXPECT_EQ(added->Header().flagA, 1);
    EXPECT_EQ(added->Header().flagB, 1);
    EXPECT_TRUE(added->Identifier().IsEmpty());
    EXPECT_EQ(added->Maps().Count(), 0);
}

}  // namespace

}  // namespace module_list_test
