#pragma once
// What the repair, alchemy and lock-picking dialogs step through: items of the player's pack (a
// hammer, a mortar, a pick, an ingredient type), each with its type's inventory picture, and the
// picture, the title text and the two step buttons that show the chosen one.
#include <cstdint>
#include <vector>

class SButtonCtrl;
class SGameData;
class SItem;
class SItemCtrl;
class SItemType;
class SDialog;
class STitleTextCtrl;
struct SPaletteEntry;
struct SPictureEntry;

struct SToolEntry {
    const SItemType* type = nullptr;
    SItem* item = nullptr;  // the first item of the type where entries count a type's items
    const SPictureEntry* picture = nullptr;
    const SPaletteEntry* palette = nullptr;
    uint32_t count = 1;
};

using SToolEntries = std::vector<SToolEntry>;

// A tool worth offering: one that wears (a maximum condition above 0, so that its condition never
// divides by 0) and is not yet worn below a tenth of its maximum.
bool IsUsableTool(const SItem& tool);
// An entry for the pack item, with its type's inventory picture and palette.
SToolEntry MakeToolEntry(const SGameData& game, SItem& item);
// The entry at the index, or null for -1 and any index past the entries.
const SToolEntry* ToolAt(const SToolEntries& entries, int32_t index);
// The chosen tool's picture, with its display name over "Condition: <word>"; without one no
// picture and empty texts. The text has no background of its own, so its owner is marked dirty.
void ShowTool(const SToolEntry* entry, SItemCtrl& picture, STitleTextCtrl& text);
// Previous is enabled above the first entry, next below the last.
void UpdateStepButtons(int32_t index, int32_t count, SButtonCtrl& previous, SButtonCtrl& next);
// A step button from the interface's previous-page or next-page picture, with its disabled picture.
void SetupStepButton(SButtonCtrl& button, const SGameData& game, bool previous, uint32_t command);
// Moves the index by the step, staying on the entries (-1 only when there are none), as the
// disabled step buttons would.
void StepTool(const SToolEntries& entries, int32_t& index, int32_t step);
// Drops the entry at the index, which stays where it is, moves back to the new last entry when it
// is past the end, or becomes -1 when nothing is left.
void RemoveToolAt(SToolEntries& entries, int32_t& index);
// Wears the tool by `wear` points, never below 0 (none when wear is negative); true when it is now
// worn below a tenth of its maximum and no longer usable.
bool WearTool(SItem& tool, int32_t wear);
