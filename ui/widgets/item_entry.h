#pragma once
// SItemEntry: one cell of an item grid: an item of the listed container, or a stack of identical
// ones, with what the cell shows of it.
#include <cstdint>

class SItem;
class SItemType;
struct SPaletteEntry;
struct SPictureEntry;

// The bits of SItemEntry::flags.
struct SItemEntryFlags {
    static constexpr uint8_t kNeverStacks = 1;  // set with kEquipped: a worn piece stands alone
    static constexpr uint8_t kMagic = 2;
    static constexpr uint8_t kSpecial = 4;
    static constexpr uint8_t kEquippable = 8;
    static constexpr uint8_t kEquipped = 16;
    static constexpr uint8_t kUnusable = 32;  // the player's alignment forbids it
    static constexpr uint8_t kSecondTypeFlag = 64;
};

struct SItemEntry {
    const SItemType* type = nullptr;
    SItem* item = nullptr;  // the first item of the stack
    uint32_t price = 0;
    const SPictureEntry* picture = nullptr;  // a cell without one is not drawn
    const SPaletteEntry* palette = nullptr;
    uint16_t count = 1;
    uint8_t kind = 0;
    uint8_t subkind = 0;
    uint8_t flags = 0;
};
