// The sound, sky, named-script, scene and quest tables in a whole package: their chunks stand
// where the load order puts them, and an empty table's chunk is the empty chunk.
#include <gtest/gtest.h>

#include <functional>

#include "data/quest_table.h"
#include "data/scene_table.h"
#include "data/script_table.h"
#include "data/sky_table.h"
#include "data/sound_table.h"
#include "support/module_fixture.h"

namespace {

template <typename T>
std::unique_ptr<T> named(const char* name) {
    auto entry = std::make_unique<T>();
    entry->name.Set(name);
    return entry;
}

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

TEST_F(TableChunksTest, eachTableFindsItsOwnChunkInAPackage) {
    SQuestTable questsWritten;
    questsWritten.Add(named<SQuest>("base_ring"));
    SSkyTable skiesWritten;
    skiesWritten.Add(named<SSkyType>("base_sky"));
    SScriptTable scriptsWritten;
    scriptsWritten.Add(named<SNamedScript>("base_start"));
    SSceneTable scenesWritten;
    scenesWritten.Add(named<SScene>("bres_intro"));
    SSoundTable soundsWritten;
    auto song = std::make_unique<SMusicSong>();
    song->name = "bmus_main";
    soundsWritten.AddSong(std::move(song));

    TestWorldPackage package;
    package.tables = {{SModuleTable::Quests, questsWritten.Write(package.version)},
                      {SModuleTable::Scenes, scenesWritten.Write(package.version)},
                      {SModuleTable::Skies, skiesWritten.Write(package.version)},
                      {SModuleTable::Scripts, scriptsWritten.Write(package.version)},
                      {SModuleTable::Sounds, soundsWritten.Write(package.version)}};
    HookTables();
    ASSERT_NE(OpenPackage(package), nullptr) << modules.Error().Message();
    EXPECT_NE(quests.Find("base_ring"), nullptr);
    EXPECT_NE(skies.Find("base_sky"), nullptr);
    EXPECT_NE(scripts.Find("base_start"), nullptr);
    EXPECT_NE(scenes.Find("bres_intro"), nullptr);
    EXPECT_NE(sounds.FindSong("bmus_main"), nullptr);
}

}  // namespace
