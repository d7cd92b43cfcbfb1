#pragma once
// A game object over a fresh program folder with the four packages of every game written into it:
// empty music, sound and picture packages and a base world whose item types cover the starting
// kit, with spells, a monster and one map holding a placed object, the start position of every new
// game, a container and a creature.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/player/character_choice.h"
#include "engine/files/pdb_writer.h"
#include "game/game_data.h"
#include "game/saved_game_layout.h"
#include "support/item_records.h"
#include "support/monster_records.h"
#include "support/playable_game.h"
#include "support/spell_records.h"
#include "support/step_counter.h"
#include "support/temp_folder.h"
#include "support/world_package.h"
#include "tools/sampledata/world_packages.h"

// The starting spells of the magic skills, in the schools their skills teach.
inline void AddKitSpells(SSpellTable& spells) {
    const std::pair<const char*, uint8_t> kSpells[] = {
        {"base_spellcurelightwounds", kSchoolHeal}, {"base_spellstoneskin", kSchoolProtection},
        {"base_spellburninghand", kSchoolAttack},   {"base_spellcurse", kSchoolMind},
        {"base_spelldrainhealth", kSchoolUndead},   {"base_spellfeather", kSchoolEnvironment},
    };
    for (auto [name, school] : kSpells) spells.Add(MakeSpell(name, school));
}

class SavedGameTest : public TempFolderTest {
protected:
    SavedGameTest() { PrepareGameWithoutWindow(game, Folder(), 99); }

    void SetUp() override {
        TempFolderTest::SetUp();
        for (auto [file, identifier] : {std::pair{"BrimvaleMusic", "bmus"}, std::pair{"BrimvaleSound", "bsnd"},
                                        std::pair{"BrimvaleRes", "bres"}}) {
            TestWorldPackage package;
            package.identifier = identifier;
            ASSERT_TRUE(package.Write(*game.m_fileFolder, file));
        }
        ASSERT_TRUE(World().Write(*game.m_fileFolder, "Brimvale"));
    }

    // The base world: the sample world with spells, a monster, a global and maps of the tests' own;
    // tests change it by overriding this.
    virtual TestWorldPackage World() {
        TestWorldPackage world = SampleWorldPackage();
        SSpellTable spells;
        AddKitSpells(spells);
        world.tables[SModuleTable::Spells] = spells.Write(world.version);
        world.tables[SModuleTable::Monsters] = OneMonsterRecords("base_rat", "base_vermin", 12, world.version);
        SGlobalTable globals;
        auto global = std::make_unique<SGlobalVar>();
        global->m_name.Set("base_bridgeopen");
        globals.Add(std::move(global));
        world.tables[SModuleTable::Globals] = {TableRecord(globals, world.version)};
        world.maps = {{"base_s0101", "The cave", R"(
cell . floor=base_stone
cells 0 0
...
...
end
object 1 base_stone
object 2 base_start
container 1 255 255 loot=base_bread
creature base_rat 1 1
)"},
                      {"base_s0102", "The tunnel", ""}};
        return world;
    }

    // A new game of the choice; the loading steps counted.
    bool StartGame(const SCharacterChoice& choice = {}) {
        error.clear();
        return game.m_saveNames.NewGame(steps, choice, error);
    }
    bool Save(uint32_t slot = 1) {
        error.clear();
        return game.m_saveNames.SaveGame(slot, error);
    }
    bool Load(uint32_t slot = 1) {
        error.clear();
        return game.m_saveNames.LoadGame(slot, steps, error);
    }

    // The saved game's records by id, as the file holds them.
    std::map<uint16_t, std::vector<uint8_t>> SavedRecords(uint32_t slot = 1) {
        SPdb file;
        file.Attach(*game.m_fileFolder);
        EXPECT_TRUE(file.Open(SaveFileName(slot).c_str(), kSaveTag)) << file.Error().Message();
        std::map<uint16_t, std::vector<uint8_t>> records;
        for (uint32_t id = kSaveHeaderRecord; id < kSaveFirstPackageRecord + 16; ++id)
            if (auto record = file.LoadRecord(uint16_t(id))) records[uint16_t(id)] = record->bytes;
        return records;
    }
    // Writes the records as the slot's file, in id order.
    void WriteSave(const std::map<uint16_t, std::vector<uint8_t>>& records, uint32_t slot = 1) {
        SPdbWriter writer;
        writer.Attach(*game.m_fileFolder);
        writer.InitSaveHeader(SaveFileName(slot).c_str());
        for (const auto& [id, bytes] : records) writer.AddRecord(id, bytes.data(), uint32_t(bytes.size()));
        ASSERT_TRUE(writer.Write(SaveFileName(slot).c_str()));
    }

    // Owned apart so that a main game class can adopt it; `game` stays valid either way.
    std::unique_ptr<SGameData> ownedGame = std::make_unique<SGameData>();
    SGameData& game = *ownedGame;
    StepCounter steps;
    std::string error;
};
