#pragma once
// SItemDatabase: every item type of the opened packages with its pictures (inventory pictures,
// first-person sprites and the equipment records that link them), the merchants' table of item
// classes, and the lists of item types per level and per level and class that loot and merchants'
// stock are drawn from.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "data/frame_holder.h"
#include "data/items/equip_picture.h"
#include "data/items/fps_item.h"
#include "data/items/item_classes.h"
#include "data/items/item_picture.h"
#include "data/items/item_type.h"
#include "data/items/loot_rule.h"
#include "data/tables/record_table.h"
#include "engine/base/ptr_array.h"
#include "engine/packages/record_list.h"

class SItemList;
class SRandom;
class SResourceCache;
struct SRecordCursor;

class SItemDatabase {
public:
    // Item levels run from 1 to this; level 0 never turns up as loot or stock.
    static constexpr int kLevels = SItemType::kMaxLevel;

    SItemDatabase() = default;
    SItemDatabase(const SItemDatabase&) = delete;
    SItemDatabase& operator=(const SItemDatabase&) = delete;

    // Fills the merchants' table of the item classes; until then every row is 0.
    void InitCategories();
    // 0 outside the classes.
    uint16_t CategoryBit(int itemClass) const;
    uint8_t BaseStock(int itemClass) const;

    // The four chunks at the cursor: item pictures (with their palette part from data version 42),
    // sprites (the same), equipment records, and the item types: before data version 48 one record
    // (tag 20, an aligned u16 count and the types), from 48 on a record of the count alone and one
    // record per type. They join those of the packages opened before, all or none: a missing or
    // damaged record adds nothing and fails with the cursor's error naming the database.
    bool Load(SRecordCursor& cursor);
    // The records Load reads back, for what the database holds.
    SRecordList Write(int version);

    // After all packages are open and the resource cache's slots are numbered: resolves the
    // sprites' frames and the inventory pictures to slots, gives each item type its picture's
    // slot, and builds the lists.
    void BuildTables(const SResourceCache& cache);
    // Loads the inventory pictures and every sprite's frames and acquires their palettes, from
    // their names: it needs no slots, so it runs before BuildTables. False when a picture is
    // missing; the others load all the same.
    bool LoadPictures(SResourceCache& cache);

    // By name: the hash first, then the exact text; null for none.
    SItemType* FindItemType(const char* name) const { return m_types.FindByName(name); }
    SFpsItem* FindFpsItem(const char* name) const { return m_sprites.Find(name); }
    SItemPicture* FindItemPicture(const char* name) const { return m_pictures.Find(name); }
    SEquipPicture* FindEquipPicture(const char* name) const { return m_equipment.Find(name); }

    // Inserted by name hash; writers and tests fill the database this way.
    void AddItemType(std::unique_ptr<SItemType> type) { m_types.Add(type.release(), ListOrder::Sorted); }
    int ItemTypeCount() const { return m_types.Count(); }
    // In name-hash order; null outside 0 .. count-1.
    SItemType* ItemTypeAt(int index) const { return m_types.At(index); }
    SRecordTable<SItemPicture>& Pictures() { return m_pictures; }
    SFrameHolderTable<SFpsItem>& Sprites() { return m_sprites; }
    SRecordTable<SEquipPicture>& Equipment() { return m_equipment; }

    // The lists BuildTables made. A (level, class) list holds a type once when its stock weight is
    // 1, else five times its stock weight. Empty outside levels 1..6 and classes 0..16.
    int CountOf(int level, int itemClass) const { return int(classList(level, itemClass).size()); }
    // Null outside the list.
    SItemType* TypeAt(int level, int itemClass, int index) const;
    // Null for level 0, class 0 or an empty list.
    SItemType* RandomOfClass(int level, int itemClass, SRandom& random) const;
    // Each type of the level equally likely; null for level 0 or an empty list.
    SItemType* RandomOfLevel(int level, SRandom& random) const;

    // Rolls the rules in order into the container. A rule naming an item type the database lacks
    // gives nothing, as does a rule for a level without types.
    void FillContainer(const SPtrArray<SLootRule>& rules, SItemList& container, SRandom& random) const;

    // Every table and list, with the records they point into; the class table stays.
    void Clear();

private:
    using STypeList = std::vector<SItemType*>;

    const STypeList& classList(int level, int itemClass) const;
    bool readTypes(SRecordCursor& cursor, SPtrArray<SItemType>& read) const;

    std::array<SItemCategory, kItemClassCount> m_categories{};
    SRecordTable<SItemPicture> m_pictures;
    SFrameHolderTable<SFpsItem> m_sprites;
    SRecordTable<SEquipPicture> m_equipment;
    SPtrArray<SItemType> m_types{10};
    // Entry 0 of the levels stays empty.
    std::array<STypeList, kLevels + 1> m_levelLists;
    std::array<std::array<STypeList, kItemClassCount>, kLevels + 1> m_classLists;
};
