// The sound, sky, named-script, scene and quest tables in a whole package: an empty table's chunk
// is the empty chunk that packages without such entries hold.
#include <gtest/gtest.h>

#include <functional>

#include "data/quest_table.h"
#include "data/scene_table.h"
#include "data/script_table.h"
#include "data/sky_table.h"
#include "data/sound_table.h"
#include "support/module_fixture.h"

namespace table_chunks_test {

namespace {

class TableChunksTest : public ModuleTest {
protected:
    void HookTables() {
        context.tables[int(SModuleTable::Quests)] = std::bind_front(&SQuestTable::Load, &quests);
        context.tables[int(SModuleTable::Scenes)] = std::bind_front(&SSceneTable::Load, &scenes);
        context.tables[int(SModuleTable::Skies)] = std::bind_front(&SSkyTable::Load, &skies);
        context.tables[int(SModuleTable::Scripts)] = std::bind_front(&SScriptTable::Load, &scripts);
        context.tables[int(SModuleTable::Sounds)] = std::bind_front(&SSoundTable::Load, &sounds);
    }

    SQuestTable quests;
    SSceneTable scenes;
    SSkyTable skies;
    SScriptTable scripts;
    SSoundTable sounds;
};

TEST_F(TableChunksTest, theTablesReadTheEmptyChunksAndWriteThemWhenEmpty) {
    for (int version : {100, 114}) {
        HookTables();
        TestWorldPackage package;
        package.version = version;
        EXPECT_NE(OpenPackage(package, "Empty"), nullptr) << version << ": " << modules.Error().Message();

        context = SModuleContext();
        context.folder = &folder;
        context.cache = &cache;
        TestWorldPackage written;
        written.version = version;
        written.tables = {{SModuleTable::Quests, quests.Write(version)},
                          {SModuleTable::Scenes, scenes.Write(version)},
                          {SModuleTable::Skies, skies.Write(version)},
                          {SModuleTable::Scripts, scripts.Write(version)},
                          {SModuleTable::Sounds, sounds.Write(version)}};
        EXPECT_NE(OpenPackage(written, "Written"), nullptr) << version << ": " << modules.Error().Message();
    }
}

}  // namespace

}  // namespace table_chunks_test
