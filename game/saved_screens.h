#pragma once
// What a saved game asks of the screens that keep part of the game: the play screen (its world
// state, the view thumbnail and the clock text of the slot list, and the reset before a new game
// or a load) and the inventory screen (its page state). Each screen implements its part and
// registers it with the saved-game manager; until one does, its record is written empty and an
// empty record reads as nothing.
#include <cstdint>
#include <span>
#include <string>

class SArchive;
class SString;

// The view thumbnail of a saved game: 80 x 50 RGB565 pixels.
constexpr int kSaveThumbWidth = 80;
constexpr int kSaveThumbHeight = 50;
constexpr uint16_t kSaveThumbBytes = kSaveThumbWidth * kSaveThumbHeight * 2;

class SSavedPlayScreen {
public:
    // Clears the play state (position, clock, weather, event queue, monster lists) before a new
    // game or a load.
    virtual void ResetWorld() = 0;
    // The world tables of a new game or a load are built: the screen looks up what it keeps of them.
    virtual void LoadDoorAndDropResources() = 0;
    // The last view as a thumbnail, row by row.
    virtual void ViewThumbnail(std::span<uint16_t, kSaveThumbWidth * kSaveThumbHeight> pixels) const = 0;
    // The play clock as the slot list shows it: "Day 3, 7:05 pm".
    virtual void FormatDayTime(SString& out) const = 0;
    // Record 3004 at the save's version. Reading answers false for a damaged record.
    virtual void SerializeForSave(SArchive& archive, int version) = 0;
    virtual bool SerializeForLoad(SArchive& archive, int version) = 0;
    // Reads the record as SerializeForLoad would, changing nothing: false, with what is wrong in
    // `fault` (empty for a record cut short), when the load must be refused.
    virtual bool CheckSaved(SArchive& archive, int version, std::string& fault) const = 0;

protected:
    ~SSavedPlayScreen() = default;
};

class SSavedInventory {
public:
    // Record 3005 at the save's version. Reading answers false for a damaged record.
    virtual void SerializeUiForSave(SArchive& archive, int version) = 0;
    virtual bool SerializeUiForLoad(SArchive& archive, int version) = 0;
    // Whether the record reads whole, asked before the load changes anything of the running game.
    virtual bool CheckUiRecord(SArchive& archive, int version) const = 0;

protected:
    ~SSavedInventory() = default;
};
