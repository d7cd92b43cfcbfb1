#pragma once
// SItemList: an item container: a chest, a pile on the floor, what a creature carries, a merchant's
// stock, the player's pack. A container of the world data also carries the loot rules it is filled
// from the first time it is needed.
#include <array>
#include <cstdint>
#include <memory>

#include "data/items/item.h"
#include "data/items/loot_rule.h"
#include "engine/base/ptr_array.h"

class SArchive;
class SItemType;
class SItemTypeNames;
class SRandom;

// The player's equipment slots 1..13 as its saved record gives them: the index of the worn item in
// the pack's list, -1 for none. Entry 0 is unused.
using SEquipmentIndexes = std::array<int32_t, 14>;
// The worn items, found while the pack is read.
using SEquipmentSlots = std::array<SItem*, 14>;

class SItemList {
public:
    // A flag: the loot rules have been rolled.
    static constexpr uint8_t kFilled = 0x02;
    // A coordinate of a container that lies nowhere on the floor.
    static constexpr uint8_t kNowhere = 255;

    SItemList() = default;
    SItemList(const SItemList&) = delete;
    SItemList& operator=(const SItemList&) = delete;

    int Count() const { return m_items.Count(); }
    // Null outside 0 .. count-1.
    SItem* At(int index) const { return m_items.At(index); }
    // Appends; an item that does not fit (65,535 are held already) is deleted.
    void Add(std::unique_ptr<SItem> item);
    bool Holds(const SItem* item) const;
    // Takes the item out, later items moving down; null when the container does not hold it.
    std::unique_ptr<SItem> Take(SItem* item);
    // Takes every item of the other container, front first, and appends it here.
    void MoveAllFrom(SItemList& other);
    // The first item of the type, or null.
    SItem* FindByType(const SItemType* type) const;
    int CountOfType(const SItemType* type) const;
    // Appends n new items of the type at full condition.
    void AddItems(const SItemType& type, int n, SRandom& random);
    // Deletes up to n items of the type, front first.
    void RemoveItems(const SItemType* type, int n);
    void DeleteAll() { m_items.DeleteAll(); }

    // The level-data form: tag 'K', id, flags, x and y, then the loot rules.
    void Serialize(SArchive& archive, int version, SItemTypeNames& names);
    // The saved-game form: the id, a byte of presence bits (1 flags, 2 a place on the floor, 4
    // items), then the flags, x and y, and the items as an aligned u16 count and each item's saved
    // form.
    void SaveState(SArchive& archive, SItemTypeNames& names) const;
    // Reads the saved form after the id, which the caller has read, in place of the container's
    // items. Items whose type the data no longer has are read past and dropped. False when the
    // record ends early or an item's own effects are damaged.
    bool LoadState(SArchive& archive, SItemTypeNames& names);
    // The player's pack: the id and the saved form. The item at position i fills the first
    // equipment slot whose index is i (null for a dropped item), and that slot's index becomes -1.
    bool LoadPlayerState(SArchive& archive, SItemTypeNames& names, SEquipmentIndexes& indexes, SEquipmentSlots& slots);

    uint16_t m_serial = 0;  // the play screen's display number of the pile it shows; 0 for none
    uint8_t m_id = 0;       // the container's number within its map
    uint8_t m_flags = 0;
    uint8_t m_x = 0;
    uint8_t m_y = 0;
    SPtrArray<SLootRule> m_rules{4};

private:
    template <typename OnItem>
    bool loadFields(SArchive& archive, SItemTypeNames& names, OnItem onItem);

    SPtrArray<SItem> m_items{4};
};
