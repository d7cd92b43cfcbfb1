#pragma once
// What opening data packages needs of the game object: where the files lie, the resource cache
// that takes the packages' pictures and palettes, the type tables that read the packages' chunks
// and resolve their names, and what the maps' item containers are filled from.
#include <array>
#include <functional>

#include "data/package/module_load_order.h"

class SFileFolder;
class SItemDatabase;
class SItemType;
class SMapObjectTypeTable;
class SModule;
class SMonster;
class SRandom;
class SResourceCache;
struct SRecordCursor;

struct SModuleContext {
    // Each table's loader gets the cursor at the table's first record and leaves it after the last.
    using STableLoader = std::function<bool(SRecordCursor&)>;

    // Every table starts with the loader of an empty chunk.
    SModuleContext();

    const SFileFolder* folder = nullptr;  // null: the program folder
    SResourceCache* cache = nullptr;
    std::array<STableLoader, kModuleTableCount> tables;
    // The types the map-object type names, the default floor and the maps' cells name; null: none
    // is known.
    const SMapObjectTypeTable* mapObjectTypes = nullptr;
    // Name lookups for the other name indexes; unset or failing lookups leave null entries.
    std::function<SItemType*(const char*)> findItemType;
    std::function<SMonster*(const char*)> findMonster;
    // Runs once the package's last table and name index are read, before its maps: references
    // into name indexes that older packages read after the tables are resolved here.
    std::function<void(const SModule&)> afterTables;
    // What the maps' item containers are filled from on a first visit; without both they stay empty.
    const SItemDatabase* items = nullptr;
    SRandom* random = nullptr;
};
