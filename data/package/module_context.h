#pragma once
// What opening data packages needs of the game object: where the files lie, the resource cache
// that takes the packages' pictures and palettes, the type tables that read the packages' chunks
// and resolve their names, and the maps' own level-data readers.
#include <array>
#include <functional>

#include "data/package/module_load_order.h"

class SArchive;
class SFileFolder;
class SItemType;
class SMap;
class SMapObjectType;
class SModule;
class SMonster;
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
    // Name lookups for the name indexes; unset or failing lookups leave null entries.
    std::function<SMapObjectType*(const char*)> findMapObjectType;
    std::function<SItemType*(const char*)> findItemType;
    std::function<SMonster*(const char*)> findMonster;
    // Runs once the package's last table and name index are read, before its maps: references
    // into name indexes that older packages read after the tables are resolved here.
    std::function<void(const SModule&)> afterTables;
    // Reads a map's level data when its package opens; the cursor starts at the map's cells record.
    std::function<bool(SMap&, SRecordCursor&)> loadMapBody;
    // A map's part of a saved game, both ways. Unset: the map saves nothing.
    std::function<void(SMap&, SArchive&, int saveVersion)> writeMapState;
    std::function<bool(SMap&, SArchive&, int saveVersion)> readMapState;
};
