#pragma once
// SSaveNames: the saved-game manager of the game object. It starts new games, writes and reads the
// saved-game files of the slots, tells the slot lists what a slot holds, and keeps the three name
// tables (item types, monsters, spells) through which every record of a save refers to the data
// by a 16-bit index. The tables are filled only while a save is written or read.
//
// A saved game is the Palm-database file "BrimvaleSave<slot>.pdb" (type and creator "BrVS") in the
// program folder: slot 0 is the auto-save of the quit paths, slots 1 to 4 the player's.
#include <cstdint>
#include <memory>
#include <string>

#include "data/player/player_save_names.h"
#include "engine/base/read_error.h"
#include "game/save_name_table.h"
#include "game/save_slot_info.h"

class SArchive;
class SGameData;
class SItemType;
class SLoadingSteps;
class SMonster;
class SPdb;
class SSavedInventory;
class SSavedPlayScreen;
class SSpellType;
struct SCharacterChoice;

class SSaveNames : public SPlayerSaveNames {
public:
    // The version byte every save is written with.
    static constexpr uint8_t kSaveVersion = 116;

    SSaveNames() = default;
    ~SSaveNames() override;
    SSaveNames(const SSaveNames&) = delete;
    SSaveNames& operator=(const SSaveNames&) = delete;

    void Attach(SGameData* game) { m_game = game; }
    // Makes QuitNow write this manager's auto-save.
    void RegisterQuitAutoSave();
    // The screens that keep part of a save register here; null until they do.
    void SetPlayScreen(SSavedPlayScreen* screen) { m_playScreen = screen; }
    void SetInventory(SSavedInventory* inventory) { m_inventory = inventory; }

    // A fresh world for the character chosen: every screen on the stack left, the tables emptied,
    // the four packages of every game opened and the tables rebuilt, the player reset and given the
    // starting kit. The loading steps count 19. False, with a message, when the base world did
    // not open, lacks its start position or offers no food and water for the kit; the game is then
    // not playable.
    bool NewGame(SLoadingSteps& loading, const SCharacterChoice& choice, std::string& error);
    // The fault of an open base world that lacks the position every new game begins at, naming the
    // file and the position; no fault when it has it or is not open (which has a message of its own).
    SReadError MissingStartPosition() const;
    // Writes the slot's file, built whole in memory first so that a failure leaves the previous
    // file as it was. False, with a message, when it could not be written.
    bool SaveGame(uint32_t slot, std::string& error);
    // Rebuilds the world and reads the slot's file over it. The file is checked before anything
    // of the running game is touched: a missing file or record, an unknown current package or
    // indexes outside the file's tables refuse the load with a message. The loading steps count
    // 18. The state stack is left as it was.
    bool LoadGame(uint32_t slot, SLoadingSteps& loading, std::string& error);
    // What the slot lists show of a slot; null for a missing or foreign file, a file without a
    // header record and a damaged header.
    std::unique_ptr<SSaveSlotInfo> ReadSaveSlotInfo(uint32_t slot) const;
    // Deletes the slot's file; true whether or not there was one.
    bool DeleteSaveSlot(uint32_t slot) const;
    // The quit paths' auto-save: slot 0, only while a game runs and the player lives. True when
    // there was nothing to save or it was saved; false, with a message, when the save failed.
    bool AutoSave(std::string& error);
    // The same for a program that is ending: a failure goes to the standard error, as there is no
    // screen left to show it.
    void AutoSave();

    // The tables: Reset starts them for a save, each with the empty name at index 0; Clear
    // empties them and numbers from 0 again.
    void Reset();
    void Clear();
    uint16_t InternItemType(const SItemType& type);
    // By name in the item database; a name the data lacks is still kept, for nothing.
    uint16_t InternItemType(const char* name) override;
    uint16_t InternMonster(const SMonster& monster) override;
    uint16_t InternSpell(const SSpellType& spell) override;
    // An index past its table's end finds nothing and is noted: a load refuses the save then.
    SItemType* GetItemType(uint16_t index) const override;
    SMonster* GetMonster(uint16_t index) const override;
    SSpellType* GetSpell(uint16_t index) const override;
    const SSaveNameTable<SItemType>& ItemTypes() const { return m_itemTypes; }
    const SSaveNameTable<SMonster>& Monsters() const { return m_monsters; }
    const SSaveNameTable<SSpellType>& Spells() const { return m_spells; }

    // Record 3006: tag 'U', then for item types, monsters and spells the count and the names.
    // Reading renames the enchanting item types and spells of older data to their present names.
    void WriteNameTables(SArchive& archive) const;
    void ReadNameTables(SArchive& archive);

private:
    struct SCheckedSave;

    // Reads the whole save against tables of its own, changing nothing of the game. False, with
    // `fault` naming the file, the record and what is wrong, when a load must be refused.
    bool checkSave(uint32_t slot, SCheckedSave& save, std::string& fault) const;
    // Reads the checked save over the rebuilt world.
    bool readSave(SCheckedSave& save, std::string& fault);
    template <typename T>
    T* get(const SSaveNameTable<T>& table, uint16_t index) const;
    // The slot's saved-game file, open; null, with `fault` saying why, when there is none.
    std::unique_ptr<SPdb> openSaveFile(uint32_t slot, std::string& fault) const;
    // Emptying the tables and rebuilding the world from the four packages for a new game or a
    // load. False, with a message, when the base world did not open.
    bool prepareWorld(SLoadingSteps& loading, std::string& error);

    SGameData* m_game = nullptr;
    SSavedPlayScreen* m_playScreen = nullptr;
    SSavedInventory* m_inventory = nullptr;
    SSaveNameTable<SItemType> m_itemTypes;
    SSaveNameTable<SMonster> m_monsters;
    SSaveNameTable<SSpellType> m_spells;
    mutable bool m_indexOutOfRange = false;
};

// "BrimvaleSave<slot>": the slot's file name without the ".pdb" the files add.
std::string SaveFileName(uint32_t slot);
